// The diagram kinds (T–s, lg p–h, h–s): frames, the adaptive sampler, the
// families of lines against the physics they stand for (checked with the
// direct routines of the library, not with the lines' own code), labels,
// zooming and the axes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "core/base/numfmt.h"
#include "core/lines/families.h"
#include "core/session/session.h"
#include "core/session/substance.h"
#include "thermo/inversion.h"
#include "thermo/model.h"
#include "thermo/report.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace {

using namespace diagram::kinds;
using tfs::Real;

const char* const kSubstances[] = {"N2", "He", "n-H2", "CO2", "Air"};
const Kind kKinds[] = {Kind::TS, Kind::PH, Kind::HS};
const char* kindName(Kind k) { return k == Kind::TS ? "T-s" : k == Kind::PH ? "lg p-h" : "h-s"; }

const tfs::Model& model(const char* name) { return tfs::cubicModel(tfs::substanceIndex(name)); }

// The diagram's limits as the main window sets them on a substance choice.
Limits limitsOf(const char* name) {
  const app::AppState st = app::substanceChoice(app::AppState{}, tfs::substanceIndex(name));
  return {double(st.Tmin), double(st.Tmax), st.firstIsobar, st.lastIsobar};
}

double segmentDistance(Pixel p, Pixel a, Pixel b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double u = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
  return std::hypot(p.x - a.x - u * dx, p.y - a.y - u * dy);
}

// Calls f for every drawn segment of a path.
void forSegments(const Path& p, const std::function<void(XY, XY)>& f) {
  std::set<int> starts(p.breaks.begin(), p.breaks.end());
  for (std::size_t i = 1; i < p.points.size(); ++i)
    if (!starts.count(int(i))) f(p.points[i - 1], p.points[i]);
}

State statePT(const tfs::Model& m, double P, double T) {
  Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
  m.dhs_PT(P, T, d, h, s, Cp, x);
  return {T, P, double(h), double(s), double(d), double(x)};
}

// T of the single-phase state with value want of f at P, by bisection on
// the direct routine (f rises with T at constant P).
double temperatureWhere(const tfs::Model& m, double P, double want, double (*f)(const State&), double lo,
                        double hi) {
  for (int i = 0; i < 200 && hi - lo > 1e-13 * hi; ++i) {
    const double mid = (lo + hi) / 2;
    (f(statePT(m, P, mid)) < want ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}
double entropyOf(const State& st) { return st.s; }
double enthalpyOf(const State& st) { return st.h; }

XY criticalPoint(const tfs::Model& m, Kind k) {
  Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  m.dhs2_T(m.limits().Tcr, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  const State c{double(m.limits().Tcr), double(Pv + Pl) / 2, double(hv + hl) / 2, double(sv + sl) / 2, 0, 0};
  return coordinates(k, c);
}

double numberIn(const std::string& text) {
  std::string t;
  for (char c : text)
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == ',') t += c == ',' ? '.' : c;
    else if (!t.empty())
      break;
  return std::stod(t);
}

// ---------------------------------------------------------------- frames

TEST(KindFrames, FullFrameHoldsTheDiagramsStatesWithASmallMargin) {
  for (const char* name : kSubstances) {
    const tfs::Model& m = model(name);
    const Limits lim = limitsOf(name);
    const double Phi = lim.lastIsobar == 7 ? 10 : 100;
    std::vector<State> corners = {statePT(m, 0.05, lim.Tmax), statePT(m, Phi, lim.Tmax)};
    const double Tm = double(m.Tmelt(Phi));
    corners.push_back(statePT(m, Phi, std::max(lim.Tmin, Tm)));
    Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
    m.dhs2_T(lim.Tmin, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
    corners.push_back({lim.Tmin, double(Pv), double(hv), double(sv), double(dv), 0});
    corners.push_back({lim.Tmin, double(Pl), double(hl), double(sl), double(dl), 1});
    for (Kind k : kKinds) {
      const Frame f = KindLines(m, lim).fullFrame(k, true, 1200, 900);
      double xlo = HUGE_VAL, xhi = -HUGE_VAL;
      for (const State& st : corners) {
        const XY p = coordinates(k, st);
        EXPECT_GE(p.x, f.xLo) << name << " " << kindName(k);
        EXPECT_LE(p.x, f.xHi) << name << " " << kindName(k);
        EXPECT_GE(p.y, f.yLo * (1 - 1e-12)) << name << " " << kindName(k);
        EXPECT_LE(p.y, f.yHi * (1 + 1e-12)) << name << " " << kindName(k);
        xlo = std::min(xlo, p.x), xhi = std::max(xhi, p.x);
      }
      EXPECT_LT(f.xHi - f.xLo, 1.1 * (xhi - xlo)) << name << " " << kindName(k);
      EXPECT_EQ(f.logY, k != Kind::HS) << name;
      if (k == Kind::TS) {
        EXPECT_EQ(f.yLo, lim.Tmin) << "the T–s diagram keeps its limits";
      }
    }
  }
}

TEST(KindFrames, PixelsMapBothWaysAndZoomKeepsThePointUnderTheMouse) {
  for (bool log : {false, true}) {
    const Frame f{Kind::PH, -150, 370, 0.0125, 100, log, 1200, 900};
    for (XY p : {XY{0, 1}, XY{-100, 0.02}, XY{300, 70}}) {
      const XY back = fromPixel(f, toPixel(f, p));
      EXPECT_NEAR(back.x, p.x, 1e-9);
      EXPECT_NEAR(back.y, p.y, 1e-12 * p.y);
    }
    const Pixel c{333, 777};
    const XY at = fromPixel(f, c);
    for (double z : {2.0, 100.0, 1000.0, 0.5}) {
      const Frame zf = zoomed(f, z, c);
      const Pixel again = toPixel(zf, at);
      EXPECT_NEAR(again.x, c.x, 1e-6);
      EXPECT_NEAR(again.y, c.y, 1e-6);
      EXPECT_NEAR((f.xHi - f.xLo) / (zf.xHi - zf.xLo), z, 1e-9 * z);
    }
    // Dragged 50 px right and 20 px down, the content moves with it.
    const Frame moved = panned(f, 50, 20);
    const Pixel q = toPixel(moved, at);
    EXPECT_NEAR(q.x, c.x + 50, 1e-6);
    EXPECT_NEAR(q.y, c.y + 20, 1e-6);
  }
}

// --------------------------------------------------------------- sampler

TEST(KindSampler, ACircleShowsNoCornerAndNoLongSegment) {
  const Frame f{Kind::HS, -2, 2, -1.5, 1.5, false, 800, 600};  // 200 px per unit both ways
  const SamplerLimits lim;
  for (double r : {0.01, 0.3, 1.2}) {
    const Curve circle = [r](double t, XY& at) {
      at = {r * std::cos(t), r * std::sin(t)};
      return true;
    };
    Path p;
    clipInto(sampleCurve(circle, 0, 2 * M_PI, 8, f, lim).samples, f, lim.margin, p);
    ASSERT_GT(p.points.size(), 8u);
    const double R = 200 * r;
    forSegments(p, [&](XY a, XY b) {
      const Pixel pa = toPixel(f, a), pb = toPixel(f, b);
      const double c = std::hypot(pb.x - pa.x, pb.y - pa.y);
      // The arc over a chord c bulges R - sqrt(R^2 - c^2/4) from it.
      EXPECT_LE(R - std::sqrt(R * R - c * c / 4), lim.tolerance) << "r " << r;
      EXPECT_LE(c, lim.maxSegment) << "r " << r;
    });
  }
}

TEST(KindSampler, ALineLeavingAndReenteringTheFrameIsClippedWithBreaks) {
  const Frame f{Kind::HS, 0, 10, -1, 1, false, 1000, 200};
  const SamplerLimits lim;
  // y = 1.5 sin(x) leaves through the top and the bottom twice each.
  const Curve wave = [](double t, XY& at) {
    at = {t, 1.5 * std::sin(t)};
    return true;
  };
  Path p;
  clipInto(sampleCurve(wave, 0, 10, 10, f, lim).samples, f, lim.margin, p);
  // Where |1.5 sin x| <= 1 (grown by the margin): around 0, pi, 2 pi and
  // 3 pi, four arcs.
  EXPECT_EQ(p.breaks.size(), 3u);
  const double yMax = 1 + lim.margin / 100;  // 100 px per unit of y
  for (const XY& q : p.points) EXPECT_LE(std::fabs(q.y), yMax * (1 + 1e-9));
  for (int b : p.breaks) {
    // A run starts and the one before ends on the border of the margin.
    EXPECT_NEAR(std::fabs(p.points[b].y), yMax, 1e-9);
    EXPECT_NEAR(std::fabs(p.points[b - 1].y), yMax, 1e-9);
  }
  // Nothing of a line wholly outside.
  Path none;
  const Curve far = [](double t, XY& at) {
    at = {t, 5 + std::sin(t)};
    return true;
  };
  clipInto(sampleCurve(far, 0, 10, 10, f, lim).samples, f, lim.margin, none);
  EXPECT_TRUE(none.empty());
}

TEST(KindSampler, HolesBreakTheLineAndTheirEdgesAreFoundToThePixel) {
  const Frame f{Kind::HS, 0, 1, 0, 1, false, 1000, 1000};
  const SamplerLimits lim;
  int evaluations = 0;
  const Curve holed = [&](double t, XY& at) {
    ++evaluations;
    at = {t, 0.5 + 0.3 * std::sin(3 * t)};
    return t < 0.4 || t > 0.6;
  };
  Path p;
  const Sampling s = sampleCurve(holed, 0, 1, 16, f, lim);
  clipInto(s.samples, f, lim.margin, p);
  EXPECT_EQ(s.evaluations, evaluations);
  ASSERT_EQ(p.breaks.size(), 1u);
  const double before = p.points[p.breaks[0] - 1].x, after = p.points[p.breaks[0]].x;
  // One pixel is 0.001 in x.
  EXPECT_LE(before, 0.4);
  EXPECT_GT(before, 0.4 - 0.001);
  EXPECT_GE(after, 0.6);
  EXPECT_LT(after, 0.6 + 0.001);
  forSegments(p, [](XY a, XY b) { EXPECT_FALSE(a.x < 0.5 && b.x > 0.5) << "a segment across the hole"; });
}

TEST(KindSampler, AJumpIsBrokenASteepLineIsNot) {
  const Frame f{Kind::HS, 0, 1, -1, 1, false, 1000, 1000};
  const SamplerLimits lim;
  for (bool jump : {true, false}) {
    // A step of 500 px at t = 0.37, or a cube root as steep at 0.37.
    const Curve c = [jump](double t, XY& at) {
      const double u = t - 0.37;
      at = {t, jump ? (u < 0 ? -0.5 : 0.5) : std::cbrt(u)};
      return true;
    };
    Path p;
    clipInto(sampleCurve(c, 0, 1, 8, f, lim).samples, f, lim.margin, p);
    EXPECT_EQ(p.breaks.size(), jump ? 1u : 0u);
    forSegments(p, [&](XY a, XY b) {
      const Pixel pa = toPixel(f, a), pb = toPixel(f, b);
      EXPECT_LE(std::hypot(pb.x - pa.x, pb.y - pa.y), lim.maxSegment + 1e-9) << (jump ? "step" : "root");
    });
  }
}

TEST(KindSampler, WorkIsBoundedOnPathologicalLines) {
  const Frame f{Kind::HS, 0, 1, -1, 1, false, 1200, 900};
  SamplerLimits lim;
  lim.maxEvaluations = 2000;
  // Ever more holes towards t = 0, a jump at t = 0.7 and noise of 50 px.
  int evaluations = 0;
  unsigned seed = 12345;
  const Curve wild = [&](double t, XY& at) {
    ++evaluations;
    seed = seed * 1103515245u + 12345u;
    const double noise = ((seed >> 8) % 1000) / 1000.0 - 0.5;
    at = {t, (t < 0.7 ? 0.2 : -0.2) + 0.1 * noise};
    return t > 0.5 || std::sin(1 / std::max(t, 1e-300)) > 0;
  };
  const Sampling s = sampleCurve(wild, 0, 1, 32, f, lim);
  EXPECT_LE(evaluations, lim.maxEvaluations + 1);
  EXPECT_TRUE(s.exhausted);
  // The samples: those evaluated, and a hole at each jump.
  EXPECT_LE(int(s.samples.size()), 2 * evaluations);
  EXPECT_TRUE(std::is_sorted(s.samples.begin(), s.samples.end(),
                             [](const Sample& a, const Sample& b) { return a.t < b.t; }));
  // A smooth line of the same reach costs a small part of that.
  evaluations = 0;
  const Curve calm = [&](double t, XY& at) {
    ++evaluations;
    at = {t, 0.5 * std::sin(6 * t)};
    return true;
  };
  EXPECT_FALSE(sampleCurve(calm, 0, 1, 32, f, lim).exhausted);
  EXPECT_LT(evaluations, 400);
}

// ------------------------------------------------------------ the lines

TEST(KindLines, IsothermsFallNearlyVerticalInTheCompressedLiquid) {
  for (const char* name : kSubstances) {
    const tfs::Model& m = model(name);
    const tfs::ModelLimits& L = m.limits();
    const KindLines kl(m, limitsOf(name));
    const Frame f = kl.fullFrame(Kind::PH, true, 1200, 900);
    const double T = double(L.Ttr + Real(0.5) * (L.Tcr - L.Ttr));
    Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
    m.dhs2_T(T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
    const Line iso = kl.line(Role::Isotherm, T, f, {});
    // The liquid's first decade above the bubble pressure: h changes by
    // v (1 - beta T) dP, less than v dP, a small part of the latent heat.
    int liquid = 0;
    Pixel lowest{0, -1}, highest{0, 1e9};
    for (const XY& q : iso.path.points) {
      if (!(q.y > double(Pl) * (1 + 1e-9) && q.y <= 10 * double(Pl))) continue;
      ++liquid;
      EXPECT_LE(std::fabs(q.x - double(hl)), (q.y - double(Pl)) * 1000 / double(dl) * (1 + 1e-9) + 1e-9)
          << name << " at " << q.y;
      const Pixel p = toPixel(f, q);
      if (p.y > lowest.y) lowest = p;
      if (p.y < highest.y) highest = p;
    }
    ASSERT_GT(liquid, 3) << name;
    EXPECT_LT(std::fabs(highest.x - lowest.x), 0.1 * std::fabs(highest.y - lowest.y))
        << name << ": nearly vertical on the screen";
    // The isotherm runs at constant T through its single-phase states.
    for (const XY& q : iso.path.points) {
      const double P = q.y;
      if (P >= double(std::min(Pv, Pl)) * (1 - 1e-9) && P <= double(std::max(Pv, Pl)) * (1 + 1e-9)) continue;
      EXPECT_NEAR(statePT(m, P, T).h, q.x, 1e-9 * std::max(1.0, std::fabs(q.x))) << name << " at " << P;
    }
  }
}

TEST(KindLines, IsobarsRiseWithEntropyAtTheSlopeOfTheirTemperature) {
  // dh = T ds + v dP: along an isobar the slope on the h–s diagram is T.
  for (const char* name : kSubstances) {
    const tfs::Model& m = model(name);
    const double Pcr = double(m.limits().Pcr), Tmax = limitsOf(name).Tmax;
    const KindLines kl(m, limitsOf(name));
    const Frame f = kl.fullFrame(Kind::HS, true, 1200, 900);
    int checked = 0;
    for (double P : diagramIsobars(limitsOf(name))) {
      if (P > 0.5 * Pcr && P < 2 * Pcr) continue;  // the model's own jumps near the dome's top
      const Line iso = kl.line(Role::Isobar, P, f, {});
      ASSERT_FALSE(iso.path.empty()) << name << " " << P;
      // The temperature of each point from its entropy, T rising along
      // the isobar.
      const std::vector<XY>& pts = iso.path.points;
      std::vector<State> at(pts.size());
      double lo = double(m.limits().Ttr);
      for (std::size_t i = 0; i < pts.size(); ++i) {
        const double T = temperatureWhere(m, P, pts[i].x, entropyOf, lo, 1.2 * Tmax);
        at[i] = statePT(m, P, T);
        lo = T * (1 - 1e-9);
      }
      std::set<int> starts(iso.path.breaks.begin(), iso.path.breaks.end());
      for (std::size_t i = 1; i < pts.size(); ++i) {
        if (starts.count(int(i))) continue;
        const XY a = pts[i - 1], b = pts[i];
        EXPECT_GT(b.x, a.x) << name << " " << P << ": s rises";
        EXPECT_GT(b.y, a.y) << name << " " << P << ": h rises";
        // Wet states (their h is not that of the single phase at their s),
        // and air's band, where the model interpolates in T.
        const State &sa = at[i - 1], &sb = at[i];
        if (std::fabs(sa.h - a.y) > 1e-6 * std::max(1.0, std::fabs(a.y)) || (sa.x > 0 && sa.x < 1)) continue;
        if (std::fabs(sb.h - b.y) > 1e-6 * std::max(1.0, std::fabs(b.y)) || (sb.x > 0 && sb.x < 1)) continue;
        const double slope = (b.y - a.y) / (b.x - a.x);
        EXPECT_GE(slope, std::min(sa.T, sb.T) * (1 - 1e-5)) << name << " " << P;
        EXPECT_LE(slope, std::max(sa.T, sb.T) * (1 + 1e-5)) << name << " " << P;
        ++checked;
      }
    }
    EXPECT_GT(checked, 300) << name;
  }
}

TEST(KindLines, DrynessLinesLieInsideTheDomeByTheLeverRule) {
  for (const char* name : kSubstances) {
    const tfs::Model& m = model(name);
    const KindLines kl(m, limitsOf(name));
    const Frame f = kl.fullFrame(Kind::TS, true, 1200, 900);
    for (int i = 1; i <= 9; ++i) {
      const double X = i / 10.0;
      const Line l = kl.line(Role::Dryness, X, f, {});
      ASSERT_GT(l.path.points.size(), 10u) << name << " " << X;
      for (const XY& q : l.path.points) {
        const Pixel px = toPixel(f, q);
        if (px.y > f.height - 1) continue;  // cut at Tmin on the frame's edge
        ASSERT_LE(q.y, double(m.limits().Tcr)) << name;
        Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
        m.dhs2_T(q.y, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
        if (sv - sl < 1e-6) continue;  // the top, where the model's dome has closed
        EXPECT_NEAR((q.x - double(sl)) / double(sv - sl), X, 1e-9) << name << " at " << q.y;
      }
    }
  }
}

TEST(KindLines, LinesOfLgPhKeepTheirValue) {
  // Every point of an isentrope, isochore and isotherm of the lg p–h
  // diagram, solved back from its h and P with the direct routine.
  for (const char* name : {"N2", "CO2", "n-H2"}) {
    const tfs::Model& m = model(name);
    const KindLines kl(m, limitsOf(name));
    const View v = kl.compose(kl.fullFrame(Kind::PH, true, 1200, 900), {});
    int checked = 0;
    for (const Line& l : v.lines) {
      if (l.role != Role::Isentrope && l.role != Role::Isochore && l.role != Role::Isotherm) continue;
      for (const XY& q : l.path.points) {
        const double P = q.y;
        if (P < double(m.limits().Pcr) * 1.05) continue;  // single phase only, above the dome
        const Pixel px = toPixel(v.frame, q);
        if (px.x < 0 || px.x > v.frame.width || px.y < 0 || px.y > v.frame.height) continue;  // cut at the edge
        const double T = temperatureWhere(m, P, q.x, enthalpyOf, double(m.limits().Ttr), 2 * kl.limits().Tmax);
        const State st = statePT(m, P, T);
        const double got = l.role == Role::Isentrope ? st.s : l.role == Role::Isochore ? st.d : st.T;
        EXPECT_NEAR(got, l.value, 1e-6 * l.value) << name << " role " << int(l.role) << " at P " << P;
        ++checked;
      }
    }
    EXPECT_GT(checked, 200) << name;
  }
}

TEST(KindLines, MeltingLineIsTheLiquidAtItsMeltingTemperature) {
  for (const char* name : {"N2", "He", "CO2", "Air"}) {
    const tfs::Model& m = model(name);
    const KindLines kl(m, limitsOf(name));
    const Line l = kl.line(Role::Melting, 0, kl.fullFrame(Kind::PH, true, 1200, 900), {});
    ASSERT_GT(l.path.points.size(), 3u) << name;
    for (const XY& q : l.path.points) {
      const State st = statePT(m, q.y, double(m.Tmelt(q.y)));
      EXPECT_NEAR(st.h, q.x, 1e-9 * std::max(1.0, std::fabs(q.x))) << name << " at " << q.y;
      EXPECT_EQ(st.x, 1) << name << ": liquid";
      EXPECT_LE(q.y, kl.region().Phi * (1 + 1e-9)) << name;
    }
  }
}

TEST(KindLines, InversionCurveOnEveryKindWhereThrottlingChangesSign) {
  for (const char* name : {"N2", "He", "n-H2", "Air"}) {
    const tfs::Model& m = model(name);
    const KindLines kl(m, limitsOf(name));
    for (Kind k : kKinds) {
      const Frame f = kl.fullFrame(k, true, 1200, 900);
      const Line l = kl.line(Role::Inversion, 0, f, {});
      ASSERT_GT(l.path.points.size(), 10u) << name << " " << kindName(k);
      if (k != Kind::PH) continue;
      double Tmost = 0;
      for (const XY& q : l.path.points) {
        const double P = q.y;
        const double T = temperatureWhere(m, P, q.x, enthalpyOf, double(m.limits().Ttr), 2 * kl.limits().Tmax);
        Tmost = std::max(Tmost, T);
        if (toPixel(f, q).y > f.height - 1) continue;  // cut at the lowest pressure
        // (dh/dP)T = v - T (dv/dT)P vanishes there; compared with v.
        const double e = 1e-4 * P;
        const double slope = (statePT(m, P + e, T).h - statePT(m, P - e, T).h) / (2 * e);
        EXPECT_LT(std::fabs(slope), 1e-3 * 1000 / statePT(m, P, T).d) << name << " at " << T << " K, " << P;
      }
      const double Tinv = double(tfs::maxInversionTemperature(m));
      EXPECT_LE(Tmost, std::min(Tinv, kl.limits().Tmax) * (1 + 1e-9)) << name;
      if (Tinv < kl.limits().Tmax) {
        EXPECT_GT(Tmost, 0.8 * Tinv) << name << ": up to the top of the curve";
      }
    }
  }
  // Carbon dioxide's highest inversion temperature lies beyond this model.
  const KindLines co2(model("CO2"), limitsOf("CO2"));
  EXPECT_TRUE(co2.line(Role::Inversion, 0, co2.fullFrame(Kind::PH, true, 1200, 900), {}).path.empty());
}

// ------------------------------------------------------------------ views

struct KindFamilies {
  Kind kind;
  std::vector<Role> shown;
};

TEST(KindViews, EveryKindShowsItsFamilies) {
  const KindFamilies table[] = {
      {Kind::TS, {Role::SatLiquid, Role::SatVapour, Role::Melting, Role::Isobar, Role::Isenthalp, Role::Dryness,
                  Role::Inversion}},
      {Kind::PH, {Role::SatLiquid, Role::SatVapour, Role::Melting, Role::Isotherm, Role::Isentrope,
                  Role::Isochore, Role::Dryness, Role::Inversion}},
      {Kind::HS, {Role::SatLiquid, Role::SatVapour, Role::Melting, Role::Isobar, Role::Isotherm, Role::Dryness,
                  Role::Inversion}},
  };
  const tfs::Model& m = model("N2");
  const KindLines kl(m, limitsOf("N2"));
  for (const KindFamilies& c : table) {
    const View v = kl.compose(kl.fullFrame(c.kind, true, 1200, 900), {});
    std::map<Role, int> count;
    for (const Line& l : v.lines) ++count[l.role];
    for (Role r : c.shown) EXPECT_GT(count[r], 0) << kindName(c.kind) << " role " << int(r);
    EXPECT_EQ(count.size(), c.shown.size()) << kindName(c.kind);
    if (c.kind != Kind::PH) {
      EXPECT_EQ(count[Role::Isobar], 11) << "the T–s diagram's pressures";
    }
    EXPECT_EQ(count[Role::Dryness], 9);
    for (Role r : {Role::Isotherm, Role::Isentrope, Role::Isochore, Role::Isenthalp})
      if (count.count(r)) {
        EXPECT_GE(count[r], 4) << kindName(c.kind) << " role " << int(r);
        EXPECT_LE(count[r], 10) << kindName(c.kind) << " role " << int(r);
      }
  }
  // Helium's isobars end at 10 MPa.
  const KindLines he(model("He"), limitsOf("He"));
  int isobars = 0;
  for (const Line& l : he.compose(he.fullFrame(Kind::HS, true, 1200, 900), {}).lines)
    if (l.role == Role::Isobar) {
      ++isobars;
      EXPECT_LE(l.value, 10);
    }
  EXPECT_EQ(isobars, 8);
}

void checkLabels(const View& v, const std::string& what) {
  const Frame& f = v.frame;
  std::set<int> labelled;
  for (std::size_t i = 0; i < v.labels.size(); ++i) {
    const Label& l = v.labels[i];
    ASSERT_GE(l.line, 0) << what;
    ASSERT_LT(l.line, int(v.lines.size())) << what;
    EXPECT_TRUE(labelled.insert(l.line).second) << what << ": one label a line";
    const Line& line = v.lines[l.line];
    EXPECT_EQ(l.role, line.role) << what;
    EXPECT_EQ(l.value, line.value) << what;
    EXPECT_FALSE(l.text.empty()) << what;
    // On its line: on one of its drawn segments.
    double nearest = HUGE_VAL;
    forSegments(line.path, [&](XY a, XY b) {
      nearest = std::min(nearest, segmentDistance(toPixel(f, l.at), toPixel(f, a), toPixel(f, b)));
    });
    EXPECT_LT(nearest, 1e-6) << what << " " << l.text;
    const Pixel c = toPixel(f, l.at);
    EXPECT_NEAR(c.x, l.centre.x, 1e-6) << what;
    EXPECT_NEAR(c.y, l.centre.y, 1e-6) << what;
    // Inside the frame.
    EXPECT_GE(l.centre.x - l.width / 2, 0) << what << " " << l.text;
    EXPECT_LE(l.centre.x + l.width / 2, f.width) << what << " " << l.text;
    EXPECT_GE(l.centre.y - l.height / 2, 0) << what << " " << l.text;
    EXPECT_LE(l.centre.y + l.height / 2, f.height) << what << " " << l.text;
    for (std::size_t j = 0; j < i; ++j) {
      const Label& o = v.labels[j];
      const bool apart = std::fabs(l.centre.x - o.centre.x) >= (l.width + o.width) / 2 ||
                         std::fabs(l.centre.y - o.centre.y) >= (l.height + o.height) / 2;
      EXPECT_TRUE(apart) << what << ": \"" << l.text << "\" on \"" << o.text << "\"";
    }
  }
}

TEST(KindViews, LabelsSitOnTheirLinesInsideTheFrameAndApart) {
  for (const char* name : kSubstances) {
    const tfs::Model& m = model(name);
    const KindLines kl(m, limitsOf(name));
    for (Kind k : kKinds) {
      const Frame full = kl.fullFrame(k, true, 1200, 900);
      for (double z : {1.0, 8.0}) {
        const Frame f = zoomed(full, z, toPixel(full, criticalPoint(m, k)));
        const View v = kl.compose(f, {});
        const std::string what = std::string(name) + " " + kindName(k) + " zoom " + std::to_string(z);
        EXPECT_GT(v.labels.size(), 5u) << what;
        checkLabels(v, what);
        // Every point inside the frame and its margin.
        for (const Line& l : v.lines)
          for (const XY& q : l.path.points) {
            const Pixel p = toPixel(f, q);
            EXPECT_TRUE(p.x > -6.001 && p.x < f.width + 6.001 && p.y > -6.001 && p.y < f.height + 6.001)
                << what << " role " << int(l.role);
          }
      }
    }
  }
}

// The distance from the chord of the true line at the middle of each
// segment of the dome and of the isobars (T–s) or isotherms (lg p–h),
// the true line evaluated at the segment's y with the direct routines.
void checkNoCorner(const tfs::Model& m, const View& v, const std::string& what) {
  const Frame& f = v.frame;
  const double tol = SamplerLimits{}.tolerance;
  const double Tcr = double(m.limits().Tcr), Pcr = double(m.limits().Pcr);
  int checked = 0;
  for (const Line& l : v.lines) {
    std::function<XY(double)> truth;  // of the frame's y
    double wetLo = 0, wetHi = 0;      // the wet part, along x
    const bool liquid = l.role == Role::SatLiquid;
    if (l.role == Role::SatLiquid || l.role == Role::SatVapour) {
      truth = [&m, liquid, k = f.kind](double y) {
        Real T = y;
        if (k == Kind::PH) {
          // The saturation temperature at P by bisection on the library's
          // saturation pressure, which is explicit in T.
          Real lo = m.limits().Ttr, hi = m.limits().Tcr;
          for (int i = 0; i < 100 && hi - lo > 1e-15L * hi; ++i) {
            const Real mid = (lo + hi) / 2;
            Real Pv, Pl;
            m.Psat(mid, Pv, Pl);
            ((liquid ? Pl : Pv) < y ? lo : hi) = mid;
          }
          T = (lo + hi) / 2;
        }
        Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
        m.dhs2_T(T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
        const State st = liquid ? State{double(T), double(Pl), double(hl), double(sl), 0, 1}
                                : State{double(T), double(Pv), double(hv), double(sv), 0, 0};
        return coordinates(k, st);
      };
    } else if (f.kind == Kind::TS && l.role == Role::Isobar) {
      const double P = l.value;
      truth = [&m, P](double T) { return XY{statePT(m, P, T).s, T}; };
      // The lever rule's straight line (air's from its bubble to its dew
      // temperature).
      Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
      if (P < Pcr && tfs::attempt([&] { m.dhs2_P(P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl); }))
        wetLo = double(sl), wetHi = double(sv);
    } else if (f.kind == Kind::PH && l.role == Role::Isotherm) {
      const double T = l.value;
      truth = [&m, T](double P) { return XY{statePT(m, P, T).h, P}; };
      Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
      if (T < Tcr && tfs::attempt([&] { m.dhs2_T(T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl); }))
        wetLo = double(hl), wetHi = double(hv);
    } else {
      continue;
    }
    forSegments(l.path, [&](XY a, XY b) {
      if (a.y == b.y) return;  // wet, at constant T or P
      EXPECT_LE(std::hypot(toPixel(f, a).x - toPixel(f, b).x, toPixel(f, a).y - toPixel(f, b).y),
                SamplerLimits{}.maxSegment + 1e-6)
          << what;
      if (std::min(a.x, b.x) >= wetLo && std::max(a.x, b.x) <= wetHi) return;
      const Pixel pa = toPixel(f, a), pb = toPixel(f, b);
      const double y = fromPixel(f, {(pa.x + pb.x) / 2, (pa.y + pb.y) / 2}).y;
      const double d = segmentDistance(toPixel(f, truth(y)), pa, pb);
      if (d > tol) {
        // Where the model's own line jumps (a root of its equation of
        // state vanishing near the critical point) there is no corner
        // to sample away: seen as a step between close values of y.
        Pixel before = toPixel(f, truth(a.y));
        for (int i = 1; i <= 256; ++i) {
          const Pixel now = toPixel(f, truth(a.y + (b.y - a.y) * i / 256));
          if (std::hypot(now.x - before.x, now.y - before.y) > 5) return;
          before = now;
        }
      }
      EXPECT_LE(d, tol) << what << " role " << int(l.role) << " value " << l.value << " at y " << y;
      ++checked;
    });
  }
  EXPECT_GT(checked, 40) << what;
}

TEST(KindViews, ZoomedIntoTheDomeTopLinesAreSampledAgainWithoutCorners) {
  for (const char* name : {"N2", "CO2", "n-H2", "Air", "He"}) {
    const tfs::Model& m = model(name);
    const KindLines kl(m, limitsOf(name));
    for (Kind k : {Kind::TS, Kind::PH}) {
      const Frame full = kl.fullFrame(k, true, 1200, 900);
      const Pixel top = toPixel(full, criticalPoint(m, k));
      for (double z : {1.0, 100.0, 1000.0}) {
        if (z > 100 && std::string(name) == "He") continue;  // its states there cost a hundred times more
        const View v = kl.compose(zoomed(full, z, top), {});
        const std::string what = std::string(name) + " " + kindName(k) + " zoom " + std::to_string(z);
        checkNoCorner(m, v, what);
        // Closer in, finer lines: at least three of the family in sight (at
        // 1000 times two: under carbon dioxide's dome top the model's
        // states jump over the window).
        int family = 0;
        for (const Line& l : v.lines) family += l.role == (k == Kind::TS ? Role::Isobar : Role::Isotherm);
        EXPECT_GE(family, z > 100 ? 2 : 3) << what << " (" << v.lines.size() << " lines)";
      }
    }
  }
}

// ---------------------------------------------------------- values, axes

bool roundStep(double step) {
  const double e = std::pow(10.0, std::floor(std::log10(step)));
  const double m = step / e;
  return std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9;
}

TEST(KindValues, RoundInTheUnitsShownPerKilogramAndPerMole) {
  for (const char* name : {"N2", "Air", "He"}) {
    const tfs::Model& m = model(name);
    const double M = double(m.molarMass());
    const KindLines kl(m, limitsOf(name));
    for (bool molar : {false, true}) {
      const ShownUnits u = molar ? ShownUnits::perMole(M) : ShownUnits{};
      for (Kind k : {Kind::TS, Kind::PH}) {
        const Frame f = kl.fullFrame(k, true, 1200, 900);
        for (Role r : {Role::Isentrope, Role::Isenthalp, Role::Isochore}) {
          const Values v = kl.values(r, kl.ranges(f), u, 10);
          if (v.values.empty()) continue;
          const std::string what = std::string(name) + (molar ? " per mole" : " per kg") + " role " +
                                   std::to_string(int(r));
          for (double x : v.values) {
            const double shown = r == Role::Isentrope ? u.entropy(x) : r == Role::Isenthalp ? u.enthalpy(x) : u.density(x);
            if (v.step > 0) {
              ASSERT_TRUE(roundStep(v.step)) << what;
              EXPECT_NEAR(shown / v.step, std::round(shown / v.step), 1e-7) << what;
            } else {
              // A ladder of 1, 1.2, 1.5 ... 8 times a power of ten.
              const double mant = shown / std::pow(10.0, std::floor(std::log10(shown) + 1e-12));
              EXPECT_NEAR(mant * 10, std::round(mant * 10), 1e-6) << what << " " << shown;
            }
            // The label says the value shown.
            EXPECT_NEAR(numberIn(labelText(r, x, u, v.step)), shown, 1e-6 * std::max(1.0, std::fabs(shown)))
                << what << " " << labelText(r, x, u, v.step);
          }
        }
      }
    }
  }
}

TEST(KindValues, LabelTextsInTheDiagramsStyle) {
  const ShownUnits kg;
  const std::string sep(1, app::decimalSeparator());
  EXPECT_EQ(labelText(Role::Isobar, 0.05, kg, 0).substr(0, 5), "0" + sep + "05 ");
  EXPECT_EQ(labelText(Role::Isobar, 1, kg, 0).substr(0, 4), "1" + sep + "0 ") << "as on the T–s diagram";
  EXPECT_EQ(numberIn(labelText(Role::Isobar, 100, kg, 0)), 100);
  EXPECT_EQ(labelText(Role::Isotherm, 77, kg, 0), "77 K");
  EXPECT_EQ(numberIn(labelText(Role::Dryness, 0.3, kg, 0)), 30);
  // Isenthalps per kg with one decimal, per mole none.
  const std::string h = labelText(Role::Isenthalp, 200, kg, 50);
  EXPECT_EQ(h.size(), 5u) << h;
  EXPECT_EQ(labelText(Role::Isenthalp, 5600 / 28.0134, ShownUnits::perMole(28.0134), 100), "5600");
}

TEST(KindAxes, LogPressureAxisAtOneTwoFiveAndRoundStepsElsewhere) {
  const tfs::Model& m = model("N2");
  const KindLines kl(m, limitsOf("N2"));
  const Frame ph = kl.fullFrame(Kind::PH, true, 1200, 900);
  const Axis y = yAxis(ph, {});
  ASSERT_GE(y.ticks.size(), 8u);
  EXPECT_TRUE(y.log);
  for (const Tick& t : y.ticks) {
    const double mant = t.value / std::pow(10.0, std::floor(std::log10(t.value) + 1e-12));
    EXPECT_TRUE(std::fabs(mant - 1) < 1e-9 || std::fabs(mant - 2) < 1e-9 || std::fabs(mant - 5) < 1e-9) << t.value;
    EXPECT_GE(t.value, ph.yLo);
    EXPECT_LE(t.value, ph.yHi);
    EXPECT_NEAR(numberIn(t.text), t.value, 1e-12) << t.text;
  }
  // Zoomed in a thousand times: round linear steps, enough of them.
  const Frame z = zoomed(ph, 1000, toPixel(ph, criticalPoint(m, Kind::PH)));
  const Axis yz = yAxis(z, {});
  ASSERT_GE(yz.ticks.size(), 3u);
  EXPECT_TRUE(roundStep(yz.ticks[1].value - yz.ticks[0].value));
  for (const Tick& t : yz.ticks) EXPECT_NEAR(numberIn(t.text), t.value, 1e-9 * t.value) << t.text;
  // The entropy axis per mole at round molar values.
  const ShownUnits mol = ShownUnits::perMole(double(m.molarMass()));
  const Frame hs = kl.fullFrame(Kind::HS, true, 1200, 900);
  for (const auto& [a, k] : {std::pair{xAxis(hs, mol), mol.s}, std::pair{yAxis(hs, mol), mol.h}}) {
    ASSERT_GE(a.ticks.size(), 3u);
    EXPECT_TRUE(roundStep(k * (a.ticks[1].value - a.ticks[0].value)));
    for (const Tick& t : a.ticks) EXPECT_NEAR(numberIn(t.text), k * t.value, 1e-6 * std::max(1.0, k * t.value));
  }
  // The T–s diagram's numbers on its logarithmic scale.
  const Axis T = yAxis(kl.fullFrame(Kind::TS, true, 1200, 900), {});
  std::vector<double> values;
  for (const Tick& t : T.ticks) values.push_back(t.value);
  EXPECT_EQ(values, (std::vector<double>{70, 100, 150, 200, 300}));
}

}  // namespace
