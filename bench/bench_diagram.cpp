// The diagram window on every substance: one cursor readout (viewport pixel
// to the six texts, Pdh_Ts included, and the other model's values beside
// them) and showing the window with a full rebuild of its series; on every
// kind the readout and a zoom step redrawn (the picture composed for the
// region, its lines sampled again, and painted). Runs on the offscreen
// platform unless told otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QLineEdit>
#include <ctime>
#include <vector>

#include "program_bench.h"
#include "session_support.h"
#include "thermo/substances.h"
#include "core/diagram/view.h"
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

// Cursor moves over the plot's pixels: the slowest single pixel over the
// grid (after one pass that warms the text rendering up), and the median.
void readout(benchmark::State& state, TTSvid* w) {
  const std::vector<QPoint> px = plotPixels(w);
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
}

void BM_CursorReadout(benchmark::State& state) {
  readout(state, shown(int(state.range(0))));
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

const char* const kKindNames[] = {"T-s", "lg p-h", "h-s"};

// Nitrogen's readout on each kind (the state from T and s, from h and P or
// from h and s, with the reference model's values beside).
void BM_KindReadout(benchmark::State& state) {
  TTSvid* w = shown(tfs::SubstIndex("N2"));
  w->setKind(diagram::kinds::Kind(state.range(0)));
  readout(state, w);
  state.SetLabel(kKindNames[state.range(0)]);
  w->setKind(diagram::kinds::Kind::TS);
}
BENCHMARK(BM_KindReadout)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A wheel step in or out about a point of the zoomed diagram (ten times and
// more), redrawn on the screen: the region's picture composed, its lines
// sampled again, painted.
void BM_ZoomStep(benchmark::State& state) {
  TTSvid* w = shown(int(state.range(1)));
  w->setKind(diagram::kinds::Kind(state.range(0)));
  const diagram::PlotRect r = w->plotRect();
  const QPointF at((r.left + 2 * r.right) / 3, (r.top + r.bottom) / 2);
  w->zoomAt(at, 10);
  int step = 0;
  for (auto _ : state) {
    w->zoomAt(at, step++ % 2 ? 0.8 : 1.25);
    benchmark::DoNotOptimize(w->Chart1View->grab());
  }
  state.SetLabel(std::string(tfs::SubstName[state.range(1)]) + " " + kKindNames[state.range(0)]);
  w->showWhole();
  w->setKind(diagram::kinds::Kind::TS);
}
BENCHMARK(BM_ZoomStep)->ArgsProduct({{0, 1, 2}, {1, 2, 5, 8, 11}})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runProgramBenchmarks(argc, argv, g_program); }
