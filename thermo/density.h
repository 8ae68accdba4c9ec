#pragma once
// Density from temperature and pressure.

#include "real.h"

namespace tfs {

// The real roots of the cubic in the density: one, three, or the one cube
// root of y^3 + q = 0 (p = 0).
enum class RootCase { One = 1, Three = 2, PureCube = 3 };

struct CubicRoots {
  Real root1 = 0;  // vapour-like (or the only) root
  Real root2 = 0;  // liquid-like root, 0 with one real root
  RootCase kind = RootCase::One;
};

CubicRoots densRKS(int subst, Real T, Real P);

// Limited Newton step; dP = P(rho) - P wanted.
Real DampedStep(Real dP, Real dPdrho, Real d2P);

// Density at (T, P) reached from the estimate rho0, which picks the phase.
Real DensPT(int subst, Real T, Real P, Real rho0);

// DensPT's two steps for the cubic equation: the root nearer to rho0 (by
// relative distance) of three, and its correction by two damped Newton
// passes.
Real pickRoot(const CubicRoots& roots, Real rho0);
Real refineRKS(int subst, Real T, Real P, Real rho);

// Helium's damped iteration stops after this many passes at most.
inline constexpr int kHeliumDensityPasses = 5000;

// Start values of the saturated vapour and liquid densities; both outputs
// are left untouched when T > Tcr.
void SatDensGuess(int subst, Real T, Real P, Real& rhoV0, Real& rhoL0);

}  // namespace tfs
