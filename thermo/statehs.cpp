#include "statehs.h"

#include <cmath>

#include "report.h"
#include "tfs.h"

namespace tfs {
namespace {

// The isentrope s at P, or why the model has no state there.
struct Probe {
  bool ok = false;
  std::string refusal;
  Real T = 0, d = 0, h = 0, Cp = 0, x = 0;
};

Probe isentropeAt(const Model& m, Real s, Real P) {
  Probe p;
  const Attempt a = attempt([&] { m.Tdh_sP(s, P, p.T, p.d, p.h, p.Cp, p.x); });
  p.ok = a.ok && std::isfinite(p.h) && p.d > 0;
  if (!a.ok) p.refusal = a.text;
  return p;
}

constexpr int kPasses = 60;

struct Point {
  Real h = 0, s = 0, d = 0, Cp = 0, x = 0;
};

bool pointPT(const Model& m, Real P, Real T, Point& q) {
  return attempt([&] { m.dhs_PT(P, T, q.d, q.h, q.s, q.Cp, q.x); }).ok && std::isfinite(q.h) && std::isfinite(q.s);
}

// The isentrope's search leaves s within the library's tolerance of the
// wanted value. A single-phase state is polished by Newton steps in (T, ln P)
// on h and s together, kept only while they stay in the phase and get closer.
void polish(const Model& m, Real h, Real s, HsState& st) {
  if (st.Cp == kTwoPhaseCp) return;
  const Real R = m.gasConstant();
  Point q;
  if (!pointPT(m, st.P, st.T, q) || q.x != st.x) return;
  auto error = [&](const Point& p, Real T) { return std::fabs(h - p.h) / (R * T) + std::fabs(s - p.s) / R; };
  Real err = error(q, st.T);
  for (int pass = 0; pass < 4 && err > Real(1e-12); ++pass) {
    const Real eT = st.T * Real(1e-6), eY = Real(1e-6);
    Point qT, qP;
    if (!pointPT(m, st.P, st.T + eT, qT) || !pointPT(m, st.P * std::exp(eY), st.T, qP)) return;
    const Real hT = (qT.h - q.h) / eT, sT = (qT.s - q.s) / eT;
    const Real hY = (qP.h - q.h) / eY, sY = (qP.s - q.s) / eY;
    const Real det = hT * sY - hY * sT;
    if (!(std::fabs(det) > 0)) return;
    const Real dT = ((h - q.h) * sY - hY * (s - q.s)) / det;
    const Real dY = (hT * (s - q.s) - (h - q.h) * sT) / det;
    const Real T = st.T + dT, P = st.P * std::exp(dY);
    const ModelLimits& lim = m.limits();
    if (!(T > lim.Ttr && T < lim.Tmax && P > lim.Pfloor && P < lim.Pceiling)) return;
    Point n;
    if (!pointPT(m, P, T, n) || n.x != st.x || n.Cp == kTwoPhaseCp) return;
    const Real e = error(n, T);
    if (!(e < err)) return;
    st.T = T, st.P = P, st.d = n.d, st.Cp = n.Cp;
    q = n, err = e;
  }
}

}  // namespace

HsState stateHs(const Model& m, Real h, Real s) {
  HsState out;
  const ModelLimits& lim = m.limits();
  const Real tol = m.gasConstant() / 100;  // kJ/kg, as the library's T(h, P)
  if (!std::isfinite(h) || !std::isfinite(s)) {
    out.refusal = "Значения h и S не являются числами !";
    return out;
  }
  // A pressure with a state on the isentrope: the states at the pressures
  // the isentrope has form one range of P, which holds it.
  const Real yFloor = std::log(lim.Pfloor), yCeiling = std::log(lim.Pceiling);
  Real y = 0;
  Probe p;
  for (const Real P : {Real(0.1), Real(1), Real(0.01), Real(10), Real(1e-3), Real(100), Real(1e-4), Real(1e-5),
                       Real(1e-6)}) {
    if (!(P >= lim.Pfloor && P <= lim.Pceiling)) continue;
    p = isentropeAt(m, s, P);
    if (p.ok) {
      y = std::log(P);
      break;
    }
    if (out.refusal.empty()) out.refusal = p.refusal;
  }
  if (!p.ok) return out;
  // Up the isentrope when the wanted h is higher, down when lower; the
  // other bound is the end of the range or the first pressure without a
  // state. Newton in ln P, dh/dln P = P v (P in kPa), kept in the bracket.
  Real r = h - p.h;
  const bool up = r > 0;
  Real near = y, far = up ? yCeiling : yFloor;
  std::string farWhy;
  bool farTried = false, farState = false;
  for (int pass = 0; pass < kPasses; ++pass) {
    // Converged, or the root bracketed between two states as closely as
    // the isentrope's own tolerance lets h be told apart.
    if (std::fabs(r) <= tol || (farState && std::fabs(far - near) < Real(1e-9))) {
      out = {};
      out.ok = true;
      out.T = p.T, out.P = std::exp(y), out.d = p.d, out.Cp = p.Cp, out.x = p.x;
      polish(m, h, s, out);
      return out;
    }
    if (std::fabs(far - near) < Real(1e-10)) break;
    const Real slope = 1000 * std::exp(y) / p.d;
    Real next = y + r / slope;
    const bool inside = up ? next > near && next < far : next < near && next > far;
    if (!inside) next = farTried ? (near + far) / 2 : far;
    farTried = true;
    const Probe q = isentropeAt(m, s, std::exp(next));
    if (!q.ok) {
      far = next, farWhy = q.refusal, farState = false;
      continue;
    }
    const Real rq = h - q.h;
    if ((rq > 0) == up) {
      near = next;
    } else {
      far = next, farWhy.clear(), farState = true;
    }
    y = next, p = q, r = rq;
  }
  // The wanted h lies beyond what the isentrope reaches in the range.
  if (!farWhy.empty()) {
    out.refusal = farWhy;
  } else {
    out.refusal = up ? "Значение h больше h на изоэнтропе при наибольшем давлении !"
                     : "Значение h меньше h на изоэнтропе при наименьшем давлении !";
  }
  out.ok = false;
  return out;
}

void TPd_hs(const Model& m, Real h, Real s, Real& T, Real& P, Real& d, Real& Cp, Real& x) {
  const HsState st = stateHs(m, h, s);
  if (!st.ok) fatal(st.refusal);
  T = st.T, P = st.P, d = st.d, Cp = st.Cp, x = st.x;
}

}  // namespace tfs
