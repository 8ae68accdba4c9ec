#include "core/diagram/cursor.h"

#include <cmath>

#include "thermo/limits.h"
#include "thermo/report.h"
#include "thermo/statehs.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace diagram {

bool cursorT(const PlotRect& r, double y, const Scale& sc, Real& T) {
  if (!(r.bottom - r.top > 10)) return false;
  const Real f = (Real(r.bottom) - y) / (Real(r.bottom) - r.top);
  T = sc.log ? std::exp(sc.lnTmin + f * (sc.lnTmax - sc.lnTmin)) : sc.Tmin + f * (sc.Tmax - sc.Tmin);
  if (T < sc.Tmin) T = sc.Tmin;
  if (T > sc.Tmax) T = sc.Tmax;
  return true;
}

bool cursorS(const PlotRect& r, double x, const Scale& sc, Real& s) {
  if (!(r.right - r.left > 10)) return false;
  s = (Real(x) - r.left) / (Real(r.right) - r.left) * sc.Srange + sc.Smin;
  return true;
}

double pixelY(const PlotRect& r, Real T, const Scale& sc) {
  const Real f = sc.log ? (std::log(T) - sc.lnTmin) / (sc.lnTmax - sc.lnTmin) : (T - sc.Tmin) / (sc.Tmax - sc.Tmin);
  return double(r.bottom - f * (Real(r.bottom) - r.top));
}

double pixelX(const PlotRect& r, Real s, const Scale& sc) {
  return double(r.left + (s - sc.Smin) / sc.Srange * (Real(r.right) - r.left));
}

Scale scaleOf(const kinds::Frame& f) {
  Scale sc;
  sc.log = f.logY;
  sc.Tmin = f.yLo;
  sc.Tmax = f.yHi;
  sc.lnTmin = f.yLo > 0 ? std::log(Real(f.yLo)) : 0;
  sc.lnTmax = f.yHi > 0 ? std::log(Real(f.yHi)) : 0;
  sc.Smin = f.xLo;
  sc.Srange = Real(f.xHi) - Real(f.xLo);
  return sc;
}

CursorState stateAt(const tfs::Model& m, Real T, Real s, const Scale& sc) {
  CursorState st;
  if (!(T > sc.Tmin && s > sc.Smin)) {
    st.why = NoState::Outside;
    return st;
  }
  m.Pdh_Ts(T, s, st.P, st.d, st.h, st.Cp, st.x);
  st.computed = true;
  st.found = st.P > 0;
  if (st.found) return st;
  // Left of the entropy at the highest pressure searched: above the critical
  // temperature, or where the solidification pressure lies above that
  // pressure, the ceiling was passed; otherwise the state would be solid.
  const tfs::ModelLimits& lim = m.limits();
  st.why = !(T < lim.Tcr) || m.Pmelt(T) > lim.Pceiling ? NoState::Ceiling : NoState::Solid;
  return st;
}

CursorState stateAtKind(const tfs::Model& m, kinds::Kind k, Real x, Real y, const Scale& sc) {
  if (k == kinds::Kind::TS) {
    CursorState st = stateAt(m, y, x, sc);
    st.T = y;
    st.s = x;
    return st;
  }
  CursorState st;
  if (!(y > sc.Tmin && x > sc.Smin)) {
    st.why = NoState::Outside;
    return st;
  }
  st.computed = true;
  if (k == kinds::Kind::PH) {
    st.P = y;
    st.h = x;
    const tfs::Attempt a = tfs::attempt([&] { m.Tds_hP(st.h, st.P, st.T, st.d, st.s, st.Cp, st.x); });
    st.found = a.ok && st.T > 0 && st.d > 0;
    st.refusal = a.text;
  } else {
    const tfs::HsState hs = tfs::stateHs(m, y, x);
    st.found = hs.ok;
    st.refusal = hs.refusal;
    st.h = y, st.s = x;
    st.T = hs.T, st.P = hs.P, st.d = hs.d, st.Cp = hs.Cp, st.x = hs.x;
  }
  if (!st.found) {
    const Real h = st.h, s = st.s;
    const std::string why = st.refusal;
    st = CursorState{};
    st.computed = true;
    st.h = h, st.s = s;
    st.why = NoState::Refused;
    st.refusal = why;
  }
  return st;
}

}  // namespace diagram
