// The diagram window on every substance: one cursor readout (viewport pixel
// to the six texts, Pdh_Ts included) and showing the window with a full
// rebuild of its series. Runs on the offscreen platform unless told otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QLineEdit>
#include <ctime>
#include <vector>

#include "program_bench.h"
#include "session_support.h"
#include "thermo/substances.h"
#include "ui/diagram/tsvid.h"

namespace {

double threadMicros() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

app::Program* g_program = nullptr;

TTSvid* shown(int subst) {
  testing_support::choose(g_program->session, tfs::SubstName[subst]);
  TTSvid* w = g_program->TSvid.get();
  w->hide();
  w->resize(1280, 1000);
  w->showDiagram();
  QApplication::processEvents();
  w->Timer1Timer();
  QApplication::processEvents();
  return w;
}

// Pixels over the whole plot, a little beyond it on every side.
std::vector<QPoint> plotPixels(TTSvid* w) {
  const diagram::PlotRect r = w->plotRect();
  std::vector<QPoint> px;
  for (int i = -1; i <= 25; ++i)
    for (int j = -1; j <= 25; ++j)
      px.emplace_back(int(r.left + (r.right - r.left) * i / 24), int(r.top + (r.bottom - r.top) * j / 24));
  return px;
}

void BM_CursorReadout(benchmark::State& state) {
  TTSvid* w = shown(int(state.range(0)));
  const std::vector<QPoint> px = plotPixels(w);
  // The slowest single pixel over the grid, after one pass that warms the
  // text rendering up.
  for (const QPoint& p : px) w->Chart1MouseMove(p);
  double worst = 0;
  for (const QPoint& p : px) {
    // Thread CPU time: other processes on the machine do not count.
    const double t0 = threadMicros();
    w->Chart1MouseMove(p);
    worst = std::max(worst, threadMicros() - t0);
  }
  size_t i = 0;
  for (auto _ : state) {
    w->Chart1MouseMove(px[i++ % px.size()]);
    benchmark::DoNotOptimize(w->Ep->text());
  }
  state.counters["worst_cpu_us"] = worst;
  state.SetLabel(tfs::SubstName[state.range(0)]);
}
BENCHMARK(BM_CursorReadout)->DenseRange(1, tfs::kSubstCount)->Unit(benchmark::kMicrosecond);

void BM_ShowWithRebuild(benchmark::State& state) {
  TTSvid* w = shown(int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    w->hide();
    g_program->session.linesRevision += 1;
    state.ResumeTiming();
    w->showDiagram();
    benchmark::DoNotOptimize(w->Chart1View->grab());  // compose and paint
  }
  state.SetLabel(tfs::SubstName[state.range(0)]);
}
BENCHMARK(BM_ShowWithRebuild)->DenseRange(1, tfs::kSubstCount)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runProgramBenchmarks(argc, argv, g_program); }
