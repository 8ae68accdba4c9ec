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

#include "app/appstate.h"
#include "app/commode.h"
#include "app/tabletext.h"
#include "app/windows.h"
#include "diagram/procstore.h"
#include "diagram/tspoints.h"
#include "process/form2.h"
#include "process/form3.h"
#include "process/solve.h"
#include "tests/gui_test_support.h"
#include "thermo/report.h"
#include "thermo/substances.h"

namespace {

// A reader of delimited text as a spreadsheet reads it: quoted fields may
// hold the separator, line breaks and doubled quotes.
app::TextTable parse(const QString& text, QChar sep) {
  app::TextTable rows;
  QStringList row;
  QString cell;
  bool quoted = false, any = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
        cell += u'"';
        ++i;
      } else if (c == u'"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == u'"') {
      quoted = true;
      any = true;
    } else if (c == sep) {
      row << cell;
      cell.clear();
      any = true;
    } else if (c == u'\n') {
      row << cell;
      rows << row;
      row.clear();
      cell.clear();
      any = false;
    } else {
      cell += c;
      any = true;
    }
  }
  if (any) rows << (row << cell);
  return rows;
}

QString clipboard() { return QApplication::clipboard()->text(); }

QAction* action(QTableWidget* grid, const char* name) { return grid->findChild<QAction*>(QString::fromLatin1(name)); }

TEST(TableText, CellsThatWouldSplitAreQuotedAndReadBack) {
  const app::TextTable rows = {{QStringLiteral("a"), QStringLiteral("1,5"), QStringLiteral("x;y")},
                               {QStringLiteral("say \"hi\""), QString(), QStringLiteral("two\nlines")},
                               {QStringLiteral("tab\there"), QStringLiteral("cr\rend"), QStringLiteral("Азот")}};
  for (QChar sep : {QChar(u','), QChar(u';'), QChar(u'\t')}) EXPECT_EQ(parse(app::tableText(rows, sep), sep), rows) << int(sep.unicode());
  // Plain cells stay as they are.
  EXPECT_EQ(app::tableText({{QStringLiteral("1.5"), QStringLiteral("N2")}, {QStringLiteral("x")}}, u'\t'),
            QStringLiteral("1.5\tN2\nx\n"));
  EXPECT_EQ(app::tableText({{QStringLiteral("1,5"), QStringLiteral("a\"b")}}, u';'), QStringLiteral("1,5;\"a\"\"b\"\n"));
  EXPECT_EQ(app::tableText({}, u','), QString());
  // The separator suits the numbers: a comma only where they have points.
  EXPECT_EQ(app::csvSeparator(), app::decimalSeparator() == ',' ? QChar(u';') : QChar(u','));
}

class Tables : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!app::windows().Form1) app::createWindows();
  }
  void SetUp() override {
    app::AppState& s = app::state();
    s.name = "N2";
    s.subst = tfs::SubstIndex("N2");
    s.chosen = true;
    s.Tmin = tfs::Ttr[s.subst] + 0.0001L;
    s.Tmax = 350;
    s.lnTmin = std::log(s.Tmin);
    s.lnTmax = std::log(s.Tmax);
    diagram::procStore().clearLines();
    diagram::procStore().resetCounters();
    delete app::windows().Form3;
    app::windows().Form3 = new TForm3;
    testing_support::recorder().texts.clear();
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override {
    EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
  }

  // Computes a process in the process window and writes it to the table.
  void addProcess(int kind, int k1, const char* v1, int k2, const char* v2, int k3, const char* v3) {
    if (!f) f = std::make_unique<TForm2>();
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

  QTemporaryDir dir;
  std::unique_ptr<TForm2> f;
};

TEST_F(Tables, ResultsTableOfTwoProcessesSavesAsCsvAndReadsBack) {
  addProcess(proc::kIsenthalp, 0, "77.35", 1, "0.1", 1, "0.05");
  addProcess(proc::kIsotherm, 0, "100", 1, "0.1", 1, "5");
  TForm3* t = app::windows().Form3;
  ASSERT_EQ(t->cell(0, 3), QStringLiteral("   2"));

  // What the table shows, padding blanks aside: the header and four rows.
  app::TextTable shown;
  for (int r = 0; r <= 4; ++r) {
    QStringList row;
    for (int c = 0; c < 12; ++c) row << t->cell(c, r).trimmed();
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
  EXPECT_EQ(parse(text, app::csvSeparator()), shown);
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
  EXPECT_FALSE(app::saveCsv(shown, dir.filePath(QStringLiteral("missing/t.csv"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));
  ASSERT_TRUE(app::saveCsv({{QStringLiteral("x")}}, path));
  EXPECT_EQ(QFile(path).size(), 3 + 2);
}

TEST_F(Tables, SelectionOfThePointsTableGoesToTheClipboardWithCtrlC) {
  TTS_points* p = app::windows().TS_points;
  p->TS_tab->clearSelection();
  for (int r = 1; r <= 3; ++r)
    p->writeRow(r, {QStringLiteral("%1").arg(r, 5), QStringLiteral("  N2"), QStringLiteral("100.%1").arg(r),
                    QStringLiteral("   0.500"), QStringLiteral(" 800.1"), QStringLiteral(" -50.00"),
                    QStringLiteral("   3.000"), QStringLiteral("   2.000"), QString()});
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
  EXPECT_EQ(clipboard(), QStringLiteral("100.1\t0.500\n100.2\t0.500\n"));

  // Two separate cells: the rectangle between them, the rest empty.
  g->clearSelection();
  g->setRangeSelected(QTableWidgetSelectionRange(1, 1, 1, 1), true);
  g->setRangeSelected(QTableWidgetSelectionRange(3, 5, 3, 5), true);
  action(g, "CopyCells")->trigger();
  EXPECT_EQ(clipboard(), QStringLiteral("N2\t\t\t\t\n\t\t\t\t\n\t\t\t\t-50.00\n"));

  // Nothing selected: the clipboard keeps what it had.
  g->clearSelection();
  action(g, "CopyCells")->trigger();
  EXPECT_EQ(clipboard(), QStringLiteral("N2\t\t\t\t\n\t\t\t\t\n\t\t\t\t-50.00\n"));

  // The whole table: header row, three rows, no empty columns at the right.
  action(g, "CopyTable")->trigger();
  const app::TextTable all = parse(clipboard(), u'\t');
  ASSERT_EQ(all.size(), 4);
  EXPECT_EQ(all[0].size(), 9);  // up to the x column; the two unnamed ones are empty
  EXPECT_EQ(all[0][2], QStringLiteral("T, K"));
  EXPECT_EQ(all[3][0], QStringLiteral("3"));
  p->hide();
  for (int r = 1; r <= 3; ++r) p->writeRow(r, QStringList(9, QString()));
}

}  // namespace
