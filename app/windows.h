#pragma once
// The six windows of the program, created at start in this order and alive
// for the whole run.

class TForm1;
class TTSvid;
class TTS_points;
class TForm2;
class TForm3;
class TForm4;

namespace app {

struct Windows {
  TForm1* Form1 = nullptr;        // main window
  TTSvid* TSvid = nullptr;        // T-s diagram
  TTS_points* TS_points = nullptr;  // points table
  TForm2* Form2 = nullptr;        // ideal processes
  TForm3* Form3 = nullptr;        // results table
  TForm4* Form4 = nullptr;        // second table, never shown
};

Windows& windows();

// Creates the six windows in their order (main window first).
void createWindows();
// Deletes them (tests).
void destroyWindows();

}  // namespace app
