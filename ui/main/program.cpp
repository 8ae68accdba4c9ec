#include "ui/main/program.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>

#include "core/session/substance.h"
#include "core/session/tablerows.h"
#include "ui/diagram/tspoints.h"
#include "ui/diagram/tsvid.h"
#include "ui/files/keeper.h"
#include "ui/main/help.h"
#include "ui/main/mainwindow.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form2.h"
#include "ui/process/form3.h"
#include "ui/process/form4.h"
#include "ui/process/form5.h"
#include "ui/process/form6.h"

namespace app {

namespace {
void bringUp(QWidget* w) {
  w->show();
  w->raise();
  w->activateWindow();
}
}  // namespace

Program::Program(Session& s)
    : session(s),
      Form1(std::make_unique<TForm1>(s)),
      TSvid(std::make_unique<TTSvid>(s)),
      TS_points(std::make_unique<TTS_points>(s)),
      Form2(std::make_unique<TForm2>(s)),
      Form3(std::make_unique<TForm3>(s)),
      Form4(std::make_unique<TForm4>()),
      Form5(std::make_unique<TForm5>(s)),
      Form6(std::make_unique<TForm6>(s)),
      Cycles(std::make_unique<TCycles>(s)),
      Files(std::make_unique<Keeper>(s, Form1.get())),
      Help(std::make_unique<HelpWindow>()),
      About(std::make_unique<AboutBox>(Form1.get())) {
  TForm1* main = Form1.get();
  TTSvid* diagram = TSvid.get();
  TTS_points* points = TS_points.get();
  TForm2* process = Form2.get();
  TForm3* results = Form3.get();
  TForm5* real = Form5.get();
  TForm6* realResults = Form6.get();
  TCycles* cycles = Cycles.get();

  // The process window opens where the main window is.
  process->move(main->pos());
  real->move(main->pos());

  QObject::connect(main, &TForm1::substanceChosen, process, &TForm2::setSubstanceCaption);
  QObject::connect(main, &TForm1::diagramComputed, diagram, &TTSvid::sessionChanged);
  QObject::connect(main, &TForm1::scaleChanged, diagram, &TTSvid::sessionChanged);
  QObject::connect(main, &TForm1::diagramWanted, diagram, &TTSvid::showDiagram);
  QObject::connect(main, &TForm1::processWindowWanted, process, [process] { bringUp(process); });
  // The real processes drawn belong to the former substance.
  QObject::connect(main, &TForm1::substanceChosen, real, [this] { session.deviceLines.lines.clear(); });
  QObject::connect(main, &TForm1::substanceChosen, real, &TForm5::setSubstanceCaption);
  QObject::connect(main, &TForm1::realProcessWindowWanted, real, [real] { bringUp(real); });

  QObject::connect(diagram, &TTSvid::pointAdded, points, &TTS_points::showPoint);
  QObject::connect(diagram, &TTSvid::pointsWanted, points, &TTS_points::showAside);
  QObject::connect(diagram, &TTSvid::pointRemoved, points, &TTS_points::rebuild);

  QObject::connect(process, &TForm2::processLineAdded, diagram, [diagram] {
    diagram->sessionChanged();
    diagram->showDiagram();
  });
  QObject::connect(process, &TForm2::resultRowAdded, results, [results](int n) {
    results->show();
    results->raise();
    results->showProcess(n);
  });

  QObject::connect(real, &TForm5::deviceLineAdded, diagram, [diagram] {
    diagram->sessionChanged();
    diagram->showDiagram();
  });
  // The liquefaction cycles: from the real-process window, on the diagram,
  // starting anew for each substance.
  QObject::connect(main, &TForm1::substanceChosen, cycles, &TCycles::setSubstanceCaption);
  QObject::connect(real, &TForm5::cyclesWanted, cycles, [cycles] { bringUp(cycles); });
  QObject::connect(cycles, &TCycles::cycleChanged, diagram, &TTSvid::sessionChanged);
  QObject::connect(cycles, &TCycles::diagramWanted, diagram, &TTSvid::showDiagram);

  QObject::connect(real, &TForm5::deviceRowAdded, realResults, [realResults](int n) {
    realResults->show();
    realResults->raise();
    realResults->showDevice(n);
  });

  // The tables' headings name the models of their rows, the chosen one
  // while they are empty.
  QObject::connect(main, &TForm1::substanceChosen, points, [=] {
    points->showHeading();
    results->showHeading();
    realResults->showHeading();
  });

  // The points window and the results tables from the main menu, as they are.
  QObject::connect(main, &TForm1::pointsWindowWanted, points, &TTS_points::showAside);
  QObject::connect(main, &TForm1::resultsWindowWanted, results, [results] { bringUp(results); });
  QObject::connect(main, &TForm1::realResultsWindowWanted, realResults, [realResults] { bringUp(realResults); });

  // A row taken out of a results table takes its line off the diagram.
  QObject::connect(results, &TForm3::processRemoveWanted, results, [=, &s](int n) {
    if (!removeProcessRow(s, n)) return;
    results->rebuild();
    diagram->sessionChanged();
  });
  QObject::connect(realResults, &TForm6::deviceRemoveWanted, realResults, [=, &s](int n) {
    if (!removeDeviceRow(s, n)) return;
    realResults->unitsChanged();
    diagram->sessionChanged();
  });

  // Every window shows values in the units chosen.
  QObject::connect(main, &TForm1::unitsChanged, diagram, [=] {
    diagram->unitsChanged();
    points->rebuild();
    process->unitsChanged();
    real->unitsChanged();
    realResults->unitsChanged();
    cycles->unitsChanged();
    results->rebuild();
  });

  // Work files: the menu, the question before unsaved work is dropped, and
  // every window showing a session that was opened or begun anew.
  Keeper* files = Files.get();
  QObject::connect(main, &TForm1::newWanted, files, &Keeper::newWork);
  QObject::connect(main, &TForm1::openWanted, files, &Keeper::open);
  QObject::connect(main, &TForm1::saveWanted, files, &Keeper::save);
  QObject::connect(main, &TForm1::saveAsWanted, files, &Keeper::saveAs);
  QObject::connect(main, &TForm1::recentWanted, files, &Keeper::openRecent);
  QObject::connect(files, &Keeper::recentChanged, main, &TForm1::setRecentFiles);
  // The title names the work file and marks work that no file holds yet.
  QObject::connect(files, &Keeper::fileChanged, main, [main, &s](const QString& path) {
    main->setWindowTitle((path.isEmpty() ? QStringLiteral("Entrograf")
                                         : QStringLiteral("Entrograf - ") + QFileInfo(path).fileName()) +
                         QStringLiteral("[*]"));
    main->setWindowModified(s.modified());
  });
  s.listener.changed = [main, &s] { main->setWindowModified(s.modified()); };
  main->mayClose = [files] { return files->mayDiscard(); };
  main->setRecentFiles(files->recentFiles());
  QObject::connect(files, &Keeper::sessionReplaced, main, [=, &s] {
    main->showSession();
    process->showSession();
    points->rebuild();
    results->rebuild();
    real->showSession();
    realResults->unitsChanged();
    cycles->showSession();
    cycles->Label1->setText(QString::fromStdString(substanceHeading(s.main)));
    diagram->sessionReplaced();
    if (s.main.chosen) diagram->showDiagram();
  });
  // The autosave after each row of a table.
  QObject::connect(diagram, &TTSvid::pointAdded, files, &Keeper::autosave);
  QObject::connect(process, &TForm2::resultRowAdded, files, &Keeper::autosave);
  QObject::connect(real, &TForm5::deviceRowAdded, files, &Keeper::autosave);

  // The exports of " Файл   ": the diagram window's and the tables' own.
  QObject::connect(main, &TForm1::diagramSaveWanted, diagram, &TTSvid::saveDiagramAs);
  auto saveTable = [](QTableWidget* grid) {
    if (auto* a = grid->findChild<QAction*>(QStringLiteral("SaveCsv"))) a->trigger();
  };
  QObject::connect(main, &TForm1::pointsSaveWanted, points, [=] { saveTable(points->TS_tab); });
  QObject::connect(main, &TForm1::resultsSaveWanted, results, [=] { saveTable(results->IdTab); });

  // The guide: "Справка" of the main window opens it at the main window's
  // section, F1 in any other window at that window's own.
  HelpWindow* help = Help.get();
  QObject::connect(main, &TForm1::guideWanted, help, [help] { help->showSection(HelpSection::Main); });
  QObject::connect(main, &TForm1::aboutWanted, About.get(), &AboutBox::showAbout);
  const std::pair<QWidget*, HelpSection> sectionOf[] = {
      {diagram, HelpSection::Diagram}, {points, HelpSection::Points},          {process, HelpSection::Process},
      {results, HelpSection::Results}, {real, HelpSection::Real},              {realResults, HelpSection::RealResults},
      {cycles, HelpSection::Cycles}};
  for (const auto& [window, section] : sectionOf) {
    auto* f1 = new QAction(QCoreApplication::translate("TForm1", "Руководство"), window);
    f1->setObjectName(QStringLiteral("Guide"));
    f1->setShortcut(QKeySequence::HelpContents);
    f1->setShortcutContext(Qt::WindowShortcut);
    window->addAction(f1);
    QObject::connect(f1, &QAction::triggered, help, [help, s = section] { help->showSection(s); });
  }

  // After an abnormal end, the work the autosave kept.
  files->offerRestore();
}

Program::~Program() { session.listener.changed = nullptr; }

}  // namespace app
