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
#include <QTest>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

#include "core/base/numfmt.h"
#include "gui_test_support.h"
#include "ui/diagram/render.h"
#include "ui/diagram/tsvid.h"
#include "ui/files/keeper.h"
#include "ui/files/workfile.h"
#include "ui/main/mainwindow.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form5.h"
#include "ui/process/grid.h"
#include "ui/services/commode.h"
#include "ui/services/tableactions.h"

namespace {

using diagram::LineRole;

using testing_support::snapshot;

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
  EXPECT_EQ(c->Label1->text(), QStringLiteral(" Рабочее вещество - Азот  [ Кубическое уравнение (SRK) ] "));
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
            QString::fromStdString(proc::shownText(app::Units::Molar, app::Dim::Enthalpy, r.Wi, s.main.eos())));

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

// Types a text into a data field and enters it as the student does.
void type(QDoubleSpinBox* field, const QString& text, bool leave = false) {
  auto* edit = field->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->setText(text);
  if (leave) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
  } else {
    QTest::keyClick(field, Qt::Key_Return);
  }
}

// A value as a window shows it, read back.
double shownValue(const QString& text) {
  QString t = text.trimmed();
  t.replace(u',', u'.');
  return t.toDouble();
}

TEST(CycleWindow, TypedTextsAreNumbersOfTheLanguageOrRefusedWithTheValueBack) {
  auto run = testing_support::startProgram();
  TCycles* c = run->program.Cycles.get();
  QStringList& said = testing_support::recorder().texts;
  choose(run->program.Form1.get(), 4);
  pick(c, 2);
  const proc::CycleData& d = run->session.cycles.current();
  const char keep = app::decimalSeparator();
  const QString notANumber = QStringLiteral("в окне не является числом");
  const struct {
    char separator;  // the language's: ',' Russian, '.' English
    TCycles::Field field;
    const char* typed;
    bool leave;
    double value;      // the value the cycle then holds
    const char* says;  // the message, or nothing
  } cases[] = {
      {',', TCycles::kXe, "0,35", false, 0.35, ""},
      {',', TCycles::kXe, "0.25", true, 0.25, ""},
      {'.', TCycles::kXe, "0.2", false, 0.2, ""},
      {'.', TCycles::kXe, "3e-1", true, 0.3, ""},
      // A comma is no decimal separator in English: not 9, not 0.9.
      {'.', TCycles::kXe, "0,9", false, 0.3, "в окне не является числом"},
      {',', TCycles::kEtaS, "0,7x", false, 0.8, "в окне не является числом"},
      {'.', TCycles::kT3, "abc", true, 202, "в окне не является числом"},
      // An efficiency too small to give a finite work: the cycle's reason.
      {'.', TCycles::kEtaS, "1e-308", false, 0.8, "не меньше 0.01"},
      // A whole number beyond what the spin box could hold is the cycle's to
      // refuse, not 16 MPa.
      {',', TCycles::kPhigh, "1e6", false, 20, "давление выше"},
      {'.', TCycles::kPhigh, "1e400", false, 20, "в окне не является числом"},
      // A small value is kept whole, not rounded to the decimals shown.
      {',', TCycles::kLeak, "0,0004", false, 0.0004, ""},
      // An empty field is 0, as in the other windows: no leak is a leak of 0.
      {',', TCycles::kLeak, "", false, 0, "В окно ничего не введено"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.typed) + " with " + k.separator);
    app::setDecimalSeparator(k.separator);
    said.clear();
    type(c->Data[k.field], QString::fromLatin1(k.typed), k.leave);
    const proc::Real held[TCycles::kFieldCount] = {d.Plow, d.Phigh, d.T1, d.etaT, d.dT, d.leak, d.Tpre, d.xe, d.T3, d.etaS};
    EXPECT_NEAR(double(held[k.field]), k.value, 1e-12);
    if (*k.says) {
      ASSERT_FALSE(said.isEmpty());
      EXPECT_TRUE(said.first().contains(QString::fromUtf8(k.says))) << said.join(u'|').toStdString();
    } else {
      EXPECT_TRUE(said.isEmpty()) << said.join(u'\n').toStdString();
    }
    // The field shows what the cycle holds, in the language's way.
    EXPECT_NEAR(shownValue(c->Data[k.field]->text()), k.value, 1e-9) << c->Data[k.field]->text().toStdString();
    if (k.separator == '.') EXPECT_FALSE(c->Data[k.field]->text().contains(u','));
  }
  // A step from a text that is no number says so and does not step.
  said.clear();
  app::setDecimalSeparator('.');
  c->Data[TCycles::kXe]->findChild<QLineEdit*>()->setText(QStringLiteral("x"));
  c->Data[TCycles::kXe]->stepUp();
  EXPECT_NEAR(double(d.xe), 0.3, 1e-12);
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains(notANumber));
  app::setDecimalSeparator(keep);
}

TEST(CycleWindow, TheWorksShownAddUpAndSayWhatTheyArePer) {
  auto run = testing_support::startProgram();
  TCycles* c = run->program.Cycles.get();
  app::Session& s = run->session;
  choose(run->program.Form1.get(), 4);
  const struct {
    int kind;
    int subst;
    double leak;
  } cases[] = {{2, 4, 0}, {2, 4, 400}, {1, 1, 0}, {0, 4, 0}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::to_string(k.kind) + " leak " + std::to_string(k.leak));
    choose(run->program.Form1.get(), k.subst);
    pick(c, k.kind);
    c->Data[TCycles::kLeak]->setValue(k.leak);
    ASSERT_TRUE(s.cycles.result.shown());
    // W = Wc - We + Wbath as shown, each to its last digit.
    const double W = shownValue(c->Res[TCycles::kW]->text()), Wc = shownValue(c->Res[TCycles::kWc]->text()),
                 We = shownValue(c->Res[TCycles::kWe]->text()), Wb = shownValue(c->Res[TCycles::kWbath]->text());
    EXPECT_NEAR(W, Wc - We + Wb, 0.015 + 1e-9);
    EXPECT_EQ(c->Res[TCycles::kWe]->text().isEmpty(), k.kind != 2);
    if (k.leak > 0) {
      EXPECT_GT(We, 0);
      EXPECT_TRUE(c->Message->text().contains(QStringLiteral("детандера"))) << c->Message->text().toStdString();
    }
  }
  // Per mole every name says so, none per kilogram.
  for (app::Units u : {app::Units::Molar, app::Units::Specific}) {
    s.main.units = u;
    c->unitsChanged();
    const bool molar = u == app::Units::Molar;
    for (QLabel* name : {c->DataName[TCycles::kLeak], c->ResName[TCycles::kW], c->ResName[TCycles::kWf]})
      EXPECT_TRUE(name->text().contains(molar ? QStringLiteral("на 1 моль") : QStringLiteral("на 1 кг")))
          << name->text().toStdString();
    for (QLabel* l : c->findChildren<QLabel*>())
      EXPECT_FALSE(l->text().contains(molar ? QStringLiteral("кг") : QStringLiteral("моль"))) << l->text().toStdString();
  }
}

TEST(CycleWindow, TheChartShowsWholeNamesAndNoScaleWhenEmpty) {
  auto run = testing_support::startProgram();
  TCycles* c = run->program.Cycles.get();
  QChart* chart = c->Chart->chart();
  // Before a substance: nothing to read, no scale (no "0, 1, 1").
  for (QAbstractAxis* a : chart->axes()) EXPECT_FALSE(a->isVisible());
  choose(run->program.Form1.get(), 4);
  c->resize(1180, 940);
  c->show();
  for (int kind : {2, 0}) {
    pick(c, kind);
    QApplication::processEvents();
    const auto names = chart->axes(Qt::Vertical);
    ASSERT_EQ(names.size(), 1);
    auto* cat = qobject_cast<QBarCategoryAxis*>(names.first());
    ASSERT_NE(cat, nullptr);
    EXPECT_TRUE(cat->isVisible());
    // Every component by its full name, as in the list, and room for the
    // widest before the bars.
    const QFontMetrics fm(cat->labelsFont());
    int widest = 0;
    for (int row = 1; row <= cat->count(); ++row) {
      const QString name = proc::GridCell(c->Losses, 0, row).trimmed();
      EXPECT_TRUE(cat->categories().contains(name)) << name.toStdString();
      widest = std::max(widest, fm.horizontalAdvance(name));
    }
    EXPECT_EQ(cat->count(), c->Bars->count());
    EXPECT_GT(chart->plotArea().left(), widest);
    // The numbers with as many decimals as their step needs.
    auto* val = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).first());
    ASSERT_NE(val, nullptr);
    EXPECT_EQ(val->labelFormat(), QStringLiteral("%.0f"));
  }
  c->Data[TCycles::kLeak]->setValue(40);  // no liquid: no bars, no scale
  EXPECT_EQ(c->Bars->count(), 0);
  for (QAbstractAxis* a : chart->axes()) EXPECT_FALSE(a->isVisible());
}

// The labels' boxes as the painter draws them at a chart's size: no state
// number covers another label or a state's mark, each inside the plot.
TEST(CycleWindow, StateNumbersCoverNoLabelAndNoMark) {
  auto run = testing_support::startProgram();
  TCycles* c = run->program.Cycles.get();
  TTSvid* tv = run->program.TSvid.get();
  const struct {
    int subst, kind;
    double xe;
  } cases[] = {{4, 2, 0.3}, {4, 2, 0.5}, {4, 0, 0}, {1, 1, 0}, {0, 2, 0.3}, {10, 2, 0.3}};
  for (const auto& k : cases) {
    choose(run->program.Form1.get(), k.subst);
    pick(c, k.kind);
    if (k.kind == 2) c->Data[TCycles::kXe]->setValue(k.xe);
    c->OnDiagram->setChecked(true);
    const diagram::Picture& p = tv->picture();
    ASSERT_TRUE(run->session.cycles.result.liquid()) << k.subst;
    for (QSize size : {QSize(1200, 800), QSize(1000, 800), QSize(800, 600)}) {
      SCOPED_TRACE(std::to_string(k.subst) + " kind " + std::to_string(k.kind) + " at " + std::to_string(size.width()));
      const diagram::ChartLayout l = diagram::chartLayout(p, size);
      ASSERT_EQ(l.labels.size(), p.labels.size());
      const QRectF plot(QPointF(l.plot.left, l.plot.top), QPointF(l.plot.right, l.plot.bottom));
      std::vector<QRectF> marks;
      // The dome's lines as segments of pixels: no number sits on them.
      std::vector<QLineF> dome;
      for (const diagram::Polyline& line : p.lines) {
        if (line.role == LineRole::CycleStates)
          for (const diagram::SPoint& q : line.points)
            marks.push_back(QRectF(diagram::pixelOf(l, p, q) - QPointF(3, 3), QSizeF(6, 6)));
        if (line.role == LineRole::SatLiquid || line.role == LineRole::SatVapour)
          for (std::size_t k = 1; k < line.points.size(); ++k)
            dome.push_back(QLineF(diagram::pixelOf(l, p, line.points[k - 1]), diagram::pixelOf(l, p, line.points[k])));
      }
      auto crosses = [](const QRectF& r, const QLineF& s) {
        if (r.contains(s.p1()) || r.contains(s.p2())) return true;
        const QLineF sides[4] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                                 {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
        for (const QLineF& e : sides)
          if (s.intersects(e, nullptr) == QLineF::BoundedIntersection) return true;
        return false;
      };
      int numbers = 0;
      for (std::size_t i = 0; i < l.labels.size(); ++i) {
        if (l.labels[i].role != diagram::LabelRole::CycleState) continue;
        ++numbers;
        const QRectF a = diagram::labelRect(l, p, l.labels[i]);
        EXPECT_TRUE(plot.contains(a)) << l.labels[i].text;
        for (std::size_t j = 0; j < l.labels.size(); ++j)
          if (j != i) EXPECT_FALSE(a.intersects(diagram::labelRect(l, p, l.labels[j]))) << l.labels[i].text << " and " << l.labels[j].text;
        for (const QRectF& m : marks) EXPECT_FALSE(a.intersects(m)) << l.labels[i].text;
        for (const QLineF& d : dome) EXPECT_FALSE(crosses(a, d)) << l.labels[i].text << " on the dome";
      }
      EXPECT_GE(numbers, 5);
    }
  }
}

TEST(CycleWindow, TheCyclesButtonFitsItsTextInsideTheRealProcessWindow) {
  auto run = testing_support::startProgram();
  TForm5* real = run->program.Form5.get();
  QPushButton* b = real->BitBtn6;
  const QRect g = b->geometry();
  // The window's margin kept, the text with room on both sides, and no
  // other control under it.
  EXPECT_GE(g.left(), 8);
  EXPECT_LE(g.right(), real->width() - 8);
  EXPECT_LE(g.bottom(), real->height() - 8);
  EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 16, g.width());
  for (QWidget* w : real->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (w != b && !w->isWindow()) EXPECT_FALSE(g.intersects(w->geometry())) << w->metaObject()->className();
}

}  // namespace
