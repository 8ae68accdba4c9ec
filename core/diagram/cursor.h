#pragma once
// The cursor readout of the diagram without any window: a position in the
// chart's coordinates turned into temperature and entropy, and the state
// there from Pdh_Ts. Plain C++.

#include <string>

#include "thermo/model.h"
#include "thermo/real.h"

namespace diagram {

using tfs::Real;

// Plotting rectangle in chart pixels.
struct PlotRect {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// What the mapping needs of the diagram.
struct Scale {
  bool log = true;  // logarithmic temperature axis
  Real Tmin = 0, Tmax = 0, lnTmin = 0, lnTmax = 0;
  Real Smin = 0, Srange = 0;
};

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
};

// The state at the cursor. computed: Pdh_Ts was called (T > Tmin and
// s > Smin); found: it returned P > 0; why: the reason when not found.
struct CursorState {
  Real P = 0, d = 0, h = 0, Cp = 0, x = 0;
  bool computed = false, found = false;
  NoState why = NoState::None;
};
CursorState stateAt(const tfs::Model& m, Real T, Real s, const Scale& sc);

}  // namespace diagram
