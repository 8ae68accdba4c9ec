// Per-call cost of the foundation routines that the state and saturation
// routines call in their inner loops.
#include <benchmark/benchmark.h>

#include "thermo/caloric.h"
#include "thermo/density.h"
#include "thermo/eos.h"

namespace {

using tfs::EosMode;
using tfs::Real;

void BM_EosRKS_Pressure(benchmark::State& state) {
  Real rho = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho);
    benchmark::DoNotOptimize(tfs::EosRKS(5, EosMode::Pressure, 300, rho));
  }
}
BENCHMARK(BM_EosRKS_Pressure);

void BM_EosRKS_Full(benchmark::State& state) {
  Real rho = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho);
    benchmark::DoNotOptimize(tfs::EosRKS(5, EosMode::Full, 300, rho));
  }
}
BENCHMARK(BM_EosRKS_Full);

void BM_EosHe_Pressure(benchmark::State& state) {
  Real rho = 60;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho);
    benchmark::DoNotOptimize(tfs::EosHe(1, EosMode::Pressure, 6, rho));
  }
}
BENCHMARK(BM_EosHe_Pressure);

void BM_EosHe_Full(benchmark::State& state) {
  Real rho = 60;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho);
    benchmark::DoNotOptimize(tfs::EosHe(1, EosMode::Full, 6, rho));
  }
}
BENCHMARK(BM_EosHe_Full);

// Nitrogen at 110 K, 1.3 MPa: three roots, the estimate picks the branch.
void BM_DensPT_Vapour(benchmark::State& state) {
  Real rho0 = 40;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho0);
    benchmark::DoNotOptimize(tfs::DensPT(5, 110, 1.3L, rho0));
  }
}
BENCHMARK(BM_DensPT_Vapour);

void BM_DensPT_Liquid(benchmark::State& state) {
  Real rho0 = 600;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho0);
    benchmark::DoNotOptimize(tfs::DensPT(5, 110, 1.3L, rho0));
  }
}
BENCHMARK(BM_DensPT_Liquid);

// Helium liquid at 4.2 K, 0.1 MPa from a nearby estimate.
void BM_DensPT_HeliumLiquid(benchmark::State& state) {
  Real rho0 = 120;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho0);
    benchmark::DoNotOptimize(tfs::DensPT(1, 4.2L, 0.1L, rho0));
  }
}
BENCHMARK(BM_DensPT_HeliumLiquid);

void BM_CaloricDT_Nitrogen(benchmark::State& state) {
  Real rho = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho);
    benchmark::DoNotOptimize(tfs::CaloricDT(5, 300, rho));
  }
}
BENCHMARK(BM_CaloricDT_Nitrogen);

void BM_CaloricDT_Helium(benchmark::State& state) {
  Real rho = 60;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rho);
    benchmark::DoNotOptimize(tfs::CaloricDT(1, 6, rho));
  }
}
BENCHMARK(BM_CaloricDT_Helium);

}  // namespace
