// The liquefaction cycles window on the program's windows, driven as a
// student drives it: opened from the real-process window, nitrogen's
// Linde–Hampson cycle shown, the high pressure changed, drawn on the
// diagram, a value refused, Claude chosen, other units, hydrogen. With
// ENTROGRAF_SNAPSHOT=<file.png> the window is written there, the diagram
// beside it (<file>-diagram.png), the bar chart (<file>-chart.png), and
// hydrogen's precooled cycle (<file>-h2.png, <file>-h2-diagram.png).

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>

#include "app/commode.h"
#include "app/keeper.h"
#include "app/workfile.h"
#include "app/mainwindow.h"
#include "app/tableactions.h"
#include "diagram/tsvid.h"
#include "gui_test_support.h"
#include "process/cyclewindow.h"
#include "process/form5.h"
#include "process/grid.h"

namespace {

using diagram::LineRole;

void snapshot(QWidget* w, const char* suffix) {
  const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT");
  if (out.isEmpty()) return;
  QString file = QString::fromLocal8Bit(out);
  if (*suffix) file.replace(QStringLiteral(".png"), QString::fromLatin1(suffix) + QStringLiteral(".png"));
  EXPECT_TRUE(w->grab().save(file));
}

int count(const diagram::Picture& p, LineRole role) {
  return int(std::count_if(p.lines.begin(), p.lines.end(), [&](const diagram::Polyline& l) { return l.role == role; }));
}

void choose(TForm1* main, int row) {
  main->BboList->setCurrentRow(row);
  main->BboListClick();
}

void pick(TCycles* c, int kind) {
  c->Kind->setCurrentIndex(kind);
  emit c->Kind->activated(kind);
}

TEST(CycleWindow, NitrogenLindeHampsonFollowedOnTheDiagramAndRefusalsKeepIt) {
  auto run = testing_support::startProgram();
  TForm1* main = run->program.Form1.get();
  TForm5* real = run->program.Form5.get();
  TCycles* c = run->program.Cycles.get();
  TTSvid* tv = run->program.TSvid.get();
  app::Session& s = run->session;
  QStringList& said = testing_support::recorder().texts;
  said.clear();
  choose(main, 4);
  main->RealProc->trigger();
  real->BitBtn6->click();
  ASSERT_TRUE(c->isVisible());
  EXPECT_EQ(c->Label1->text(), QStringLiteral(" Рабочее вещество - Азот "));
  EXPECT_EQ(c->Kind->currentIndex(), 0);
  EXPECT_DOUBLE_EQ(c->Data[TCycles::kPhigh]->value(), 20);

  // The textbook cycle: yield, seven states, five components adding up.
  const proc::CycleResult& r = s.cycles.result;
  ASSERT_TRUE(r.liquid());
  EXPECT_GT(r.y, 0.066);
  EXPECT_LT(r.y, 0.0708);
  EXPECT_EQ(c->Res[TCycles::kYield]->text(), app::fmt("%.5f", r.y));
  EXPECT_EQ(proc::GridCell(c->States, 0, 7), QStringLiteral("  7"));
  EXPECT_TRUE(proc::GridCell(c->States, 0, 8).isEmpty());
  EXPECT_FALSE(proc::GridCell(c->States, 7, 4).isEmpty());  // the valve's outlet is wet
  ASSERT_EQ(c->Bars->count(), 5);
  double bars = 0;
  for (int k = 0; k < c->Bars->count(); ++k) bars += c->Bars->at(k);
  EXPECT_NEAR(bars, double(r.Wf - r.Wi), 1e-9 * double(r.Wf));
  EXPECT_TRUE(said.isEmpty()) << said.join(u'\n').toStdString();

  // Drawn: isobars and chords in their colour, states marked, 1 and 7 (the
  // warm end) one label.
  const long changes = s.changes;
  c->OnDiagram->setChecked(true);
  EXPECT_TRUE(tv->isVisible());
  EXPECT_GT(s.changes, changes);
  EXPECT_EQ(count(tv->picture(), LineRole::CycleLine), 4);
  EXPECT_EQ(count(tv->picture(), LineRole::CycleChord), 2);
  const auto& labels = tv->picture().labels;
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const diagram::Label& l) {
    return l.role == diagram::LabelRole::CycleState && l.text == "1, 7" && l.colour == diagram::kViolet;
  }));

  // A lower high pressure: less liquid, the diagram follows at once.
  const proc::Real y20 = r.y, T3at20 = r.at(3)->p.T;
  c->Data[TCycles::kPhigh]->setValue(10);
  EXPECT_LT(r.y, y20);
  EXPECT_NE(r.at(3)->p.T, T3at20);
  EXPECT_EQ(c->Res[TCycles::kYield]->text(), app::fmt("%.5f", r.y));
  const auto& lines = tv->picture().lines;
  const auto hot = std::find_if(lines.begin(), lines.end(), [](const diagram::Polyline& l) { return l.role == LineRole::CycleLine; });
  ASSERT_NE(hot, lines.end());
  EXPECT_NEAR(hot->points.back().T, double(r.at(3)->p.T), 1e-9);

  // Refused: the reason said once, the field and everything shown as before.
  const proc::Real y10 = r.y;
  said.clear();
  c->Data[TCycles::kPlow]->setValue(25);
  ASSERT_EQ(said.size(), 1);
  EXPECT_EQ(said[0], QStringLiteral("Низкое давление должно быть ниже высокого !"));
  EXPECT_DOUBLE_EQ(c->Data[TCycles::kPlow]->value(), 0.101325);
  EXPECT_EQ(r.y, y10);
  said.clear();

  // Claude: the expander's states, the wet exhaust's dryness, eight components.
  pick(c, 2);
  ASSERT_TRUE(r.liquid());
  EXPECT_EQ(r.kind, proc::Cycle::Claude);
  EXPECT_TRUE(c->Data[TCycles::kXe]->isEnabled());
  EXPECT_FALSE(c->Data[TCycles::kTpre]->isEnabled());
  EXPECT_EQ(proc::GridCell(c->States, 0, 13), QStringLiteral("  13"));
  EXPECT_EQ(c->Bars->count(), 8);
  EXPECT_FALSE(c->Res[TCycles::kWe]->text().isEmpty());
  const proc::Real yClaude = r.y;
  c->Data[TCycles::kXe]->setValue(0.4);
  EXPECT_GT(r.y, yClaude);
  EXPECT_EQ(count(tv->picture(), LineRole::CycleChord), 3);

  // Per mole: the headers, the works in J/mol.
  s.main.units = app::Units::Molar;
  c->unitsChanged();
  EXPECT_TRUE(proc::GridCell(c->States, 5, 0).contains(QStringLiteral("Дж/моль")));
  EXPECT_EQ(c->ResUnit[TCycles::kWf]->text(), QStringLiteral("Дж/моль жидкости"));
  EXPECT_EQ(c->Res[TCycles::kWi]->text(),
            QString::fromStdString(proc::shownText(app::Units::Molar, app::Dim::Enthalpy, r.Wi, s.main.subst)));

  // The table and the chart copied.
  const app::TextTable all = app::gridCells(c->States);
  EXPECT_EQ(all.size(), 14u);
  EXPECT_FALSE(c->chartImage().isNull());
  c->Chart->actions().at(0)->trigger();
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());

  s.main.units = app::Units::Specific;
  c->unitsChanged();
  pick(c, 0);
  c->Data[TCycles::kPhigh]->setValue(20);

  // Saved and opened again: the window shows the cycle kept, drawn.
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("cycle.entrograf"));
  app::WorkError error;
  ASSERT_TRUE(app::saveWorkFile(s, path, error));
  const QString yield = c->Res[TCycles::kYield]->text();
  pick(c, 2);
  c->OnDiagram->setChecked(false);
  ASSERT_TRUE(run->program.Files->openFile(path));
  EXPECT_EQ(c->Kind->currentIndex(), 0);
  EXPECT_EQ(c->Res[TCycles::kYield]->text(), yield);
  EXPECT_TRUE(c->OnDiagram->isChecked());
  EXPECT_EQ(count(tv->picture(), LineRole::CycleLine), 4);
  EXPECT_FALSE(s.modified());
  // A change in the real-process window is work to be saved too.
  real->Edit2->setText(QStringLiteral("300"));
  EXPECT_TRUE(s.modified());
  snapshot(c, "");
  snapshot(tv, "-diagram");
  snapshot(c->Chart, "-chart");
}

TEST(CycleWindow, HydrogenNeedsItsBath) {
  auto run = testing_support::startProgram();
  TForm1* main = run->program.Form1.get();
  TCycles* c = run->program.Cycles.get();
  TTSvid* tv = run->program.TSvid.get();
  const proc::CycleResult& r = run->session.cycles.result;
  choose(main, 1);  // n-H2
  EXPECT_EQ(r.status, proc::CycleStatus::NoLiquid);
  EXPECT_TRUE(c->Message->text().contains(QStringLiteral("инверсии")));
  EXPECT_TRUE(c->Res[TCycles::kWf]->text().isEmpty());
  EXPECT_EQ(c->Bars->count(), 0);
  pick(c, 1);
  EXPECT_TRUE(r.liquid());
  EXPECT_GT(r.y, 0.1);
  EXPECT_DOUBLE_EQ(c->Data[TCycles::kTpre]->value(), 77);
  c->show();
  c->OnDiagram->setChecked(true);
  EXPECT_EQ(count(tv->picture(), LineRole::CycleLine), 7);
  // Another substance takes the cycle off the diagram.
  snapshot(c, "-h2");
  snapshot(tv, "-h2-diagram");
  choose(main, 4);
  EXPECT_EQ(count(tv->picture(), LineRole::CycleLine), 0);
  EXPECT_FALSE(c->OnDiagram->isChecked());
}

}  // namespace
