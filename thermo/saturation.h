#pragma once
// Internal routines of the saturation line.

#include <string_view>

#include "real.h"

namespace tfs {

// ln(P/MPa) of saturation-table row 1..12 (12: bubble line of air) at T.
Real lnPsat(int row, Real T);

struct SatStates {
  Real Pv = 0, Tv = 0, dv = 0, hv = 0, sv = 0, Cpv = 0;
  Real Pl = 0, Tl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
};

// Saturated states. mode 1: P given; mode 2: T given.
SatStates dhs2(std::string_view name, Real P, Real T, int mode);

// Bound of the Newton loop in Tsat.
inline constexpr int kTsatPasses = 200;

}  // namespace tfs
