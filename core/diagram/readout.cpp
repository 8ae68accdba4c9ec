#include "core/diagram/readout.h"

#include <algorithm>

#include "core/base/modelname.h"
#include "core/base/numfmt.h"
#include "core/base/tr.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace diagram {

using app::Dim;
using app::format;
using app::toShown;

Scale cursorScale(const app::Session& s) {
  const app::AppState& st = s.main;
  Scale sc;
  sc.log = st.scale == app::ScaleKind::Logarithmic;
  sc.Tmin = st.Tmin;
  sc.Tmax = st.Tmax;
  sc.lnTmin = st.lnTmin;
  sc.lnTmax = st.lnTmax;
  sc.Smin = s.lines.Smin;
  sc.Srange = s.lines.Smax - s.lines.Smin;
  return sc;
}

std::string temperatureText(Real T) { return format("T=%5.2f K", T); }
std::string entropyText(Real s, app::Units u, const tfs::Model* m) {
  return format("S=%5.3f ", toShown(u, Dim::Entropy, s, m));
}

bool infiniteCp(Real Cp) { return Cp == tfs::kTwoPhaseCp; }

std::array<std::string, 4> stateTexts(const CursorState& st, app::Units u, const tfs::Model* n) {
  const std::string P = format(app::translate("Readout", "P=%4.3f МПа"), st.P);
  const bool molar = u == app::Units::Molar;
  const std::string Cp = infiniteCp(st.Cp) ? std::string("Cp=") + kInfinity + (molar ? " J/mol.K" : " kJ/kg.K")
                         : molar          ? format("Cp=%4.2f J/mol.K", app::cpShown(u, st.Cp, *n))
                                          : format("Cp=%4.2f kJ/kg.K", st.Cp);
  if (molar)
    return {P, format("d=%4.3f mol/l", toShown(u, Dim::Density, st.d, n)),
            format("i=%4.1f J/mol", toShown(u, Dim::Enthalpy, st.h, n)), Cp};
  return {P, format("d=%4.3f kg/m3", st.d), format("i=%4.1f kJ/kg", st.h), Cp};
}

std::array<std::string, 2> noStateTexts(const CursorState& st, const tfs::Model& m) {
  const std::string outside = app::translate("Readout", "вне области расчета");
  switch (st.why) {
    case NoState::None: return {};
    case NoState::Outside: return {outside, {}};
    case NoState::Solid: return {outside, app::translate("Readout", "левее линии затвердевания")};
    case NoState::Ceiling:
      return {outside, app::withArgs(app::translate("Readout", "P > %1 МПа"),
                                     {format("%.0f", m.limits().Pceiling)})};
  }
  return {};
}

bool clickPicks(const app::AppState& st, Real Tcur, const CursorState& at) {
  return st.Tmin < Tcur && Tcur < st.Tmax && at.found && at.P < app::IsobarP[std::clamp(st.lastIsobar, 0, 10)];
}

PointCells PointHeaders(app::Units u) {
  const std::array<std::string, 5> st = app::stateHeaders(u);
  return {"  N", app::translate("Points", " Вещество"), st[0], st[1], st[2], st[3], st[4],
          app::translate("Points", " Ср, ") + app::unitText(u, Dim::Entropy), " x, %", app::translate("Points", " Модель"),
          ""};
}

PointCells pointRowTexts(const app::PointRow& r, int n, app::Units u, bool exported) {
  const tfs::Model& subst = tfs::model(tfs::SubstIndex(r.substance), r.model);
  PointCells c;
  c[0] = format("%5d", n);
  c[1] = "  " + r.substance;
  c[2] = format("%6.2f", r.T);
  c[3] = format("%8.3f", r.P);
  c[4] = format("%8.3f", toShown(u, Dim::Density, r.d, subst));
  c[5] = format("%8.2f", toShown(u, Dim::Enthalpy, r.h, subst));
  c[6] = format("%8.3f", toShown(u, Dim::Entropy, r.s, subst));
  c[7] = infiniteCp(r.Cp) && !exported ? std::string(kInfinity) : format("%8.3f", app::cpShown(u, r.Cp, subst));
  // The dryness of a wet state, in percent.
  c[8] = r.x > 0 && r.x < 1 ? format("%6.2f", 100 * (1 - r.x)) : std::string();
  c[9] = "  " + app::modelShort(r.model);
  return c;
}

}  // namespace diagram
