#include <gtest/gtest.h>

#include <cmath>

#include "thermo/caloric.h"
#include "thermo/density.h"
#include "thermo/eos.h"
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
// density and temperature, the Maxwell relation and the cp - cv relation.
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
    }
  }
}

// Any finite T > 0 and rho >= 0 returns; rho at and beyond 1/b of the cubic
// equation may give inf or NaN.
TEST(CaloricBadInput, EveryRoutineReturns) {
  Real sink = 0;
  for (int k = 1; k <= tfs::kSubstCount; ++k)
    for (Real T : {Real(1e-300), Real(1e-4), tfs::Ttr[k], Real(300), Real(1e8), Real(1e300)})
      for (Real rho : {Real(0), Real(1e-300), Real(1), tfs::Rocr[k], 1 / tfs::bRKS[k], 2 / tfs::bRKS[k], Real(1e300)}) {
        for (auto mode : {EosMode::Pressure, EosMode::Full}) {
          const auto e = tfs::Eos(k, mode, T, rho);
          sink += e.P + e.dP + e.d2P + e.hR + e.sR + e.cvR + e.cpcv;
        }
        const auto c = tfs::CaloricDT(k, T, rho);
        const auto g = tfs::IdealGas(k, T);
        sink += c.h + c.s + c.cp + g.h0 + g.s0 + g.cp0 + g.cv0;
      }
  (void)sink;
  SUCCEED();
}

}  // namespace
