// Saturation and melting lines.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "routines_support.h"
#include "thermo/saturation.h"
#include "thermo/tfs.h"

namespace {

using namespace routines_test;
using tfs::Real;

TEST(LnPsat, UsesTheSixDecimalFactorAndHeliumsUnscaledTemperature) {
  // Helium: x = T; the others x = T/100.
  const Real T = 4;
  const Real L = -0.60213L - 4.20437L / T + 0.07653L * T * T - 0.01366L * T * T * T +
                 0.000851232L * T * T * T * T;
  EXPECT_NEAR(tfs::lnPsat(1, T), L * 2.302585L, 1e-15L);
  EXPECT_GT(std::fabs(tfs::lnPsat(1, T) - L * std::log(10.0L)), 1e-8L);
  const Real x = 0.8L;
  const Real L5 = 6.22575L - 3.9301L / x - 4.34691L * x + 2.39387L * x * x - 0.45193L * x * x * x;
  EXPECT_NEAR(tfs::lnPsat(5, 80), L5 * 2.302585L, 1e-15L);
}

TEST(Psat, BoilingPointsAndAirsTwoLines) {
  LibraryWatch watch;
  Real Pv = 0, Pl = 0;
  tfs::Psat("N2", 77.35L, Pv, Pl);
  EXPECT_NEAR(Pv, 0.101325L, 0.001L * 0.101325L);
  for (int k = 1; k <= 10; ++k) {
    tfs::Psat(name(k), (tfs::Ttr[k] + tfs::Tcr[k]) / 2, Pv, Pl);
    EXPECT_EQ(Pv, Pl) << name(k);
  }
  tfs::Psat("Air", 80, Pv, Pl);
  EXPECT_GT(Pl, Pv);
  // The bubble pressure is capped at the end of air's line; Pv stays below.
  tfs::Psat("Air", tfs::Tcr[11], Pv, Pl);
  EXPECT_EQ(Pl, 3.774L);
  EXPECT_LT(Pv, 3.774L);
  // Both limits of the range are admissible.
  tfs::Psat("CO2", tfs::Ttr[8], Pv, Pl);
  EXPECT_GT(Pv, 0.5L);
  tfs::Psat("CO2", tfs::Tcr[8], Pv, Pl);
  EXPECT_NEAR(Pv, tfs::Pcr[8], 1e-4L);
}

TEST(Tsat, BoilingTemperaturesAndAirsDewAndBubble) {
  LibraryWatch watch;
  Real Tv = -1, Tl = -1;
  tfs::Tsat("N2", 0.101325L, Tv, Tl);
  EXPECT_NEAR(Tv, 77.35L, 0.01L);
  EXPECT_EQ(Tv, Tl);
  tfs::Tsat("He", 0.101325L, Tv, Tl);
  EXPECT_NEAR(Tv, 4.215L, 0.001L);
  tfs::Tsat("Air", 0.101325L, Tv, Tl);
  EXPECT_NEAR(Tv - Tl, 3, 0.5L);
  EXPECT_NEAR(Tl, 78.8L, 0.2L);
  // Tsat inverts Psat on both lines.
  Real Pv = 0, Pl = 0;
  tfs::Psat("Air", Tv, Pv, Pl);
  EXPECT_NEAR(Pv, 0.101325L, 1e-5L);
  tfs::Psat("Air", Tl, Pv, Pl);
  EXPECT_NEAR(Pl, 0.101325L, 1e-5L);
}

TEST(Tsat, NoSaturationBelowTheTriplePointPressure) {
  LibraryWatch watch;
  Real Tv = -1, Tl = -1;
  tfs::Tsat("CO2", 0.101325L, Tv, Tl);
  EXPECT_EQ(Tv, 0);
  EXPECT_EQ(Tl, 0);
  // Air between its dew-side and bubble-side triple-point pressures: the
  // bubble temperature lies below Ttr.
  tfs::Tsat("Air", 0.008L, Tv, Tl);
  EXPECT_EQ(Tv, 0);
  EXPECT_EQ(Tl, 0);
  // Far below, and at zero pressure, the bounded iteration still returns.
  for (Real P : {1e-12L, 0.0L, -1.0L}) {
    tfs::Tsat("N2", P, Tv, Tl);
    EXPECT_EQ(Tv, 0) << P;
    EXPECT_EQ(Tl, 0) << P;
  }
}

TEST(Dhs2, SaturatedStatesOnBothSidesForEverySubstance) {
  LibraryWatch watch;
  for (int k = 1; k <= 11; ++k) {
    Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
    const Real T = tfs::Ttr[k] + 0.6L * (tfs::Tcr[k] - tfs::Ttr[k]);
    tfs::dhs2_T(name(k), T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
    EXPECT_LT(dv, dl) << name(k);
    EXPECT_LT(hl, hv) << name(k);
    EXPECT_LT(sl, sv) << name(k);
    if (k != 11) {
      EXPECT_EQ(Pv, Pl) << name(k);
    }

    Real Tv, Tl, dv2, hv2, sv2, Cpv2, dl2, hl2, sl2, Cpl2;
    tfs::dhs2_P(name(k), Pv, Tv, dv2, hv2, sv2, Cpv2, Tl, dl2, hl2, sl2, Cpl2);
    EXPECT_NEAR(Tv, T, 1e-3L) << name(k);
    EXPECT_NEAR(hv2, hv, 0.01L * std::fabs(hv - hl)) << name(k);
    if (k != 11) {
      EXPECT_NEAR(sl2, sl, 0.01L * (sv - sl)) << name(k);
    }
  }
  EXPECT_TRUE(watch.messages.empty());
}

TEST(Dhs2, RangeLimitsAreInclusive) {
  LibraryWatch watch;
  Real a[10];
  for (int k = 1; k <= 11; ++k) {
    EXPECT_NO_THROW(tfs::dhs2_T(name(k), tfs::Ttr[k], a[0], a[1], a[2], a[3], a[4], a[5], a[6],
                                a[7], a[8], a[9]))
        << name(k);
    EXPECT_NO_THROW(tfs::dhs2_T(name(k), tfs::Tcr[k], a[0], a[1], a[2], a[3], a[4], a[5], a[6],
                                a[7], a[8], a[9]))
        << name(k);
    EXPECT_THROW(tfs::dhs2_T(name(k), tfs::Tcr[k] + 0.01L, a[0], a[1], a[2], a[3], a[4], a[5],
                             a[6], a[7], a[8], a[9]),
                 FatalError)
        << name(k);
  }
}

// Tsat lands slightly above Tcr at Pcr for some fluids, where the start-value
// correlation gives nothing: the saturated states must still be sound.
TEST(Dhs2, AtTheCriticalPressureEveryStartValueIsDefined) {
  LibraryWatch watch;
  for (int k = 1; k <= 11; ++k) {
    Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
    tfs::dhs2_P(name(k), tfs::Pcr[k], Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
    for (Real v : {Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl}) EXPECT_TRUE(std::isfinite(v)) << name(k);
    EXPECT_GT(dv, 0.3L * tfs::Rocr[k]) << name(k);
    EXPECT_LT(dl, 3 * tfs::Rocr[k]) << name(k);
    EXPECT_NEAR(Tv, tfs::Tcr[k], 0.2L) << name(k);
  }
}

TEST(Dhs2, BelowTheTriplePointPressureNoStateAtZeroTemperature) {
  LibraryWatch watch;
  Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
  // CO2 at atmospheric pressure: both sides at the triple-point temperature.
  tfs::dhs2_P("CO2", 0.101325L, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  EXPECT_EQ(Tv, tfs::Ttr[8]);
  EXPECT_EQ(Tl, tfs::Ttr[8]);
  EXPECT_NEAR(dv, 1000 * 0.101325L / (tfs::Rgas[8] * Tv), 0.05L * dv);  // a gas
  EXPECT_GT(dl, 1000);                                                  // a liquid
  for (Real v : {hv, sv, Cpv, hl, sl, Cpl}) EXPECT_TRUE(std::isfinite(v));
  // Air between its two triple-point pressures: the dew side is real, the
  // bubble side is raised to Ttr.
  tfs::dhs2_P("Air", 0.008L, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  Real Pv, Pl;
  tfs::Psat("Air", Tv, Pv, Pl);
  EXPECT_NEAR(Pv, 0.008L, 1e-6L);
  EXPECT_GT(Tv, tfs::Ttr[11]);
  EXPECT_EQ(Tl, tfs::Ttr[11]);
  EXPECT_GT(dl, 10 * dv);
  for (Real v : {hv, sv, Cpv, hl, sl, Cpl}) EXPECT_TRUE(std::isfinite(v));
}

TEST(Melting, HeliumFloorAndTheInverseOfPmelt) {
  LibraryWatch watch;
  EXPECT_NEAR(tfs::Tmelt("He", 0), 2.2L, 1e-15L);
  EXPECT_NEAR(tfs::Tmelt("He", 1), 0.04L + 2.2L, 1e-15L);
  const Real above = tfs::Tmelt("He", 10);  // the Simon line is above the floor here
  EXPECT_GT(above, 0.04L * 10 + 2.2L);
  EXPECT_NEAR(tfs::Pmelt("He", above), 10, 1e-9L);
  for (int k = 2; k <= 11; ++k) {
    const Real Tm = tfs::Tmelt(name(k), 50);
    EXPECT_NEAR(tfs::Pmelt(name(k), Tm), 50, 1e-9L) << name(k);
  }
  // Methane's and R14's lines are shifted by a3.
  EXPECT_NEAR(tfs::Pmelt("CH4", 100), -175.3L + 0.1781L * std::pow(100 - 18.16L, 1.60883L), 1e-9L);
}

TEST(SaturationDeathTest, RangeChecksEndTheProgramWithTheirTexts) {
  Real a = 0, b = 0, c[10];
  EXPECT_EXIT(tfs::Psat("He", 2.1L, a, b), ::testing::ExitedWithCode(1),
              " Используемая в программе Psat температура   2.10 ниже тройной точки для данного вещества!");
  EXPECT_EXIT(tfs::dhs2_T("N2", 130, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9]),
              ::testing::ExitedWithCode(1),
              " Используемая в программе dhs2_T температура 130.00 выше критической для данного вещества!");
  EXPECT_EXIT(tfs::Tsat("N2", 3.5L, a, b), ::testing::ExitedWithCode(1),
              " Используемое в программе Tsat давление 3.5000 выше критического для данного вещества!");
  EXPECT_EXIT(tfs::dhs2_P("Air", 3.77L, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9]),
              ::testing::ExitedWithCode(1),
              " Используемое в программе dhs2_P давление 3.7700 выше критического для данного вещества!");
  EXPECT_EXIT(tfs::Tmelt("n2", 1), ::testing::ExitedWithCode(1), "Название вещества указано неправильно!");
}

// The two guards write their line to standard output before the end.
TEST(SaturationDeathTest, ConsoleGuardsOfTheCoreAndTheMeltingLine) {
  EXPECT_EXIT(tfs::dhs2("N2", 3.5L, 0, tfs::SatGiven::Pressure), ::testing::ExitedWithCode(1),
              "Задано P > Pkp при расчете свойств в насышении !");
  EXPECT_EXIT(tfs::dhs2("Air", 0, 132.56L, tfs::SatGiven::Temperature), ::testing::ExitedWithCode(1),
              "Задано T > Tkp при расчете свойств в насышении !");
  EXPECT_EXIT(tfs::Pmelt("N2", 62), ::testing::ExitedWithCode(1),
              "  Температура Т= 62.0 ниже Т тройной точки !");
}

TEST(SaturationGuards, ExactLinesOnStandardOutput) {
  LibraryWatch watch;
  struct Case {
    std::function<void()> call;
    std::string line;
  } cases[] = {
      {[] { tfs::dhs2("N2", 3.5L, 0, tfs::SatGiven::Pressure); }, "Задано P > Pkp при расчете свойств в насышении !\n"},
      {[] { tfs::dhs2("Air", 0, 132.56L, tfs::SatGiven::Temperature); }, "Задано T > Tkp при расчете свойств в насышении !\n"},
      {[] { tfs::Pmelt("N2", 62); }, "  Температура Т= 62.0 ниже Т тройной точки !\n"},
      {[] { tfs::Pmelt("He", 0.5L); }, "  Температура Т=  0.5 ниже Т тройной точки !\n"},
  };
  for (auto& c : cases) {
    ::testing::internal::CaptureStdout();
    EXPECT_THROW(c.call(), FatalError);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.line);
  }
}

}  // namespace
