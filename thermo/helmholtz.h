#pragma once
// The reduced Helmholtz energy alpha(delta, tau) = alpha0 + alphar of a
// reference equation and its derivatives, and the properties that follow
// from them. delta = rho/rho_r, tau = T_r/T. Molar SI units: K, Pa, mol/m3,
// J/mol, J/(mol K).
//
// Everything that depends on the temperature alone (tau^t and the Gaussian
// factors of every term, the ideal-gas part) is taken once per isotherm;
// a point on it then costs integer powers of delta by multiplication, one
// exponential per distinct (l, g) and one per Gaussian term.

#include "refdata.h"

namespace tfs::ref {

struct Isotherm {
  double T = 0, tau = 0;
  // alpha0 - ln delta, tau alpha0_tau, tau^2 alpha0_tautau.
  double a0 = 0, a0t = 0, a0tt = 0;
  // Per residual term (power terms, then Gaussian terms): the factor of
  // tau f, tau f_tau and tau^2 f_tautau.
  double f[kMaxResidualTerms];
  double ft[kMaxResidualTerms];
  double ftt[kMaxResidualTerms];
  // exp(-D (tau - 1)^2) of each non-analytic term.
  double psiTau[kMaxCriticalTerms];
  // The second virial coefficient times rho_r: lim alphar_delta, delta -> 0.
  double virial = 0;
};

void setIsotherm(const RefData& eq, double T, Isotherm& iso);

// The residual part at one delta: alphar, delta alphar_delta,
// delta^2 alphar_deltadelta, tau alphar_tau, tau^2 alphar_tautau and
// delta tau alphar_deltatau.
struct Residual {
  double a = 0, d = 0, dd = 0, t = 0, tt = 0, dt = 0;
};
Residual residual(const RefData& eq, const Isotherm& iso, double delta);
// Only d and dd (what the pressure and its slope need).
Residual residualPressure(const RefData& eq, const Isotherm& iso, double delta);
// d, dd and alphar (what the equal Gibbs energies of saturation need).
Residual residualGibbs(const RefData& eq, const Isotherm& iso, double delta);

// Pressure and its slope (dp/drho)_T at one delta.
struct PressurePoint {
  double p = 0, dpdrho = 0;
};
PressurePoint pressureAt(const RefData& eq, const Isotherm& iso, double delta);

// The properties of one state (molar SI).
struct Props {
  double T = 0, rho = 0, p = 0;
  double h = 0, s = 0, g = 0;
  double cv = 0, cp = 0, w = 0;
  double dpdrho = 0;  // (dp/drho)_T, Pa m3/mol
  double dpdT = 0;    // (dp/dT)_rho, Pa/K
};
Props properties(const RefData& eq, const Isotherm& iso, double delta);

}  // namespace tfs::ref
