#include <QApplication>

#include "app/cliexport.h"
#include "app/cmdline.h"
#include "app/commode.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/windows.h"

int main(int argc, char** argv) {
  if (const int rc = app::answerInfoOptions(argc, argv); rc >= 0) return rc;
  if (app::isExportCall(argc, argv)) return app::exportMain(argc, argv);
  QApplication a(argc, argv);
  app::adoptLocaleSeparator();
  app::installLibraryHandlers();
  app::createWindows();
  app::windows().Form1->show();
  const int rc = a.exec();
  app::destroyWindows();
  return rc;
}
