#pragma once
// The Joule–Thomson inversion curve: the states where (dT/dP)h changes
// sign. As (dT/dP)h = -(dh/dP)T / cp, it is where the isotherm's enthalpy
// has its minimum in P; inside the curve a throttle cools the gas.

#include <vector>

#include "model.h"
#include "real.h"

namespace tfs {

// (dh/dP) at constant T, kJ/(kg MPa), of a single-phase state: negative
// inside the inversion curve.
Real enthalpyPressureSlope(const Model& m, Real T, Real P);

// The limit of (dh/dP)T at P -> 0: B - T dB/dT of the second virial
// coefficient, m3/kg times 1000.
Real zeroPressureSlope(const Model& m, Real T);

// The pressures between which the inversion pressure at T is sought, MPa:
// from just above the saturated liquid's (or from the lowest pressure) to
// just below the ceiling.
struct InversionSpan {
  Real lo = 0, hi = 0;
};
InversionSpan inversionSearchSpan(const Model& m, Real T);

// The highest inversion temperature (at P -> 0), K; 0 when the model has
// none below its highest temperature.
Real maxInversionTemperature(const Model& m);

struct InversionPoint {
  Real T = 0, P = 0;
};

// The curve from where it meets the saturated liquid (or the lowest
// temperature) up to the highest inversion temperature, at about n
// temperatures, ordered by T. Points above the model's pressure ceiling
// are left out.
std::vector<InversionPoint> inversionCurve(const Model& m, int n = 60);

}  // namespace tfs
