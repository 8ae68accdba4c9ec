// Pictures of the diagram window for looking at: N2 and He on both scales.
// Usage: diagram_shots <directory> [substance ...]

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include "session_support.h"
#include "ui/diagram/tsvid.h"
#include "ui/files/keeper.h"
#include "ui/main/program.h"
#include "ui/services/commode.h"
#include "ui/services/messages.h"

int main(int argc, char** argv) {
  QApplication a(argc, argv);
  app::adoptLocaleSeparator();
  app::installLibraryHandlers();
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  // The program's autosave in a folder of the run's own.
  const QTemporaryDir own;
  app::setAutosaveFolder(own.path());
  app::Session session;
  app::Program program(session);
  TTSvid* w = program.TSvid.get();
  QStringList names;
  for (int i = 2; i < argc; ++i) names << QString::fromLocal8Bit(argv[i]);
  if (names.isEmpty()) names = QStringList{"N2", "He"};
  for (const QString& name : names) {
    for (bool log : {true, false}) {
      testing_support::choose(session, name.toStdString(), 350,
                              log ? app::ScaleKind::Logarithmic : app::ScaleKind::Linear);
      w->hide();
      w->showDiagram();
      QApplication::processEvents();
      w->Timer1Timer();
      QApplication::processEvents();
      w->grab().save(QDir(dir).filePath(QStringLiteral("%1_%2.png").arg(name, log ? "log" : "lin")));
    }
    // A process line along the 1 MPa isobar and the readout in the dome.
    const app::DiagramStore& d = session.lines;
    diagram::ProcStore& pr = session.procLines;
    for (int j = 0; j <= 15; ++j) {
      pr.ProcS[1][j] = d.IsoS[4][j + 4];
      pr.ProcT[1][j] = d.IsoT[4][j + 4];
    }
    pr.ProcIndex = pr.ProcCount = 1;
    w->sessionChanged();
    const diagram::PlotRect r = w->plotRect();
    w->Chart1MouseMove(QPoint(int((r.left + r.right) / 3), int(r.bottom - 40)));
    QApplication::processEvents();
    w->grab().save(QDir(dir).filePath(QStringLiteral("%1_proc.png").arg(name)));
    pr.resetCounters();
  }
  return 0;
}
