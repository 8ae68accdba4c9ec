#pragma once
// The real processes drawn on the diagram, apart from the ten ideal-process
// lines: for each device the chord from inlet to outlet (the path of an
// irreversible process is no state line) and its ideal reference sampled
// like a line of the process window (sixteen (s, T) points, T = 0 absent).

#include <vector>

#include "thermo/real.h"

namespace diagram {

using tfs::Real;

struct DeviceLine {
  Real inS = 0, inT = 0, outS = 0, outT = 0;  // kJ/(kg K), K
  Real S[16] = {}, T[16] = {};
};

struct DeviceStore {
  static constexpr int kCapacity = 10;
  std::vector<DeviceLine> lines;
};

}  // namespace diagram
