#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "thermo/density.h"
#include "thermo/eos.h"
#include "thermo/limits.h"
#include "thermo/report.h"
#include "thermo/substances.h"

namespace {

using tfs::EosMode;
using tfs::Real;

Real pressure(int k, Real T, Real rho) { return tfs::Eos(k, EosMode::Pressure, T, rho).P; }

// Nitrogen at 110 K and 1.3 MPa: between the spinodals, three positive roots
// with the vapour root dense enough (root1 * b > 0.03) to escape the
// low-density replacement. The trigonometric roots use the stated angle
// constants (not exactly 2 pi/3), so the vapour root taken from them is off
// by a few 1e-5 in pressure; DensPT's two correction steps remove that.
TEST(DensRKS, ThreePositiveRootsAreOrderedVapourFirst) {
  const Real T = 110, P = 1.3L;
  const auto c = tfs::densRKS(5, T, P);
  ASSERT_EQ(c.kind, tfs::RootCase::Three);
  EXPECT_GT(c.root1, 0);
  EXPECT_GT(c.root1 * tfs::bRKS[5], 0.03L);
  EXPECT_GT(c.root2, 5 * c.root1);
  EXPECT_NEAR(pressure(5, T, c.root1) / P, 1, 1e-4L);
  EXPECT_GT(std::fabs(pressure(5, T, c.root1) / P - 1), 1e-6L);  // the stated angle constant
  EXPECT_NEAR(pressure(5, T, c.root2) / P, 1, 1e-4L);
  // The unstable middle root lies between them: the isotherm falls there.
  EXPECT_LT(tfs::EosRKS(5, EosMode::Pressure, T, (c.root1 + c.root2) / 2).dP, 0);

  const Real liquid = tfs::DensPT(5, T, P, 600);
  const Real vapour = tfs::DensPT(5, T, P, 40);
  EXPECT_NEAR(pressure(5, T, liquid) / P, 1, 1e-12L);
  EXPECT_NEAR(pressure(5, T, vapour) / P, 1, 1e-12L);
  EXPECT_NEAR(liquid, c.root2, 1e-4L * c.root2);
  EXPECT_NEAR(vapour, c.root1, 1e-4L * c.root1);
  // The estimate picks by relative distance: the dividing line is the
  // midpoint of the two roots.
  const Real mid = (c.root1 + c.root2) / 2;
  EXPECT_EQ(tfs::DensPT(5, T, P, mid * (1 + 1e-6L)), liquid);
  EXPECT_EQ(tfs::DensPT(5, T, P, mid * (1 - 1e-6L)), vapour);
  EXPECT_EQ(tfs::DensPT(5, T, P, 0.45L * c.root2), vapour);
}

TEST(DensRKS, OneRealRootIgnoresTheEstimate) {
  for (int k = 2; k <= tfs::kSubstCount; ++k) {
    const Real T = 2 * tfs::Tcr[k], P = 2 * tfs::Pcr[k];
    const auto c = tfs::densRKS(k, T, P);
    EXPECT_EQ(c.kind, tfs::RootCase::One) << k;
    EXPECT_EQ(c.root2, 0) << k;
    for (Real rho0 : {Real(1e-3), tfs::Rocr[k], 10 * tfs::Rocr[k]}) {
      const Real rho = tfs::DensPT(k, T, P, rho0);
      EXPECT_NEAR(pressure(k, T, rho) / P, 1, 1e-10L) << k;
      EXPECT_NEAR(rho, c.root1, 1e-6L * rho) << k;
    }
  }
}

TEST(DensRKS, LowDensityRootIsTheOneStepValue) {
  const Real T = 300, P = 0.1L;
  const Real b = tfs::bRKS[5], RT = tfs::Rgas[5] * T / 1000;
  const Real kap = 1 + (0.48503L + 1.55171L * 0.035L - 0.15613L * 0.035L * 0.035L) * (1 - std::sqrt(T / 126.25L));
  const Real At = tfs::aRKS[5] * kap * kap / RT;
  const Real rho1 = (P / RT) / (1 + b * P / RT), x = b * rho1;
  const Real oneStep = (P / RT) * (1 - x * x) / ((1 + x) - At * rho1 * (1 - x));

  const auto c = tfs::densRKS(5, T, P);
  EXPECT_NEAR(c.root1, oneStep, 1e-15L * oneStep);
  // The exact cubic root differs, and DensPT's correction reaches it.
  const Real exact = tfs::DensPT(5, T, P, 1);
  EXPECT_NEAR(pressure(5, T, exact), P, 1e-14L);
  EXPECT_GT(std::fabs(c.root1 / exact - 1), 1e-8L);
  EXPECT_LT(std::fabs(c.root1 / exact - 1), 1e-6L);
}

// On the spinodal the discriminant vanishes and the double-root branch
// takes over; the roots stay finite on both sides of it.
TEST(DensRKS, AcrossTheSpinodalTheRootsStayFinite) {
  Real lo = 1.3L, hi = 2.5L;  // three roots at lo, one at hi (nitrogen, 110 K)
  ASSERT_EQ(tfs::densRKS(5, 110, lo).kind, tfs::RootCase::Three);
  ASSERT_EQ(tfs::densRKS(5, 110, hi).kind, tfs::RootCase::One);
  for (int i = 0; i < 200; ++i) {
    const Real mid = (lo + hi) / 2;
    (tfs::densRKS(5, 110, mid).kind == tfs::RootCase::Three ? lo : hi) = mid;
  }
  for (Real P : {lo, hi, std::nextafter(hi, Real(10))}) {
    const auto c = tfs::densRKS(5, 110, P);
    EXPECT_TRUE(std::isfinite(c.root1)) << static_cast<double>(P);
    EXPECT_GT(c.root1, 0);
    const Real rho = tfs::DensPT(5, 110, P, 600);
    EXPECT_TRUE(std::isfinite(rho));
    EXPECT_GT(rho, 0);
  }
}

TEST(DampedStep, NeverLongerThanTheNewtonStep) {
  EXPECT_EQ(tfs::DampedStep(0, 3, 5), 0);
  EXPECT_EQ(tfs::DampedStep(0.2L, 0.5L, 0), 0.2L / 0.5L);
  EXPECT_EQ(tfs::DampedStep(-0.2L, 0.5L, 0), -0.2L / 0.5L);
  for (Real dP : {-1.0L, -0.01L, 0.01L, 1.0L})
    for (Real d1 : {-2.0L, -0.001L, 0.001L, 2.0L})
      for (Real d2 : {-50.0L, -0.1L, 0.1L, 50.0L}) {
        const Real n = dP / d1, s = tfs::DampedStep(dP, d1, d2);
        EXPECT_LE(std::fabs(s), std::fabs(n) * (1 + 1e-15L));
        EXPECT_EQ(std::signbit(s), std::signbit(n));
      }
  // The curvature shortens the step to dP/(P' - P'' dP/(4 P')) ...
  EXPECT_NEAR(tfs::DampedStep(1, 1, -4), 0.5L, 1e-18L);
  // ... never lengthens it ...
  EXPECT_EQ(tfs::DampedStep(1, 1, 2), 1);
  // ... and a curvature that would reverse it keeps the Newton direction.
  EXPECT_NEAR(tfs::DampedStep(1, 1, 12), 0.5L, 1e-18L);
  EXPECT_NEAR(tfs::DampedStep(-1, 1, -12), -0.5L, 1e-18L);
}

TEST(DensPTHelium, EstimatePicksThePhase) {
  const Real liquid = tfs::DensPT(1, 4.2L, 0.1L, 125);
  const Real vapour = tfs::DensPT(1, 4.2L, 0.1L, 1);
  EXPECT_NEAR(pressure(1, 4.2L, liquid), 0.1L, 1e-6L);
  EXPECT_NEAR(pressure(1, 4.2L, vapour), 0.1L, 1e-6L);
  EXPECT_GT(liquid, 110);
  EXPECT_LT(vapour, 25);
}

// Just above the critical temperature the isotherm has a long almost flat
// stretch where P' is tiny and P'' damps the steps hard. From a liquid-like
// estimate the iteration crawls across it: these states need about 600, 1000
// and 2700 passes, well above a few hundred and within the bound.
TEST(DensPTHelium, SlowStatesNearTheCriticalPointStillConverge) {
  struct Case {
    Real T, P, rho0;
  };
  for (const Case c : {Case{5.1994L, 0.229048L, 1}, Case{5.1994L, 0.229048L, 125}, Case{5.2L, 0.18L, 150}}) {
    const Real rho = tfs::DensPT(1, c.T, c.P, c.rho0);
    EXPECT_NEAR(pressure(1, c.T, rho) / c.P, 1, 2e-5L) << static_cast<double>(c.rho0);
  }
  // The last one ends on the vapour-like side of the flat stretch.
  EXPECT_LT(tfs::DensPT(1, 5.2L, 0.18L, 150), 40);
}

TEST(SatDensGuess, CriticalPointAndAboveIt) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    Real v = -1, l = -1;
    tfs::SatDensGuess(k, tfs::Tcr[k], tfs::Pcr[k], v, l);
    EXPECT_NEAR(v, tfs::Rocr[k], 1e-12L * tfs::Rocr[k]) << k;
    EXPECT_NEAR(l, tfs::Rocr[k], 1e-12L * tfs::Rocr[k]) << k;

    v = -1, l = -2;
    tfs::SatDensGuess(k, std::nextafter(tfs::Tcr[k], Real(1e9)), 0.5L * tfs::Pcr[k], v, l);
    EXPECT_EQ(v, -1) << k;
    EXPECT_EQ(l, -2) << k;

    // Below the critical point the vapour guess is below and the liquid
    // guess above the critical density, near the equation's own roots.
    tfs::SatDensGuess(k, 0.8L * tfs::Tcr[k], 0.25L * tfs::Pcr[k], v, l);
    EXPECT_LT(v, tfs::Rocr[k]) << k;
    EXPECT_GT(l, 1.5L * tfs::Rocr[k]) << k;
  }
}

// Near Tcr a saturation pressure may pass Pcr a little (air's line ends above
// its Pcr): the power's base is clamped at 0 there, without a message, and
// the guess goes on continuously from its value at Pcr.
TEST(SatDensGuess, PressureAboveCriticalIsClampedQuietly) {
  std::vector<std::string> seen;
  tfs::setMessageHandler([&](const std::string& t) { seen.push_back(t); });
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Real T = tfs::Tcr[k] * (1 - 1e-6L);
    Real v1 = 0, l1 = 0, v2 = 0, l2 = 0;
    tfs::SatDensGuess(k, T, tfs::Pcr[k], v1, l1);
    tfs::SatDensGuess(k, T, tfs::Pcr[k] * (1 + 1e-9L), v2, l2);
    EXPECT_NEAR(v2 / v1, 1, 1e-6L) << k;
    EXPECT_EQ(l1, l2) << k;
  }
  tfs::resetHandlers();
  EXPECT_TRUE(seen.empty());
}

// Any finite T > 0, any finite P and rho0 >= 0: every routine returns. Over
// the states the public routines accept (T from the triple point up to their
// limit, 0 < P up to theirs) and a positive estimate the density is
// positive, finite and, for the cubic equation, below 1/b.
TEST(DensityBadInput, SoundOverTheAcceptedStates) {
  tfs::setMessageHandler([](const std::string&) {});
  const Real big = std::numeric_limits<Real>::max() / 4;
  Real sink = 0;
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    for (Real T : {Real(1e-300), Real(1e-3), tfs::Ttr[k], tfs::Tcr[k], Real(300), tfs::kTemperatureLimit, big}) {
      for (Real P : {Real(-1), Real(0), Real(1e-12), Real(0.1), tfs::Pcr[k], tfs::kPressureLimit, big}) {
        const bool state = T >= tfs::Ttr[k] && T <= tfs::kTemperatureLimit && P > 0 && P <= tfs::kPressureLimit;
        const auto c = tfs::densRKS(k, T, P);
        sink += c.root1 + c.root2;
        for (Real rho0 : {Real(0), Real(1e-9), tfs::Rocr[k], 1 / tfs::bRKS[k], Real(1e7)}) {
          const Real rho = tfs::DensPT(k, T, P, rho0);
          const bool accepted = state && rho0 > 0;
          if (accepted && k != tfs::kHelium) {
            EXPECT_TRUE(rho > 0 && rho < tfs::limitingDensity(k))
                << k << " T=" << static_cast<double>(T) << " P=" << static_cast<double>(P);
          }
          if (accepted) {
            EXPECT_TRUE(std::isfinite(rho) && rho > 0) << k;
          }
        }
        Real v = 0, l = 0;
        tfs::SatDensGuess(k, T, P, v, l);
        sink += v + l;
      }
    }
  }
  tfs::resetHandlers();
  (void)sink;
}

}  // namespace
