// Writes the sample work file of docs/ with the program's own code (not a
// test): nitrogen, a few states picked on its diagram, and a cycle of four
// processes with their lines: compressed at 300 K to 10 MPa, cooled at
// 10 MPa to 150 K, throttled to 0.1 MPa, warmed at 0.1 MPa back to 300 K.
//   sample_workfile docs/nitrogen.entrograf

#include <cstdio>

#include "core/base/libguard.h"
#include "model_support.h"
#include "ui/files/workfile.h"
#include "workfile_support.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sample_workfile FILE.entrograf\n");
    return 2;
  }
  app::installLibraryHandlers([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
  app::Session s;
  testing_support::choose(s, "N2");
  s.process.setSubstance(&eos("N2"));
  testing_support::pickPoints(s, 8);
  using namespace proc;
  using testing_support::addCarriedProcess;
  const bool ok =
      testing_support::addProcess(s, kIsotherm, kTemperature, "300", kPressure, "0.1", kPressure, "10", true) &&
      addCarriedProcess(s, kIsobar, kTemperature, "150", true) &&
      addCarriedProcess(s, kIsenthalp, kPressure, "0.1", true) &&
      addCarriedProcess(s, kIsobar, kTemperature, "300", true);
  app::WorkError error;
  if (!ok || !app::saveWorkFile(s, QString::fromLocal8Bit(argv[1]), error)) {
    std::fprintf(stderr, "sample_workfile: not written\n");
    return 1;
  }
  std::printf("%zu points, %zu processes, %d lines\n", s.points.size(), s.results.size(), s.procLines.ProcCount);
  return 0;
}
