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

constexpr Real kTCeiling = 1000;  // the temperature searches go no higher
constexpr int kTPasses = 21;
constexpr int kPPasses = 31;
constexpr int kBisections = 200;

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

// The temperature at which the state at P has the wanted enthalpy or
// entropy. The residual r = wanted - value falls as T rises. Enthalpy steps
// T + r/Cp; entropy steps in ln T, T exp(r/Cp), as T ds/dT = Cp. Once the
// root is bracketed, the heat capacity is blended with the bracket's slope.
struct Wanted {
  Real value;
  Real PointState::*field;  // &PointState::h or &PointState::s
  Real tolParts;  // the tolerance is the gas constant over this
  bool entropy;
  const char* belowLine;   // below the state at the solidification temperature
  const char* belowSolid;  // compressed liquid below it
  const char* aboveTop;    // beyond the state at the temperature ceiling
};

struct Found {
  Real T;
  PointState st;
};

Real step(const Wanted& w, Real T, Real r, Real Cp) { return w.entropy ? T * std::exp(r / Cp) : T + r / Cp; }

Real blend(const Wanted& w, int k, Real Cp, Real TA, Real rA, Real TB, Real rB) {
  Real slope = (rA - rB) / (TB - TA);
  if (w.entropy) slope = slope * (TA + TB) / 2;
  if (slope < 0) slope = 2.5L * Rgas[k];
  return w.entropy ? (2 * slope + Cp) * 0.335L : (2 * Cp + slope) * 0.335L;
}

PointState satPoint(Real d, Real h, Real s, Real Cp, Real x) { return {d, h, s, Cp, x}; }

Found searchT(std::string_view name, int k, Real P, const Wanted& w) {
  const Real tol = Rgas[k] / w.tolParts;
  const Real Tm = meltLimit(name, k, P);
  auto resid = [&](const PointState& st) { return w.value - st.*w.field; };
  // A: the warmest state found below the wanted value (r > 0), B: the
  // coldest one above it. The state at the solidification temperature is
  // taken only when a step falls below it.
  Real TA = 0, rA = 0, TB = 0, rB = 0, T = 0;
  bool haveA = false, haveB = false, floorSeen = false, liquid = false;

  if (subcritical(k, P)) {
    Real Tv = Tm, Tl = 0;
    PointState vap, liq;
    // Below the triple point (for air: below its bubble-side value) the
    // reference is the vapour at the solidification temperature.
    if (P < triplePressure(k, true)) {
      vap = statePT(k, P, Tm);
      floorSeen = true;
      const Real r = resid(vap);
      if (r < 0) message(w.belowLine);
      // On or below the state at the solidification temperature: that state.
      if (!(r > 0) || std::fabs(r) < tol) return {Tm, vap};
    } else {
      const SatStates q = dhs2(name, P, 0, SatGiven::Pressure);
      Tv = q.Tv, Tl = q.Tl;
      vap = satPoint(q.dv, q.hv, q.sv, q.Cpv, 0);
      liq = satPoint(q.dl, q.hl, q.sl, q.Cpl, 1);
      if (std::fabs(resid(vap)) < tol) return {Tv, vap};
      if (std::fabs(resid(liq)) < tol) return {Tl, liq};
      if (resid(vap) <= 0 && resid(liq) >= 0) {  // two-phase
        const Real x = (vap.*w.field - w.value) / (vap.*w.field - liq.*w.field);
        PointState mix = vap;
        mix.d = mixtureDensity(x, q.dv, q.dl);
        mix.h = q.hv + x * (q.hl - q.hv);
        mix.s = q.sv + x * (q.sl - q.sv);
        mix.*w.field = w.value;
        mix.Cp = kTwoPhaseCp;
        mix.x = x;
        return {Tv + x * (Tl - Tv), mix};
      }
    }
    if (resid(vap) > 0) {  // superheated vapour
      TA = Tv, rA = resid(vap), haveA = true;
      T = step(w, Tv, rA, vap.Cp);
    } else {  // compressed liquid
      TB = Tl, rB = resid(liq), haveB = true;
      liquid = true;
      T = step(w, Tl, rB, liq.Cp);
    }
  } else {
    const Real T0 = supercriticalStart(k, P);
    const PointState st0 = statePT(k, P, T0);
    const Real r0 = resid(st0);
    if (r0 < 0) {
      TB = T0, rB = r0, haveB = true;
    } else {
      TA = T0, rA = r0, haveA = true;
    }
    T = step(w, T0, r0, st0.Cp);
  }

  for (int pass = 0; pass < kTPasses; ++pass) {
    T = std::min(T, kTCeiling);
    if (!(T >= Tm) && !floorSeen) {
      // A step below the solidification temperature: the state there ends
      // the search when the wanted value lies at or below it.
      floorSeen = true;
      const PointState st = statePT(k, P, Tm);
      const Real r = resid(st);
      if (!(r > tol)) {
        if (r < 0 && liquid) message(w.belowSolid);
        return {Tm, st};
      }
      TA = Tm, rA = r, haveA = true;
      T = haveB ? TA + (TB - TA) * rA / (rA - rB) : Tm;
    }
    const PointState st = statePT(k, P, T);
    const Real r = resid(st);
    if (std::fabs(r) <= tol) return {T, st};
    if (T >= kTCeiling && r > 0) {
      message(w.aboveTop);
      return {T, st};
    }
    const Real Tprev = T;
    if (r > 0 && (!haveA || T > TA)) TA = T, rA = r, haveA = true;
    if (r <= 0 && (!haveB || T < TB)) TB = T, rB = r, haveB = true;
    const bool bracket = haveA && haveB;
    const Real Cp = bracket ? blend(w, k, st.Cp, TA, rA, TB, rB) : st.Cp;
    T = step(w, T, r, Cp);
    if (bracket) {
      if (outside(T, TA, TB)) T = (TA + TB) / 2;
    } else if (haveA && outside(T, TA, INFINITY)) {
      T = (TA + Tprev) / 2;
    } else if (haveB && !(T <= TB)) {
      T = (TB + Tprev) / 2;
    }
  }
  // Not converged: the state at the last temperature.
  T = std::min(T, kTCeiling);
  return {T, statePT(k, P, T)};
}

// The search at P for the routine named, its state put out: T, d, the
// other of h and s, Cp and x.
void searchAtP(std::string_view name, const char* routine, Real P, const Wanted& w, Real& T, Real& d, Real& other,
               Real& Cp, Real& x) {
  const int k = SubstIndex(name);
  checkPressureInput(routine, P);
  const Found f = searchT(name, k, P, w);
  T = f.T, d = f.st.d, other = w.entropy ? f.st.h : f.st.s, Cp = f.st.Cp, x = f.st.x;
}

}  // namespace

void Tds_hP(std::string_view name, Real h, Real P, Real& T, Real& d, Real& s, Real& Cp, Real& x) {
  searchAtP(name, "Tds_hP", P,
            {h, &PointState::h, 100, false, "h<hv", "Значение h менше h затвердевания !",
             "Значение h больше h при T=1000 K !"},
            T, d, s, Cp, x);
}

void Tdh_sP(std::string_view name, Real s, Real P, Real& T, Real& d, Real& h, Real& Cp, Real& x) {
  searchAtP(name, "Tdh_sP", P,
            {s, &PointState::s, 1000, true, "s<sv", "Значение S менше S затвердевания !",
             "Значение S больше S при T=1000 K !"},
            T, d, h, Cp, x);
}

namespace {

// The search of Pdh_Ts: the state at T whose entropy is s. A is the
// high-pressure end of the bracket (entropy below s), B the low-pressure
// one; the outputs are kept as the search goes.
struct EntropyAtT {
  std::string_view name;
  int k;
  Real T, s, tol, Pmax;
  SatLineAtT line;
  Real P = 0, d = 0, h = 0, Cp = 0, x = 0;
  Real PA = 0, sA = 0, PB = 0, sB = 0, lnPA = 0, lnPB = 0;
  bool liquid = false;

  void take(const PointState& st) { d = st.d, h = st.h, Cp = st.Cp, x = st.x; }
  // Low-pressure end: the ideal gas at Plow.
  void lowEnd(Real Plow, const SatStates* sat) {
    const Real dB = Plow / ((Rgas[k] / 1000) * T);
    const PhsResult b = stateTd(k, T, dB, sat);
    PB = b.P, sB = b.s;
    d = dB, h = b.h, Cp = b.Cp, x = b.x;
  }
  // High-pressure end: the state at Ptop. True when even there the entropy
  // is above s, so that no state at T has it (P = 0).
  bool highEnd(Real Ptop) {
    const PointState st = statePT(k, Ptop, T, line);
    take(st);
    if (s < st.s) {
      P = 0;
      return true;
    }
    PA = Ptop, sA = st.s;
    return false;
  }
  bool belowSaturation();
  bool bracket();
  bool falsePosition();
  void bisection();
};

// Below the critical temperature: a saturated or two-phase answer, no
// liquid at all, or the bracket on the vapour or the liquid side. True
// when the answer is known.
bool EntropyAtT::belowSaturation() {
  const SatStates q = satStatesAt(k, T, line);
  if (std::fabs(s - q.sv) < tol) {
    P = q.Pv, d = q.dv, h = q.hv, Cp = q.Cpv, x = 0;
    return true;
  }
  if (std::fabs(s - q.sl) < tol) {
    P = q.Pl, d = q.dl, h = q.hl, Cp = q.Cpl, x = 1;
    return true;
  }
  if (s > q.sv) {  // vapour
    PA = q.Pv, sA = q.sv;
    x = 0;
    // Where the saturation pressure is below 0.001 MPa that pressure lies
    // in the dome: start well below Pv instead.
    lowEnd(q.Pv > 0.002L ? 0.001L : q.Pv / 10, &q);
    return false;
  }
  if (s < q.sl) {  // liquid
    liquid = true;
    PB = q.Pl, sB = q.sl;
    Real Pm = Pmelt(name, T);
    if (Pm > Pmax) Pm = Pmax;
    if (!(Pm > q.Pl)) {
      // The melting line lies below the boiling line here: no liquid.
      P = 0, d = 0, h = 0, Cp = 0, x = 1;
      return true;
    }
    return highEnd(Pm);
  }
  // two-phase
  x = (q.sv - s) / (q.sv - q.sl);
  P = q.Pv + x * (q.Pl - q.Pv);
  d = mixtureDensity(x, q.dv, q.dl);
  h = q.hv + x * (q.hl - q.hv);
  Cp = kTwoPhaseCp;
  return true;
}

// The bracket of the search, or the answer (true) where no search is
// needed.
bool EntropyAtT::bracket() {
  if (T < Tcr[k]) return belowSaturation();
  x = 0;
  if (highEnd(Pmax)) return true;
  lowEnd(0.001L, nullptr);
  return false;
}

// False position in ln P, where the entropy of a gas is nearly linear;
// in the compressed liquid it is nearly linear in P itself. True when
// converged.
bool EntropyAtT::falsePosition() {
  const bool linear = liquid;
  const Real lnPmax = std::log(Pmax);
  lnPA = std::log(PA), lnPB = std::log(PB);
  // Residuals of the two ends in the interpolation. When the same end moves
  // twice in a row the other one's weight is halved (Illinois rule), so that
  // the false position does not creep towards the root from one side only.
  Real wA = sA - s, wB = sB - s;
  int lastSide = 0;
  // After the first pass a Newton step with the state's own ds/dP, kept
  // when it lands inside the bracket.
  Real newton = NAN;
  for (int pass = 0; pass < kPPasses; ++pass) {
    Real lnP;
    const Real lo = linear ? std::min(PA, PB) : std::min(lnPA, lnPB);
    const Real hi = linear ? std::max(PA, PB) : std::max(lnPA, lnPB);
    const bool useNewton = newton > lo && newton < hi;
    if (linear) {
      P = useNewton ? newton : PA + (PB - PA) * wA / (wA - wB);
      if (!(P > lo && P < hi)) P = (PA + PB) / 2;
      lnP = std::log(P);
    } else {
      lnP = useNewton ? newton : lnPA + (lnPB - lnPA) * wA / (wA - wB);
      if (!std::isfinite(lnP)) lnP = (lnPA + lnPB) / 2;
      lnP = std::clamp(lnP, lo - 46, lnPmax);
      P = std::exp(lnP);
    }
    const PointState st = statePT(k, P, T, line);
    take(st);
    if (std::fabs(s - st.s) < tol) return true;
    newton = st.dsdP < 0 ? (linear ? P + (s - st.s) / st.dsdP : lnP + (s - st.s) / (P * st.dsdP)) : NAN;
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
  return false;
}

// The false position stalled: bisection in ln P on the bracket it kept.
void EntropyAtT::bisection() {
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

}  // namespace

void Pdh_Ts(std::string_view name, Real T, Real s, Real& P, Real& d, Real& h, Real& Cp, Real& x) {
  const int k = SubstIndex(name);
  if (T < Tcr[k]) checkTRange(kCallerDhs2T, k, T);
  checkTemperatureInput("Pdh_Ts", T);
  // The saturation line at T serves every pass.
  EntropyAtT e{name, k, T, s, Rgas[k] / 1000, pressureCeiling(k), satLineAt(k, T)};
  e.P = P, e.d = d, e.h = h, e.Cp = Cp, e.x = x;
  if (!e.bracket() && !e.falsePosition()) e.bisection();
  P = e.P, d = e.d, h = e.h, Cp = e.Cp, x = e.x;
}

}  // namespace tfs
