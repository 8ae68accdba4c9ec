// The pictures of the diagram kinds: the lines of the kinds in the T–s
// diagram's looks, their labels and axes, the inversion curve and the
// other model's lines, the caption naming the model.

#include <algorithm>
#include <cmath>

#include "core/base/tr.h"
#include "core/base/units.h"
#include "core/diagram/compose.h"
#include "core/session/substance.h"

namespace diagram::detail {

namespace {

using kinds::Role;

bool redPressure(double P) {
  for (int i : {1, 4, 7, 10})
    if (std::fabs(P - double(app::IsobarP[i])) <= 1e-12 * P) return true;
  return false;
}

// A line of the kinds in its look: the dome, the isobars, the isenthalps
// and the melting line as on the T–s diagram; the other families in
// colours of their own.
Polyline lookOf(const kinds::Line& l, double hSplit) {
  Polyline p;
  p.value = l.value;
  switch (l.role) {
    case Role::SatLiquid: p.role = LineRole::SatLiquid, p.colour = kBlue, p.width = 2; break;
    case Role::SatVapour: p.role = LineRole::SatVapour, p.colour = kLime, p.width = 2; break;
    case Role::Melting: p.role = LineRole::Melting, p.colour = kGreen, p.dash = Dash::Dashed; break;
    case Role::Isobar: p.role = LineRole::Isobar, p.colour = redPressure(l.value) ? kRed : kBlack; break;
    case Role::Isenthalp: {
      const bool high = l.value >= hSplit;
      p.role = LineRole::Isenthalp, p.colour = high ? kGreen : kBlack, p.dash = high ? Dash::Dashed : Dash::Solid;
      break;
    }
    case Role::Isotherm: p.role = LineRole::Isotherm, p.colour = kTeal; break;
    case Role::Isentrope: p.role = LineRole::Isentrope, p.colour = kBrown, p.dash = Dash::Dashed; break;
    case Role::Isochore: p.role = LineRole::Isochore, p.colour = kOlive, p.dash = Dash::Dotted; break;
    case Role::Dryness: p.role = LineRole::Dryness, p.colour = kSky, p.dash = Dash::Dotted; break;
    case Role::Inversion: p.role = LineRole::Inversion, p.colour = kMagenta, p.width = 2; break;
  }
  for (const kinds::XY& q : l.path.points) p.points.push_back({q.x, q.y});
  p.breaks = l.path.breaks;
  return p;
}

// The lines and labels of a view added to a picture, the labels in their
// lines' colours.
void addView(Picture& p, const kinds::View& v, double hSplit) {
  const int first = int(p.lines.size());
  for (const kinds::Line& l : v.lines) p.lines.push_back(lookOf(l, hSplit));
  for (const kinds::Label& b : v.labels) {
    Label l;
    l.role = LabelRole::OnLine;
    l.index = first + b.line;
    l.s = b.at.x;
    l.T = b.at.y;
    l.minWidth = 0;
    l.text = b.text;
    l.colour = p.lines[first + b.line].colour;
    p.labels.push_back(l);
  }
}

Axis axisOf(const kinds::Axis& a, std::string title) {
  Axis out;
  out.lo = a.lo;
  out.hi = a.hi;
  for (const kinds::Tick& t : a.ticks) out.ticks.push_back({t.value, t.text});
  out.title = std::move(title);
  return out;
}

kinds::Options optionsFor(const Canvas& c) {
  kinds::Options o;
  o.labels.height = 16;
  o.labels.width = c.textWidth;
  return o;
}

}  // namespace

kinds::ShownUnits shownUnits(const app::AppState& st) {
  return st.units == app::Units::Molar ? kinds::ShownUnits::perMole(double(st.eos().molarMass()))
                                       : kinds::ShownUnits{};
}

std::string captionOf(const app::AppState& st, kinds::Kind k) {
  const char* pattern = k == kinds::Kind::TS   ? QT_TRANSLATE_NOOP("Diagram", " TS диаграмма для %1 (в систeме SI, %2)")
                        : k == kinds::Kind::PH ? QT_TRANSLATE_NOOP("Diagram", " lg p–h диаграмма для %1 (в системе SI, %2)")
                                               : QT_TRANSLATE_NOOP("Diagram", " h–s диаграмма для %1 (в системе SI, %2)");
  return app::withArgs(app::translate("Diagram", pattern), {app::SubstNameGen(st.subst), modelShortName(st.model)});
}

Picture kindPicture(const app::Session& session, const kinds::KindLines& lines, const kinds::Frame& f,
                    const Canvas& canvas, double hSplit) {
  const app::AppState& st = session.main;
  const kinds::ShownUnits u = shownUnits(st);
  Picture p;
  p.valid = true;
  p.caption = captionOf(st, f.kind);
  p.log = f.logY;
  kinds::Options o = optionsFor(canvas);
  // The families of the kind; zoomed into the T–s diagram, those of its
  // whole view.
  for (Role r : kinds::families(f.kind))
    if ((r != Role::Inversion || session.view.inversion) && (r != Role::Dryness || f.kind != kinds::Kind::TS))
      o.roles.push_back(r);
  const kinds::View v = lines.compose(f, u, o);
  addView(p, v, hSplit);

  const app::Units units = st.units;
  const std::string entropy = app::translate("Diagram", "Энтропия S, ") + app::unitText(units, app::Dim::Entropy);
  const std::string enthalpy = app::translate("Diagram", "Энтальпия i, ") + app::unitText(units, app::Dim::Enthalpy);
  switch (f.kind) {
    case kinds::Kind::TS:
      p.s = axisOf(v.x, entropy);
      p.T = axisOf(v.y, app::translate("Diagram", "Температура Т, К"));
      break;
    case kinds::Kind::PH:
      p.s = axisOf(v.x, enthalpy);
      p.T = axisOf(v.y, app::translate("Diagram", "Давление P, ") + app::translate("Units", "МПа"));
      break;
    case kinds::Kind::HS:
      p.s = axisOf(v.x, entropy);
      p.T = axisOf(v.y, enthalpy);
      break;
  }
  return p;
}

void addInversion(Picture& p, const kinds::KindLines& lines, const kinds::Frame& f, const Canvas& canvas,
                  const kinds::ShownUnits& u) {
  kinds::Options o = optionsFor(canvas);
  o.roles = {Role::Inversion};
  addView(p, lines.compose(f, u, o), 0);
}

void addOtherModel(Picture& p, const kinds::KindLines& other, const kinds::Frame& f, const kinds::ShownUnits& u,
                   const std::string& name) {
  const kinds::SamplerLimits sampling;
  std::vector<kinds::Line> lines = {other.line(Role::SatLiquid, 0, f, sampling), other.line(Role::SatVapour, 0, f, sampling)};
  for (double P : other.values(Role::Isobar, other.ranges(f), u, kinds::Options{}.maxLines).values)
    lines.push_back(other.line(Role::Isobar, P, f, sampling));
  for (const kinds::Line& l : lines) {
    if (l.path.empty()) continue;
    Polyline g = lookOf(l, 0);
    g.role = LineRole::OtherModel;
    g.colour = kGrey;
    g.dash = Dash::Dashed;
    g.width = 1;
    p.lines.push_back(std::move(g));
  }
  p.otherModel = name;
}

}  // namespace diagram::detail

namespace diagram {

std::string modelShortName(tfs::ModelKind k) {
  return k == tfs::ModelKind::Cubic ? std::string("SRK") : app::translate("Diagram", "эталонное УС");
}

}  // namespace diagram
