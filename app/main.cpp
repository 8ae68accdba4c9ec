#include <QApplication>
#include <csignal>
#include <cstdio>

#include "ui/cli/clicycle.h"
#include "ui/cli/clidevice.h"
#include "ui/cli/cliexport.h"
#include "ui/cli/clistate.h"
#include "ui/cli/cmdline.h"
#include "ui/files/keeper.h"
#include "ui/files/workfile.h"
#include "ui/main/mainwindow.h"
#include "ui/main/program.h"
#include "ui/services/commode.h"
#include "ui/services/language.h"
#include "ui/services/messages.h"

int main(int argc, char** argv) {
  // A file-size limit makes a write fail, and the save says so, instead of
  // ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // The language first: --lang ru|en, or the system's.
  app::Language lang = app::Language::Russian;
  QString langError;
  const bool langKnown = app::takeLanguage(argc, argv, lang, langError);
  if (const int rc = app::answerInfoOptions(argc, argv, lang); rc >= 0) return rc;
  if (!langKnown) {
    std::fprintf(stderr, "entrograf: %s\n", langError.toLocal8Bit().constData());
    return 2;
  }
  // A malformed command line never starts the windows.
  const app::CommandLine line = app::readCommandLine(argc, argv);
  switch (line.kind) {
    case app::CommandLine::Malformed: return app::refuseCommandLine(argc, argv, lang);
    case app::CommandLine::Export: return app::exportMain(argc, argv, lang);
    case app::CommandLine::Device: return app::deviceMain(argc, argv, lang);
    case app::CommandLine::Cycle: return app::cycleMain(argc, argv, lang);
    case app::CommandLine::State: return app::stateMain(argc, argv, lang);
    case app::CommandLine::Saturation: return app::saturationMain(argc, argv, lang);
    default: break;
  }
  QApplication a(argc, argv);
  app::useLanguage(lang);
  app::installLibraryHandlers();
  app::Session session;
  app::Program program(session);
  program.Form1->show();
  // A work file named on the command line is opened at once; work just
  // restored after a crash is offered for saving first.
  if (!line.workFile.isEmpty()) program.Files->openRecent(line.workFile);
  return a.exec();
}
