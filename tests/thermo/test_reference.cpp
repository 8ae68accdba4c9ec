// The reference model behind the model interface: saturation from the
// equation, published figures, zeros of h and s, limits, melting lines, the
// meaning of the outputs, refusals, round trips of the inverse routines in
// both models, and a random run without NaN.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "routines_support.h"
#include "thermo/caloric.h"
#include "thermo/model.h"
#include "thermo/refdata.h"
#include "thermo/refembed.h"
#include "thermo/reference.h"
#include "thermo/saturation.h"
#include "thermo/tfs.h"

namespace {

using routines_test::FatalError;
using routines_test::LibraryWatch;
using tfs::Model;
using tfs::ModelKind;
using tfs::Real;

const Model& ref(int k) { return tfs::referenceModel(k); }

struct Sat {
  Real P1, dv, hv, sv, Cpv, P2, dl, hl, sl, Cpl;  // P1, P2: Pv, Pl (dhs2_T) or Tv, Tl (dhs2_P)
};
Sat satT(const Model& m, Real T) {
  Sat q;
  m.dhs2_T(T, q.P1, q.dv, q.hv, q.sv, q.Cpv, q.P2, q.dl, q.hl, q.sl, q.Cpl);
  return q;
}
Sat satP(const Model& m, Real P) {
  Sat q;
  m.dhs2_P(P, q.P1, q.dv, q.hv, q.sv, q.Cpv, q.P2, q.dl, q.hl, q.sl, q.Cpl);
  return q;
}
struct Out {
  Real a = -7, b = -7, c = -7, d = -7, x = -7;
};
Out PT(const Model& m, Real P, Real T) {
  Out o;
  m.dhs_PT(P, T, o.a, o.b, o.c, o.d, o.x);
  return o;
}

// Equal pressure and Gibbs energy of the two phases from the equation at
// every temperature from the triple point to 0.995 Tc. The pressure of a
// liquid near its triple point follows from its density with the
// compressibility's amplification of the density's rounding (up to 1e7 at
// 150 Pa): the bound adds that to 1e-9.
TEST(Reference, SaturationFromTheEquation) {
  LibraryWatch watch;
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    if (k == tfs::kAir) continue;
    const Model& m = ref(k);
    const Real Ttr = m.limits().Ttr, Tc = m.limits().Tcr;
    for (int i = 0; i <= 40; ++i) {
      const Real T = Ttr + (0.995L * Tc - Ttr) * i / 40;
      const Sat q = satT(m, T);
      const auto v = tfs::referenceStateTd(k, T, q.dv), l = tfs::referenceStateTd(k, T, q.dl);
      const auto l2 = tfs::referenceStateTd(k, T, q.dl * (1 + 1e-6L));
      const Real amplification = (l2.P - l.P) / 1e-6L / l.P;
      const std::string at = std::string(m.name()) + " T=" + std::to_string(double(T));
      EXPECT_EQ(q.P1, q.P2) << at;
      EXPECT_NEAR(v.P / q.P1, 1, 1e-9) << at;
      EXPECT_NEAR(l.P / v.P, 1, 1e-9 + 8 * amplification * 2.2e-16) << at;
      EXPECT_NEAR((l.h - T * l.s) - (v.h - T * v.s), 0, 1e-9L * m.gasConstant() * T) << at;
      EXPECT_LT(q.dv, q.dl) << at;
      Real Pv, Pl;
      m.Psat(T, Pv, Pl);
      EXPECT_NEAR(Pv / q.P1, 1, 1e-12) << at;
      // Tsat inverts Psat, and dhs2_P gives the same states.
      Real Tv, Tl;
      m.Tsat(Pv, Tv, Tl);
      EXPECT_NEAR(Tv, T, 1e-9L * T) << at;
      const Sat p = satP(m, Pv);
      EXPECT_NEAR(p.dv / q.dv, 1, 1e-8) << at;
      EXPECT_NEAR(p.hl - q.hl, 0, 1e-7L * std::fabs(q.hv - q.hl)) << at;
    }
  }
}

// The triple point: the equation's saturation there against the file's
// published triple states.
TEST(Reference, TriplePointAgainstTheFile) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const std::string file = std::string(tfs::SubstName[k]) + ".json";
    tfs::ref::RefData eq;
    for (int i = 0; i < tfs::ref::kEmbeddedFileCount; ++i)
      if (file == tfs::ref::kEmbeddedFiles[i].name) eq = tfs::ref::readRefData(file, tfs::ref::kEmbeddedFiles[i].text);
    const Model& m = ref(k);
    const auto* L = eq.state("triple_liquid");
    const auto* V = eq.state("triple_vapor");
    // Air's lines are its ancillary equations, good to some 0.1 %.
    const Real tol = k == tfs::kAir ? 2e-3L : 1e-5L;
    const Sat q = satT(m, L->T);
    EXPECT_NEAR(q.dl / (L->rho * eq.M), 1, tol / 10) << file;
    EXPECT_NEAR(q.dv / (V->rho * eq.M), 1, tol) << file;
    EXPECT_NEAR(q.P1 * 1e6 / V->p, 1, tol) << file;
    EXPECT_NEAR(q.P2 * 1e6 / L->p, 1, tol) << file;
  }
}

// Published figures of these equations at the normal boiling point and
// CO2's critical point.
TEST(Reference, PublishedFigures) {
  struct Figure {
    int k;
    Real Tb, tolT, r, tolR, dl, tolD;  // K, kJ/kg, kg/m3; dl < 0: not published here
  };
  const Figure figures[] = {
      {5, 77.355L, 5e-4L, 199.18L, 5e-3L, 806.08L, 5e-3L},  // N2
      {6, 87.302L, 5e-4L, 161.14L, 5e-3L, -1, 0},           // Ar
      {7, 90.188L, 5e-4L, 213.06L, 5e-3L, -1, 0},           // O2
      {1, 4.2238L, 5e-5L, 20.56L, 5e-3L, -1, 0},            // He
  };
  for (const Figure& f : figures) {
    const Sat q = satP(ref(f.k), 0.101325L);
    EXPECT_NEAR(q.P1, f.Tb, f.tolT) << tfs::SubstName[f.k];
    EXPECT_NEAR(q.hv - q.hl, f.r, f.tolR) << tfs::SubstName[f.k];
    if (f.dl > 0) EXPECT_NEAR(q.dl, f.dl, f.tolD) << tfs::SubstName[f.k];
  }
  const tfs::ModelLimits& co2 = ref(8).limits();
  EXPECT_NEAR(co2.Tcr, 304.128L, 5e-4L);
  EXPECT_NEAR(co2.Pcr, 7.3773L, 5e-5L);
}

// Air: its bubble and dew pressures from the two ancillary equations, its
// saturated densities from the equation at them, the band between.
TEST(Reference, AirBetweenItsDewAndBubbleLines) {
  LibraryWatch watch;
  const Model& air = ref(tfs::kAir);
  const int k = tfs::kAir;
  for (Real T : {65.0L, 80.0L, 100.0L, 120.0L, 132.0L}) {
    const Sat q = satT(air, T);
    EXPECT_GT(q.P2, q.P1) << T;  // the bubble line lies above the dew line
    EXPECT_NEAR(tfs::referenceStateTd(k, T, q.dv).P / q.P1, 1, 1e-9) << T;
    EXPECT_NEAR(tfs::referenceStateTd(k, T, q.dl).P / q.P2, 1, 1e-8) << T;
    // Between the lines at constant pressure: the band from the bubble
    // temperature Tl to the dew temperature Tv, linear in T.
    const Real P = (q.P1 + q.P2) / 2;
    Real Tv, Tl;
    air.Tsat(P, Tv, Tl);
    ASSERT_LT(Tl, T);
    ASSERT_GT(Tv, T);
    const Out o = PT(air, P, T), v = PT(air, P, Tv * (1 + 1e-12L)), l = PT(air, P, Tl * (1 - 1e-12L));
    const Real w = (T - Tl) / (Tv - Tl);
    EXPECT_NEAR(o.x, 1 - w, 1e-12) << T;
    EXPECT_NEAR(o.b, l.b + w * (v.b - l.b), 1e-6L * std::fabs(v.b - l.b)) << T;
    EXPECT_NEAR(o.d, (v.b - l.b) / (Tv - Tl), 1e-6L * o.d) << T;
  }
  const tfs::ModelLimits& L = air.limits();
  Real Pv, Pl;
  air.Psat(L.Tcr, Pv, Pl);
  EXPECT_EQ(Pv, L.Pcr);
  EXPECT_EQ(Pl, L.Pcr);
  air.Psat(L.Ttr, Pv, Pl);
  EXPECT_EQ(Pv, L.PtrDew);
  EXPECT_EQ(Pl, L.PtrBubble);
}

// The zeros: the ideal gas at 298.15 K and 0.101325 MPa has the cubic
// model's ideal-gas h and s.
TEST(Reference, ZerosOfEnthalpyAndEntropy) {
  LibraryWatch watch;
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const tfs::IdealGasResult ig = tfs::IdealGas(k, 298.15L);
    const Real P = 1e-6L, R = ref(k).gasConstant();
    const Out o = PT(ref(k), P, 298.15L);
    EXPECT_NEAR(o.b, ig.h0, 1e-6L * std::fabs(ig.h0) + 1e-6L) << tfs::SubstName[k];
    EXPECT_NEAR(o.c + R * std::log(P / 0.101325L), ig.s0, 1e-6L * ig.s0) << tfs::SubstName[k];
  }
}

// Limits from the files: the program's ceilings of 1000 K and 100 MPa or
// the equation's own, whichever is lower.
TEST(Reference, Limits) {
  struct Row {
    int k;
    Real Ttr, Tmax, Pceiling, M;
  };
  const Row rows[] = {{1, 2.1768L, 1000, 100, 4.002602L},   {2, 13.957L, 1000, 100, 2.01588L},
                      {4, 24.5561L, 725, 100, 20.179L},     {5, 63.151L, 1000, 100, 28.01348L},
                      {7, 54.361L, 1000, 80, 31.9988L},     {9, 90.6941L, 625, 100, 16.0428L},
                      {10, 89.54L, 623, 51, 88.0046L},      {11, 59.75L, 1000, 100, 28.96546L}};
  for (const Row& r : rows) {
    const Model& m = ref(r.k);
    const tfs::ModelLimits& L = m.limits();
    EXPECT_EQ(m.kind(), ModelKind::Reference);
    EXPECT_EQ(m.substance(), r.k);
    EXPECT_NEAR(L.Ttr, r.Ttr, 1e-9L);
    EXPECT_EQ(L.Tmax, r.Tmax);
    EXPECT_EQ(L.TmaxIdeal, r.Tmax);
    EXPECT_NEAR(L.Pceiling, r.Pceiling, 1e-12L);
    EXPECT_EQ(L.Pfloor, 1e-6L);
    EXPECT_NEAR(m.molarMass(), r.M, 1e-12L);
    EXPECT_GE(L.dmax, PT(m, L.Pceiling, L.Ttr).a);
    EXPECT_EQ(&tfs::model(r.k, ModelKind::Reference), &m);
    EXPECT_EQ(tfs::model(r.k, ModelKind::Cubic).kind(), ModelKind::Cubic);
  }
  EXPECT_NEAR(ref(5).gasConstant(), 8.31451L / 28.01348L, 1e-12L);
  // Air's saturation line ends where both ancillary lines meet.
  EXPECT_NEAR(ref(11).limits().Tcr, 132.6312L, 1e-9L);
  EXPECT_NEAR(ref(11).limits().Pcr, 3.78502L, 1e-9L);
}

// Melting lines from the files pass through the triple point; normal
// hydrogen takes para-hydrogen's line moved to its own triple point; R14
// keeps the cubic model's line.
TEST(Reference, MeltingLines) {
  LibraryWatch watch;
  for (int k = 2; k <= tfs::kSubstCount; ++k) {
    const Model& m = ref(k);
    const Real Ttr = m.limits().Ttr;
    if (k != 10) {
      // The line meets the triple-point pressure within 0.05 K of Ttr.
      const Real slope = (m.Pmelt(Ttr + 0.01L) - m.Pmelt(Ttr)) / 0.01L;
      EXPECT_LT(std::fabs(m.Pmelt(Ttr) - m.limits().PtrBubble) / slope, 0.05L) << m.name();
      EXPECT_EQ(m.Tmelt(m.limits().PtrBubble / 2), Ttr) << m.name();
    }
    for (Real T : {Ttr + 1, Ttr * 1.3L, Ttr * 2}) {
      const Real P = m.Pmelt(T);
      if (P > 0 && P < m.limits().Pceiling) EXPECT_NEAR(m.Tmelt(P), T, 1e-9L * T) << m.name() << " " << T;
    }
  }
  EXPECT_NEAR(ref(2).Pmelt(20) - ref(3).Pmelt(20 - (13.957L - 13.8033L)), 0, 1e-9);
  EXPECT_NEAR(ref(10).Pmelt(150), tfs::cubicModel(10).Pmelt(150), 1e-12L);
  // Helium's line (a fit far above its lambda point) at 4.2 K and 10 MPa.
  EXPECT_NEAR(ref(1).Pmelt(4.2L), 11.97L, 0.01L);
}

// The outputs mean what the cubic model's do.
TEST(Reference, MeaningOfTheOutputs) {
  LibraryWatch watch;
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Model& m = ref(k);
    const tfs::ModelLimits& L = m.limits();
    const Real T = L.Ttr + 0.6L * (L.Tcr - L.Ttr);
    const Sat q = satT(m, T);
    // Phs_Td in the dome: x by volumes, P, h, s by x, the two-phase marker.
    const Real dm = tfs::mixtureDensity(0.3L, q.dv, q.dl);
    Out o;
    m.Phs_Td(T, dm, o.a, o.b, o.c, o.d, o.x);
    EXPECT_NEAR(o.x, 0.3L, 1e-12) << m.name();
    EXPECT_NEAR(o.a, q.P1 + 0.3L * (q.P2 - q.P1), 1e-12L * q.P2);
    EXPECT_NEAR(o.b, q.hv + 0.3L * (q.hl - q.hv), 1e-9L * std::fabs(q.hv - q.hl));
    EXPECT_EQ(o.d, tfs::kTwoPhaseCp);
    m.Phs_Td(T, q.dl * 1.01L, o.a, o.b, o.c, o.d, o.x);
    EXPECT_EQ(o.x, 1);
    m.Phs_Td(L.Tcr * 1.1L, L.dcr * 2, o.a, o.b, o.c, o.d, o.x);
    EXPECT_EQ(o.x, 0);
    // dhs_PT: the liquid above the saturation pressure, the vapour below it
    // and exactly at it; x = 0 at and above the critical temperature.
    EXPECT_EQ(PT(m, q.P2 * 1.001L, T).x, 1) << m.name();
    EXPECT_EQ(PT(m, q.P1 * 0.999L, T).x, 0) << m.name();
    if (k != tfs::kAir) EXPECT_NEAR(PT(m, q.P1, T).a, q.dv, 1e-8L * q.dv) << m.name();
    EXPECT_EQ(PT(m, L.Pcr * 3, L.Tcr).x, 0) << m.name();
    // Pdh_Ts in the dome and on its edges.
    Out p;
    m.Pdh_Ts(T, (q.sv + q.sl) / 2, p.a, p.b, p.c, p.d, p.x);
    EXPECT_NEAR(p.x, 0.5L, 1e-12) << m.name();
    EXPECT_EQ(p.d, tfs::kTwoPhaseCp);
    m.Pdh_Ts(T, q.sv + m.gasConstant() / 2000, p.a, p.b, p.c, p.d, p.x);
    EXPECT_EQ(p.a, q.P1);
    EXPECT_EQ(p.x, 0);
    // No state with an entropy below that at the highest pressure: P = 0.
    m.Pdh_Ts(L.Tcr * 1.2L, PT(m, L.Pceiling, L.Tcr * 1.2L).c - 0.01L, p.a, p.b, p.c, p.d, p.x);
    EXPECT_EQ(p.a, 0) << m.name();
    // Tds_hP in the dome: T on the line, x by enthalpy.
    const Sat s = satP(m, q.P1);
    m.Tds_hP(s.hv + 0.25L * (s.hl - s.hv), q.P1, p.a, p.b, p.c, p.d, p.x);
    EXPECT_NEAR(p.x, 0.25L, 1e-12) << m.name();
    EXPECT_NEAR(p.a, s.P1 + 0.25L * (s.P2 - s.P1), 1e-9L * T);
  }
}

TEST(Reference, RefusalTexts) {
  LibraryWatch watch;
  Real a, b, c, d, e;
  const Model& n2 = ref(5);
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { n2.dhs_PT(0.1L, 60, a, b, c, d, e); },
       " Используемая в программе Psat температура  60.00 ниже тройной точки для данного вещества!"},
      {[&] { n2.dhs_PT(0.1L, 1000.5L, a, b, c, d, e); },
       " Используемая в программе dhs_PT температура 1000.50 выше предельной для данного вещества!"},
      {[&] { ref(9).dhs_PT(0.1L, 630, a, b, c, d, e); },
       " Используемая в программе dhs_PT температура 630.00 выше предельной для данного вещества!"},
      {[&] { ref(7).dhs_PT(81, 300, a, b, c, d, e); },
       " Используемое в программе dhs_PT давление 81.0000 выше предельного для данного вещества!"},
      {[&] { n2.dhs_PT(0, 300, a, b, c, d, e); }, " Используемое в программе dhs_PT давление 0.0000 не больше нуля!"},
      {[&] { n2.dhs_PT(1e-300L, 300, a, b, c, d, e); },
       " Используемое в программе dhs_PT давление 0.0000 не больше нуля!"},
      {[&] { n2.Phs_Td(300, 2000, a, b, c, d, e); },
       " Используемая в программе Phs_Td плотность  2000.00 выше предельной для данного вещества!"},
      {[&] { n2.Phs_Td(100, -1, a, b, c, d, e); },
       " Используемая в программе Phs_Td плотность    -1.00 не больше нуля!"},
      {[&] { n2.dhs2_T(127, a, b, c, d, e, a, b, c, d, e); },
       " Используемая в программе dhs2_T температура 127.00 выше критической для данного вещества!"},
      {[&] { n2.dhs2_P(3.4L, a, b, c, d, e, a, b, c, d, e); },
       " Используемое в программе dhs2_P давление 3.4000 выше критического для данного вещества!"},
      {[&] { n2.Tsat(4, a, b); }, " Используемое в программе Tsat давление 4.0000 выше критического для данного вещества!"},
      {[&] { n2.Psat(63.1L, a, b); },
       " Используемая в программе Psat температура  63.10 ниже тройной точки для данного вещества!"},
      {[&] { n2.Pdh_Ts(63, 3, a, b, c, d, e); },
       " Используемая в программе dhs2_T температура  63.00 ниже тройной точки для данного вещества!"},
      {[&] { n2.Tds_hP(100, -1, a, b, c, d, e); }, " Используемое в программе Tds_hP давление -1.0000 не больше нуля!"},
      {[&] { ref(10).Tdh_sP(1, 52, a, b, c, d, e); },
       " Используемое в программе Tdh_sP давление 52.0000 выше предельного для данного вещества!"},
      {[&] { n2.Pmelt(50); }, "  Температура Т= 50.0 ниже Т тройной точки !"},
      {[&] { tfs::referenceModel(12); }, "Название вещества указано неправильно!"},
  };
  for (const auto& [call, text] : cases) EXPECT_EQ(routines_test::fatalText(call, "<returned>"), text);
  // Beyond the last temperature a search reaches: the message names it.
  n2.Tds_hP(1e6, 1, a, b, c, d, e);
  EXPECT_EQ(watch.count("Значение h больше h при T=1000 K !"), 1);
  ref(9).Tdh_sP(1e3, 1, a, b, c, d, e);
  EXPECT_EQ(watch.count("Значение S больше S при T=625 K !"), 1);
  n2.Tds_hP(-1e3, 1, a, b, c, d, e);
  EXPECT_EQ(watch.count("Значение h менше h затвердевания !"), 1);
}

// Round trips of every inverse routine in both models and all eleven
// substances: the state found has the wanted value within the routine's
// tolerance (the reference model's within 1e-9), and the reference model
// finds the state it started from.
TEST(Reference, RoundTripsInBothModels) {
  LibraryWatch watch;
  int trips = 0;
  for (int kind = 0; kind < 2; ++kind) {
    for (int k = 1; k <= tfs::kSubstCount; ++k) {
      const Model& m = tfs::model(k, static_cast<ModelKind>(kind));
      const bool reference = kind == 1;
      const tfs::ModelLimits& L = m.limits();
      const Real tolH = m.gasConstant() / (reference ? 1e8 : 100), tolS = m.gasConstant() / (reference ? 1e9 : 1000);
      std::vector<std::pair<Real, Real>> states;  // (P, T)
      for (Real f : {0.2L, 0.5L, 0.8L}) {
        const Real Ts = L.Ttr + f * (L.Tcr - L.Ttr);
        Real Pv, Pl;
        m.Psat(Ts, Pv, Pl);
        states.push_back({Pv / 3, Ts * 1.15L});                  // vapour
        if (m.Pmelt(Ts * 0.97L) > 4 * Pl) states.push_back({4 * Pl, Ts * 0.97L});  // liquid
        states.push_back({L.Pcr * (0.6L + 2 * f), L.Tcr * (1 + f)});  // supercritical
      }
      states.push_back({1, std::min<Real>(0.8L * L.Tmax, 700)});
      for (const auto& [P, T] : states) {
        const Out s = PT(m, P, T);
        const std::string at = std::string(m.name()) + (reference ? " ref" : " cubic") +
                               " P=" + std::to_string(double(P)) + " T=" + std::to_string(double(T));
        Out h, e, p, t;
        m.Tds_hP(s.b, P, h.a, h.b, h.c, h.d, h.x);
        m.Tdh_sP(s.c, P, e.a, e.b, e.c, e.d, e.x);
        m.Pdh_Ts(T, s.c, p.a, p.b, p.c, p.d, p.x);
        m.Phs_Td(T, s.a, t.a, t.b, t.c, t.d, t.x);
        EXPECT_NEAR(PT(m, P, h.a).b, s.b, tolH) << at;
        EXPECT_NEAR(PT(m, P, e.a).c, s.c, tolS) << at;
        EXPECT_NEAR(t.a / P, 1, reference ? 1e-9 : 1e-6) << at;
        EXPECT_NEAR(t.b, s.b, 1e-6L * (std::fabs(s.b) + 1)) << at;
        // A compressed liquid's entropy differs from the saturated
        // liquid's at T by less than R/1000 up to some MPa: Pdh_Ts gives the
        // saturated liquid then.
        const Real snap = m.gasConstant() / 1000;
        if (T < L.Tcr && s.x == 1 && std::fabs(s.c - satT(m, T).sl) < snap) {
          EXPECT_EQ(p.a, satT(m, T).P2) << at;
          EXPECT_EQ(p.x, 1) << at;
        } else {
          EXPECT_NEAR(PT(m, p.a, T).c, s.c, 2 * tolS) << at;
          if (reference) EXPECT_NEAR(p.a / P, 1, 1e-7) << at;
        }
        if (reference) {
          EXPECT_NEAR(h.a, T, 1e-8L * T) << at;
          EXPECT_NEAR(e.a, T, 1e-8L * T) << at;
        }
        trips += 4;
      }
    }
  }
  EXPECT_GT(trips, 500);
  EXPECT_EQ(watch.messages.size(), 0u);
}

// Just above the critical pressure cp swings steeply through the
// pseudo-critical temperature: the searches at constant pressure still
// find every state of the isobar from the melting line to well above Tc
// (nitrogen at 3.5 MPa and 50 kJ/kg lies at 127.3 K, between the
// liquid-like 126 K and the gas-like 128 K).
TEST(Reference, SupercriticalIsobarsNearTheCriticalPointRoundTrip) {
  LibraryWatch watch;
  int trips = 0;
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Model& m = ref(k);
    const tfs::ModelLimits& L = m.limits();
    for (Real f : {1.001L, 1.01L, 1.03L, 1.1L, 1.3L, 2.0L}) {
      const Real P = f * L.Pcr;
      if (P > L.Pceiling) continue;
      for (int i = 0; i <= 40; ++i) {
        const Real T = std::max({L.Ttr * Real(1.01L), m.Tmelt(P) + Real(0.01L), L.Tcr * (Real(0.8L) + Real(0.016L) * i)});
        const Out s = PT(m, P, T);
        Out h, e;
        m.Tds_hP(s.b, P, h.a, h.b, h.c, h.d, h.x);
        m.Tdh_sP(s.c, P, e.a, e.b, e.c, e.d, e.x);
        const std::string at = std::string(m.name()) + " P=" + std::to_string(double(P)) + " T=" + std::to_string(double(T));
        EXPECT_NEAR(h.a, T, 1e-8L * T) << at;
        EXPECT_NEAR(e.a, T, 1e-8L * T) << at;
        // The state returned is the state at the temperature returned.
        EXPECT_NEAR(h.b, s.a, 1e-6L * s.a) << at;
        EXPECT_NEAR(e.c, s.b, m.gasConstant() / 1e6) << at;
        trips += 2;
      }
    }
  }
  EXPECT_GT(trips, 1000);
  Real T, d, sN2, Cp, x;
  ref(tfs::SubstIndex("N2")).Tds_hP(50, 3.5L, T, d, sN2, Cp, x);
  EXPECT_GT(T, 127);
  EXPECT_LT(T, 128);
  EXPECT_NEAR(PT(ref(tfs::SubstIndex("N2")), 3.5L, T).b, 50, 1e-6);
  EXPECT_EQ(watch.messages.size(), 0u);
}

// The cubic model through the interface is the library's routines to the
// last bit.
TEST(Reference, CubicModelIsTheLibrary) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    Out a, b;
    tfs::cubicModel(k).dhs_PT(1, 300, a.a, a.b, a.c, a.d, a.x);
    tfs::dhs_PT(tfs::SubstName[k], 1, 300, b.a, b.b, b.c, b.d, b.x);
    EXPECT_EQ(a.a, b.a);
    EXPECT_EQ(a.c, b.c);
  }
}

// Random calls of every public routine with a fixed seed, in and beyond
// the ranges: each returns finite outputs or refuses through the fatal
// handler.
TEST(Reference, RandomCallsGiveNoNaN) {
  LibraryWatch watch;
  std::mt19937 gen(20261208);
  auto uniform = [&](Real a, Real b) { return a + (b - a) * (static_cast<Real>(gen()) / 4294967295.0L); };
  auto logUniform = [&](Real a, Real b) { return std::exp(uniform(std::log(a), std::log(b))); };
  long calls = 0, refused = 0, bad = 0;
  std::ostringstream where;
  auto check = [&](const char* what, Real a, Real b, std::initializer_list<Real> out) {
    for (Real v : out)
      if (!std::isfinite(v)) {
        if (bad++ < 5) where << what << "(" << a << ", " << b << ") ";
        return;
      }
  };
  constexpr int kRounds = 1000;  // times eleven substances, ten routines
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const Model& m = ref(k);
    const tfs::ModelLimits& L = m.limits();
    const Real hLo = PT(m, L.Pceiling, L.Ttr * 1.01L).b, hHi = PT(m, 0.01L, L.Tmax * 0.99L).b;
    const Real sLo = PT(m, L.Pceiling, L.Ttr * 1.01L).c, sHi = PT(m, L.Pfloor, L.Tmax * 0.99L).c;
    for (int i = 0; i < kRounds; ++i) {
      // Mostly inside the ranges, one in eight beyond them.
      const bool wild = i % 8 == 0;
      const Real P = wild ? uniform(-1, 2 * L.Pceiling) : logUniform(L.Pfloor, L.Pceiling);
      const Real T = wild ? uniform(0, 1.1L * L.Tmax) : uniform(L.Ttr, std::min<Real>(L.Tmax, 400));
      const Real h = uniform(hLo - 100, hHi + 100), s = uniform(sLo - 1, sHi + 1);
      const Real d = wild ? uniform(-10, 1.2L * L.dmax) : logUniform(1e-6L, L.dmax);
      Real o[10];
      const std::function<void()> routines[] = {
          [&] { m.dhs_PT(P, T, o[0], o[1], o[2], o[3], o[4]); check("dhs_PT", P, T, {o[0], o[1], o[2], o[3], o[4]}); },
          [&] { m.Phs_Td(T, d, o[0], o[1], o[2], o[3], o[4]); check("Phs_Td", T, d, {o[0], o[1], o[2], o[3], o[4]}); },
          [&] { m.Tds_hP(h, P, o[0], o[1], o[2], o[3], o[4]); check("Tds_hP", h, P, {o[0], o[1], o[2], o[3], o[4]}); },
          [&] { m.Tdh_sP(s, P, o[0], o[1], o[2], o[3], o[4]); check("Tdh_sP", s, P, {o[0], o[1], o[2], o[3], o[4]}); },
          [&] { m.Pdh_Ts(T, s, o[0], o[1], o[2], o[3], o[4]); check("Pdh_Ts", T, s, {o[0], o[1], o[2], o[3], o[4]}); },
          [&] {
            m.dhs2_T(T, o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9]);
            check("dhs2_T", T, 0, {o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9]});
          },
          [&] {
            m.dhs2_P(P, o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9]);
            check("dhs2_P", P, 0, {o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9]});
          },
          [&] { m.Psat(T, o[0], o[1]); check("Psat", T, 0, {o[0], o[1]}); },
          [&] { m.Tsat(P, o[0], o[1]); check("Tsat", P, 0, {o[0], o[1]}); },
          [&] { check("Tmelt/Pmelt", P, T, {m.Tmelt(P), m.Pmelt(std::max(T, L.Ttr))}); },
      };
      for (const auto& call : routines) {
        ++calls;
        try {
          call();
        } catch (const FatalError&) {
          ++refused;
        }
      }
    }
  }
  EXPECT_GE(calls, 100000);
  EXPECT_EQ(bad, 0) << where.str();
  EXPECT_GT(refused, calls / 20);
  EXPECT_LT(refused, calls / 2);
}

}  // namespace
