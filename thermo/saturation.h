#pragma once
// Internal routines of the saturation line.

#include <string_view>

#include "caloric.h"
#include "checks.h"
#include "limits.h"
#include "real.h"
#include "substances.h"

namespace tfs {

// ln(P/MPa) of saturation-table row 1..12 (12: bubble line of air) at T.
Real lnPsat(int row, Real T);

struct SatStates {
  Real Pv = 0, Tv = 0, dv = 0, hv = 0, sv = 0, Cpv = 0;
  Real Pl = 0, Tl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
};

// Which of P and T the saturated states are taken at.
enum class SatGiven { Pressure = 1, Temperature = 2 };

// Saturated states at the given P or T.
SatStates dhs2(std::string_view name, Real P, Real T, SatGiven given);

// A two-phase mixture of liquid fraction x: the specific volumes mix
// linearly, 1/d = x/dl + (1 - x)/dv, and x back from its density.
inline Real mixtureDensity(Real x, Real dv, Real dl) { return 1 / (x / dl + (1 - x) / dv); }
inline Real liquidFraction(Real d, Real dv, Real dl) { return (1 / dv - 1 / d) / (1 / dv - 1 / dl); }

// Saturation pressures at T, without the range check: Pv of the dew line
// and Pl of the bubble line (air's bubble row, capped at Pkp; Pl = Pv for a
// pure fluid).
void satPressures(int subst, Real T, Real& Pv, Real& Pl);

// The solidification line's formulas without the checks: Pm(T) and Tm(P)
// (helium's lower bound included), MPa and K.
Real meltPressure(int subst, Real T);
Real meltTemperature(int subst, Real P);

// Bound of the Newton loop in Tsat.
inline constexpr int kTsatPasses = 200;

// Saturation temperatures of the dew line (row = substance index) and, for
// air, of the bubble line (row 12) at P, without the range check and without
// the zeroing below the triple point. Tl = Tv for a pure substance; air's
// bubble temperature is capped at Tkp.
void satTemperatures(int subst, Real P, Real& Tv, Real& Tl);

// Single-phase state or air band state at (P, T), the core of dhs_PT.
struct PointState {
  Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
  Real dsdP = 0;  // (ds/dP) at constant T of a single-phase state, else 0
};
PointState statePT(int subst, Real P, Real T);

// What statePT needs at T: whether T is below the saturation line's end,
// Pv and Pl, and the ideal-gas values. A search at fixed T takes it once.
struct SatLineAtT {
  bool subcritical = false;
  Real Pv = 0, Pl = 0;
  IdealGasResult ig;  // the ideal-gas values at T
};
SatLineAtT satLineAt(int subst, Real T);
// The start values of the saturated densities at T (vapour at Pv); the
// liquid's does not depend on the pressure. Taken only where they decide.
void lineGuesses(int subst, Real T, const SatLineAtT& line, Real& dV0, Real& dL0);
PointState statePT(int subst, Real P, Real T, const SatLineAtT& line);
// The saturated states at T from what the line at T already holds (the same
// states as dhs2 at T, without its checks).
SatStates satStatesAt(int subst, Real T, const SatLineAtT& line);

// State at (T, d), the core of Phs_Td; sat may hold the saturated states at
// T (T < Tcr) when the caller already has them.
struct PhsResult {
  Real P = 0, h = 0, s = 0, Cp = 0, x = 0;
};
PhsResult stateTd(int subst, Real T, Real d, const SatStates* sat);

// The range checks, called only where they fail (they build their message
// before testing).
inline void checkTRange(int code, int subst, Real T) {
  if (!(T >= Ttr[subst] && T <= Tcr[subst])) CheckT(code, subst, T);
}
inline void checkPRange(int code, int subst, Real P) {
  if (!(P <= Pcr[subst])) CheckP(code, subst, P);
}

}  // namespace tfs
