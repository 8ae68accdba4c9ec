// Saturation (vapour-liquid) and solidification lines.

#include "saturation.h"

#include <cmath>

#include "caloric.h"
#include "checks.h"
#include "density.h"
#include "report.h"
#include "substances.h"
#include "tfs.h"

namespace tfs {
namespace {

// log10(P/MPa) = c0 + c1/x + c2 x + c3 x^2 + c4 x^3 + c5 x^4 + c6 x^5,
// x = T for helium, T/100 otherwise. Row 11: air's dew line, row 12: its
// bubble line.
constexpr Real kSatCoef[13][7] = {
    {0, 0, 0, 0, 0, 0, 0},
    {-0.60213L, -4.20437L, 0, 0.07653L, -0.01366L, 0.000851232L, 0},
    {2.074201L, -0.5525642L, -3.1282L, 6.6989L, 0, 0, 0},
    {0.42963L, -0.42586L, 4.54185L, -7.66892L, 8.63093L, 0, 0},
    {3.586063L, -1.0609L, -3.56616L, 4.11092L, 0, 0, 0},
    {6.22575L, -3.9301L, -4.34691L, 2.39387L, -0.45193L, 0, 0},
    {4.32851L, -3.97738L, -1.06766L, 0.14876L, 0.07866L, 0, 0},
    {4.5596L, -4.26168L, -1.07206L, 0.08232L, 0.09777L, 0, 0},
    {9.98666L, -14.06766L, -2.40692L, 0.30557L, 0, 0, 0},
    {6.8112L, -5.95546L, -3.48066L, 1.3338L, -0.17869L, 0, 0},
    {6.53966L, -8.298988L, -1.618181L, 0.233519L, 0.0131174L, 0, 0},
    {5.18794L, -3.94049L, -2.59029L, 1.30894L, -0.21794L, 0, 0},
    {6.42564L, -3.92905L, -5.29158L, 3.42776L, -0.81182L, 0, 0},
};

// Simon-type melting line: Pm = a0 + a1 (T - a3)^a2.
constexpr Real kMeltCoef[kSubstCount + 1][4] = {
    {0, 0, 0, 0},
    {-1.78L, 1.631457L, 1.555414L, 0},
    {-27.963L, 0.274963L, 1.74407L, 0},
    {-27.963L, 0.274963L, 1.74407L, 0},
    {-105.799L, 0.6289415L, 1.599916L, 0},
    {-160.662L, 0.0957894L, 1.791L, 0},
    {-190.406L, 0.0821L, 1.75L, 0},
    {-278.6L, 0.263575L, 1.742594L, 0},
    {-1599.058481L, 0.1L, 1.8L, 0},
    {-175.3L, 0.1781L, 1.60883L, 18.16L},
    {-652.2925L, 0.2L, 1.8L, 0.482L},
    {-160.662L, 0.0957894L, 1.791L, 0},
};

constexpr Real kLn10 = 2.302585L;  // the decimal-to-natural factor of the tables
constexpr int kAirBubbleRow = 12;

// Newton iteration on 1/T with the fixed slope B, from T. Leaves in T the
// last iterate and returns the temperature after the final half step.
Real satNewton(int row, Real lnP, Real B, Real& T) {
  for (int pass = 0; pass < kTsatPasses; ++pass) {
    const Real e = lnP - lnPsat(row, T);
    if (std::fabs(e) < 0.00001L) return 1 / (1 / T - e / (2 * B));
    const Real next = 1 / (1 / T - e / B);
    if (!std::isfinite(next) || next <= 0) break;
    T = next;
  }
  // Not converged within the bound: the last iterate.
  return T;
}

// One saturated side at (T, P) from the start value of its density.
void satSide(int k, Real T, Real P, Real rho0, const IdealGasResult& ig, Real& d, Real& h, Real& s, Real& Cp) {
  d = DensPT(k, T, P, rho0);
  const CaloricResult c = CaloricDT(k, T, d, ig);
  h = c.h;
  s = c.s;
  Cp = c.cp;
}

// The same with the start value from the correlation. Above Tcr it keeps
// its outputs: start from the critical density then.
void satSide(int k, Real T, Real P, bool liquid, Real& d, Real& h, Real& s, Real& Cp) {
  Real dV0 = Rocr[k], dL0 = Rocr[k];
  SatDensGuess(k, T, P, dV0, dL0);
  satSide(k, T, P, liquid ? dL0 : dV0, IdealGas(k, T), d, h, s, Cp);
}

}  // namespace

Real lnPsat(int row, Real T) {
  const Real* c = kSatCoef[row];
  const Real x = row == kHelium ? T : T / 100;
  Real L = c[1] / x + c[0] + x * (c[2] + x * (c[3] + x * (c[4] + x * c[5])));
  if (c[6] != 0) L += c[6] * x * x * x * x * x;
  return L * kLn10;
}

void satPressures(int k, Real T, Real& Pv, Real& Pl) {
  Pv = std::exp(lnPsat(k, T));
  Pl = Pv;
  if (k == kAir) {
    Pl = std::exp(lnPsat(kAirBubbleRow, T));
    if (Pl > Pkp[kAir]) Pl = Pkp[kAir];
  }
}

void Psat(std::string_view name, Real T, Real& Pv, Real& Pl) {
  const int k = SubstIndex(name);
  checkTRange(kCallerPsat, k, T);
  satPressures(k, T, Pv, Pl);
}

void satTemperatures(int k, Real P, Real& Tv, Real& Tl) {
  Tv = Tl = 0;
  if (!(P > 0)) return;
  const Real B = Tcr[k] * 7 / 3 * kLn10 * (1 + Omega[k]);
  const Real A = std::log(Pcr[k]) + B / Tcr[k];
  const Real lnP = std::log(P);
  Real T = B / (A - lnP);
  if (!(T > 0) || !std::isfinite(T)) return;
  Tv = satNewton(k, lnP, B, T);
  Tl = Tv;
  if (k == kAir) {
    Tl = satNewton(kAirBubbleRow, lnP, B, T);  // from the last dew iterate
    if (Tl > Tkp[kAir]) Tl = Tkp[kAir];
  }
}

void Tsat(std::string_view name, Real P, Real& Tv, Real& Tl) {
  const int k = SubstIndex(name);
  checkPRange(kCallerTsat, k, P);
  satTemperatures(k, P, Tv, Tl);
  // Below the triple-point pressure there is no saturation temperature.
  if (!(Tl >= Ttr[k]) || !std::isfinite(Tv)) Tv = Tl = 0;
}

Real triplePressure(int k, bool bubbleSide) {
  const int row = (bubbleSide && k == kAir) ? kAirBubbleRow : k;
  return std::exp(lnPsat(row, Ttr[k]));
}

SatStates dhs2(std::string_view name, Real P, Real T, SatGiven given) {
  const int k = SubstIndex(name);
  SatStates r;
  if (given == SatGiven::Pressure) {
    if (P > Pkp[k]) consoleFatal("Задано P > Pkp при расчете свойств в насышении !");
    r.Pv = r.Pl = P;
    Tsat(name, P, r.Tv, r.Tl);
    if (r.Tv == 0) {
      // No saturation below the triple-point pressure: each side is taken at
      // its line temperature raised to Ttr, so no state is evaluated at T = 0.
      Real tv = 0, tl = 0;
      satTemperatures(k, P, tv, tl);
      r.Tv = (std::isfinite(tv) && tv > Ttr[k]) ? tv : Ttr[k];
      r.Tl = (std::isfinite(tl) && tl > Ttr[k]) ? tl : Ttr[k];
    }
  } else {
    if (T > Tkp[k]) consoleFatal("Задано T > Tkp при расчете свойств в насышении !");
    r.Tv = r.Tl = T;
    Psat(name, T, r.Pv, r.Pl);
  }
  satSide(k, r.Tv, r.Pv, false, r.dv, r.hv, r.sv, r.Cpv);
  satSide(k, r.Tl, r.Pl, true, r.dl, r.hl, r.sl, r.Cpl);
  return r;
}

SatStates satStatesAt(int k, Real T, const SatLineAtT& line) {
  SatStates r;
  r.Tv = r.Tl = T;
  r.Pv = line.Pv, r.Pl = line.Pl;
  Real dV0, dL0;
  lineGuesses(k, T, line, dV0, dL0);
  satSide(k, T, r.Pv, dV0, line.ig, r.dv, r.hv, r.sv, r.Cpv);
  satSide(k, T, r.Pl, dL0, line.ig, r.dl, r.hl, r.sl, r.Cpl);
  return r;
}

void dhs2_P(std::string_view name, Real P, Real& Tv, Real& dv, Real& hv, Real& sv, Real& Cpv,
            Real& Tl, Real& dl, Real& hl, Real& sl, Real& Cpl) {
  checkPRange(kCallerDhs2P, SubstIndex(name), P);
  checkPressureInput("dhs2_P", P);
  const SatStates r = dhs2(name, P, 0, SatGiven::Pressure);
  Tv = r.Tv, dv = r.dv, hv = r.hv, sv = r.sv, Cpv = r.Cpv;
  Tl = r.Tl, dl = r.dl, hl = r.hl, sl = r.sl, Cpl = r.Cpl;
}

void dhs2_T(std::string_view name, Real T, Real& Pv, Real& dv, Real& hv, Real& sv, Real& Cpv,
            Real& Pl, Real& dl, Real& hl, Real& sl, Real& Cpl) {
  checkTRange(kCallerDhs2T, SubstIndex(name), T);
  const SatStates r = dhs2(name, 0, T, SatGiven::Temperature);
  Pv = r.Pv, dv = r.dv, hv = r.hv, sv = r.sv, Cpv = r.Cpv;
  Pl = r.Pl, dl = r.dl, hl = r.hl, sl = r.sl, Cpl = r.Cpl;
}

Real meltTemperature(int k, Real P) {
  const Real* a = kMeltCoef[k];
  Real Tm = XpowY((P - a[0]) / a[1], 1 / a[2]) + a[3];
  if (k == kHelium && Tm < 0.04L * P + 2.2L) Tm = 0.04L * P + 2.2L;
  return Tm;
}

Real meltPressure(int k, Real T) {
  const Real* a = kMeltCoef[k];
  return a[0] + a[1] * XpowY(T - a[3], a[2]);
}

Real Tmelt(std::string_view name, Real P) {
  const int k = SubstIndex(name);
  checkPressureCap("Tmelt", P);
  return meltTemperature(k, P);
}

Real Pmelt(std::string_view name, Real T) {
  const int k = SubstIndex(name);
  if (T < Ttr[k])
    consoleFatal("  Температура Т=" + formatNumber("%5.1f", T) + " ниже Т тройной точки !");
  checkTemperatureInput("Pmelt", T);
  return meltPressure(k, T);
}

}  // namespace tfs
