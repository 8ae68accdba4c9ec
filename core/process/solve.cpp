#include "core/process/solve.h"

#include <algorithm>
#include <cmath>


namespace proc {

bool PairAllowed(int first, int second) {
  switch (first) {
    case kTemperature: return second == kPressure || second == kDryness;
    case kPressure: return second == kTemperature || second == kEnthalpy || second == kEntropy || second == kDryness;
    case kDensity: return second == kTemperature;
    case kVolume: return second == kTemperature;
    case kEnthalpy: return second == kPressure || second == kEntropy;
    case kEntropy: return second == kPressure;
    case kDryness: return second == kTemperature || second == kPressure;
    default: return false;
  }
}

int ConstKind(int procKind) {
  switch (procKind) {
    case kIsotherm: return kTemperature;
    case kIsobar: return kPressure;
    case kIsochore: return kDensity;
    case kIsenthalp: return kEnthalpy;
    case kIsentrope: return kEntropy;
    default: return -1;
  }
}

Real ToInternal(int kind, Real value) { return kind == kDryness ? value / 100 : value; }

Real TriplePressure(const tfs::Model& m) { return m.limits().PtrBubble; }

namespace {

// The state the model gives for two of its inputs: the inputs as given,
// the rest as computed (the heat capacity is not kept).
void FromHP(const tfs::Model& m, Real h, Real P, ProcPoint& pt) {
  Real Cp = 0;
  m.Tds_hP(h, P, pt.T, pt.d, pt.s, Cp, pt.x);
  pt.i = h, pt.P = P;
}

// A mixture of vapour fraction X on the saturation line at T: its enthalpy
// and pressure by the lever rule, the state from them.
void MixtureAtT(const tfs::Model& m, Real T, Real X, ProcPoint& pt) {
  const Real xl = 1 - X;
  Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  m.dhs2_T(T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  FromHP(m, xl * hl + (1 - xl) * hv, xl * Pl + (1 - xl) * Pv, pt);
  pt.T = T;
}

// The same at P.
void MixtureAtP(const tfs::Model& m, Real P, Real X, ProcPoint& pt) {
  const Real xl = 1 - X;
  Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
  m.dhs2_P(P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  FromHP(m, xl * hl + (1 - xl) * hv, P, pt);
}

}  // namespace

SolveStatus SaturatedAtT(const tfs::Model& m, Real T) {
  const tfs::ModelLimits& lim = m.limits();
  if (!(T < lim.Tcr)) return SolveStatus::DrynessHotT;
  if (T < lim.Ttr) return SolveStatus::DrynessColdT;
  return SolveStatus::Solved;
}

SolveStatus SaturatedAtP(const tfs::Model& m, Real P) {
  const tfs::ModelLimits& lim = m.limits();
  if (!(P < lim.Pcr)) return SolveStatus::DrynessHighP;
  if (P < TriplePressure(m)) return SolveStatus::DrynessLowP;
  return SolveStatus::Solved;
}

namespace {

void FromTP(const tfs::Model& m, Real T, Real P, ProcPoint& pt) {
  Real Cp = 0;
  m.dhs_PT(P, T, pt.d, pt.i, pt.s, Cp, pt.x);
  pt.T = T, pt.P = P;
}

void FromTd(const tfs::Model& m, Real T, Real d, ProcPoint& pt) {
  Real Cp = 0;
  m.Phs_Td(T, d, pt.P, pt.i, pt.s, Cp, pt.x);
  pt.T = T, pt.d = d;
}

void FromSP(const tfs::Model& m, Real s, Real P, ProcPoint& pt) {
  Real Cp = 0;
  m.Tdh_sP(s, P, pt.T, pt.d, pt.i, Cp, pt.x);
  pt.s = s, pt.P = P;
}

// Where the isobar P leaves the sound range: the state at the solidification
// temperature (not below the triple point) and the state at the highest
// temperature. Status of a requested enthalpy (or entropy) against them.
SolveStatus AlongIsobar(const tfs::Model& m, Real P, Real value, bool entropy, Real Tmax) {
  const tfs::ModelLimits& lim = m.limits();
  const Real Tlow = std::max(m.Tmelt(P), lim.Ttr);
  Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
  m.dhs_PT(P, Tlow, d, h, s, Cp, x);
  const Real tol = entropy ? m.gasConstant() / 1000 : m.gasConstant() / 100;
  if (value < (entropy ? s : h) - tol) return SolveStatus::TooCold;
  m.dhs_PT(P, Tmax, d, h, s, Cp, x);
  if (value > (entropy ? s : h) + tol) return SolveStatus::TooHot;
  return SolveStatus::Solved;
}

// A computed state outside the sound range of the library.
SolveStatus CheckState(const tfs::Model& m, const ProcPoint& p, Real Tmax) {
  const tfs::ModelLimits& lim = m.limits();
  constexpr Real eps = 1e-9L;
  if (!(p.T <= Tmax * (1 + eps))) return SolveStatus::TooHot;
  if (!(p.T >= lim.Ttr * (1 - eps))) return SolveStatus::TooCold;
  if (!(p.P <= lim.Pceiling * (1 + eps))) return SolveStatus::PressureAbove;
  if (!(p.P >= lim.Pfloor * (1 - eps))) return SolveStatus::PressureBelow;
  if (!(p.d < lim.dmax)) return SolveStatus::TooDense;
  return SolveStatus::Solved;
}

}  // namespace

namespace {

// Entropy of the isenthalp h at P. False where h lies below the state at the
// solidification temperature or near and above the state at the highest
// temperature of the substance (the inverse routine would complain there).
bool EntropyOnIsenthalp(const tfs::Model& m, Real h, Real P, Real& s) {
  const tfs::ModelLimits& lim = m.limits();
  const Real Tm = std::max(m.Tmelt(P), lim.Ttr);
  Real d = 0, hm = 0, sm = 0, Cp = 0, x = 0;
  m.dhs_PT(P, Tm, d, hm, sm, Cp, x);
  if (!(h >= hm)) return false;
  m.dhs_PT(P, lim.TmaxIdeal, d, hm, sm, Cp, x);
  if (!(h < hm - m.gasConstant() / 100)) return false;
  Real T = 0;
  m.Tds_hP(h, P, T, d, s, Cp, x);
  return std::isfinite(s);
}

}  // namespace

bool PressureFromHS(const tfs::Model& m, Real h, Real s, Real& P) {
  const tfs::ModelLimits& lim = m.limits();
  // The pressures the library handles.
  const Real Pmax = lim.Pceiling;
  const Real Pmin = lim.Pfloor;
  constexpr int kGrid = 96;
  const Real lnMin = std::log(Pmin), lnMax = std::log(Pmax);
  // Along an isenthalp s falls as P rises: scan for a bracket, then bisect.
  bool havePrev = false;
  Real lnPrev = 0, sPrev = 0;
  for (int k = 0; k <= kGrid; ++k) {
    const Real lnP = lnMin + k * (lnMax - lnMin) / kGrid;
    Real sk = 0;
    if (!EntropyOnIsenthalp(m, h, std::exp(lnP), sk)) {
      havePrev = false;
      continue;
    }
    if (sk == s) {
      P = std::exp(lnP);
      return true;
    }
    if (havePrev && sPrev > s && sk < s) {
      Real lo = lnPrev, hi = lnP;  // s(lo) > s > s(hi)
      for (int it = 0; it < 100 && hi - lo > 1e-13L; ++it) {
        const Real mid = (lo + hi) / 2;
        Real sm = 0;
        if (!EntropyOnIsenthalp(m, h, std::exp(mid), sm)) return false;
        if (sm > s) lo = mid;
        else hi = mid;
      }
      P = std::exp((lo + hi) / 2);
      return true;
    }
    havePrev = true;
    lnPrev = lnP;
    sPrev = sk;
  }
  return false;
}

namespace {
bool MustBePositive(int kind) {
  return kind == kTemperature || kind == kPressure || kind == kDensity || kind == kVolume;
}
}  // namespace

SolveStatus SolvePair(const tfs::Model& m, int first, int second, Real a, Real b, ProcPoint& pt) {
  return SolvePairUpTo(m, first, second, a, b, m.limits().TmaxIdeal, pt);
}

SolveStatus SolvePairUpTo(const tfs::Model& m, int first, int second, Real a, Real b, Real Tmax, ProcPoint& pt) {
  if ((MustBePositive(first) && !(a > 0)) || (MustBePositive(second) && !(b > 0))) return SolveStatus::NotPositive;
  SolveStatus st = SolveStatus::Solved;
  ProcPoint r = pt;
  if (first == kTemperature && second == kPressure) {
    FromTP(m, a, b, r);
  } else if (first == kTemperature && second == kDensity) {
    FromTd(m, a, b, r);
  } else if (first == kTemperature && second == kDryness) {
    if ((st = SaturatedAtT(m, a)) != SolveStatus::Solved) return st;
    MixtureAtT(m, a, b, r);
  } else if (first == kPressure && second == kTemperature) {
    FromTP(m, b, a, r);
  } else if (first == kPressure && second == kEnthalpy) {
    if ((st = AlongIsobar(m, a, b, false, Tmax)) != SolveStatus::Solved) return st;
    FromHP(m, b, a, r);
  } else if (first == kPressure && second == kEntropy) {
    if ((st = AlongIsobar(m, a, b, true, Tmax)) != SolveStatus::Solved) return st;
    FromSP(m, b, a, r);
  } else if (first == kPressure && second == kDryness) {
    if ((st = SaturatedAtP(m, a)) != SolveStatus::Solved) return st;
    MixtureAtP(m, a, b, r);
  } else if (first == kDensity && second == kTemperature) {
    FromTd(m, b, a, r);
  } else if (first == kVolume && second == kTemperature) {
    // Through the density 1/v.
    FromTd(m, b, 1 / a, r);
  } else if (first == kEnthalpy && second == kPressure) {
    if ((st = AlongIsobar(m, b, a, false, Tmax)) != SolveStatus::Solved) return st;
    FromHP(m, a, b, r);
  } else if (first == kEnthalpy && second == kEntropy) {
    Real P = 0;
    if (!PressureFromHS(m, a, b, P)) return SolveStatus::NoState;
    FromHP(m, a, P, r);
    r.s = b;
  } else if (first == kEntropy && second == kPressure) {
    if ((st = AlongIsobar(m, b, a, true, Tmax)) != SolveStatus::Solved) return st;
    FromSP(m, a, b, r);
  } else if (first == kDryness && second == kTemperature) {
    if ((st = SaturatedAtT(m, b)) != SolveStatus::Solved) return st;
    MixtureAtT(m, b, a, r);
  } else if (first == kDryness && second == kPressure) {
    if ((st = SaturatedAtP(m, b)) != SolveStatus::Solved) return st;
    MixtureAtP(m, b, a, r);
  } else {
    return SolveStatus::NotAdmitted;
  }
  if ((st = CheckState(m, r, Tmax)) != SolveStatus::Solved) return st;
  pt = r;
  return SolveStatus::Solved;
}

SolveStatus SolveEnd(const tfs::Model& m, int procKind, int kind3, Real value3, const ProcPoint& start,
                     ProcPoint& end) {
  switch (procKind) {
    case kIsotherm: return SolvePair(m, kTemperature, kind3, start.T, value3, end);
    case kIsobar: return SolvePair(m, kPressure, kind3, start.P, value3, end);
    case kIsochore:
      if (kind3 != kTemperature) return SolveStatus::NotAdmitted;
      return SolvePair(m, kTemperature, kDensity, value3, start.d, end);
    case kIsenthalp:
      if (kind3 == kPressure) return SolvePair(m, kPressure, kEnthalpy, value3, start.i, end);
      if (kind3 == kEntropy) return SolvePair(m, kEnthalpy, kEntropy, start.i, value3, end);
      return SolveStatus::NotAdmitted;
    case kIsentrope:
      if (kind3 != kPressure) return SolveStatus::NotAdmitted;
      return SolvePair(m, kPressure, kEntropy, value3, start.s, end);
    default: return SolveStatus::NotAdmitted;
  }
}

ProcResult HeatAndWork(int procKind, const ProcPoint& s, const ProcPoint& e) {
  ProcResult r;
  switch (procKind) {
    case kIsotherm:
      r.Q = s.T * (s.s - e.s);
      r.L = s.T * (e.s - s.s) - (e.i - s.i);
      break;
    case kIsobar:
      r.Q = s.i - e.i;
      r.L = 0;
      break;
    case kIsochore:
      r.Q = (s.i - 1000 * s.P / s.d) - (e.i - 1000 * e.P / e.d);
      r.L = 1000 * (s.P - e.P) / s.d;
      break;
    case kIsenthalp:
      r.Q = 0;
      r.L = 0;
      break;
    case kIsentrope:
      r.Q = 0;
      r.L = s.i - e.i;
      break;
    default: break;
  }
  r.dd = e.d - s.d;
  r.di = e.i - s.i;
  r.ds = e.s - s.s;
  return r;
}

}  // namespace proc
