// The whole line generation of the T-s diagram per substance at its default
// limits (triple point + 0.0001 K to 350 K), as done on a substance choice.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/lines/linegen.h"
#include "core/session/substance.h"
#include "thermo/substances.h"

namespace {

void BM_LineGeneration(benchmark::State& state) {
  const int n = int(state.range(0));
  const app::LineInputs in = app::lineInputs(app::substanceChoice(app::AppState{}, n));
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
