// State points from (P, T) and from (T, d).

#include <cmath>

#include "caloric.h"
#include "checks.h"
#include "density.h"
#include "eos.h"
#include "saturation.h"
#include "substances.h"
#include "tfs.h"

namespace tfs {
namespace {

// Density at (T, P) on the side the estimate picks. The estimate is taken
// only where it decides: helium's iteration and three roots of the cubic.
template <class Estimate>
Real densityAt(int k, Real T, Real P, Estimate&& estimate) {
  if (k == kHelium) return DensPT(k, T, P, estimate());
  const CubicRoots c = densRKS(k, T, P);
  return refineRKS(k, T, P, c.kind == RootCase::Three ? pickRoot(c, estimate()) : c.root1);
}

PointState single(int k, Real T, Real d, Real x, const IdealGasResult& ig) {
  const CaloricResult c = CaloricDT(k, T, d, ig);
  return {d, c.h, c.s, c.cp, x, c.dsdP};
}

}  // namespace

SatLineAtT satLineAt(int k, Real T) {
  SatLineAtT q;
  q.ig = IdealGas(k, T);
  // Air's saturation line ends at Tkp = 132.55 K, its equation of state at
  // Tcr = 132.52 K: between them the fluid is supercritical.
  q.subcritical = T < Tkp[k] && T <= Tcr[k];
  if (!q.subcritical) return q;
  checkTRange(kCallerPsat, k, T);
  satPressures(k, T, q.Pv, q.Pl);
  return q;
}

void lineGuesses(int k, Real T, const SatLineAtT& q, Real& dV0, Real& dL0) {
  dV0 = dL0 = Rocr[k];
  SatDensGuess(k, T, q.Pv, dV0, dL0);
}

PointState statePT(int k, Real P, Real T) { return statePT(k, P, T, satLineAt(k, T)); }

PointState statePT(int k, Real P, Real T, const SatLineAtT& q) {
  if (!q.subcritical) {
    const CubicRoots roots = densRKS(k, T, P);
    return single(k, T, DensPT(k, T, P, roots.root1), 0, q.ig);
  }
  auto vapour = [&] {
    Real dV0, dL0;
    lineGuesses(k, T, q, dV0, dL0);
    return dV0 * P / q.Pv;
  };
  auto liquid = [&] {
    Real dV0, dL0;
    lineGuesses(k, T, q, dV0, dL0);
    return dL0;
  };
  if (P > q.Pl) return single(k, T, densityAt(k, T, P, liquid), 1, q.ig);  // compressed liquid
  // A pure fluid exactly on its saturation pressure is the saturated vapour.
  if (P < q.Pv || k != kAir) return single(k, T, densityAt(k, T, P, vapour), 0, q.ig);
  // Air between its dew and bubble lines: the band at constant P. The line
  // temperatures come from the correlations as they stand (the bubble line
  // continued below Ttr, both lines up to Pkp), so a legal (P, T) never
  // ends the program here.
  Real Tv = 0, Tl = 0;
  satTemperatures(k, P, Tv, Tl);
  if (!(Tv > Tl)) return single(k, T, densityAt(k, T, P, vapour), 0, q.ig);
  Real gv = Rocr[k], gl = Rocr[k], unused = 0;
  SatDensGuess(k, Tv, P, gv, unused);
  const Real dv = DensPT(k, Tv, P, gv);
  const CaloricResult cv = CaloricDT(k, Tv, dv);
  unused = 0;
  SatDensGuess(k, Tl, P, unused, gl);
  const Real dl = DensPT(k, Tl, P, gl);
  const CaloricResult cl = CaloricDT(k, Tl, dl);
  const Real w = (T - Tl) / (Tv - Tl);  // vapour fraction
  PointState r;
  r.d = mixtureDensity(1 - w, dv, dl);
  r.h = cl.h + w * (cv.h - cl.h);
  r.s = cl.s + w * (cv.s - cl.s);
  r.Cp = (cv.h - cl.h) / (Tv - Tl);
  r.x = 1 - w;  // w weights the dew (vapour) state
  return r;
}

void dhs_PT(std::string_view name, Real P, Real T, Real& d, Real& h, Real& s, Real& Cp, Real& x) {
  const int k = SubstIndex(name);
  checkPressureInput("dhs_PT", P);
  checkTemperatureInput("dhs_PT", T);
  const PointState r = statePT(k, P, T);
  d = r.d, h = r.h, s = r.s, Cp = r.Cp, x = r.x;
}

PhsResult stateTd(int k, Real T, Real d, const SatStates* sat) {
  PhsResult r;
  if (T < Tcr[k]) {
    SatStates local;
    if (!sat) {
      local = dhs2(SubstName[k], 0, T, SatGiven::Temperature);
      sat = &local;
    }
    const SatStates& q = *sat;
    if (q.dv < q.dl) {
      const Real x = liquidFraction(d, q.dv, q.dl);
      if (x > 0 && x < 1) {
        r.P = q.Pv + x * (q.Pl - q.Pv);
        r.h = q.hv + x * (q.hl - q.hv);
        r.s = q.sv + x * (q.sl - q.sv);
        r.Cp = kTwoPhaseCp;
        r.x = x;
        return r;
      }
      // Outside the dome the lever tells the side.
      r.x = x >= 1 ? 1 : 0;
    } else {
      // The two roots met near Tcr: decide by the critical density.
      r.x = d > Rocr[k] ? 1 : 0;
    }
  } else {
    r.x = 0;
  }
  const CaloricResult c = CaloricDT(k, T, d);
  r.P = c.P;
  r.h = c.h;
  r.s = c.s;
  r.Cp = c.cp;
  return r;
}

void Phs_Td(std::string_view name, Real T, Real d, Real& P, Real& h, Real& s, Real& Cp, Real& x) {
  const int k = SubstIndex(name);
  if (T < Tcr[k]) checkTRange(kCallerDhs2T, k, T);
  checkTemperatureInput("Phs_Td", T);
  checkDensityInput("Phs_Td", k, d);
  const PhsResult r = stateTd(k, T, d, nullptr);
  P = r.P, h = r.h, s = r.s, Cp = r.Cp, x = r.x;
}

}  // namespace tfs
