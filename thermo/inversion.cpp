#include "inversion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "report.h"
#include "roots.h"
#include "tfs.h"

namespace tfs {
namespace {

Real enthalpy(const Model& m, Real T, Real P) {
  Real d, h, s, Cp, x;
  m.dhs_PT(P, T, d, h, s, Cp, x);
  return h;
}

// The pressure above which the state at T is single-phase liquid or
// supercritical: the bubble pressure below the critical temperature.
Real liquidSide(const Model& m, Real T) {
  const ModelLimits& lim = m.limits();
  if (!(T < lim.Tcr)) return 0;
  Real Pv = 0, Pl = 0;
  m.Psat(T, Pv, Pl);
  return Pl;
}

}  // namespace

Real enthalpyPressureSlope(const Model& m, Real T, Real P) {
  const Real e = Real(1e-4) * P;
  return (enthalpy(m, T, P + e) - enthalpy(m, T, P - e)) / (2 * e);
}

Real zeroPressureSlope(const Model& m, Real T) {
  // h = h0 + g P + c P^2 at low pressure: g from three pressures.
  const Real P1 = Real(0.01), h1 = enthalpy(m, T, P1), h2 = enthalpy(m, T, 2 * P1), h3 = enthalpy(m, T, 3 * P1);
  return (-Real(2.5) * h1 + 4 * h2 - Real(1.5) * h3) / P1;
}

InversionSpan inversionSearchSpan(const Model& m, Real T) {
  const ModelLimits& lim = m.limits();
  return {std::max(liquidSide(m, T) * (1 + Real(1e-3)), lim.Pfloor * 10), lim.Pceiling / (1 + Real(2e-4))};
}

Real maxInversionTemperature(const Model& m) {
  const ModelLimits& lim = m.limits();
  const Real lo = std::max(lim.Ttr, lim.Tcr);
  auto g = [&](Real T) { return zeroPressureSlope(m, T); };
  // Scan up from the critical temperature, where (dh/dP)T < 0, to the
  // first sign change.
  Real a = lo, ga = g(a);
  if (!(ga < 0)) return 0;
  const Real step = std::max<Real>(lo / 4, 1);
  for (Real b = a + step; b <= lim.Tmax + step / 2; b += step) {
    const Real Tb = std::min(b, lim.Tmax);
    const Real gb = g(Tb);
    if (gb > 0) return illinoisRoot(g, a, Tb, ga, gb, Real(1e-6));
    a = Tb, ga = gb;
  }
  return 0;
}

std::vector<InversionPoint> inversionCurve(const Model& m, int n) {
  std::vector<InversionPoint> out;
  const ModelLimits& lim = m.limits();
  const Real Tinv = maxInversionTemperature(m);
  if (!(Tinv > 0) || n < 2) return out;

  // The inversion pressure at T: the sign change of (dh/dP)T between the
  // liquid side (or the lowest pressure) and the ceiling; 0 when (dh/dP)T
  // does not change sign there.
  auto pressureAt = [&](Real T) -> Real {
    const InversionSpan span = inversionSearchSpan(m, T);
    const auto f = [&](Real y) { return enthalpyPressureSlope(m, T, std::exp(y)); };
    Real a = std::log(span.lo), b = std::log(span.hi);
    const Real fa = f(a), fb = f(b);
    if (!(fa < 0) || !(fb > 0)) return 0;
    return std::exp(illinoisRoot(f, a, b, fa, fb, Real(1e-9)));
  };

  // The low end: where the saturated liquid itself sits on the curve, or
  // the triple point when the curve reaches it.
  Real Tlow = lim.Ttr * (1 + Real(1e-6));
  if (pressureAt(Tlow) == 0) {
    // (dh/dP)T of the saturated liquid changes sign at the end: bisect on
    // whether an inversion pressure exists.
    Real a = Tlow, b = std::min(lim.Tcr, Tinv);
    for (int pass = 0; pass < 60 && b - a > Real(1e-6) * b; ++pass) {
      const Real c = (a + b) / 2;
      (pressureAt(c) > 0 ? b : a) = c;
    }
    Tlow = b;
  }
  // Denser towards both ends, where the curve turns fastest.
  for (int i = 0; i < n; ++i) {
    const Real u = Real(i) / (n - 1);
    const Real w = (1 - std::cos(u * std::numbers::pi_v<Real>)) / 2;
    const Real T = Tlow + (Tinv - Tlow) * w;
    if (i == n - 1) {
      out.push_back({Tinv, 0});
      break;
    }
    const Real P = pressureAt(T);
    if (P > 0) out.push_back({T, P});
  }
  return out;
}

}  // namespace tfs
