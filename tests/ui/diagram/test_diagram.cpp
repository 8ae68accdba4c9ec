// The diagram window on the program's windows: the picture it draws, the
// cursor readout at a pixel, the clicks that fill the points table.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QButtonGroup>
#include <QTest>
#include <QTimer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/diagram/picture.h"
#include "core/diagram/readout.h"
#include "core/diagram/view.h"
#include "gui_test_support.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"
#include "ui/diagram/render.h"
#include "ui/diagram/tspoints.h"
#include "ui/diagram/tsvid.h"
#include "ui/main/mainwindow.h"
#include "ui/services/commode.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using tfs::Real;

class Diagram : public ::testing::Test {
 protected:
  void SetUp() override {
    run = testing_support::startProgram();
    main = run->program.Form1.get();
    w = run->program.TSvid.get();
    pts = run->program.TS_points.get();
  }
  void TearDown() override {
    EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
    testing_support::recorder().texts.clear();
  }

  // The substance chosen in the main window, its diagram shown and its
  // readout started.
  void open(int subst, bool log = true) {
    main->TScaleItems->button(log ? 0 : 1)->click();
    main->BboList->setCurrentRow(subst - 1);
    main->BboListClick();
    w->resize(1200, 900);
    QApplication::processEvents();
    w->Timer1Timer();
  }

  QPoint pixelOf(Real s, Real T) const { return w->viewPosOf(double(s), double(T)).toPoint(); }
  // (s, T) at a chart pixel.
  std::pair<Real, Real> valueAt(QPoint p) const {
    const diagram::Scale sc = diagram::scaleOf(w->picture());
    Real s = 0, T = 0;
    diagram::cursorS(w->plotRect(), p.x(), sc, s);
    diagram::cursorT(w->plotRect(), p.y(), sc, T);
    return {s, T};
  }
  // A move to where the cursor already is brings no event: come from beside.
  void moveTo(QPoint p) {
    QTest::mouseMove(w->Chart1View, p + QPoint(0, 1));
    QTest::mouseMove(w->Chart1View, p);
  }
  void click(QPoint p) { QTest::mouseClick(w->Chart1View, Qt::LeftButton, {}, p); }

  std::unique_ptr<testing_support::Started> run;
  TForm1* main = nullptr;
  TTSvid* w = nullptr;
  TTS_points* pts = nullptr;
};

const int kN2 = 5, kHe = 1;

TEST_F(Diagram, ShowsTheChosenSubstanceAndFollowsEveryChange) {
  open(kN2);
  ASSERT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" TS диаграмма для АЗОТА (в систeме SI, SRK)"));
  EXPECT_EQ(w->picture().lines[3 + 10].points.size() > 0, true);
  // The chart draws the red isobars.
  const QImage img = w->Chart1View->grab().toImage();
  int red = 0;
  for (int y = 0; y < img.height(); y += 2)
    for (int x = 0; x < img.width(); x += 2) {
      const QRgb c = img.pixel(x, y);
      red += qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
    }
  EXPECT_GT(red, 100);
  // Another substance with the window open: caption, lines and readout
  // follow at once.
  open(kHe);
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" TS диаграмма для ГЕЛИЯ (в систeме SI, SRK)"));
  EXPECT_TRUE(w->picture().lines[3 + 10].points.empty());
  main->TScaleItems->button(1)->click();
  EXPECT_FALSE(w->picture().log);
}

TEST_F(Diagram, ReadoutShowsWhatPdhTsGivesAtThePixel) {
  for (bool log : {true, false}) {
    open(kN2, log);
    // Gas, two-phase and compressed liquid.
    for (auto [s0, T0] : {std::pair<Real, Real>{6.0L, 200}, {3.6L, 90}, {2.9L, 85}}) {
      const QPoint p = pixelOf(s0, T0);
      moveTo(p);
      const auto [s, T] = valueAt(p);
      Real P, d, h, Cp, x;
      tfs::Pdh_Ts("N2", T, s, P, d, h, Cp, x);
      ASSERT_GT(P, 0);
      SCOPED_TRACE(testing::Message() << "log " << log << " s " << double(s0) << " T " << double(T0));
      EXPECT_EQ(w->Edit1->text(), app::fmt("T=%5.2f K", T));
      EXPECT_EQ(w->Edit2->text(), app::fmt("S=%5.3f ", s));
      EXPECT_EQ(w->Ep->text(), app::fmt("P=%4.3f МПа", P));
      EXPECT_EQ(w->Ed->text(), app::fmt("d=%4.3f kg/m3", d));
      EXPECT_EQ(w->Eh->text(), app::fmt("i=%4.1f kJ/kg", h));
      // In the dome the library marks the heat capacity with 1000000: it has
      // no finite value there.
      if (T0 == 90) {
        EXPECT_EQ(Cp, 1000000);
        EXPECT_EQ(w->ECp->text(), QStringLiteral("Cp=∞ kJ/kg.K"));
      } else {
        EXPECT_EQ(w->ECp->text(), app::fmt("Cp=%4.2f kJ/kg.K", Cp));
      }
    }
  }
  // Above the plot Tmax, below it Tmin.
  const app::AppState& st = run->session.main;
  moveTo(pixelOf(5, st.Tmax) - QPoint(0, 8));
  EXPECT_EQ(w->Edit1->text(), app::fmt("T=%5.2f K", st.Tmax));
  moveTo(pixelOf(5, st.Tmin) + QPoint(0, 8));
  EXPECT_EQ(w->Edit1->text(), app::fmt("T=%5.2f K", st.Tmin));
}

TEST_F(Diagram, NoPropertiesBeforeTheReadoutStarts) {
  main->BboList->setCurrentRow(kN2 - 1);
  main->BboListClick();
  QApplication::processEvents();
  moveTo(pixelOf(6, 200));
  EXPECT_FALSE(w->Edit1->text().isEmpty());
  EXPECT_TRUE(w->Ep->text().isEmpty());
  click(pixelOf(6, 200));
  EXPECT_EQ(w->pointsRowCounter(), 0);
  EXPECT_TRUE(pts->isVisible());
}

TEST_F(Diagram, ClicksWriteTheReadoutIntoTheNextRow) {
  open(kN2);
  ASSERT_FALSE(pts->isVisible());
  const QPoint gas = pixelOf(6.0L, 200), wet = pixelOf(4.0L, 100);
  for (QPoint p : {gas, wet}) {
    moveTo(p);
    click(p);
  }
  EXPECT_TRUE(pts->isVisible());
  ASSERT_EQ(w->pointsRowCounter(), 2);
  for (int r = 1; r <= 2; ++r) {
    const auto [s, T] = valueAt(r == 1 ? gas : wet);
    Real P, d, h, Cp, x;
    tfs::Pdh_Ts("N2", T, s, P, d, h, Cp, x);
    app::PointRow expected{"N2", T, P, d, h, s, Cp, x};
    const diagram::PointCells c = diagram::pointRowTexts(expected, r);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(pts->cell(k, r), QString::fromStdString(c[k])) << r << ' ' << k;
  }
  EXPECT_TRUE(pts->cell(8, 1).isEmpty());   // gas: no dryness
  EXPECT_FALSE(pts->cell(8, 2).isEmpty());  // wet: its dryness
  // Left of Smin nothing is computed: a click there adds no row.
  const QPoint left = pixelOf(run->session.lines.Smin, 200) - QPoint(6, 0);
  moveTo(left);
  click(left);
  EXPECT_EQ(w->pointsRowCounter(), 2);
  // The table keeps every row past the hundredth.
  for (int i = 0; i < 118; ++i) {
    const QPoint p = i % 2 ? wet : gas;
    moveTo(p);
    click(p);
  }
  ASSERT_EQ(w->pointsRowCounter(), 120);
  EXPECT_GE(pts->rowCount(), 121);
  EXPECT_EQ(pts->cell(0, 120), QStringLiteral("  120"));
  EXPECT_EQ(pts->cell(2, 99), pts->cell(2, 119));
  // The back buttons hide the windows.
  QTest::mouseClick(pts->BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(pts->isVisible());
  QTest::mouseClick(w->Nazad, Qt::LeftButton);
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(w->Timer1->isActive());
}

TEST_F(Diagram, ClickAtTheHighestIsobarsPressureOrAboveAddsNoRow) {
  open(kN2);
  // Pdh_Ts searches no higher than 100 MPa, the nitrogen diagram's highest
  // isobar, so the limit is taken down to 50 MPa to be reached by a pixel.
  run->session.main.lastIsobar = 9;
  Real P, d, h, Cp, x;
  const QPoint dense = pixelOf(4.85L, 340);
  auto [s, T] = valueAt(dense);
  tfs::Pdh_Ts("N2", T, s, P, d, h, Cp, x);
  ASSERT_GE(P, 50);
  moveTo(dense);
  click(dense);
  EXPECT_EQ(w->pointsRowCounter(), 0);
  EXPECT_TRUE(pts->isVisible());
  const QPoint lighter = pixelOf(5.2L, 340);
  std::tie(s, T) = valueAt(lighter);
  tfs::Pdh_Ts("N2", T, s, P, d, h, Cp, x);
  ASSERT_GT(P, 0);
  ASSERT_LT(P, 50);
  moveTo(lighter);
  click(lighter);
  EXPECT_EQ(w->pointsRowCounter(), 1);
}

// Limits changed with the window open: axes, lines and readout follow at
// once; Enter applies a limit as leaving the field does.
TEST_F(Diagram, LimitsChangedWithTheWindowOpenRedrawAtOnce) {
  open(kN2);
  const int revision = run->session.linesRevision;
  main->ETma->setText(QStringLiteral("200"));
  main->ETma->setModified(true);
  QTest::keyClick(main->ETma, Qt::Key_Return);
  ASSERT_EQ(run->session.linesRevision, revision + 1);
  EXPECT_EQ(w->picture().T.hi, 200);
  w->Timer1Timer();
  const app::AppState& st = run->session.main;
  moveTo(pixelOf(5, st.Tmax) - QPoint(0, 8));
  EXPECT_EQ(w->Edit1->text(), app::fmt("T=%5.2f K", 200));
  // The isobar labels sit on the lines of the new diagram.
  for (const diagram::Label& l : w->picture().labels)
    if (l.role == diagram::LabelRole::Isobar) {
      EXPECT_EQ(l.s, double(run->session.lines.IsoS[l.index][20]));
      EXPECT_EQ(l.T, 200);
    }
  // The window hidden, the limits changed, then shown again: the new ones.
  w->hide();
  main->ETmi->setText(QStringLiteral("70"));
  main->ETmiExit();
  w->showDiagram();
  EXPECT_EQ(w->picture().T.lo, 70);
  if (const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT"); !out.isEmpty()) {
    open(kHe);
    w->grab().save(QString::fromLocal8Bit(out));
  }
}

// Where no state exists the readout says why; a click records the state at
// its own position, never the one of an earlier position.
TEST_F(Diagram, ReadoutAndClicksAreHonest) {
  open(kN2);
  const QPoint gas = pixelOf(6.0L, 200);
  moveTo(gas);
  ASSERT_FALSE(w->Ep->text().isEmpty());
  // Left of the highest isobar (above its pressure) there is no state.
  const QPoint dense = pixelOf(run->session.lines.Smin + 0.05L, 340);
  moveTo(dense);
  const auto [s, T] = valueAt(dense);
  Real P, d, h, Cp, x;
  tfs::Pdh_Ts("N2", T, s, P, d, h, Cp, x);
  ASSERT_EQ(P, 0);
  // The readout says why, and shows nothing of another point.
  EXPECT_EQ(w->Ep->text(), QStringLiteral("вне области расчета"));
  EXPECT_EQ(w->Ed->text(), QStringLiteral("P > 100 МПа"));
  for (QLineEdit* e : {w->Eh, w->ECp}) EXPECT_TRUE(e->text().isEmpty());
  // Left of the solidification line at 65 K.
  const QPoint solid = pixelOf(run->session.lines.Smin + 0.01L, 65);
  moveTo(solid);
  EXPECT_EQ(w->Ep->text(), QStringLiteral("вне области расчета"));
  EXPECT_EQ(w->Ed->text(), QStringLiteral("левее линии затвердевания"));
  // Two clicks at two places without a move between them: two states.
  const QPoint cold = pixelOf(5.0L, 150);
  click(gas);
  click(cold);
  ASSERT_EQ(w->pointsRowCounter(), 2);
  EXPECT_NE(pts->cell(2, 1), pts->cell(2, 2));
  // Both marked on the diagram at once, numbered as their rows.
  std::vector<int> numbered;
  for (const diagram::Label& l : w->picture().labels)
    if (l.role == diagram::LabelRole::Picked) numbered.push_back(l.index);
  EXPECT_EQ(numbered, (std::vector<int>{1, 2}));
  EXPECT_EQ(pts->cell(2, 2), app::fmt("%6.2f", valueAt(cold).second));
  // The points window leaves the readout fields and "Назад" free.
  ASSERT_TRUE(pts->isVisible());
  const QRect table = pts->frameGeometry();
  for (QWidget* e : std::initializer_list<QWidget*>{w->Edit1, w->Edit2, w->Ep, w->Ed, w->Eh, w->ECp, w->Nazad}) {
    const QRect r(e->mapToGlobal(QPoint(0, 0)), e->size());
    EXPECT_FALSE(table.intersects(r)) << e->objectName().toStdString();
  }
}

}  // namespace

// ------------------------------------------------------- the three kinds

namespace {

using diagram::kinds::Kind;

// What the readout should show at a chart pixel of the diagram shown:
// the state the core finds there.
diagram::CursorState stateAtPixel(const TTSvid* w, const app::Session& s, QPoint p) {
  // The whole T–s diagram reads the session's own limits.
  const bool whole = w->picture().kind == Kind::TS && !w->picture().zoomed;
  const diagram::Scale sc = whole ? diagram::cursorScale(s) : diagram::scaleOf(w->picture());
  Real x = 0, y = 0;
  diagram::cursorS(w->plotRect(), p.x(), sc, x);
  diagram::cursorT(w->plotRect(), p.y(), sc, y);
  return diagram::stateAtKind(s.main.eos(), w->picture().kind, x, y, sc);
}

// The wheel turned by notches at a chart pixel.
void wheel(QWidget* chart, QPoint at, int notches) {
  QWheelEvent e(QPointF(at), QPointF(chart->mapToGlobal(at)), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(chart, &e);
}

}  // namespace

// Each kind from the box and from its shortcut's action: its caption, its
// readout of the state under the cursor with the other model's values
// beside it, and a click that picks that state.
TEST_F(Diagram, EveryKindReadsAndPicksTheStateUnderTheCursor) {
  struct Case {
    Kind kind;
    const char* caption;
    std::array<diagram::Quantity, 2> cursor;
  };
  const Case cases[] = {
      {Kind::PH, " lg p–h диаграмма для АЗОТА (в системе SI, SRK)", {diagram::Quantity::P, diagram::Quantity::h}},
      {Kind::HS, " h–s диаграмма для АЗОТА (в системе SI, SRK)", {diagram::Quantity::h, diagram::Quantity::s}},
      {Kind::TS, " TS диаграмма для АЗОТА (в систeме SI, SRK)", {diagram::Quantity::T, diagram::Quantity::s}},
  };
  open(kN2);
  const app::Session& s = run->session;
  const tfs::Model& m = s.main.eos();
  int rows = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    if (c.kind == Kind::HS)
      w->KindActions[2]->trigger();
    else
      emit w->KindBox->activated(int(c.kind));
    EXPECT_EQ(s.view.kind, c.kind);
    EXPECT_EQ(w->KindBox->currentIndex(), int(c.kind));
    EXPECT_TRUE(w->KindActions[int(c.kind)]->isChecked());
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.caption));
    // A gas state of nitrogen at 1 MPa and 200 K.
    Real d, h, sg, Cp, x;
    m.dhs_PT(1, 200, d, h, sg, Cp, x);
    const diagram::kinds::XY at = diagram::kinds::coordinates(c.kind, {200, 1, double(h), double(sg), 0, 0});
    const QPoint p = w->viewPosOf(at.x, at.y).toPoint();
    moveTo(p);
    const diagram::CursorState want = stateAtPixel(w, s, p);
    ASSERT_TRUE(want.found);
    EXPECT_NEAR(double(want.T), 200, 2);
    const diagram::ReadoutFields f = diagram::readoutFields(c.kind);
    EXPECT_EQ(f.cursor, c.cursor);
    QLineEdit* const fields[] = {w->Ep, w->Ed, w->Eh, w->ECp};
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(fields[i]->text(), QString::fromStdString(diagram::quantityText(
                                       f.state[i], diagram::quantityOf(want, f.state[i]), s.main.units, &m)));
    // Beside the density: the reference model's at the same T and P.
    const tfs::Model& ref = tfs::referenceModel(m.substance());
    const diagram::Comparison cmp = diagram::compareAt(ref, want);
    ASSERT_TRUE(cmp.ok);
    const int dField = c.kind == Kind::HS ? 4 : 3;
    EXPECT_TRUE(w->Compare[dField]->isVisible());
    EXPECT_EQ(w->Compare[dField]->text(),
              QString::fromStdString(diagram::comparisonText(diagram::Quantity::d, want, cmp, s.main.units, m, ref)));
    EXPECT_GT(w->Compare[dField]->x(), w->Ed->geometry().right());
    click(p);
    ASSERT_EQ(int(s.points.size()), ++rows);
    EXPECT_EQ(s.points.back().P, want.P);
    EXPECT_EQ(s.points.back().h, want.h);
    EXPECT_EQ(s.points.back().T, c.kind == Kind::TS ? w->Tcur() : want.T);
  }
}

// The wheel zooms about the cursor, the middle button moves the region, a
// rectangle drawn with the left button zooms to it, a double click shows
// the whole diagram again and picks nothing, and Home too.
TEST_F(Diagram, ZoomAndPanWithTheMouse) {
  for (Kind k : {Kind::TS, Kind::PH}) {
    SCOPED_TRACE(int(k));
    open(kN2);
    w->setKind(k);
    const diagram::PlotRect r = w->plotRect();
    const QPoint p(int(r.left + (r.right - r.left) * 0.6), int(r.top + (r.bottom - r.top) * 0.4));
    const diagram::Scale before = diagram::scaleOf(w->picture());
    Real x0 = 0, y0 = 0;
    diagram::cursorS(r, p.x(), before, x0);
    diagram::cursorT(r, p.y(), before, y0);
    wheel(w->Chart1View, p, 2);
    ASSERT_TRUE(w->picture().zoomed);
    EXPECT_TRUE(run->session.view.zoomed);
    EXPECT_TRUE(w->ZoomLabel->isVisible());
    EXPECT_EQ(w->ZoomLabel->text(), QStringLiteral("Увеличено ×") + app::fmt("%.1f", Real(1.5625)));
    const QPointF again = w->viewPosOf(double(x0), double(y0));
    EXPECT_NEAR(again.x(), p.x(), 0.5);
    EXPECT_NEAR(again.y(), p.y(), 0.5);
    // Moved with the middle button: the point follows the mouse.
    QTest::mousePress(w->Chart1View, Qt::MiddleButton, {}, p);
    moveTo(p + QPoint(40, -30));
    QTest::mouseRelease(w->Chart1View, Qt::MiddleButton, {}, p + QPoint(40, -30));
    const QPointF moved = w->viewPosOf(double(x0), double(y0));
    EXPECT_NEAR(moved.x(), p.x() + 40, 1);
    EXPECT_NEAR(moved.y(), p.y() - 30, 1);
    // A rectangle: zoomed further, no row picked.
    const std::size_t rows = run->session.points.size();
    const double z = diagram::zoomFactor(w->picture().shown, w->picture().full);
    QTest::mousePress(w->Chart1View, Qt::LeftButton, {}, p);
    QMouseEvent drag(QEvent::MouseMove, QPointF(p + QPoint(200, 150)), w->Chart1View->mapToGlobal(QPointF(p + QPoint(200, 150))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->Chart1View, &drag);
    QTest::mouseRelease(w->Chart1View, Qt::LeftButton, {}, p + QPoint(200, 150));
    EXPECT_GT(diagram::zoomFactor(w->picture().shown, w->picture().full), 3 * z);
    EXPECT_EQ(run->session.points.size(), rows);
    // A double click (a click, then the second press a double one): the
    // whole diagram, the point its first click picked taken back.
    click(p);
    QTest::mousePress(w->Chart1View, Qt::LeftButton, {}, p);
    QTest::mouseDClick(w->Chart1View, Qt::LeftButton, {}, p);
    QTest::mouseRelease(w->Chart1View, Qt::LeftButton, {}, p);
    EXPECT_FALSE(w->picture().zoomed);
    EXPECT_FALSE(w->ZoomLabel->isVisible());
    EXPECT_EQ(run->session.points.size(), rows);
    wheel(w->Chart1View, p, 3);
    ASSERT_TRUE(w->picture().zoomed);
    w->WholeView->trigger();
    EXPECT_FALSE(w->picture().zoomed);
  }
}

// The check items and the legend live in the session's view, which a work
// opened again brings back with its kind and region.
TEST_F(Diagram, TheViewLivesInTheSession) {
  open(kN2);
  app::Session& s = run->session;
  auto count = [&](diagram::LineRole role) {
    return std::count_if(w->picture().lines.begin(), w->picture().lines.end(),
                         [role](const diagram::Polyline& l) { return l.role == role && !l.points.empty(); });
  };
  EXPECT_EQ(count(diagram::LineRole::Inversion), 0);
  w->InversionBox->click();
  EXPECT_TRUE(s.view.inversion);
  EXPECT_EQ(count(diagram::LineRole::Inversion), 1);
  w->OtherModelBox->click();
  EXPECT_TRUE(s.view.otherModel);
  EXPECT_GT(count(diagram::LineRole::OtherModel), 5);
  w->Legend->setChecked(true);
  EXPECT_TRUE(s.view.legend);
  EXPECT_FALSE(w->picture().legend.empty());
  EXPECT_TRUE(s.modified());
  // Another work comes with its own view: lg p–h, zoomed, no legend.
  app::DiagramView v;
  v.kind = Kind::PH;
  v.zoomed = true;
  v.xLo = 0, v.xHi = 150, v.yLo = 0.5, v.yHi = 5;
  s.view = v;
  s.linesRevision += 1;
  w->sessionReplaced();
  QApplication::processEvents();
  EXPECT_EQ(w->KindBox->currentIndex(), 1);
  EXPECT_FALSE(w->Legend->isChecked());
  EXPECT_FALSE(w->InversionBox->isChecked());
  ASSERT_TRUE(w->picture().zoomed);
  EXPECT_EQ(w->picture().shown.xLo, 0);
  EXPECT_NEAR(w->picture().shown.yHi, 5, 1e-12);
  // Other limits: the whole diagram of the kind.
  main->ETma->setText(QStringLiteral("300"));
  main->ETmaExit();
  EXPECT_FALSE(w->picture().zoomed);
  EXPECT_EQ(s.view.kind, Kind::PH);
}
