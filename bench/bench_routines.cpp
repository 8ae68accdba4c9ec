// Time per call of the state routine dhs_PT and of the inverse routines over
// grids of vapour, liquid, two-phase and supercritical states of every
// substance. Run with --benchmark_repetitions=5 and read the medians.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace {

using tfs::Real;

struct Point {
  int k;
  Real P, T, h, s;
};

enum Region { kVapour, kLiquid, kTwoPhase, kSupercritical, kAll };

// States of substance k in one region: three temperatures between the
// triple and the critical point, and three supercritical pressures.
std::vector<Point> grid(Region region) {
  std::vector<Point> pts;
  if (region == kAll) {
    for (Region r : {kVapour, kLiquid, kTwoPhase, kSupercritical}) {
      const std::vector<Point> part = grid(r);
      pts.insert(pts.end(), part.begin(), part.end());
    }
    return pts;
  }
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const char* nm = tfs::SubstName[k];
    const Real Ttr = tfs::Ttr[k], Tcr = tfs::Tcr[k];
    for (Real f : {0.25L, 0.5L, 0.8L}) {
      const Real Ts = Ttr + f * (Tcr - Ttr);
      Real Pv, Pl;
      tfs::Psat(nm, Ts, Pv, Pl);
      Point p{k, 0, 0, 0, 0};
      if (region == kVapour) {
        p.P = 0.5L * Pv, p.T = Ts + 20;
      } else if (region == kLiquid) {
        p.P = 3 * Pl, p.T = Ts;
        if (tfs::Pmelt(nm, Ts) < p.P) continue;
      } else if (region == kTwoPhase) {
        p.P = Pv, p.T = Ts;
      } else {
        p.P = tfs::Pcr[k] * (1 + 2 * f), p.T = Tcr * (1 + f);
      }
      Real d, h, s, Cp, x;
      if (region == kTwoPhase) {
        Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
        tfs::dhs2_P(nm, p.P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
        p.h = (hv + hl) / 2, p.s = (sv + sl) / 2, p.T = Tv;
      } else {
        tfs::dhs_PT(nm, p.P, p.T, d, h, s, Cp, x);
        p.h = h, p.s = s;
      }
      pts.push_back(p);
    }
  }
  return pts;
}

template <class F>
void run(benchmark::State& state, Region region, F&& call) {
  const std::vector<Point> pts = grid(region);
  std::size_t i = 0;
  for (auto _ : state) {
    const Point& p = pts[i];
    call(p);
    if (++i == pts.size()) i = 0;
  }
}

// A routine of a substance and two of a point's values, five outputs of
// which the first is kept.
using Routine = void (*)(std::string_view, Real, Real, Real&, Real&, Real&, Real&, Real&);

void over(benchmark::State& state, Routine routine, Real Point::*a, Real Point::*b) {
  run(state, static_cast<Region>(state.range(0)), [&](const Point& p) {
    Real out[5];
    routine(tfs::SubstName[p.k], p.*a, p.*b, out[0], out[1], out[2], out[3], out[4]);
    benchmark::DoNotOptimize(out[0]);
  });
}

void BM_dhs_PT(benchmark::State& state) { over(state, tfs::dhs_PT, &Point::P, &Point::T); }
void BM_Tds_hP(benchmark::State& state) { over(state, tfs::Tds_hP, &Point::h, &Point::P); }
void BM_Tdh_sP(benchmark::State& state) { over(state, tfs::Tdh_sP, &Point::s, &Point::P); }
void BM_Pdh_Ts(benchmark::State& state) { over(state, tfs::Pdh_Ts, &Point::T, &Point::s); }

// Region argument: 0 vapour, 1 liquid, 2 two-phase, 3 supercritical, 4 all
// of them (two-phase points are pure saturated vapour for dhs_PT).
BENCHMARK(BM_dhs_PT)->DenseRange(kVapour, kAll);
BENCHMARK(BM_Tds_hP)->DenseRange(kVapour, kAll);
BENCHMARK(BM_Tdh_sP)->DenseRange(kVapour, kAll);
BENCHMARK(BM_Pdh_Ts)->DenseRange(kVapour, kAll);

}  // namespace
