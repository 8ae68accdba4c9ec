#pragma once
// Ideal-gas functions and the caloric properties of a real state.

#include "real.h"

namespace tfs {

struct IdealGasResult {
  Real h0 = 0;   // kJ/kg
  Real s0 = 0;   // kJ/(kg K), ideal gas at 0.101325 MPa
  Real cp0 = 0;  // kJ/(kg K)
  Real cv0 = 0;  // kJ/(kg K)
};

IdealGasResult IdealGas(int subst, Real T);

struct CaloricResult {
  Real P = 0;     // MPa
  Real h = 0;     // kJ/kg
  Real s = 0;     // kJ/(kg K)
  Real cp = 0;    // kJ/(kg K)
  Real dsdP = 0;  // (ds/dP) at constant T, kJ/(kg K MPa); 0 where the
                  // isotherm does not rise with density
};

CaloricResult CaloricDT(int subst, Real T, Real rho);
// The same with the ideal-gas values at T already at hand.
CaloricResult CaloricDT(int subst, Real T, Real rho, const IdealGasResult& ig);

}  // namespace tfs
