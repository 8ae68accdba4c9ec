#include "caloric.h"

#include <cmath>

#include "checks.h"
#include "eos.h"
#include "substances.h"

namespace tfs {
namespace {

// Ideal-gas coefficients c0..c6 in molar units: c0 J/mol, c1..c5 J/(mol K),
// c6 J/(mol K); reduced temperature x = T/100.
constexpr Real kIdeal[kSubstCount + 1][7] = {
    {0, 0, 0, 0, 0, 0, 0},
    {59.4L, 20.78602L, 0, 0, 0, 0, 15.74L},                                          // He
    {1058, 27.4886L, 13.1049L, -18.9983L, -8.5536L, 0, 113.51L},                      // n-H2
    {-2218, 42.5988L, -46.5643L, 89.1246L, -65.3002L, 0, 91.55L},                     // p-H2
    {0, 20.78602L, 0, 0, 0, 0, 0},                                                    // Ne
    {0, 29.12982L, -0.0354012L, 0.04188396L, -0.01963348L, 0.003366328L, 25.2L},      // N2
    {0, 20.78602L, 0, 0, 0, 0, 36},                                                   // Ar
    {0, 29.03025L, 0.3444916L, -0.370983L, 0.1320333L, -0.0110175L, 20.2L},           // O2
    {118.1L, 69.7299L, -77.414L, 29.6592L, 0, 0, 163.4L},                             // CO2
    {370, 148.9796L, -187.9469L, 60.72832L, 0, 0, 131.52L},                           // CH4
    {0, 0, 0, 0, 0, 0, 0},                                                            // R14: below
    {0, 29.03127L, 0.04457291L, -0.04506354L, 0.01234624L, 0.0003194171L, 9}};        // Air

bool rationalForm(int subst) { return subst == 2 || subst == 3 || subst == 8 || subst == 9; }

// R14 (CF4): rigid rotor and harmonic oscillator. cp0 = 4R + R sum g E(u),
// E(u) = u^2 e^u/(e^u - 1)^2, u = theta/T, theta = 1.438777 cm K * nu, over
// the fundamentals nu1 = 909 (g 1), nu2 = 435 (2), nu3 = 1283 (3) and
// nu4 = 631 cm-1 (3).
constexpr int kR14 = 10;
constexpr Real kR14Nu[4] = {909, 435, 1283, 631};  // cm-1
constexpr int kR14Degeneracy[4] = {1, 2, 3, 3};
constexpr Real kSecondRadiation = 1.438777L;  // hc/k, cm K
// Integration constants, J/mol and J/(mol K): derived so that h0 and s0 at
// 298.15 K keep the values of the polynomial this model replaced,
// 9911.2447527545917 J/mol and 166.18097039070873 J/(mol K).
constexpr Real kR14Hconst = -2821.32988559168779474L;
constexpr Real kR14Sconst = -36.3008167811285668153L;

// Molar Cp, H, S of R14 with the gas constant R (J/(mol K)). Written with
// e^-u so that no term overflows at low T.
// Below 1000 K u = theta/T stays above 0.6, where 1 - e^-u loses no digits
// (expm1 serves the hotter states); the four logarithms are taken as one of
// their product.
void rigidRotorOscillator(Real T, Real R, Real& Cp, Real& H, Real& S) {
  Real cv = 0, hv = 0, sv = 0, prod = 1;
  for (int i = 0; i < 4; ++i) {
    const Real theta = kSecondRadiation * kR14Nu[i];
    const Real u = theta / T, em = std::exp(-u);
    const Real om = u > Real(0.5) ? 1 - em : -std::expm1(-u);  // 1 - e^-u
    const Real w = kR14Degeneracy[i] * em / om;
    cv += u * u * w / om;
    hv += theta * w;
    sv += u * w;
    for (int g = 0; g < kR14Degeneracy[i]; ++g) prod *= om;
  }
  Cp = R * (4 + cv);
  H = kR14Hconst + R * (4 * T + hv);
  S = kR14Sconst + R * (4 * std::log(T) + sv - std::log(prod));
}

}  // namespace

IdealGasResult IdealGas(int subst, Real T) {
  const Real* c = kIdeal[subst];
  const Real x = T / 100;
  Real Cp, H, S;  // J/mol, J/(mol K)

  if (subst == kR14) {
    // R consistent with the library, so that cv0 = cp0 - Rgas holds.
    rigidRotorOscillator(T, Rgas[subst] * MolMass[subst], Cp, H, S);
  } else if (!rationalForm(subst)) {
    Cp = c[1] + x * (c[2] + x * (c[3] + x * (c[4] + x * c[5])));
    H = c[0] + T * (c[1] + x * (c[2] / 2 + x * (c[3] / 3 + x * (c[4] / 4 + x * c[5] / 5))));
    S = c[6] + c[1] * std::log(T) + x * (c[2] + x * (c[3] / 2 + x * (c[4] / 3 + x * c[5] / 4)));
  } else {
    Real f = 0, g = 0;
    switch (subst) {
      case 2: f = 0.45L; g = 0.85L; break;
      case 3: f = 0.275L; g = 0.5L; break;
      case 8: f = 0.39L; g = 0.95L; break;
      default: f = 0.137L; g = 0.225L; break;
    }
    const Real sg = std::sqrt(g);
    Cp = c[1] + c[2] / (1 + f * x) + c[3] / (1 + g * x * x);
    H = c[0] + 100 * (c[1] * x + (c[2] / f) * std::log(1 + f * x) + (c[3] / sg) * std::atan(sg * x));
    S = c[6] + c[1] * std::log(x) - c[2] * std::log((1 + f * x) / x) -
        (c[3] / 2) * std::log((1 + g * x * x) / (x * x));

    if (subst == 2 || subst == 3) {
      // Ortho-para term with k = c4.
      const Real k = c[4];
      const Real eta = subst == 2 ? 1.4L : 0.7L;
      const Real q = XpowY(eta, 1.0L / 3);
      const Real K = q * x;
      const Real x3 = x * x * x;
      const Real s3 = std::sqrt(3.0L);
      const Real atanK = std::atan((2 * K - 1) / s3) / s3;
      if (subst == 2) {
        Cp += k * x * x / (1 + eta * x3);
        H += 100 * k * std::log(1 + eta * x3) / (3 * eta);
        S += (k / (q * q)) * (std::log((K * K - K + 1) / ((K + 1) * (K + 1))) / 6 + atanK);
      } else {
        Cp += k / (1 + eta * x3);
        H += 100 * (k / q) * (std::log((K + 1) * (K + 1) / (K * K - K + 1)) / 6 + atanK);
        S -= (k / 3) * std::log((1 + eta * x3) / x3);
      }
    }
  }

  const Real M = MolMass[subst];
  IdealGasResult r;
  r.h0 = H / M;
  r.s0 = S / M;
  r.cp0 = Cp / M;
  r.cv0 = r.cp0 - Rgas[subst];
  return r;
}

CaloricResult CaloricDT(int subst, Real T, Real rho) { return CaloricDT(subst, T, rho, IdealGas(subst, T)); }

CaloricResult CaloricDT(int subst, Real T, Real rho, const IdealGasResult& ig) {
  const EosResult e = Eos(subst, EosMode::Full, T, rho);
  CaloricResult r;
  r.P = e.P;
  r.h = ig.h0 + e.hR;
  // The ideal gas at the same density: defined also where the liquid's
  // pressure is negative.
  const Real Pideal = rho * Rgas[subst] * T / 1000;
  r.s = ig.s0 - Rgas[subst] * std::log(Pideal / 0.101325L) + e.sR;
  r.cp = ig.cv0 + e.cvR + e.cpcv;
  // ds/dP = -dv/dT at constant P, = -1000 (dP/dT)/(rho^2 dP/drho), with
  // (dP/dT)^2 = (cp - cv) rho^2 (dP/drho)/(1000 T) and dP/dT > 0.
  if (e.dP > 0 && e.cpcv > 0) r.dsdP = -std::sqrt(1000 * e.cpcv / (T * rho * rho * e.dP));
  return r;
}

}  // namespace tfs
