// State points from (P, T) and (T, d).

#include <gtest/gtest.h>

#include <cmath>

#include "routines_support.h"
#include "thermo/eos.h"
#include "thermo/saturation.h"
#include "thermo/tfs.h"

namespace {

using namespace routines_test;
using tfs::Real;


TEST(DhsPT, VapourAndLiquidDecisions) {
  LibraryWatch watch;
  State g = PT("N2", 0.1L, 300);
  EXPECT_EQ(g.x, 0);
  EXPECT_NEAR(g.d, 1000 * 0.1L / (tfs::Rgas[5] * 300), 0.005L * g.d);
  State l = PT("N2", 10, 80);
  EXPECT_EQ(l.x, 1);
  EXPECT_GT(l.d, 600);
  // Either side of the saturation pressure at one temperature.
  Real Pv, Pl;
  tfs::Psat("Ar", 120, Pv, Pl);
  EXPECT_EQ(PT("Ar", Pv * 1.001L, 120).x, 1);
  EXPECT_EQ(PT("Ar", Pv * 0.999L, 120).x, 0);
  EXPECT_GT(PT("Ar", Pv * 1.001L, 120).d, 3 * PT("Ar", Pv * 0.999L, 120).d);
  EXPECT_TRUE(watch.messages.empty());
}

TEST(DhsPT, AtAndAboveTheEndOfTheSaturationLineAlwaysFluid) {
  LibraryWatch watch;
  for (int k = 1; k <= 11; ++k) {
    for (Real P : {0.01L, tfs::Pcr[k], 10.0L, k == 1 ? 10.0L : 100.0L}) {
      for (Real T : {tfs::Tkp[k], tfs::Tkp[k] + 1, 2 * tfs::Tkp[k]}) {
        const State r = PT(name(k), P, T);
        EXPECT_EQ(r.x, 0) << name(k) << " " << P << " " << T;
        EXPECT_GT(r.d, 0);
        // The density solves the equation of state.
        EXPECT_NEAR(tfs::Eos(k, tfs::EosMode::Pressure, T, r.d).P, P, 1e-4L * P) << name(k);
      }
    }
  }
}

// A pure fluid exactly at its saturation pressure: the saturated vapour, not
// the zero-width band.
TEST(DhsPT, PureFluidOnItsSaturationPressureIsTheSaturatedVapour) {
  LibraryWatch watch;
  for (int k = 1; k <= 10; ++k) {
    const Real T = (tfs::Ttr[k] + tfs::Tcr[k]) / 2;
    Real Pv, Pl;
    tfs::Psat(name(k), T, Pv, Pl);
    const State r = PT(name(k), Pv, T);
    Real P2, dv, hv, sv, Cpv, P3, dl, hl, sl, Cpl;
    tfs::dhs2_T(name(k), T, P2, dv, hv, sv, Cpv, P3, dl, hl, sl, Cpl);
    EXPECT_EQ(r.x, 0) << name(k);
    EXPECT_NEAR(r.d, dv, 1e-6L * dv) << name(k);
    EXPECT_NEAR(r.h, hv, 1e-6L) << name(k);
  }
}

TEST(DhsPT, AirBandLeverAndMeanSlope) {
  LibraryWatch watch;
  const Real P = 0.101325L;
  const auto [Tv, Tl] = TsatAt("Air", P);
  ASSERT_LT(Tl, 80);
  ASSERT_GT(Tv, 80);
  const State mid = PT("Air", P, 80);
  const Real w = (80 - Tl) / (Tv - Tl);
  EXPECT_NEAR(mid.x, 1 - w, 1e-12L);
  // The band meets the vapour at Tv and the liquid at Tl.
  const Real e = 1e-4L;
  const State vap = PT("Air", P, Tv + e), lastBand = PT("Air", P, Tv - e);
  const State liq = PT("Air", P, Tl - e), firstBand = PT("Air", P, Tl + e);
  EXPECT_EQ(vap.x, 0);
  EXPECT_EQ(liq.x, 1);
  EXPECT_NEAR(lastBand.h, vap.h, 0.05L);
  EXPECT_NEAR(firstBand.h, liq.h, 0.05L);
  EXPECT_NEAR(lastBand.d, vap.d, 0.01L * vap.d);
  EXPECT_NEAR(firstBand.d, liq.d, 0.01L * liq.d);
  // Linear in T between them, with the mean slope as heat capacity.
  const Real slope = (lastBand.h - firstBand.h) / (Tv - Tl - 2 * e);
  EXPECT_NEAR(mid.Cp, slope, 1e-6L * slope);
  EXPECT_NEAR(mid.h, firstBand.h + (80 - Tl - e) * slope, 1e-6L * std::fabs(mid.h));
  EXPECT_NEAR(1 / mid.d, 1 / liq.d + w * (1 / vap.d - 1 / liq.d), 0.01L / mid.d);
  EXPECT_NEAR(mid.s, liq.s + w * (vap.s - liq.s), 0.001L);
}

// Air's saturation line ends at 132.55 K and 3.774 MPa, its equation of
// state at 132.52 K and 3.768 MPa: legal states in between end nothing.
TEST(DhsPT, AirBetweenItsTwoCriticalPoints) {
  LibraryWatch watch;
  const State r = PT("Air", 5, 132.53L);
  EXPECT_EQ(r.x, 0);
  EXPECT_TRUE(std::isfinite(r.h));
  // The band at a pressure above Pcr (Pv = 3.723, Pl = 3.772 at 132.4 K).
  const State b = PT("Air", 3.77L, 132.4L);
  EXPECT_GT(b.x, 0);
  EXPECT_LT(b.x, 1);
  EXPECT_TRUE(std::isfinite(b.h) && std::isfinite(b.Cp) && b.Cp > 0);
  // The band whose bubble end lies below the triple point.
  const State low = PT("Air", 0.0095L, 63.2L);
  EXPECT_GT(low.x, 0);
  EXPECT_LT(low.x, 1);
  EXPECT_TRUE(std::isfinite(low.h) && std::isfinite(low.d) && low.Cp > 0);
  EXPECT_EQ(watch.count("x<0 in x^y"), 0);
}

// Near the critical point the saturation pressure passes Pcr; the start-value
// correlation must not complain on these ordinary calls.
TEST(DhsPT, NoPowerMessageNearTheTopOfTheDome) {
  LibraryWatch watch;
  for (int k = 1; k <= 11; ++k) {
    const Real T = std::min(tfs::Tcr[k], tfs::Tkp[k]) - 1e-3L;
    Real Pv, Pl;
    tfs::Psat(name(k), T, Pv, Pl);
    PT(name(k), Pv * 1.01L, T);
    PT(name(k), Pv * 0.99L, T);
    PT(name(k), tfs::Pcr[k], tfs::Tcr[k]);
  }
  EXPECT_EQ(watch.count("x<0 in x^y"), 0);
}

// Helium's density iteration needs hundreds of damped passes close to the
// critical point; its bound must let it finish.
TEST(DhsPT, HeliumNearTheCriticalPointConverges) {
  LibraryWatch watch;
  for (Real T : {5.1994L, 5.2L, 5.21L}) {
    for (Real P : {0.2285L, 0.229048L, 0.2295L, 0.23L}) {
      const State r = PT("He", P, T);
      EXPECT_NEAR(tfs::Eos(1, tfs::EosMode::Pressure, T, r.d).P, P, 1e-6L * P) << T << " " << P;
    }
  }
}

TEST(DhsPTDeathTest, BelowTheTriplePointEndsThroughPsat) {
  Real d, h, s, Cp, x;
  EXPECT_EXIT(tfs::dhs_PT("N2", 0.1L, 60, d, h, s, Cp, x), ::testing::ExitedWithCode(1),
              " Используемая в программе Psat температура  60.00 ниже тройной точки для данного вещества!");
  EXPECT_EXIT(tfs::Phs_Td("N2", 60, 800, d, h, s, Cp, x), ::testing::ExitedWithCode(1),
              " Используемая в программе dhs2_T температура  60.00 ниже тройной точки для данного вещества!");
}

struct Td {
  Real P = -1, h = -1, s = -1, Cp = -1, x = -1;
};

Td TD(const char* nm, Real T, Real d) {
  Td r;
  tfs::Phs_Td(nm, T, d, r.P, r.h, r.s, r.Cp, r.x);
  return r;
}

TEST(PhsTd, TwoPhaseLeverAndSinglePhaseSides) {
  LibraryWatch watch;
  const Real T = 100;
  Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  tfs::dhs2_T("N2", T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  const Td mid = TD("N2", T, 2 / (1 / dv + 1 / dl));
  EXPECT_NEAR(mid.x, 0.5L, 1e-12L);
  EXPECT_EQ(mid.Cp, 1000000);
  EXPECT_NEAR(mid.P, Pv, 1e-12L);
  EXPECT_NEAR(mid.h, (hv + hl) / 2, 1e-9L);
  EXPECT_NEAR(mid.s, (sv + sl) / 2, 1e-12L);
  const Td liq = TD("N2", T, dl * 1.01L);
  EXPECT_EQ(liq.x, 1);
  EXPECT_GT(liq.P, Pl);
  const Td gas = TD("N2", T, dv * 0.5L);
  EXPECT_EQ(gas.x, 0);
  EXPECT_LT(gas.P, Pv);
  EXPECT_NE(gas.Cp, 1000000);
  // At and above Tcr: fluid, whatever the density.
  EXPECT_EQ(TD("N2", tfs::Tcr[5], 2 * tfs::Rocr[5]).x, 0);
  EXPECT_EQ(TD("N2", 200, 700).x, 0);
}

// Near Tcr the equation's liquid density falls below the catalogue's Rocr
// (CO2: dl = 467.5 against 468.2 at 302.68 K): a compressed liquid there is
// still a liquid.
TEST(PhsTd, CompressedLiquidNearTheCriticalPointIsLiquid) {
  LibraryWatch watch;
  const Real T = 302.68L;
  Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  tfs::dhs2_T("CO2", T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  ASSERT_LT(dl + 0.3L, tfs::Rocr[8]);
  const Td r = TD("CO2", T, dl + 0.3L);
  EXPECT_EQ(r.x, 1);
  EXPECT_GT(r.P, Pl);
}

// The saturated densities meet close to Tcr (p-H2 at 0.995 Tcr): the side is
// then decided by the critical density.
TEST(PhsTd, MeetingRootsDecideByTheCriticalDensity) {
  LibraryWatch watch;
  const Real T = 0.995L * tfs::Tcr[3];
  Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  tfs::dhs2_T("p-H2", T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  ASSERT_GE(dv, dl);
  Real P, h, s, Cp, x = 0.5L;
  tfs::Phs_Td("p-H2", T, 1.2L * tfs::Rocr[3], P, h, s, Cp, x);
  EXPECT_EQ(x, 1);
  x = 0.5L;
  tfs::Phs_Td("p-H2", T, 0.8L * tfs::Rocr[3], P, h, s, Cp, x);
  EXPECT_EQ(x, 0);
}

// (T, d) -> Phs_Td -> dhs_PT gives the density back, over single-phase
// states of every substance.
TEST(PhsTd, RoundTripThroughDhsPT) {
  LibraryWatch watch;
  for (int k = 1; k <= 11; ++k) {
    for (int i = 0; i <= 8; ++i) {
      const Real T = tfs::Ttr[k] + 0.5L + (500 - tfs::Ttr[k]) * i / 8;
      Real dlo = 0, dhi = 0;
      if (T < tfs::Tcr[k]) {
        Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
        tfs::dhs2_T(name(k), T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
        dlo = 0.9L * dv;
        dhi = 1.05L * dl;
      }
      for (Real d : {dlo * 0.01L, dlo * 0.5L, dlo, dhi}) {
        if (!(d > 0)) continue;
        const Td a = TD(name(k), T, d);
        if (!(a.P > 0) || a.P > 100 || T < tfs::Tmelt(name(k), a.P)) continue;
        const State b = PT(name(k), a.P, T);
        EXPECT_NEAR(b.d, d, 1e-4L * d) << name(k) << " T=" << T << " d=" << d;
        EXPECT_NEAR(b.h, a.h, 1e-3L) << name(k);
        EXPECT_EQ(b.x, a.x) << name(k) << " T=" << T << " d=" << d;
      }
      if (T >= tfs::Tcr[k]) {
        for (Real f : {0.01L, 0.3L, 1.0L, 1.8L}) {
          const Real d = f * tfs::Rocr[k];
          const Td a = TD(name(k), T, d);
          if (!(a.P > 0) || a.P > 100 || T < tfs::Tmelt(name(k), a.P)) continue;
          const State b = PT(name(k), a.P, T);
          EXPECT_NEAR(b.d, d, 1e-4L * d) << name(k) << " T=" << T << " d=" << d;
          EXPECT_EQ(b.x, 0);
        }
      }
    }
  }
}

}  // namespace
