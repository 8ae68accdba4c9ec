// The lines of the T-s diagram for every substance and some limits.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/base/libguard.h"
#include "core/lines/linegen.h"
#include "core/session/substance.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace {

using app::DiagramStore;
using app::LineInputs;
using app::Real;

// The substance chosen as the main window chooses it, with other limits.
LineInputs inputs(int subst, Real Tmin = 0, Real Tmax = 350) {
  const app::AppState c = app::substanceChoice(app::AppState{}, subst);
  return app::lineInputs(app::withLimits(c, Tmin > 0 ? Tmin : c.Tmin, Tmax));
}

struct LineRun {
  std::unique_ptr<DiagramStore> st = std::make_unique<DiagramStore>();
  std::vector<int> progress;
};

LineRun compute(const LineInputs& in) {
  LineRun r;
  app::ComputeAll(*r.st, in, [&](int p) { r.progress.push_back(p); });
  return r;
}

// Every stored point is absent or inside the diagram's frame.
void expectInsideFrame(const DiagramStore& st, const LineInputs& in) {
  const Real tolT = 1e-6L * in.Tmax;
  const Real tolS = 1e-6L * (std::fabs(st.Smin) + std::fabs(st.Smax) + 1);
  auto check = [&](Real T, Real s, const std::string& what) {
    if (T == 0) return;
    EXPECT_GE(T, in.Tmin - tolT) << what;
    EXPECT_LE(T, in.Tmax + tolT) << what;
    EXPECT_GE(s, st.Smin - tolS) << what;
    EXPECT_LE(s, st.Smax + tolS) << what;
  };
  for (int i = 0; i <= 10; ++i)
    for (int k = 0; k <= 20; ++k) check(st.IsoT[i][k], st.IsoS[i][k], "isobar " + std::to_string(i) + " point " + std::to_string(k));
  for (int j = 0; j <= st.HCount; ++j)
    for (int k = 0; k < 20; ++k) check(st.HT[j][k], st.HS[j][k], "isenthalp " + std::to_string(j) + " point " + std::to_string(k));
  for (int i = 1; i <= 10; ++i) check(st.DomeT[i], st.DomeSL[i], "dome liquid " + std::to_string(i));
  for (int i = 1; i <= 10; ++i) check(st.DomeT[i], st.DomeSV[i], "dome vapour " + std::to_string(i));
}

void expectFamilies(const LineRun& r, const LineInputs& in) {
  const DiagramStore& st = *r.st;
  const int n = in.subst;
  const Real Tcr = tfs::Tcr[n], Pcr = tfs::Pcr[n];

  // Progress rises, passes the fixed marks and ends at 100.
  ASSERT_FALSE(r.progress.empty());
  for (size_t i = 1; i < r.progress.size(); ++i) EXPECT_LE(r.progress[i - 1], r.progress[i]) << "step " << i;
  EXPECT_EQ(r.progress.back(), 100);
  for (int mark : {25, 60, 63}) EXPECT_NE(std::find(r.progress.begin(), r.progress.end(), mark), r.progress.end()) << mark;
  for (int p : r.progress) {
    EXPECT_GE(p, 0);
    EXPECT_LE(p, 100);
  }

  // Dome: temperatures crowding towards the critical point, liquid left of vapour.
  if (in.Tmin < Tcr) {
    EXPECT_TRUE(st.domeComputed);
    for (int i = 1; i <= 10; ++i) {
      const Real f = Real(i) / 10;
      EXPECT_NEAR(double(st.DomeT[i]), double(Tcr - f * f * (Tcr - in.Tmin)), 1e-9) << i;
      EXPECT_LE(st.DomeSL[i], st.DomeSV[i]) << i;
    }
    EXPECT_NEAR(double(st.DomeT[10]), double(in.Tmin), 1e-12);
  } else {
    EXPECT_FALSE(st.domeComputed);
    for (int i = 0; i <= 10; ++i) EXPECT_EQ(st.DomeT[i], 0) << i;
  }

  // Regular isobars end at Tmax; saturation points only below Pcr.
  for (int i = in.firstIsobar; i <= in.lastIsobar; ++i) {
    EXPECT_EQ(st.IsoT[i][20], in.Tmax) << i;
    if (app::IsobarP[i] >= Pcr) {
      EXPECT_EQ(st.IsoSatTV[i], 0) << i;
      EXPECT_EQ(st.IsoSatTL[i], 0) << i;
    } else if (app::IsobarP[i] > st.PtrL) {
      EXPECT_GT(st.IsoSatTV[i], 0) << i;
      EXPECT_GE(st.IsoSatTV[i], st.IsoSatTL[i]) << i;
      EXPECT_LT(st.IsoSatSL[i], st.IsoSatSV[i]) << i;
    }
    for (int k = 1; k <= 20; ++k) EXPECT_GT(st.IsoS[i][k], st.IsoS[i][k - 1]) << i << " " << k;
  }
  // Isobars beyond the last one stay empty.
  for (int i = in.lastIsobar + 1; i <= 10; ++i)
    for (int k = 0; k <= 20; ++k) EXPECT_EQ(st.IsoT[i][k], 0) << i;
  // Low-pressure isobars: gas lines over the geometric temperature grid.
  for (int i = 0; i < in.firstIsobar; ++i) {
    EXPECT_EQ(st.IsoTmelt[i], in.Tmin);
    EXPECT_NEAR(double(st.IsoT[i][0]), double(in.Tmin), 1e-9);
    EXPECT_NEAR(double(st.IsoT[i][20]), double(in.Tmax), 1e-9);
    const Real ratio = std::pow(in.Tmax / in.Tmin, Real(0.05));
    for (int k = 1; k <= 20; ++k) EXPECT_NEAR(double(st.IsoT[i][k] / st.IsoT[i][k - 1]), double(ratio), 1e-12);
    EXPECT_EQ(st.IsoSatTV[i], 0);
  }

  // Isenthalps: whole multiples of a ladder step inside the enthalpy range.
  const std::vector<Real> ladder{2000, 1000, 500, 200, 100, 50, 20, 10, 5};
  EXPECT_NE(std::find(ladder.begin(), ladder.end(), st.HStep), ladder.end()) << double(st.HStep);
  EXPECT_GT(st.HStep, (st.hMax - st.hMin) / 10);
  EXPECT_GE(st.HCount, 0);
  EXPECT_LE(st.HCount, 9);
  for (int j = 0; j <= st.HCount; ++j) {
    const Real q = st.HValue[j] / st.HStep;
    EXPECT_EQ(q, std::round(q)) << j;
    EXPECT_GT(st.HValue[j], st.hMin);
    EXPECT_LE(st.HValue[j], st.hMax);
    if (j > 0) {
      EXPECT_EQ(st.HValue[j] - st.HValue[j - 1], st.HStep);
    }
  }
  EXPECT_LE(st.HValue[0] - st.HStep, st.hMin);                   // none missed below
  if (st.HCount >= 0) {
    EXPECT_GT(st.HValue[st.HCount] + st.HStep, st.hMax);  // nor above
  }
  EXPECT_EQ(app::PressureGrid[st.GridFirst], app::IsobarP[in.firstIsobar]);

  expectInsideFrame(st, in);
}

class EverySubstance : public ::testing::TestWithParam<int> {};

TEST_P(EverySubstance, DefaultLimitsGiveTheExpectedFamilies) {
  const LineInputs in = inputs(GetParam());
  SCOPED_TRACE(in.name);
  const LineRun r = compute(in);
  expectFamilies(r, in);
}

TEST_P(EverySubstance, NarrowerLimitsGiveTheExpectedFamilies) {
  const int n = GetParam();
  const LineInputs in = inputs(n, (tfs::Ttr[n] + tfs::Tcr[n]) / 2, 320);
  SCOPED_TRACE(in.name);
  const LineRun r = compute(in);
  expectFamilies(r, in);
}

TEST_P(EverySubstance, TminAboveCriticalComputesNoDome) {
  const int n = GetParam();
  const LineInputs in = inputs(n, tfs::Tcr[n] + 5, 450);
  SCOPED_TRACE(in.name);
  const LineRun r = compute(in);
  expectFamilies(r, in);
}

// Per mole the isenthalps take round molar values: h M a whole multiple of
// a molar ladder step (1, 2, 5 times a power of ten, J/mol) inside the
// range, none missed; every point lies on its enthalpy. Everything else is
// the diagram per kilogram to the last bit, and the diagram per kilogram is
// what it was before any molar one.
TEST_P(EverySubstance, PerMoleTheIsenthalpsAreRoundMolarValues) {
  const int n = GetParam();
  const LineInputs kg = inputs(n);
  LineInputs mol = kg;
  mol.units = app::Units::Molar;
  SCOPED_TRACE(kg.name);
  const LineRun a = compute(kg), b = compute(mol), c = compute(kg);
  EXPECT_EQ(std::memcmp(a.st.get(), c.st.get(), sizeof(DiagramStore)), 0);
  const DiagramStore &K = *a.st, &M = *b.st;
  EXPECT_EQ(std::memcmp(K.IsoT, M.IsoT, sizeof K.IsoT), 0);
  EXPECT_EQ(std::memcmp(K.IsoS, M.IsoS, sizeof K.IsoS), 0);
  EXPECT_EQ(std::memcmp(K.DomeSL, M.DomeSL, sizeof K.DomeSL), 0);
  EXPECT_EQ(std::memcmp(K.DomeSV, M.DomeSV, sizeof K.DomeSV), 0);
  EXPECT_EQ(K.Smin, M.Smin);
  EXPECT_EQ(K.Smax, M.Smax);
  const Real mass = tfs::MolMass[n];
  bool ladder = false;
  for (Real p = 1; p <= 1e5L; p *= 10)
    for (Real f : {1, 2, 5}) ladder = ladder || M.HStep == f * p;
  EXPECT_TRUE(ladder) << double(M.HStep);
  EXPECT_GT(M.HStep, (M.hMax - M.hMin) * mass / 10);
  ASSERT_GE(M.HCount, 0);
  EXPECT_LE(M.HCount, 9);
  for (int j = 0; j <= M.HCount; ++j) {
    const Real q = M.HValue[j] * mass / M.HStep;
    EXPECT_NEAR(double(q), std::round(double(q)), 1e-9) << j;
    EXPECT_GT(M.HValue[j], M.hMin);
    EXPECT_LE(M.HValue[j], M.hMax);
    for (int k = 0; k < 20; ++k) {
      if (M.HT[j][k] == 0) continue;
      const Real P = app::PressureGrid[k], T = M.HT[j][k], tol = tfs::Rgas[n] / 50;
      if (P < tfs::Pcr[n] && P > K.PtrL) {
        // A wet point sits at the saturation temperature, its enthalpy
        // between the liquid's and the vapour's.
        Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
        tfs::dhs2_P(kg.name, P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
        if (std::fabs(T - Tv) < 1e-6L || std::fabs(T - Tl) < 1e-6L) {
          EXPECT_GT(M.HValue[j], hl - tol) << j << ' ' << k;
          EXPECT_LT(M.HValue[j], hv + tol) << j << ' ' << k;
          continue;
        }
      }
      Real d, h, sv, Cp, x;
      tfs::dhs_PT(kg.name, P, T, d, h, sv, Cp, x);
      EXPECT_NEAR(double(h), double(M.HValue[j]), double(tol)) << j << ' ' << k;
    }
  }
  EXPECT_LE((M.HValue[0] * mass - M.HStep) / mass, M.hMin);
  EXPECT_GT((M.HValue[M.HCount] * mass + M.HStep) / mass, M.hMax);
}

INSTANTIATE_TEST_SUITE_P(Substances, EverySubstance, ::testing::Range(1, tfs::kSubstCount + 1),
                         [](const auto& info) {
                           std::string s = tfs::SubstName[info.param];
                           for (char& c : s)
                             if (c == '-') c = '_';
                           return s;
                         });

TEST(LineFamilies, HeliumHasEightIsobarsUpTo10MPa) {
  const LineInputs in = inputs(1);
  const LineRun r = compute(in);
  for (int i = 0; i <= 7; ++i) EXPECT_EQ(r.st->IsoT[i][20], in.Tmax) << i;
  for (int i = 8; i <= 10; ++i) EXPECT_EQ(r.st->IsoT[i][20], 0) << i;
}

TEST(LineFamilies, CarbonDioxideHasNoIsenthalpPointsAt07MPa) {
  const LineInputs in = inputs(8);
  const LineRun r = compute(in);
  ASSERT_EQ(app::PressureGrid[6], 0.7L);
  ASSERT_GT(r.st->PtrL, 0.5L);  // the triple point of CO2 lies above 0.5 MPa
  for (int j = 0; j <= r.st->HCount; ++j) EXPECT_EQ(r.st->HT[j][6], 0) << j;
  // ... yet the grid pressures of the regular isobars carry points.
  int present = 0;
  for (int j = 0; j <= r.st->HCount; ++j) present += r.st->HT[j][7] != 0;
  EXPECT_GT(present, 0);
}

// Below the triple-point pressure (CO2 0.52 MPa, Ar 0.069 MPa) the
// isenthalps keep their vapour points, each on its enthalpy.
TEST(LineFamilies, IsenthalpsKeepTheirPointsBelowTheTriplePointPressure) {
  for (const char* name : {"CO2", "Ar"}) {
    SCOPED_TRACE(name);
    const LineRun r = compute(inputs(tfs::SubstIndex(name)));
    int below = 0;
    for (int k = 0; k < 20; ++k) {
      const Real P = app::PressureGrid[k];
      if (!(P < r.st->PtrL)) continue;
      for (int j = 0; j <= r.st->HCount; ++j) {
        if (r.st->HT[j][k] == 0) continue;
        ++below;
        Real d, h, s, Cp, x;
        tfs::dhs_PT(name, P, r.st->HT[j][k], d, h, s, Cp, x);
        EXPECT_NEAR(double(h), double(r.st->HValue[j]), double(tfs::Rgas[tfs::SubstIndex(name)]) / 50) << j << ' ' << k;
        EXPECT_NEAR(double(s), double(r.st->HS[j][k]), 1e-3);
      }
    }
    EXPECT_GE(below, 3);
  }
}

TEST(LineFamilies, IsobarStartsOnMeltingLineOrAtTmin) {
  for (int n = 1; n <= tfs::kSubstCount; ++n) {
    const LineInputs in = inputs(n, tfs::Ttr[n] + 3, 300);
    SCOPED_TRACE(in.name);
    const LineRun r = compute(in);
    for (int i = in.firstIsobar; i <= in.lastIsobar; ++i) {
      const Real Tm = tfs::Tmelt(in.name, app::IsobarP[i]);
      if (Tm > tfs::Ttr[n])
        EXPECT_EQ(r.st->IsoT[i][0], std::max(Tm, in.Tmin)) << i;
      else
        EXPECT_EQ(r.st->IsoT[i][0], 0) << i;
    }
  }
}

// A store full of values of an earlier computation must not leak into the
// next one, whichever step would read them.
TEST(StoreReuse, EarlierContentsNeverLeak) {
  for (int n = 1; n <= tfs::kSubstCount; ++n) {
    const LineInputs in = inputs(n);
    SCOPED_TRACE(in.name);
    const LineRun fresh = compute(in);

    auto dirty = std::make_unique<DiagramStore>();
    for (auto& row : dirty->IsoS)
      for (auto& v : row) v = 12345;
    for (auto& v : dirty->GridHmelt) v = -1e9L;
    for (auto& v : dirty->DomeT) v = 77;
    dirty->Smin = -1e9L;
    dirty->Smax = 1e9L;
    dirty->hMin = -1e9L;
    dirty->hMax = 1e9L;
    app::ComputeAll(*dirty, in, {});
    for (int i = 0; i <= 10; ++i)
      for (int k = 0; k <= 20; ++k) {
        EXPECT_EQ(dirty->IsoT[i][k], fresh.st->IsoT[i][k]);
        EXPECT_EQ(dirty->IsoS[i][k], fresh.st->IsoS[i][k]);
      }
    for (int j = 0; j <= 10; ++j)
      for (int k = 0; k <= 20; ++k) EXPECT_EQ(dirty->HT[j][k], fresh.st->HT[j][k]);
    EXPECT_EQ(dirty->Smin, fresh.st->Smin);
    EXPECT_EQ(dirty->Smax, fresh.st->Smax);
    EXPECT_EQ(dirty->HCount, fresh.st->HCount);

    // The isobar step on its own: start points are computed for every
    // isobar, so even a stale entropy slot is overwritten.
    auto st = std::make_unique<DiagramStore>();
    app::ComputeDome(*st, in, {});
    for (auto& row : st->IsoS)
      for (auto& v : row) v = 12345;
    app::ComputeIsobars(*st, in, {});
    for (int i = in.firstIsobar; i <= in.lastIsobar; ++i)
      for (int k = 0; k <= 20; ++k) EXPECT_EQ(st->IsoS[i][k], fresh.st->IsoS[i][k]) << i << " " << k;
  }
}

// Argon's melting temperature at 0.05 MPa lies below its triple point: taken
// as a regular isobar, that line has no start point, yet its points are
// spaced from the state at Tmin and not from whatever the slot held.
TEST(StoreReuse, IsobarWithoutStartPointIsSpacedFromTmin) {
  LineInputs in = inputs(6);
  in.firstIsobar = 0;
  ASSERT_LE(tfs::Tmelt(in.name, app::IsobarP[0]), tfs::Ttr[6]);
  for (Real stale : {Real(0), Real(12345), Real(-50)}) {
    auto st = std::make_unique<DiagramStore>();
    app::ComputeDome(*st, in, {});
    for (auto& row : st->IsoS)
      for (auto& v : row) v = stale;
    app::ComputeIsobars(*st, in, {});
    EXPECT_EQ(st->IsoT[0][0], 0);
    Real d, h, s, Cp, x = 0;
    tfs::dhs_PT(in.name, app::IsobarP[0], in.Tmin, d, h, s, Cp, x);
    EXPECT_EQ(st->IsoS[0][0], s);
    EXPECT_NEAR(double(st->IsoS[0][1] - st->IsoS[0][0]), double((st->IsoS[0][20] - s) / 20), 1e-12);
    for (int k = 1; k < 20; ++k) {
      EXPECT_GE(st->IsoT[0][k], in.Tmin - 1e-6L) << k;
      EXPECT_LE(st->IsoT[0][k], in.Tmax + 1e-6L) << k;
    }
    EXPECT_LE(st->Smin, s);
  }
}

TEST(StoreReuse, TminAboveCriticalLeavesNoDomeOfAnEarlierRun) {
  const int n = 5;  // N2
  auto st = std::make_unique<DiagramStore>();
  app::ComputeAll(*st, inputs(n), {});
  ASSERT_TRUE(st->domeComputed);
  const LineInputs hot = inputs(n, 150, 300);
  app::ComputeAll(*st, hot, {});
  const LineRun fresh = compute(hot);
  EXPECT_FALSE(st->domeComputed);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(st->DomeT[i], 0);
    EXPECT_EQ(st->DomeSL[i], 0);
    EXPECT_EQ(st->DomeSV[i], 0);
  }
  EXPECT_EQ(st->Smin, fresh.st->Smin);
  EXPECT_EQ(st->Smax, fresh.st->Smax);
  EXPECT_EQ(st->hMin, fresh.st->hMin);
  // The frame comes from the isobars alone: every end at Tmax lies inside.
  EXPECT_EQ(st->Smax, std::max(st->IsoS[0][20], st->IsoS[1][20]));
}

TEST(Isenthalps, ExactlyOneIsenthalpKeepsProgressInRange) {
  const LineInputs in = inputs(5);
  auto st = std::make_unique<DiagramStore>();
  app::ComputeAll(*st, in, {});
  // An enthalpy range holding a single multiple of the smallest step.
  const Real h0 = 5 * std::round((st->hMin + st->hMax) / 10);
  st->hMin = h0 - 2;
  st->hMax = h0 + 2;
  std::vector<int> progress;
  app::ComputeIsenthalps(*st, in, [&](int p) { progress.push_back(p); });
  EXPECT_EQ(st->HStep, 5);
  ASSERT_EQ(st->HCount, 0);
  EXPECT_EQ(st->HValue[0], h0);
  ASSERT_EQ(progress.size(), 2u);
  EXPECT_EQ(progress[0], 63);
  EXPECT_GE(progress[1], 63);
  EXPECT_LE(progress[1], 100);
}

TEST(Isenthalps, RangeWithoutMultipleGivesNone) {
  const LineInputs in = inputs(5);
  auto st = std::make_unique<DiagramStore>();
  app::ComputeAll(*st, in, {});
  st->hMin = 101;
  st->hMax = 104;
  app::ComputeIsenthalps(*st, in, {});
  EXPECT_EQ(st->HCount, -1);
}

// Up to the highest temperature each model admits (1000 K or the equation's
// own limit; the cubic model's real-process outlets) every line is drawn by
// the same rules, and every point is a state of that model: the forward
// routine at the point's pressure and temperature gives back its entropy
// (isobars) or its enthalpy (isenthalps).
struct ModelCase {
  int subst;
  tfs::ModelKind kind;
  Real Tmax;        // the highest temperature, published (README's limits)
  int lastIsobar;   // the highest isobar below the model's pressure ceiling
};

class EveryModelToItsHighestTemperature : public ::testing::TestWithParam<ModelCase> {};

TEST_P(EveryModelToItsHighestTemperature, LinesAreStatesOfTheModel) {
  const ModelCase c = GetParam();
  app::AppState none;
  none.model = c.kind;
  const app::AppState chosen = app::substanceChoice(none, c.subst);
  const tfs::Model& m = chosen.eos();
  ASSERT_EQ(app::highestTmax(m), c.Tmax);
  ASSERT_EQ(chosen.lastIsobar, c.lastIsobar);
  const LineInputs in = app::lineInputs(app::withLimits(chosen, chosen.Tmin, c.Tmax));
  LineRun r;
  ASSERT_TRUE(app::libraryGuarded([&] { r = compute(in); }));
  const DiagramStore& st = *r.st;
  EXPECT_EQ(r.progress.back(), 100);
  expectInsideFrame(st, in);

  const tfs::ModelLimits& lim = m.limits();
  // A state in the dome has T = Tsat and no single-phase state to compare.
  auto inDome = [&](Real P, Real T) {
    if (!(P > st.PtrL && P < lim.Pcr)) return false;
    Real Tv = 0, Tl = 0;
    m.Tsat(P, Tv, Tl);
    return T > Tl - Real(1e-3) && T < Tv + Real(1e-3);
  };
  const Real R = m.gasConstant();
  for (int i = in.firstIsobar; i <= in.lastIsobar; ++i) {
    SCOPED_TRACE(testing::Message() << "isobar " << double(app::IsobarP[i]) << " MPa");
    EXPECT_EQ(st.IsoT[i][20], c.Tmax);
    for (int k = 1; k <= 20; ++k) EXPECT_GT(st.IsoS[i][k], st.IsoS[i][k - 1]) << k;
    for (int k = 0; k <= 20; ++k) {
      const Real T = st.IsoT[i][k];
      if (T == 0 || inDome(app::IsobarP[i], T)) continue;
      Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
      m.dhs_PT(app::IsobarP[i], T, d, h, s, Cp, x);
      EXPECT_NEAR(double(s), double(st.IsoS[i][k]), double(R / 500)) << "T = " << double(T);
    }
  }
  for (int i = in.lastIsobar + 1; i <= 10; ++i) EXPECT_EQ(st.IsoT[i][20], 0) << i;

  ASSERT_GE(st.HCount, 0);
  int points = 0;
  for (int j = 0; j <= st.HCount; ++j)
    for (int k = 0; k < 20; ++k) {
      const Real T = st.HT[j][k], P = app::PressureGrid[k];
      if (T == 0 || inDome(P, T)) continue;
      ++points;
      Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
      m.dhs_PT(P, T, d, h, s, Cp, x);
      EXPECT_NEAR(double(h), double(st.HValue[j]), double(R / 20)) << "isenthalp " << double(st.HValue[j]) << " at "
                                                                     << double(P) << " MPa";
      EXPECT_NEAR(double(s), double(st.HS[j][k]), double(R / 500));
    }
  EXPECT_GT(points, 20);
}

using tfs::ModelKind;
constexpr ModelKind kCubic = ModelKind::Cubic, kReference = ModelKind::Reference;
INSTANTIATE_TEST_SUITE_P(
    Lines, EveryModelToItsHighestTemperature,
    ::testing::Values(ModelCase{1, kCubic, 1000, 7}, ModelCase{2, kCubic, 700, 10}, ModelCase{3, kCubic, 700, 10},
                      ModelCase{4, kCubic, 1000, 10}, ModelCase{5, kCubic, 700, 10}, ModelCase{6, kCubic, 1000, 10},
                      ModelCase{7, kCubic, 700, 10}, ModelCase{8, kCubic, 1000, 10}, ModelCase{9, kCubic, 1000, 10},
                      ModelCase{10, kCubic, 1000, 10}, ModelCase{11, kCubic, 700, 10},
                      ModelCase{1, kReference, 1000, 10}, ModelCase{2, kReference, 1000, 10},
                      ModelCase{3, kReference, 1000, 10}, ModelCase{4, kReference, 725, 10},
                      ModelCase{5, kReference, 1000, 10}, ModelCase{6, kReference, 1000, 10},
                      ModelCase{7, kReference, 1000, 9}, ModelCase{8, kReference, 1000, 10},
                      ModelCase{9, kReference, 625, 10}, ModelCase{10, kReference, 623, 9},
                      ModelCase{11, kReference, 1000, 10}),
    [](const ::testing::TestParamInfo<ModelCase>& info) {
      std::string name = tfs::SubstName[info.param.subst];
      name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
      return name + (info.param.kind == kCubic ? "Cubic" : "Reference");
    });

}  // namespace
