// Inverse routines: (h, P), (s, P) and (T, s).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "routines_support.h"
#include "thermo/saturation.h"
#include "thermo/tfs.h"

namespace {

using namespace routines_test;
using tfs::Real;


struct Result {  // T or P, then d, h or s, Cp, x
  Real v = -7, d = -7, e = -7, Cp = -7, x = -7;
};

Result ByHP(const char* nm, Real h, Real P) {
  Result r;
  tfs::Tds_hP(nm, h, P, r.v, r.d, r.e, r.Cp, r.x);
  return r;
}
Result BySP(const char* nm, Real s, Real P) {
  Result r;
  tfs::Tdh_sP(nm, s, P, r.v, r.d, r.e, r.Cp, r.x);
  return r;
}
Result ByTS(const char* nm, Real T, Real s) {
  Result r;
  tfs::Pdh_Ts(nm, T, s, r.v, r.d, r.e, r.Cp, r.x);
  return r;
}

struct Sat {
  Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
};
Sat SatP(const char* nm, Real P) {
  Sat q;
  tfs::dhs2_P(nm, P, q.Tv, q.dv, q.hv, q.sv, q.Cpv, q.Tl, q.dl, q.hl, q.sl, q.Cpl);
  return q;
}
Sat SatT(const char* nm, Real T) {  // Tv, Tl hold Pv, Pl here
  Sat q;
  tfs::dhs2_T(nm, T, q.Tv, q.dv, q.hv, q.sv, q.Cpv, q.Tl, q.dl, q.hl, q.sl, q.Cpl);
  return q;
}

Real tolH(int k) { return tfs::Rgas[k] / 100; }
Real tolS(int k) { return tfs::Rgas[k] / 1000; }

TEST(Inverse, SaturatedStatesWithinTheTolerances) {
  LibraryWatch watch;
  for (int k : {1, 5, 8, 11}) {
    const char* nm = name(k);
    const Real P = std::exp((std::log(tfs::triplePressure(k, true)) + std::log(tfs::Pcr[k])) / 2);
    const Sat q = SatP(nm, P);
    Result r = ByHP(nm, q.hv + 0.9L * tolH(k), P);
    EXPECT_EQ(r.v, q.Tv) << nm;
    EXPECT_EQ(r.d, q.dv);
    EXPECT_EQ(r.e, q.sv);
    EXPECT_EQ(r.x, 0);
    r = ByHP(nm, q.hl - 0.9L * tolH(k), P);
    EXPECT_EQ(r.v, q.Tl) << nm;
    EXPECT_EQ(r.d, q.dl);
    EXPECT_EQ(r.x, 1);
    r = ByHP(nm, q.hv + 3 * tolH(k), P);  // beyond the tolerance: superheated
    EXPECT_GT(r.v, q.Tv) << nm;
    r = BySP(nm, q.sv - 0.9L * tolS(k), P);
    EXPECT_EQ(r.v, q.Tv) << nm;
    EXPECT_EQ(r.e, q.hv);
    EXPECT_EQ(r.x, 0);
    r = BySP(nm, q.sl + 0.9L * tolS(k), P);
    EXPECT_EQ(r.v, q.Tl) << nm;
    EXPECT_EQ(r.e, q.hl);
    EXPECT_EQ(r.x, 1);

    const Real T = (tfs::Ttr[k] + tfs::Tcr[k]) / 2;
    const Sat t = SatT(nm, T);
    r = ByTS(nm, T, t.sv + 0.9L * tolS(k));
    EXPECT_EQ(r.v, t.Tv) << nm;
    EXPECT_EQ(r.e, t.hv);
    EXPECT_EQ(r.x, 0);
    r = ByTS(nm, T, t.sl - 0.9L * tolS(k));
    EXPECT_EQ(r.v, t.Tl) << nm;
    EXPECT_EQ(r.d, t.dl);
    EXPECT_EQ(r.x, 1);
  }
  EXPECT_TRUE(watch.messages.empty());
}

TEST(Inverse, TwoPhaseInterpolation) {
  LibraryWatch watch;
  const Sat q = SatP("Ar", 1);
  Result r = ByHP("Ar", (q.hv + q.hl) / 2, 1);
  EXPECT_NEAR(r.x, 0.5L, 1e-12L);
  EXPECT_EQ(r.v, q.Tv);
  EXPECT_NEAR(1 / r.d, (1 / q.dv + 1 / q.dl) / 2, 1e-12L / r.d);
  EXPECT_NEAR(r.e, (q.sv + q.sl) / 2, 1e-12L);
  EXPECT_EQ(r.Cp, 1000000);
  r = BySP("Ar", 0.75L * q.sv + 0.25L * q.sl, 1);
  EXPECT_NEAR(r.x, 0.25L, 1e-12L);
  EXPECT_NEAR(r.e, 0.75L * q.hv + 0.25L * q.hl, 1e-9L);
  EXPECT_EQ(r.Cp, 1000000);

  const Sat t = SatT("Ar", 120);
  r = ByTS("Ar", 120, 0.4L * t.sv + 0.6L * t.sl);
  EXPECT_NEAR(r.x, 0.6L, 1e-12L);
  EXPECT_NEAR(r.v, t.Tv, 1e-12L);  // Pv
  EXPECT_NEAR(r.e, 0.4L * t.hv + 0.6L * t.hl, 1e-9L);
  EXPECT_EQ(r.Cp, 1000000);

  // Air: the temperature runs from Tv to Tl with x, as in dhs_PT's band.
  const State band = PT("Air", 0.101325L, 80);
  r = ByHP("Air", band.h, 0.101325L);
  EXPECT_NEAR(r.v, 80, 1e-9L);
  EXPECT_NEAR(r.x, band.x, 1e-9L);
  EXPECT_NEAR(r.d, band.d, 1e-6L * band.d);
  r = BySP("Air", band.s, 0.101325L);
  EXPECT_NEAR(r.v, 80, 1e-9L);
  // Air at fixed T: the pressure runs from Pv to Pl with x.
  const Sat a = SatT("Air", 80);  // Tv, Tl hold Pv, Pl
  ASSERT_GT(a.Tl, 1.1L * a.Tv);
  r = ByTS("Air", 80, 0.7L * a.sv + 0.3L * a.sl);
  EXPECT_NEAR(r.x, 0.3L, 1e-12L);
  EXPECT_NEAR(r.v, a.Tv + 0.3L * (a.Tl - a.Tv), 1e-12L);
}

// A two-phase mixture mixes specific volumes. Nitrogen at its normal boiling
// point (saturated vapour 4.61, liquid 806 kg/m3, Span et al. 2000) with 46 %
// liquid has 1/(0.46/806 + 0.54/4.61) = 8.50 kg/m3; mixing the densities
// would give hundreds.
TEST(Inverse, TwoPhaseDensityMixesVolumes) {
  LibraryWatch watch;
  const Real T = 77.36L, x = 0.46L;
  const Sat t = SatT("N2", T);  // Tv holds Pv
  const Real h = t.hv + x * (t.hl - t.hv), s = t.sv + x * (t.sl - t.sv);
  for (const Result& r : {ByHP("N2", h, t.Tv), BySP("N2", s, t.Tv), ByTS("N2", T, s)}) {
    EXPECT_NEAR(r.x, x, 1e-3L);
    EXPECT_NEAR(r.d, 8.50L, 0.25L);
  }
  // (T, d) -> x -> d: the fraction of the volume-rule density is x, and its
  // enthalpy at the same pressure gives the density back.
  const Real d = 1 / (x / t.dl + (1 - x) / t.dv);
  Real P, hd, sd, Cp, xd;
  tfs::Phs_Td("N2", T, d, P, hd, sd, Cp, xd);
  EXPECT_NEAR(xd, x, 1e-12L);
  EXPECT_NEAR(hd, h, 1e-9L);
  EXPECT_NEAR(ByTS("N2", T, sd).d, d, 1e-9L * d);
}

TEST(Inverse, SolidificationMessages) {
  LibraryWatch watch;
  // Compressed liquid below the solidification line: the state on it.
  const Real Tm = tfs::Tmelt("N2", 1);
  const State m = PT("N2", 1, Tm);
  Result r = ByHP("N2", m.h - 5, 1);
  EXPECT_EQ(watch.count("Значение h менше h затвердевания !"), 1);
  EXPECT_EQ(r.v, Tm);
  EXPECT_EQ(r.d, m.d);
  EXPECT_EQ(r.e, m.s);
  EXPECT_EQ(r.x, m.x);
  r = BySP("N2", m.s - 0.05L, 1);
  EXPECT_EQ(watch.count("Значение S менше S затвердевания !"), 1);
  EXPECT_EQ(r.v, Tm);
  EXPECT_EQ(r.d, m.d);
  EXPECT_EQ(r.e, m.h);
  EXPECT_EQ(watch.messages.size(), 2u);

  // Below the triple-point pressure the reference is the state at the
  // solidification temperature (raised to Ttr); it is also the result.
  for (int k : {6, 8, 9, 10}) {
    const char* nm = name(k);
    const Real P = 0.3L * tfs::triplePressure(k);
    const Real T0 = std::max(tfs::Tmelt(nm, P), tfs::Ttr[k]);
    const State ref = PT(nm, P, T0);
    watch.messages.clear();
    r = BySP(nm, ref.s - 0.3L, P);
    EXPECT_EQ(watch.count("s<sv"), 1) << nm;
    EXPECT_EQ(r.v, T0) << nm;
    EXPECT_EQ(r.e, ref.h) << nm;
    r = ByHP(nm, ref.h - 30, P);
    EXPECT_EQ(watch.count("h<hv"), 1) << nm;
    EXPECT_EQ(r.v, T0) << nm;
    EXPECT_EQ(r.e, ref.s) << nm;
    // Above it, the vapour is found as usual.
    const State v = PT(nm, P, T0 + 40);
    EXPECT_NEAR(BySP(nm, v.s, P).v, T0 + 40, 1.5L * tolS(k) * (T0 + 40) / v.Cp) << nm;
  }
}

TEST(Inverse, PdhTsReturnsZeroAboveTheHighestPressure) {
  LibraryWatch watch;
  const State top = PT("He", 10, 8);
  EXPECT_EQ(ByTS("He", 8, top.s - 0.01L).v, 0);
  const State nine = PT("He", 9, 8);
  Result r = ByTS("He", 8, nine.s);
  EXPECT_NEAR(r.v, 9, 0.05L);
  const State n2 = PT("N2", 100, 300);
  EXPECT_EQ(ByTS("N2", 300, n2.s - 0.01L).v, 0);
  EXPECT_GT(ByTS("N2", 300, n2.s + 0.01L).v, 50);
  // Liquid below the entropy on the melting line.
  const Real Pm = tfs::Pmelt("N2", 80);
  EXPECT_EQ(ByTS("N2", 80, PT("N2", Pm, 80).s - 0.01L).v, 0);
  EXPECT_TRUE(watch.messages.empty());
}

// Just above the triple point the melting pressure is negative: no liquid.
TEST(InverseMended, PdhTsNoLiquidWhereTheMeltingLineIsBelow) {
  LibraryWatch watch;
  const std::pair<int, Real> cases[] = {{2, 14.0L}, {3, 14.0L}, {4, 24.6L}, {5, 63.1501L}, {7, 54.37L},
                                        {11, 63.1L}};
  for (auto [k, T] : cases) {
    ASSERT_LT(tfs::Pmelt(name(k), T), 0) << name(k);
    const Sat t = SatT(name(k), T);
    const Result r = ByTS(name(k), T, t.sl - 0.02L);
    EXPECT_EQ(r.v, 0) << name(k);
    for (Real v : {r.d, r.e, r.Cp, r.x}) EXPECT_TRUE(std::isfinite(v)) << name(k);
  }
  EXPECT_TRUE(watch.messages.empty());
}

// O2 below 61.3 K and R14 below 101.9 K: the saturation pressure is below
// 0.001 MPa.
TEST(InverseMended, PdhTsVapourBelowAThousandthOfAMegapascal) {
  LibraryWatch watch;
  for (auto [k, T] : {std::pair<int, Real>{7, 58}, {10, 95}, {10, 90.5L}}) {
    Real Pv, Pl;
    tfs::Psat(name(k), T, Pv, Pl);
    ASSERT_LT(Pv, 0.001L);
    for (Real f : {0.9L, 0.3L, 0.01L}) {
      const State v = PT(name(k), f * Pv, T);
      const Result r = ByTS(name(k), T, v.s);
      EXPECT_NEAR(r.v, f * Pv, 0.003L * f * Pv) << name(k) << " " << T << " " << f;
      EXPECT_EQ(r.x, 0);
      EXPECT_TRUE(std::isfinite(r.d) && std::isfinite(r.e));
    }
  }
}

TEST(InverseMended, AirIteratesBetweenItsTwoCriticalTemperatures) {
  LibraryWatch watch;
  Result r;
  ASSERT_NO_THROW(r = ByHP("Air", 2.9638L, 5));
  EXPECT_NEAR(PT("Air", 5, r.v).h, 2.9638L, tolH(11));
  // Isobars between Pcr = 3.768 and Pkp = 3.774 MPa are supercritical.
  for (Real T : {100.0L, 125.0L, 132.4L, 140.0L, 250.0L}) {
    const State st = PT("Air", 3.77L, T);
    ASSERT_NO_THROW(r = ByHP("Air", st.h, 3.77L)) << T;
    EXPECT_NEAR(r.v, T, 1.5L * tolH(11) / st.Cp + 1e-6L) << T;
    ASSERT_NO_THROW(r = BySP("Air", st.s, 3.77L)) << T;
    EXPECT_NEAR(r.v, T, 1.5L * tolS(11) * T / st.Cp + 1e-6L) << T;
  }
}

// Air between its dew-side (0.0058 MPa) and bubble-side (0.0103 MPa)
// triple-point pressures: the bubble line lies below Ttr, so the search runs
// from the state at the solidification temperature, through the band.
TEST(Inverse, AirBetweenItsTwoTriplePointPressures) {
  LibraryWatch watch;
  const Real P = 0.008L;
  ASSERT_EQ(TsatAt("Air", P).Tv, 0);
  int band = 0;
  for (Real T : {63.2L, 64.0L, 65.0L, 66.0L, 70.0L, 120.0L}) {
    const State st = PT("Air", P, T);
    band += st.x > 0 && st.x < 1;
    const Result a = ByHP("Air", st.h, P);
    EXPECT_NEAR(a.v, T, 1.5L * tolH(11) / st.Cp + 1e-6L) << T;
    EXPECT_NEAR(a.x, st.x, 1e-3L) << T;
    const Result b = BySP("Air", st.s, P);
    EXPECT_NEAR(b.v, T, 1.5L * tolS(11) * T / st.Cp + 1e-6L) << T;
  }
  EXPECT_GE(band, 2);
  EXPECT_TRUE(watch.messages.empty());
}

// The false position in ln P stalls in the liquid, where s barely moves with
// P (R14 at 92 K): the search must still end on the requested entropy.
TEST(InverseMended, PdhTsFinishesByBisection) {
  LibraryWatch watch;
  for (auto [k, T, P] : {std::tuple<int, Real, Real>{10, 92, 0.1L}, {10, 92, 1}, {10, 100, 5},
                         {8, 220, 30}, {5, 66, 5}}) {
    const State l = PT(name(k), P, T);
    ASSERT_EQ(l.x, 1);
    const Result r = ByTS(name(k), T, l.s);
    ASSERT_GT(r.v, 0) << name(k);
    EXPECT_LT(std::fabs(PT(name(k), r.v, T).s - l.s), tolS(k)) << name(k) << " " << T << " " << P;
  }
}

// Supercritical pressure, states above 500 K.
TEST(InverseMended, BeyondFiveHundredKelvin) {
  LibraryWatch watch;
  const State start = PT("CH4", 0.1L, 300);
  Result r = BySP("CH4", start.s, 5);
  EXPECT_NEAR(r.v, 636, 10);
  EXPECT_LT(std::fabs(PT("CH4", 5, r.v).s - start.s), tfs::Rgas[9] / 1000);
  for (auto [k, P, T] : {std::tuple<int, Real, Real>{9, 5, 700}, {5, 10, 650}, {8, 100, 800}, {1, 1, 900}}) {
    const State st = PT(name(k), P, T);
    EXPECT_NEAR(ByHP(name(k), st.h, P).v, T, 1.5L * tolH(k) / st.Cp) << name(k);
    EXPECT_NEAR(BySP(name(k), st.s, P).v, T, 1.5L * tolS(k) * T / st.Cp) << name(k);
  }
  EXPECT_TRUE(watch.messages.empty());
  // Beyond the ideal-gas fits: reported, never returned as converged.
  const State hot = PT("N2", 5, 1000);
  r = BySP("N2", hot.s + 0.3L, 5);
  EXPECT_EQ(watch.count("Значение S больше S при T=1000 K !"), 1);
  EXPECT_EQ(r.v, 1000);
  EXPECT_EQ(r.e, hot.h);
  r = ByHP("N2", hot.h + 300, 5);
  EXPECT_EQ(watch.count("Значение h больше h при T=1000 K !"), 1);
  EXPECT_EQ(r.v, 1000);
  EXPECT_EQ(r.e, hot.s);
  // The same at a subcritical pressure, where the vapour search is unbracketed.
  const State warm = PT("O2", 0.1L, 1000);
  r = ByHP("O2", warm.h + 500, 0.1L);
  EXPECT_EQ(watch.count("Значение h больше h при T=1000 K !"), 2);
  EXPECT_EQ(r.v, 1000);
  EXPECT_EQ(r.e, warm.s);
  r = BySP("O2", warm.s + 0.5L, 0.1L);
  EXPECT_EQ(watch.count("Значение S больше S при T=1000 K !"), 2);
  EXPECT_EQ(r.v, 1000);
}

// Where the passes run out (entropy below the solidification state above
// Pkp), the outputs still belong to the temperature returned.
TEST(Inverse, UnconvergedResultsBelongToOneState) {
  LibraryWatch watch;
  const Real Tm = tfs::Tmelt("N2", 10);
  const State m = PT("N2", 10, Tm);
  Result r = BySP("N2", m.s - 0.3L, 10);
  State at = PT("N2", 10, r.v);
  EXPECT_EQ(r.d, at.d);
  EXPECT_EQ(r.e, at.h);
  EXPECT_EQ(r.Cp, at.Cp);
  r = ByHP("N2", m.h - 30, 10);
  at = PT("N2", 10, r.v);
  EXPECT_GE(r.v, Tm);
  EXPECT_EQ(r.d, at.d);
  EXPECT_EQ(r.e, at.s);
  EXPECT_TRUE(watch.messages.empty());
}

TEST(InverseDeathTest, RangeEndsThroughDhs2T) {
  Real P, d, h, Cp, x;
  EXPECT_EXIT(tfs::Pdh_Ts("O2", 50, 3, P, d, h, Cp, x), ::testing::ExitedWithCode(1),
              " Используемая в программе dhs2_T температура  50.00 ниже тройной точки для данного вещества!");
  EXPECT_EXIT(tfs::Tds_hP("Neon", 50, 1, P, d, h, Cp, x), ::testing::ExitedWithCode(1),
              "Название вещества указано неправильно!");
}

// (P, T) -> dhs_PT -> Tds_hP / Tdh_sP / Pdh_Ts gives back T and P over a grid
// of single-phase states of every substance.
TEST(Inverse, RoundTripsOverAGrid) {
  LibraryWatch watch;
  const Real pressures[] = {0.001L, 0.01L, 0.05L, 0.1L, 0.5L, 1, 2, 3, 3.77L, 5, 10, 20, 50, 100};
  int checked = 0;
  for (int k = 1; k <= 11; ++k) {
    const char* nm = name(k);
    for (Real P : pressures) {
      if (k == 1 && P > 10) continue;
      for (int i = 0; i <= 16; ++i) {
        const Real T = k == 1 ? tfs::Ttr[k] * std::pow(500 / tfs::Ttr[k], i / 16.0L) + 0.0013L
                              : tfs::Ttr[k] + (500 - tfs::Ttr[k]) * i / 16 + 0.013L;
        if (T < tfs::Tmelt(nm, P)) continue;
        const State st = PT(nm, P, T);
        const Result a = ByHP(nm, st.h, P);
        EXPECT_NEAR(a.v, T, 1.5L * tolH(k) / st.Cp + 1e-6L) << nm << " P=" << P << " T=" << T;
        const Result b = BySP(nm, st.s, P);
        EXPECT_NEAR(b.v, T, 1.5L * tolS(k) * T / st.Cp + 1e-6L) << nm << " P=" << P << " T=" << T;
        if (st.x > 0 && st.x < 1) continue;  // air's band: no (T, s) counterpart
        const State up = PT(nm, 1.01L * P, T);
        const Real dsdP = std::fabs(up.s - st.s) / (0.01L * P);
        const Result c = ByTS(nm, T, st.s);
        EXPECT_NEAR(c.v, P, 1.5L * tolS(k) / dsdP + 1e-9L * P) << nm << " P=" << P << " T=" << T;
        EXPECT_EQ(c.x, st.x) << nm << " P=" << P << " T=" << T;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 1500);
  EXPECT_TRUE(watch.messages.empty());
}

// At the lowest pressure the library handles, every substance's vapour is
// found again from (h, P), (s, P) and (T, s).
TEST(Inverse, RoundTripsAtThePressureFloor) {
  LibraryWatch watch;
  const Real P = tfs::kPressureFloor;
  for (int k = 1; k <= 11; ++k) {
    const char* nm = name(k);
    for (Real T : {tfs::Ttr[k] + 1, tfs::Tcr[k], Real(300), Real(900)}) {
      const State st = PT(nm, P, T);
      ASSERT_EQ(st.x, 0) << nm;
      EXPECT_NEAR(ByHP(nm, st.h, P).v, T, 1.5L * tolH(k) / st.Cp + 1e-6L) << nm << " T=" << T;
      EXPECT_NEAR(BySP(nm, st.s, P).v, T, 1.5L * tolS(k) * T / st.Cp + 1e-6L) << nm << " T=" << T;
      // Ideal gas: ds/dlnP = -R.
      EXPECT_NEAR(ByTS(nm, T, st.s).v, P, 1.5L * tolS(k) / tfs::Rgas[k] * P) << nm << " T=" << T;
    }
  }
  EXPECT_TRUE(watch.messages.empty());
}

}  // namespace
