#include "app/program.h"

#include "app/mainwindow.h"
#include "diagram/tspoints.h"
#include "diagram/tsvid.h"
#include "process/form2.h"
#include "process/form3.h"
#include "process/form4.h"
#include "process/form5.h"
#include "process/form6.h"

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
      Form6(std::make_unique<TForm6>(s)) {
  TForm1* main = Form1.get();
  TTSvid* diagram = TSvid.get();
  TTS_points* points = TS_points.get();
  TForm2* process = Form2.get();
  TForm3* results = Form3.get();
  TForm5* real = Form5.get();
  TForm6* realResults = Form6.get();

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
  QObject::connect(real, &TForm5::deviceRowAdded, realResults, [realResults](int n) {
    realResults->show();
    realResults->raise();
    realResults->showDevice(n);
  });
}

Program::~Program() = default;

}  // namespace app
