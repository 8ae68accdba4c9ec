#include <QApplication>
#include <cstdio>

#include "app/clicycle.h"
#include "app/clidevice.h"
#include "app/cliexport.h"
#include "app/cmdline.h"
#include "app/commode.h"
#include "app/keeper.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/workfile.h"

int main(int argc, char** argv) {
  // The language first: --lang ru|en, or the system's.
  app::Language lang = app::Language::Russian;
  QString langError;
  const bool langKnown = app::takeLanguage(argc, argv, lang, langError);
  if (const int rc = app::answerInfoOptions(argc, argv, lang); rc >= 0) return rc;
  if (!langKnown) {
    std::fprintf(stderr, "entrograf: %s\n", langError.toLocal8Bit().constData());
    return 2;
  }
  if (app::isExportCall(argc, argv)) return app::exportMain(argc, argv, lang);
  if (app::isDeviceCall(argc, argv)) return app::deviceMain(argc, argv, lang);
  if (app::isCycleCall(argc, argv)) return app::cycleMain(argc, argv, lang);
  QApplication a(argc, argv);
  app::useLanguage(lang);
  app::installLibraryHandlers();
  app::Session session;
  app::Program program(session);
  program.Form1->show();
  // A work file named on the command line is opened at once; work just
  // restored after a crash is offered for saving first.
  for (const QString& arg : QApplication::arguments().mid(1))
    if (app::isWorkFilePath(arg)) {
      program.Files->openRecent(arg);
      break;
    }
  return a.exec();
}
