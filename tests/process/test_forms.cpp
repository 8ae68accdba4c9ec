// The process window, the results table and the process lines, driven as a
// student would drive them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest/QTest>
#include <memory>

#include "app/appstate.h"
#include "app/commode.h"
#include "app/mainwindow.h"
#include "app/windows.h"
#include "diagram/procstore.h"
#include "diagram/tsvid.h"
#include "tests/gui_test_support.h"
#include "process/form2.h"
#include "process/form3.h"
#include "process/form4.h"
#include "process/path.h"
#include "thermo/substances.h"

using proc::Real;

namespace {

const QString kPairMsg = QStringLiteral("Принятое Вами сочетание параметров\nне разрешено в данной программе.");
const QString kLinesMsg = QStringLiteral("В программе число линий процессов\nограничено 10-тью линиями");
const QString kCoincideMsg = QStringLiteral("Параметры начальной и конечной точек\nсовпадают!");

void UseSubstance(const char* name) {
  app::AppState& s = app::state();
  s.name = name;
  s.subst = tfs::SubstIndex(name);
  s.chosen = true;
  s.Tmin = tfs::Ttr[s.subst] + 0.0001L;
  s.Tmax = 350;
  s.lnTmin = std::log(s.Tmin);
  s.lnTmax = std::log(s.Tmax);
}

QStringList& Messages() { return testing_support::recorder().texts; }

class ProcessWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!app::windows().Form1) app::createWindows();
  }
  void SetUp() override {
    UseSubstance("N2");
    diagram::procStore().clearLines();
    diagram::procStore().resetCounters();
    delete app::windows().Form3;
    app::windows().Form3 = new TForm3;
    f = std::make_unique<TForm2>();
    Messages().clear();
  }

  void Process(int kind) {
    f->setProBoxIndex(kind);
    f->ProBoxClick();
  }
  void Start(int k1, const QString& v1, int k2, const QString& v2) {
    f->PaNam1->setCurrentIndex(k1);
    f->PaNam1Click();
    f->PaNam2->setCurrentIndex(k2);
    f->PaNam2Click();
    f->Edit2->setText(v1);
    f->Edit4->setText(v2);
  }
  void End(int k3, const QString& v3) {
    f->PaNam3->setCurrentIndex(k3);
    f->PaNam3Click();
    f->Edit10->setText(v3);
  }
  QStringList Fields() const {
    QStringList t;
    for (QLineEdit* e : {f->ETn, f->EPn, f->Edn, f->Ehn, f->ESn, f->ETk, f->EPk, f->Edk, f->Ehk, f->ESk, f->EQ, f->EL,
                         f->Edd, f->Edh, f->EdS})
      t << e->text();
    return t;
  }

  std::unique_ptr<TForm2> f;
};

QString F(const char* pattern, Real v) { return app::fmt(pattern, v); }

}  // namespace

TEST_F(ProcessWindow, CreatedWithItsListsAndUnits) {
  EXPECT_EQ(f->windowTitle(), QStringLiteral("Расчет идеальных термодинамических процессов"));
  EXPECT_EQ(f->size(), QSize(800, 572));
  ASSERT_EQ(f->PaNam1->count(), 7);
  EXPECT_EQ(f->PaNam3->itemText(6), QStringLiteral(" Степень сухости"));
  EXPECT_EQ(f->PaNam1->currentIndex(), 0);
  EXPECT_EQ(f->PaNam2->currentIndex(), 1);
  EXPECT_EQ(f->Label4->text(), QStringLiteral("МПа"));
  EXPECT_EQ(f->proBoxIndex(), 0);
  EXPECT_EQ(f->ProItem[4]->text(), QStringLiteral("Изоэнтропа ( S = const )"));
  EXPECT_FALSE(f->Edit1->isEnabled());
  EXPECT_TRUE(f->ETn->isReadOnly());
  EXPECT_EQ(f->Panel3->geometry(), QRect(248, 256, 537, 137));
  EXPECT_EQ(f->ETk->geometry(), QRect(24, 96, 49, 21));
  EXPECT_EQ(f->TableCount, 0);
  f->setSubstanceCaption(QStringLiteral(" Рабочее вещество - Азот "));
  EXPECT_EQ(f->Label1->text(), QStringLiteral(" Рабочее вещество - Азот "));
}

TEST_F(ProcessWindow, PairChecksAndEchoes) {
  // (density, temperature) is admitted, (temperature, density) is not.
  Start(2, "", 0, "");
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(f->PairRefused, 0);
  EXPECT_EQ(f->Edit1->text(), F("%6.2f", 0));
  f->PaNam1->setCurrentIndex(0);
  f->PaNam1Click();
  f->PaNam2->setCurrentIndex(2);
  f->PaNam2Click();
  ASSERT_EQ(Messages(), QStringList{kPairMsg});
  EXPECT_EQ(f->PairRefused, 2);
  EXPECT_EQ(f->Label4->text(), QStringLiteral("кг/м3"));
  // The process switch checks nothing; the end list does.
  Messages().clear();
  Process(proc::kIsochore);
  EXPECT_TRUE(Messages().isEmpty());
  f->PaNam3->setCurrentIndex(1);
  f->PaNam3Click();
  EXPECT_EQ(Messages(), QStringList{kPairMsg});
  EXPECT_EQ(f->PairRefused, 3);

  // Echoes: a specific volume shows its density; a dryness is a fraction.
  Start(3, "0.5", 6, "30");
  f->Edit2Exit();
  f->Edit4Exit();
  EXPECT_EQ(f->Edn->text(), F("%6.2f", 2));
  EXPECT_DOUBLE_EQ(double(f->Value2), 0.3);
  EXPECT_DOUBLE_EQ(double(f->ShownStart[6]), 30.0);
  Start(0, "12,5", 1, "300K");
  f->Edit2Exit();
  f->Edit4Exit();
  EXPECT_DOUBLE_EQ(double(f->Value1), 12.5);
  EXPECT_DOUBLE_EQ(double(f->Value2), 300.0);
  EXPECT_EQ(f->ETn->text(), F("%6.2f", 12.5L));
  EXPECT_EQ(f->EPn->text(), F("%6.2f", 300));
  // Blank entries keep the previous value; an edit empties the state fields.
  f->Edit2->setText("   ");
  f->Edit2Exit();
  EXPECT_DOUBLE_EQ(double(f->Value1), 12.5);
  EXPECT_TRUE(f->ETn->text().isEmpty());
}

TEST_F(ProcessWindow, IsothermHeatAndWork) {
  Process(proc::kIsotherm);
  Start(0, "100", 1, "0.1");
  End(1, "5");
  ASSERT_TRUE(f->Calc0Click());
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(f->ETn->text(), F("%6.2f", 100));
  EXPECT_EQ(f->EPk->text(), F("%6.3f", 5));
  EXPECT_NEAR(double(f->ProcQ), 239, 3);
  EXPECT_NEAR(double(f->ProcL), double(-f->ProcQ - f->DeltaI), 1e-9);
  EXPECT_EQ(f->EQ->text(), F("%6.2f", f->ProcQ));
  EXPECT_EQ(f->EL->text(), F("%6.3f", f->ProcL));
  EXPECT_EQ(f->EdS->text(), F("%6.4f", f->DeltaS));
  EXPECT_EQ(f->ShownEnd[1], 5);
  // Equal pressures: zero heat and work, shown without a minus sign.
  End(1, "0.1");
  ASSERT_TRUE(f->Calc0Click());
  EXPECT_EQ(f->EL->text(), F("%6.3f", 0));
  EXPECT_EQ(f->EQ->text(), F("%6.2f", 0));
  EXPECT_EQ(app::fmt("%6.3f", -0.0L), F("%6.3f", 0));
  EXPECT_EQ(app::fmt("%6.3f", -0.0004L), F("%6.3f", 0));
  EXPECT_EQ(app::fmt("%6.3f", -0.0006L), F("%6.3f", -0.001L));
}

TEST_F(ProcessWindow, RefusedStartPairStopsTheComputation) {
  Process(proc::kIsobar);
  Start(0, "300", 1, "1");
  End(0, "400");
  ASSERT_TRUE(f->Calc0Click());
  const QStringList before = Fields();
  const Real Q = f->ProcQ;
  // (temperature, enthalpy) is not admitted.
  f->PaNam2->setCurrentIndex(4);
  f->PaNam2Click();
  Messages().clear();
  EXPECT_FALSE(f->Calc0Click());
  EXPECT_EQ(Messages(), QStringList{kPairMsg});
  EXPECT_EQ(f->ProcQ, Q);
  EXPECT_EQ(Fields().mid(5), before.mid(5));  // end state and results untouched

  // A dryness at or above the critical temperature, or below the triple-point
  // pressure, gets a clear message and computes nothing.
  Process(proc::kIsotherm);
  Start(0, "200", 6, "50");
  End(1, "1");
  Messages().clear();
  EXPECT_FALSE(f->Calc0Click());
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].contains(QStringLiteral("критической"))) << Messages()[0].toStdString();
  EXPECT_EQ(f->ProcQ, Q);
  EXPECT_TRUE(f->ETn->text().isEmpty());
  UseSubstance("CO2");
  Start(1, "0.1", 6, "50");
  Messages().clear();
  EXPECT_FALSE(f->Calc0Click());
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].contains(QStringLiteral("тройной точки"))) << Messages()[0].toStdString();
}

TEST_F(ProcessWindow, LibraryRefusalCancelsAndKeepsEverything) {
  // A good process in the table first.
  Process(proc::kIsochore);
  Start(2, "300", 0, "100");
  End(0, "120");
  ASSERT_TRUE(f->Calc0Click());
  f->BitBtn1Click();
  const QStringList before = Fields();
  const proc::ProcPoint st = f->StartPt, en = f->EndPt;
  // An end temperature below the triple point: the saturation routine of the
  // library refuses; the program goes on and nothing changes.
  End(0, "40");
  f->Edit10Exit();
  const QStringList typed = Fields();
  Messages().clear();
  EXPECT_FALSE(f->Calc0Click());
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_EQ(Fields(), typed);
  EXPECT_EQ(f->StartPt.s, st.s);
  EXPECT_EQ(f->EndPt.T, en.T);
  EXPECT_EQ(f->EndPt.P, en.P);
  EXPECT_EQ(app::windows().Form3->cell(4, 1), F(" %5.2f", 100));
  // The drawing step draws nothing either.
  Messages().clear();
  f->BitBtn4Click();
  EXPECT_EQ(diagram::procStore().ProcIndex, 0);
  EXPECT_EQ(diagram::procStore().ProcCount, 0);
  EXPECT_EQ(Messages().size(), 1);
  (void)before;
}

TEST_F(ProcessWindow, RefusedEndPairDrawsNothingFromStaleStates) {
  // N2 isochore from 100 K, 300 kg/m3 with the end kind switched to pressure.
  Process(proc::kIsochore);
  Start(2, "300", 0, "100");
  End(1, "5");
  Messages().clear();
  f->BitBtn4Click();
  EXPECT_EQ(Messages(), QStringList{kPairMsg});
  EXPECT_EQ(f->PairRefused, 3);
  EXPECT_EQ(diagram::procStore().ProcIndex, 0);
  for (int j = 0; j < 16; ++j) EXPECT_EQ(diagram::procStore().ProcT[1][j], 0);
  // The start state was shown, the end stays empty.
  EXPECT_EQ(f->ETn->text(), F("%6.2f", 100));
  EXPECT_TRUE(f->ETk->text().isEmpty());
}

TEST_F(ProcessWindow, CarriedStartStaysExact) {
  // R14 compressed liquid heated at 2 MPa to saturated liquid.
  UseSubstance("R14");
  Process(proc::kIsobar);
  Start(1, "2", 0, "150");
  End(6, "0");
  ASSERT_TRUE(f->Calc0Click());
  const proc::ProcPoint sat = f->EndPt;
  ASSERT_EQ(sat.x, 1);
  f->BitBtn2Click();
  EXPECT_TRUE(f->Carried);
  EXPECT_EQ(f->Kind1, 0);
  EXPECT_EQ(f->Kind2, 1);
  EXPECT_EQ(f->Label2->text(), QStringLiteral("K"));
  EXPECT_EQ(f->Edit2->text(), F("%6.3f", sat.T));
  EXPECT_EQ(f->Edit4->text(), F("%6.3f", sat.P));
  EXPECT_EQ(f->ETn->text(), F("%6.3f", sat.T));
  EXPECT_TRUE(f->ETk->text().isEmpty());
  // Leaving the start panel and drawing (which computes) keep the carried state.
  f->Panel2Exit();
  Process(proc::kIsentrope);
  End(1, "3");
  f->BitBtn4Click();
  EXPECT_EQ(f->StartPt.s, sat.s);
  EXPECT_EQ(f->StartPt.i, sat.i);
  EXPECT_EQ(f->StartPt.x, 1);
  EXPECT_EQ(diagram::procStore().ProcT[1][0] == sat.T || diagram::procStore().ProcT[1][15] == sat.T, true);
  EXPECT_TRUE(f->Carried);
  f->Panel2Exit();
  ASSERT_TRUE(f->Calc0Click());
  EXPECT_EQ(f->StartPt.s, sat.s);
  // The student's own edit of a start entry ends the carry.
  f->Edit2->setFocus();
  QTest::keyClicks(f->Edit2, "1");
  EXPECT_FALSE(f->Carried);
  // A substance change does too.
  f->BitBtn2Click();
  f->setSubstanceCaption(QStringLiteral(" Рабочее вещество - Азот "));
  EXPECT_FALSE(f->Carried);
}

TEST_F(ProcessWindow, ResultsTableRowsAndFormats) {
  TForm3* t = app::windows().Form3;
  EXPECT_EQ(t->cell(8, 0), QStringLiteral(" s, кДж/(кг.К)"));
  EXPECT_EQ(t->rowCount(), 100);
  EXPECT_EQ(t->IdTab->columnWidth(2), 69);
  // Throttling from 77.35 K, 0.1 MPa... as an isenthalp: Q and L are zero.
  Process(proc::kIsenthalp);
  Start(0, "77.35", 1, "0.1");
  End(1, "0.05");
  ASSERT_TRUE(f->Calc0Click());
  f->BitBtn1Click();
  f->BitBtn1Click();  // twice without computing: the same values again
  EXPECT_TRUE(t->isVisible());
  EXPECT_EQ(t->cell(0, 1), QStringLiteral("   1"));
  EXPECT_EQ(t->cell(0, 3), QStringLiteral("   2"));
  EXPECT_EQ(t->cell(1, 1), QStringLiteral("N2"));
  EXPECT_EQ(t->cell(2, 1), QStringLiteral("i = const"));
  EXPECT_EQ(t->cell(3, 1), QStringLiteral("Начальная"));
  EXPECT_EQ(t->cell(3, 2), QStringLiteral("Конечная"));
  EXPECT_EQ(t->cell(4, 1), QStringLiteral(" 77") + app::fmt("%.2f", 0.35L).mid(1));
  EXPECT_EQ(t->cell(5, 1), QStringLiteral(" 0") + app::fmt("%.3f", 0.1L).mid(1));
  EXPECT_EQ(t->cell(10, 1), QStringLiteral("  0") + app::fmt("%.2f", 0).mid(1));
  EXPECT_EQ(t->cell(11, 1), F("%6.2f", 0));
  EXPECT_EQ(t->cell(8, 2), F("%6.4f", f->ShownEnd[5]));
  EXPECT_TRUE(t->cell(10, 2).isEmpty());
  for (int c = 4; c <= 11; ++c) {
    EXPECT_EQ(t->cell(c, 3), t->cell(c, 1)) << c;
    EXPECT_EQ(t->cell(c, 4), t->cell(c, 2)) << c;
  }
  // Past 49 processes the table grows; nothing is overwritten.
  for (int k = 3; k <= 60; ++k) f->BitBtn1Click();
  EXPECT_GE(t->rowCount(), 121);
  EXPECT_EQ(t->cell(0, 99), QStringLiteral("   50"));
  EXPECT_EQ(t->cell(3, 100), QStringLiteral("Конечная"));
  EXPECT_EQ(t->cell(0, 119), QStringLiteral("   60"));
  EXPECT_EQ(t->cell(0, 1), QStringLiteral("   1"));
  EXPECT_EQ(t->IdTab->item(119, 0)->background().color(), QColor(255, 255, 0));
  // The second table has the headers and stays hidden.
  TForm4* t4 = app::windows().Form4;
  EXPECT_EQ(t4->cell(11, 0), QStringLiteral(" L, кДж/кг"));
  EXPECT_FALSE(t4->isVisible());
}

TEST_F(ProcessWindow, TenLinesAndCoincidentEnds) {
  Process(proc::kIsobar);
  Start(0, "300", 1, "1");
  End(0, "300");  // same entropy: coincident ends
  f->BitBtn4Click();
  EXPECT_EQ(Messages(), QStringList{kCoincideMsg});
  EXPECT_EQ(diagram::procStore().ProcIndex, 1);
  EXPECT_EQ(diagram::procStore().ProcCount, 1);
  for (int j = 0; j < 16; ++j) EXPECT_EQ(diagram::procStore().ProcT[1][j], 0);
  End(0, "400");
  for (int k = 2; k <= 10; ++k) f->BitBtn4Click();
  EXPECT_EQ(diagram::procStore().ProcIndex, 10);
  EXPECT_NE(diagram::procStore().ProcT[10][15], 0);
  Messages().clear();
  f->BitBtn4Click();
  EXPECT_EQ(Messages(), QStringList{kLinesMsg});
  EXPECT_EQ(diagram::procStore().ProcIndex, 10);
  EXPECT_EQ(diagram::procStore().ProcCount, 10);
}

TEST_F(ProcessWindow, EnthalpyEntropyPairs) {
  // (enthalpy, entropy) as a start, and the isenthalp's end by entropy.
  Process(proc::kIsenthalp);
  Start(0, "200", 1, "10");
  End(1, "0.5");
  ASSERT_TRUE(f->Calc0Click());
  const proc::ProcPoint st = f->StartPt, en = f->EndPt;
  End(5, app::fmt("%.6f", en.s));
  ASSERT_TRUE(f->Calc0Click());
  EXPECT_NEAR(double(f->EndPt.P), 0.5, 1e-3);
  EXPECT_EQ(f->EndPt.i, st.i);
  EXPECT_EQ(f->EQ->text(), F("%6.2f", 0));
  Start(4, app::fmt("%.6f", st.i), 5, app::fmt("%.6f", st.s));
  ASSERT_TRUE(f->Calc0Click());
  EXPECT_NEAR(double(f->StartPt.P), 10, 1e-2);
  EXPECT_NEAR(double(f->StartPt.T), 200, 0.05);
  // No state of that enthalpy has so high an entropy.
  Start(4, app::fmt("%.6f", st.i), 5, "50");
  Messages().clear();
  EXPECT_FALSE(f->Calc0Click());
  EXPECT_EQ(Messages().size(), 1);
  // Hotter than the library's 1000 K, colder than solidification: one
  // message of the window each, none of the library's searches.
  for (const char* i : {"2000", "-300"}) {
    Start(4, i, 5, "5");
    Messages().clear();
    EXPECT_FALSE(f->Calc0Click()) << i;
    EXPECT_EQ(Messages().size(), 1) << i;
  }
}

// N2, isotherm at 100 K from 0.1 to 5 MPa: compute, draw, tabulate, carry over.
TEST_F(ProcessWindow, ScriptedSession) {
  Process(proc::kIsotherm);
  Start(0, "100", 1, "0.1");
  End(1, "5");
  f->Calc0->click();
  EXPECT_FALSE(f->EQ->text().isEmpty());
  f->BitBtn4->click();
  const diagram::ProcStore& ps = diagram::procStore();
  ASSERT_EQ(ps.ProcIndex, 1);
  EXPECT_EQ(ps.ProcCount, 1);
  EXPECT_EQ(ps.ProcT[1][0], 100);
  EXPECT_EQ(ps.ProcS[1][0], f->StartPt.s);
  EXPECT_EQ(ps.ProcS[1][15], f->EndPt.s);
  for (int j = 1; j <= 14; ++j) EXPECT_EQ(ps.ProcT[1][j], 0);
  f->BitBtn1->click();
  TForm3* t = app::windows().Form3;
  EXPECT_EQ(t->cell(2, 1), QStringLiteral("T = const"));
  EXPECT_EQ(t->cell(5, 2), F(" %5.3f", 5));
  EXPECT_TRUE(t->cell(0, 3).isEmpty());
  f->BitBtn2->click();
  EXPECT_EQ(f->Edit2->text(), F("%6.3f", 100));
  EXPECT_EQ(f->Edit4->text(), F("%6.3f", 5));
  EXPECT_EQ(f->PaNam1->currentIndex(), 0);
  EXPECT_EQ(f->PaNam2->currentIndex(), 1);
}

// Leaving an entry echoes it; leaving the start panel solves the start state,
// except for a start carried over from the last end.
TEST_F(ProcessWindow, LeavingTheStartPanel) {
  f->show();
  QApplication::setActiveWindow(f.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
  Start(0, "300", 1, "1");
  f->Edit2->setFocus();
  f->Edit4->setFocus();  // leaves Edit2, stays in the panel
  EXPECT_EQ(f->ETn->text(), F("%6.2f", 300));
  EXPECT_TRUE(f->Edn->text().isEmpty());
  f->Calc0->setFocus();  // leaves Edit4 and the panel
  EXPECT_EQ(f->Value2, 1);
  EXPECT_EQ(f->EPn->text(), F("%6.3f", 1));
  EXPECT_FALSE(f->Edn->text().isEmpty());
  EXPECT_EQ(f->StartPt.T, 300);
  EXPECT_EQ(f->ShownStart[2], f->StartPt.d);
  // Carried: leaving the panel does not solve again from the entries.
  Process(proc::kIsobar);
  End(0, "150.4567");
  ASSERT_TRUE(f->Calc0Click());
  const proc::ProcPoint end = f->EndPt;
  f->BitBtn2Click();
  f->Edit2->setFocus();
  f->Calc0->setFocus();
  EXPECT_EQ(f->StartPt.T, end.T);
  EXPECT_EQ(f->StartPt.s, end.s);
  EXPECT_EQ(f->Edn->text(), F("%6.2f", end.d));
  f->hide();
}

// The same session on the program's own windows: nitrogen chosen in the main
// window, the process window from its menu, the line drawn on the diagram.
TEST_F(ProcessWindow, ScriptedSessionWithTheDiagram) {
  TForm1* main = app::windows().Form1;
  main->BboList->setCurrentRow(4);
  main->BboListClick();
  ASSERT_EQ(app::state().name, "N2");
  main->IdProcClick();
  TForm2* p = app::windows().Form2;
  ASSERT_TRUE(p->isVisible());
  EXPECT_TRUE(p->Label1->text().startsWith(QStringLiteral(" Рабочее вещество - ")));
  p->setProBoxIndex(proc::kIsotherm);
  p->ProBoxClick();
  p->PaNam1->setCurrentIndex(0);
  p->PaNam1Click();
  p->PaNam2->setCurrentIndex(1);
  p->PaNam2Click();
  p->Edit2->setText("100");
  p->Edit4->setText("0.1");
  p->PaNam3->setCurrentIndex(1);
  p->PaNam3Click();
  p->Edit10->setText("5");
  p->Calc0->click();
  p->BitBtn4->click();
  p->BitBtn1->click();
  ASSERT_EQ(diagram::procStore().ProcIndex, 1);
  TTSvid* tv = app::windows().TSvid;
  ASSERT_TRUE(tv->isVisible());
  const Real ss = p->StartPt.s, se = p->EndPt.s;
  ASSERT_LT(se, ss);
  // Markers: the start and the end; line 1: the same two points, by entropy.
  for (int pos : {25, 26}) {
    QLineSeries* sr = tv->series(pos);
    ASSERT_EQ(sr->count(), 2) << pos;
    EXPECT_NEAR(sr->at(0).x(), double(se), 1e-9);
    EXPECT_NEAR(sr->at(1).x(), double(ss), 1e-9);
    EXPECT_DOUBLE_EQ(sr->at(0).y(), 100.0);
    EXPECT_DOUBLE_EQ(sr->at(1).y(), 100.0);
  }
  EXPECT_EQ(tv->series(27)->count(), 0);
  TForm3* t = app::windows().Form3;
  EXPECT_EQ(t->cell(1, 1), QStringLiteral("N2"));
  EXPECT_EQ(t->cell(4, 2), F(" %5.2f", 100));
  p->BitBtn2->click();
  EXPECT_EQ(p->Edit2->text(), F("%6.3f", 100));
  EXPECT_EQ(p->Edit4->text(), F("%6.3f", 5));
  p->hide();
  tv->hide();
}
