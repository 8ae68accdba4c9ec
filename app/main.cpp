#include <QApplication>

#include "app/clicycle.h"
#include "app/clidevice.h"
#include "app/cliexport.h"
#include "app/cmdline.h"
#include "app/commode.h"
#include "app/keeper.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/workfile.h"

int main(int argc, char** argv) {
  if (const int rc = app::answerInfoOptions(argc, argv); rc >= 0) return rc;
  if (app::isExportCall(argc, argv)) return app::exportMain(argc, argv);
  if (app::isDeviceCall(argc, argv)) return app::deviceMain(argc, argv);
  if (app::isCycleCall(argc, argv)) return app::cycleMain(argc, argv);
  QApplication a(argc, argv);
  app::adoptLocaleSeparator();
  app::installLibraryHandlers();
  app::Session session;
  app::Program program(session);
  program.Form1->show();
  // A work file named on the command line is opened at once.
  for (const QString& arg : QApplication::arguments().mid(1))
    if (app::isWorkFilePath(arg)) {
      program.Files->openFile(arg);
      break;
    }
  return a.exec();
}
