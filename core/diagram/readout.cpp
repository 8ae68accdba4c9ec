#include "core/diagram/readout.h"

#include <algorithm>
#include <cmath>

#include "core/base/modelname.h"
#include "core/base/libguard.h"
#include "core/base/numfmt.h"
#include "core/base/numparse.h"
#include "core/diagram/picture.h"
#include "thermo/report.h"
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

std::string temperatureText(Real T) { return quantityText(Quantity::T, T, app::Units::Specific, nullptr); }
std::string entropyText(Real s, app::Units u, const tfs::Model* m) { return quantityText(Quantity::s, s, u, m); }

bool infiniteCp(Real Cp) { return Cp == tfs::kTwoPhaseCp; }

namespace {

// The number of a quantity, as its field writes it.
const char* const kNumber[] = {"%5.2f", "%4.3f", "%4.3f", "%4.1f", "%5.3f", "%4.2f"};

Real shownValue(Quantity q, Real v, app::Units u, const tfs::Model& m) {
  switch (q) {
    case Quantity::d: return toShown(u, Dim::Density, v, m);
    case Quantity::h: return toShown(u, Dim::Enthalpy, v, m);
    case Quantity::s: return toShown(u, Dim::Entropy, v, m);
    case Quantity::Cp: return app::cpShown(u, v, m);
    default: return v;
  }
}

}  // namespace

std::string quantityText(Quantity q, Real v, app::Units u, const tfs::Model* m) {
  const bool molar = u == app::Units::Molar;
  const Real shown = m ? shownValue(q, v, u, *m) : v;
  switch (q) {
    case Quantity::T: return format("T=%5.2f K", v);
    case Quantity::P: return format(app::translate("Readout", "P=%4.3f МПа"), v);
    case Quantity::d: return format(molar ? "d=%4.3f mol/l" : "d=%4.3f kg/m3", shown);
    case Quantity::h: return format(molar ? "i=%4.1f J/mol" : "i=%4.1f kJ/kg", shown);
    case Quantity::s: return format("S=%5.3f ", shown);
    case Quantity::Cp:
      return infiniteCp(v) ? std::string("Cp=") + kInfinity + (molar ? " J/mol.K" : " kJ/kg.K")
                           : format(molar ? "Cp=%4.2f J/mol.K" : "Cp=%4.2f kJ/kg.K", shown);
  }
  return {};
}

Real quantityOf(const CursorState& st, Quantity q) {
  switch (q) {
    case Quantity::T: return st.T;
    case Quantity::P: return st.P;
    case Quantity::d: return st.d;
    case Quantity::h: return st.h;
    case Quantity::s: return st.s;
    case Quantity::Cp: return st.Cp;
  }
  return 0;
}

ReadoutFields readoutFields(kinds::Kind k) {
  using Q = Quantity;
  switch (k) {
    case kinds::Kind::PH: return {{Q::P, Q::h}, {Q::T, Q::d, Q::s, Q::Cp}};
    case kinds::Kind::HS: return {{Q::h, Q::s}, {Q::T, Q::P, Q::d, Q::Cp}};
    default: return {{Q::T, Q::s}, {Q::P, Q::d, Q::h, Q::Cp}};
  }
}

std::array<std::string, 4> stateTexts(const CursorState& st, app::Units u, const tfs::Model* n) {
  return {quantityText(Quantity::P, st.P, u, n), quantityText(Quantity::d, st.d, u, n),
          quantityText(Quantity::h, st.h, u, n), quantityText(Quantity::Cp, st.Cp, u, n)};
}

const tfs::Model* otherModelOf(const app::AppState& st) {
  const tfs::ModelKind k = st.model == tfs::ModelKind::Cubic ? tfs::ModelKind::Reference : tfs::ModelKind::Cubic;
  const tfs::Model* m = nullptr;
  return tfs::attempt([&] { m = &tfs::model(st.subst, k); }) ? m : nullptr;
}

Comparison compareAt(const tfs::Model& other, const CursorState& st) {
  Comparison c;
  // In the dome T and P do not fix the state.
  if (!st.found || (st.x > 0 && st.x < 1) || infiniteCp(st.Cp)) return c;
  Real x = 0;
  c.ok = tfs::attempt([&] { other.dhs_PT(st.P, st.T, c.d, c.h, c.s, c.Cp, x); }).ok && c.d > 0 &&
         std::isfinite(double(c.h + c.s + c.Cp)) && !infiniteCp(c.Cp);
  return c;
}

std::string comparisonText(Quantity q, const CursorState& st, const Comparison& c, app::Units u,
                           const tfs::Model& mine, const tfs::Model& other) {
  if (!c.ok || q == Quantity::T || q == Quantity::P) return {};
  CursorState theirs = st;
  theirs.d = c.d, theirs.h = c.h, theirs.s = c.s, theirs.Cp = c.Cp;
  const Real a = shownValue(q, quantityOf(st, q), u, mine), b = shownValue(q, quantityOf(theirs, q), u, other);
  if (!std::isfinite(double(a)) || !std::isfinite(double(b))) return {};
  std::string text = modelShortName(other.kind()) + ": " + app::trimmedText(format(kNumber[int(q)], b));
  // Against a value near zero a per cent says nothing.
  const Real pct = a != 0 ? (b - a) / std::fabs(a) * 100 : Real(HUGE_VALL);
  if (std::fabs(pct) < 1000) text += " (" + std::string(pct >= 0 ? "+" : "") + format("%.2f", pct) + " %)";
  return text;
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
    case NoState::Refused: return {outside, app::libraryText(st.refusal)};
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
