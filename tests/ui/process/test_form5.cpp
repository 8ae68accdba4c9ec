// The real-process window on the program's windows, driven as a student
// drives it: from the main menu, a compressor computed, written to its
// table, drawn on the diagram, refused, carried on; other units; another
// substance. With ENTROGRAF_SNAPSHOT=<file.png> the window is written there
// and the diagram and the table beside it (<file>-diagram.png,
// <file>-table.png).

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QTableWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/base/numfmt.h"
#include "gui_test_support.h"
#include "thermo/substances.h"
#include "ui/diagram/tsvid.h"
#include "ui/main/mainwindow.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form5.h"
#include "ui/process/form6.h"
#include "ui/services/commode.h"
#include <QButtonGroup>
#include <QAbstractButton>
#include "ui/files/keeper.h"
#include "ui/files/workfile.h"

namespace {

using proc::Real;

QString F(const char* pattern, Real v) { return app::fmt(pattern, v); }

using testing_support::snapshot;

TEST(RealWindow, CompressorComputedWrittenDrawnAndCarried) {
  auto run = testing_support::startProgram();
  TForm1* main = run->program.Form1.get();
  TForm5* f = run->program.Form5.get();
  TForm6* t = run->program.Form6.get();
  TTSvid* tv = run->program.TSvid.get();
  QStringList& said = testing_support::recorder().texts;
  said.clear();
  main->BboList->setCurrentRow(4);
  main->BboListClick();
  // The diagram up to 500 K, to see more of the compressor.
  main->ETma->setText(QStringLiteral("500"));
  main->ETmaExit();
  main->RealProc->trigger();
  ASSERT_TRUE(f->isVisible());
  EXPECT_EQ(f->windowTitle(), QStringLiteral("Реальные процессы"));
  EXPECT_EQ(f->Label1->text(), QStringLiteral(" Рабочее вещество - Азот  [ Кубическое уравнение (SRK) ] "));

  f->DevItem[0]->click();
  f->Edit2->setText(QStringLiteral("300"));
  f->Edit4->setText(F("%.1f", 0.1));
  f->EP2->setText(QStringLiteral("1"));
  f->EEta->setText(F("%.1f", 0.8));
  f->Calc0->click();
  const proc::DeviceResult& r = f->calc().Result;
  ASSERT_EQ(r.status, proc::DeviceStatus::Solved);
  EXPECT_NEAR(double(r.outlet.T), 641, 3);
  EXPECT_EQ(f->State[proc::kOutletRow][proc::kColT]->text(), F("%6.2f", r.outlet.T));
  EXPECT_EQ(f->State[proc::kIdealRow][proc::kColT]->text(), F("%6.2f", r.ideal.T));
  EXPECT_EQ(f->Res[proc::kFieldL]->text(), F("%6.2f", r.L));
  EXPECT_FALSE(f->Res[proc::kFieldExergy]->text().isEmpty());
  EXPECT_FALSE(f->Edit1->text().isEmpty());  // the temperature's limits
  // Every number shown fits its field.
  const QFontMetrics fm(f->font());
  for (auto& row : f->State)
    for (QLineEdit* e : row) EXPECT_LE(fm.horizontalAdvance(e->text()) + 8, e->width()) << e->text().toStdString();

  f->BitBtn1->click();
  ASSERT_TRUE(t->isVisible());
  EXPECT_EQ(t->cell(2, 1), QStringLiteral("Компр. адиаб."));
  EXPECT_EQ(t->cell(4, 2), QStringLiteral("Выход"));
  EXPECT_EQ(t->cell(5, 2), F(" %5.2f", r.outlet.T));
  f->BitBtn4->click();
  ASSERT_TRUE(tv->isVisible());
  ASSERT_EQ(tv->picture().lines.size(), 38u);
  EXPECT_EQ(tv->picture().lines[36].dash, diagram::Dash::Dashed);
  EXPECT_FALSE(tv->picture().lines[37].points.empty());
  EXPECT_TRUE(said.isEmpty()) << said.join('|').toStdString();
  snapshot(f, "");
  snapshot(tv, "-diagram");
  snapshot(t, "-table");

  // A refused efficiency: one message per action, nothing added.
  f->EEta->setText(QStringLiteral("1.5"));
  f->Calc0->click();
  f->BitBtn4->click();
  const QString eta = QStringLiteral("Изоэнтропный КПД должен быть не меньше %1 и не больше 1 !")
                        .arg(QString::fromStdString(app::format("%.2f", proc::kMinEfficiency)));
  EXPECT_EQ(said, (QStringList{eta, eta}));
  said.clear();
  EXPECT_TRUE(f->State[proc::kOutletRow][proc::kColT]->text().isEmpty());
  EXPECT_EQ(run->session.deviceLines.lines.size(), 1u);

  // The outlet carried to the inlet of the next device.
  f->EEta->setText(F("%.1f", 0.8));
  f->Calc0->click();
  f->BitBtn2->click();
  EXPECT_EQ(f->Edit2->text(), app::qstr(app::trimmedText(app::format("%6.3f", r.outlet.T))));
  EXPECT_EQ(f->State[proc::kInletRow][proc::kColT]->text(), F("%6.2f", r.outlet.T));

  // Per mole.
  run->session.main.units = app::Units::Molar;
  f->unitsChanged();
  t->unitsChanged();
  EXPECT_EQ(f->Heads[proc::kColI]->text(), QStringLiteral("Энтальпия,\nДж/моль"));
  EXPECT_EQ(t->cell(8, 0), QStringLiteral("  i, Дж/моль"));
  EXPECT_EQ(f->State[proc::kInletRow][proc::kColT]->text(), F("%6.2f", r.outlet.T));

  // Another substance: its own heading, no real process of the former one.
  main->BboList->setCurrentRow(5);
  main->BboListClick();
  EXPECT_EQ(f->Label1->text(), QStringLiteral(" Рабочее вещество - Аргон  [ Кубическое уравнение (SRK) ] "));
  EXPECT_TRUE(run->session.deviceLines.lines.empty());
  EXPECT_EQ(tv->picture().lines.size(), 36u);
  EXPECT_TRUE(said.isEmpty()) << said.join('|').toStdString();
}

// A work saved after each device (its numbers typed with the separator the
// other language uses) opens showing that device ticked, its data fields
// enabled, the substance in the heading of this window and of the cycles
// window, the numbers with this language's separator; "Вычислить" then
// computes the device shown, to the same outlet.
TEST(RealWindow, AReopenedWorkShowsTheDeviceSaved) {
  struct Case {
    proc::Device kind;
    const char *P2, *eta, *given;
    proc::ExchangerGiven by;
  };
  const Case cases[] = {{proc::Device::Compressor, "1", "0.8", "", proc::ExchangerGiven::OutletTemperature},
                        {proc::Device::IsothermalCompressor, "1", "0.7", "", proc::ExchangerGiven::OutletTemperature},
                        {proc::Device::Expander, "0.05", "0.8", "", proc::ExchangerGiven::OutletTemperature},
                        {proc::Device::Throttle, "0.05", "", "", proc::ExchangerGiven::OutletTemperature},
                        {proc::Device::Exchanger, "", "", "250.5", proc::ExchangerGiven::OutletTemperature},
                        {proc::Device::Exchanger, "", "", "20.5", proc::ExchangerGiven::Heat}};
  const QChar here = QChar::fromLatin1(app::decimalSeparator());
  const QChar other = here == u',' ? u'.' : u',';
  auto typed = [&](const char* t) { return QString::fromLatin1(t).replace(u'.', other); };
  const QTemporaryDir dir;
  for (const Case& k : cases) {
    SCOPED_TRACE(int(k.kind));
    const QString path = dir.filePath(QStringLiteral("device.entrograf"));
    proc::ProcPoint outlet;
    {
      auto run = testing_support::startProgram();
      run->program.Form1->BboList->setCurrentRow(4);
      run->program.Form1->BboListClick();
      TForm5* f = run->program.Form5.get();
      f->DevItem[int(k.kind)]->click();
      f->GivenList->setCurrentIndex(int(k.by));
      f->GivenListClick();
      f->Edit2->setText(QStringLiteral("300"));
      f->Edit4->setText(typed("0.1"));
      f->EP2->setText(typed(k.P2));
      f->EEta->setText(typed(k.eta));
      f->EGiven->setText(typed(k.given));
      f->ETr->setText(QStringLiteral("200"));  // the sink of the cooling
      ASSERT_TRUE(f->Calc0Click()) << testing_support::recorder().texts.join('|').toStdString();
      outlet = f->calc().Result.outlet;
      app::WorkError error;
      ASSERT_TRUE(app::saveWorkFile(run->session, path, error));
    }
    auto run = testing_support::startProgram();
    TForm5* f = run->program.Form5.get();
    // Another device ticked before, so that a stale choice would show.
    f->DevItem[int(k.kind) == 0 ? 1 : 0]->click();
    ASSERT_TRUE(run->program.Files->openFile(path));
    for (int d = 0; d < proc::kDeviceCount; ++d) EXPECT_EQ(f->DevItem[d]->isChecked(), d == int(k.kind)) << d;
    EXPECT_EQ(f->calc().Kind, k.kind);
    EXPECT_EQ(f->GivenList->currentIndex(), int(k.by));
    EXPECT_EQ(f->EGiven->isEnabled(), k.kind == proc::Device::Exchanger);
    EXPECT_EQ(f->EP2->isEnabled(), k.kind != proc::Device::Exchanger);
    EXPECT_EQ(f->Label1->text(), QStringLiteral(" Рабочее вещество - Азот  [ Кубическое уравнение (SRK) ] "));
    EXPECT_EQ(run->program.Cycles->Label1->text(), QStringLiteral(" Рабочее вещество - Азот  [ Кубическое уравнение (SRK) ] "));
    EXPECT_EQ(f->Edit4->text(), QStringLiteral("0") + here + QStringLiteral("1"));
    EXPECT_EQ(f->EEta->text(), QString::fromLatin1(k.eta).replace(u'.', here));
    EXPECT_EQ(f->EGiven->text(), QString::fromLatin1(k.given).replace(u'.', here));
    // The session keeps the texts as typed.
    EXPECT_EQ(QString::fromStdString(f->calc().entries[proc::kInlet2]), typed("0.1"));
    ASSERT_TRUE(f->Calc0Click());
    EXPECT_EQ(f->calc().data().kind, k.kind);
    EXPECT_EQ(f->calc().Result.outlet.T, outlet.T);
    EXPECT_EQ(f->calc().Result.outlet.P, outlet.P);
  }
}

// A text that is no clean number is refused in the window with the parser's
// message naming it; nothing is computed from it.
TEST(RealWindow, ATextThatIsNoNumberIsRefused) {
  auto run = testing_support::startProgram();
  run->program.Form1->BboList->setCurrentRow(4);
  run->program.Form1->BboListClick();
  TForm5* f = run->program.Form5.get();
  QStringList& said = testing_support::recorder().texts;
  for (QLineEdit* e : {f->Edit2, f->Edit4, f->EP2, f->EEta, f->ET0}) {
    f->Edit2->setText(QStringLiteral("300"));
    f->Edit4->setText(QStringLiteral("0.1"));
    f->EP2->setText(QStringLiteral("1"));
    f->EEta->setText(QStringLiteral("0.8"));
    f->ET0->setText(QStringLiteral("300"));
    for (const char* bad : {"300abc", "0,8.1", "1,5,3"}) {
      SCOPED_TRACE(bad);
      e->setText(QString::fromLatin1(bad));
      said.clear();
      EXPECT_FALSE(f->Calc0Click());
      EXPECT_EQ(said, QStringList{QStringLiteral("\" %1\" в окне не является числом \rОно содержит символы или буквы!")
                                      .arg(QString::fromLatin1(bad))});
      EXPECT_TRUE(f->State[proc::kOutletRow][proc::kColT]->text().isEmpty());
    }
  }
  said.clear();
}

// The units chosen in the main window reach the window: headers, fields
// and the data typed per mass.
TEST(RealWindow, TheMainWindowsUnitsReachTheWindow) {
  auto run = testing_support::startProgram();
  run->program.Form1->BboList->setCurrentRow(4);
  run->program.Form1->BboListClick();
  TForm5* f = run->program.Form5.get();
  f->Edit2->setText(QStringLiteral("300"));
  f->Edit4->setText(QStringLiteral("1"));
  f->EP2->setText(QStringLiteral("2"));
  f->EEta->setText(QStringLiteral("1"));
  ASSERT_TRUE(f->Calc0Click());
  const Real i = f->calc().Result.outlet.i;
  run->program.Form1->UnitsGrItems->button(1)->click();
  EXPECT_EQ(f->Heads[proc::kColI]->text(), QStringLiteral("Энтальпия,\nДж/моль"));
  EXPECT_EQ(f->State[proc::kOutletRow][proc::kColI]->text(),
            F("%6.1f", i * tfs::MolMass[tfs::SubstIndex("N2")]));
  run->program.Form1->UnitsGrItems->button(0)->click();
  EXPECT_EQ(f->State[proc::kOutletRow][proc::kColI]->text(), F("%6.2f", i));
}

// A device is written to its table once; taken out of the table (by the
// table's menu item) it takes its lines off the diagram.
TEST(RealWindow, ADeviceWrittenOnceAndTakenOutWithItsLines) {
  auto run = testing_support::startProgram();
  run->program.Form1->BboList->setCurrentRow(4);
  run->program.Form1->BboListClick();
  TForm5* f = run->program.Form5.get();
  TForm6* t = run->program.Form6.get();
  QStringList& said = testing_support::recorder().texts;
  f->Edit2->setText(QStringLiteral("300"));
  f->Edit4->setText(QStringLiteral("0.1"));
  f->EP2->setText(QStringLiteral("1"));
  f->EEta->setText(QStringLiteral("0.8"));
  f->BitBtn4->click();
  f->BitBtn1->click();
  said.clear();
  f->BitBtn1->click();
  EXPECT_EQ(said, QStringList{QString::fromUtf8(proc::kWrittenMessage)});
  said.clear();
  EXPECT_EQ(run->session.deviceResults.size(), 1u);
  // A second compressor, drawn and written.
  f->EP2->setText(QStringLiteral("0.5"));
  f->BitBtn4->click();
  f->BitBtn1->click();
  ASSERT_EQ(run->session.deviceResults.size(), 2u) << said.join('|').toStdString();
  ASSERT_EQ(run->session.deviceLines.lines.size(), 2u);
  const Real T2 = run->session.deviceLines.lines[1].outT;
  EXPECT_TRUE(t->RealTab->isRowHidden(0));
  t->RealTab->setCurrentCell(2, 5);  // the outlet row of device 1
  QAction* remove = t->RealTab->findChild<QAction*>(QStringLiteral("RemoveRow"));
  ASSERT_TRUE(remove);
  remove->trigger();
  ASSERT_EQ(run->session.deviceResults.size(), 1u);
  ASSERT_EQ(run->session.deviceLines.lines.size(), 1u);
  EXPECT_EQ(run->session.deviceLines.lines[0].outT, T2);
  EXPECT_EQ(t->cell(0, 1), QStringLiteral("   1"));
  EXPECT_EQ(t->cell(5, 2), F(" %5.2f", T2));
  EXPECT_TRUE(t->cell(0, 4).isEmpty());
  EXPECT_EQ(run->program.TSvid->picture().lines.size(), 38u);
  EXPECT_TRUE(said.isEmpty()) << said.join('|').toStdString();
}

}  // namespace
