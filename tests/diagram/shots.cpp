// Pictures of the diagram window for looking at: N2 and He on both scales.
// Usage: diagram_shots <directory>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/commode.h"
#include "app/messages.h"
#include "app/windows.h"
#include "diagram/tsvid.h"
#include "diagram_support.h"

int main(int argc, char** argv) {
  QApplication a(argc, argv);
  app::adoptLocaleSeparator();
  app::installLibraryHandlers();
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  app::createWindows();
  TTSvid* w = app::windows().TSvid;
  for (const char* name : {"N2", "He"}) {
    diagram_support::chooseSubstance(name);
    for (bool log : {true, false}) {
      w->hide();
      w->setLogScale(log);
      w->showDiagram();
      QApplication::processEvents();
      w->Timer1Timer();
      QApplication::processEvents();
      w->grab().save(QDir(dir).filePath(QStringLiteral("%1_%2.png").arg(name, log ? "log" : "lin")));
    }
  }
  app::destroyWindows();
  return 0;
}
