// Liquefaction cycles: one solve of each cycle (the window's every change),
// its lines for the diagram, and a change of the high pressure in the
// window that recomputes and redraws the diagram with the cycle. Runs on the
// offscreen platform unless told otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QCheckBox>
#include <QDoubleSpinBox>

#include "core/process/cycles.h"
#include "model_support.h"
#include "program_bench.h"
#include "thermo/substances.h"
#include "ui/diagram/tsvid.h"
#include "ui/main/mainwindow.h"
#include "ui/process/cyclewindow.h"

namespace {

struct Case {
  const char* name;
  proc::Cycle kind;
};
const Case kCases[] = {{"N2", proc::Cycle::Linde},     {"N2", proc::Cycle::Precooled}, {"N2", proc::Cycle::Claude},
                       {"n-H2", proc::Cycle::Precooled}, {"He", proc::Cycle::Claude}};

void BM_SolveCycle(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  const proc::CycleData d = proc::defaultCycleData(eos(c.name));
  proc::CycleResult r;
  for (auto _ : state) {
    r = proc::solveCycle(eos(c.name), c.kind, d);
    benchmark::DoNotOptimize(r.y);
  }
  if (!r.liquid()) state.SkipWithError("no liquid");
  state.SetLabel(std::string(c.name) + " " + proc::cycleName(c.kind));
}
BENCHMARK(BM_SolveCycle)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_CycleLines(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  const proc::CycleResult r = proc::solveCycle(eos(c.name), c.kind, proc::defaultCycleData(eos(c.name)));
  diagram::CycleStore store;
  for (auto _ : state) {
    proc::cycleLines(eos(c.name), r, store);
    benchmark::DoNotOptimize(store.paths.size());
  }
  state.SetLabel(std::string(c.name) + " " + proc::cycleName(c.kind));
}
BENCHMARK(BM_CycleLines)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

app::Program* g_program = nullptr;

// The high pressure stepped in the window with the cycle on the shown
// diagram: solve, lines, the picture composed again and painted.
void BM_HighPressureRedraw(benchmark::State& state) {
  app::Program& p = *g_program;
  const Case& c = kCases[state.range(0)];
  p.Form1->BboList->setCurrentRow(tfs::SubstIndex(c.name) - 1);
  p.Form1->BboListClick();
  TCycles* w = p.Cycles.get();
  w->Kind->setCurrentIndex(int(c.kind));
  emit w->Kind->activated(int(c.kind));
  TTSvid* tv = p.TSvid.get();
  tv->resize(1280, 1000);
  w->OnDiagram->setChecked(true);
  QApplication::processEvents();
  const double P = w->Data[TCycles::kPhigh]->value();
  int k = 0;
  for (auto _ : state) {
    w->Data[TCycles::kPhigh]->setValue(P - (++k % 2));
    benchmark::DoNotOptimize(tv->Chart1View->grab());
  }
  if (!p.session.cycles.result.liquid()) state.SkipWithError("no liquid");
  state.SetLabel(std::string(c.name) + " " + proc::cycleName(c.kind));
}
BENCHMARK(BM_HighPressureRedraw)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runProgramBenchmarks(argc, argv, g_program); }
