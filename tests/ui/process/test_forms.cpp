// The process window and the results table on the program's windows, driven
// as a student drives them: controls bound to the calculator, focus events,
// the line on the diagram, the rows in the table.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest/QTest>
#include <QTemporaryDir>

#include "core/diagram/picture.h"
#include "core/process/ranges.h"
#include "core/process/results.h"
#include "gui_test_support.h"
#include "model_support.h"
#include "thermo/substances.h"
#include "ui/diagram/tsvid.h"
#include "ui/files/keeper.h"
#include "ui/files/workfile.h"
#include "ui/main/mainwindow.h"
#include "ui/process/form2.h"
#include "ui/process/form3.h"
#include "ui/process/form4.h"
#include "ui/process/form6.h"
#include "ui/services/commode.h"

namespace {

using proc::Real;

QString F(const char* pattern, Real v) { return app::fmt(pattern, v); }

class ProcessWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    run = testing_support::startProgram();
    main = run->program.Form1.get();
    f = run->program.Form2.get();
  }
  void TearDown() override { testing_support::recorder().texts.clear(); }

  void chooseNitrogen() {
    main->BboList->setCurrentRow(4);
    main->BboListClick();
    ASSERT_EQ(run->session.main.name, "N2");
  }
  void Process(int kind) {
    f->ProItem[kind]->click();
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

  std::unique_ptr<testing_support::Started> run;
  TForm1* main = nullptr;
  TForm2* f = nullptr;
};

TEST_F(ProcessWindow, CreatedWithItsListsAndUnits) {
  EXPECT_EQ(f->windowTitle(), QStringLiteral("Расчет идеальных термодинамических процессов"));
  EXPECT_EQ(f->size(), QSize(800, 572));
  EXPECT_EQ(f->pos(), main->pos());
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
  EXPECT_EQ(f->calc().TableCount, 0);
  // The heading follows the substance chosen in the main window.
  chooseNitrogen();
  EXPECT_EQ(f->Label1->text(), QStringLiteral(" Рабочее вещество - Азот  [ Кубическое уравнение (SRK) ] "));
}

// Leaving an entry echoes it; leaving the start panel solves the start state,
// except for a start carried over from the last end.
TEST_F(ProcessWindow, LeavingTheStartPanel) {
  chooseNitrogen();
  f->show();
  QApplication::setActiveWindow(f);
  ASSERT_TRUE(QTest::qWaitForWindowActive(f));
  Start(0, "300", 1, "1");
  f->Edit2->setFocus();
  f->Edit4->setFocus();  // leaves Edit2, stays in the panel
  EXPECT_EQ(f->ETn->text(), F("%6.2f", 300));
  EXPECT_TRUE(f->Edn->text().isEmpty());
  f->Calc0->setFocus();  // leaves Edit4 and the panel
  EXPECT_EQ(f->calc().Value2, 1);
  EXPECT_EQ(f->EPn->text(), F("%6.3f", 1));
  EXPECT_FALSE(f->Edn->text().isEmpty());
  EXPECT_EQ(f->calc().StartPt.T, 300);
  // Carried: leaving the panel does not solve again from the entries.
  Process(proc::kIsobar);
  End(0, "150.4567");
  ASSERT_TRUE(f->Calc0Click());
  const proc::ProcPoint end = f->calc().EndPt;
  f->BitBtn2->click();
  EXPECT_EQ(f->Edit2->text(), F("%6.3f", end.T));
  EXPECT_EQ(f->PaNam1->currentIndex(), 0);
  EXPECT_EQ(f->Label2->text(), QStringLiteral("K"));
  f->Edit2->setFocus();
  f->Calc0->setFocus();
  EXPECT_EQ(f->calc().StartPt.T, end.T);
  EXPECT_EQ(f->calc().StartPt.s, end.s);
  EXPECT_EQ(f->Edn->text(), F("%6.2f", end.d));
  // The student's own typing ends the carry.
  f->Edit2->setFocus();
  QTest::keyClicks(f->Edit2, "1");
  EXPECT_FALSE(f->calc().Carried);
  f->hide();
}

// The tester's sequence: a throttled wet start carried over, a temperature
// typed into the first entry, the panel left: the start pairs 80 K with the
// carried pressure (no dryness read as a pressure); a pair "Вычислить"
// refuses shows no state when the panel is left.
TEST_F(ProcessWindow, LeavingThePanelAfterACarryOrWithARefusedPair) {
  chooseNitrogen();
  f->show();
  QApplication::setActiveWindow(f);
  ASSERT_TRUE(QTest::qWaitForWindowActive(f));
  Process(proc::kIsenthalp);
  Start(proc::kPressure, "1", proc::kDryness, "50");
  End(proc::kPressure, "0.1");
  ASSERT_TRUE(f->Calc0Click());
  const Real P = f->calc().EndPt.P;
  f->BitBtn2->click();
  f->Edit2->setFocus();
  f->Edit2->selectAll();
  QTest::keyClicks(f->Edit2, "80");
  f->Calc0->setFocus();
  EXPECT_EQ(f->ETn->text(), F("%6.2f", 80));
  EXPECT_EQ(f->EPn->text(), F("%6.3f", P));
  EXPECT_EQ(f->calc().StartPt.P, P);
  // (T, d) is refused by "Вычислить": leaving the panel shows nothing.
  Start(proc::kTemperature, "300", proc::kDensity, "10");
  testing_support::recorder().texts.clear();
  f->Edit4->setFocus();
  f->Calc0->setFocus();
  for (QLineEdit* e : {f->ETn, f->EPn, f->Edn, f->Ehn, f->ESn}) EXPECT_TRUE(e->text().isEmpty());
  f->hide();
}

// Numbers typed with the separator of the other language show this
// language's separator when the work is opened again; the work keeps them
// as typed.
TEST_F(ProcessWindow, AReopenedWorkShowsItsNumbersWithThisLanguagesSeparator) {
  chooseNitrogen();
  const QChar here = QChar::fromLatin1(app::decimalSeparator());
  const QChar other = here == u',' ? u'.' : u',';
  Process(proc::kIsotherm);
  Start(proc::kTemperature, QStringLiteral("100") + other + QStringLiteral("5"), proc::kPressure,
        QStringLiteral("1") + other + QStringLiteral("000"));
  End(proc::kPressure, QStringLiteral("5abc"));
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("ideal.entrograf"));
  app::WorkError error;
  ASSERT_TRUE(app::saveWorkFile(run->session, path, error));
  const QByteArray bytes = app::workFileBytes(run->session);
  run = testing_support::startProgram();
  f = run->program.Form2.get();
  ASSERT_TRUE(run->program.Files->openFile(path));
  EXPECT_EQ(f->Edit2->text(), QStringLiteral("100") + here + QStringLiteral("5"));
  EXPECT_EQ(f->Edit4->text(), QStringLiteral("1") + here + QStringLiteral("000"));
  EXPECT_EQ(f->Edit10->text(), QStringLiteral("5abc"));
  EXPECT_EQ(app::workFileBytes(run->session), bytes);
  // Typing goes on from what is shown; nothing typed is rewritten.
  f->Edit4->setText(QStringLiteral("2") + other + QStringLiteral("5"));
  EXPECT_EQ(f->Edit4->text(), QStringLiteral("2") + other + QStringLiteral("5"));
}

// Nitrogen chosen in the main window, the process window from its menu, the
// line drawn on the diagram, the rows in the results table.
TEST_F(ProcessWindow, ScriptedSessionWithTheDiagram) {
  chooseNitrogen();
  main->IdProc->trigger();
  ASSERT_TRUE(f->isVisible());
  Process(proc::kIsotherm);
  Start(0, "100", 1, "0.1");
  End(1, "5");
  f->Calc0->click();
  EXPECT_FALSE(f->EQ->text().isEmpty());
  f->BitBtn4->click();
  f->BitBtn1->click();
  const diagram::ProcStore& ps = run->session.procLines;
  ASSERT_EQ(ps.ProcIndex, 1);
  TTSvid* tv = run->program.TSvid.get();
  ASSERT_TRUE(tv->isVisible());
  const Real ss = f->calc().StartPt.s, se = f->calc().EndPt.s;
  ASSERT_LT(se, ss);
  // Markers: the start and the end; line 1: the same two points, by entropy.
  const diagram::Picture& p = tv->picture();
  for (int pos : {25, 26}) {
    const auto& pts = p.lines[pos].points;
    ASSERT_EQ(pts.size(), 2u) << pos;
    EXPECT_EQ(pts[0], (diagram::SPoint{double(se), 100}));
    EXPECT_EQ(pts[1], (diagram::SPoint{double(ss), 100}));
  }
  EXPECT_TRUE(p.lines[27].points.empty());
  TForm3* t = run->program.Form3.get();
  EXPECT_TRUE(t->isVisible());
  EXPECT_EQ(t->cell(1, 1), QStringLiteral("N2"));
  EXPECT_EQ(t->cell(2, 1), QStringLiteral("T = const"));
  EXPECT_EQ(t->cell(4, 2), F(" %5.2f", 100));
  EXPECT_EQ(t->cell(5, 2), F(" %5.3f", 5));
  EXPECT_TRUE(t->cell(0, 3).isEmpty());
  // The same computation is written once: a second press says so.
  f->BitBtn1->click();
  EXPECT_EQ(testing_support::recorder().texts, QStringList{QString::fromUtf8(proc::kWrittenMessage)});
  testing_support::recorder().texts.clear();
  EXPECT_TRUE(t->cell(0, 3).isEmpty());
  // Past 49 processes the table grows; nothing is overwritten. Processes
  // 2 to 60 end at other pressures, the last one again at 5 MPa from 110 K.
  for (int k = 2; k <= 60; ++k) {
    if (k == 60) Start(0, "110", 1, "0.1");
    End(1, k == 60 ? QStringLiteral("5") : F("%.2f", 5 + Real(k) / 100));
    ASSERT_TRUE(f->Calc0Click());
    f->BitBtn1->click();
  }
  EXPECT_GE(t->rowCount(), 121);
  EXPECT_EQ(t->cell(0, 99), QStringLiteral("   50"));
  EXPECT_EQ(t->cell(3, 100), QStringLiteral("Конечная"));
  EXPECT_EQ(t->cell(0, 119), QStringLiteral("   60"));
  EXPECT_EQ(t->cell(0, 1), QStringLiteral("   1"));
  EXPECT_EQ(t->IdTab->item(119, 0)->background().color(), QColor(255, 255, 0));
  EXPECT_EQ(t->IdTab->columnWidth(2), 69);
  // The end becomes the start; the process shown is no longer a computed one.
  f->BitBtn2->click();
  EXPECT_EQ(f->Edit2->text(), F("%6.3f", 110));
  EXPECT_EQ(f->Edit4->text(), F("%6.3f", 5));
  EXPECT_TRUE(testing_support::recorder().texts.isEmpty());
  f->BitBtn1->click();
  EXPECT_EQ(testing_support::recorder().texts, QStringList{QString::fromUtf8(proc::kNotComputedMessage)});
  testing_support::recorder().texts.clear();
  EXPECT_TRUE(t->cell(0, 121).isEmpty());
  // The second table has the headers and stays hidden.
  TForm4* t4 = run->program.Form4.get();
  EXPECT_EQ(t4->cell(11, 0), QStringLiteral(" L, кДж/кг"));
  EXPECT_FALSE(t4->isVisible());
  EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
}

// Every field is wide enough for the widest text its format gives within the
// admissible ranges of any substance, per kilogram and per mole, measured in
// the window's font; the results table's headers are whole in both units.
TEST_F(ProcessWindow, EveryFieldHoldsItsWidestNumber) {
  for (app::Units u : {app::Units::Specific, app::Units::Molar}) {
    SCOPED_TRACE(int(u));
    Real Tmax = 0, Pmax = 0, dmax = 0, hmax = 0, smax = 0, qmax = 0, vmax = 0;
    // Every substance by both models: the reference equations reach 1000 K.
    for (int n = 1; n <= 2 * tfs::kSubstCount; ++n) {
      const tfs::Model& m = tfs::model((n - 1) % tfs::kSubstCount + 1,
                                       n > tfs::kSubstCount ? tfs::ModelKind::Reference : tfs::ModelKind::Cubic);
      const proc::Ranges r = proc::admissibleRanges(m);
      auto shown = [&](int kind, Real v) { return std::fabs(proc::kindToShown(u, kind, v, m)); };
      Tmax = std::max(Tmax, r[proc::kTemperature].hi);
      Pmax = std::max(Pmax, r[proc::kPressure].hi);
      dmax = std::max(dmax, shown(proc::kDensity, r[proc::kDensity].hi));
      vmax = std::max(vmax, shown(proc::kVolume, r[proc::kVolume].hi));
      hmax = std::max({hmax, shown(proc::kEnthalpy, r[proc::kEnthalpy].lo), shown(proc::kEnthalpy, r[proc::kEnthalpy].hi)});
      smax = std::max({smax, shown(proc::kEntropy, r[proc::kEntropy].lo), shown(proc::kEntropy, r[proc::kEntropy].hi)});
      // An isotherm's heat, T times its entropy change.
      qmax = std::max(qmax, r[proc::kTemperature].hi * shown(proc::kEntropy, r[proc::kEntropy].hi - r[proc::kEntropy].lo));
    }
    struct Case {
      QLineEdit* field;
      const char* pattern;
      Real widest;
    };
    const Case cases[] = {{f->ETn, "%6.3f", Tmax},  {f->ETk, "%6.2f", Tmax},   {f->EPn, "%6.3f", Pmax},
                          {f->EPk, "%6.3f", Pmax},  {f->Edn, "%6.2f", dmax},   {f->Edk, "%6.2f", dmax},
                          {f->Ehn, "%6.2f", -hmax}, {f->Ehk, "%6.2f", -hmax},  {f->ESn, "%6.4f", -smax},
                          {f->ESk, "%6.4f", -smax}, {f->EQ, "%6.2f", -qmax},   {f->EL, "%6.3f", -qmax},
                          {f->Edd, "%6.2f", -dmax}, {f->Edh, "%6.2f", -2 * hmax}, {f->EdS, "%6.4f", -2 * smax},
                          {f->Edit3, "%.2f", vmax}, {f->Edit9, "%.2f", vmax}};
    for (const Case& c : cases) {
      const QString text = F(c.pattern, c.widest);
      const QFontMetrics fm(c.field->font());
      EXPECT_LE(fm.horizontalAdvance(text) + 6, c.field->width()) << text.toStdString();
    }
    // The results table's headers are whole.
    run->session.main.units = u;
    TForm3* t = run->program.Form3.get();
    t->rebuild();
    const QFontMetrics tm(t->IdTab->font());
    int columns = 0;
    for (int k = 0; k < proc::kResultColumns; ++k) {
      EXPECT_LE(tm.horizontalAdvance(t->cell(k, 0)) + 6, t->IdTab->columnWidth(k)) << k;
      columns += t->IdTab->columnWidth(k);
    }
    // ... and the window shows every column, the model's last one too.
    EXPECT_LE(columns, t->IdTab->width());
    EXPECT_LE(t->IdTab->geometry().right(), t->width());
  }
}

// The ranges and refusals are those of the model chosen in the main window,
// with its own critical point and highest temperature: nitrogen's reference
// equation puts Tc at 126.19 K and admits 800 K, its cubic model Tc at
// 126.25 K and processes up to 600 K; methane's reference equation ends at
// 625 K.
TEST_F(ProcessWindow, RangesAndRefusalsAreThoseOfTheChosenModel) {
  struct Case {
    int subst, model, k2;
    const char *T, *v2;
    Real Tcr, Tmax;  // the model's, for the expected message
    const char* says;  // "critical", "range" or "" for a state solved
  };
  const Case cases[] = {
      {5, 0, proc::kDryness, "126.22", "50", 126.25L, 600, ""},
      {5, 1, proc::kDryness, "126.22", "50", 126.192L, 1000, "critical"},
      {5, 0, proc::kPressure, "800", "1", 126.25L, 600, "range"},
      {5, 1, proc::kPressure, "800", "1", 126.192L, 1000, ""},
      {9, 0, proc::kPressure, "700", "1", 190.77L, 1000, ""},
      {9, 1, proc::kPressure, "700", "1", 190.564L, 625, "range"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.subst << " model " << c.model << " T " << c.T);
    main->BboList->setCurrentRow(c.subst - 1);
    main->BboListClick();
    main->ModelGrItems->button(c.model)->click();
    const tfs::Model& m = run->session.main.eos();
    ASSERT_EQ(int(m.kind()), c.model);
    EXPECT_NEAR(double(m.limits().Tcr), double(c.Tcr), 1e-3);
    // The limits shown beside the temperature: the model's.
    Process(proc::kIsotherm);
    Start(proc::kTemperature, QString::fromLatin1(c.T), c.k2, QString::fromLatin1(c.v2));
    EXPECT_EQ(f->Edit3->text(), F("%.2f", c.Tmax));
    End(proc::kPressure, QStringLiteral("3"));
    testing_support::recorder().texts.clear();
    const bool solved = f->Calc0Click();
    const QStringList said = testing_support::recorder().texts;
    EXPECT_EQ(solved, *c.says == 0) << said.join(u'|').toStdString();
    if (std::string(c.says) == "critical") {
      ASSERT_EQ(said.size(), 1);
      EXPECT_TRUE(said[0].contains(QStringLiteral("(Ткр = ") + F("%.2f", c.Tcr) + QStringLiteral(" K)"))) << said[0].toStdString();
    } else if (std::string(c.says) == "range") {
      ASSERT_EQ(said.size(), 1);
      EXPECT_TRUE(said[0].contains(QStringLiteral(" до ") + F("%.2f", c.Tmax) + QStringLiteral(" K !"))) << said[0].toStdString();
    } else {
      EXPECT_NEAR(double(f->calc().StartPt.T), QString::fromLatin1(c.T).toDouble(), 1e-9);
    }
  }
}

// No field ever shows "inf", "nan" or "overflow", whatever is typed; every
// refusal says why in one message.
TEST_F(ProcessWindow, ExtremeTextsAreRefusedWithOneMessage) {
  chooseNitrogen();
  const char* const texts[] = {"1e6", "1e300", "1e-999", "-1e300", "1e4000", "150", "nan", "inf", "0,000001"};
  int refused = 0;
  for (int kind = 0; kind < 7; ++kind) {
    for (const char* text : texts) {
      SCOPED_TRACE(testing::Message() << kind << ' ' << text);
      // As the first start parameter (with a sound partner where admitted),
      // and as the end of the process that keeps the first kind's partner.
      const int partner = proc::PairAllowed(kind, proc::kTemperature) ? proc::kTemperature : proc::kPressure;
      Process(proc::kIsobar);
      Start(kind, QString::fromLatin1(text), partner, partner == proc::kTemperature ? "200" : "1");
      End(proc::kTemperature, "250");
      testing_support::recorder().texts.clear();
      const bool done = f->Calc0Click();
      refused += !done;
      EXPECT_LE(testing_support::recorder().texts.size(), 1);
      if (!done) {
        EXPECT_EQ(testing_support::recorder().texts.size(), 1);
      }
      for (QLineEdit* e : f->findChildren<QLineEdit*>()) {
        if (e == f->Edit2 || e == f->Edit4 || e == f->Edit10) continue;  // the typed texts
        for (const char* bad : {"inf", "nan", "overflow"}) EXPECT_FALSE(e->text().contains(QLatin1String(bad))) << bad;
      }
    }
  }
  EXPECT_GT(refused, 40);
  // Far too hot ends: an isobar to 1200 K, an isentrope to 12 MPa; an
  // expansion to the solid.
  const QString outside = QStringLiteral("Состояние вне пределов расчета");
  for (auto [proc, k3, v3, says] : {std::tuple{proc::kIsobar, proc::kTemperature, "1200", QStringLiteral("Температура должна быть")},
                                     std::tuple{proc::kIsentrope, proc::kPressure, "12", outside},
                                     std::tuple{proc::kIsentrope, proc::kPressure, "0.000001", outside}}) {
    Process(proc);
    Start(0, "300", 1, "0.1");
    End(k3, QString::fromLatin1(v3));
    testing_support::recorder().texts.clear();
    EXPECT_FALSE(f->Calc0Click()) << v3;
    ASSERT_EQ(testing_support::recorder().texts.size(), 1) << v3;
    EXPECT_TRUE(testing_support::recorder().texts[0].startsWith(says))
        << testing_support::recorder().texts[0].toStdString();
    EXPECT_TRUE(f->ETk->text().isEmpty());
  }
  // The same refusal from "TS диаграмма" shows one message, draws nothing.
  testing_support::recorder().texts.clear();
  f->BitBtn4->click();
  EXPECT_EQ(testing_support::recorder().texts.size(), 1);
  EXPECT_EQ(run->session.procLines.ProcIndex, 0);
}

// A long negative work shows whole.
TEST_F(ProcessWindow, ALongNegativeWorkIsShownWhole) {
  chooseNitrogen();
  Process(proc::kIsotherm);
  Start(0, "600", 1, "0.000001");
  End(1, "100");
  ASSERT_TRUE(f->Calc0Click()) << testing_support::recorder().texts.join('|').toStdString();
  EXPECT_LT(f->calc().ProcL, -2000);
  EXPECT_TRUE(f->EL->text().startsWith(u'-'));
  const QFontMetrics fm(f->EL->font());
  EXPECT_LE(fm.horizontalAdvance(f->EL->text()) + 6, f->EL->width());
  if (const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT"); !out.isEmpty()) {
    f->show();
    QApplication::processEvents();
    f->grab().save(QString::fromLocal8Bit(out));
    f->hide();
  }
}

// The results tables from the main menu, as they are; their header row in
// view however far they scroll; a process taken out of the table with its
// line on the diagram, by its menu item or the Delete key.
TEST_F(ProcessWindow, ResultsTablesShownScrolledAndTrimmed) {
  chooseNitrogen();
  TForm3* t = run->program.Form3.get();
  QWidget* realTable = run->program.Form6.get();
  // Shown from the menu with nothing written.
  for (auto [item, table] : {std::pair{main->IdTable, static_cast<QWidget*>(t)}, std::pair{main->RealTable, realTable}}) {
    ASSERT_FALSE(table->isVisible());
    item->trigger();
    EXPECT_TRUE(table->isVisible());
    table->hide();
  }
  EXPECT_TRUE(run->session.results.empty());
  EXPECT_TRUE(t->cell(0, 1).isEmpty());
  // Three isotherms, the first and the third drawn.
  Process(proc::kIsotherm);
  Start(0, "100", 1, "0.1");
  for (const char* P : {"5", "6", "7"}) {
    End(1, QString::fromLatin1(P));
    if (QByteArrayView(P) == "6") {
      ASSERT_TRUE(f->Calc0Click());
    } else {
      f->BitBtn4->click();
    }
    f->BitBtn1->click();
  }
  ASSERT_EQ(run->session.results.size(), 3u);
  ASSERT_EQ(run->session.procLines.ProcCount, 2);
  const Real T3 = run->session.procLines.ProcT[2][0];
  // The header row: the grid's own header, the first row hidden.
  QTableWidget* g = t->IdTab;
  EXPECT_TRUE(g->isRowHidden(0));
  EXPECT_FALSE(g->horizontalHeader()->isHidden());
  for (int c = 0; c < g->columnCount(); ++c) EXPECT_EQ(g->horizontalHeaderItem(c)->text(), t->cell(c, 0)) << c;
  t->show();
  g->scrollToBottom();
  QApplication::processEvents();
  EXPECT_GT(g->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(g->horizontalHeader()->isVisible());
  EXPECT_LE(g->horizontalHeader()->geometry().bottom(), g->viewport()->geometry().top());
  // Process 1 (drawn) taken out by its menu item: its line goes.
  g->setCurrentCell(2, 4);
  QAction* remove = g->findChild<QAction*>(QStringLiteral("RemoveRow"));
  ASSERT_TRUE(remove);
  EXPECT_TRUE(g->actions().contains(remove));
  remove->trigger();
  ASSERT_EQ(run->session.results.size(), 2u);
  EXPECT_EQ(run->session.procLines.ProcCount, 1);
  EXPECT_EQ(run->session.procLines.ProcT[1][0], T3);
  EXPECT_EQ(t->cell(0, 1), QStringLiteral("   1"));
  EXPECT_EQ(t->cell(5, 2), F(" %5.3f", 6));
  EXPECT_TRUE(t->cell(0, 5).isEmpty());
  // Process 1 now (never drawn) by the Delete key: the line stays.
  t->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(t));
  g->setFocus();
  g->setCurrentCell(1, 1);
  QTest::keyClick(g, Qt::Key_Delete);
  ASSERT_EQ(run->session.results.size(), 1u);
  EXPECT_EQ(run->session.procLines.ProcCount, 1);
  EXPECT_EQ(t->cell(5, 2), F(" %5.3f", 7));
  // Nothing chosen below the rows: nothing taken out.
  g->setCurrentCell(7, 1);
  remove->trigger();
  EXPECT_EQ(run->session.results.size(), 1u);
  EXPECT_TRUE(run->session.modified());
  t->hide();
}

}  // namespace
