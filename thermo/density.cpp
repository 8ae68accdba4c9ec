#include "density.h"

#include <cmath>
#include <utility>

#include "checks.h"
#include "eos.h"
#include "substances.h"

namespace tfs {
namespace {

Real sign(Real x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// Start-value correlation of the saturated densities.
struct SatGuessCoef {
  Real o, r, k03, klin;
};
constexpr SatGuessCoef kSatGuess[kSubstCount + 1] = {
    {0, 0, 0, 0},
    {1.55L, 0.15L, 1.4L, 0},       // He
    {1.4L, 0.14L, 1.4L, 0.49L},    // n-H2
    {1.4L, 0.14L, 1.4L, 0.49L},    // p-H2
    {1.3L, 0.13L, 1.52L, 0.9L},    // Ne
    {1.4L, 0.12L, 1.6L, 0.96L},    // N2
    {1.4L, 0.1L, 1.55L, 0.96L},    // Ar
    {1.4L, 0.1L, 1.54L, 0.96L},    // O2
    {1.4L, 0.1L, 1.8L, 0.96L},     // CO2
    {1.2L, 0.1L, 1.6L, 0.96L},     // CH4
    {1.2L, 0.1L, 1.6L, 0.96L},     // R14
    {1.2L, 0.1L, 1.6L, 0.96L}};    // Air

constexpr Real kRelTol = 1e-5L;

// The angles of the second and third trigonometric root, as the table states
// them (not exactly 2 pi/3 and 4 pi/3), by their cosine and sine: cos(phi +
// a) = cos phi cos a - sin phi sin a keeps the argument of the cosine small,
// where the long double cosine is cheap.
const Real kCosA2 = std::cos(2.094388666666666667L), kSinA2 = std::sin(2.094388666666666667L);
const Real kCosA3 = std::cos(4.188777333333333333L), kSinA3 = std::sin(4.188777333333333333L);

}  // namespace

CubicRoots densRKS(int subst, Real T, Real P) {
  const Real b = bRKS[subst];
  const Real RT = Rgas[subst] * T / 1000;
  const Real w = Omega[subst];
  const Real m = 0.48503L + 1.55171L * w - 0.15613L * w * w;
  const Real kappa = 1 + m * (1 - std::sqrt(T / Tcr[subst]));
  const Real At = aRKS[subst] * kappa * kappa / RT;
  const Real Ab = At * b;

  // rho^3 + 3s rho^2 + rho/(Ab) - P/(RT Ab) = 0, rho = y - s,
  // y^3 + p y + q = 0.
  const Real s = (b * b * P / RT + b - At) / (3 * Ab);
  const Real p = 1 / Ab - 3 * s * s;
  const Real q = (2 * s * s - 1 / Ab) * s - P / (RT * Ab);
  const Real D = (q / 2) * (q / 2) + (p / 3) * (p / 3) * (p / 3);

  CubicRoots out;
  RootCase kind = RootCase::One;
  Real r1 = 0, r2 = 0, r3 = 0;
  bool order = true;

  if (p == 0) {
    r1 = -sign(q) * XpowY(std::fabs(q), 1.0L / 3) - s;
    r3 = r1;
    kind = RootCase::PureCube;
    order = false;
  } else if (q == 0) {
    // y^3 + p y = 0: y = 0, and y = -+sqrt(-p) when p < 0.
    r1 = -s;
    if (p < 0) {
      const Real y = std::sqrt(-p);
      r1 = -y - s;
      r2 = y - s;
      r3 = -s;
      kind = RootCase::Three;
    }
  } else {
    const Real r = sign(q) * std::sqrt(std::fabs(p) / 3);
    const Real v = 1.5L * q / (std::fabs(p) * r);  // q/(2 r^3) >= 0
    if (std::fabs(v - 1) < 1e-6L) {
      // Double root: the low-pressure estimate.
      r1 = 1 / (RT / P + b - At);
      order = false;
    } else if (p > 0) {
      const Real t = std::exp(std::log(v + std::sqrt(v * v + 1)) / 3);
      r1 = -r * (t - 1 / t) - s;
    } else if (D > 0) {
      const Real t = std::exp(std::log(v + std::sqrt(v * v - 1)) / 3);
      r1 = -r * (t + 1 / t) - s;
    } else {
      const Real phi = std::atan(std::sqrt(1 - v * v) / v) / 3;
      kind = RootCase::Three;
      const Real c = std::cos(phi), sn = std::sin(phi);
      r1 = -2 * r * c - s;
      r2 = -2 * r * (c * kCosA2 - sn * kSinA2) - s;
      r3 = -2 * r * (c * kCosA3 - sn * kSinA3) - s;
    }
  }

  if (order) {
    if (r2 > r3 && r2 > 0) std::swap(r2, r3);
    if (r1 > r3 && r3 > 0) std::swap(r1, r3);
    if (r2 < r1 && r2 > 0) r1 = r2;
    if (r1 < 0 && r3 > 0) r1 = r3;
  }

  // Low density: one fixed-point step from the ideal gas with co-volume.
  if (r1 * b < 0.03L) {
    const Real pr = P / RT;
    const Real rho1 = pr / (1 + b * pr);
    const Real x = b * rho1;
    r1 = pr * (1 - x * x) / ((1 + x) - At * rho1 * (1 - x));
  }

  out.root1 = r1;
  out.root2 = r3;
  out.kind = kind;
  return out;
}

Real DampedStep(Real dP, Real dPdrho, Real d2P) {
  if (dP == 0) return 0;
  const Real n = dP / dPdrho;
  const Real d = dP / (dPdrho - d2P * dP / (4 * dPdrho));
  if (std::fabs(d) > std::fabs(n)) return n;
  return std::copysign(std::fabs(d), n);
}

Real DensPT(int subst, Real T, Real P, Real rho0) {
  Real rho = rho0;
  if (subst == kHelium) {
    // The damped steps keep the iteration in the basin of rho0. At the bound
    // the last density is returned.
    const HeliumIsotherm iso = heliumIsotherm(subst, T);
    for (int pass = 0; pass < kHeliumDensityPasses; ++pass) {
      const EosResult e = heliumPressure(iso, rho);
      const Real step = DampedStep(e.P - P, e.dP, e.d2P);
      rho -= step;
      if (std::fabs(step / rho) < kRelTol || !std::isfinite(rho)) break;
    }
    return rho;
  }

  const CubicRoots c = densRKS(subst, T, P);
  return refineRKS(subst, T, P, c.kind == RootCase::Three ? pickRoot(c, rho0) : c.root1);
}

Real pickRoot(const CubicRoots& c, Real rho0) {
  return std::fabs(c.root2 / rho0 - 1) <= std::fabs(c.root1 / rho0 - 1) ? c.root2 : c.root1;
}

Real refineRKS(int subst, Real T, Real P, Real rho) {
  for (int pass = 0; pass < 2; ++pass) {
    const EosResult e = EosRKS(subst, EosMode::Pressure, T, rho);
    const Real step = DampedStep(e.P - P, e.dP, e.d2P);
    rho -= step;
    if (std::fabs(step / rho) < kRelTol) break;
  }
  return rho;
}

void SatDensGuess(int subst, Real T, Real P, Real& rhoV0, Real& rhoL0) {
  if (T > Tcr[subst]) return;
  const SatGuessCoef& k = kSatGuess[subst];
  const Real R = Rgas[subst] / 1000;
  const Real Zc = Pcr[subst] / (R * Rocr[subst] * Tcr[subst]);
  const Real pr = P / Pcr[subst];
  const Real tau = 1 - T / Tcr[subst];
  // Near Tcr the saturation pressure may pass Pcr: the power's base is
  // clamped at 0 (its value there is 0 either way).
  const Real base = pr < 1 ? 1 - pr : 0;
  rhoV0 = P / (R * T * (1 - k.o * Zc * pr)) +
          pr * (Rocr[subst] - Pcr[subst] / (R * Tcr[subst] * (1 - k.o * Zc))) * (1 - XpowY(base, k.r));
  rhoL0 = Rocr[subst] + k.k03 * Rocr[subst] * XpowY(tau, 0.3L) + k.klin * Rocr[subst] * tau;
}

}  // namespace tfs
