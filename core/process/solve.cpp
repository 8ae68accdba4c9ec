#include "core/process/solve.h"

#include <algorithm>
#include <cmath>

#include "thermo/limits.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

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

Real TriplePressure(std::string_view name) { return tfs::triplePressure(tfs::SubstIndex(name), true); }

namespace {

// A mixture of liquid fraction xl on the saturation line at T.
void MixtureAtT(std::string_view name, Real T, Real X, ProcPoint& pt) {
  const Real xl = 1 - X;
  Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  tfs::dhs2_T(name, T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  const Real i = xl * hl + (1 - xl) * hv;
  const Real P = xl * Pl + (1 - xl) * Pv;
  Real Tt = T, d = pt.d, s = pt.s, Cp = 0, x = pt.x;
  tfs::Tds_hP(name, i, P, Tt, d, s, Cp, x);
  pt.i = i;
  pt.P = P;
  pt.d = d;
  pt.s = s;
  pt.x = x;
  pt.T = T;
}

// A mixture of liquid fraction xl on the saturation line at P.
void MixtureAtP(std::string_view name, Real P, Real X, ProcPoint& pt) {
  const Real xl = 1 - X;
  Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
  tfs::dhs2_P(name, P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  const Real i = xl * hl + (1 - xl) * hv;
  Real T = pt.T, d = pt.d, s = pt.s, Cp = 0, x = pt.x;
  tfs::Tds_hP(name, i, P, T, d, s, Cp, x);
  pt.P = P;
  pt.i = i;
  pt.T = T;
  pt.d = d;
  pt.s = s;
  pt.x = x;
}

SolveStatus CheckDrynessT(std::string_view name, Real T) {
  const int n = tfs::SubstIndex(name);
  if (!(T < tfs::Tcr[n])) return SolveStatus::DrynessHotT;
  if (T < tfs::Ttr[n]) return SolveStatus::DrynessColdT;
  return SolveStatus::Solved;
}

SolveStatus CheckDrynessP(std::string_view name, Real P) {
  const int n = tfs::SubstIndex(name);
  if (!(P < tfs::Pcr[n])) return SolveStatus::DrynessHighP;
  if (P < TriplePressure(name)) return SolveStatus::DrynessLowP;
  return SolveStatus::Solved;
}

void FromTP(std::string_view name, Real T, Real P, ProcPoint& pt) {
  Real d = pt.d, h = pt.i, s = pt.s, Cp = 0, x = pt.x;
  tfs::dhs_PT(name, P, T, d, h, s, Cp, x);
  pt.T = T;
  pt.P = P;
  pt.d = d;
  pt.i = h;
  pt.s = s;
  pt.x = x;
}

void FromTd(std::string_view name, Real T, Real d, ProcPoint& pt) {
  Real P = pt.P, h = pt.i, s = pt.s, Cp = 0, x = pt.x;
  tfs::Phs_Td(name, T, d, P, h, s, Cp, x);
  pt.T = T;
  pt.d = d;
  pt.P = P;
  pt.i = h;
  pt.s = s;
  pt.x = x;
}

// Where the isobar P leaves the sound range: the state at the solidification
// temperature (not below the triple point) and the state at the highest
// temperature. Status of a requested enthalpy (or entropy) against them.
SolveStatus AlongIsobar(std::string_view name, Real P, Real value, bool entropy, Real Tmax) {
  const int n = tfs::SubstIndex(name);
  const Real Tlow = std::max(tfs::Tmelt(name, P), tfs::Ttr[n]);
  Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
  tfs::dhs_PT(name, P, Tlow, d, h, s, Cp, x);
  const Real tol = entropy ? tfs::Rgas[n] / 1000 : tfs::Rgas[n] / 100;
  if (value < (entropy ? s : h) - tol) return SolveStatus::TooCold;
  tfs::dhs_PT(name, P, Tmax, d, h, s, Cp, x);
  if (value > (entropy ? s : h) + tol) return SolveStatus::TooHot;
  return SolveStatus::Solved;
}

// A computed state outside the sound range of the library.
SolveStatus CheckState(std::string_view name, const ProcPoint& p, Real Tmax) {
  const int n = tfs::SubstIndex(name);
  constexpr Real eps = 1e-9L;
  if (!(p.T <= Tmax * (1 + eps))) return SolveStatus::TooHot;
  if (!(p.T >= tfs::Ttr[n] * (1 - eps))) return SolveStatus::TooCold;
  if (!(p.P <= tfs::pressureCeiling(n) * (1 + eps))) return SolveStatus::PressureAbove;
  if (!(p.P >= tfs::kPressureFloor * (1 - eps))) return SolveStatus::PressureBelow;
  if (!(p.d < tfs::limitingDensity(n))) return SolveStatus::TooDense;
  return SolveStatus::Solved;
}

void FromHP(std::string_view name, Real h, Real P, ProcPoint& pt) {
  Real T = pt.T, d = pt.d, s = pt.s, Cp = 0, x = pt.x;
  tfs::Tds_hP(name, h, P, T, d, s, Cp, x);
  pt.P = P;
  pt.i = h;
  pt.T = T;
  pt.d = d;
  pt.s = s;
  pt.x = x;
}

void FromSP(std::string_view name, Real s, Real P, ProcPoint& pt) {
  Real T = pt.T, d = pt.d, h = pt.i, Cp = 0, x = pt.x;
  tfs::Tdh_sP(name, s, P, T, d, h, Cp, x);
  pt.P = P;
  pt.s = s;
  pt.T = T;
  pt.d = d;
  pt.i = h;
  pt.x = x;
}

}  // namespace

namespace {

// Entropy of the isenthalp h at P. False where h lies below the state at the
// solidification temperature or near and above the state at the highest
// temperature of the substance (the inverse routine would complain there).
bool EntropyOnIsenthalp(std::string_view name, Real h, Real P, Real& s) {
  const int n = tfs::SubstIndex(name);
  const Real Tm = std::max(tfs::Tmelt(name, P), tfs::Ttr[n]);
  Real d = 0, hm = 0, sm = 0, Cp = 0, x = 0;
  tfs::dhs_PT(name, P, Tm, d, hm, sm, Cp, x);
  if (!(h >= hm)) return false;
  tfs::dhs_PT(name, P, tfs::kIdealGasTmax[n], d, hm, sm, Cp, x);
  if (!(h < hm - tfs::Rgas[n] / 100)) return false;
  Real T = 0;
  tfs::Tds_hP(name, h, P, T, d, s, Cp, x);
  return std::isfinite(s);
}

}  // namespace

bool PressureFromHS(std::string_view name, Real h, Real s, Real& P) {
  const int n = tfs::SubstIndex(name);
  // The pressures the library handles.
  const Real Pmax = tfs::pressureCeiling(n);
  const Real Pmin = tfs::kPressureFloor;
  constexpr int kGrid = 96;
  const Real lnMin = std::log(Pmin), lnMax = std::log(Pmax);
  // Along an isenthalp s falls as P rises: scan for a bracket, then bisect.
  bool havePrev = false;
  Real lnPrev = 0, sPrev = 0;
  for (int k = 0; k <= kGrid; ++k) {
    const Real lnP = lnMin + k * (lnMax - lnMin) / kGrid;
    Real sk = 0;
    if (!EntropyOnIsenthalp(name, h, std::exp(lnP), sk)) {
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
        if (!EntropyOnIsenthalp(name, h, std::exp(mid), sm)) return false;
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

SolveStatus SolvePair(std::string_view name, int first, int second, Real a, Real b, ProcPoint& pt) {
  return SolvePairUpTo(name, first, second, a, b, tfs::kIdealGasTmax[tfs::SubstIndex(name)], pt);
}

SolveStatus SolvePairUpTo(std::string_view name, int first, int second, Real a, Real b, Real Tmax, ProcPoint& pt) {
  if ((MustBePositive(first) && !(a > 0)) || (MustBePositive(second) && !(b > 0))) return SolveStatus::NotPositive;
  SolveStatus st = SolveStatus::Solved;
  ProcPoint r = pt;
  if (first == kTemperature && second == kPressure) {
    FromTP(name, a, b, r);
  } else if (first == kTemperature && second == kDensity) {
    FromTd(name, a, b, r);
  } else if (first == kTemperature && second == kDryness) {
    if ((st = CheckDrynessT(name, a)) != SolveStatus::Solved) return st;
    MixtureAtT(name, a, b, r);
  } else if (first == kPressure && second == kTemperature) {
    FromTP(name, b, a, r);
  } else if (first == kPressure && second == kEnthalpy) {
    if ((st = AlongIsobar(name, a, b, false, Tmax)) != SolveStatus::Solved) return st;
    FromHP(name, b, a, r);
  } else if (first == kPressure && second == kEntropy) {
    if ((st = AlongIsobar(name, a, b, true, Tmax)) != SolveStatus::Solved) return st;
    FromSP(name, b, a, r);
  } else if (first == kPressure && second == kDryness) {
    if ((st = CheckDrynessP(name, a)) != SolveStatus::Solved) return st;
    MixtureAtP(name, a, b, r);
  } else if (first == kDensity && second == kTemperature) {
    FromTd(name, b, a, r);
  } else if (first == kVolume && second == kTemperature) {
    // Through the density 1/v.
    FromTd(name, b, 1 / a, r);
  } else if (first == kEnthalpy && second == kPressure) {
    if ((st = AlongIsobar(name, b, a, false, Tmax)) != SolveStatus::Solved) return st;
    FromHP(name, a, b, r);
  } else if (first == kEnthalpy && second == kEntropy) {
    Real P = 0;
    if (!PressureFromHS(name, a, b, P)) return SolveStatus::NoState;
    FromHP(name, a, P, r);
    r.s = b;
  } else if (first == kEntropy && second == kPressure) {
    if ((st = AlongIsobar(name, b, a, true, Tmax)) != SolveStatus::Solved) return st;
    FromSP(name, a, b, r);
  } else if (first == kDryness && second == kTemperature) {
    if ((st = CheckDrynessT(name, b)) != SolveStatus::Solved) return st;
    MixtureAtT(name, b, a, r);
  } else if (first == kDryness && second == kPressure) {
    if ((st = CheckDrynessP(name, b)) != SolveStatus::Solved) return st;
    MixtureAtP(name, b, a, r);
  } else {
    return SolveStatus::NotAdmitted;
  }
  if ((st = CheckState(name, r, Tmax)) != SolveStatus::Solved) return st;
  pt = r;
  return SolveStatus::Solved;
}

SolveStatus SolveEnd(std::string_view name, int procKind, int kind3, Real value3, const ProcPoint& start,
                     ProcPoint& end) {
  switch (procKind) {
    case kIsotherm: return SolvePair(name, kTemperature, kind3, start.T, value3, end);
    case kIsobar: return SolvePair(name, kPressure, kind3, start.P, value3, end);
    case kIsochore:
      if (kind3 != kTemperature) return SolveStatus::NotAdmitted;
      return SolvePair(name, kTemperature, kDensity, value3, start.d, end);
    case kIsenthalp:
      if (kind3 == kPressure) return SolvePair(name, kPressure, kEnthalpy, value3, start.i, end);
      if (kind3 == kEntropy) return SolvePair(name, kEnthalpy, kEntropy, start.i, value3, end);
      return SolveStatus::NotAdmitted;
    case kIsentrope:
      if (kind3 != kPressure) return SolveStatus::NotAdmitted;
      return SolvePair(name, kPressure, kEntropy, value3, start.s, end);
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
