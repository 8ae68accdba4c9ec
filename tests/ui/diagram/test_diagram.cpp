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
#include <cmath>

#include "core/diagram/picture.h"
#include "core/diagram/readout.h"
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
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" TS диаграмма для АЗОТА (в систeме SI)"));
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
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" TS диаграмма для ГЕЛИЯ (в систeме SI)"));
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
