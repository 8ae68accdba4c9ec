#pragma once
// A liquefaction cycle drawn on the diagram: its lines through the states
// (isobars along the heat exchangers sampled through their ends, chords for
// the compressor, the valve and the expander) and its numbered states.

#include <vector>

#include "thermo/real.h"

namespace diagram {

using tfs::Real;

struct CyclePath {
  bool chord = false;    // a straight chord (an irreversible device), else a state line
  std::vector<Real> S, T;  // kJ/(kg K), K; along the path
};

struct CycleMark {
  int n = 0;  // the state's number
  Real s = 0, T = 0;
};

struct CycleStore {
  std::vector<CyclePath> paths;
  std::vector<CycleMark> marks;
  bool empty() const { return paths.empty() && marks.empty(); }
  void clear() {
    paths.clear();
    marks.clear();
  }
};

}  // namespace diagram
