// Liquefaction cycles against textbook figures and their own balances: mass
// and energy around every control volume, Gouy–Stodola, the trends a
// teacher shows, and every refusal.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/base/numfmt.h"
#include "core/process/cycles.h"
#include "model_support.h"
#include "thermo/inversion.h"
#include "thermo/tfs.h"

namespace {

using proc::Cycle;
using proc::CycleData;
using proc::CycleResult;
using proc::CycleStatus;
using proc::Part;
using tfs::Real;

const proc::ProcPoint& S(const CycleResult& r, int n) {
  const proc::CycleState* s = r.at(n);
  EXPECT_NE(s, nullptr) << "state " << n;
  static const proc::ProcPoint none;
  return s ? s->p : none;
}
Real F(const CycleResult& r, int n) { return r.at(n) ? r.at(n)->flow : -1; }

CycleResult solved(const char* name, Cycle kind, const CycleData& d) {
  CycleResult r = proc::solveCycle(eos(name), kind, d);
  EXPECT_EQ(r.status, CycleStatus::Solved) << name << ": " << r.message;
  return r;
}

CycleData with(const char* name, void (*edit)(CycleData&)) {
  CycleData d = proc::defaultCycleData(eos(name));
  if (edit) edit(d);
  return d;
}

bool near(Real a, Real b, Real scale) { return std::fabs(a - b) <= 1e-9L * scale; }

// ---------------------------------------------------------------- figures

TEST(LindeHampson, NitrogenTextbookYieldAndFigureOfMerit) {
  // 0.101325 -> 20 MPa at 300 K, ideal exchanger: y = 0.0708 with a
  // reference equation at 20.27 MPa; this model a few percent less.
  const CycleResult r = solved("N2", Cycle::Linde, proc::defaultCycleData(eos("N2")));
  EXPECT_GT(r.y, 0.0708 * 0.94);
  EXPECT_LT(r.y, 0.0708);
  EXPECT_NEAR(double(r.fom), 0.11, 0.01);
  // The reversible isotherm of a nearly ideal gas: R T ln(200) = 471.8 kJ/kg.
  EXPECT_NEAR(double(r.Wc), 471.8, 471.8 * 0.01);
  EXPECT_NEAR(double(r.Wf), double(r.Wc / r.y), 1e-9);
}

TEST(LindeHampson, MinimumWorkOfLiquefactionAgainstTextbooks) {
  // From 300 K and 0.101325 MPa, kJ/kg.
  const struct {
    const char* name;
    double Wi, tol;
  } cases[] = {{"N2", 768, 0.02},  {"Ar", 479, 0.02},  {"O2", 636, 0.02},     {"Air", 739, 0.02},
               {"CH4", 1091, 0.02}, {"He", 6819, 0.02}, {"n-H2", 12019, 0.05}};
  for (const auto& c : cases) {
    CycleData d = proc::defaultCycleData(eos(c.name));
    d.Plow = Real(0.101325L);
    const CycleResult r = proc::solveCycle(eos(c.name), Cycle::Linde, d);
    ASSERT_TRUE(r.shown()) << c.name << ": " << r.message;
    EXPECT_NEAR(double(r.Wi), c.Wi, c.Wi * c.tol) << c.name;
  }
}

TEST(LindeHampson, GasAboveItsInversionTemperatureMakesNoLiquid) {
  for (const char* name : {"He", "n-H2", "p-H2", "Ne"}) {
    const CycleResult r = proc::solveCycle(eos(name), Cycle::Linde, proc::defaultCycleData(eos(name)));
    EXPECT_EQ(r.status, CycleStatus::NoLiquid) << name;
    EXPECT_EQ(r.y, 0) << name;
    EXPECT_FALSE(r.liquid());
    EXPECT_NE(r.message.find("инверсии"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("охладить"), std::string::npos) << r.message;
    // The compressor's states and work stand; nothing per kg of liquid.
    EXPECT_EQ(r.states.size(), 2u);
    EXPECT_GT(r.W, 0);
    EXPECT_EQ(r.fom, 0);
    EXPECT_FALSE(r.hasPart[int(Part::Compressor)]);
  }
}

TEST(PrecooledLindeHampson, HydrogenLiquefiesFromALiquidNitrogenBath) {
  for (const char* name : {"n-H2", "p-H2"})
    for (Real Tpre : {Real(77), Real(80)}) {
      CycleData d = proc::defaultCycleData(eos(name));
      d.Tpre = Tpre;
      const CycleResult r = solved(name, Cycle::Precooled, d);
      // The cold box below the bath is a Linde–Hampson liquefier from Tpre:
      // y = (h(Plow, Tpre) - h(Phigh, Tpre)) / (h(Plow, Tpre) - hf).
      Real dd, hl, hh, s, Cp, x, Tv, dv, hv, sv, Cpv, Tl, dl, hf, sf, Cpl;
      tfs::dhs_PT(name, d.Plow, Tpre, dd, hl, s, Cp, x);
      tfs::dhs_PT(name, d.Phigh, Tpre, dd, hh, s, Cp, x);
      tfs::dhs2_P(name, d.Plow, Tv, dv, hv, sv, Cpv, Tl, dl, hf, sf, Cpl);
      EXPECT_NEAR(double(r.y), double((hl - hh) / (hl - hf)), 1e-9) << name << " " << double(Tpre);
      EXPECT_GT(r.y, 0.1);
      EXPECT_GT(r.fom, 0);
      EXPECT_LT(r.fom, 1);
      // The bath takes heat, and its reversible refrigerator costs work.
      EXPECT_GT(r.Qbath, 0);
      EXPECT_NEAR(double(r.Wbath), double(r.Qbath * (d.T1 / Tpre - 1)), 1e-9);
    }
}

TEST(PrecooledLindeHampson, ABathAtAmbientIsTheSimpleCycle) {
  CycleData d = proc::defaultCycleData(eos("N2"));
  const Real yLinde = solved("N2", Cycle::Linde, d).y;
  d.Tpre = d.T1 - Real(1e-7L);
  const CycleResult r = solved("N2", Cycle::Precooled, d);
  EXPECT_NEAR(double(r.y), double(yLinde), 1e-8);
  EXPECT_NEAR(double(r.Wbath), 0, 1e-6);
}

TEST(Claude, ExpanderFlowTurnsIntoLindeHampsonAndRaisesTheYield) {
  for (const char* name : {"N2", "Ar", "Air"}) {
    CycleData d = proc::defaultCycleData(eos(name));
    const Real yLinde = solved(name, Cycle::Linde, d).y;
    d.xe = 0;
    EXPECT_NEAR(double(solved(name, Cycle::Claude, d).y), double(yLinde), 1e-12) << name;
    d.xe = Real(1e-6L);
    EXPECT_NEAR(double(solved(name, Cycle::Claude, d).y), double(yLinde), 1e-5) << name;
    // An ideal expander with some flow gives more than Linde–Hampson, and
    // a better expander more than a worse one.
    Real last = yLinde;
    for (Real eta : {Real(0.6L), Real(0.8L), Real(1)}) {
      d.xe = Real(0.3L);
      d.etaS = eta;
      const Real y = solved(name, Cycle::Claude, d).y;
      EXPECT_GT(y, last) << name << " eta " << double(eta);
      last = y;
    }
  }
}

TEST(Claude, WetExhaustHandledAndALiquidInletRefused) {
  // 20 MPa -> 0.1 MPa from 202 K at eta 0.8 ends inside the dome.
  const CycleResult r = solved("N2", Cycle::Claude, proc::defaultCycleData(eos("N2")));
  const proc::ProcPoint& e = S(r, 4);
  EXPECT_GT(e.x, 0);
  EXPECT_LT(e.x, 1);
  EXPECT_NEAR(double(e.T), double(S(r, 9).T), 1e-9);
  EXPECT_NE(r.message.find("влажный пар"), std::string::npos);
  // Below the dome at 2 MPa (Ts = 115.6 K), below Tcr at 20 MPa.
  for (auto [P, T3] : {std::pair<Real, Real>{2, 100}, {20, 120}}) {
    CycleData d = proc::defaultCycleData(eos("N2"));
    d.Phigh = P;
    d.T3 = T3;
    const CycleResult w = proc::solveCycle(eos("N2"), Cycle::Claude, d);
    EXPECT_EQ(w.status, CycleStatus::ExpanderInletWet) << double(P);
    EXPECT_NE(w.message.find("детандер"), std::string::npos);
  }
}

// ---------------------------------------------------------------- balances

struct Case {
  const char* name;
  Cycle kind;
  void (*edit)(CycleData&);
};

const Case kBalanced[] = {
    {"N2", Cycle::Linde, nullptr},
    {"N2", Cycle::Linde, [](CycleData& d) { d.dT = 5, d.leak = 3, d.etaT = Real(0.6L); }},
    {"Air", Cycle::Linde, [](CycleData& d) { d.Phigh = 2; }},  // condenses below Pcr
    {"CH4", Cycle::Linde, [](CycleData& d) { d.T0 = 280; }},
    {"n-H2", Cycle::Precooled, nullptr},
    {"Ne", Cycle::Precooled, [](CycleData& d) { d.dT = 2, d.leak = 10; }},
    {"He", Cycle::Precooled, nullptr},
    {"O2", Cycle::Precooled, nullptr},
    {"N2", Cycle::Claude, nullptr},  // wet exhaust
    {"N2", Cycle::Claude, [](CycleData& d) { d.Phigh = 4, d.T3 = 200, d.xe = Real(0.6L); }},  // dry
    {"Ar", Cycle::Claude, [](CycleData& d) { d.dT = 3, d.leak = 2, d.etaS = Real(0.7L); }},
    {"p-H2", Cycle::Claude, nullptr},
    {"He", Cycle::Claude, nullptr},
    {"CO2", Cycle::Claude, nullptr},
};

TEST(CycleBalances, MassEnergyAndGouyStodolaCloseForEveryCycle) {
  for (const Case& c : kBalanced) {
    const CycleData d = with(c.name, c.edit);
    const CycleResult r = solved(c.name, c.kind, d);
    if (!r.liquid()) continue;
    const std::string at = std::string(c.name) + " kind " + std::to_string(int(c.kind));
    const Real y = r.y, q = d.leak, h1 = S(r, 1).i, h2 = S(r, 2).i, scale = std::fabs(h1) + std::fabs(h2);
    auto h = [&](int n) { return S(r, n).i; };
    // Compressor: -Q = dh + L with L = -Wc.
    EXPECT_TRUE(near(-r.Qc, (h2 - h1) - r.Wc, scale)) << at;
    if (c.kind == Cycle::Linde) {
      EXPECT_TRUE(near(F(r, 5) + F(r, 6), 1, 1)) << at;
      EXPECT_TRUE(near(h(2) - h(3), (1 - y) * (h(7) - h(6)), scale)) << at;  // exchanger
      EXPECT_TRUE(near(h(3), h(4), scale)) << at;                            // valve
      EXPECT_TRUE(near(h(4) + q, y * h(5) + (1 - y) * h(6), scale)) << at;   // separator
      EXPECT_TRUE(near(h2 + q, y * h(5) + (1 - y) * h(7), scale)) << at;     // cold box
    } else if (c.kind == Cycle::Precooled) {
      EXPECT_TRUE(near(h(2) - h(3), (1 - y) * (h(10) - h(9)), scale)) << at;
      EXPECT_TRUE(near(r.Qbath, h(3) - h(4), scale)) << at;
      EXPECT_TRUE(near(h(4) - h(5), (1 - y) * (h(9) - h(8)), scale)) << at;
      EXPECT_TRUE(near(h(5), h(6), scale)) << at;
      EXPECT_TRUE(near(h(6) + q, y * h(7) + (1 - y) * h(8), scale)) << at;
      EXPECT_TRUE(near(h2 + q, y * h(7) + (1 - y) * h(10) + r.Qbath, scale)) << at;
      EXPECT_GE(S(r, 3).T, d.Tpre * (1 - 1e-6));
    } else {
      const Real xe = d.xe;
      EXPECT_TRUE(near(F(r, 4) + F(r, 5), 1, 1)) << at;
      EXPECT_TRUE(near(F(r, 8) + F(r, 9) + F(r, 4), 1, 1)) << at;
      EXPECT_TRUE(near(h(2) - h(3), (1 - y) * (h(13) - h(12)), scale)) << at;
      EXPECT_TRUE(near((1 - xe) * (h(3) - h(5)), (1 - y) * h(12) - xe * h(4) - (1 - xe - y) * h(10), scale)) << at;
      EXPECT_TRUE(near((1 - xe) * (h(5) - h(6)), (1 - xe - y) * (h(10) - h(9)), scale)) << at;
      EXPECT_TRUE(near(h(6), h(7), scale)) << at;
      EXPECT_TRUE(near((1 - xe) * h(7) + q, y * h(8) + (1 - xe - y) * h(9), scale)) << at;
      EXPECT_TRUE(near(r.We, xe * (h(3) - h(4)), scale)) << at;
      EXPECT_TRUE(near(h2 + q, y * h(8) + (1 - y) * h(13) + r.We, scale)) << at;
      // An expander with losses ends above its isentrope's entropy.
      EXPECT_GE(S(r, 4).s, S(r, 3).s - 1e-12) << at;
    }
    // Gouy–Stodola: what each component destroys adds up to W/y - Wi, and
    // none destroys less than nothing.
    Real sum = 0;
    for (int k = 0; k < proc::kPartCount; ++k) {
      if (!r.hasPart[k]) continue;
      EXPECT_GE(r.exergy[k], -1e-9 * r.Wf) << at << " part " << k;
      sum += r.exergy[k];
    }
    EXPECT_TRUE(near(sum, r.Wf - r.Wi, r.Wf)) << at << ": " << double(sum) << " vs " << double(r.Wf - r.Wi);
    EXPECT_TRUE(near(r.fom, r.Wi / r.Wf, 1)) << at;
    // Every exchanger: the hot stream never colder than the cold one.
    EXPECT_GE(S(r, 2).T, S(r, c.kind == Cycle::Linde ? 7 : c.kind == Cycle::Precooled ? 10 : 13).T) << at;
  }
}

TEST(CycleBalances, LossesLowerTheYield) {
  const struct {
    const char* name;
    Cycle kind;
  } cases[] = {{"N2", Cycle::Linde}, {"n-H2", Cycle::Precooled}, {"Ar", Cycle::Claude}};
  for (const auto& c : cases) {
    const CycleData base = proc::defaultCycleData(eos(c.name));
    const Real y0 = solved(c.name, c.kind, base).y;
    Real last = y0;
    for (Real dT : {Real(1), Real(3), Real(6)}) {
      CycleData d = base;
      d.dT = dT;
      const Real y = solved(c.name, c.kind, d).y;
      EXPECT_LT(y, last) << c.name << " dT " << double(dT);
      last = y;
    }
    CycleData d = base;
    d.leak = 5;
    EXPECT_LT(solved(c.name, c.kind, d).y, y0) << c.name;
    // A worse compressor costs work and gives the same liquid.
    d = base;
    d.etaT = Real(0.5L);
    const CycleResult worse = solved(c.name, c.kind, d);
    EXPECT_NEAR(double(worse.y), double(y0), 1e-12) << c.name;
    EXPECT_GT(worse.Wf, solved(c.name, c.kind, base).Wf);
  }
}

TEST(CycleBalances, LossesEatingAllTheColdSayWhy) {
  CycleData d = proc::defaultCycleData(eos("N2"));
  d.leak = 40;  // more than the throttling gives
  const CycleResult r = proc::solveCycle(eos("N2"), Cycle::Linde, d);
  EXPECT_EQ(r.status, CycleStatus::NoLiquid);
  EXPECT_EQ(r.y, 0);
  EXPECT_NE(r.message.find("теплоприток"), std::string::npos) << r.message;
  // Claude without liquid still has its expander on the shaft.
  d.leak = 400;
  const CycleResult c = proc::solveCycle(eos("N2"), Cycle::Claude, d);
  ASSERT_EQ(c.status, CycleStatus::NoLiquid);
  EXPECT_GT(c.We, 0);
  EXPECT_DOUBLE_EQ(double(c.W), double(c.Wc - c.We));
  // Its states stand with its work, and the message names its cold.
  ASSERT_NE(c.at(4), nullptr);
  EXPECT_NEAR(double(c.We), double(F(c, 4) * (S(c, 3).i - S(c, 4).i)), 1e-9);
  EXPECT_NE(c.message.find("детандера"), std::string::npos) << c.message;
}

TEST(CycleBalances, TheSurroundingsColdestAdmittedLeaveNoNegativeLoss) {
  // Wi = T0 (s1 - sf) - (h1 - hf) is positive only above T0 = (h1 - hf) / (s1 - sf).
  for (const char* name : {"N2", "Ar", "CH4"}) {
    CycleData d = proc::defaultCycleData(eos(name));
    Real dd, h1, s1, Cp, x, Tv, dv, hv, sv, Cpv, Tl, dl, hf, sf, Cpl;
    tfs::dhs_PT(name, d.Plow, d.T1, dd, h1, s1, Cp, x);
    tfs::dhs2_P(name, d.Plow, Tv, dv, hv, sv, Cpv, Tl, dl, hf, sf, Cpl);
    const Real T0min = (h1 - hf) / (s1 - sf);
    d.T0 = T0min * (1 - 1e-6L);
    const CycleResult low = proc::solveCycle(eos(name), Cycle::Linde, d);
    EXPECT_EQ(low.status, CycleStatus::AmbientTooLow) << name << ": " << low.message;
    d.T0 = T0min * (1 + 1e-4L);
    const CycleResult r = solved(name, Cycle::Linde, d);
    EXPECT_GT(r.Wi, 0);
    EXPECT_GT(r.fom, 0);
    EXPECT_LT(r.fom, 1e-3);
    for (int k = 0; k < proc::kPartCount; ++k) EXPECT_GE(r.exergy[k], 0) << name << " part " << k;
    // With an in-leak the surroundings must be warmer than the separator.
    d.leak = 2;
    d.T0 = std::max(T0min, Tv) * (1 + 1e-4L);
    EXPECT_GE(solved(name, Cycle::Linde, d).exergy[int(Part::Separator)], 0) << name;
  }
}

TEST(CycleBalances, TheLeastEfficiencyGivesAFiniteWork) {
  // The isothermal compressor's work is the reversible one over its efficiency.
  CycleData d = proc::defaultCycleData(eos("N2"));
  const Real Wrev = solved("N2", Cycle::Linde, d).Wc;
  d.etaT = proc::kMinEfficiency;
  const CycleResult r = solved("N2", Cycle::Linde, d);
  EXPECT_NEAR(double(r.Wc), double(Wrev / proc::kMinEfficiency), 1e-9 * double(r.Wc));
  EXPECT_TRUE(std::isfinite(double(r.Wf)));
}

// ---------------------------------------------------------------- the grid

// Each exchanger by its states: the hot stream in and out, the cold one in
// and out.
struct Exch {
  int hotIn, hotOut, coldIn, coldOut;
};
std::vector<Exch> exchangers(Cycle kind) {
  switch (kind) {
    case Cycle::Linde: return {{2, 3, 6, 7}};
    case Cycle::Precooled: return {{2, 3, 9, 10}, {4, 5, 8, 9}};
    case Cycle::Claude: return {{2, 3, 12, 13}, {3, 5, 11, 12}, {5, 6, 9, 10}};
  }
  return {};
}

// The entropy each component generates per kg compressed, from the states
// and the flows the result lists: what leaves minus what enters, minus the
// heat taken in over the temperature it comes from.
std::vector<std::pair<Part, Real>> entropyMade(Cycle kind, const CycleResult& r, const CycleData& d) {
  auto s = [&](int n) { return S(r, n).s; };
  auto h = [&](int n) { return S(r, n).i; };
  auto f = [&](int n) { return F(r, n); };
  const Real T0 = r.T0, q = d.leak;
  std::vector<std::pair<Part, Real>> out = {{Part::Compressor, s(2) - s(1) + r.Qc / T0}};
  switch (kind) {
    case Cycle::Linde:
      out.push_back({Part::Exchanger1, f(3) * (s(3) - s(2)) + f(7) * (s(7) - s(6))});
      out.push_back({Part::Valve, f(4) * (s(4) - s(3))});
      out.push_back({Part::Separator, f(5) * s(5) + f(6) * s(6) - f(4) * s(4) - q / T0});
      out.push_back({Part::Mixing, f(7) * (s(1) - s(7)) - f(7) * (h(1) - h(7)) / T0});
      break;
    case Cycle::Precooled:
      out.push_back({Part::Exchanger1, f(3) * (s(3) - s(2)) + f(10) * (s(10) - s(9))});
      out.push_back({Part::Bath, f(4) * (s(4) - s(3)) + r.Qbath / d.Tpre});
      out.push_back({Part::Exchanger2, f(5) * (s(5) - s(4)) + f(9) * (s(9) - s(8))});
      out.push_back({Part::Valve, f(6) * (s(6) - s(5))});
      out.push_back({Part::Separator, f(7) * s(7) + f(8) * s(8) - f(6) * s(6) - q / T0});
      out.push_back({Part::Mixing, f(10) * (s(1) - s(10)) - f(10) * (h(1) - h(10)) / T0});
      break;
    case Cycle::Claude:
      out.push_back({Part::Exchanger1, f(3) * (s(3) - s(2)) + f(13) * (s(13) - s(12))});
      out.push_back({Part::Exchanger2, f(5) * (s(5) - s(3)) + f(12) * s(12) - f(4) * s(4) - f(10) * s(10)});
      out.push_back({Part::Exchanger3, f(6) * (s(6) - s(5)) + f(10) * (s(10) - s(9))});
      out.push_back({Part::Expander, f(4) * (s(4) - s(3))});
      out.push_back({Part::Valve, f(7) * (s(7) - s(6))});
      out.push_back({Part::Separator, f(8) * s(8) + f(9) * s(9) - f(7) * s(7) - q / T0});
      out.push_back({Part::Mixing, f(13) * (s(1) - s(13)) - f(13) * (h(1) - h(13)) / T0});
      break;
  }
  return out;
}

TEST(CycleGrid, EveryComponentObeysTheSecondLawAndEveryExchangerRunsForward) {
  // Every cycle, substance, model and option on a coarse grid: what is
  // solved holds per component, not only in the sums; what is not is
  // refused with its reason.
  const char* const names[] = {"He", "n-H2", "p-H2", "Ne", "N2", "Ar", "O2", "CO2", "CH4", "R14", "Air"};
  int liquid[proc::kCycleCount] = {}, cases[proc::kCycleCount] = {};
  for (const tfs::ModelKind model : {tfs::ModelKind::Cubic, tfs::ModelKind::Reference})
    for (const char* name : names) {
      const tfs::Model& m = tfs::model(tfs::SubstIndex(name), model);
      for (int kind = 0; kind < proc::kCycleCount; ++kind)
        for (Real dT : {Real(0), Real(2)})
          for (Real leak : {Real(0), Real(3)})
            for (Real eta : {Real(0.7L), Real(1)})
              for (int variant = 0; variant < (kind == 0 ? 1 : kind == 1 ? 2 : 4); ++variant) {
                CycleData d = proc::defaultCycleData(m);
                d.dT = dT, d.leak = leak, d.etaT = d.etaS = eta;
                if (kind == 1 && variant == 1) d.Tpre = std::min(d.Tpre * Real(1.15L), d.T1 - 10);
                if (kind == 2) {
                  d.xe = variant % 2 ? Real(0.4L) : Real(0.15L);
                  if (variant >= 2) d.T3 *= Real(0.8L);
                }
                const Cycle k = Cycle(kind);
                const CycleResult r = proc::solveCycle(m, k, d);
                const std::string at = std::string(name) + (model == tfs::ModelKind::Cubic ? " cubic" : " reference") +
                                       " kind " + std::to_string(kind) + " dT " +
                                       std::to_string(double(dT)) + " leak " + std::to_string(double(leak)) + " eta " +
                                       std::to_string(double(eta)) + " variant " + std::to_string(variant);
                ++cases[kind];
                if (!r.shown()) {
                  EXPECT_FALSE(r.message.empty()) << at;
                  EXPECT_TRUE(r.states.empty()) << at;
                  continue;
                }
                for (Real v : {r.y, r.Wc, r.We, r.Wbath, r.W, r.Wf, r.Wi, r.fom})
                  EXPECT_TRUE(std::isfinite(double(v))) << at;
                EXPECT_NEAR(double(r.W), double(r.Wc - r.We + r.Wbath), 1e-9 * double(r.Wc)) << at;
                if (!r.liquid()) continue;
                ++liquid[kind];
                // The second law per component, from the states and flows
                // listed; the exergy shown is T0 times it per kg of liquid,
                // never below zero, not even by a rounding's minus sign.
                for (const auto& [part, sgen] : entropyMade(k, r, d)) {
                  const int p = int(part);
                  EXPECT_TRUE(r.hasPart[p]) << at;
                  EXPECT_GE(sgen, -1e-12L) << at << " part " << p;
                  EXPECT_NEAR(double(r.sgen[p]), double(std::max<Real>(sgen, 0)), 1e-10) << at << " part " << p;
                  EXPECT_GE(r.exergy[p], 0) << at << " part " << p;
                  EXPECT_FALSE(std::signbit(double(r.exergy[p]))) << at << " part " << p;
                  EXPECT_NEAR(double(r.exergy[p]), double(r.T0 * r.sgen[p] / r.y), 1e-9 * double(r.Wf)) << at;
                }
                EXPECT_GT(r.Wi, 0) << at;
                EXPECT_GT(r.fom, 0) << at;
                EXPECT_LE(r.fom, 1) << at;
                // Every exchanger cools its hot stream and warms its cold
                // one, its ends at least dT apart, no section crossed.
                for (const Exch& e : exchangers(k)) {
                  const proc::ProcPoint &hi = S(r, e.hotIn), &ho = S(r, e.hotOut), &ci = S(r, e.coldIn),
                                        &co = S(r, e.coldOut);
                  EXPECT_GE(hi.i, ho.i - 1e-9) << at << " hot in " << e.hotIn;
                  EXPECT_GE(co.i, ci.i - 1e-9) << at << " cold out " << e.coldOut;
                  EXPECT_GE(hi.T - co.T, dT - 1e-6 * hi.T) << at << " warm end at " << e.hotIn;
                  EXPECT_GE(ho.T - ci.T, dT - 1e-6 * hi.T) << at << " cold end at " << e.hotOut;
                  for (int j = 1; j < 4; ++j) {
                    const Real t = Real(j) / 4;
                    proc::ProcPoint a, b;
                    ASSERT_EQ(proc::SolvePair(m, proc::kPressure, proc::kEnthalpy, hi.P, hi.i + t * (ho.i - hi.i), a),
                              proc::SolveStatus::Solved);
                    ASSERT_EQ(proc::SolvePair(m, proc::kPressure, proc::kEnthalpy, ci.P, co.i + t * (ci.i - co.i), b),
                              proc::SolveStatus::Solved);
                    // The library's inverse routine is good to some 0.01 K.
                    EXPECT_GE(a.T, b.T - 0.05) << at << " section " << j << " of " << e.hotIn;
                  }
                }
              }
    }
  // The grid is no empty check: most cycles with liquid of every kind.
  for (int kind = 0; kind < proc::kCycleCount; ++kind)
    EXPECT_GT(liquid[kind], cases[kind] / 3) << "kind " << kind << ": " << liquid[kind] << " of " << cases[kind];
}

// ---------------------------------------------------------------- refusals

TEST(CycleRefusals, DataThatMakeNoCycleAreRefusedWithTheirReason) {
  const struct {
    const char* name;
    Cycle kind;
    void (*edit)(CycleData&);
    CycleStatus status;
    const char* says;
  } cases[] = {
      {"N2", Cycle::Linde, [](CycleData& d) { d.Plow = 20; }, CycleStatus::PressureOrder, "ниже высокого"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.Plow = 5, d.Phigh = 10; }, CycleStatus::LowAboveCritical,
       "критического"},
      {"CO2", Cycle::Linde, [](CycleData& d) { d.Plow = Real(0.101325L); }, CycleStatus::LowBelowTriple,
       "тройной"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.etaT = 0; }, CycleStatus::BadEfficiencyT, "Изотермический КПД"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.etaT = Real(1.1L); }, CycleStatus::BadEfficiencyT, "КПД"},
      {"N2", Cycle::Claude, [](CycleData& d) { d.etaS = 0; }, CycleStatus::BadEfficiencyS, "Изоэнтропный КПД"},
      {"N2", Cycle::Claude, [](CycleData& d) { d.xe = 1; }, CycleStatus::BadFraction, "Доля потока"},
      {"N2", Cycle::Claude, [](CycleData& d) { d.xe = Real(-0.1L); }, CycleStatus::BadFraction, "Доля потока"},
      {"N2", Cycle::Claude, [](CycleData& d) { d.xe = Real(0.9L); }, CycleStatus::TooMuchExpanded, "слишком"},
      {"N2", Cycle::Claude, [](CycleData& d) { d.T3 = 300; }, CycleStatus::BadExpanderInlet, "ниже T1"},
      {"N2", Cycle::Claude, [](CycleData& d) { d.Phigh = 4, d.T3 = 260, d.xe = Real(0.6L); },
       CycleStatus::ExchangerCrossed, "теплообменнике 2"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.dT = -1; }, CycleStatus::BadDeltaT, "не меньше 0"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.dT = 250; }, CycleStatus::BadDeltaT, "меньше 222"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.leak = -1; }, CycleStatus::BadLeak, "Теплоприток"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.T0 = 310; }, CycleStatus::BadAmbient, "T0"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.T0 = 290, d.dT = 2; }, CycleStatus::AmbientWithDeltaT, "T0"},
      {"N2", Cycle::Precooled, [](CycleData& d) { d.Tpre = 300; }, CycleStatus::BadPrecooling, "ниже T1"},
      {"N2", Cycle::Precooled, [](CycleData& d) { d.Tpre = 70; }, CycleStatus::BadPrecooling, "выше 77"},
      {"He", Cycle::Linde, [](CycleData& d) { d.Phigh = 20; }, CycleStatus::StateRefused, "Состояние 2"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.T1 = 2000; }, CycleStatus::StateRefused, "Состояние 1"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.Phigh = 1e6; }, CycleStatus::StateRefused, "давление выше 100"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.Plow = 0; }, CycleStatus::StateRefused, "давление ниже"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.Phigh = NAN; }, CycleStatus::BadNumber, "числами"},
      // An efficiency so small that the work would leave the numbers behind.
      {"N2", Cycle::Linde, [](CycleData& d) { d.etaT = Real(1e-308L); }, CycleStatus::BadEfficiencyT, "не меньше 0"},
      {"N2", Cycle::Linde, [](CycleData& d) { d.etaT = Real(0.0099L); }, CycleStatus::BadEfficiencyT, "КПД"},
      {"N2", Cycle::Claude, [](CycleData& d) { d.etaS = Real(0.005L); }, CycleStatus::BadEfficiencyS, "Изоэнтропный"},
      // The expander's stream comes back colder than the middle exchanger's
      // return: that exchanger would warm 140 K gas to 163 K.
      {"N2", Cycle::Claude, [](CycleData& d) { d.T3 = 140, d.xe = Real(0.1L); }, CycleStatus::ExchangerBackwards,
       "Теплообменник 2 работает в обратную сторону"},
      {"He", Cycle::Claude, [](CycleData& d) { d.Phigh = Real(0.9L), d.T3 = 40, d.xe = Real(0.1L), d.dT = 1; },
       CycleStatus::ExchangerPinch, "на холодном конце"},
      // Surroundings colder than where the cycle takes heat from them, or
      // than the bath that gives its heat to them, or so cold that the gas
      // at 300 K holds more work than the liquid.
      {"N2", Cycle::Linde, [](CycleData& d) { d.T0 = Real(77.4L); }, CycleStatus::AmbientTooLow, "T0"},
      {"CH4", Cycle::Linde, [](CycleData& d) { d.leak = 10, d.T0 = 105; }, CycleStatus::AmbientBelowSeparator,
       "111"},
      {"n-H2", Cycle::Precooled, [](CycleData& d) { d.T0 = 70; }, CycleStatus::AmbientBelowBath, "77"},
  };
  for (const auto& c : cases) {
    const CycleResult r = proc::solveCycle(eos(c.name), c.kind, with(c.name, c.edit));
    EXPECT_EQ(r.status, c.status) << c.says << ": " << r.message;
    EXPECT_NE(r.message.find(c.says), std::string::npos) << r.message;
    EXPECT_TRUE(r.states.empty()) << c.says;
    EXPECT_FALSE(r.shown());
    EXPECT_EQ(r.y, 0);
  }
}

TEST(CycleWork, ARefusalKeepsWhatWasShownAndTheLinesFollowTheStates) {
  proc::CycleWork w;
  w.reset(&eos("N2"));
  ASSERT_TRUE(w.solve(&eos("N2")));
  const Real y = w.result.y;
  const std::size_t paths = w.lines.paths.size();
  ASSERT_EQ(paths, 6u);
  // Each isobar sampled through its ends; the marks on the states.
  for (const diagram::CyclePath& p : w.lines.paths) {
    ASSERT_GE(p.S.size(), 2u);
    EXPECT_EQ(p.S.size(), p.T.size());
  }
  ASSERT_EQ(w.lines.marks.size(), w.result.states.size());
  for (std::size_t k = 0; k < w.lines.marks.size(); ++k) {
    EXPECT_EQ(w.lines.marks[k].n, w.result.states[k].n);
    EXPECT_EQ(w.lines.marks[k].T, w.result.states[k].p.T);
  }
  // Along the exchanger's hot isobar (2 -> 3) temperature and entropy fall together.
  const diagram::CyclePath& hot = w.lines.paths[1];
  for (std::size_t k = 1; k < hot.S.size(); ++k) {
    EXPECT_LT(hot.S[k], hot.S[k - 1]);
    EXPECT_LE(hot.T[k], hot.T[k - 1]);
  }
  w.current().Plow = 30;
  proc::CycleResult why;
  EXPECT_FALSE(w.solve(&eos("N2"), &why));
  EXPECT_EQ(why.status, CycleStatus::PressureOrder);
  EXPECT_EQ(w.result.y, y);
  EXPECT_EQ(w.lines.paths.size(), paths);
  // Without liquid the cycle is shown and nothing is drawn.
  w.reset(&eos("n-H2"));
  EXPECT_TRUE(w.solve(&eos("n-H2")));
  EXPECT_EQ(w.result.status, CycleStatus::NoLiquid);
  EXPECT_TRUE(w.lines.empty());
}

// Without liquid the message names the gas's highest inversion temperature
// by the model that computed the cycle: from above it no pressure helps;
// below it the high pressure lies above the inversion curve, where the
// isotherm's enthalpy has risen again (N2 at 400 K: h(100 MPa) > h(0.1 MPa)).
TEST(LindeHampson, NoLiquidNamesTheHighestInversionTemperatureOfTheModel) {
  struct Case {
    const char* name;
    tfs::ModelKind kind;
    Real T1, Phigh;  // 0: the defaults
    bool above;      // T1 above the highest inversion temperature
  };
  const Case cases[] = {
      {"He", tfs::ModelKind::Cubic, 0, 0, true},       {"He", tfs::ModelKind::Reference, 0, 0, true},
      {"n-H2", tfs::ModelKind::Cubic, 0, 0, true},     {"n-H2", tfs::ModelKind::Reference, 0, 0, true},
      {"p-H2", tfs::ModelKind::Reference, 0, 0, true}, {"Ne", tfs::ModelKind::Cubic, 0, 0, true},
      {"Ne", tfs::ModelKind::Reference, 0, 0, true},   {"N2", tfs::ModelKind::Cubic, 400, 100, false},
      {"N2", tfs::ModelKind::Reference, 400, 100, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << (c.kind == tfs::ModelKind::Cubic ? " cubic" : " reference"));
    const tfs::Model& m = tfs::model(tfs::SubstIndex(c.name), c.kind);
    CycleData d = proc::defaultCycleData(m);
    if (c.T1 > 0) d.T1 = c.T1;
    if (c.Phigh > 0) d.Phigh = c.Phigh;
    const CycleResult r = proc::solveCycle(m, Cycle::Linde, d);
    ASSERT_EQ(r.status, CycleStatus::NoLiquid) << r.message;
    // The isothermal compression raised the enthalpy: no throttle cools.
    EXPECT_GE(S(r, 2).i, S(r, 1).i);
    const Real Tinv = tfs::maxInversionTemperature(m);
    ASSERT_GT(Tinv, 0);
    // B - T dB/dT changes sign there: (dh/dP)T at P -> 0 negative below.
    EXPECT_LT(tfs::zeroPressureSlope(m, Tinv - 1), 0);
    EXPECT_GT(tfs::zeroPressureSlope(m, Tinv + 1), 0);
    EXPECT_EQ(d.T1 > Tinv, c.above);
    EXPECT_NE(r.message.find(app::format("%.2f", Tinv)), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("инверсии"), std::string::npos) << r.message;
    if (!c.above) {
      EXPECT_NE(r.message.find(app::format("%.3f", d.Phigh)), std::string::npos) << r.message;
    }
  }
  // The two models' inversion temperatures differ, and each message names
  // its own (nitrogen: 607.9 K by the reference equation, 531.7 K cubic).
  EXPECT_NEAR(double(tfs::maxInversionTemperature(tfs::referenceModel(tfs::SubstIndex("N2")))), 607.9, 0.05);
  EXPECT_NEAR(double(tfs::maxInversionTemperature(tfs::cubicModel(tfs::SubstIndex("N2")))), 531.7, 0.05);
}

}  // namespace
