// The diagram picture composed from a session: its lines in their look, the
// value labels where their lines put them, the axes, the process lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/base/numfmt.h"
#include "core/diagram/picture.h"
#include "session_support.h"
#include "thermo/substances.h"

namespace {

using diagram::kIsenthalp0;
using diagram::kIsobar0;
using diagram::Polyline;
using tfs::Real;

app::Session chosen(const char* name, app::ScaleKind scale = app::ScaleKind::Logarithmic) {
  app::Session s;
  testing_support::choose(s, name, 350, scale);
  return s;
}

bool sortedByEntropy(const Polyline& l) {
  return std::is_sorted(l.points.begin(), l.points.end(), [](const auto& a, const auto& b) { return a.s < b.s; });
}

const diagram::Label* label(const diagram::Picture& p, diagram::LabelRole role, int index) {
  for (const diagram::Label& l : p.labels)
    if (l.role == role && l.index == index) return &l;
  return nullptr;
}

std::vector<std::string> tickTexts(const diagram::Axis& a) {
  std::vector<std::string> t;
  for (const diagram::Tick& k : a.ticks) t.push_back(k.text);
  return t;
}

TEST(Picture, NitrogenHasThirtySixLinesInTheirLook) {
  const app::Session s = chosen("N2");
  const diagram::Picture p = diagram::composePicture(s);
  ASSERT_TRUE(p.valid);
  ASSERT_EQ(p.lines.size(), 36u);
  EXPECT_EQ(p.caption, " TS диаграмма для АЗОТА (в систeме SI, SRK)");  // the model named
  const app::DiagramStore& d = s.lines;
  // Frame: the entropy extent at the temperature limits.
  EXPECT_EQ(p.lines[0].points,
            (std::vector<diagram::SPoint>{{double(d.Smin), double(s.main.Tmin)}, {double(d.Smax), 350}}));
  EXPECT_EQ(p.lines[1].colour, diagram::kBlue);
  EXPECT_EQ(p.lines[2].colour, diagram::kLime);
  EXPECT_EQ(p.lines[1].width, 2);
  for (int i = 0; i <= 10; ++i) {
    const Polyline& iso = p.lines[kIsobar0 + i];
    EXPECT_GE(iso.points.size(), 21u) << "isobar " << i;
    const bool red = i == 1 || i == 4 || i == 7 || i == 10;
    EXPECT_EQ(iso.colour, red ? diagram::kRed : diagram::kBlack) << "isobar " << i;
  }
  // The 1 MPa isobar is subcritical: its saturation points at one temperature.
  int atSat = 0;
  for (const diagram::SPoint& q : p.lines[kIsobar0 + 4].points) atSat += std::fabs(q.T - double(d.IsoSatTV[4])) < 1e-9;
  EXPECT_GE(atSat, 2);
  for (int j = 0; j <= d.HCount; ++j) EXPECT_GT(p.lines[kIsenthalp0 + j].points.size(), 1u) << "isenthalp " << j;
  for (int pos = 19; pos <= 24; ++pos) {
    EXPECT_EQ(p.lines[pos].colour, diagram::kGreen) << pos;
    EXPECT_EQ(p.lines[pos].dash, diagram::Dash::Dashed) << pos;
  }
  EXPECT_EQ(p.lines[diagram::kMelting].points.size(), 11u);  // one start point per isobar
  EXPECT_FALSE(p.lines[diagram::kMarkers].joined);
  EXPECT_EQ(p.lines[diagram::kMarkers].marker, 3);
  EXPECT_EQ(p.lines[26].width, 3);
  for (const Polyline& l : p.lines) EXPECT_TRUE(sortedByEntropy(l));
  // The dome's top is at the critical temperature.
  double top = 0;
  for (const diagram::SPoint& q : p.lines[1].points) top = std::max(top, q.T);
  EXPECT_DOUBLE_EQ(top, double(tfs::Tcr[tfs::SubstIndex("N2")]));
  app::Session none;
  EXPECT_FALSE(diagram::composePicture(none).valid);  // nothing chosen yet
}

TEST(Picture, IsobarLabelsFollowEachSubstancesIsobars) {
  struct Case {
    const char* name;
    std::vector<int> labelled;
  };
  for (const Case& c : {Case{"N2", {1, 4, 7, 10}}, Case{"He", {1, 4, 7}}, Case{"CO2", {4, 7, 10}}}) {
    SCOPED_TRACE(c.name);
    const app::Session s = chosen(c.name);
    const diagram::Picture p = diagram::composePicture(s);
    std::vector<int> got;
    for (const diagram::Label& l : p.labels)
      if (l.role == diagram::LabelRole::Isobar) {
        got.push_back(l.index);
        // At the isobar's end at Tmax, two pixels to the left.
        EXPECT_EQ(l.s, double(s.lines.IsoS[l.index][20]));
        EXPECT_EQ(l.dx, -2);
      }
    EXPECT_EQ(got, c.labelled);
  }
  const diagram::Picture he = diagram::composePicture(chosen("He"));
  for (int i = 8; i <= 10; ++i) EXPECT_TRUE(he.lines[kIsobar0 + i].points.empty()) << "isobar " << i;
  EXPECT_EQ(label(he, diagram::LabelRole::Isobar, 7)->text, app::format("%3.0f МПа", 10));
  EXPECT_EQ(label(he, diagram::LabelRole::Isobar, 1)->text, app::format("%3.1f ", Real(0.1)));
  // Carbon dioxide's low-pressure isobars run from Tmin to Tmax.
  const app::Session co2 = chosen("CO2");
  const diagram::Picture p = diagram::composePicture(co2);
  for (int i = 0; i < 4; ++i) {
    const auto& pts = p.lines[kIsobar0 + i].points;
    ASSERT_EQ(pts.size(), 21u) << "isobar " << i;
    EXPECT_NEAR(pts.front().T, double(co2.main.Tmin), 1e-6);
    EXPECT_NEAR(pts.back().T, 350, 1e-6);
  }
  EXPECT_EQ(p.lines[diagram::kMelting].points.size(), 7u);  // regular isobars 1 ... 100 MPa
}

TEST(Picture, IsenthalpLabelsSitOnTheirFirstPointOrAtTheFirstIsobar) {
  for (const char* name : {"N2", "CO2", "He"}) {
    SCOPED_TRACE(name);
    const app::Session s = chosen(name);
    const app::DiagramStore& d = s.lines;
    const diagram::Picture p = diagram::composePicture(s);
    int placed = 0;
    for (int n = 0; n <= d.HCount; ++n) {
      const int g = d.GridFirst;
      const Real T = d.HT[n][0] > 2 ? d.HT[n][0] : d.HT[n][g];
      const Real sl = d.HT[n][0] > 0 ? d.HS[n][0] : d.HS[n][g];
      const diagram::Label* l = label(p, diagram::LabelRole::Isenthalp, n);
      if (!(T > 0)) {
        EXPECT_FALSE(l) << n;
        continue;
      }
      ASSERT_TRUE(l) << n;
      EXPECT_EQ(l->T, double(T));
      EXPECT_EQ(l->s, double(sl));
      const bool inDome = d.SLFirst < sl && sl < d.SVFirst;
      EXPECT_EQ(l->dx, inDome ? -16 : 4);
      EXPECT_EQ(l->dy, inDome ? 4 : -6);
      EXPECT_EQ(l->text, app::format("%5.1f", d.HValue[n]));
      ++placed;
    }
    EXPECT_GT(placed, 3);
  }
}

TEST(Picture, TemperatureAxisNumbersRoundValuesOnBothScales) {
  EXPECT_EQ(tickTexts(diagram::composePicture(chosen("N2")).T),
            (std::vector<std::string>{"70", "100", "150", "200", "300"}));
  const diagram::Picture lin = diagram::composePicture(chosen("N2", app::ScaleKind::Linear));
  EXPECT_FALSE(lin.log);
  ASSERT_GE(lin.T.ticks.size(), 10u);
  EXPECT_EQ(lin.T.ticks.front().text, "80");
  EXPECT_EQ(lin.T.ticks.back().text, "340");
  for (const diagram::Tick& t : lin.T.ticks) EXPECT_EQ(std::to_string(int(t.value)), t.text);
  const std::vector<std::string> he = tickTexts(diagram::composePicture(chosen("He")).T);
  EXPECT_NE(std::find(he.begin(), he.end(), "3"), he.end());
  EXPECT_NE(std::find(he.begin(), he.end(), "300"), he.end());
  EXPECT_EQ(lin.s.title, "Энтропия S, кДж/(кг.К)");
}

TEST(Picture, ProcessLinesAreDrawnUpToTheFrame) {
  for (app::ScaleKind scale : {app::ScaleKind::Logarithmic, app::ScaleKind::Linear}) {
    app::Session s = chosen("N2", scale);
    const app::DiagramStore& d = s.lines;
    diagram::ProcStore& pr = s.procLines;
    // Line 1 along 150 K from Smin to Smax, ending at Tmax; one point absent.
    for (int j = 0; j <= 15; ++j) {
      pr.ProcS[1][j] = d.Smin + (d.Smax - d.Smin) * j / 15;
      pr.ProcT[1][j] = 150;
    }
    pr.ProcT[1][15] = s.main.Tmax;
    pr.ProcT[1][7] = 0;
    // Line 2 inside; line 3 a vertical isentrope from 200 K to 400 K, above
    // Tmax; line 4 from inside to the left of Smin.
    pr.ProcS[2][0] = 4, pr.ProcT[2][0] = 200, pr.ProcS[2][15] = 5, pr.ProcT[2][15] = 250;
    pr.ProcS[3][0] = 5, pr.ProcT[3][0] = 200, pr.ProcS[3][15] = 5, pr.ProcT[3][15] = 400;
    const Real sOut = d.Smin - 1;
    pr.ProcS[4][0] = 4, pr.ProcT[4][0] = 100, pr.ProcS[4][15] = sOut, pr.ProcT[4][15] = 100;
    pr.ProcIndex = pr.ProcCount = 4;
    const diagram::Picture p = diagram::composePicture(s);
    EXPECT_EQ(p.lines[26].points.size(), 15u);  // every present point, on the frame too
    EXPECT_EQ(p.lines[27].points, (std::vector<diagram::SPoint>{{4, 200}, {5, 250}}));
    EXPECT_EQ(p.lines[28].points, (std::vector<diagram::SPoint>{{5, 200}, {5, 350}}));
    ASSERT_EQ(p.lines[29].points.size(), 2u);
    EXPECT_DOUBLE_EQ(p.lines[29].points[0].s, double(d.Smin));
    EXPECT_NEAR(p.lines[29].points[0].T, 100, 1e-9);
    // Markers only for the ends inside the frame: 4, 5, the isentrope's
    // start and line 4's start.
    EXPECT_EQ(p.lines[diagram::kMarkers].points.size(), 4u);
    // Lines beyond the count are not drawn.
    pr.ProcCount = 1;
    EXPECT_TRUE(diagram::composePicture(s).lines[27].points.empty());
  }
}

// Real processes come after the 36 lines, which keep their places: the
// chord dashed, the ideal reference solid, both red and cut at the frame.
TEST(Picture, RealProcessesAfterTheThirtySixLines) {
  app::Session s = chosen("N2");
  const diagram::Picture before = diagram::composePicture(s);
  diagram::DeviceLine a;  // a compressor leaving the frame above Tmax = 350 K
  a.inS = 6.8, a.inT = 300, a.outS = 7.0, a.outT = 640;
  a.S[0] = 6.8, a.T[0] = 300, a.S[15] = 6.8, a.T[15] = 575;
  diagram::DeviceLine b;  // a throttle inside the frame, its isentrope dropping
  b.inS = 5.2, b.inT = 300, b.outS = 6.7, b.outT = 271;
  b.S[0] = 5.2, b.T[0] = 300, b.S[15] = 5.2, b.T[15] = 200;
  s.deviceLines.lines = {a, b};
  const diagram::Picture p = diagram::composePicture(s);
  ASSERT_EQ(p.lines.size(), 40u);
  for (int k = 0; k < diagram::kLineCount; ++k) {
    if (k != diagram::kMarkers) {
      EXPECT_EQ(p.lines[k].points, before.lines[k].points) << k;
    }
  }
  const Polyline& chordA = p.lines[diagram::kDevice0];
  const Polyline& idealA = p.lines[diagram::kDevice0 + 1];
  EXPECT_EQ(chordA.role, diagram::LineRole::DeviceReal);
  EXPECT_EQ(chordA.dash, diagram::Dash::Dashed);
  EXPECT_EQ(idealA.dash, diagram::Dash::Solid);
  EXPECT_EQ(chordA.colour, diagram::kRed);
  EXPECT_EQ(idealA.colour, diagram::kRed);
  // Cut where the straight chord (in s, ln T) meets Tmax.
  ASSERT_EQ(chordA.points.size(), 2u);
  EXPECT_EQ(chordA.points[0], (diagram::SPoint{6.8, 300}));
  const double t = std::log(350.0 / 300) / std::log(640.0 / 300);
  EXPECT_NEAR(chordA.points[1].s, 6.8 + 0.2 * t, 1e-9);
  EXPECT_DOUBLE_EQ(chordA.points[1].T, 350);
  EXPECT_EQ(idealA.points, (std::vector<diagram::SPoint>{{6.8, 300}, {6.8, 350}}));
  EXPECT_EQ(p.lines[diagram::kDevice0 + 2].points, (std::vector<diagram::SPoint>{{5.2, 300}, {6.7, 271}}));
  EXPECT_EQ(p.lines[diagram::kDevice0 + 3].index, 2);
  // Ends inside the frame are marked once: a's inlet, b's three ends.
  EXPECT_EQ(p.lines[diagram::kMarkers].points.size(), before.lines[diagram::kMarkers].points.size() + 4);
}

TEST(Picture, ALineThatLeavesAndReentersIsDrawnInPieces) {
  app::Session s = chosen("N2");
  diagram::ProcStore& pr = s.procLines;
  const Real T[16] = {200, 300, 400, 300, 200};
  for (int j = 0; j < 5; ++j) {
    pr.ProcS[1][j] = 4 + Real(0.2) * j;
    pr.ProcT[1][j] = T[j];
  }
  pr.ProcIndex = pr.ProcCount = 1;
  const diagram::Picture p = diagram::composePicture(s);
  const diagram::Polyline& l = p.lines[26];
  ASSERT_EQ(l.breaks, std::vector<int>{3});
  ASSERT_EQ(l.points.size(), 6u);
  EXPECT_NEAR(l.points[2].T, 350, 1e-9);  // out at Tmax
  EXPECT_NEAR(l.points[3].T, 350, 1e-9);  // and back in
}

// Per mole the entropy axis carries round numbers of J/(mol K), each at its
// entropy per kilogram, and the isenthalps their enthalpy per mole; the
// lines are those of the specific picture.
TEST(Picture, MolarAxisAndLabels) {
  for (const char* name : {"He", "N2", "R14"}) {
    SCOPED_TRACE(name);
    app::Session s = chosen(name);
    const diagram::Picture kg = diagram::composePicture(s);
    s.main.units = app::Units::Molar;
    const diagram::Picture mol = diagram::composePicture(s);
    const double M = double(tfs::MolMass[tfs::SubstIndex(name)]);
    EXPECT_EQ(mol.s.title, "Энтропия S, Дж/(моль.К)");
    EXPECT_EQ(kg.s.title, "Энтропия S, кДж/(кг.К)");
    ASSERT_GE(mol.s.ticks.size(), 4u);
    const double step = (mol.s.ticks[1].value - mol.s.ticks[0].value) * M;
    for (const diagram::Tick& t : mol.s.ticks) {
      const double shown = t.value * M;
      EXPECT_NEAR(shown / step, std::round(shown / step), 1e-9);
      std::string text = t.text;
      std::replace(text.begin(), text.end(), ',', '.');
      EXPECT_NEAR(std::stod(text), shown, 1e-6 * std::max(1.0, std::fabs(shown)));
      EXPECT_GE(t.value, mol.s.lo - 1e-12);
      EXPECT_LE(t.value, mol.s.hi + 1e-12);
    }
    for (int j = 0; j <= std::min(s.lines.HCount, 9); ++j) {
      if (const diagram::Label* l = label(mol, diagram::LabelRole::Isenthalp, j)) {
        EXPECT_EQ(l->text, app::format("%5.0f", s.lines.HValue[j] * tfs::MolMass[tfs::SubstIndex(name)]));
      }
    }
    ASSERT_EQ(mol.lines.size(), kg.lines.size());
    for (std::size_t k = 0; k < kg.lines.size(); ++k) EXPECT_EQ(mol.lines[k].points, kg.lines[k].points) << k;
    EXPECT_EQ(mol.T.ticks.size(), kg.T.ticks.size());
  }
}

}  // namespace
