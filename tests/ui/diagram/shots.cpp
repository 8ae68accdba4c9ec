// Pictures of the diagram window for looking at: N2 and He on both scales;
// with --kinds, nitrogen's three kinds whole and zoomed into the dome's
// top, on both models, in Russian and English, with a process, a cycle, a
// picked state, the readout, the inversion curve and the other model's
// lines.
// Usage: diagram_shots <directory> [substance ...]
//        diagram_shots <directory> --kinds

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>

#include "core/diagram/view.h"
#include "session_support.h"
#include "ui/diagram/tsvid.h"
#include "ui/files/keeper.h"
#include "ui/main/program.h"
#include "ui/services/commode.h"
#include "ui/services/language.h"
#include "ui/services/messages.h"

namespace {

void kindShots(const QString& dir, app::Language lang, const QString& tag) {
  app::useLanguage(lang);
  for (tfs::ModelKind model : {tfs::ModelKind::Cubic, tfs::ModelKind::Reference}) {
    app::Session session;
    app::Program program(session);
    // Nitrogen no lower than the model's own triple point.
    session.main.model = model;
    app::AppState st = app::substanceChoice(session.main, tfs::SubstIndex("N2"));
    const tfs::Model& m = st.eos();
    st = app::withLimits(st, std::max(st.Tmin, m.limits().Ttr + tfs::Real(1e-4)), 350);
    st.chosen = true;
    session.main = st;
    app::ComputeAll(session.lines, app::lineInputs(st), {});
    session.linesRevision += 1;
    // An isobar at 1 MPa, the Linde–Hampson cycle, a picked state.
    diagram::ProcStore& pr = session.procLines;
    for (int j = 0; j <= 15; ++j) {
      tfs::Real d, h, s, Cp, x;
      m.dhs_PT(1, 110 + 12 * j, d, h, s, Cp, x);
      pr.ProcS[1][j] = s;
      pr.ProcT[1][j] = 110 + 12 * j;
    }
    pr.ProcIndex = pr.ProcCount = 1;
    session.cycles.reset(&m);
    session.cycles.solve(&m);
    session.cycles.onDiagram = true;
    TTSvid* w = program.TSvid.get();
    w->resize(1280, 900);
    w->showDiagram();
    QApplication::processEvents();
    w->Timer1Timer();
    const QString name = tag + (model == tfs::ModelKind::Cubic ? QStringLiteral("-srk") : QStringLiteral("-ref"));
    for (int k = 0; k < 3; ++k) {
      w->setKind(diagram::kinds::Kind(k));
      w->InversionBox->setChecked(k != 0);
      w->OtherModelBox->setChecked(k == 2);
      const diagram::PlotRect r = w->plotRect();
      const QPoint mid(int((r.left + 2 * r.right) / 3), int((r.top + r.bottom) / 2));
      w->Chart1MouseMove(mid);
      QApplication::processEvents();
      w->grab().save(QDir(dir).filePath(QStringLiteral("%1-kind%2.png").arg(name).arg(k)));
      // Into the top of the dome.
      tfs::Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
      m.dhs2_T(m.limits().Tcr - 2, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
      const diagram::kinds::XY top = diagram::kinds::coordinates(
          diagram::kinds::Kind(k), {double(m.limits().Tcr) - 2, double(Pv), double(hv + hl) / 2, double(sv + sl) / 2, 0, 0});
      w->zoomAt(w->viewPosOf(top.x, top.y), 12);
      w->Legend->setChecked(k == 1);
      w->Chart1MouseMove(mid);
      QApplication::processEvents();
      w->grab().save(QDir(dir).filePath(QStringLiteral("%1-kind%2-zoomed.png").arg(name).arg(k)));
      w->Legend->setChecked(false);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication a(argc, argv);
  app::adoptLocaleSeparator();
  app::installLibraryHandlers();
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  // The program's autosave in a folder of the run's own.
  const QTemporaryDir own;
  app::setAutosaveFolder(own.path());
  if (argc > 2 && QByteArray(argv[2]) == "--kinds") {
    // Messages said on the standard error, not in a box.
    struct Said : app::MessageService {
      void show(const QString& text) override { qWarning("%s", qPrintable(text)); }
      app::Answer ask(const QString&, bool) override { return app::Answer::No; }
    } said;
    app::setMessageService(&said);
    kindShots(dir, app::Language::Russian, QStringLiteral("ru"));
    kindShots(dir, app::Language::English, QStringLiteral("en"));
    return 0;
  }
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
