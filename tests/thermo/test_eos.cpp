#include <gtest/gtest.h>

#include <cmath>

#include "thermo/eos.h"
#include "thermo/limits.h"
#include "thermo/substances.h"

namespace {

using tfs::EosMode;
using tfs::Real;

Real Zof(int k, Real T, Real rho) {
  return tfs::Eos(k, EosMode::Pressure, T, rho).P / (rho * tfs::Rgas[k] * T / 1000);
}

TEST(EosHe, PassesThroughItsCriticalPointAndTheIdealGas) {
  const auto c = tfs::EosHe(1, EosMode::Full, 5.1994L, 69.47L);
  EXPECT_NEAR(c.P / 0.229048L, 1, 1e-4L);
  EXPECT_NEAR(Zof(1, 300, 1.6L), 1, 5e-3L);
  // Near the critical point the isotherm is almost flat.
  EXPECT_LT(std::fabs(c.dP), 1e-4L);
}

// Up to its limiting density helium's isotherms rise with density, from the
// triple point to 1000 K; just beyond it the coldest one turns over.
TEST(EosHe, IsothermsRiseUpToTheLimitingDensity) {
  const Real top = tfs::limitingDensity(tfs::kHelium);
  for (Real T : {2.2L, 2.5L, 4.0L, 10.0L, 50.0L, 300.0L, 1000.0L})
    for (Real rho = 150; rho <= top; rho += 0.5L)
      EXPECT_GT(tfs::EosHe(1, EosMode::Pressure, T, rho).dP, 0) << static_cast<double>(T) << ' ' << static_cast<double>(rho);
  EXPECT_LT(tfs::EosHe(1, EosMode::Pressure, 2.2L, top + 2).dP, 0);
}

TEST(Eos, ZeroDensityLimits) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    for (Real T : {tfs::Ttr[k], tfs::Tcr[k], Real(300)}) {
      const auto e = tfs::Eos(k, EosMode::Full, T, 0);
      EXPECT_EQ(e.P, 0) << k;
      EXPECT_EQ(e.hR, 0) << k;
      EXPECT_EQ(e.cvR, 0) << k;
      EXPECT_NEAR(e.sR, k == 1 ? -tfs::Rgas[1] : 0, 1e-15L) << k;
      EXPECT_NEAR(e.cpcv, tfs::Rgas[k], 1e-15L) << k;
      EXPECT_NEAR(e.dP, tfs::Rgas[k] * T / 1000, 1e-15L) << k;
      EXPECT_NEAR(Zof(k, T, 1e-9L), 1, 1e-9L) << k;
    }
  }
}

TEST(Eos, PressureOnlyModeGivesTheSamePressureGroup) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Real T = 1.3L * tfs::Tcr[k], rho = 0.7L * tfs::Rocr[k];
    const auto p = tfs::Eos(k, EosMode::Pressure, T, rho);
    const auto f = tfs::Eos(k, EosMode::Full, T, rho);
    EXPECT_EQ(p.P, f.P) << k;
    EXPECT_EQ(p.dP, f.dP) << k;
    EXPECT_EQ(p.d2P, f.d2P) << k;
  }
}

TEST(EosRKS, NitrogenNearTheIdealGasAndAtItsBoilingPoint) {
  const Real RT = tfs::Rgas[5] * 300 / 1000;
  EXPECT_NEAR(tfs::EosRKS(5, EosMode::Pressure, 300, 0.1L / RT).P / 0.1L, 1, 1e-4L);
  EXPECT_NEAR(tfs::EosRKS(5, EosMode::Pressure, 77.35L, 4.6L).P / 0.1L, 1, 2e-2L);
}

// The density derivative is exact for both equations. For the cubic equation
// the curvature term carries the attraction part once, not twice.
TEST(Eos, DensityDerivativesAgainstDifferences) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    for (Real fr : {0.05L, 0.6L, 1.8L}) {
      const Real T = 1.2L * tfs::Tcr[k], rho = fr * tfs::Rocr[k], h = rho * 1e-5L;
      const auto e = tfs::Eos(k, EosMode::Pressure, T, rho);
      const Real Pp = tfs::Eos(k, EosMode::Pressure, T, rho + h).P;
      const Real Pm = tfs::Eos(k, EosMode::Pressure, T, rho - h).P;
      const Real d1 = (Pp - Pm) / (2 * h);
      EXPECT_NEAR(e.dP, d1, 1e-8L * (std::fabs(d1) + e.P / rho)) << k << ' ' << fr;
      if (k == 1) continue;
      const Real d2 = (Pp - 2 * e.P + Pm) / (h * h);
      const Real aa = e.dP;  // scale for the tolerance
      const Real br = tfs::bRKS[k] * rho;
      const Real sq = std::sqrt(T / tfs::Tcr[k]);
      const Real w = tfs::Omega[k];
      const Real kap = 1 + (0.48503L + 1.55171L * w - 0.15613L * w * w) * (1 - sq);
      const Real attr = tfs::aRKS[k] * kap * kap / ((1 + br) * (1 + br) * (1 + br));
      EXPECT_NEAR(e.d2P, d2 + attr, 1e-5L * (std::fabs(aa) / rho + attr)) << k << ' ' << fr;
    }
  }
}

// Helium's curvature term is RT'(2 Z_d + d Z2) with Z2 leaving out the d^2
// term of Z: Rocr times the exact second derivative, less 2 RT' d S2, where S2
// is the d^2 coefficient of Z (taken here from Z near zero density).
TEST(EosHe, CurvatureTermLeavesOutTheSquareTerm) {
  for (Real T : {3.0L, 5.1994L, 20.0L, 300.0L}) {
    const Real RT = tfs::Rgas[1] * T / 1000, rc = tfs::Rocr[1];
    const Real h0 = 1e-3L;
    const Real S2 = (Zof(1, T, h0 * rc) + Zof(1, T, -h0 * rc) - 2) / (2 * h0 * h0);
    for (Real delta : {0.3L, 1.0L, 1.7L}) {
      const Real rho = delta * rc, h = rho * 1e-4L;
      const auto e = tfs::EosHe(1, EosMode::Pressure, T, rho);
      const Real d2 = (tfs::EosHe(1, EosMode::Pressure, T, rho + h).P - 2 * e.P +
                       tfs::EosHe(1, EosMode::Pressure, T, rho - h).P) / (h * h);
      const Real expected = rc * d2 - 2 * RT * delta * S2;
      EXPECT_NEAR(e.d2P, expected, 1e-5L * (std::fabs(rc * d2) + std::fabs(2 * RT * delta * S2)))
          << static_cast<double>(T) << ' ' << static_cast<double>(delta);
    }
  }
}

// At T = Tcr the temperature function is 1 and its slope is -m/(2 Tcr); the
// slope of P along an isochore gives m back, with 0.48503 as its constant.
TEST(EosRKS, TemperatureFunctionSlopeAtTheCriticalTemperature) {
  for (int k = 2; k <= tfs::kSubstCount; ++k) {
    const Real T = tfs::Tcr[k], rho = 0.5L * tfs::Rocr[k], h = 1e-4L;
    const Real dPdT = (tfs::EosRKS(k, EosMode::Pressure, T + h, rho).P -
                       tfs::EosRKS(k, EosMode::Pressure, T - h, rho).P) / (2 * h);
    const Real b = tfs::bRKS[k];
    const Real repulsive = rho * tfs::Rgas[k] / 1000 / (1 - b * rho);
    const Real m = (dPdT - repulsive) * (1 + b * rho) * T / (rho * rho * tfs::aRKS[k]);
    const Real w = tfs::Omega[k];
    EXPECT_NEAR(m, 0.48503L + 1.55171L * w - 0.15613L * w * w, 2e-6L) << k;
  }
}

// Residual functions against the pressure: cp - cv from the isochore slope and
// the isotherm slope, cv from the temperature slope of the residual energy,
// and the residual entropy at fixed (T, rho) from the Maxwell relation.
TEST(Eos, ResidualFunctionsAreConsistentWithThePressure) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Real R = tfs::Rgas[k];
    for (Real fT : {0.9L, 1.5L, 3.0L}) {
      for (Real fr : {0.1L, 1.0L}) {
        const Real T = fT * tfs::Tcr[k], rho = fr * tfs::Rocr[k];
        const Real hT = T * 1e-5L, hr = rho * 1e-5L;
        auto full = [&](Real t, Real r) { return tfs::Eos(k, EosMode::Full, t, r); };
        // Residual energy and residual entropy at the same (T, rho).
        auto uR = [&](Real t, Real r) {
          const auto e = full(t, r);
          return e.hR - (1000 * e.P / r - R * t);
        };
        auto sRv = [&](Real t, Real r) { return full(t, r).sR; };
        const auto e = full(T, rho);
        const Real dPdT = (full(T + hT, rho).P - full(T - hT, rho).P) / (2 * hT);
        const Real cpcv = 1000 * T * dPdT * dPdT / (rho * rho * e.dP);
        EXPECT_NEAR(e.cpcv, cpcv, 1e-6L * std::fabs(cpcv) + 1e-9L) << k << ' ' << fT << ' ' << fr;

        const Real cvR = (uR(T + hT, rho) - uR(T - hT, rho)) / (2 * hT);
        EXPECT_NEAR(e.cvR, cvR, 1e-6L * R) << k << ' ' << fT << ' ' << fr;
        const Real cvR2 = T * (sRv(T + hT, rho) - sRv(T - hT, rho)) / (2 * hT);
        EXPECT_NEAR(e.cvR, cvR2, 1e-6L * R) << k << ' ' << fT << ' ' << fr;

        // d(s)/d(rho) at T = -1000 (dP/dT)/rho^2 with s = -R ln rho + sR_v + f(T).
        const Real dsdr = -R / rho + (sRv(T, rho + hr) - sRv(T, rho - hr)) / (2 * hr);
        EXPECT_NEAR(dsdr, -1000 * dPdT / (rho * rho), 1e-6L * std::fabs(R / rho)) << k << ' ' << fT << ' ' << fr;
      }
    }
  }
}

}  // namespace
