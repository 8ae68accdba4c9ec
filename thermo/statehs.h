#pragma once
// The state from enthalpy and entropy, for the h–s diagram. Along an
// isentrope dh = v dP, so h rises with P: the pressure is the one root of
// h(s, P) = h, found with the model's own T(s, P).

#include <string>

#include "model.h"
#include "real.h"

namespace tfs {

struct HsState {
  bool ok = false;
  std::string refusal;  // why there is no state, when !ok
  Real T = 0, P = 0, d = 0, Cp = 0, x = 0;
};

// The state of model m with enthalpy h (kJ/kg) and entropy s (kJ/(kg K)),
// or the reason there is none within the model's pressures.
HsState stateHs(const Model& m, Real h, Real s);

// The same as a routine of the library: no state is refused through the
// fatal handler with the reason.
void TPd_hs(const Model& m, Real h, Real s, Real& T, Real& P, Real& d, Real& Cp, Real& x);

}  // namespace tfs
