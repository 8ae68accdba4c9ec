#pragma once
// The process lines drawn on the diagram: ten lines (1..10) of sixteen
// (s, T) points (0..15). A point whose T is 0 is never drawn.

#include "thermo/real.h"

namespace diagram {

using tfs::Real;

struct ProcStore {
  Real ProcS[11][16] = {};  // kJ/(kg K)
  Real ProcT[11][16] = {};  // K
  int ProcIndex = 0;        // line added last; 0: no process line
  int ProcCount = 0;        // lines to draw, 0..10

  void clearLines() {
    for (auto& row : ProcS)
      for (auto& v : row) v = 0;
    for (auto& row : ProcT)
      for (auto& v : row) v = 0;
  }
  void resetCounters() { ProcIndex = ProcCount = 0; }
};

}  // namespace diagram
