// Pictures of the cycles window for looking at, in Russian and English:
// nitrogen's Claude cycle (window, bar chart, diagram), the same without
// liquid, an empty chart, and the real-process window that opens it.
// Usage: cycle_shots <directory>

#include <QDoubleSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QtCharts/QChartView>

#include "shots_support.h"
#include "ui/diagram/tsvid.h"
#include "ui/main/mainwindow.h"
#include "ui/main/program.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form5.h"

namespace {

using testing_support::saveShot;

void shots(const QString& dir, app::Language lang, const QString& tag) {
  app::useLanguage(lang);
  app::Session session;
  app::Program program(session);
  TForm1* main = program.Form1.get();
  TCycles* c = program.Cycles.get();
  saveShot(c, dir, tag + QStringLiteral("-empty"));
  saveShot(c->Chart, dir, tag + QStringLiteral("-empty-chart"));
  main->BboList->setCurrentRow(4);
  main->BboListClick();
  program.Form5->show();
  saveShot(program.Form5.get(), dir, tag + QStringLiteral("-real"));
  program.Form5->BitBtn6->click();
  c->Kind->setCurrentIndex(2);
  emit c->Kind->activated(2);
  c->Data[TCycles::kXe]->setValue(0.3);
  c->OnDiagram->setChecked(true);
  program.TSvid->resize(1000, 800);
  saveShot(c, dir, tag + QStringLiteral("-claude"));
  saveShot(c->Chart, dir, tag + QStringLiteral("-claude-chart"));
  saveShot(program.TSvid.get(), dir, tag + QStringLiteral("-claude-diagram"));
  c->Data[TCycles::kLeak]->setValue(400);
  saveShot(c, dir, tag + QStringLiteral("-claude-noliquid"));
  session.main.units = app::Units::Molar;
  c->unitsChanged();
  c->Data[TCycles::kLeak]->setValue(0);
  saveShot(c, dir, tag + QStringLiteral("-claude-molar"));
}

}  // namespace

int main(int argc, char** argv) { return testing_support::shotsMain(argc, argv, shots); }
