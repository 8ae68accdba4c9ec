// The real-process window on the program's windows, driven as a student
// drives it: from the main menu, a compressor computed, written to its
// table, drawn on the diagram, refused, carried on; other units; another
// substance. With ENTROGRAF_SNAPSHOT=<file.png> the window is written there
// and the diagram and the table beside it (<file>-diagram.png,
// <file>-table.png).

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/commode.h"
#include "app/numfmt.h"
#include "app/mainwindow.h"
#include "diagram/tsvid.h"
#include "gui_test_support.h"
#include "process/form5.h"
#include "process/form6.h"

namespace {

using proc::Real;

QString F(const char* pattern, Real v) { return app::fmt(pattern, v); }

void snapshot(QWidget* w, const char* suffix) {
  const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT");
  if (out.isEmpty()) return;
  QString file = QString::fromLocal8Bit(out);
  if (*suffix) file.replace(QStringLiteral(".png"), QString::fromLatin1(suffix) + QStringLiteral(".png"));
  EXPECT_TRUE(w->grab().save(file));
}

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
  EXPECT_EQ(f->Label1->text(), QStringLiteral(" Рабочее вещество - Азот "));

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
  EXPECT_EQ(f->Label1->text(), QStringLiteral(" Рабочее вещество - Аргон "));
  EXPECT_TRUE(run->session.deviceLines.lines.empty());
  EXPECT_EQ(tv->picture().lines.size(), 36u);
  EXPECT_TRUE(said.isEmpty()) << said.join('|').toStdString();
}

}  // namespace
