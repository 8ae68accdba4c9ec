// The whole line generation of the T-s diagram per substance at its default
// limits (triple point + 0.0001 K to 350 K), as done on a substance choice.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "app/linegen.h"
#include "thermo/substances.h"

namespace {

void BM_LineGeneration(benchmark::State& state) {
  const int n = int(state.range(0));
  app::LineInputs in;
  in.subst = n;
  in.name = tfs::SubstName[n];
  in.Tmin = tfs::Ttr[n] + app::Real(0.0001);
  in.Tmax = 350;
  in.lnTmin = std::log(in.Tmin);
  in.lnTmax = std::log(in.Tmax);
  if (in.name == "He") in.lastIsobar = 7;
  if (in.name == "Ar") in.firstIsobar = 1;
  if (in.name == "CO2") in.firstIsobar = 4;
  auto st = std::make_unique<app::DiagramStore>();
  int last = 0;
  for (auto _ : state) {
    app::ComputeAll(*st, in, [&](int p) { last = p; });
    benchmark::DoNotOptimize(st->Smax);
  }
  state.SetLabel(in.name);
  if (last != 100) state.SkipWithError("progress did not reach 100");
}

BENCHMARK(BM_LineGeneration)->DenseRange(1, tfs::kSubstCount)->Unit(benchmark::kMillisecond);

}  // namespace
