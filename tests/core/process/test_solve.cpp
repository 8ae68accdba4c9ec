// The pair solver, the end states of the five processes and their heat and
// work, called directly.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>

#include "core/process/solve.h"
#include "model_support.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

using namespace proc;

namespace {

Real Rgas(const char* name) { return tfs::Rgas[tfs::SubstIndex(name)]; }

ProcPoint FromTP(const char* name, Real T, Real P) {
  ProcPoint p;
  EXPECT_EQ(SolvePair(eos(name), kTemperature, kPressure, T, P, p), SolveStatus::Solved);
  return p;
}

// The state agrees with the reference within the library's tolerances.
void ExpectSameState(const char* name, const ProcPoint& got, const ProcPoint& ref, const std::string& what) {
  const Real R = Rgas(name);
  EXPECT_NEAR(double(got.T), double(ref.T), double(2e-3L * ref.T)) << what;
  EXPECT_NEAR(double(got.P), double(ref.P), double(3e-3L * ref.P)) << what;
  // Entropy is found within R/1000, so enthalpy within about T R/1000.
  EXPECT_NEAR(double(got.i), double(ref.i), double(std::max(R / 50, ref.T * R / 500))) << what;
  EXPECT_NEAR(double(got.s), double(ref.s), double(R / 500)) << what;
  EXPECT_NEAR(double(got.d), double(ref.d), double(5e-3L * ref.d)) << what;
}

}  // namespace

TEST(ProcessPairs, TableOfAdmittedPairs) {
  const std::set<std::pair<int, int>> admitted = {
      {0, 1}, {0, 6}, {1, 0}, {1, 4}, {1, 5}, {1, 6}, {2, 0}, {3, 0}, {4, 1}, {4, 5}, {5, 1}, {6, 0}, {6, 1}};
  for (int a = 0; a < kParamCount; ++a)
    for (int b = 0; b < kParamCount; ++b)
      EXPECT_EQ(PairAllowed(a, b), admitted.count({a, b}) == 1) << a << "," << b;
  // (density, temperature) yes, (temperature, density) no.
  EXPECT_TRUE(PairAllowed(kDensity, kTemperature));
  EXPECT_FALSE(PairAllowed(kTemperature, kDensity));
  // Ends: isotherm by P or dryness, isochore by T, isenthalp by P or s, isentrope by P.
  EXPECT_TRUE(PairAllowed(ConstKind(kIsotherm), kDryness));
  EXPECT_TRUE(PairAllowed(ConstKind(kIsochore), kTemperature));
  EXPECT_FALSE(PairAllowed(ConstKind(kIsochore), kPressure));
  EXPECT_TRUE(PairAllowed(ConstKind(kIsenthalp), kEntropy));
  EXPECT_FALSE(PairAllowed(ConstKind(kIsentrope), kTemperature));
  EXPECT_DOUBLE_EQ(double(ToInternal(kDryness, 30)), 0.3);
  EXPECT_DOUBLE_EQ(double(ToInternal(kPressure, 30)), 30.0);
}

// Every admitted start pair, from the values of one reference state.
TEST(ProcessPairs, EveryAdmittedPairGivesTheSameState) {
  struct Case {
    const char* name;
    Real T, P;
  };
  for (const Case c : {Case{"N2", 300, 1}, Case{"N2", 100, 5}, Case{"He", 20, 0.5L}, Case{"He", 4, 1},
                       Case{"Air", 120, 3.77L}, Case{"Air", 80, 0.5L}}) {
    SCOPED_TRACE(std::string(c.name) + " T=" + std::to_string(double(c.T)));
    const ProcPoint ref = FromTP(c.name, c.T, c.P);
    ASSERT_GT(ref.d, 0);
    struct Pair {
      int first, second;
      Real a, b;
    };
    const Pair pairs[] = {{kPressure, kTemperature, ref.P, ref.T}, {kDensity, kTemperature, ref.d, ref.T},
                          {kVolume, kTemperature, 1 / ref.d, ref.T}, {kPressure, kEnthalpy, ref.P, ref.i},
                          {kEnthalpy, kPressure, ref.i, ref.P},     {kPressure, kEntropy, ref.P, ref.s},
                          {kEntropy, kPressure, ref.s, ref.P},      {kEnthalpy, kEntropy, ref.i, ref.s}};
    for (const Pair& p : pairs) {
      ProcPoint got;
      ASSERT_EQ(SolvePair(eos(c.name), p.first, p.second, p.a, p.b, got), SolveStatus::Solved) << p.first << p.second;
      ExpectSameState(c.name, got, ref, std::to_string(p.first) + "," + std::to_string(p.second));
    }
  }
}

TEST(ProcessPairs, DrynessPairsOnTheSaturationLine) {
  for (const auto& [name, T] : {std::pair<const char*, Real>{"N2", 90}, {"He", 4}}) {
    SCOPED_TRACE(name);
    Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
    tfs::dhs2_T(name, T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
    ProcPoint a, b, c, d;
    ASSERT_EQ(SolvePair(eos(name), kTemperature, kDryness, T, 0.3L, a), SolveStatus::Solved);
    ASSERT_EQ(SolvePair(eos(name), kDryness, kTemperature, 0.3L, T, b), SolveStatus::Solved);
    ASSERT_EQ(SolvePair(eos(name), kPressure, kDryness, Pv, 0.3L, c), SolveStatus::Solved);
    ASSERT_EQ(SolvePair(eos(name), kDryness, kPressure, 0.3L, Pv, d), SolveStatus::Solved);
    // 30 % vapour: the liquid fraction is 0.7.
    EXPECT_NEAR(double(a.i), double(0.7L * hl + 0.3L * hv), 1e-9);
    EXPECT_NEAR(double(a.x), 0.7, 1e-3);
    EXPECT_NEAR(double(a.s), double(0.7L * sl + 0.3L * sv), double(Rgas(name) / 500));
    EXPECT_EQ(a.T, T);
    EXPECT_NEAR(double(a.P), double(Pv), 1e-9);
    for (const ProcPoint* p : {&b, &c, &d}) {
      EXPECT_NEAR(double(p->T), double(T), 1e-3 * double(T));
      EXPECT_NEAR(double(p->i), double(a.i), double(Rgas(name) / 50));
      EXPECT_NEAR(double(p->s), double(a.s), double(Rgas(name) / 500));
      EXPECT_NEAR(double(p->x), 0.7, 2e-3);
    }
  }
}

// A dryness where there is no saturation, and impossible volumes, compute
// nothing: the target keeps every field.
TEST(ProcessPairs, RefusedPairsLeaveTheTargetAlone) {
  const int n = tfs::SubstIndex("N2");
  ProcPoint keep;
  keep.T = 1;
  keep.P = 2;
  keep.d = 3;
  keep.i = 4;
  keep.s = 5;
  keep.x = 0.5L;
  auto untouched = [&](const ProcPoint& p) {
    return p.T == 1 && p.P == 2 && p.d == 3 && p.i == 4 && p.s == 5 && p.x == 0.5L;
  };
  ProcPoint p = keep;
  EXPECT_EQ(SolvePair(eos("N2"), kTemperature, kDryness, tfs::Tcr[n], 0.5L, p), SolveStatus::DrynessHotT);
  EXPECT_EQ(SolvePair(eos("N2"), kDryness, kTemperature, 0.5L, 200, p), SolveStatus::DrynessHotT);
  EXPECT_EQ(SolvePair(eos("N2"), kTemperature, kDryness, tfs::Ttr[n] - 1, 0.5L, p), SolveStatus::DrynessColdT);
  EXPECT_EQ(SolvePair(eos("N2"), kPressure, kDryness, tfs::Pcr[n], 0.5L, p), SolveStatus::DrynessHighP);
  EXPECT_EQ(SolvePair(eos("N2"), kDryness, kPressure, 0.5L, 10, p), SolveStatus::DrynessHighP);
  EXPECT_EQ(SolvePair(eos("CO2"), kPressure, kDryness, 0.1L, 0.5L, p), SolveStatus::DrynessLowP);
  // Non-positive temperatures, pressures, densities, volumes (the library
  // would give infinite or undefined entropies there).
  EXPECT_EQ(SolvePair(eos("N2"), kVolume, kTemperature, 0, 300, p), SolveStatus::NotPositive);
  EXPECT_EQ(SolvePair(eos("N2"), kDensity, kTemperature, -1, 300, p), SolveStatus::NotPositive);
  EXPECT_EQ(SolvePair(eos("N2"), kTemperature, kDensity, 300, 0, p), SolveStatus::NotPositive);
  EXPECT_EQ(SolvePair(eos("N2"), kTemperature, kPressure, 300, 0, p), SolveStatus::NotPositive);
  EXPECT_EQ(SolvePair(eos("N2"), kPressure, kEnthalpy, -1, 300, p), SolveStatus::NotPositive);
  EXPECT_EQ(SolvePair(eos("N2"), kDryness, kTemperature, 0.5L, 0, p), SolveStatus::NotPositive);
  EXPECT_EQ(SolveEnd(eos("N2"), kIsenthalp, kPressure, 0, FromTP("N2", 300, 1), p), SolveStatus::NotPositive);
  EXPECT_EQ(SolvePair(eos("N2"), kTemperature, kEnthalpy, 300, 10, p), SolveStatus::NotAdmitted);
  // An entropy far above any state of the isenthalp in the searched range.
  EXPECT_EQ(SolvePair(eos("N2"), kEnthalpy, kEntropy, 300, 50, p), SolveStatus::NoState);
  EXPECT_TRUE(untouched(p));
  // Just below the critical temperature and at the triple-point pressure it works.
  EXPECT_EQ(SolvePair(eos("N2"), kTemperature, kDryness, tfs::Tcr[n] - 1, 0.5L, p), SolveStatus::Solved);
  ProcPoint q;
  EXPECT_EQ(SolvePair(eos("CO2"), kPressure, kDryness, TriplePressure(eos("CO2")) * 1.001L, 0.5L, q), SolveStatus::Solved);
  EXPECT_GE(q.T, tfs::Ttr[tfs::SubstIndex("CO2")]);
}

TEST(ProcessPairs, RoundTripThroughTheDensity) {
  for (const char* name : {"N2", "He", "Ar", "CH4"}) {
    for (const auto& [T, P] : {std::pair<Real, Real>{300, 0.1L}, {300, 9}, {150, 2}}) {
      const ProcPoint a = FromTP(name, T, P);
      ProcPoint b;
      ASSERT_EQ(SolvePair(eos(name), kDensity, kTemperature, a.d, T, b), SolveStatus::Solved);
      EXPECT_NEAR(double(b.P), double(P), 1e-4 * double(P)) << name << T << " " << P;
      EXPECT_NEAR(double(b.i), double(a.i), 1e-3) << name;
      EXPECT_NEAR(double(b.s), double(a.s), 1e-5) << name;
      ProcPoint c;
      ASSERT_EQ(SolvePair(eos(name), kVolume, kTemperature, 1 / a.d, T, c), SolveStatus::Solved);
      EXPECT_NEAR(double(c.P), double(b.P), 1e-9 * double(P));
      EXPECT_NEAR(double(c.d), double(a.d), 1e-9 * double(a.d));
    }
  }
}

namespace {

struct Proc {
  int kind, kind3;
  Real value3;
};

ProcResult RunProcess(const char* name, int kind, int kind3, Real v3, const ProcPoint& st, ProcPoint& en) {
  en = ProcPoint{};
  EXPECT_EQ(SolveEnd(eos(name), kind, kind3, v3, st, en), SolveStatus::Solved) << name << " " << kind;
  return HeatAndWork(kind, st, en);
}

}  // namespace

// -Q = di + L for every process, from gas, liquid and two-phase starts.
TEST(ProcessHeatWork, FirstLawForEveryProcessAndManyStates) {
  struct Start {
    const char* name;
    int k1, k2;
    Real a, b;
  };
  const Start starts[] = {{"N2", kTemperature, kPressure, 300, 0.1L}, {"N2", kTemperature, kPressure, 100, 5},
                          {"N2", kTemperature, kPressure, 90, 2},     {"N2", kTemperature, kDryness, 90, 0.4L},
                          {"Ar", kTemperature, kPressure, 120, 3},    {"He", kTemperature, kPressure, 10, 0.3L},
                          {"CH4", kPressure, kDryness, 1, 0.8L},      {"CO2", kTemperature, kPressure, 260, 5}};
  for (const Start& s : starts) {
    ProcPoint st;
    ASSERT_EQ(SolvePair(eos(s.name), s.k1, s.k2, s.a, s.b, st), SolveStatus::Solved);
    const Real R = Rgas(s.name);
    const Proc procs[] = {{kIsotherm, kPressure, st.P * 3},      {kIsotherm, kPressure, st.P / 2},
                          {kIsobar, kTemperature, st.T * 1.4L},  {kIsobar, kEntropy, st.s + 2 * R},
                          {kIsobar, kEnthalpy, st.i - 10},       {kIsochore, kTemperature, st.T * 1.2L},
                          {kIsenthalp, kPressure, st.P / 4},     {kIsentrope, kPressure, st.P * 4},
                          {kIsentrope, kPressure, st.P / 3}};
    for (const Proc& p : procs) {
      ProcPoint en;
      const ProcResult r = RunProcess(s.name, p.kind, p.kind3, p.value3, st, en);
      const Real scale = 1 + std::fabs(r.Q) + std::fabs(r.L) + std::fabs(r.di);
      EXPECT_NEAR(double(-r.Q), double(r.di + r.L), double(1e-12L * scale))
          << s.name << " start " << double(s.a) << " process " << p.kind;
      EXPECT_EQ(r.di, en.i - st.i);
      EXPECT_EQ(r.ds, en.s - st.s);
      EXPECT_EQ(r.dd, en.d - st.d);
    }
  }
}

TEST(ProcessHeatWork, EachProcessKeepsItsConstant) {
  const ProcPoint st = FromTP("N2", 300, 1);
  const Real R = Rgas("N2");
  ProcPoint en;
  // Isobar: L = 0, Q = i_s - i_e.
  ProcResult r = RunProcess("N2", kIsobar, kTemperature, 400, st, en);
  EXPECT_EQ(r.L, 0);
  EXPECT_EQ(r.Q, st.i - en.i);
  EXPECT_LT(r.Q, 0);  // heating takes heat in
  EXPECT_EQ(en.P, st.P);
  // Isenthalp: Q = L = 0, di = 0, by pressure and by entropy.
  r = RunProcess("N2", kIsenthalp, kPressure, 0.1L, st, en);
  EXPECT_EQ(r.Q, 0);
  EXPECT_EQ(r.L, 0);
  EXPECT_EQ(r.di, 0);
  EXPECT_GT(r.ds, 0);
  const Real sEnd = en.s;
  ProcPoint en2;
  r = RunProcess("N2", kIsenthalp, kEntropy, sEnd, st, en2);
  EXPECT_EQ(r.di, 0);
  EXPECT_EQ(en2.s, sEnd);
  EXPECT_NEAR(double(en2.P), 0.1, 1e-3);
  EXPECT_NEAR(double(en2.T), double(en.T), 0.05);
  // Isentrope: Q = 0, L = -di, ds about 0.
  r = RunProcess("N2", kIsentrope, kPressure, 5, st, en);
  EXPECT_EQ(r.Q, 0);
  EXPECT_EQ(r.L, -r.di);
  EXPECT_LT(r.L, 0);  // compression: work is done on the gas
  EXPECT_NEAR(double(r.ds), 0, double(R / 1000));
  // Isochore: the end keeps the start density exactly.
  r = RunProcess("N2", kIsochore, kTemperature, 400, st, en);
  EXPECT_EQ(en.d, st.d);
  EXPECT_EQ(r.L, 1000 * (st.P - en.P) / st.d);
}

TEST(ProcessHeatWork, IdealGasIsotherm) {
  // Where nitrogen is an ideal gas (300 K, 1 to 10 kPa): Q = -L = R T ln(Pe/Ps)
  // within 0.1 %.
  const Real ideal = Rgas("N2") * 300 * std::log(Real(10));
  ProcPoint st = FromTP("N2", 300, 0.001L), en;
  ProcResult r = RunProcess("N2", kIsotherm, kPressure, 0.01L, st, en);
  EXPECT_NEAR(double(r.Q), double(ideal), double(1e-3L * ideal));
  EXPECT_NEAR(double(r.L), double(-ideal), double(1e-3L * ideal));
  // From 0.1 to 1 MPa the work is still R T ln 10 (about 205 kJ/kg) within
  // 0.1 %; the heat given off exceeds it by the enthalpy drop of the real gas.
  st = FromTP("N2", 300, 0.1L);
  r = RunProcess("N2", kIsotherm, kPressure, 1, st, en);
  EXPECT_NEAR(double(r.L), double(-ideal), double(1e-3L * ideal));
  EXPECT_NEAR(double(r.Q), double(ideal), double(1e-2L * ideal));
  EXPECT_LT(r.di, 0);
  EXPECT_NEAR(double(r.Q), double(-r.L - r.di), 1e-9);
}

TEST(ProcessHeatWork, RealGasIsothermHeatIsTds) {
  // N2 compressed at 100 K from 0.1 to 5 MPa into the liquid: the heat given
  // off is T (s_s - s_e), about 239 kJ/kg, not the work put in (about 63).
  const ProcPoint st = FromTP("N2", 100, 0.1L);
  ProcPoint en;
  const ProcResult r = RunProcess("N2", kIsotherm, kPressure, 5, st, en);
  EXPECT_EQ(en.x, 1);
  EXPECT_EQ(r.Q, 100 * (st.s - en.s));
  EXPECT_NEAR(double(r.Q), 239, 3);
  EXPECT_NEAR(double(r.L), double(-r.Q - r.di), 1e-9);
  EXPECT_GT(std::fabs(r.Q + r.L), 100);  // far from an ideal gas
}

TEST(ProcessHeatWork, TextbookCases) {
  // Isentropic compression of nitrogen, 0.1 MPa 300 K to 1 MPa: about 575 K.
  ProcPoint st = FromTP("N2", 300, 0.1L), en;
  RunProcess("N2", kIsentrope, kPressure, 1, st, en);
  EXPECT_NEAR(double(en.T), 575, 5.75);

  // Throttling saturated liquid nitrogen from 1 MPa to 0.1 MPa.
  ASSERT_EQ(SolvePair(eos("N2"), kPressure, kDryness, 1, 0, st), SolveStatus::Solved);
  EXPECT_NEAR(double(st.x), 1, 1e-9);
  RunProcess("N2", kIsenthalp, kPressure, 0.1L, st, en);
  EXPECT_NEAR(double(en.T), 77.2, 0.5);
  EXPECT_NEAR(double(1 - en.x), 0.30, 0.05);

  // Methane compressed isentropically from 0.1 MPa, 300 K to 5 MPa.
  st = FromTP("CH4", 300, 0.1L);
  RunProcess("CH4", kIsentrope, kPressure, 5, st, en);
  EXPECT_GT(en.T, 500);
}
