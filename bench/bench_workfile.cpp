// Saving and opening a work file of nitrogen with 100 processes (ten of
// them drawn) and 1000 picked states: the JSON written to disk, and read,
// checked and its diagram lines computed again.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "core/base/libguard.h"
#include "model_support.h"
#include "ui/files/workfile.h"
#include "workfile_support.h"

namespace {

const app::Session& bigWork() {
  static const std::unique_ptr<app::Session> s = [] {
    auto w = std::make_unique<app::Session>();
    testing_support::choose(*w, "N2");
    w->process.setSubstance(&eos("N2"));
    testing_support::pickPoints(*w, 1000);
    testing_support::addProcesses(*w, 100);
    return w;
  }();
  return *s;
}

void BM_SaveWorkFile(benchmark::State& state) {
  const app::Session& s = bigWork();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("big.entrograf"));
  app::WorkError error;
  for (auto _ : state)
    if (!app::saveWorkFile(s, path, error)) state.SkipWithError("not written");
  state.counters["points"] = double(s.points.size());
  state.counters["processes"] = double(s.results.size());
  state.counters["kB"] = double(app::workFileBytes(s).size()) / 1024;
}
BENCHMARK(BM_SaveWorkFile)->Unit(benchmark::kMillisecond);

void BM_OpenWorkFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("big.entrograf"));
  app::WorkError error;
  if (!app::saveWorkFile(bigWork(), path, error)) state.SkipWithError("not written");
  for (auto _ : state) {
    auto s = std::make_unique<app::Session>();
    if (!app::openWorkFile(path, *s, error)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(s->points.data());
  }
}
BENCHMARK(BM_OpenWorkFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  app::installLibraryHandlers([](const std::string&) {});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
