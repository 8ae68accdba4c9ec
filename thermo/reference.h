#pragma once
// What the reference model offers beyond the routines of Model (model.h):
// the single-phase state at (T, d) with every derivative property, and the
// second virial coefficient. Units of the library: T K, P MPa, d kg/m3,
// h kJ/kg, s and heat capacities kJ/(kg K).

#include "real.h"

namespace tfs {

struct ReferenceState {
  Real P = 0;             // MPa
  Real h = 0, s = 0;      // kJ/kg, kJ/(kg K)
  Real cv = 0, cp = 0;    // kJ/(kg K)
  Real w = 0;             // speed of sound, m/s
  Real jouleThomson = 0;  // (dT/dP)_h, K/MPa
};

// The state at (T, d) by the reference equation of substance subst, taken
// as one phase even inside the dome (a metastable or unstable state there).
// The inputs are checked as Phs_Td checks them.
ReferenceState referenceStateTd(int subst, Real T, Real d);

// The second virial coefficient B(T), m3/kg: p = rho R T (1 + B rho + ...).
Real referenceSecondVirial(int subst, Real T);

}  // namespace tfs
