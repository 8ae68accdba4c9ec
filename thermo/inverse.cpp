// Inverse routines: the state from (h, P), (s, P) and (T, s).

#include <algorithm>
#include <cmath>

#include "checks.h"
#include "limits.h"
#include "report.h"
#include "saturation.h"
#include "substances.h"
#include "tfs.h"

namespace tfs {
namespace {

constexpr Real kTHighStart = 500;  // upper bracket end before one is found
constexpr Real kTCeiling = 1000;  // the upper end is doubled up to this (the
                                   // ideal-gas fits hold no further)
constexpr int kTPasses = 21;
constexpr int kPPasses = 31;
constexpr int kBisections = 200;
// A requested value beyond the state at the ceiling.
const char* const kHTooHigh = "Значение h больше h при T=1000 K !";
const char* const kSTooHigh = "Значение S больше S при T=1000 K !";

// Air's saturation line ends at Pkp = 3.774 MPa, its range checks at
// Pcr = 3.768 MPa: pressures between them count as supercritical.
bool subcritical(int k, Real P) { return P < Pkp[k] && P <= Pcr[k]; }

// Solidification temperature at P, not below the triple point.
Real meltLimit(std::string_view name, int k, Real P) {
  const Real Tm = Tmelt(name, P);
  return Tm < Ttr[k] ? Ttr[k] : Tm;
}

// Start temperature of the search at supercritical pressure.
Real supercriticalStart(int k, Real P) {
  const Real u = 0.884L / Tkp[k];
  return (std::sqrt(P / Pkp[k]) * (0.455L - u) + 0.545L - u) * Tkp[k];
}

// A step that is not finite or has left [lo, hi].
bool outside(Real T, Real lo, Real hi) { return !std::isfinite(T) || T < lo || T > hi; }

}  // namespace

void Tds_hP(std::string_view name, Real h, Real P, Real& T, Real& d, Real& s, Real& Cp, Real& x) {
  const int k = SubstIndex(name);
  const Real Tm = meltLimit(name, k, P);
  const Real tol = Rgas[k] / 100;
  Real Tlo = 0, rlo = 0, Thi = kTHighStart, rhi = 0, Tcap = kTHighStart;
  bool bracket = false;
  auto take = [&](const PointState& st) { d = st.d, s = st.s, Cp = st.Cp, x = st.x; };

  if (subcritical(k, P)) {
    Real Tv, dv, hv, sv, Cpv, Tl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
    // Below the triple point (for air: below its bubble-side value) the
    // reference is the vapour at the solidification temperature.
    if (P < triplePressure(k, true)) {
      const PointState ref = statePT(k, P, Tm);
      x = ref.x;
      Tv = Tm, dv = ref.d, hv = ref.h, sv = ref.s, Cpv = ref.Cp;
      if (h < hv) message("h<hv");
      if (!(h > hv) || std::fabs(h - hv) < tol) {
        // On or below the state at the solidification temperature: that state.
        T = Tm;
        take(ref);
        return;
      }
    } else {
      dhs2_P(name, P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
      if (std::fabs(h - hv) < tol) {
        T = Tv, d = dv, s = sv, Cp = Cpv, x = 0;
        return;
      }
      if (std::fabs(h - hl) < tol) {
        T = Tl, d = dl, s = sl, Cp = Cpl, x = 1;
        return;
      }
    }
    if (h > hv) {  // superheated vapour
      Tlo = Tv, rlo = hv - h;
      x = 0;
      T = Tv + (h - hv) / Cpv;
    } else if (h < hl) {  // compressed liquid
      Thi = Tl, rhi = hl - h;
      x = 1;
      T = Tl - (hl - h) / Cpl;
      Tlo = Tm;
      if (T < Tlo) T = (2 * Tlo + Tl) / 3;
      const PointState st = statePT(k, P, Tlo);
      take(st);
      if (h < st.h) {
        message("Значение h менше h затвердевания !");
        return;
      }
      rlo = st.h - h;
      bracket = true;
    } else {  // two-phase
      x = (hv - h) / (hv - hl);
      d = dv + x * (dl - dv);
      s = sv + x * (sl - sv);
      T = Tv + x * (Tl - Tv);
      Cp = kTwoPhaseCp;
      return;
    }
  } else {
    const Real T0 = supercriticalStart(k, P);
    const PointState st0 = statePT(k, P, T0);
    Cp = st0.Cp, x = st0.x;
    if (h < st0.h) {
      Thi = T0, rhi = st0.h - h;
      Tlo = Tm;
      const PointState st = statePT(k, P, Tm);
      d = st.d, x = st.x;
      rlo = st.h - h;
      bracket = true;
      T = rlo >= 0 ? Tm + 0.01L : Tlo - (Thi - Tlo) * rlo / (rhi - rlo);
    } else {
      Tlo = T0, rlo = st0.h - h;
      T = T0 - (st0.h - h) / st0.Cp / 1.3L;
      PointState st = statePT(k, P, T);
      d = st.d, s = st.s, x = st.x;
      if (st.h > h) {
        Thi = T, rhi = st.h - h;
      } else {
        // Upper end: 500 K, doubled while the state still lies above it.
        Thi = kTHighStart;
        for (;;) {
          st = statePT(k, P, Thi);
          d = st.d, s = st.s, x = st.x;
          rhi = st.h - h;
          if (rhi >= 0 || Thi >= kTCeiling) break;
          Thi = std::min(2 * Thi, kTCeiling);
        }
        Tcap = Thi;
        if (rhi < 0) {
          message(kHTooHigh);
          T = Thi;
          take(st);
          return;
        }
      }
    }
  }

  T = std::min(T, kTCeiling);
  for (int pass = 0; pass < kTPasses; ++pass) {
    const PointState st = statePT(k, P, T);
    take(st);
    const Real r = st.h - h;
    if (std::fabs(r) <= tol) return;
    if (T >= kTCeiling && r < 0) {
      message(kHTooHigh);
      return;
    }
    const Real Tprev = T;
    if (r < 0 && T > Tlo) Tlo = T, rlo = r;
    if (r >= 0 && T < Thi) Thi = T, rhi = r;
    if (!bracket && Tlo > 0 && Thi < Tcap && rlo < 0 && rhi > 0) bracket = true;
    if (bracket) {
      Real slope = (rhi - rlo) / (Thi - Tlo);
      if (slope < 0) slope = 2.5L * Rgas[k];
      Cp = (2 * Cp + slope) * 0.335L;
    }
    T = T - r / Cp;
    if (bracket) {
      if (outside(T, Tlo, Thi)) T = (Tlo + Thi) / 2;
    } else if (outside(T, Tlo, INFINITY)) {
      T = (Tlo + Tprev) / 2;
    }
    T = std::min(T, kTCeiling);
  }
  // Not converged: the results of the last temperature.
  take(statePT(k, P, T));
}

void Tdh_sP(std::string_view name, Real s, Real P, Real& T, Real& d, Real& h, Real& Cp, Real& x) {
  const int k = SubstIndex(name);
  const Real Tm = meltLimit(name, k, P);
  const Real tol = Rgas[k] / 1000;
  Real TA = 0, rA = 0, TB = kTHighStart, rB = 0, Tcap = kTHighStart;
  bool bracket = false;
  auto take = [&](const PointState& st) { d = st.d, h = st.h, Cp = st.Cp, x = st.x; };

  if (subcritical(k, P)) {
    Real Tv, dv, hv, sv, Cpv, Tl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
    if (P < triplePressure(k, true)) {
      const PointState ref = statePT(k, P, Tm);
      x = ref.x;
      Tv = Tm, dv = ref.d, hv = ref.h, sv = ref.s, Cpv = ref.Cp;
      if (s < sv) message("s<sv");
      if (!(s > sv) || std::fabs(s - sv) < tol) {
        T = Tm;
        take(ref);
        return;
      }
    } else {
      dhs2_P(name, P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
      if (std::fabs(s - sv) < tol) {
        T = Tv, d = dv, h = hv, Cp = Cpv, x = 0;
        return;
      }
      if (std::fabs(s - sl) < tol) {
        T = Tl, d = dl, h = hl, Cp = Cpl, x = 1;
        return;
      }
    }
    if (s > sv) {  // superheated vapour
      TA = Tv, rA = s - sv;
      x = 0;
      T = Tv * std::exp((s - sv) / Cpv);
    } else if (s < sl) {  // compressed liquid
      TB = Tl, rB = s - sl;
      TA = Tm + 0.00001L;
      const PointState st = statePT(k, P, TA);
      d = st.d, x = st.x;
      if (s < st.s) {
        message("Значение S менше S затвердевания !");
        T = std::max(Tl * std::exp((s - sl) / Cpl), TA);
        h = st.h, Cp = st.Cp;
        return;
      }
      rA = s - st.s;
      T = (2 * TA + TB) / 3;
      bracket = true;
    } else {  // two-phase
      x = (sv - s) / (sv - sl);
      d = dv + x * (dl - dv);
      h = hv + x * (hl - hv);
      T = Tv + x * (Tl - Tv);
      Cp = kTwoPhaseCp;
      return;
    }
  } else {
    const Real T0 = supercriticalStart(k, P);
    const PointState st0 = statePT(k, P, T0);
    x = st0.x;
    if (s < st0.s) {
      TB = T0, rB = s - st0.s;
      TA = Tm;
      const PointState st = statePT(k, P, Tm);
      d = st.d, x = st.x;
      rA = s - st.s;
      T = T0 * std::exp((s - st0.s) / st0.Cp);
      if (T < Ttr[k]) T = (2 * TA + TB) / 3;
    } else {
      TA = T0, rA = s - st0.s;
      T = T0 * std::exp((s - st0.s) / st0.Cp);
      PointState st = statePT(k, P, T);
      d = st.d, h = st.h, x = st.x;
      if (st.s > s) {
        TB = T, rB = s - st.s;
        T = (2 * TA + TB) / 3;
      } else {
        TB = kTHighStart;
        for (;;) {
          st = statePT(k, P, TB);
          d = st.d, h = st.h, x = st.x;
          rB = s - st.s;
          if (rB <= 0 || TB >= kTCeiling) break;
          TB = std::min(2 * TB, kTCeiling);
        }
        Tcap = TB;
        if (rB > 0) {
          message(kSTooHigh);
          T = TB;
          take(st);
          return;
        }
      }
    }
    bracket = true;
  }

  T = std::min(T, kTCeiling);
  for (int pass = 0; pass < kTPasses; ++pass) {
    const PointState st = statePT(k, P, T);
    take(st);
    const Real r = s - st.s;
    if (std::fabs(r) <= tol) return;
    if (T >= kTCeiling && r > 0) {
      message(kSTooHigh);
      return;
    }
    const Real Tprev = T;
    if (r > 0 && T > TA) TA = T, rA = r;
    if (r <= 0 && T < TB) TB = T, rB = r;
    if (!bracket && TA > 0 && TB < Tcap && rA > 0 && rB < 0) bracket = true;
    if (bracket) {
      Real slope = (rA - rB) / (TB - TA) * (TA + TB) / 2;
      if (slope < 0) slope = 2.5L * Rgas[k];
      Cp = (2 * slope + Cp) * 0.335L;
    }
    T = T * std::exp(r / Cp);
    if (bracket) {
      if (outside(T, TA, TB)) T = (TA + TB) / 2;
    } else if (outside(T, TA, INFINITY)) {
      T = (TA + Tprev) / 2;
    }
    T = std::min(T, kTCeiling);
  }
  take(statePT(k, P, T));
}

void Pdh_Ts(std::string_view name, Real T, Real s, Real& P, Real& d, Real& h, Real& Cp, Real& x) {
  const int k = SubstIndex(name);
  const Real tol = Rgas[k] / 1000;
  const Real Pmax = pressureCeiling(k);
  Real PA, sA, PB, sB;
  auto take = [&](const PointState& st) { d = st.d, h = st.h, Cp = st.Cp, x = st.x; };
  // Low-pressure end: the ideal gas at Plow.
  auto lowEnd = [&](Real Plow, const SatStates* sat) {
    const Real dB = Plow / ((Rgas[k] / 1000) * T);
    const PhsResult b = stateTd(k, T, dB, sat);
    PB = b.P, sB = b.s;
    d = dB, h = b.h, Cp = b.Cp, x = b.x;
  };

  if (T < Tcr[k]) checkTRange(kCallerDhs2T, k, T);
  // The saturation line at T serves every pass.
  const SatLineAtT line = satLineAt(k, T);
  if (T < Tcr[k]) {
    const SatStates q = dhs2(name, 0, T, SatGiven::Temperature);
    if (std::fabs(s - q.sv) < tol) {
      P = q.Pv, d = q.dv, h = q.hv, Cp = q.Cpv, x = 0;
      return;
    }
    if (std::fabs(s - q.sl) < tol) {
      P = q.Pl, d = q.dl, h = q.hl, Cp = q.Cpl, x = 1;
      return;
    }
    if (s > q.sv) {  // vapour
      PA = q.Pv, sA = q.sv;
      x = 0;
      // Where the saturation pressure is below 0.001 MPa that pressure lies
      // in the dome: start well below Pv instead.
      lowEnd(q.Pv > 0.002L ? 0.001L : q.Pv / 10, &q);
    } else if (s < q.sl) {  // liquid
      PB = q.Pl, sB = q.sl;
      Real Pm = Pmelt(name, T);
      if (Pm > Pmax) Pm = Pmax;
      if (!(Pm > q.Pl)) {
        // The melting line lies below the boiling line here: no liquid.
        P = 0, d = 0, h = 0, Cp = 0, x = 1;
        return;
      }
      const PointState st = statePT(k, Pm, T, line);
      take(st);
      if (s < st.s) {
        P = 0;
        return;
      }
      PA = Pm, sA = st.s;
    } else {  // two-phase
      x = (q.sv - s) / (q.sv - q.sl);
      P = q.Pv + x * (q.Pl - q.Pv);
      d = q.dv + x * (q.dl - q.dv);
      h = q.hv + x * (q.hl - q.hv);
      Cp = kTwoPhaseCp;
      return;
    }
  } else {
    x = 0;
    const PointState st = statePT(k, Pmax, T, line);
    take(st);
    if (s < st.s) {
      P = 0;
      return;
    }
    PA = Pmax, sA = st.s;
    lowEnd(0.001L, nullptr);
  }

  const Real lnPmax = std::log(Pmax);
  Real lnPA = std::log(PA), lnPB = std::log(PB);
  // Residuals of the two ends in the interpolation. When the same end moves
  // twice in a row the other one's weight is halved (Illinois rule): in the
  // liquid, s is nearly linear in P, not ln P, and plain false position
  // would creep towards the root from one side only.
  Real wA = sA - s, wB = sB - s;
  int lastSide = 0;
  for (int pass = 0; pass < kPPasses; ++pass) {
    Real lnP = lnPA + (lnPB - lnPA) * wA / (wA - wB);
    if (!std::isfinite(lnP)) lnP = (lnPA + lnPB) / 2;
    lnP = std::clamp(lnP, std::min(lnPA, lnPB) - 46, lnPmax);
    P = std::exp(lnP);
    const PointState st = statePT(k, P, T, line);
    take(st);
    if (std::fabs(s - st.s) < tol) return;
    if (st.s >= s) {
      PB = P, sB = st.s, lnPB = lnP, wB = sB - s;
      if (lastSide == 1) wA /= 2;
      lastSide = 1;
    } else {
      PA = P, sA = st.s, lnPA = lnP, wA = sA - s;
      if (lastSide == -1) wB /= 2;
      lastSide = -1;
    }
  }
  // The false position stalled: bisection in ln P on the bracket it kept.
  if (!(sA < s && s <= sB)) return;
  for (int i = 0; i < kBisections && std::fabs(lnPA - lnPB) > 1e-16L; ++i) {
    const Real lnP = (lnPA + lnPB) / 2;
    P = std::exp(lnP);
    const PointState st = statePT(k, P, T, line);
    take(st);
    if (std::fabs(s - st.s) < tol) return;
    if (st.s >= s) {
      lnPB = lnP, sB = st.s;
    } else {
      lnPA = lnP, sA = st.s;
    }
  }
}

}  // namespace tfs
