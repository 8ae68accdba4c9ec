#include "app/windows.h"

#include "app/mainwindow.h"
#include "diagram/tspoints.h"
#include "diagram/tsvid.h"
#include "process/form2.h"
#include "process/form3.h"
#include "process/form4.h"

namespace app {

void createWindows() {
  Windows& w = windows();
  w.Form1 = new TForm1;
  w.TSvid = new TTSvid;
  w.TS_points = new TTS_points;
  w.Form2 = new TForm2;
  w.Form3 = new TForm3;
  w.Form4 = new TForm4;
}

void destroyWindows() {
  Windows& w = windows();
  delete w.Form4;
  delete w.Form3;
  delete w.Form2;
  delete w.TS_points;
  delete w.TSvid;
  delete w.Form1;
  w = Windows{};
}

}  // namespace app
