// The plain parts of the diagram window: sorted points, axis numbers, the
// cursor mapping with its state, and the texts of the readout and points.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/base/numfmt.h"
#include "core/diagram/cursor.h"
#include "core/diagram/picture.h"
#include "core/diagram/readout.h"
#include "core/lines/ticks.h"
#include "thermo/limits.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace {

using tfs::Real;

bool sortedByEntropy(const std::vector<diagram::SPoint>& pts) {
  return std::is_sorted(pts.begin(), pts.end(), [](const auto& a, const auto& b) { return a.s < b.s; });
}

TEST(SortedPoints, InsertKeepsAscendingEntropyWhateverTheOrder) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> u(-3, 9);
  std::vector<diagram::SPoint> pts;
  for (int i = 0; i < 300; ++i) {
    // Some repeated entropies, as the dome gets the isobars' saturation points.
    const double s = i % 10 == 0 && !pts.empty() ? pts[i % pts.size()].s : u(rng);
    diagram::insertSorted(pts, {s, double(i)});
    ASSERT_TRUE(sortedByEntropy(pts)) << "after point " << i;
  }
  EXPECT_EQ(pts.size(), 300u);
}

TEST(SortedPoints, EqualEntropyGoesAfterTheEarlierPoint) {
  std::vector<diagram::SPoint> pts;
  diagram::insertSorted(pts, {2, 10});
  diagram::insertSorted(pts, {1, 5});
  diagram::insertSorted(pts, {2, 20});
  EXPECT_EQ(pts, (std::vector<diagram::SPoint>{{1, 5}, {2, 10}, {2, 20}}));
}

TEST(AxisNumbers, LogarithmicAxisNumbersRoundValuesAcrossTheRange) {
  EXPECT_EQ(diagram::logTicks(63.1511, 350), (std::vector<double>{70, 100, 150, 200, 300}));
  EXPECT_EQ(diagram::logTicks(2.1771, 350),
            (std::vector<double>{3, 5, 7, 10, 15, 20, 30, 50, 70, 100, 150, 200, 300}));
  // Limits that are themselves round values are numbered.
  EXPECT_EQ(diagram::logTicks(100, 300), (std::vector<double>{100, 150, 200, 300}));
  // Carbon dioxide's range holds only 300 of them: round steps instead.
  EXPECT_EQ(diagram::logTicks(216.5901, 350), (std::vector<double>{220, 240, 260, 280, 300, 320, 340}));
  EXPECT_TRUE(diagram::logTicks(0, 300).empty());
  EXPECT_TRUE(diagram::logTicks(300, 100).empty());
}

TEST(AxisNumbers, LinearAxisStepsAreRoundAndFew) {
  const std::vector<double> t = diagram::linearTicks(63.1511, 350, 16, 20);
  ASSERT_FALSE(t.empty());
  EXPECT_EQ(t.front(), 80);
  EXPECT_EQ(t.back(), 340);
  EXPECT_EQ(t.size(), 14u);
  // Too many multiples of 20 for 16 numbers: the next round step.
  const std::vector<double> he = diagram::linearTicks(2.1771, 350, 16, 20);
  ASSERT_GE(he.size(), 2u);
  EXPECT_EQ(he[1] - he[0], 50);
  EXPECT_LE(he.size(), 16u);
  const std::vector<double> s = diagram::linearTicks(2.41, 7.23, 12);
  ASSERT_GE(s.size(), 2u);
  EXPECT_NEAR(s[1] - s[0], 0.5, 1e-12);
  EXPECT_NEAR(s.front(), 2.5, 1e-12);
  EXPECT_NEAR(s.back(), 7.0, 1e-12);
}

diagram::Scale nitrogenScale(bool log) {
  diagram::Scale sc;
  sc.log = log;
  sc.Tmin = Real(63.1511);
  sc.Tmax = 350;
  sc.lnTmin = std::log(sc.Tmin);
  sc.lnTmax = std::log(sc.Tmax);
  sc.Smin = Real(2.4);
  sc.Srange = Real(4.8);
  return sc;
}

TEST(CursorMapping, PixelsAndStatesMapBothWaysOnBothScales) {
  const diagram::PlotRect r{60, 30, 1250, 940};
  for (bool log : {true, false}) {
    const diagram::Scale sc = nitrogenScale(log);
    for (Real T : {Real(70), Real(126.2), Real(300)}) {
      const double y = diagram::pixelY(r, T, sc);
      Real back = 0;
      ASSERT_TRUE(diagram::cursorT(r, y, sc, back));
      EXPECT_NEAR(double(back), double(T), 1e-9) << "log " << log;
    }
    for (Real s : {Real(2.5), Real(4.5), Real(7.1)}) {
      Real back = 0;
      ASSERT_TRUE(diagram::cursorS(r, diagram::pixelX(r, s, sc), sc, back));
      EXPECT_NEAR(double(back), double(s), 1e-12);
    }
    // The middle of the plot is the geometric mean on the logarithmic scale.
    Real mid = 0;
    diagram::cursorT(r, (r.top + r.bottom) / 2, sc, mid);
    EXPECT_NEAR(double(mid), log ? std::sqrt(63.1511 * 350) : (63.1511 + 350) / 2, 1e-9);
  }
}

TEST(CursorMapping, TemperatureIsClampedEntropyIsNot) {
  const diagram::PlotRect r{60, 30, 1250, 940};
  const diagram::Scale sc = nitrogenScale(true);
  Real T = 0, s = 0;
  diagram::cursorT(r, r.top - 40, sc, T);
  EXPECT_EQ(T, sc.Tmax);
  diagram::cursorT(r, r.bottom + 40, sc, T);
  EXPECT_EQ(T, sc.Tmin);
  diagram::cursorS(r, r.left - 119, sc, s);
  EXPECT_LT(s, sc.Smin);
  // A plot too small to read keeps the previous values.
  const diagram::PlotRect flat{60, 30, 1250, 40};
  T = 123;
  EXPECT_FALSE(diagram::cursorT(flat, 35, sc, T));
  EXPECT_EQ(T, 123);
  const diagram::PlotRect narrow{60, 30, 70, 940};
  s = 4;
  EXPECT_FALSE(diagram::cursorS(narrow, 65, sc, s));
  EXPECT_EQ(s, 4);
}

TEST(CursorState, ComputedOnlyAboveTminAndRightOfSmin) {
  const diagram::Scale sc = nitrogenScale(true);
  EXPECT_FALSE(diagram::stateAt(tfs::cubicModel(5), sc.Tmin, 5, sc).computed);
  EXPECT_FALSE(diagram::stateAt(tfs::cubicModel(5), 200, sc.Smin, sc).computed);
  const diagram::CursorState st = diagram::stateAt(tfs::cubicModel(5), 200, Real(5.5), sc);
  ASSERT_TRUE(st.computed);
  Real P, d, h, Cp, x;
  tfs::Pdh_Ts("N2", 200, Real(5.5), P, d, h, Cp, x);
  EXPECT_EQ(st.P, P);
  EXPECT_EQ(st.d, d);
  EXPECT_EQ(st.h, h);
  EXPECT_EQ(st.Cp, Cp);
  EXPECT_EQ(st.found, P > 0);
  EXPECT_GT(P, 0);
}

// Where the cursor finds no state the readout says why: left of the
// entropy of the solidification line (the solid), or of the highest
// pressure searched (the ceiling, above the critical temperature or where
// solidification lies above it), or outside the diagram's region.
TEST(CursorState, NoStateSaysWhy) {
  struct Case {
    const char* name;
    Real T;
    diagram::NoState why;
    const char* limit;
  };
  const Case cases[] = {{"N2", Real(65.15), diagram::NoState::Solid, "левее линии затвердевания"},
                        {"Ar", Real(85.78), diagram::NoState::Solid, "левее линии затвердевания"},
                        {"n-H2", Real(18.947), diagram::NoState::Solid, "левее линии затвердевания"},
                        {"CO2", Real(226.55), diagram::NoState::Ceiling, "P > 100 МПа"},
                        {"He", Real(4.2), diagram::NoState::Ceiling, "P > 10 МПа"},
                        {"N2", 200, diagram::NoState::Ceiling, "P > 100 МПа"},
                        {"CH4", 300, diagram::NoState::Ceiling, "P > 100 МПа"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << ' ' << double(c.T));
    const int n = tfs::SubstIndex(c.name);
    const tfs::Model& m = tfs::cubicModel(n);
    // The boundary: the solidification pressure or the highest one searched,
    // whichever is lower; the cursor a little left of its entropy.
    const Real Pb = c.why == diagram::NoState::Solid ? tfs::Pmelt(c.name, c.T) : tfs::pressureCeiling(n);
    Real d, h, sb, Cp, x;
    tfs::dhs_PT(c.name, Pb, c.T, d, h, sb, Cp, x);
    diagram::Scale sc = nitrogenScale(true);
    sc.Tmin = tfs::Ttr[n] + Real(0.0001);
    sc.Smin = sb - 10;
    const diagram::CursorState left = diagram::stateAt(m, c.T, sb - Real(0.05), sc);
    EXPECT_TRUE(left.computed);
    EXPECT_FALSE(left.found);
    EXPECT_EQ(left.why, c.why);
    const auto texts = diagram::noStateTexts(left, m);
    EXPECT_EQ(texts[0], "вне области расчета");
    EXPECT_EQ(texts[1], c.limit);
    // Right of the boundary a state is found, and nothing is said.
    const diagram::CursorState right = diagram::stateAt(m, c.T, sb + Real(0.05), sc);
    EXPECT_TRUE(right.found);
    EXPECT_EQ(right.why, diagram::NoState::None);
    EXPECT_EQ(diagram::noStateTexts(right, m)[0], "");
  }
  // On Tmin or left of Smin nothing is looked for: outside the region.
  const diagram::Scale sc = nitrogenScale(true);
  const tfs::Model& n2 = tfs::cubicModel(5);
  for (const diagram::CursorState& st : {diagram::stateAt(n2, sc.Tmin, 5, sc), diagram::stateAt(n2, 200, sc.Smin, sc)}) {
    EXPECT_EQ(st.why, diagram::NoState::Outside);
    EXPECT_EQ(diagram::noStateTexts(st, n2)[0], "вне области расчета");
    EXPECT_EQ(diagram::noStateTexts(st, n2)[1], "");
  }
}

TEST(PointsTable, RowTextsAndWhenAClickPicks) {
  app::PointRow row{"N2", 77.35L, 0.1L, 10.5L, 100, 4, 1000000, 0.46L};  // T, P, d, h, s, Cp, x
  const diagram::PointCells c = diagram::pointRowTexts(row, 1);
  EXPECT_EQ(c[0], "    1");
  EXPECT_EQ(c[1], "  N2");
  EXPECT_EQ(c[2], app::format("%6.2f", 77.35L));
  EXPECT_EQ(c[8], app::format("%6.2f", 54));  // dryness 1 - x in percent
  row.x = 1;
  EXPECT_EQ(diagram::pointRowTexts(row, 120)[8], "");
  EXPECT_EQ(diagram::pointRowTexts(row, 120)[0], "  120");
  EXPECT_EQ(diagram::PointHeaders()[7], " Ср, кДж/(кг.К)");

  app::AppState st;
  st.Tmin = 63.2L;
  st.Tmax = 350;
  st.lastIsobar = 10;
  diagram::CursorState at;
  at.found = true;
  at.P = 99;
  EXPECT_TRUE(diagram::clickPicks(st, 200, at));
  EXPECT_FALSE(diagram::clickPicks(st, 350, at));  // on a limit
  at.P = 100;
  EXPECT_FALSE(diagram::clickPicks(st, 200, at));  // at the highest isobar
  st.lastIsobar = 9;
  at.P = 49;
  EXPECT_TRUE(diagram::clickPicks(st, 200, at));
  at.found = false;
  EXPECT_FALSE(diagram::clickPicks(st, 200, at));  // nothing found here
}

}  // namespace
