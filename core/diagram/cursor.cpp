#include "core/diagram/cursor.h"

#include <cmath>

#include "thermo/limits.h"
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

}  // namespace diagram
