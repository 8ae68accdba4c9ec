// The state from (h, s) and the Joule–Thomson inversion curve, over the
// cubic model of every substance.

#include <gtest/gtest.h>

#include <cmath>

#include "thermo/inversion.h"
#include "thermo/model.h"
#include "thermo/roots.h"
#include "thermo/statehs.h"
#include "thermo/substances.h"

namespace {

using tfs::Real;

// The shared root search finds known roots in both number types, from
// brackets that put the root near one end (where plain false position
// creeps), and says NaN when the function is not finite on the way.
TEST(Roots, IllinoisFindsKnownRoots) {
  struct Case {
    double (*f)(double);
    double a, b, root;
  } cases[] = {
      {[](double x) { return x * x - 2; }, 0, 10, std::sqrt(2.0)},
      {[](double x) { return x - std::cos(x); }, 0, 1, 0.7390851332151607},
      {[](double x) { return std::exp(x) - 3; }, -20, 2, std::log(3.0)},
      {[](double x) { return std::pow(x, 9) - 1e-9; }, 0, 1, 0.1},
  };
  for (const Case& c : cases) {
    const double r = tfs::illinoisRoot(c.f, c.a, c.b, c.f(c.a), c.f(c.b), 1e-13);
    EXPECT_NEAR(r, c.root, 1e-12) << c.root;
    const long double lr = tfs::illinoisRoot([&c](long double x) { return (long double)c.f(double(x)); },
                                             (long double)c.a, (long double)c.b, (long double)c.f(c.a),
                                             (long double)c.f(c.b), 1e-13L);
    EXPECT_NEAR(double(lr), c.root, 1e-12) << c.root;
  }
  EXPECT_TRUE(std::isnan(tfs::illinoisRoot([](double x) { return x > 0.5 ? NAN : x - 1; }, 0.0, 2.0, -1.0, 1.0, 1e-12)));
}

// Round trip: a state from (P, T) is found again from its h and s, in the
// gas, the liquid, the supercritical fluid and inside the dome.
TEST(StateHs, RoundTripsEverySubstance) {
  for (int n = 0; n < 2 * tfs::kSubstCount; ++n) {
    const int k = 1 + n % tfs::kSubstCount;
    const tfs::Model& m = tfs::model(k, n < tfs::kSubstCount ? tfs::ModelKind::Cubic : tfs::ModelKind::Reference);
    const tfs::ModelLimits& lim = m.limits();
    struct Case {
      Real P, T;
    };
    const Real Tb = (lim.Ttr + lim.Tcr) / 2;
    Real Pv, Pl;
    m.Psat(Tb, Pv, Pl);
    const Case cases[] = {{0.1L, 300},       {Pv / 2, Tb},          {Pl * 3, Tb},
                          {lim.Pcr * 2, lim.Tcr * 1.5L}, {lim.Pceiling / 2, 500}};
    for (const Case& c : cases) {
      Real d, h, s, Cp, x;
      m.dhs_PT(c.P, c.T, d, h, s, Cp, x);
      const tfs::HsState st = tfs::stateHs(m, h, s);
      ASSERT_TRUE(st.ok) << m.name() << " P=" << double(c.P) << " T=" << double(c.T) << ": " << st.refusal;
      EXPECT_NEAR(double(st.T), double(c.T), 1e-6 * double(c.T)) << m.name() << " P=" << double(c.P);
      EXPECT_NEAR(std::log(double(st.P / c.P)), 0, 1e-5) << m.name() << " T=" << double(c.T);
    }
    // Halfway through the dome at one pressure: the lever rule.
    Real Tv, dv, hv, sv, cv, Tl, dl, hl, sl, cl;
    m.dhs2_P(Pv, Tv, dv, hv, sv, cv, Tl, dl, hl, sl, cl);
    const tfs::HsState mid = tfs::stateHs(m, (hv + hl) / 2, (sv + sl) / 2);
    ASSERT_TRUE(mid.ok) << m.name() << ": " << mid.refusal;
    EXPECT_NEAR(double(mid.x), 0.5, 1e-3) << m.name();
    EXPECT_NEAR(double(mid.P / Pv), 1, 1e-3) << m.name();
    // No state: far beyond the hottest isentrope, and below the solid.
    EXPECT_FALSE(tfs::stateHs(m, 1e5L, 0).ok) << m.name();
    EXPECT_FALSE(tfs::stateHs(m, -1e5L, 0).ok) << m.name();
    EXPECT_FALSE(tfs::stateHs(m, std::nanl(""), 1).ok) << m.name();
  }
}

// The highest inversion temperature is where B = T dB/dT of the second
// virial coefficient: of the cubic model (B = b - a(T)/(RT), helium by its
// own equation) and of the reference equations.
TEST(Inversion, HighestTemperatureOfEachModel) {
  const struct {
    int k;
    tfs::ModelKind model;
    double T;
  } cases[] = {{5, tfs::ModelKind::Cubic, 531.7},     {2, tfs::ModelKind::Cubic, 240.6},
               {1, tfs::ModelKind::Cubic, 46.3},      {5, tfs::ModelKind::Reference, 607.9},
               {6, tfs::ModelKind::Reference, 763.3}, {7, tfs::ModelKind::Reference, 757.4},
               {2, tfs::ModelKind::Reference, 200.8}, {4, tfs::ModelKind::Reference, 223.6},
               {1, tfs::ModelKind::Reference, 45.65}};
  for (const auto& c : cases) {
    const tfs::Model& m = tfs::model(c.k, c.model);
    const Real T = tfs::maxInversionTemperature(m);
    EXPECT_NEAR(double(T), c.T, 0.1) << m.name();
    // Below it a throttle at low pressure cools the gas, above it warms.
    EXPECT_LT(double(tfs::enthalpyPressureSlope(m, T - 5, 0.05L)), 0) << m.name();
    EXPECT_GT(double(tfs::enthalpyPressureSlope(m, T + 5, 0.05L)), 0) << m.name();
  }
  // Carbon dioxide's lies above the model's highest temperature.
  EXPECT_EQ(double(tfs::maxInversionTemperature(tfs::cubicModel(8))), 0);
}

// Every point of the curve separates cooling from heating along its
// isotherm, and the curve ends at zero pressure.
TEST(Inversion, CurveSeparatesCoolingFromHeating) {
  for (int k : {1, 2, 4, 5, 6, 7, 9, 11}) {
    const tfs::Model& m = tfs::model(k, k % 2 ? tfs::ModelKind::Cubic : tfs::ModelKind::Reference);
    const auto curve = tfs::inversionCurve(m, 16);
    ASSERT_GE(curve.size(), 10u) << m.name();
    EXPECT_EQ(double(curve.back().P), 0) << m.name();
    EXPECT_NEAR(double(curve.back().T), double(tfs::maxInversionTemperature(m)), 1e-9) << m.name();
    for (std::size_t i = 1; i + 1 < curve.size(); ++i) {
      const auto& p = curve[i];
      EXPECT_LT(double(tfs::enthalpyPressureSlope(m, p.T, p.P * 0.97L)), 0) << m.name() << " T=" << double(p.T);
      EXPECT_GT(double(tfs::enthalpyPressureSlope(m, p.T, p.P * 1.03L)), 0) << m.name() << " T=" << double(p.T);
      EXPECT_GT(double(p.T), double(curve[i - 1].T)) << m.name();
    }
  }
}

}  // namespace
