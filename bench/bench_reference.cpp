// The two property models side by side on the same inputs: the state from
// (P, T), the saturated states at T, T from (h, P) and from (s, P), per
// substance. Run with --benchmark_repetitions=5 and read the medians.
//
//   bench_reference --compare   prints how far the cubic model lies from
//                               the reference one on the saturation line.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "thermo/model.h"
#include "thermo/substances.h"

namespace {

using tfs::Model;
using tfs::ModelKind;
using tfs::Real;

// The range of saturation temperatures both models share.
void sharedLine(int k, Real& Tlo, Real& Thi) {
  const tfs::ModelLimits& c = tfs::cubicModel(k).limits();
  const tfs::ModelLimits& r = tfs::referenceModel(k).limits();
  Tlo = std::max(c.Ttr, r.Ttr);
  Thi = std::min(c.Tcr, r.Tcr);
}

struct PT {
  Real P, T;
};

// Vapour, compressed liquid and supercritical states of substance k at
// three temperatures of the shared saturation line.
std::vector<PT> statesOf(int k) {
  const Model& ref = tfs::referenceModel(k);
  Real Tlo, Thi;
  sharedLine(k, Tlo, Thi);
  std::vector<PT> pts;
  for (Real f : {0.25L, 0.5L, 0.8L}) {
    const Real T = Tlo + f * (Thi - Tlo);
    Real Pv, Pl;
    ref.Psat(T, Pv, Pl);
    pts.push_back({Pv / 2, T + 20});                                            // vapour
    if (ref.Pmelt(T) > 3 * Pl) pts.push_back({3 * Pl, T});                     // liquid
    pts.push_back({ref.limits().Pcr * (1 + 2 * f), ref.limits().Tcr * (1 + f)});  // supercritical
  }
  return pts;
}

const Model& modelOf(const benchmark::State& state) {
  return tfs::model(static_cast<int>(state.range(1)), static_cast<ModelKind>(state.range(0)));
}

void label(benchmark::State& state) {
  state.SetLabel(std::string(state.range(0) == 0 ? "cubic " : "reference ") +
                 tfs::SubstName[state.range(1)]);
}

void BM_dhs_PT(benchmark::State& state) {
  const Model& m = modelOf(state);
  const std::vector<PT> pts = statesOf(m.substance());
  std::size_t i = 0;
  Real d, h, s, Cp, x;
  for (auto _ : state) {
    m.dhs_PT(pts[i].P, pts[i].T, d, h, s, Cp, x);
    benchmark::DoNotOptimize(d);
    if (++i == pts.size()) i = 0;
  }
  label(state);
}

void BM_dhs2_T(benchmark::State& state) {
  const Model& m = modelOf(state);
  Real Tlo, Thi;
  sharedLine(m.substance(), Tlo, Thi);
  std::vector<Real> Ts;
  for (Real f : {0.1L, 0.3L, 0.5L, 0.7L, 0.9L}) Ts.push_back(Tlo + f * (Thi - Tlo));
  std::size_t i = 0;
  Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  for (auto _ : state) {
    m.dhs2_T(Ts[i], Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
    benchmark::DoNotOptimize(dv);
    if (++i == Ts.size()) i = 0;
  }
  label(state);
}

// T from (h, P) or (s, P): the wanted values are the model's own at the
// states of statesOf, so both models solve the same problems.
template <bool Entropy>
void BM_inverse(benchmark::State& state) {
  const Model& m = modelOf(state);
  struct In {
    Real v, P;
  };
  std::vector<In> in;
  for (const PT& p : statesOf(m.substance())) {
    Real d, h, s, Cp, x;
    m.dhs_PT(p.P, p.T, d, h, s, Cp, x);
    in.push_back({Entropy ? s : h, p.P});
  }
  std::size_t i = 0;
  Real T, d, o, Cp, x;
  for (auto _ : state) {
    if (Entropy) m.Tdh_sP(in[i].v, in[i].P, T, d, o, Cp, x);
    else m.Tds_hP(in[i].v, in[i].P, T, d, o, Cp, x);
    benchmark::DoNotOptimize(T);
    if (++i == in.size()) i = 0;
  }
  label(state);
}

void bothModels(benchmark::internal::Benchmark* b) {
  for (int k = 1; k <= tfs::kSubstCount; ++k)
    for (int kind : {0, 1}) b->Args({kind, k});
}

BENCHMARK(BM_dhs_PT)->Apply(bothModels);
BENCHMARK(BM_dhs2_T)->Apply(bothModels);
BENCHMARK_TEMPLATE(BM_inverse, false)->Name("BM_Tds_hP")->Apply(bothModels);
BENCHMARK_TEMPLATE(BM_inverse, true)->Name("BM_Tdh_sP")->Apply(bothModels);

// The cubic model against the reference one at three temperatures of each
// saturation line: vapour (dew) pressure, saturated liquid and vapour
// density, latent heat, in per cent of the reference value.
void compare() {
  std::printf("| substance | T, K | Psat ref, MPa | ΔPsat | Δρ' | Δρ'' | Δr |\n");
  std::printf("|---|---|---|---|---|---|---|\n");
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    Real Tlo, Thi;
    sharedLine(k, Tlo, Thi);
    for (Real f : {0.1L, 0.5L, 0.9L}) {
      const Real T = Tlo + f * (Thi - Tlo);
      Real v[2][10];
      for (int m = 0; m < 2; ++m) {
        Real* o = v[m];
        tfs::model(k, static_cast<ModelKind>(m)).dhs2_T(T, o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9]);
      }
      auto dev = [&](Real c, Real r) { return static_cast<double>(100 * (c / r - 1)); };
      const Real rRef = v[1][2] - v[1][7], rCub = v[0][2] - v[0][7];
      std::printf("| %s | %.2f | %.5g | %+.2f %% | %+.2f %% | %+.2f %% | %+.2f %% |\n", tfs::SubstName[k],
                  static_cast<double>(T), static_cast<double>(v[1][0]), dev(v[0][0], v[1][0]), dev(v[0][6], v[1][6]),
                  dev(v[0][1], v[1][1]), dev(rCub, rRef));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--compare") == 0) {
      compare();
      return 0;
    }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
