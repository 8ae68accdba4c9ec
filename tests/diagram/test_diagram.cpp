// The diagram window as a student uses it: the lines of a chosen substance,
// their labels, the cursor readout and the table of picked points.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "app/appstate.h"
#include "app/commode.h"
#include "app/linegen.h"
#include "app/windows.h"
#include "diagram/procstore.h"
#include "diagram/series.h"
#include "diagram/tspoints.h"
#include "diagram/tsvid.h"
#include "diagram_support.h"
#include "tests/gui_test_support.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using tfs::Real;

class Diagram : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::startProgram();
    w = app::windows().TSvid;
    pts = app::windows().TS_points;
  }
  void TearDown() override {
    app::destroyWindows();
    EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
    testing_support::recorder().texts.clear();
  }

  // The substance chosen, its diagram shown and labelled.
  void open(const std::string& name, bool log = true) {
    diagram_support::chooseSubstance(name);
    w->hide();
    w->resize(1200, 900);
    w->setLogScale(log);
    w->showDiagram();
    QApplication::processEvents();
    w->Timer1Timer();
    QApplication::processEvents();
  }

  QPoint pixelOf(Real s, Real T) const { return w->viewPosOf(QPointF(double(s), double(T))).toPoint(); }
  // A move to where the cursor already is brings no event: come from beside.
  void moveTo(QPoint p) {
    QTest::mouseMove(w->Chart1View->viewport(), p + QPoint(0, 1));
    QTest::mouseMove(w->Chart1View->viewport(), p);
  }
  void click(QPoint p) { QTest::mouseClick(w->Chart1View->viewport(), Qt::LeftButton, {}, p); }
  // (s, T) at a viewport pixel by the chart's own axis mapping.
  QPointF valueAt(QPoint p) const {
    const QPointF c = w->Chart1->mapFromScene(w->Chart1View->mapToScene(p));
    return w->Chart1->mapToValue(c, w->series(0));
  }

  TTSvid* w = nullptr;
  TTS_points* pts = nullptr;
};

QColor penColor(const QLineSeries* s) { return s->pen().color(); }

TEST_F(Diagram, NitrogenHasThirtySixSeriesInTheirLook) {
  open("N2");
  EXPECT_EQ(w->Chart1->series().size(), 36);
  ASSERT_EQ(w->seriesCount(), 36);
  EXPECT_EQ(w->windowTitle(), QStringLiteral(" TS диаграмма для АЗОТА (в систeме SI)"));

  const app::DiagramStore& d = app::diagramStore();
  const app::AppState& st = app::state();
  // Frame: the entropy extent at the temperature limits.
  const QList<QPointF> frame = w->series(0)->points();
  ASSERT_EQ(frame.size(), 2);
  EXPECT_EQ(frame[0], QPointF(double(d.Smin), double(st.Tmin)));
  EXPECT_EQ(frame[1], QPointF(double(d.Smax), double(st.Tmax)));
  EXPECT_EQ(penColor(w->series(1)), QColor(Qt::blue));
  EXPECT_EQ(penColor(w->series(2)), QColor(0, 255, 0));

  for (int i = 0; i <= 10; ++i) {
    const QLineSeries* iso = w->series(3 + i);
    EXPECT_GE(iso->count(), 21) << "isobar " << i;
    const bool red = i == 1 || i == 4 || i == 7 || i == 10;
    EXPECT_EQ(penColor(iso), red ? QColor(Qt::red) : QColor(Qt::black)) << "isobar " << i;
  }
  // The 1 MPa isobar is subcritical: its saturation points at one temperature.
  int atSat = 0;
  for (const QPointF& p : w->series(3 + 4)->points()) atSat += std::fabs(p.y() - double(d.IsoSatTV[4])) < 1e-9;
  EXPECT_GE(atSat, 2);
  for (int j = 0; j <= d.HCount; ++j) EXPECT_GT(w->series(14 + j)->count(), 1) << "isenthalp " << j;
  for (int pos : {19, 20, 21, 22, 23, 24}) {
    EXPECT_EQ(penColor(w->series(pos)), QColor(0, 128, 0)) << pos;
    EXPECT_EQ(w->series(pos)->pen().style(), Qt::DashLine) << pos;
  }
  EXPECT_EQ(w->series(24)->count(), 11);  // one start point per isobar
  for (int pos = 0; pos < 36; ++pos) EXPECT_TRUE(diagram::sortedByX(w->series(pos)->points())) << "series " << pos;
  // The dome's top is at the critical temperature.
  double top = 0;
  for (const QPointF& p : w->series(1)->points()) top = std::max(top, p.y());
  EXPECT_DOUBLE_EQ(top, double(tfs::Tcr[tfs::SubstIndex("N2")]));
}

TEST_F(Diagram, AppendingToASeriesKeepsItSorted) {
  QLineSeries s;
  for (double x : {3.0, 1.0, 2.0, 5.0, 0.5, 2.0}) diagram::appendSorted(&s, QPointF(x, x * 10));
  const QList<QPointF> p = s.points();
  ASSERT_EQ(p.size(), 6);
  EXPECT_TRUE(diagram::sortedByX(p));
  EXPECT_EQ(p.front(), QPointF(0.5, 5));
  EXPECT_EQ(p.back(), QPointF(5, 50));
}

TEST_F(Diagram, HeliumEndsAtTenMegapascalsEvenAfterNitrogen) {
  open("N2");
  EXPECT_FALSE(w->E4->isHidden());
  open("He");
  for (int i = 8; i <= 10; ++i) EXPECT_EQ(w->series(3 + i)->count(), 0) << "isobar " << i;
  EXPECT_GE(w->series(3 + 7)->count(), 21);
  EXPECT_TRUE(w->E4->isHidden());
  EXPECT_FALSE(w->E3->isHidden());
  EXPECT_EQ(w->E3->text(), app::fmt("%3.0f МПа", 10));
  EXPECT_EQ(w->E1->text(), app::fmt("%3.1f ", Real(0.1)));
}

TEST_F(Diagram, CarbonDioxideDrawsItsLowIsobarsWithoutTheTenthLabel) {
  open("N2");
  EXPECT_FALSE(w->E1->isHidden());
  open("CO2");
  const app::AppState& st = app::state();
  for (int i = 0; i < 4; ++i) {
    const QList<QPointF> p = w->series(3 + i)->points();
    ASSERT_EQ(p.size(), 21) << "isobar " << i;
    EXPECT_NEAR(p.front().y(), double(st.Tmin), 1e-6);
    EXPECT_NEAR(p.back().y(), double(st.Tmax), 1e-6);
  }
  EXPECT_TRUE(w->E1->isHidden());
  EXPECT_FALSE(w->E2->isHidden());
  EXPECT_FALSE(w->E4->isHidden());
  EXPECT_EQ(w->series(24)->count(), 7);  // regular isobars 1 ... 100 MPa
}

TEST_F(Diagram, ProcessLinesAreFilteredAndDrawnWithoutRebuilding) {
  open("N2");
  const app::DiagramStore& d = app::diagramStore();
  const app::AppState& st = app::state();
  diagram::ProcStore& pr = diagram::procStore();
  for (int j = 0; j <= 15; ++j) {
    pr.ProcS[1][j] = d.Smin + (d.Smax - d.Smin) * j / 15;
    pr.ProcT[1][j] = 150;
  }
  pr.ProcT[1][15] = st.Tmax;  // on the upper limit
  pr.ProcT[1][7] = 0;         // absent
  pr.ProcIndex = pr.ProcCount = 1;
  const int isobarPoints = w->series(3 + 4)->count();
  app::diagramStore().IsoT[4][10] = 0;  // would drop a point if rebuilt
  w->showDiagram();                     // visible: process lines only
  EXPECT_EQ(w->series(26)->count(), 13);  // s = Smin, the absent point and T = Tmax left out
  EXPECT_EQ(w->series(25)->count(), 0);   // both ends on the boundary
  for (const QPointF& p : w->series(26)->points()) {
    EXPECT_GT(p.x(), double(d.Smin));
    EXPECT_LT(p.y(), double(st.Tmax));
  }
  EXPECT_EQ(w->series(3 + 4)->count(), isobarPoints);

  pr.ProcS[2][0] = Real(4.0);
  pr.ProcT[2][0] = 200;
  pr.ProcS[2][15] = Real(5.0);
  pr.ProcT[2][15] = 250;
  pr.ProcIndex = pr.ProcCount = 2;
  w->hide();
  w->showDiagram();  // hidden: the show handler, still no rebuild
  EXPECT_EQ(w->series(27)->count(), 2);
  EXPECT_EQ(w->series(25)->count(), 2);
  EXPECT_EQ(w->series(3 + 4)->count(), isobarPoints);
  EXPECT_EQ(w->tickCounter(), 0);

  pr.resetCounters();
  w->hide();
  w->showDiagram();  // no process line: rebuilt from the store
  EXPECT_EQ(w->series(3 + 4)->count(), isobarPoints - 1);
  EXPECT_EQ(w->series(26)->count(), 0);
  EXPECT_EQ(w->series(25)->count(), 0);
}

TEST_F(Diagram, ReadoutShowsWhatPdhTsGivesAtThePixel) {
  for (bool log : {true, false}) {
    open("N2", log);
    // Gas, two-phase and compressed liquid.
    for (QPointF sT : {QPointF(6.0, 200), QPointF(3.6, 90), QPointF(2.9, 85)}) {
      const QPoint p = pixelOf(sT.x(), sT.y());
      moveTo(p);
      const QPointF v = valueAt(p);
      const Real T = v.y(), s = v.x();
      Real P, d, h, Cp, x;
      tfs::Pdh_Ts("N2", T, s, P, d, h, Cp, x);
      ASSERT_GT(P, 0);
      SCOPED_TRACE(testing::Message() << "log " << log << " s " << sT.x() << " T " << sT.y());
      EXPECT_EQ(w->Edit1->text(), app::fmt("T=%5.2f K", T));
      EXPECT_EQ(w->Edit2->text(), app::fmt("S=%5.3f ", s));
      EXPECT_EQ(w->Ep->text(), app::fmt("P=%4.3f МПа", P));
      EXPECT_EQ(w->Ed->text(), app::fmt("d=%4.3f kg/m3", d));
      EXPECT_EQ(w->Eh->text(), app::fmt("i=%4.1f kJ/kg", h));
      EXPECT_EQ(w->ECp->text(), app::fmt("Cp=%4.2f kJ/kg.K", Cp));
      if (sT.y() == 90) {
        EXPECT_EQ(Cp, 1000000);
      }
    }
  }
}

TEST_F(Diagram, AboveThePlotReadsTmaxBelowItTmin) {
  open("N2");
  const app::AppState& st = app::state();
  const QPoint top = pixelOf(5, st.Tmax), bottom = pixelOf(5, st.Tmin);
  moveTo(top - QPoint(0, 8));
  EXPECT_EQ(w->Edit1->text(), app::fmt("T=%5.2f K", st.Tmax));
  moveTo(bottom + QPoint(0, 8));
  EXPECT_EQ(w->Edit1->text(), app::fmt("T=%5.2f K", st.Tmin));
}

TEST_F(Diagram, NoPropertiesBeforeTheLabelsArePlaced) {
  diagram_support::chooseSubstance("N2");
  w->resize(1200, 900);
  w->showDiagram();
  QApplication::processEvents();
  moveTo(pixelOf(6, 200));
  EXPECT_FALSE(w->Edit1->text().isEmpty());
  EXPECT_TRUE(w->Ep->text().isEmpty());
  click(pixelOf(6, 200));
  EXPECT_EQ(w->pointsRowCounter(), 0);
  EXPECT_TRUE(pts->isVisible());
}

TEST_F(Diagram, ClickWritesTheReadoutIntoTheNextRow) {
  open("N2");
  ASSERT_FALSE(pts->isVisible());
  const QPoint gas = pixelOf(6.0, 200);
  moveTo(gas);
  click(gas);
  EXPECT_TRUE(pts->isVisible());
  ASSERT_EQ(w->pointsRowCounter(), 1);
  const QPointF v = valueAt(gas);
  Real P, d, h, Cp, x;
  tfs::Pdh_Ts("N2", v.y(), v.x(), P, d, h, Cp, x);
  EXPECT_EQ(pts->cell(0, 1), QStringLiteral("    1"));
  EXPECT_EQ(pts->cell(1, 1), QStringLiteral("  N2"));
  EXPECT_EQ(pts->cell(2, 1), app::fmt("%6.2f", v.y()));
  EXPECT_EQ(pts->cell(3, 1), app::fmt("%8.3f", P));
  EXPECT_EQ(pts->cell(4, 1), app::fmt("%8.3f", d));
  EXPECT_EQ(pts->cell(5, 1), app::fmt("%8.2f", h));
  EXPECT_EQ(pts->cell(6, 1), app::fmt("%8.3f", v.x()));
  EXPECT_EQ(pts->cell(7, 1), app::fmt("%8.3f", Cp));
  EXPECT_TRUE(pts->cell(8, 1).isEmpty());  // gas: no dryness
  EXPECT_EQ(pts->cell(8, 0), QStringLiteral(" x, %"));
  EXPECT_EQ(pts->cell(7, 0), QStringLiteral(" Ср, кДж/(кг.К)"));

  // Inside the dome the dryness in percent.
  const QPoint wet = pixelOf(4.0, 100);
  moveTo(wet);
  click(wet);
  ASSERT_EQ(w->pointsRowCounter(), 2);
  const QPointF v2 = valueAt(wet);
  tfs::Pdh_Ts("N2", v2.y(), v2.x(), P, d, h, Cp, x);
  ASSERT_GT(x, 0);
  ASSERT_LT(x, 1);
  EXPECT_EQ(pts->cell(8, 2), app::fmt("%6.2f", 100 * (1 - x)));
  EXPECT_EQ(pts->cell(0, 2), QStringLiteral("    2"));
}

TEST_F(Diagram, ClickAtTheHighestIsobarsPressureOrAboveAddsNoRow) {
  open("N2");
  // Pdh_Ts searches no higher than 100 MPa, the nitrogen diagram's highest
  // isobar, so the limit is taken down to 50 MPa to be reached by a pixel.
  app::state().lastIsobar = 9;
  Real P, d, h, Cp, x;
  const QPoint dense = pixelOf(4.85, 340);
  const QPointF v = valueAt(dense);
  tfs::Pdh_Ts("N2", v.y(), v.x(), P, d, h, Cp, x);
  ASSERT_GE(P, 50);
  moveTo(dense);
  click(dense);
  EXPECT_EQ(w->pointsRowCounter(), 0);
  EXPECT_TRUE(pts->cell(0, 1).isEmpty());
  EXPECT_TRUE(pts->isVisible());
  // Below the limit the row is written.
  const QPoint lighter = pixelOf(5.2, 340);
  const QPointF v2 = valueAt(lighter);
  tfs::Pdh_Ts("N2", v2.y(), v2.x(), P, d, h, Cp, x);
  ASSERT_GT(P, 0);
  ASSERT_LT(P, 50);
  moveTo(lighter);
  click(lighter);
  EXPECT_EQ(w->pointsRowCounter(), 1);
}

TEST_F(Diagram, ClickWhereNoStateWasComputedAddsNoRow) {
  open("N2");
  const QPoint gas = pixelOf(6.0, 200);
  moveTo(gas);
  const QString shown = w->Ep->text();
  // Left of Smin nothing is computed: the state kept from the gas point
  // belongs to another T and s.
  const QPoint left = pixelOf(app::diagramStore().Smin, 200) - QPoint(6, 0);
  moveTo(left);
  EXPECT_LT(w->scur(), app::diagramStore().Smin);
  EXPECT_EQ(w->Ep->text(), shown);
  click(left);
  EXPECT_EQ(w->pointsRowCounter(), 0);
  moveTo(gas);
  click(gas);
  EXPECT_EQ(w->pointsRowCounter(), 1);
}

TEST_F(Diagram, PointsTableKeepsEveryRowPastTheHundredth) {
  open("N2");
  const QPoint a = pixelOf(6.0, 200), b = pixelOf(5.0, 150);
  for (int i = 0; i < 120; ++i) {
    const QPoint p = i % 2 ? b : a;
    moveTo(p);
    click(p);
  }
  ASSERT_EQ(w->pointsRowCounter(), 120);
  EXPECT_GE(pts->rowCount(), 121);
  for (int r = 1; r <= 120; ++r) {
    ASSERT_EQ(pts->cell(0, r), app::fmt("%5d", r)) << r;
    ASSERT_EQ(pts->cell(1, r), QStringLiteral("  N2")) << r;
  }
  EXPECT_EQ(pts->cell(0, 120), QStringLiteral("  120"));
  EXPECT_EQ(pts->cell(2, 99), pts->cell(2, 119));  // both at point b
}

// Each label at the place its line gives it in the window as it is now.
void expectLabelsOnLines(TTSvid* w, const char* when) {
  SCOPED_TRACE(when);
  const app::DiagramStore& d = app::diagramStore();
  const app::AppState& st = app::state();
  const int m[4] = {1, 4, 7, 10};
  QLineEdit* iso[4] = {w->E1, w->E2, w->E3, w->E4};
  for (int n = 0; n < 4; ++n) {
    if (iso[n]->isHidden()) continue;
    const QPointF top = w->viewPosOf(QPointF(double(d.IsoS[m[n]][20]), double(st.Tmax)));
    EXPECT_NEAR(iso[n]->x(), top.x() - 2, 1.01) << "isobar label " << n;
  }
  int placed = 0;
  for (int n = 0; n <= d.HCount; ++n) {
    const int g = d.GridFirst;
    const Real T = d.HT[n][0] > 2 ? d.HT[n][0] : d.HT[n][g];
    const Real s = d.HT[n][0] > 0 ? d.HS[n][0] : d.HS[n][g];
    QPointF at = w->viewPosOf(QPointF(double(s), double(T))) + QPointF(4, -6);
    if (d.SLFirst < s && s < d.SVFirst) at += QPointF(-20, 10);
    ASSERT_FALSE(w->EhLab[n]->isHidden()) << n;
    EXPECT_NEAR(w->EhLab[n]->x(), at.x(), 1.01) << "isenthalp label " << n;
    EXPECT_NEAR(w->EhLab[n]->y(), at.y(), 1.01) << "isenthalp label " << n;
    ++placed;
  }
  EXPECT_GT(placed, 3);
}

TEST_F(Diagram, LabelsStayOnTheirLinesWhenResizedOrRescaled) {
  open("N2");
  expectLabelsOnLines(w, "shown");
  const int e2 = w->E2->x();
  const int eh = w->EhLab[0]->y();
  w->resize(900, 650);
  QApplication::processEvents();
  EXPECT_NE(w->E2->x(), e2);
  expectLabelsOnLines(w, "resized");
  const int ehSmall = w->EhLab[0]->y();
  w->setLogScale(false);
  QApplication::processEvents();
  EXPECT_NE(w->EhLab[0]->y(), ehSmall);
  expectLabelsOnLines(w, "linear");
  w->setLogScale(true);
  w->resize(1200, 900);
  QApplication::processEvents();
  EXPECT_EQ(w->EhLab[0]->y(), eh);
  expectLabelsOnLines(w, "logarithmic again");
  // The readout follows the new plot as well.
  const QPoint p = pixelOf(6.0, 200);
  moveTo(p);
  EXPECT_EQ(w->Edit1->text(), app::fmt("T=%5.2f K", valueAt(p).y()));
}

TEST_F(Diagram, TemperatureAxisNumbersRoundValuesOnBothScales) {
  open("N2");
  QCategoryAxis* a = w->axisTLabels();
  EXPECT_EQ(a->categoriesLabels(), (QStringList{"70", "100", "150", "200", "300"}));
  for (const QString& l : a->categoriesLabels())
    EXPECT_NEAR(a->endValue(l), std::log(l.toDouble()), 1e-12) << l.toStdString();
  w->setLogScale(false);
  const QStringList lin = a->categoriesLabels();
  ASSERT_GE(lin.size(), 10);
  EXPECT_EQ(lin.front(), QStringLiteral("80"));
  EXPECT_EQ(lin.back(), QStringLiteral("340"));
  for (const QString& l : lin) EXPECT_EQ(a->endValue(l), l.toDouble());
  // The series still carry temperatures.
  EXPECT_EQ(w->series(0)->points().back().y(), 350);
  open("He");
  EXPECT_TRUE(w->axisTLabels()->categoriesLabels().contains(QStringLiteral("3")));
  EXPECT_TRUE(w->axisTLabels()->categoriesLabels().contains(QStringLiteral("300")));
}

TEST_F(Diagram, BackButtonsHideTheWindows) {
  open("N2");
  moveTo(pixelOf(6.0, 200));
  click(pixelOf(6.0, 200));
  ASSERT_TRUE(pts->isVisible());
  QTest::mouseClick(pts->BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(pts->isVisible());
  QTest::mouseClick(w->Nazad, Qt::LeftButton);
  EXPECT_FALSE(w->isVisible());
}

}  // namespace
