#pragma once
// The ideal-process calculator's plain part: admissible parameter pairs, the
// pair solver, the end state of a process and its heat and work.
// Values in the library's units: T K, P MPa, d kg/m3, v m3/kg, i kJ/kg,
// s kJ/(kg K); a dryness is a fraction after ToInternal.

#include "thermo/model.h"
#include "thermo/real.h"

namespace proc {

using tfs::Real;

// Parameter kinds: the index of the three parameter lists.
enum ParamKind : int {
  kTemperature = 0,
  kPressure = 1,
  kDensity = 2,
  kVolume = 3,
  kEnthalpy = 4,
  kEntropy = 5,
  kDryness = 6,
};
inline constexpr int kParamCount = 7;

// Process kinds: the index of the process radio group.
enum ProcKind : int {
  kIsotherm = 0,
  kIsobar = 1,
  kIsochore = 2,
  kIsenthalp = 3,
  kIsentrope = 4,
};

// One state of a process. x is the liquid fraction (0 vapour/gas, 1 liquid).
struct ProcPoint {
  Real T = 0, P = 0, d = 0, i = 0, s = 0, x = 0;
};

// The admissible-pair table (not symmetric).
bool PairAllowed(int first, int second);
// The parameter kind a process keeps constant (density for the isochore).
int ConstKind(int procKind);
// An entered dryness is in percent; every other value is taken as it is.
Real ToInternal(int kind, Real value);

enum class SolveStatus {
  Solved,
  NotAdmitted,        // the pair is not in the table
  DrynessHotT,        // dryness with T at or above the critical temperature
  DrynessColdT,       // dryness with T below the triple point
  DrynessHighP,       // dryness with P at or above the critical pressure
  DrynessLowP,        // dryness with P below the triple-point pressure
  NotPositive,        // a temperature, pressure, density or volume not above 0
  NoState,            // (enthalpy, entropy): no pressure found reliably
  // The state lies outside what the library describes soundly:
  TooHot,             // above the highest temperature of the ideal-gas functions
  TooCold,            // below the solidification line (or the triple point)
  PressureAbove,      // above the pressure ceiling
  PressureBelow,      // below the lowest pressure handled
  TooDense,           // at or above the equation's limiting density
};

// The triple-point pressure: the higher of the two saturation pressures at
// the triple-point temperature (dew and bubble differ for air).
Real TriplePressure(const tfs::Model& m);

// Whether a state at T (at P) can be saturated: below the critical point
// and not below the triple point; else the dryness status that says why.
SolveStatus SaturatedAtT(const tfs::Model& m, Real T);
SolveStatus SaturatedAtP(const tfs::Model& m, Real P);

// Full state from a pair of parameter kinds. Writes only the fields the pair
// determines; on any status but Solved the target is left as it was. A state
// outside the library's sound range is refused, never clamped.
SolveStatus SolvePair(const tfs::Model& m, int first, int second, Real a, Real b, ProcPoint& pt);
// The same with another hottest admitted temperature Tmax, K, in place of
// the ceiling of the ideal-gas functions.
SolveStatus SolvePairUpTo(const tfs::Model& m, int first, int second, Real a, Real b, Real Tmax, ProcPoint& pt);

// The pressure at which the isenthalp h has entropy s (s falls as P rises).
// Returns false when no such pressure can be found reliably.
bool PressureFromHS(const tfs::Model& m, Real h, Real s, Real& P);

// End state of a process from its start and the end-defining value (kind3,
// value3 after ToInternal). The pair (ConstKind(procKind), kind3) must be
// admitted. The end record is written only when Solved.
SolveStatus SolveEnd(const tfs::Model& m, int procKind, int kind3, Real value3, const ProcPoint& start,
                     ProcPoint& end);

// Heat given off Q and technical work done by the gas L, kJ/kg, with
// -Q = (i_e - i_s) + L for every process; and the changes of d, i, s.
//   isotherm   Q = T (s_s - s_e)           L = T (s_e - s_s) - (i_e - i_s)
//   isobar     Q = i_s - i_e               L = 0
//   isochore   Q = u_s - u_e               L = (P_s - P_e) v
//   isenthalp  Q = 0                       L = 0
//   isentrope  Q = 0                       L = i_s - i_e
// Only for an ideal gas is the isotherm's heat equal to the work put in.
struct ProcResult {
  Real Q = 0, L = 0, dd = 0, di = 0, ds = 0;
};
ProcResult HeatAndWork(int procKind, const ProcPoint& s, const ProcPoint& e);

}  // namespace proc
