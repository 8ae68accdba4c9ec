#pragma once
// The program's windows over one session, created in their order and
// alive for the whole run. Their signals are connected here and nowhere
// else.

#include <memory>

#include "core/session/session.h"

class TForm1;
class TTSvid;
class TTS_points;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TCycles;

namespace app {

class Keeper;
class HelpWindow;
class AboutBox;

class Program {
 public:
  explicit Program(Session& session);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Session& session;
  std::unique_ptr<TForm1> Form1;        // main window
  std::unique_ptr<TTSvid> TSvid;        // T-s diagram
  std::unique_ptr<TTS_points> TS_points;  // points table
  std::unique_ptr<TForm2> Form2;        // ideal processes
  std::unique_ptr<TForm3> Form3;        // results table
  std::unique_ptr<TForm4> Form4;        // second table, never shown
  std::unique_ptr<TForm5> Form5;        // real processes
  std::unique_ptr<TForm6> Form6;        // their results table
  std::unique_ptr<TCycles> Cycles;      // liquefaction cycles
  std::unique_ptr<Keeper> Files;        // work files, autosave and recovery
  std::unique_ptr<HelpWindow> Help;     // the guide
  std::unique_ptr<AboutBox> About;      // "О программе"
};

}  // namespace app
