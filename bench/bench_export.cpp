// The headless export of one diagram, as a teacher runs it: program start,
// the computation of every line, the window drawn offscreen, the file
// written. Wall time per run of the program.

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the program and returns its exit code (-1 when it could not run).
int runProgram(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void exportOnce(benchmark::State& state, const char* subst, const char* ext, const char* scale) {
  const std::string file = std::string("/tmp/bench_export_") + std::to_string(getpid()) + ext;
  for (auto _ : state) {
    if (runProgram({ENTROGRAF_BIN, "--export-diagram", subst, file, "--scale", scale}) != 0) {
      state.SkipWithError("export failed");
      break;
    }
  }
  std::remove(file.c_str());
}

void BM_ExportN2Png(benchmark::State& s) { exportOnce(s, "N2", ".png", "log"); }
void BM_ExportN2Svg(benchmark::State& s) { exportOnce(s, "N2", ".svg", "log"); }
void BM_ExportN2Pdf(benchmark::State& s) { exportOnce(s, "N2", ".pdf", "log"); }
void BM_ExportHeLinPng(benchmark::State& s) { exportOnce(s, "He", ".png", "lin"); }

}  // namespace

BENCHMARK(BM_ExportN2Png)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_ExportN2Svg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_ExportN2Pdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_ExportHeLinPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3)->ReportAggregatesOnly();

int main(int argc, char** argv) {
  // No display: the program chooses its offscreen platform itself.
  unsetenv("QT_QPA_PLATFORM");
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
