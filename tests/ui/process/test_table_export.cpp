// Tables taken out of the program: the clipboard text of a selection and of
// the whole table, and CSV files that read back to the cells shown.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <cmath>
#include <memory>

#include "core/diagram/readout.h"
#include "core/process/results.h"
#include "core/process/solve.h"
#include "csv_support.h"
#include "gui_test_support.h"
#include "session_support.h"
#include "thermo/tfs.h"
#include "ui/diagram/tspoints.h"
#include "ui/process/form2.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form3.h"
#include "ui/services/commode.h"
#include "ui/services/filedialog.h"
#include "ui/services/tableactions.h"

namespace {

// The cells of delimited text as a spreadsheet reads them. The separators
// are ASCII, which no byte of a longer UTF-8 character is.
QList<QStringList> parse(const QString& text, QChar sep) {
  QList<QStringList> rows;
  for (const std::vector<std::string>& r : testing_support::parse(text.toStdString(), char(sep.unicode()))) {
    QStringList row;
    for (const std::string& cell : r) row << QString::fromStdString(cell);
    rows << row;
  }
  return rows;
}

QString clipboard() { return QApplication::clipboard()->text(); }

QAction* action(QTableWidget* grid, const char* name) { return grid->findChild<QAction*>(QString::fromLatin1(name)); }

using Table = QList<QStringList>;

class Tables : public ::testing::Test {
 protected:
  void SetUp() override {
    run = testing_support::startProgram();
    testing_support::choose(run->session, "N2");
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override {
    EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
  }

  // Computes a process in the process window and writes it to the table.
  void addProcess(int kind, int k1, const char* v1, int k2, const char* v2, int k3, const char* v3) {
    TForm2* f = run->program.Form2.get();
    f->setProBoxIndex(kind);
    f->ProBoxClick();
    f->PaNam1->setCurrentIndex(k1);
    f->PaNam1Click();
    f->PaNam2->setCurrentIndex(k2);
    f->PaNam2Click();
    f->Edit2->setText(QString::fromLatin1(v1));
    f->Edit4->setText(QString::fromLatin1(v2));
    f->PaNam3->setCurrentIndex(k3);
    f->PaNam3Click();
    f->Edit10->setText(QString::fromLatin1(v3));
    ASSERT_TRUE(f->Calc0Click());
    f->BitBtn1Click();
  }

  std::unique_ptr<testing_support::Started> run;
  QTemporaryDir dir;
};

TEST_F(Tables, ResultsTableOfTwoProcessesSavesAsCsvAndReadsBack) {
  addProcess(proc::kIsenthalp, 0, "77.35", 1, "0.1", 1, "0.05");
  addProcess(proc::kIsotherm, 0, "100", 1, "0.1", 1, "5");
  TForm3* t = run->program.Form3.get();
  ASSERT_EQ(t->cell(0, 3), QStringLiteral("   2"));

  // What the table shows, padding blanks aside: the header and four rows.
  Table shown;
  for (int r = 0; r <= 4; ++r) {
    QStringList row;
    for (int c = 0; c < proc::kResultColumns; ++c) row << t->cell(c, r).trimmed();
    shown << row;
  }
  ASSERT_FALSE(shown[3][10].isEmpty());  // Q of the isotherm, on its start row

  const QString path = dir.filePath(QStringLiteral("процессы.csv"));
  ASSERT_TRUE(app::saveCsv(app::gridCells(t->IdTab), path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
  const QString text = QString::fromUtf8(bytes.mid(3));
  EXPECT_EQ(parse(text, QChar(app::csvSeparator())), shown);
  EXPECT_TRUE(text.startsWith(QStringLiteral("N")));
  // The numbers are never quoted: a spreadsheet reads them as numbers.
  for (const QString& line : text.split(u'\n').mid(1)) EXPECT_FALSE(line.contains(u'"')) << line.toStdString();

  // "Копировать всё" puts the same cells on the clipboard, tab-separated.
  QAction* all = action(t->IdTab, "CopyTable");
  ASSERT_TRUE(all);
  EXPECT_EQ(all->text(), QStringLiteral("Копировать всё"));
  all->trigger();
  EXPECT_EQ(parse(clipboard(), u'\t'), shown);

  // A file that cannot be written: false, nothing left, the earlier file whole.
  EXPECT_FALSE(app::saveCsv(app::gridCells(t->IdTab), dir.filePath(QStringLiteral("missing/t.csv"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));
  ASSERT_TRUE(app::saveCsv({{"x"}}, path));
  EXPECT_EQ(QFile(path).size(), 3 + 2);
}

TEST_F(Tables, SelectionOfThePointsTableGoesToTheClipboardWithCtrlC) {
  TTS_points* p = run->program.TS_points.get();
  p->TS_tab->clearSelection();
  for (int r = 1; r <= 3; ++r) {
    app::PointRow row;
    row.substance = "N2";
    row.T = 100 + r / tfs::Real(10);
    row.P = 0.5L;
    row.d = 800.1L;
    row.h = -50;
    row.s = 3;
    row.Cp = 2;
    run->session.points.push_back(row);
    p->showPoint(r);
  }
  auto shown = [](const char* pattern, tfs::Real v) { return app::fmt(pattern, v).trimmed(); };
  QTableWidget* g = p->TS_tab;
  EXPECT_EQ(g->contextMenuPolicy(), Qt::ActionsContextMenu);
  // A right click on the cells opens the menu.
  QStringList texts;
  QTimer::singleShot(0, [&texts] {
    if (auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* a : m->actions()) texts << a->text();
      m->close();
    }
  });
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(50, 30), g->viewport()->mapToGlobal(QPoint(50, 30)));
  QApplication::sendEvent(g->viewport(), &click);
  EXPECT_EQ(texts, (QStringList{QStringLiteral("Копировать"), QStringLiteral("Копировать всё"),
                                QStringLiteral("Сохранить в CSV...")}));

  // Rows 1..2, columns T to P, through the keyboard.
  p->show();
  p->activateWindow();
  g->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(p));
  g->setRangeSelected(QTableWidgetSelectionRange(1, 2, 2, 3), true);
  QApplication::clipboard()->clear();
  QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
  const QString P = shown("%8.3f", 0.5L);
  EXPECT_EQ(clipboard(), shown("%6.2f", 100.1L) + u'\t' + P + u'\n' + shown("%6.2f", 100.2L) + u'\t' + P + u'\n');

  // Two separate cells: the rectangle between them, the rest empty.
  g->clearSelection();
  g->setRangeSelected(QTableWidgetSelectionRange(1, 1, 1, 1), true);
  g->setRangeSelected(QTableWidgetSelectionRange(3, 5, 3, 5), true);
  action(g, "CopyCells")->trigger();
  const QString two = QStringLiteral("N2\t\t\t\t\n\t\t\t\t\n\t\t\t\t") + shown("%8.2f", -50) + u'\n';
  EXPECT_EQ(clipboard(), two);

  // Nothing selected: the clipboard keeps what it had.
  g->clearSelection();
  action(g, "CopyCells")->trigger();
  EXPECT_EQ(clipboard(), two);

  // The whole table: header row, three rows, no empty columns at the right.
  action(g, "CopyTable")->trigger();
  const Table all = parse(clipboard(), u'\t');
  ASSERT_EQ(all.size(), 4);
  EXPECT_EQ(all[0].size(), 10);  // up to the model's column; the unnamed one is empty
  EXPECT_EQ(all[0][9], QStringLiteral("Модель"));
  EXPECT_EQ(all[1][9], QStringLiteral("SRK"));
  EXPECT_EQ(all[0][2], QStringLiteral("T, K"));
  EXPECT_EQ(all[3][0], QStringLiteral("3"));
  p->hide();
}

// A two-phase state's heat capacity is "∞" in the points table; the
// clipboard and a saved CSV keep the library's marker, a number.
TEST_F(Tables, AnInfiniteHeatCapacityIsShownAsSuchAndSavedAsANumber) {
  TTS_points* p = run->program.TS_points.get();
  for (tfs::Real Cp : {tfs::Real(1.04L), tfs::kTwoPhaseCp}) {
    app::PointRow row;
    row.substance = "N2";
    row.T = 77.35L;
    row.P = 0.1L;
    row.d = 10;
    row.h = 50;
    row.s = 4;
    row.Cp = Cp;
    row.x = Cp == tfs::kTwoPhaseCp ? 0.5L : 0;
    run->session.points.push_back(row);
    p->showPoint(int(run->session.points.size()));
  }
  EXPECT_EQ(p->cell(7, 1), app::fmt("%8.3f", 1.04L));
  EXPECT_EQ(p->cell(7, 2), QStringLiteral("∞"));
  const QString number = app::fmt("%8.3f", 1000000).trimmed();
  const QString path = dir.filePath(QStringLiteral("точки.csv"));
  ASSERT_TRUE(app::saveCsv(app::gridCells(p->TS_tab), path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const Table csv = parse(QString::fromUtf8(f.readAll().mid(3)), QChar(app::csvSeparator()));
  ASSERT_GE(csv.size(), 3);
  EXPECT_EQ(csv[1][7], app::fmt("%8.3f", 1.04L).trimmed());
  EXPECT_EQ(csv[2][7], number);
  action(p->TS_tab, "CopyTable")->trigger();
  EXPECT_EQ(parse(clipboard(), u'\t')[2][7], number);
  p->TS_tab->setRangeSelected(QTableWidgetSelectionRange(2, 7, 2, 7), true);
  action(p->TS_tab, "CopyCells")->trigger();
  EXPECT_EQ(clipboard(), number + u'\n');
  // The number again once units change (the rows are written anew).
  run->session.main.units = app::Units::Molar;
  p->rebuild();
  EXPECT_EQ(p->cell(7, 2), QStringLiteral("∞"));
  action(p->TS_tab, "CopyTable")->trigger();
  EXPECT_EQ(parse(clipboard(), u'\t')[2][7], number);
}

// A table saved from its menu starts with its heading on a line of its own,
// naming the models of its rows (the chosen one while it is empty), then
// its header row: a spreadsheet reads the heading as one cell. Each row
// names its model; the cycles' tables name the cycle, substance and model.
TEST_F(Tables, SavedTablesStartWithTheirHeadingNamingTheModels) {
  TForm3* t = run->program.Form3.get();
  const QString path = dir.filePath(QStringLiteral("таблица.csv"));
  app::setFileDialog([&](const app::FileRequest&) { return path; });
  auto saved = [&](QTableWidget* grid) {
    action(grid, "SaveCsv")->trigger();
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return parse(QString::fromUtf8(f.readAll().mid(3)), QChar(app::csvSeparator()));
  };
  const QString cubic = QStringLiteral("Кубическое уравнение (SRK)"), reference = QStringLiteral("Эталонное уравнение состояния");
  Table csv = saved(t->IdTab);
  ASSERT_EQ(csv.size(), 2);
  EXPECT_EQ(csv[0], QStringList{QStringLiteral("Таблица резульатов расчета идеальных процессов  [ ") + cubic + QStringLiteral(" ]")});
  EXPECT_EQ(csv[1][0], QStringLiteral("N"));
  EXPECT_EQ(csv[1][proc::kResultColumns - 1], QStringLiteral("Модель"));

  addProcess(proc::kIsenthalp, 0, "77.35", 1, "0.1", 1, "0.05");
  // A row computed by the other model joins it.
  proc::ResultRow other = run->session.results.back();
  other.number = 2;
  other.model = tfs::ModelKind::Reference;
  run->session.results.push_back(other);
  t->showProcess(2);
  csv = saved(t->IdTab);
  ASSERT_EQ(csv.size(), 6);
  EXPECT_EQ(csv[0][0], QStringLiteral("Таблица резульатов расчета идеальных процессов  [ ") + cubic + QStringLiteral("; ") +
                           reference + QStringLiteral(" ]"));
  EXPECT_EQ(csv[2][proc::kResultColumns - 1], QStringLiteral("SRK"));
  EXPECT_EQ(csv[4][proc::kResultColumns - 1], QStringLiteral("эталонное"));
  EXPECT_EQ(csv[4][1], QStringLiteral("N2"));
  // "Копировать всё" stays the grid: the header row first.
  action(t->IdTab, "CopyTable")->trigger();
  EXPECT_EQ(parse(clipboard(), u'\t')[0][0], QStringLiteral("N"));

  // The points table, still empty, names the chosen model.
  run->session.main.model = tfs::ModelKind::Reference;
  run->program.TS_points->showHeading();
  csv = saved(run->program.TS_points->TS_tab);
  EXPECT_EQ(csv[0], QStringList{QStringLiteral("Параметры точек, снятых с TS диаграммы  [ ") + reference + QStringLiteral(" ]")});
  run->session.main.model = tfs::ModelKind::Cubic;

  // The cycles' states: the cycle, the substance and the model.
  TCycles* c = run->program.Cycles.get();
  c->setSubstanceCaption(QString::fromStdString(app::substanceHeading(run->session.main)));
  csv = saved(c->States);
  EXPECT_EQ(csv[0], QStringList{QStringLiteral("Линде–Хэмпсон. Рабочее вещество - Азот  [ ") + cubic + QStringLiteral(" ]")});
  EXPECT_EQ(csv[1][0], QStringLiteral("N"));
  EXPECT_EQ(csv.size(), 2 + 7);
  app::setFileDialog([](const app::FileRequest&) { return QString(); });
}

}  // namespace
