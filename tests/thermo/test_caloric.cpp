#include <gtest/gtest.h>

#include <cmath>

#include "thermo/caloric.h"
#include "thermo/density.h"
#include "thermo/eos.h"
#include "thermo/limits.h"
#include "thermo/substances.h"

namespace {

using tfs::EosMode;
using tfs::Real;

TEST(IdealGas, HeliumHasAConstantHeatCapacity) {
  for (Real T : {2.2L, 5.0L, 77.0L, 300.0L, 1500.0L}) {
    const auto g = tfs::IdealGas(1, T);
    EXPECT_NEAR(g.cp0, 20.78602L / 4.0024L, 1e-15L);
    EXPECT_NEAR(g.h0, (59.4L + 20.78602L * T) / 4.0024L, 1e-12L);
    EXPECT_NEAR(g.cv0, g.cp0 - tfs::Rgas[1], 1e-15L);
  }
}

// H is the integral of Cp over T and S the integral of Cp/T, in both forms
// and with the ortho-para terms of the hydrogen modifications.
TEST(IdealGas, EnthalpyAndEntropySlopesGiveTheHeatCapacity) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    for (Real T : {tfs::Ttr[k], Real(0.5L) * (tfs::Ttr[k] + tfs::Tcr[k]), tfs::Tcr[k], Real(300), Real(800)}) {
      const Real h = T * 1e-5L;
      const auto g = tfs::IdealGas(k, T);
      const auto p = tfs::IdealGas(k, T + h), m = tfs::IdealGas(k, T - h);
      EXPECT_NEAR((p.h0 - m.h0) / (2 * h), g.cp0, 1e-8L * g.cp0) << k << " T=" << static_cast<double>(T);
      EXPECT_NEAR(T * (p.s0 - m.s0) / (2 * h), g.cp0, 1e-8L * g.cp0) << k << " T=" << static_cast<double>(T);
      EXPECT_NEAR(g.cv0, g.cp0 - tfs::Rgas[k], 1e-15L) << k;
      EXPECT_GT(g.cv0, 0) << k;
    }
  }
}

// Monatomic gases: cp0 = 5/2 R.
TEST(IdealGas, MonatomicGases) {
  for (int k : {1, 4, 6}) EXPECT_NEAR(tfs::IdealGas(k, 200).cp0 / tfs::Rgas[k], 2.5L, 1e-4L) << k;
}

// Hydrogen by statistical mechanics: translation 5/2 R and the rotational
// levels E_J = hc (B J(J+1) - D J^2 (J+1)^2), B = 59.322, D = 0.0471 cm-1
// (vibration is frozen below 500 K). Para-hydrogen has the even J alone;
// normal hydrogen the odd (ortho) and even J 3:1, frozen. H counts from
// para-hydrogen's J = 0 level of the ideal gas at 0 K.
TEST(IdealGas, HydrogenModificationsFollowStatisticalMechanics) {
  struct Row {
    Real T, cpPara, cpNormal, Hpara, Hnormal;  // K, cp0/R, J/mol
  };
  const Row rows[] = {{50, 2.5194L, 2.5049L, 1040.1L, 2102.3L},    {77, 2.7885L, 2.5758L, 1628.6L, 2670.6L},
                      {100, 3.2482L, 2.7139L, 2204.4L, 3175.5L},   {150, 3.9291L, 3.0535L, 3726.5L, 4376.7L},
                      {200, 3.8962L, 3.2803L, 5367.1L, 5697.4L},   {300, 3.6002L, 3.4702L, 8465.8L, 8521.5L}};
  for (const Row& r : rows) {
    const auto n = tfs::IdealGas(2, r.T), p = tfs::IdealGas(3, r.T);
    EXPECT_NEAR(p.cp0 / tfs::Rgas[3], r.cpPara, 0.025L * r.cpPara) << static_cast<double>(r.T);
    EXPECT_NEAR(n.cp0 / tfs::Rgas[2], r.cpNormal, 0.025L * r.cpNormal) << static_cast<double>(r.T);
    EXPECT_NEAR(p.h0 * tfs::MolMass[3], r.Hpara, 0.01L * r.Hpara) << static_cast<double>(r.T);
    EXPECT_NEAR(n.h0 * tfs::MolMass[2], r.Hnormal, 0.01L * r.Hnormal) << static_cast<double>(r.T);
  }
}

// Absolute enthalpy and entropy at 298.15 K against the standard values:
// H(298.15) - H(0) of the ideal gas and the third-law S at 0.101325 MPa
// (JANAF Thermochemical Tables, 4th ed.: S at 0.1 MPa less R ln 1.01325).
// Hydrogen by statistical mechanics as above, normal hydrogen's S with its
// nuclear-spin and ortho-para terms (R ln 4 in all). Air: the mole-fraction
// mean of N2, O2 and Ar (0.7808, 0.2095, 0.0093) with the entropy of mixing.
// dH and dS hold the zero a fit keeps of its own: helium's enthalpy is
// 59.4 J/mol up and its ideal-gas function R above its real-gas entropy,
// neon counts S from 5/2 R ln(T/K), oxygen's S lies R ln 10 low, air's
// 24.2 low.
TEST(IdealGas, EnthalpyAndEntropyAgainstStandardValues) {
  constexpr Real R = 8.31441L;
  struct Row {
    int k;
    Real H, S, dH, dS;  // J/mol, J/(mol K)
  };
  const Row rows[] = {{1, 6197, 126.044L, 59.4L, R},         {2, 8468.1L, 142.104L, 0, 0},
                      {3, 8410.4L, 130.409L, 0, 0},          {4, 6197, 146.219L, 0, -27.79L},
                      {5, 8670, 191.500L, 0, 0},             {6, 6197, 154.737L, 0, 0},
                      {7, 8683, 205.038L, 0, -R * std::log(10.0L)}, {8, 9364, 213.686L, 0, 0},
                      {9, 10016, 186.142L, 0, 0},            {11, 8649.6L, 198.683L, 0, -24.2L}};
  for (const Row& r : rows) {
    const auto g = tfs::IdealGas(r.k, 298.15L);
    const Real M = tfs::MolMass[r.k];
    EXPECT_NEAR(g.h0 * M, r.H + r.dH, 25) << tfs::SubstName[r.k];
    EXPECT_NEAR(g.s0 * M, r.S + r.dS, 0.6L) << tfs::SubstName[r.k];
  }
}

// R14 (CF4) by the rigid rotor and harmonic oscillator: cp0 = 61.05 J/(mol K)
// at 298.15 K (JANAF: 61.09). Its zero points are those of the fit it
// replaced, 9911.245 J/mol and 166.181 J/(mol K) at 298.15 K.
TEST(IdealGas, R14HeatCapacityAndZeroPoints) {
  const auto g = tfs::IdealGas(10, 298.15L);
  const Real M = tfs::MolMass[10];
  EXPECT_NEAR(g.cp0 * M, 61.05L, 0.05L);
  EXPECT_NEAR(g.h0 * M, 9911.2447527545917L, 1e-9L);
  EXPECT_NEAR(g.s0 * M, 166.18097039070873L, 1e-12L);
  // All nine vibrations excited: cp0 tends to 4R + 9R.
  EXPECT_NEAR(tfs::IdealGas(10, 1e5L).cp0 / tfs::Rgas[10], 13, 1e-3L);
}

TEST(CaloricDT, IdealGasLimit) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Real T = 1.5L * tfs::Tcr[k], rho = 1e-10L;
    const Real P = tfs::Eos(k, EosMode::Pressure, T, rho).P;
    const auto g = tfs::IdealGas(k, T);
    const auto c = tfs::CaloricDT(k, T, rho);
    const Real offset = k == 1 ? -tfs::Rgas[1] : 0;
    EXPECT_NEAR(c.s, g.s0 - tfs::Rgas[k] * std::log(P / 0.101325L) + offset, 1e-8L) << k;
    EXPECT_NEAR(c.h, g.h0, 1e-7L) << k;
    EXPECT_NEAR(c.cp, g.cp0, 1e-8L) << k;
  }
}

// The caloric properties of the real fluid obey dh = T ds + v dP at fixed
// density and temperature, the Maxwell relations and the cp - cv relation.
TEST(CaloricDT, RealFluidThermodynamicIdentities) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Real liquid = tfs::DensPT(k, 0.8L * tfs::Tcr[k], 2 * tfs::Pcr[k], 2 * tfs::Rocr[k]);
    ASSERT_GT(liquid, 1.2L * tfs::Rocr[k]) << k;
    struct State {
      Real T, rho;
    };
    for (const State st : {State{0.8L * tfs::Tcr[k], liquid}, State{1.5L * tfs::Tcr[k], 0.4L * tfs::Rocr[k]},
                           State{3 * tfs::Tcr[k], 1.2L * tfs::Rocr[k]}}) {
      const Real T = st.T, rho = st.rho, hT = T * 1e-5L, hr = rho * 1e-5L;
      auto P = [&](Real t, Real r) { return tfs::Eos(k, EosMode::Pressure, t, r).P; };
      auto C = [&](Real t, Real r) { return tfs::CaloricDT(k, t, r); };
      const auto c = C(T, rho);
      const Real dPdT = (P(T + hT, rho) - P(T - hT, rho)) / (2 * hT);
      const Real dPdr = (P(T, rho + hr) - P(T, rho - hr)) / (2 * hr);
      const Real dsdT = (C(T + hT, rho).s - C(T - hT, rho).s) / (2 * hT);
      const Real dhdT = (C(T + hT, rho).h - C(T - hT, rho).h) / (2 * hT);
      const Real dsdr = (C(T, rho + hr).s - C(T, rho - hr).s) / (2 * hr);
      const Real dhdr = (C(T, rho + hr).h - C(T, rho - hr).h) / (2 * hr);
      const Real cv = T * dsdT;
      const Real scale = tfs::Rgas[k];
      const std::string where = std::to_string(k) + " T=" + std::to_string(static_cast<double>(T)) +
                                " rho=" + std::to_string(static_cast<double>(rho));

      EXPECT_NEAR(c.cp, cv + 1000 * T * dPdT * dPdT / (rho * rho * dPdr), 1e-6L * scale) << where;
      EXPECT_NEAR(dhdT, cv + 1000 * dPdT / rho, 1e-6L * scale) << where;
      EXPECT_NEAR(dsdr, -1000 * dPdT / (rho * rho), 1e-6L * scale / rho) << where;
      EXPECT_NEAR(dhdr, T * dsdr + 1000 * dPdr / rho, 1e-6L * scale * T / rho) << where;
      // Maxwell: (ds/dP)_T = -(dv/dT)_P.
      EXPECT_NEAR(c.dsdP, -1000 * dPdT / (rho * rho * dPdr), 1e-6L * std::fabs(c.dsdP)) << where;
    }
  }
}

// Any finite T > 0 and density below the limiting one give finite results;
// at and beyond it the routines still return.
TEST(CaloricBadInput, FiniteBelowTheLimitingDensity) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Real top = tfs::limitingDensity(k);
    for (Real T : {Real(1e-300), Real(1e-4), tfs::Ttr[k], Real(300), Real(1e8), Real(1e300)})
      for (Real rho : {Real(1e-300), Real(1), tfs::Rocr[k], 0.999L * top, top, 2 * top, Real(1e300)}) {
        const auto e = tfs::Eos(k, EosMode::Full, T, rho);
        const auto c = tfs::CaloricDT(k, T, rho);
        const auto g = tfs::IdealGas(k, T);
        const bool finite = std::isfinite(e.P + e.dP + e.d2P + e.hR + e.sR + e.cvR + e.cpcv) &&
                            std::isfinite(c.h + c.s + c.cp) && std::isfinite(g.h0 + g.s0 + g.cp0 + g.cv0);
        if (rho < top) {
          EXPECT_TRUE(finite) << k << " T=" << static_cast<double>(T) << " rho=" << static_cast<double>(rho);
        }
      }
  }
}

}  // namespace
