#pragma once
// Benchmarks of the windows: one application (offscreen unless a platform
// is named), the library's handlers, the autosave in a folder of the run's
// own, and the whole program over one session.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/files/keeper.h"
#include "ui/main/program.h"
#include "ui/services/commode.h"
#include "ui/services/messages.h"

// Runs the benchmarks with *program set to the program for their time.
inline int runProgramBenchmarks(int argc, char** argv, app::Program*& program) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication a(argc, argv);
  app::adoptLocaleSeparator();
  app::installLibraryHandlers();
  const QTemporaryDir own;
  app::setAutosaveFolder(own.path());
  app::Session session;
  app::Program p(session);
  program = &p;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  program = nullptr;
  return 0;
}
