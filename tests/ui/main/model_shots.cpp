// Pictures of the windows on the reference model for looking at, in Russian
// and English: the main window with the model chosen, the ideal-process
// window with an isentrope, the real-process window with a
// compressor to 640 K, both results tables and the points table holding
// rows of both models, the cycles window, the diagram up to 1000 K; per
// mole, the widest numbers: an isotherm at 1000 K from 1e-6 to 100 MPa and
// an expander from 100 MPa and 1000 K to 0.1 MPa.
// Usage: model_shots <directory>

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/process/solve.h"
#include "shots_support.h"
#include "ui/diagram/tspoints.h"
#include "ui/diagram/tsvid.h"
#include "ui/main/mainwindow.h"
#include "ui/main/program.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form2.h"
#include "ui/process/form3.h"
#include "ui/process/form5.h"
#include "ui/process/form6.h"

namespace {

using testing_support::saveShot;

// An isentrope from 0.1 MPa and 300 K to 1 MPa, and a compressor with the
// same ends at 0.8, each written to its table.
void compute(app::Program& p) {
  TForm2* f = p.Form2.get();
  f->setProBoxIndex(proc::kIsentrope);
  f->ProBoxClick();
  f->PaNam1->setCurrentIndex(proc::kTemperature);
  f->PaNam1Click();
  f->PaNam2->setCurrentIndex(proc::kPressure);
  f->PaNam2Click();
  f->Edit2->setText(QStringLiteral("300"));
  f->Edit4->setText(QStringLiteral("0.1"));
  f->PaNam3->setCurrentIndex(proc::kPressure);
  f->PaNam3Click();
  f->Edit10->setText(QStringLiteral("1"));
  if (f->Calc0Click()) f->BitBtn1Click();
  TForm5* r = p.Form5.get();
  r->DevItem[0]->click();
  r->Edit2->setText(QStringLiteral("300"));
  r->Edit4->setText(QStringLiteral("0.1"));
  r->EP2->setText(QStringLiteral("1"));
  r->EEta->setText(QStringLiteral("0.8"));
  r->Calc0->click();
  r->BitBtn1->click();
}

// The widest numbers per mole: an isotherm at 1000 K over the whole
// pressure range and an expander from 100 MPa and 1000 K to 0.1 MPa.
void computeWide(app::Program& p) {
  TForm2* f = p.Form2.get();
  f->setProBoxIndex(proc::kIsotherm);
  f->ProBoxClick();
  f->Edit2->setText(QStringLiteral("1000"));
  f->Edit4->setText(QStringLiteral("0.000001"));
  f->PaNam3->setCurrentIndex(proc::kPressure);
  f->PaNam3Click();
  f->Edit10->setText(QStringLiteral("100"));
  if (f->Calc0Click()) f->BitBtn1Click();
  TForm5* r = p.Form5.get();
  r->DevItem[2]->click();
  r->Edit2->setText(QStringLiteral("1000"));
  r->Edit4->setText(QStringLiteral("100"));
  r->EP2->setText(QStringLiteral("0.1"));
  r->EEta->setText(QStringLiteral("0.8"));
  r->Calc0->click();
  r->BitBtn1->click();
}

void shots(const QString& dir, app::Language lang, const QString& tag) {
  app::useLanguage(lang);
  app::Session session;
  app::Program p(session);
  TForm1* main = p.Form1.get();
  main->BboList->setCurrentRow(4);
  main->BboListClick();
  compute(p);
  main->ModelGrItems->button(1)->click();
  main->ETma->setText(QStringLiteral("1000"));
  main->ETmaExit();
  compute(p);
  p.TSvid->resize(1000, 800);
  p.TSvid->Timer1Timer();
  p.TSvid->Chart1Click(p.TSvid->viewPosOf(6, 800).toPoint());
  saveShot(main, dir, tag + QStringLiteral("-main"));
  p.Form2->show();
  saveShot(p.Form2.get(), dir, tag + QStringLiteral("-process"));
  saveShot(p.Form5.get(), dir, tag + QStringLiteral("-real"));
  saveShot(p.Form3.get(), dir, tag + QStringLiteral("-results"));
  saveShot(p.Form6.get(), dir, tag + QStringLiteral("-real-results"));
  saveShot(p.TS_points.get(), dir, tag + QStringLiteral("-points"));
  p.Cycles->show();
  saveShot(p.Cycles.get(), dir, tag + QStringLiteral("-cycles"));
  saveShot(p.TSvid.get(), dir, tag + QStringLiteral("-diagram"));
  main->UnitsGrItems->button(1)->click();
  computeWide(p);
  saveShot(p.Form2.get(), dir, tag + QStringLiteral("-process-wide"));
  p.Form5->show();
  saveShot(p.Form5.get(), dir, tag + QStringLiteral("-real-wide"));
  saveShot(p.Form3.get(), dir, tag + QStringLiteral("-results-wide"));
  saveShot(p.Form6.get(), dir, tag + QStringLiteral("-real-results-wide"));
}

}  // namespace

int main(int argc, char** argv) { return testing_support::shotsMain(argc, argv, shots); }
