#pragma once
// The ranges the property library handles soundly, for the windows'
// admissible ranges. Substances by index 1..11 (see substanceIndex).

#include "real.h"
#include "substances.h"

namespace tfs {

// Highest pressure of the searches (Pdh_Ts and the isenthalp scan), MPa.
// Helium's equation describes no state above 10 MPa: on its coldest
// isotherms the pressure never reaches much more.
inline constexpr Real kHeliumPressureCeiling = 10;
inline constexpr Real kPressureCeiling = 100;
inline constexpr Real pressureCeiling(int subst) {
  return subst == kHelium ? kHeliumPressureCeiling : kPressureCeiling;
}

// Highest pressure the state routines accept, MPa; above it they refuse.
// The cubic equation keeps its roots below 1/b up to some thousands of MPa.
inline constexpr Real kPressureLimit = 1000;

// Highest temperature the state routines accept, K; above it they refuse.
// Ten times the ceiling of the temperature searches.
inline constexpr Real kTemperatureLimit = 10000;

// Lowest pressure handled soundly, MPa: two decades below the lowest
// triple-point pressure (oxygen, 1.5e-4 MPa), where every fluid is an ideal
// gas to 1e-5 and the inverse routines still find their states.
inline constexpr Real kPressureFloor = 1e-6L;

// Helium's equation stops rising with density at 221.7 kg/m3 on the 2.2 K
// isotherm (higher on warmer ones); beyond, the pressure falls as the density
// grows and no state is sound.
inline constexpr Real kHeliumLimitingDensity = 220;

// Density above which the equation of state gives no state, kg/m3: 1/b of
// the cubic equation, the value above for helium.
inline Real limitingDensity(int subst) { return subst == kHelium ? kHeliumLimitingDensity : 1 / bRKS[subst]; }

// Highest temperature of the ideal-gas functions, K. The N2, O2 and air fits
// give cp0 1.5 % high at 600 K, 5 % at 700 K and 44 % at 1000 K.
inline constexpr Real kIdealGasTmax[kSubstCount + 1] = {0,    1000, 700,  700,  1000, 600,
                                                        1000, 600,  1000, 1000, 1000, 600};

// Triple-point pressure of the saturation line, MPa: the dew-side value at
// Ttr, or, with bubbleSide set, air's bubble-side value (equal for the pure
// fluids).
Real triplePressure(int subst, bool bubbleSide = false);

}  // namespace tfs
