// Pictures of the cycles window for looking at, in Russian and English:
// nitrogen's Claude cycle (window, bar chart, diagram), the same without
// liquid, an empty chart, and the real-process window that opens it.
// Usage: cycle_shots <directory>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QDoubleSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QtCharts/QChartView>

#include "ui/diagram/tsvid.h"
#include "ui/files/keeper.h"
#include "ui/main/mainwindow.h"
#include "ui/main/program.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form5.h"
#include "ui/services/language.h"
#include "ui/services/messages.h"

namespace {

void save(QWidget* w, const QString& dir, const QString& name) {
  QApplication::processEvents();
  w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

void shots(const QString& dir, app::Language lang, const QString& tag) {
  app::useLanguage(lang);
  app::Session session;
  app::Program program(session);
  TForm1* main = program.Form1.get();
  TCycles* c = program.Cycles.get();
  save(c, dir, tag + QStringLiteral("-empty"));
  save(c->Chart, dir, tag + QStringLiteral("-empty-chart"));
  main->BboList->setCurrentRow(4);
  main->BboListClick();
  program.Form5->show();
  save(program.Form5.get(), dir, tag + QStringLiteral("-real"));
  program.Form5->BitBtn6->click();
  c->Kind->setCurrentIndex(2);
  emit c->Kind->activated(2);
  c->Data[TCycles::kXe]->setValue(0.3);
  c->OnDiagram->setChecked(true);
  program.TSvid->resize(1000, 800);
  save(c, dir, tag + QStringLiteral("-claude"));
  save(c->Chart, dir, tag + QStringLiteral("-claude-chart"));
  save(program.TSvid.get(), dir, tag + QStringLiteral("-claude-diagram"));
  c->Data[TCycles::kLeak]->setValue(400);
  save(c, dir, tag + QStringLiteral("-claude-noliquid"));
  session.main.units = app::Units::Molar;
  c->unitsChanged();
  c->Data[TCycles::kLeak]->setValue(0);
  save(c, dir, tag + QStringLiteral("-claude-molar"));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication a(argc, argv);
  app::installLibraryHandlers();
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  const QTemporaryDir own;
  app::setAutosaveFolder(own.path());
  // Refusals are written out, not shown in a box.
  app::MessageRecorder said;
  app::setMessageService(&said);
  shots(dir, app::Language::Russian, QStringLiteral("ru"));
  shots(dir, app::Language::English, QStringLiteral("en"));
  for (const QString& t : said.texts) qInfo("%s", qPrintable(t));
  app::setMessageService(nullptr);
  return 0;
}
