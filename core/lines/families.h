#pragma once
// The lines of a diagram of any kind for any frame: the dome, the melting
// line, the inversion curve and the families of constant P, T, s, d, h and
// dryness, each sampled to the frame's pixels and clipped to it; their
// value labels and the axes' numbers. Everything comes through the model
// interface, with the library's refusals taken as holes in a line. Plain
// C++; the picture composer turns a View into its own lines and labels:
//
//   KindLines lines(model, {Tmin, Tmax, firstIsobar, lastIsobar});
//   Frame f = lines.fullFrame(Kind::PH, logT, width, height);
//   View v = lines.compose(f, units);   // again for zoomed(f, ...), panned(f, ...)
//
// One KindLines per diagram, used from one thread.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/lines/kinds.h"
#include "core/lines/sampler.h"
#include "thermo/model.h"

namespace diagram::kinds {

enum class Role {
  SatLiquid,  // the bubble line from the triple point to the critical point
  SatVapour,  // the dew line
  Melting,    // the liquid at the melting temperature
  Inversion,  // the Joule–Thomson inversion curve
  Isobar, Isotherm, Isentrope, Isochore, Isenthalp,
  Dryness     // constant dryness (vapour fraction) inside the dome
};

struct Line {
  Role role = Role::SatLiquid;
  // P MPa, T K, s kJ/(kg K), d kg/m3, h kJ/kg, the dryness 0..1 (the
  // library's x is 1 minus it); 0 for the dome, melting and inversion.
  double value = 0;
  Path path;  // in the frame's coordinates, inside the frame and its margin
};

// A value label: its box (width x height px) is centred on a point of its
// line, wholly inside the frame, and overlaps no other label.
struct Label {
  Role role = Role::Isobar;
  double value = 0;
  int line = 0;  // index into View::lines
  XY at;         // the point of the line under the label's centre
  Pixel centre;
  double width = 0, height = 0;
  std::string text;
};

struct LabelStyle {
  double height = 16;  // px
  double gap = 2;      // px kept free between two labels
  // The width of a text, px; empty: 7 px a character and 6 px more.
  std::function<double(const std::string&)> width;
};

struct Options {
  SamplerLimits sampling;
  LabelStyle labels;
  int maxLines = 10;  // of one family of round values in a frame
  std::vector<Role> roles;  // the families drawn, in drawing order; empty: families(kind)
};

struct View {
  Frame frame;
  std::vector<Line> lines;  // in drawing order: dome, melting, families, inversion
  std::vector<Label> labels;
  Axis x, y;
};

// The families a kind shows, in drawing order. Every kind: the dome, the
// melting line, the dryness lines, the inversion curve; T–s isobars and
// isenthalps; lg p–h isotherms, isentropes and isochores; h–s isobars and
// isotherms.
std::vector<Role> families(Kind k);

// The values of one family in a frame, in the library's units, and the
// round step they were chosen with in the units shown (0 where they come
// from a list or a ladder of 1, 2, 5 ... times the powers of ten).
struct Values {
  std::vector<double> values;
  double step = 0;
};

// The ranges of the quantities over the states a frame shows (padded a
// little), within the diagram's region.
struct Ranges {
  bool any = false;
  double Tlo = 0, Thi = 0, Plo = 0, Phi = 0, slo = 0, shi = 0, hlo = 0, hhi = 0, dlo = 0, dhi = 0;
  double PloSeen = 0, PhiSeen = 0;  // the pressures seen, not padded
};

// Label text of a line of role r with value v (library units) as shown in
// u; step as in Values. The inversion curve is named; the dome and the
// melting line go without.
std::string labelText(Role r, double v, const ShownUnits& u, double step);

// The lines of one model and one set of diagram limits, for any frame.
// What does not depend on the frame (the region, the inversion curve's
// start values) is kept between calls.
class KindLines {
 public:
  KindLines(const tfs::Model& m, const Limits& lim);
  ~KindLines();
  KindLines(const KindLines&) = delete;
  KindLines& operator=(const KindLines&) = delete;

  const tfs::Model& model() const { return m_; }
  const Limits& limits() const { return lim_; }
  const Region& region() const { return region_; }

  // The whole diagram of kind k (logT: the T–s diagram's scale).
  Frame fullFrame(Kind k, bool logT, double width, double height) const;

  Ranges ranges(const Frame& f) const;
  // The values of family r for the ranges of a frame: the T–s diagram's
  // isobars while three of them are in sight, otherwise round values, at
  // most maxLines of a family.
  Values values(Role r, const Ranges& rg, const ShownUnits& u, int maxLines) const;

  // One line of role r (value as in Line) sampled for frame f.
  Line line(Role r, double value, const Frame& f, const SamplerLimits& lim) const;

  // Every line of the frame's kind, the labels and the axes.
  View compose(const Frame& f, const ShownUnits& u, const Options& o = {}) const;

  // The inversion pressure at T, MPa; 0 where the curve has no point.
  double inversionPressure(double T) const;

 private:
  struct Inversion;
  const Inversion& inversion() const;

  const tfs::Model& m_;
  Limits lim_;
  Region region_;
  mutable std::unique_ptr<Inversion> inversion_;
  // The saturated states by temperature: the dome and the dryness lines
  // are sampled on the same temperatures.
  struct Saturation;
  bool saturatedAt(double T, State& liquid, State& vapour) const;
  mutable std::unique_ptr<Saturation> saturation_;
};

// The same in one call.
View composeView(const tfs::Model& m, const Frame& f, const Limits& lim, const ShownUnits& u,
                 const Options& o = {});

// A line of a view to be labelled with a text.
struct LabelRequest {
  int line = 0;
  std::string text;
};

// One label per request, the first requests first: each on its line,
// inside the frame and clear of the labels before it; a line with no such
// place goes without.
std::vector<Label> placeLabels(const View& v, const std::vector<LabelRequest>& wanted, const LabelStyle& style);

}  // namespace diagram::kinds
