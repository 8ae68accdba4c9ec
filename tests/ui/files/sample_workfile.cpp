// Writes the sample work file of docs/ with the program's own code (not a
// test): nitrogen, a few states picked on its diagram, and a cycle of four
// processes with their lines: compressed at 300 K to 10 MPa, cooled at
// 10 MPa to 150 K, throttled to 0.1 MPa, warmed at 0.1 MPa back to 300 K.
// With --lesson, the README's first lesson: a state picked, an isentrope
// from 300 K and 10 MPa to 0.1 MPa, the Linde–Hampson cycle on the diagram.
//   sample_workfile docs/nitrogen.entrograf
//   sample_workfile --lesson docs/lesson.entrograf

#include <cstdio>
#include <string>

#include "core/base/libguard.h"
#include "core/process/cycles.h"
#include "model_support.h"
#include "ui/files/workfile.h"
#include "workfile_support.h"

namespace {

// The first lesson: one state read off the diagram, an isentropic expansion
// and the Linde–Hampson cycle with its defaults, drawn.
bool lesson(app::Session& s) {
  using namespace proc;
  testing_support::pickPoints(s, 1);
  if (!testing_support::addProcess(s, kIsentrope, kTemperature, "300", kPressure, "10", kPressure, "0.1", true))
    return false;
  s.cycles.reset(&eos("N2"));
  s.cycles.kind = Cycle::Linde;
  s.cycles.onDiagram = true;
  return s.cycles.solve(&eos("N2"));
}

bool processCycle(app::Session& s) {
  using namespace proc;
  using testing_support::addCarriedProcess;
  testing_support::pickPoints(s, 8);
  return testing_support::addProcess(s, kIsotherm, kTemperature, "300", kPressure, "0.1", kPressure, "10", true) &&
         addCarriedProcess(s, kIsobar, kTemperature, "150", true) &&
         addCarriedProcess(s, kIsenthalp, kPressure, "0.1", true) &&
         addCarriedProcess(s, kIsobar, kTemperature, "300", true);
}

}  // namespace

int main(int argc, char** argv) {
  const bool asLesson = argc == 3 && std::string(argv[1]) == "--lesson";
  if (argc != 2 && !asLesson) {
    std::fprintf(stderr, "usage: sample_workfile [--lesson] FILE.entrograf\n");
    return 2;
  }
  app::installLibraryHandlers([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
  app::Session s;
  testing_support::choose(s, "N2");
  s.process.setSubstance(&eos("N2"));
  const bool ok = asLesson ? lesson(s) : processCycle(s);
  app::WorkError error;
  if (!ok || !app::saveWorkFile(s, QString::fromLocal8Bit(argv[argc - 1]), error)) {
    std::fprintf(stderr, "sample_workfile: not written\n");
    return 1;
  }
  std::printf("%zu points, %zu processes, %d lines\n", s.points.size(), s.results.size(), s.procLines.ProcCount);
  return 0;
}
