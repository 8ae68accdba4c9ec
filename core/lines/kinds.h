#pragma once
// The three kinds of diagram (T–s, lg p–h, h–s) and the frame of a view:
// the visible region in the kind's coordinates and the plot's size in
// pixels, so that lines can be sampled to the pixel. Coordinates are in the
// library's units whatever units are shown (s kJ/(kg K), T K, h kJ/kg,
// P MPa); only values and numbers shown are scaled. Plain C++.

#include <string>
#include <vector>

#include "thermo/model.h"

namespace diagram::kinds {

// TS: x = s, y = T (linear or logarithmic); PH: x = h, y = P
// (logarithmic); HS: x = s, y = h.
enum class Kind { TS, PH, HS };

// A state in the library's units; x the liquid fraction.
struct State {
  double T = 0, P = 0, h = 0, s = 0, d = 0, x = 0;
};

// A point in a kind's coordinates.
struct XY {
  double x = 0, y = 0;
  bool operator==(const XY&) const = default;
};

XY coordinates(Kind k, const State& st);

struct Frame {
  Kind kind = Kind::TS;
  double xLo = 0, xHi = 1, yLo = 0, yHi = 1;
  bool logY = false;                  // always for PH, never for HS
  double width = 1000, height = 800;  // the plot's size, px
};

// Pixels of the plot: x to the right from the left edge, y down from the
// top edge.
struct Pixel {
  double x = 0, y = 0;
};

Pixel toPixel(const Frame& f, XY p);
XY fromPixel(const Frame& f, Pixel p);
// The frame magnified factor times (below 1: reduced) about the pixel c,
// which keeps its point; and the frame moved by (dx, dy) pixels (the
// content follows the mouse: a drag to the right shows what lay left).
Frame zoomed(const Frame& f, double factor, Pixel c);
Frame panned(const Frame& f, double dx, double dy);

// The diagram's own limits: its temperatures and the range of its isobars
// (indices into app::IsobarP, see app::setIsobarRange).
struct Limits {
  double Tmin = 0, Tmax = 0;
  int firstIsobar = 0, lastIsobar = 10;
};

// The isobar pressures of the diagram, lowest first: app::IsobarP from
// index 0 up to lastIsobar, as the T–s diagram draws them.
std::vector<double> diagramIsobars(const Limits& lim);

// What the diagram's states occupy: Tmin..Tmax, from the lowest isobar (or
// the dew pressure at Tmin when lower) to the highest, the liquid no colder
// than the melting line; and the extents of s, h and d over the states
// between the isobars and the saturated ones at Tmin.
struct Region {
  double Tmin = 0, Tmax = 0, Plo = 0, Phi = 0;
  double sLo = 0, sHi = 0, hLo = 0, hHi = 0, dLo = 0, dHi = 0;
  bool valid = false;
};
Region diagramRegion(const tfs::Model& m, const Limits& lim);

// The whole region with a small margin (the T–s diagram keeps its
// temperature limits exactly).
Frame fullFrame(Kind k, const Region& r, bool logT, double width, double height);

// Values as shown: per kilogram (the library's units) or per mole.
// shown = value * factor for h and s, value / density factor for d.
struct ShownUnits {
  double h = 1, s = 1, d = 1;
  bool molar = false;  // the units' names: per mole
  // Per mole with molar mass M g/mol: J/mol, J/(mol K), mol/l.
  static ShownUnits perMole(double M) { return {M, M, M, true}; }
  double enthalpy(double v) const { return v * h; }
  double entropy(double v) const { return v * s; }
  double density(double v) const { return v / d; }
};

struct Tick {
  double value = 0;  // in the frame's coordinates (library units)
  std::string text;  // in the units shown
};

struct Axis {
  double lo = 0, hi = 0;
  bool log = false;
  std::vector<Tick> ticks;
};

// The numbers of the frame's bottom (x) and left (y) axes: round steps of
// the units shown, the T–s diagram's formats; the lg p axis at 1, 2, 5 x
// 10^n (round linear steps where fewer than three of those fall inside).
Axis xAxis(const Frame& f, const ShownUnits& u);
Axis yAxis(const Frame& f, const ShownUnits& u);

// The digits after the point that v shows exactly (at most 6).
int decimalsOf(double v);
// v with that many digits after the point, with the user's separator.
std::string fixedText(double v, int decimals);
// As many decimals as v needs (at most 6).
std::string roundText(double v);
// The decimals of a number of a series with step: those the step needs
// (v's own where step is 0).
int stepDecimals(double v, double step);
// v with those decimals.
std::string stepText(double v, double step);

}  // namespace diagram::kinds
