#pragma once
// The two equations of state: the helium equation and the Soave form of the
// Redlich-Kwong cubic equation. Units: T in K, rho in kg/m3, P in MPa,
// enthalpy in kJ/kg, entropy and heat capacities in kJ/(kg K).

#include "real.h"

namespace tfs {

enum class EosMode { Pressure = 1, Full = 3 };

struct EosResult {
  Real P = 0;     // pressure, MPa
  Real dP = 0;    // (dP/drho)_T, MPa m3/kg
  Real d2P = 0;   // curvature term for the damped density step
  Real hR = 0;    // residual enthalpy, kJ/kg        (Full only)
  Real sR = 0;    // residual entropy against the ideal gas at the same
                  // T and rho, kJ/(kg K)               (Full only)
  Real cvR = 0;   // residual cv, kJ/(kg K)          (Full only)
  Real cpcv = 0;  // cp - cv of the real fluid       (Full only)
};

// Helium (index 1) only.
EosResult EosHe(int subst, EosMode mode, Real T, Real rho);

// Helium's pressure along one isotherm: the coefficients of its density
// series at T, taken once for the many passes of the density iteration.
struct HeliumIsotherm {
  Real RT = 0, rhoCr = 0;
  Real c[11] = {};  // c[i] multiplies (rho/rhoCr)^i
};
HeliumIsotherm heliumIsotherm(int subst, Real T);
EosResult heliumPressure(const HeliumIsotherm& iso, Real rho);
// Any substance but helium.
EosResult EosRKS(int subst, EosMode mode, Real T, Real rho);
// Picks EosHe for index 1, EosRKS otherwise.
EosResult Eos(int subst, EosMode mode, Real T, Real rho);

}  // namespace tfs
