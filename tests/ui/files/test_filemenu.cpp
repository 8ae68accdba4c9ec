// The work on the program's windows: the " Файл   " menu (new, open, save,
// recent files, exports), the question before unsaved work is dropped, the
// units switched in every window, the autosave and the offer to restore it
// after an abnormal end.

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "gui_test_support.h"
#include "ui/cli/cliexport.h"
#include "ui/diagram/diagramexport.h"
#include "ui/diagram/tspoints.h"
#include "ui/diagram/tsvid.h"
#include "ui/files/keeper.h"
#include "ui/files/workfile.h"
#include "ui/main/mainwindow.h"
#include "ui/process/form2.h"
#include "ui/process/form3.h"
#include "ui/process/form5.h"
#include "ui/services/commode.h"
#include "ui/services/filedialog.h"
#include "ui/services/tableactions.h"
#include "ui/services/version.h"
#include "workfile_support.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using app::Answer;
using tfs::Real;

class Work : public ::testing::Test {
 protected:
  void SetUp() override {
    app::setFileDialog([this](const app::FileRequest& r) {
      asked << r;
      return paths.isEmpty() ? QString() : paths.takeFirst();
    });
    start();
  }
  void TearDown() override {
    run.reset();
    app::setFileDialog([](const app::FileRequest&) { return QString(); });
    testing_support::recorder().texts.clear();
    testing_support::recorder().questions.clear();
    testing_support::recorder().answers.clear();
  }
  void start(QList<Answer> answers = {}) {
    run.reset();
    run = testing_support::startProgram(std::move(answers));
    main = run->program.Form1.get();
    diagram = run->program.TSvid.get();
    points = run->program.TS_points.get();
    process = run->program.Form2.get();
    results = run->program.Form3.get();
  }
  QString file(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

  // The student's work through the windows: nitrogen chosen, an isobar
  // computed, drawn and written to the table, a state picked on the diagram.
  void work() {
    main->BboList->setCurrentRow(4);
    main->BboListClick();
    process->ProItem[proc::kIsobar]->click();
    process->Edit2->setText(QStringLiteral("300"));
    process->Edit4->setText(QStringLiteral("1"));
    process->PaNam3->setCurrentIndex(proc::kEnthalpy);
    process->PaNam3Click();
    process->Edit10->setText(QStringLiteral("400"));
    ASSERT_TRUE(process->Calc0Click());
    process->BitBtn4Click();
    process->BitBtn1Click();
    diagram->resize(1200, 900);
    QApplication::processEvents();
    diagram->Timer1Timer();
    const QPoint p = diagram->viewPosOf(6.0, 200).toPoint();
    QTest::mouseMove(diagram->Chart1View, p + QPoint(0, 1));
    QTest::mouseMove(diagram->Chart1View, p);
    QTest::mouseClick(diagram->Chart1View, Qt::LeftButton, {}, p);
    ASSERT_EQ(run->session.points.size(), 1u);
    ASSERT_EQ(run->session.results.size(), 1u);
  }

  // What the windows show of the work.
  QStringList shown() const {
    QStringList t{main->Label3->text(), main->Label9->text(), main->ETmi->text(), main->ETma->text(),
                  QString::number(main->UnitsGrItems->checkedId()), QString::number(main->TScaleItems->checkedId())};
    for (int r = 0; r <= 2; ++r)
      for (int c = 0; c < 9; ++c) t << points->cell(c, r);
    for (int r = 0; r <= 3; ++r)
      for (int c = 0; c < 12; ++c) t << results->cell(c, r);
    t << process->Label1->text() << process->Label2->text() << process->Label4->text() << process->Label6->text();
    for (QLineEdit* e : process->findChildren<QLineEdit*>()) t << e->text();
    for (QComboBox* b : {process->PaNam1, process->PaNam2, process->PaNam3}) t << QString::number(b->currentIndex());
    t << QString::number(process->proBoxIndex()) << QString::fromStdString(diagram->picture().s.title);
    return t;
  }

  QTemporaryDir dir;
  QStringList paths;  // what the file dialogs answer, first to last
  QList<app::FileRequest> asked;
  std::unique_ptr<testing_support::Started> run;
  TForm1* main = nullptr;
  TTSvid* diagram = nullptr;
  TTS_points* points = nullptr;
  TForm2* process = nullptr;
  TForm3* results = nullptr;
};

TEST_F(Work, FilesMenuItemsAndThePointsWindow) {
  QStringList items, keys;
  for (QAction* a : main->FilesMenu->actions()) {
    items << a->text();
    keys << a->shortcut().toString(QKeySequence::PortableText);
  }
  EXPECT_EQ(items, (QStringList{"Новый", "Открыть...", "Сохранить", "Сохранить как...", "", "Недавние файлы", "",
                                "Сохранить диаграмму...", "Сохранить точки в CSV...", "Сохранить процессы в CSV..."}));
  EXPECT_EQ(keys.mid(0, 4), (QStringList{"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S"}));
  EXPECT_EQ(main->Files->text(), QStringLiteral(" Файл   "));
  EXPECT_EQ(main->MainMenu1->actions().first(), main->Files);
  EXPECT_FALSE(main->RecentMenu->isEnabled());
  // No diagram to save before a substance is chosen.
  emit main->FilesMenu->aboutToShow();
  EXPECT_FALSE(main->SaveDiagram->isEnabled());
  // "  Точки   " shows the table the diagram's clicks fill.
  EXPECT_FALSE(points->isVisible());
  main->Points->trigger();
  EXPECT_TRUE(points->isVisible());
}

// Saved through the menu, begun anew, opened again from the recent files:
// every window shows the work as it was, per mole as it was saved.
TEST_F(Work, SavedAndOpenedWorkShowsInEveryWindow) {
  work();
  main->UnitsGrItems->button(1)->click();
  const QStringList before = shown();
  const QString path = file("работа.entrograf");
  paths << path;
  // Ctrl+S in the main window.
  main->show();
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(asked.size(), 1);
  EXPECT_TRUE(asked[0].save);
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_FALSE(run->session.modified());
  EXPECT_EQ(main->windowTitle(), QStringLiteral("Entrograf - работа.entrograf[*]"));
  ASSERT_EQ(main->RecentMenu->actions().size(), 1);
  EXPECT_TRUE(main->RecentMenu->actions()[0]->text().endsWith(path));
  // Saved again without a dialog.
  main->SaveWork->trigger();
  EXPECT_EQ(asked.size(), 1);

  main->NewWork->trigger();
  EXPECT_TRUE(testing_support::recorder().questions.isEmpty());
  EXPECT_FALSE(run->session.main.chosen);
  EXPECT_TRUE(main->Label3->text().isEmpty());
  EXPECT_EQ(main->ETma->text(), QStringLiteral("300"));
  EXPECT_EQ(main->UnitsGrItems->checkedId(), 0);
  EXPECT_TRUE(points->cell(1, 1).isEmpty());
  EXPECT_TRUE(results->cell(1, 1).isEmpty());
  EXPECT_TRUE(process->EQ->text().isEmpty());
  EXPECT_TRUE(process->Label1->text().isEmpty());
  EXPECT_FALSE(diagram->isVisible());
  EXPECT_EQ(main->windowTitle(), QStringLiteral("Entrograf[*]"));

  main->RecentMenu->actions()[0]->trigger();
  const QStringList after = shown();
  ASSERT_EQ(after.size(), before.size());
  for (int i = 0; i < after.size(); ++i) EXPECT_EQ(after[i], before[i]) << i;
  EXPECT_TRUE(diagram->isVisible());
  EXPECT_EQ(diagram->picture().lines[diagram::kProcess0 + 1].role, diagram::LineRole::Process);
  EXPECT_FALSE(diagram->picture().lines[diagram::kProcess0 + 1].points.empty());
  EXPECT_FALSE(run->session.modified());
  EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
}

// Closing, beginning anew or opening another file with unsaved work asks
// first: "Да" saves, "Нет" drops it, "Отмена" changes nothing.
TEST_F(Work, UnsavedWorkIsAskedForBeforeItIsDropped) {
  const QString other = file("другая.entrograf");
  app::WorkError error;
  ASSERT_TRUE(app::saveWorkFile(*testing_support::nitrogenWork(), other, error));
  enum Act { Close, New, Open };
  struct Case {
    Act act;
    Answer answer;
    bool savePath;  // the save dialog gives a path
    bool saved, proceeds;
  };
  const Case cases[] = {
      {Close, Answer::Yes, true, true, true},   {Close, Answer::No, false, false, true},
      {Close, Answer::Cancel, false, false, false}, {Close, Answer::Yes, false, false, false},
      {New, Answer::Yes, true, true, true},     {New, Answer::No, false, false, true},
      {New, Answer::Cancel, false, false, false}, {Open, Answer::Yes, true, true, true},
      {Open, Answer::No, false, false, true},   {Open, Answer::Cancel, false, false, false},
  };
  int k = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "act " << c.act << " answer " << int(c.answer));
    start({c.answer});
    main->show();
    main->BboList->setCurrentRow(4);
    main->BboListClick();
    ASSERT_TRUE(run->session.modified());
    const QString save = file("сохранено") + QString::number(++k) + QStringLiteral(".entrograf");
    paths.clear();
    asked.clear();
    if (c.savePath) paths << save;
    if (c.act == Open) paths << other;
    bool proceeded = false;
    switch (c.act) {
      case Close: proceeded = main->close(); break;
      case New:
        main->NewWork->trigger();
        proceeded = !run->session.main.chosen;
        break;
      case Open:
        main->OpenWork->trigger();
        proceeded = run->session.main.units == app::Units::Molar;
        break;
    }
    EXPECT_EQ(testing_support::recorder().questions, QStringList{QString::fromUtf8(app::kUnsavedQuestion)});
    EXPECT_EQ(QFile::exists(save), c.saved);
    EXPECT_EQ(proceeded, c.proceeds);
    if (!c.proceeds) {
      EXPECT_TRUE(run->session.main.chosen);
      EXPECT_TRUE(run->session.modified());
    }
  }
  // Nothing unsaved: nothing asked.
  start();
  main->show();
  main->NewWork->trigger();
  EXPECT_TRUE(main->close());
  EXPECT_TRUE(testing_support::recorder().questions.isEmpty());
}

// Per mole in every window at once, and back: every text as it was, every
// value unchanged.
TEST_F(Work, UnitsSwitchEveryWindowAndBack) {
  work();
  process->PaNam1->setCurrentIndex(proc::kEntropy);
  process->PaNam1Click();
  const QStringList specific = shown();
  const QByteArray values = app::workFileBytes(run->session);
  const QString readout = diagram->Ed->text();
  const Real M = tfs::MolMass[tfs::SubstIndex("N2")];
  const proc::ResultRow& row = run->session.results[0];
  const app::PointRow& pt = run->session.points[0];

  main->UnitsGrItems->button(1)->click();
  EXPECT_EQ(run->session.main.units, app::Units::Molar);
  EXPECT_EQ(points->cell(4, 0), QStringLiteral(" d, моль/л"));
  EXPECT_EQ(points->cell(5, 1), app::fmt("%8.2f", pt.h * M));
  EXPECT_EQ(results->cell(11, 0), QStringLiteral(" L, Дж/моль"));
  EXPECT_EQ(results->cell(10, 1), app::fmt("%6.2f", row.Q * M));
  EXPECT_EQ(process->Label2->text(), QStringLiteral("Дж/(моль.К)"));
  EXPECT_EQ(process->Label6->text(), QStringLiteral("Дж/моль"));
  EXPECT_EQ(process->Edit10->text(), app::qstr(app::format("%.1f", 400 * M)));
  EXPECT_EQ(process->EQ->text(), app::fmt("%6.2f", run->session.process.ProcQ * M));
  EXPECT_TRUE(diagram->Ed->text().endsWith(QStringLiteral("mol/l")));
  EXPECT_NE(diagram->Ed->text(), readout);
  EXPECT_EQ(diagram->picture().s.title, "Энтропия S, Дж/(моль.К)");
  // The table copied out has the molar headers too.
  EXPECT_EQ(app::gridCells(results->IdTab)[0][10], "Q, Дж/моль");
  EXPECT_TRUE(run->session.modified());
  // Every header whole, and the widest heat capacity per mole (two-phase
  // states show 10^6 kJ/(kg K), R14 weighs 88 g/mol).
  const QFontMetrics pm(points->TS_tab->font()), rm(results->IdTab->font());
  for (int c = 0; c < 9; ++c) EXPECT_LE(pm.horizontalAdvance(points->cell(c, 0)) + 6, points->TS_tab->columnWidth(c));
  // The points' header row stays in view as the grid's own header, per mole too.
  EXPECT_TRUE(points->TS_tab->isRowHidden(0));
  for (int c = 0; c < points->TS_tab->columnCount(); ++c)
    EXPECT_EQ(points->TS_tab->horizontalHeaderItem(c)->text(), points->cell(c, 0)) << c;
  for (int c = 0; c < 12; ++c) EXPECT_LE(rm.horizontalAdvance(results->cell(c, 0)) + 6, results->IdTab->columnWidth(c));
  EXPECT_LE(pm.horizontalAdvance(app::fmt("%8.3f", 1e6L * tfs::MolMass[tfs::SubstIndex("R14")])) + 6,
            points->TS_tab->columnWidth(7));
  // What a student sees per mole, with ENTROGRAF_SNAPSHOT=<file.png>: one
  // picture per window beside it.
  if (const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT"); !out.isEmpty()) {
    const QString base = QString::fromLocal8Bit(out).chopped(4);
    const std::pair<const char*, QWidget*> windows[] = {
        {"main", main}, {"points", points}, {"process", process}, {"results", results}, {"diagram", diagram}};
    for (const auto& [name, w] : windows)
      EXPECT_TRUE(w->grab().save(base + u'-' + QLatin1String(name) + QStringLiteral(".png")));
  }

  main->UnitsGrItems->button(0)->click();
  EXPECT_EQ(shown(), specific);
  EXPECT_EQ(diagram->Ed->text(), readout);
  EXPECT_EQ(app::workFileBytes(run->session), values);
}

// The exports of " Файл   " write the diagram and both tables.
TEST_F(Work, ExportsFromTheFilesMenu) {
  work();
  diagram->hide();
  paths << file("n2.png") << file("точки.csv") << file("процессы.csv");
  main->SaveDiagram->trigger();
  main->SavePoints->trigger();
  main->SaveResults->trigger();
  EXPECT_EQ(QImage(file("n2.png")).width(), diagram::kExportWidth);
  QFile pts(file("точки.csv")), res(file("процессы.csv"));
  ASSERT_TRUE(pts.open(QIODevice::ReadOnly));
  ASSERT_TRUE(res.open(QIODevice::ReadOnly));
  // The heading naming the model, the header row, the rows.
  EXPECT_EQ(pts.readAll().count('\n'), 3);
  EXPECT_EQ(res.readAll().count('\n'), 4);
  EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
}

// The autosave follows the work: written after each table row and on the
// timer, gone once the work is saved, gone at a normal end. A second
// program while the first runs keeps none and asks nothing.
TEST_F(Work, AutosaveFollowsTheWork) {
  const QString folder = app::autosaveFolder();
  const QString here = file("autosave");
  app::setAutosaveFolder(here);
  start();
  app::Keeper* keeper = run->program.Files.get();
  ASSERT_TRUE(keeper->autosaving());
  const QString kept = keeper->autosavePath();
  main->BboList->setCurrentRow(4);
  main->BboListClick();
  EXPECT_FALSE(QFile::exists(kept));  // not before its time
  work();
  ASSERT_TRUE(QFile::exists(kept));
  app::Session copy;
  app::WorkError error;
  ASSERT_TRUE(app::openWorkFile(kept, copy, error));
  EXPECT_EQ(app::workFileBytes(copy), app::workFileBytes(run->session));

  auto second = testing_support::startProgram();
  EXPECT_FALSE(second->program.Files->autosaving());
  EXPECT_TRUE(testing_support::recorder().questions.isEmpty());
  second.reset();
  EXPECT_TRUE(QFile::exists(kept));

  paths << file("n2.entrograf");
  main->SaveWorkAs->trigger();
  EXPECT_FALSE(QFile::exists(kept));
  main->TScaleItems->button(1)->click();
  keeper->autosave();  // the timer
  EXPECT_TRUE(QFile::exists(kept));
  run.reset();
  EXPECT_FALSE(QFile::exists(kept));
  EXPECT_TRUE(QDir(here).isEmpty());
  app::setAutosaveFolder(folder);
}

// After an abnormal end (a program killed while it held the marker) the
// next start offers the work the autosave kept: "Да" restores it as unsaved
// work of the file it came from, "Нет" drops it.
TEST_F(Work, AbnormalEndOffersTheKeptWork) {
  const QString folder = app::autosaveFolder();
  const std::unique_ptr<app::Session> work = testing_support::nitrogenWork();
  const QString origin = file("n2.entrograf");
  for (Answer answer : {Answer::Yes, Answer::No}) {
    SCOPED_TRACE(int(answer));
    run.reset();
    QTemporaryDir xdg;
    const QString here = xdg.filePath(QStringLiteral(ENTROGRAF_ORGANIZATION "/" ENTROGRAF_APP_NAME));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), xdg.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ENTROGRAF_BIN), {});
    ASSERT_TRUE(p.waitForStarted());
    // Killed once its marker names it.
    const QLockFile marker(here + QStringLiteral("/autosave.lock"));
    qint64 pid = 0;
    QString host, name;
    for (int i = 0; i < 600 && !marker.getLockInfo(&pid, &host, &name); ++i) QTest::qWait(50);
    ASSERT_EQ(pid, p.processId());
    p.kill();
    p.waitForFinished();
    // What it had autosaved.
    app::WorkError error;
    ASSERT_TRUE(app::saveWorkFile(*work, here + QStringLiteral("/autosave.entrograf"), error));
    QFile o(here + QStringLiteral("/autosave.entrograf.origin"));
    ASSERT_TRUE(o.open(QIODevice::WriteOnly));
    o.write(origin.toUtf8());
    o.close();

    app::setAutosaveFolder(here);
    start({answer});
    EXPECT_EQ(testing_support::recorder().questions, QStringList{QString::fromUtf8(app::kRestoreQuestion)});
    if (answer == Answer::Yes) {
      EXPECT_EQ(app::workFileBytes(run->session), app::workFileBytes(*work));
      EXPECT_TRUE(run->session.modified());
      EXPECT_EQ(run->program.Files->currentFile(), origin);
      EXPECT_EQ(main->Label3->text(), QStringLiteral(" Азот "));
      EXPECT_EQ(results->cell(1, 1), QStringLiteral("N2"));
      // The real-process window as it was left: its heading, its device.
      EXPECT_EQ(run->program.Form5->Label1->text(), QStringLiteral(" Рабочее вещество - Азот  [ Кубическое уравнение (SRK) ] "));
      EXPECT_TRUE(run->program.Form5->DevItem[int(work->devices.Kind)]->isChecked());
      EXPECT_TRUE(QFile::exists(here + QStringLiteral("/autosave.entrograf")));
    } else {
      EXPECT_FALSE(run->session.main.chosen);
      EXPECT_FALSE(QFile::exists(here + QStringLiteral("/autosave.entrograf")));
    }
    run.reset();
    EXPECT_TRUE(QDir(here).isEmpty()) << QDir(here).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(' ').toStdString();
    app::setAutosaveFolder(folder);
  }
}

}  // namespace
