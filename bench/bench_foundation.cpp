// Per-call cost of the foundation routines that the state and saturation
// routines call in their inner loops.
#include <benchmark/benchmark.h>

#include "thermo/caloric.h"
#include "thermo/density.h"
#include "thermo/eos.h"

namespace {

using tfs::EosMode;
using tfs::Real;

// One routine called on a density (or a density estimate) the optimiser
// cannot see through.
struct PerCall {
  const char* name;
  Real rho;
  void (*call)(Real rho);
};

const PerCall kCalls[] = {
    {"BM_EosRKS_Pressure", 100, [](Real rho) { benchmark::DoNotOptimize(tfs::EosRKS(5, EosMode::Pressure, 300, rho)); }},
    {"BM_EosRKS_Full", 100, [](Real rho) { benchmark::DoNotOptimize(tfs::EosRKS(5, EosMode::Full, 300, rho)); }},
    {"BM_EosHe_Pressure", 60, [](Real rho) { benchmark::DoNotOptimize(tfs::EosHe(1, EosMode::Pressure, 6, rho)); }},
    {"BM_EosHe_Full", 60, [](Real rho) { benchmark::DoNotOptimize(tfs::EosHe(1, EosMode::Full, 6, rho)); }},
    // Nitrogen at 110 K, 1.3 MPa: three roots, the estimate picks the branch.
    {"BM_DensPT_Vapour", 40, [](Real rho0) { benchmark::DoNotOptimize(tfs::DensPT(5, 110, 1.3L, rho0)); }},
    {"BM_DensPT_Liquid", 600, [](Real rho0) { benchmark::DoNotOptimize(tfs::DensPT(5, 110, 1.3L, rho0)); }},
    // Helium liquid at 4.2 K, 0.1 MPa from a nearby estimate.
    {"BM_DensPT_HeliumLiquid", 120, [](Real rho0) { benchmark::DoNotOptimize(tfs::DensPT(1, 4.2L, 0.1L, rho0)); }},
    {"BM_CaloricDT_Nitrogen", 100, [](Real rho) { benchmark::DoNotOptimize(tfs::CaloricDT(5, 300, rho)); }},
    {"BM_CaloricDT_Helium", 60, [](Real rho) { benchmark::DoNotOptimize(tfs::CaloricDT(1, 6, rho)); }},
};

[[maybe_unused]] const bool kRegistered = [] {
  for (const PerCall& c : kCalls)
    benchmark::RegisterBenchmark(c.name, [c](benchmark::State& state) {
      Real rho = c.rho;
      for (auto _ : state) {
        benchmark::DoNotOptimize(rho);
        c.call(rho);
      }
    });
  return true;
}();

}  // namespace
