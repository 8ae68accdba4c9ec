#pragma once
// The cursor readout of the diagram without any window: a position in the
// chart's coordinates turned into the diagram's coordinates (temperature and
// entropy on the T–s diagram, pressure and enthalpy on lg p–h, enthalpy and
// entropy on h–s), and the state there. Plain C++.

#include <string>

#include "core/lines/kinds.h"
#include "thermo/model.h"
#include "thermo/real.h"

namespace diagram {

using tfs::Real;

// Plotting rectangle in chart pixels.
struct PlotRect {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// What the mapping needs of the diagram: the ranges of its vertical axis
// (T on the T–s diagram) and its horizontal one (s).
struct Scale {
  bool log = true;  // logarithmic vertical axis
  Real Tmin = 0, Tmax = 0, lnTmin = 0, lnTmax = 0;
  Real Smin = 0, Srange = 0;
};
// The mapping of a frame's region.
Scale scaleOf(const kinds::Frame& f);

// Temperature at chart height y, clamped to [Tmin, Tmax]. False (T kept)
// when the rectangle is 10 pixels high or less.
bool cursorT(const PlotRect& r, double y, const Scale& sc, Real& T);
// Entropy at chart abscissa x, not clamped. False (s kept) when the
// rectangle is 10 pixels wide or less.
bool cursorS(const PlotRect& r, double x, const Scale& sc, Real& s);

// Chart pixel of a temperature and of an entropy: the inverse mappings.
double pixelY(const PlotRect& r, Real T, const Scale& sc);
double pixelX(const PlotRect& r, Real s, const Scale& sc);

// Why no state was found at the cursor.
enum class NoState {
  None,     // a state was found (or none was looked for)
  Outside,  // outside the region computed (on or beyond a limit of the
            // diagram, or refused by the library)
  Solid,    // left of the solidification line
  Ceiling,  // above the highest pressure of the searches
  Refused,  // the library's reason in refusal
};

// The state at the cursor. computed: Pdh_Ts was called (T > Tmin and
// s > Smin); found: it returned P > 0; why: the reason when not found.
struct CursorState {
  Real P = 0, d = 0, h = 0, Cp = 0, x = 0;
  bool computed = false, found = false;
  NoState why = NoState::None;
  Real T = 0, s = 0;
  std::string refusal;
};
CursorState stateAt(const tfs::Model& m, Real T, Real s, const Scale& sc);

// The state at the cursor of a diagram of kind k, its horizontal and
// vertical coordinates x and y: from Pdh_Ts(y, x) on the T–s diagram as
// above, from T(h, P) on lg p–h and from the state of h and s on h–s.
// Those are looked for where y lies above the bottom of the scale and x
// right of its left edge; where the library finds no state, its reason is
// kept (NoState::Refused).
CursorState stateAtKind(const tfs::Model& m, kinds::Kind k, Real x, Real y, const Scale& sc);

}  // namespace diagram
