// The pictures of the diagram kinds composed from a session: the lines each
// kind holds against the physics they stand for (checked with the direct
// routines of the library), the student's work on every kind, the captions,
// zoom and pan, the cursor readout of every kind with the other model's
// values, and the inversion curve against a throttle.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "core/base/numfmt.h"
#include "core/diagram/picture.h"
#include "core/diagram/readout.h"
#include "core/diagram/view.h"
#include "core/lines/linegen.h"
#include "core/process/device.h"
#include "core/session/substance.h"
#include "thermo/model.h"
#include "thermo/report.h"
#include "thermo/substances.h"

namespace {

using diagram::LineRole;
using diagram::Picture;
using diagram::Polyline;
using diagram::kinds::Kind;
using tfs::ModelKind;
using tfs::Real;
namespace kinds = diagram::kinds;

const char* kindName(Kind k) { return k == Kind::TS ? "T-s" : k == Kind::PH ? "lg p-h" : "h-s"; }

// A substance chosen on a model as the main window chooses it (no lower
// than the model's own triple point), its lines computed, shown as kind.
app::Session chosen(const char* name, ModelKind model = ModelKind::Cubic, Kind kind = Kind::TS) {
  app::Session s;
  s.main.model = model;
  const int n = tfs::SubstIndex(name);
  app::AppState st = app::substanceChoice(s.main, n);
  st = app::withLimits(st, std::max(st.Tmin, tfs::model(n, model).limits().Ttr + Real(1e-4)), 350);
  st.chosen = true;
  s.main = st;
  app::ComputeAll(s.lines, app::lineInputs(st), {});
  s.view.kind = kind;
  return s;
}

const tfs::Model& modelOf(const app::Session& s) { return s.main.eos(); }

kinds::State statePT(const tfs::Model& m, double P, double T) {
  Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
  m.dhs_PT(P, T, d, h, s, Cp, x);
  return {T, P, double(h), double(s), double(d), double(x)};
}

// The state of a single phase or of the wet region with enthalpy h at P,
// from the direct routines: the lever rule between the saturated states at
// P, otherwise bisection in T on the phase (h rises with T).
kinds::State stateHP(const tfs::Model& m, double h, double P) {
  const tfs::ModelLimits& L = m.limits();
  double lo = double(L.Ttr), hi = 1.5 * double(L.Tmax);
  if (P < double(L.Pcr)) {
    Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
    if (tfs::attempt([&] { m.dhs2_P(P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl); })) {
      if (h > hl && h < hv) {
        const double X = (h - double(hl)) / double(hv - hl);
        return {double(Tl + X * (Tv - Tl)), P, h, double(sl + X * (sv - sl)), double(1 / (X / dv + (1 - X) / dl)),
                1 - X};
      }
      (h <= hl ? hi : lo) = double(h <= hl ? Tl : Tv);
    }
  }
  for (int i = 0; i < 200 && hi - lo > 1e-12 * hi; ++i) {
    const double mid = (lo + hi) / 2;
    (statePT(m, P, mid).h < h ? lo : hi) = mid;
  }
  return statePT(m, P, (lo + hi) / 2);
}

// Calls f for every point of a line inside the frame, off its border (the
// ends cut at the border are no states).
void forInside(const Picture& p, const Polyline& l, const std::function<void(const diagram::SPoint&)>& f) {
  for (const diagram::SPoint& q : l.points) {
    const kinds::Pixel px = kinds::toPixel(p.shown, {q.s, q.T});
    if (px.x > 1 && px.x < p.shown.width - 1 && px.y > 1 && px.y < p.shown.height - 1) f(q);
  }
}

double pixelDistance(const Picture& p, const diagram::SPoint& a, const kinds::XY& b) {
  const kinds::Pixel pa = kinds::toPixel(p.shown, {a.s, a.T}), pb = kinds::toPixel(p.shown, b);
  return std::hypot(pa.x - pb.x, pa.y - pb.y);
}

// ------------------------------------------------------------ the lines

struct KindCase {
  Kind kind;
  std::set<LineRole> roles;
  const char *vertical, *horizontal;
  bool log;
};

// Every line of the lg p–h and h–s diagrams solved back with the direct
// routines to the value it stands for; the liquid's isotherms nearly
// vertical on lg p–h, the isobars rising on h–s, the dryness lines in the
// dome; every label on its line.
TEST(KindPictures, EachKindHoldsItsLinesAndTheirPhysics) {
  const KindCase cases[] = {
      {Kind::PH,
       {LineRole::SatLiquid, LineRole::SatVapour, LineRole::Melting, LineRole::Isotherm, LineRole::Isentrope,
        LineRole::Isochore, LineRole::Dryness},
       "Давление P, МПа", "Энтальпия i, кДж/кг", true},
      {Kind::HS,
       {LineRole::SatLiquid, LineRole::SatVapour, LineRole::Melting, LineRole::Isobar, LineRole::Isotherm,
        LineRole::Dryness},
       "Энтальпия i, кДж/кг", "Энтропия S, кДж/(кг.К)", false},
  };
  for (const KindCase& c : cases)
    for (const char* name : {"N2", "CO2", "n-H2"})
      for (ModelKind model : {ModelKind::Cubic, ModelKind::Reference}) {
        const std::string what = std::string(name) + " " + kindName(c.kind) + (model == ModelKind::Cubic ? " SRK" : " ref");
        SCOPED_TRACE(what);
        const app::Session s = chosen(name, model, c.kind);
        const tfs::Model& m = modelOf(s);
        const double Pcr = double(m.limits().Pcr), Tcr = double(m.limits().Tcr);
        const Picture p = diagram::composePicture(s);
        ASSERT_TRUE(p.valid);
        EXPECT_FALSE(p.zoomed);
        EXPECT_EQ(p.log, c.log);
        EXPECT_EQ(p.T.title, c.vertical);
        EXPECT_EQ(p.s.title, c.horizontal);
        std::set<LineRole> seen;
        int checked = 0;
        for (const Polyline& l : p.lines) {
          if (!l.points.empty()) seen.insert(l.role);
          forInside(p, l, [&](const diagram::SPoint& q) {
            if (c.kind == Kind::PH) {
              const double h = q.s, P = q.T;
              if (P > 0.9 * Pcr && P < 1.1 * Pcr) return;  // the model's own jumps at the dome's top
              const kinds::State st = stateHP(m, h, P);
              const bool wet = st.x > 0 && st.x < 1;
              // In the dome the lines come from the saturated states at T,
              // the truth from those at P: the library's saturation pressure
              // and its inverse agree to some 1e-5.
              const double tol = wet ? 1e-4 : 1e-6;
              switch (l.role) {
                case LineRole::Isotherm: EXPECT_NEAR(st.T, l.value, tol * l.value) << h << " " << P; break;
                case LineRole::Isentrope: EXPECT_NEAR(st.s, l.value, tol * l.value) << h << " " << P; break;
                case LineRole::Isochore: EXPECT_NEAR(st.d, l.value, tol * l.value) << h << " " << P; break;
                case LineRole::Dryness:
                  EXPECT_TRUE(wet) << h << " " << P;
                  EXPECT_NEAR(1 - st.x, l.value, tol) << h << " " << P;
                  break;
                default: return;
              }
            } else {
              if (l.role != LineRole::Isobar || (l.value > 0.5 * Pcr && l.value < 2 * Pcr)) return;
              // The state of the isobar at the point's entropy: its h.
              double lo = double(m.limits().Ttr), hi = 1.5 * double(m.limits().Tmax);
              Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
              // The wet states and the saturated ones at the ends of the
              // isobar's pieces: the lever rule.
              if (l.value < Pcr && tfs::attempt([&] { m.dhs2_P(l.value, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl); }) &&
                  q.s > sl - 1e-9 && q.s < sv + 1e-9) {
                const double X = std::clamp(double((q.s - sl) / (sv - sl)), 0.0, 1.0);
                EXPECT_NEAR(q.T, double(hl + X * (hv - hl)), 1e-6 * std::max(1.0, std::fabs(q.T)));
                ++checked;
                return;
              }
              for (int i = 0; i < 200 && hi - lo > 1e-12 * hi; ++i) {
                const double mid = (lo + hi) / 2;
                (statePT(m, l.value, mid).s < q.s ? lo : hi) = mid;
              }
              EXPECT_NEAR(statePT(m, l.value, (lo + hi) / 2).h, q.T, 1e-6 * std::max(1.0, std::fabs(q.T))) << l.value;
            }
            ++checked;
          });
          // The isotherms of the compressed liquid fall nearly vertically.
          if (c.kind == Kind::PH && l.role == LineRole::Isotherm && l.value < 0.9 * Tcr) {
            Real Pv = 0, Pl = 0;
            m.Psat(l.value, Pv, Pl);
            std::vector<kinds::Pixel> liquid;  // its first decade above the bubble pressure
            forInside(p, l, [&](const diagram::SPoint& q) {
              if (q.T > 1.05 * double(Pl) && q.T < 10 * double(Pl)) liquid.push_back(kinds::toPixel(p.shown, {q.s, q.T}));
            });
            if (liquid.size() > 2) {
              EXPECT_LT(std::fabs(liquid.back().x - liquid.front().x), 0.1 * std::fabs(liquid.back().y - liquid.front().y))
                  << l.value << " K";
            }
          }
          // On h–s the isobars rise: h and s grow along them.
          if (c.kind == Kind::HS && l.role == LineRole::Isobar) {
            std::set<int> starts(l.breaks.begin(), l.breaks.end());
            for (std::size_t i = 1; i < l.points.size(); ++i)
              if (!starts.count(int(i))) {
                EXPECT_GE(l.points[i].s, l.points[i - 1].s) << l.value;
                EXPECT_GE(l.points[i].T, l.points[i - 1].T) << l.value;
              }
          }
        }
        EXPECT_GT(checked, 300);
        for (LineRole r : c.roles)
          if (r != LineRole::Melting || std::string(name) == "N2") {
            EXPECT_TRUE(seen.count(r)) << "role " << int(r);
          }
        // Every label on its line, inside the plot.
        int labelled = 0;
        for (const diagram::Label& b : p.labels) {
          if (b.role != diagram::LabelRole::OnLine) continue;
          ++labelled;
          ASSERT_LT(b.index, int(p.lines.size()));
          const Polyline& l = p.lines[b.index];
          EXPECT_EQ(b.colour, l.colour);
          double nearest = HUGE_VAL;
          for (std::size_t i = 1; i < l.points.size(); ++i) {
            const kinds::Pixel a = kinds::toPixel(p.shown, {l.points[i - 1].s, l.points[i - 1].T});
            const kinds::Pixel z = kinds::toPixel(p.shown, {l.points[i].s, l.points[i].T});
            const kinds::Pixel at = kinds::toPixel(p.shown, {b.s, b.T});
            const double dx = z.x - a.x, dy = z.y - a.y, len2 = dx * dx + dy * dy;
            const double u = len2 > 0 ? std::clamp(((at.x - a.x) * dx + (at.y - a.y) * dy) / len2, 0.0, 1.0) : 0;
            nearest = std::min(nearest, std::hypot(at.x - a.x - u * dx, at.y - a.y - u * dy));
          }
          EXPECT_LT(nearest, 1e-6) << b.text;
        }
        EXPECT_GT(labelled, 8);
      }
}

// ------------------------------------------------------------- the work

// A session of nitrogen with an isobar computed at 1 MPa, a throttle, a
// liquefaction cycle and a picked state.
app::Session withWork(Kind kind) {
  app::Session s = chosen("N2", ModelKind::Cubic, kind);
  const tfs::Model& m = modelOf(s);
  diagram::ProcStore& pr = s.procLines;
  for (int j = 0; j <= 15; ++j) {
    const kinds::State st = statePT(m, 1, 120 + 10 * j);
    pr.ProcS[1][j] = st.s;
    pr.ProcT[1][j] = st.T;
  }
  pr.ProcIndex = pr.ProcCount = 1;
  proc::ProcPoint in;
  const kinds::State a = statePT(m, 10, 200);
  in = {a.T, a.P, a.d, a.h, a.s, a.x};
  proc::DeviceData data;
  data.kind = proc::Device::Throttle;
  data.P2 = 0.2L;
  const proc::DeviceResult r = proc::computeDevice(m, in, data);
  EXPECT_EQ(r.status, proc::DeviceStatus::Solved);
  diagram::DeviceLine dl;
  dl.inS = r.inlet.s, dl.inT = r.inlet.T, dl.outS = r.outlet.s, dl.outT = r.outlet.T;
  s.deviceLines.lines.push_back(dl);
  s.cycles.reset(&m);
  EXPECT_TRUE(s.cycles.solve(&m));
  s.cycles.onDiagram = true;
  const kinds::State q = statePT(m, 5, 250);
  s.points.push_back({"N2", q.T, q.P, q.d, q.h, q.s, 1.1L, q.x});
  return s;
}

const Polyline* lineOf(const Picture& p, LineRole r, int index = -1) {
  for (const Polyline& l : p.lines)
    if (l.role == r && (index < 0 || l.index == index)) return &l;
  return nullptr;
}

TEST(KindPictures, TheStudentsWorkLiesOnItsStatesOnEveryKind) {
  for (Kind k : {Kind::PH, Kind::HS}) {
    SCOPED_TRACE(kindName(k));
    const app::Session s = withWork(k);
    const tfs::Model& m = modelOf(s);
    const Picture p = diagram::composePicture(s);
    // The process isobar through its states, in its order.
    const Polyline* proc = lineOf(p, LineRole::Process, 1);
    ASSERT_TRUE(proc);
    ASSERT_EQ(proc->points.size(), 16u);
    for (int j = 0; j <= 15; ++j)
      EXPECT_LT(pixelDistance(p, proc->points[j], kinds::coordinates(k, statePT(m, 1, 120 + 10 * j))), 0.5) << j;
    // The throttle: a straight chord between its end states; on lg p–h a
    // vertical one.
    const Polyline* chord = lineOf(p, LineRole::DeviceReal, 1);
    ASSERT_TRUE(chord);
    ASSERT_EQ(chord->points.size(), 2u);
    const kinds::State in = statePT(m, 10, 200);
    EXPECT_LT(pixelDistance(p, chord->points[0], kinds::coordinates(k, in)), 0.5);
    EXPECT_LT(pixelDistance(p, chord->points[1], kinds::coordinates(k, stateHP(m, in.h, 0.2))), 0.5);
    if (k == Kind::PH) {
      EXPECT_LT(std::fabs(kinds::toPixel(p.shown, {chord->points[0].s, chord->points[0].T}).x -
                          kinds::toPixel(p.shown, {chord->points[1].s, chord->points[1].T}).x),
                0.5);
    }
    // The cycle's states marked where they are.
    const Polyline* marks = lineOf(p, LineRole::CycleStates);
    ASSERT_TRUE(marks);
    int found = 0;
    for (const proc::CycleState& c : s.cycles.result.states) {
      const kinds::XY at = kinds::coordinates(k, {double(c.p.T), double(c.p.P), double(c.p.i), double(c.p.s), 0, 0});
      found += std::any_of(marks->points.begin(), marks->points.end(),
                           [&](const diagram::SPoint& q) { return pixelDistance(p, q, at) < 0.5; });
    }
    EXPECT_EQ(found, int(s.cycles.result.states.size()));
    EXPECT_TRUE(lineOf(p, LineRole::CycleLine) && lineOf(p, LineRole::CycleChord));
    // The picked state at its own coordinates, numbered as its row.
    const Polyline* picked = lineOf(p, LineRole::Picked);
    ASSERT_TRUE(picked);
    const app::PointRow& row = s.points[0];
    const kinds::XY at = kinds::coordinates(k, {double(row.T), double(row.P), double(row.h), double(row.s), 0, 0});
    ASSERT_EQ(picked->points.size(), 1u);
    EXPECT_EQ(picked->points[0], (diagram::SPoint{at.x, at.y}));
    // The work drawn over the lines of the kind.
    const auto first = std::find_if(p.lines.begin(), p.lines.end(), [](const Polyline& l) { return l.role == LineRole::Markers; });
    for (auto l = first; l != p.lines.end(); ++l)
      EXPECT_TRUE(l->role != LineRole::Isotherm && l->role != LineRole::SatLiquid && l->role != LineRole::Isobar);
  }
}

TEST(KindPictures, CaptionsNameTheKindAndTheModel) {
  struct Case {
    Kind kind;
    ModelKind model;
    const char* caption;
  };
  const Case cases[] = {
      {Kind::TS, ModelKind::Cubic, " TS диаграмма для АЗОТА (в систeме SI, SRK)"},
      {Kind::TS, ModelKind::Reference, " TS диаграмма для АЗОТА (в систeме SI, эталонное УС)"},
      {Kind::PH, ModelKind::Cubic, " lg p–h диаграмма для АЗОТА (в системе SI, SRK)"},
      {Kind::HS, ModelKind::Reference, " h–s диаграмма для АЗОТА (в системе SI, эталонное УС)"},
  };
  for (const Case& c : cases) {
    const app::Session s = chosen("N2", c.model, c.kind);
    const Picture p = diagram::composePicture(s);
    EXPECT_EQ(p.caption, c.caption);
    EXPECT_EQ(p.kind, c.kind);
  }
}

// ----------------------------------------------------------- zoom, pan

TEST(DiagramView, ZoomKeepsThePointUnderTheCursorAndStaysInsideTheDiagram) {
  const kinds::Frame frames[] = {{Kind::TS, 2.4, 7.2, 63.2, 350, true, 1100, 720},
                                 {Kind::PH, -150, 370, 0.01, 110, true, 1100, 720},
                                 {Kind::HS, 2.4, 7.2, -150, 370, false, 1100, 720}};
  for (const kinds::Frame& full : frames) {
    SCOPED_TRACE(kindName(full.kind));
    app::DiagramView v;
    v.kind = full.kind;
    kinds::Frame shown = full;
    for (const auto& [factor, c] : {std::pair{2.0, kinds::Pixel{300, 500}}, std::pair{10.0, kinds::Pixel{900, 100}},
                                    std::pair{40.0, kinds::Pixel{550, 360}}}) {
      const kinds::XY before = kinds::fromPixel(shown, c);
      const double z0 = diagram::zoomFactor(shown, full);
      diagram::zoomView(v, shown, full, factor, c);
      ASSERT_TRUE(v.zoomed);
      shown = diagram::shownFrame(v, full);
      const kinds::XY after = kinds::fromPixel(shown, c);
      EXPECT_NEAR(after.x, before.x, 1e-9 * std::fabs(full.xHi - full.xLo));
      EXPECT_NEAR(after.y, before.y, 1e-9 * std::fabs(before.y));
      EXPECT_NEAR(diagram::zoomFactor(shown, full), z0 * factor, 1e-6 * z0 * factor);
    }
    // Dragged 50 px to the right: the content follows; far beyond, the
    // region stops at the diagram's edge.
    const kinds::XY at = kinds::fromPixel(shown, {500, 300});
    diagram::panView(v, shown, full, 50, 0);
    shown = diagram::shownFrame(v, full);
    EXPECT_NEAR(kinds::toPixel(shown, at).x, 550, 1e-6);
    diagram::panView(v, shown, full, 1e7, -1e7);
    shown = diagram::shownFrame(v, full);
    EXPECT_NEAR(shown.xLo, full.xLo, 1e-9 * std::fabs(full.xHi - full.xLo));
    EXPECT_LE(shown.yHi, full.yHi * (1 + 1e-12));
    EXPECT_NEAR(diagram::zoomFactor(shown, full), 800, 1e-6 * 800);
    // At most kMaxZoom; reduced beyond the whole diagram: the whole again.
    diagram::zoomView(v, shown, full, 1e9, {10, 10});
    EXPECT_NEAR(diagram::zoomFactor(diagram::shownFrame(v, full), full), diagram::kMaxZoom, 1e-6 * diagram::kMaxZoom);
    diagram::zoomView(v, diagram::shownFrame(v, full), full, 1e-9, {10, 10});
    EXPECT_FALSE(v.zoomed);
    diagram::panView(v, full, full, 40, 40);
    EXPECT_FALSE(v.zoomed) << "the whole diagram does not move";
    // A rectangle: its corners become the frame's; one of two pixels is none.
    diagram::zoomToBox(v, full, full, {100, 600}, {101, 100});
    EXPECT_FALSE(v.zoomed);
    diagram::zoomToBox(v, full, full, {700, 600}, {100, 100});
    shown = diagram::shownFrame(v, full);
    EXPECT_NEAR(shown.xLo, kinds::fromPixel(full, {100, 0}).x, 1e-9 * std::fabs(full.xHi - full.xLo));
    EXPECT_NEAR(shown.yHi, kinds::fromPixel(full, {0, 100}).y, 1e-9 * std::fabs(shown.yHi));
    // A region of another kind, reversed or not finite: the whole diagram.
    for (app::DiagramView bad : {app::DiagramView{Kind(int(full.kind) == 2 ? 0 : 2), true, 3, 4, 100, 200},
                                 app::DiagramView{full.kind, true, 4, 3, 100, 200},
                                 app::DiagramView{full.kind, true, 3, 4, NAN, 200}}) {
      const kinds::Frame f = diagram::shownFrame(bad, full);
      EXPECT_EQ(f.xLo, full.xLo);
      EXPECT_EQ(f.yHi, full.yHi);
    }
  }
}

// Zoomed into the T–s diagram the lines are those of the kinds, sampled
// for the region; zoomed out again the specified picture comes back.
TEST(KindPictures, AZoomedTsDiagramIsSampledAgainAndTheWholeOneComesBack) {
  app::Session s = chosen("N2");
  const Picture whole = diagram::composePicture(s);
  const tfs::ModelLimits& L = modelOf(s).limits();
  Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  modelOf(s).dhs2_T(L.Tcr - 1, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  diagram::zoomView(s.view, whole.shown, whole.full, 30, kinds::toPixel(whole.shown, {double(sv), double(L.Tcr) - 1}));
  const Picture p = diagram::composePicture(s);
  ASSERT_TRUE(p.zoomed);
  EXPECT_EQ(p.caption, whole.caption);
  EXPECT_EQ(p.s.title, whole.s.title);
  int isobars = 0, dome = 0;
  for (const Polyline& l : p.lines) {
    isobars += l.role == LineRole::Isobar && !l.points.empty();
    dome += (l.role == LineRole::SatVapour || l.role == LineRole::SatLiquid) && !l.points.empty();
    EXPECT_NE(l.role, LineRole::Dryness) << "the lines of the whole T–s diagram";
    for (const diagram::SPoint& q : l.points) {
      const kinds::Pixel px = kinds::toPixel(p.shown, {q.s, q.T});
      EXPECT_TRUE(px.x > -7 && px.x < p.shown.width + 7 && px.y > -7 && px.y < p.shown.height + 7);
    }
  }
  EXPECT_GE(isobars, 3);
  EXPECT_GE(dome, 1);
  // The axes follow the region in round steps.
  for (const diagram::Axis* a : {&p.s, &p.T}) {
    ASSERT_GE(a->ticks.size(), 3u);
    for (const diagram::Tick& t : a->ticks) {
      EXPECT_GE(t.value, a->lo - 1e-9 * std::fabs(a->lo));
      EXPECT_LE(t.value, a->hi + 1e-9 * std::fabs(a->hi));
    }
  }
  EXPECT_NEAR(diagram::zoomFactor(p.shown, p.full), 30, 1e-6);
  diagram::showWhole(s.view);
  const Picture again = diagram::composePicture(s);
  ASSERT_EQ(again.lines.size(), whole.lines.size());
  for (std::size_t k = 0; k < whole.lines.size(); ++k) EXPECT_EQ(again.lines[k].points, whole.lines[k].points) << k;
}

// --------------------------------------------------------- the readout

struct ReadCase {
  const char* name;
  double P, T, X;  // X: the dryness of a wet state at T, else -1
};

TEST(CursorReadout, RoundTripOnEveryKindAndModel) {
  const ReadCase cases[] = {{"N2", 1, 200, -1},   {"N2", 10, 100, -1}, {"N2", 0, 90, 0.4},
                            {"N2", 20, 150, -1},  {"He", 0.5, 20, -1}, {"CO2", 5, 280, -1}};
  for (const ReadCase& c : cases)
    for (ModelKind model : {ModelKind::Cubic, ModelKind::Reference}) {
      const tfs::Model& m = tfs::model(tfs::SubstIndex(c.name), model);
      kinds::State st;
      if (c.X >= 0) {
        Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
        m.dhs2_T(c.T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
        st = {c.T, double(Pv), double(hl + c.X * (hv - hl)), double(sl + c.X * (sv - sl)), 0, 1 - c.X};
      } else {
        st = statePT(m, c.P, c.T);
      }
      const double R = double(m.gasConstant());
      for (Kind k : {Kind::TS, Kind::PH, Kind::HS}) {
        SCOPED_TRACE(testing::Message() << c.name << " " << c.P << " MPa " << c.T << " K " << kindName(k)
                                        << (model == ModelKind::Cubic ? " SRK" : " ref"));
        const kinds::XY at = kinds::coordinates(k, st);
        diagram::Scale sc;
        sc.log = k != Kind::HS;
        sc.Tmin = k == Kind::HS ? at.y - 1000 : at.y / 2;
        sc.Smin = at.x - 10;
        const diagram::CursorState r = diagram::stateAtKind(m, k, at.x, at.y, sc);
        ASSERT_TRUE(r.found) << r.refusal;
        // The library's inverse routines hold T to their tolerances: s to
        // R/1000, h to R/100.
        EXPECT_NEAR(double(r.T), st.T, 2e-3 * st.T);
        EXPECT_NEAR(double(r.h), st.h, R * st.T / 100);
        EXPECT_NEAR(double(r.s), st.s, R / 100);
        // The pressure too, but that of a liquid from T and s, which
        // hardly depends on it.
        if (!(k == Kind::TS && st.x == 1 && c.X < 0)) {
          EXPECT_NEAR(double(r.P), st.P, 2e-3 * st.P);
        }
        EXPECT_EQ(r.x > 0 && r.x < 1, c.X >= 0);
      }
    }
}

TEST(CursorReadout, WhereNoStateTheLibrarySaysWhy) {
  const tfs::Model& m = tfs::cubicModel(tfs::SubstIndex("N2"));
  diagram::Scale sc;
  sc.Tmin = 0.001;
  sc.Smin = -1000;
  struct Case {
    Kind kind;
    double x, y;
  };
  // Below the liquid at the melting line, above the highest pressure, and
  // an h–s point far above any isentrope's highest enthalpy.
  for (const Case& c : {Case{Kind::PH, -500, 1}, Case{Kind::PH, 100, 5000}, Case{Kind::HS, 3, 5000}}) {
    const diagram::CursorState r = diagram::stateAtKind(m, c.kind, c.x, c.y, sc);
    EXPECT_TRUE(r.computed);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.why, diagram::NoState::Refused);
    const auto texts = diagram::noStateTexts(r, m);
    EXPECT_EQ(texts[0], "вне области расчета");
    EXPECT_FALSE(texts[1].empty());
  }
  // Below the scale: nothing looked for.
  EXPECT_EQ(diagram::stateAtKind(m, Kind::PH, 100, 0.0005, sc).why, diagram::NoState::Outside);
}

TEST(CursorReadout, TheOtherModelsValuesBesideEachValue) {
  const int n2 = tfs::SubstIndex("N2");
  const tfs::Model &mine = tfs::cubicModel(n2), &other = tfs::referenceModel(n2);
  diagram::Scale sc;
  sc.Tmin = 0.001;
  sc.Smin = -1000;
  const kinds::State gas = statePT(mine, 1, 200);
  const diagram::CursorState st = diagram::stateAtKind(mine, Kind::PH, gas.h, 1, sc);
  ASSERT_TRUE(st.found);
  const diagram::Comparison c = diagram::compareAt(other, st);
  ASSERT_TRUE(c.ok);
  Real d, h, s, Cp, x;
  other.dhs_PT(st.P, st.T, d, h, s, Cp, x);
  EXPECT_EQ(c.d, d);
  EXPECT_EQ(c.h, h);
  for (app::Units u : {app::Units::Specific, app::Units::Molar}) {
    const Real M = u == app::Units::Molar ? mine.molarMass() : 1, Mo = u == app::Units::Molar ? other.molarMass() : 1;
    const Real dShown = d / (u == app::Units::Molar ? Mo : 1), mineShown = st.d / (u == app::Units::Molar ? M : 1);
    const Real pct = (dShown - mineShown) / mineShown * 100;
    EXPECT_EQ(diagram::comparisonText(diagram::Quantity::d, st, c, u, mine, other),
              "эталонное УС: " + app::format("%4.3f", dShown) + " (" + (pct >= 0 ? "+" : "") + app::format("%.2f", pct) +
                  " %)");
    EXPECT_TRUE(diagram::comparisonText(diagram::Quantity::T, st, c, u, mine, other).empty());
    EXPECT_TRUE(diagram::comparisonText(diagram::Quantity::P, st, c, u, mine, other).empty());
  }
  // The reference model's values compared with the cubic ones.
  EXPECT_EQ(diagram::comparisonText(diagram::Quantity::s, st, diagram::compareAt(mine, st), app::Units::Specific,
                                    other, mine)
                .substr(0, 5),
            "SRK: ");
  // In the dome T and P fix no state: nothing beside.
  const diagram::CursorState wet = diagram::stateAtKind(mine, Kind::TS, 4, 90, sc);
  ASSERT_TRUE(wet.found);
  EXPECT_FALSE(diagram::compareAt(other, wet).ok);
}

// --------------------------------------------------- the inversion curve

// A small throttle (5 % of the pressure) computed by the device code cools
// the gas inside the curve and warms it outside, at the temperatures of the
// curve's points away from its top, where the temperature hardly changes
// on either side (and the device's outlet is found to some 1e-3 K).
TEST(InversionCurve, AThrottleOnEachSideChangesTheTemperatureAsTheCurveSays) {
  for (const char* name : {"N2", "n-H2", "He", "Air", "Ar"})
    for (ModelKind model : {ModelKind::Cubic, ModelKind::Reference}) {
      SCOPED_TRACE(std::string(name) + (model == ModelKind::Cubic ? " SRK" : " ref"));
      app::Session s = chosen(name, model, Kind::PH);
      s.view.inversion = true;
      const tfs::Model& m = modelOf(s);
      const Picture p = diagram::composePicture(s);
      const Polyline* curve = lineOf(p, LineRole::Inversion);
      ASSERT_TRUE(curve);
      ASSERT_GT(curve->points.size(), 10u);
      EXPECT_TRUE(std::any_of(p.labels.begin(), p.labels.end(),
                              [](const diagram::Label& l) { return l.text == "Кривая инверсии"; }));
      std::vector<std::pair<double, double>> TP;  // the curve's states
      for (const diagram::SPoint& q : curve->points) TP.push_back({stateHP(m, q.s, q.T).T, q.T});
      const double Tlow = std::min_element(TP.begin(), TP.end())->first;
      const double Ttop = std::max_element(TP.begin(), TP.end())->first;
      int checked = 0;
      for (std::size_t i = 0; i < TP.size(); i += std::max<std::size_t>(1, TP.size() / 12)) {
        const auto [T, Pinv] = TP[i];
        if (T > Tlow + 0.8 * (Ttop - Tlow)) continue;
        for (const auto& [f, cools] : {std::pair{0.7, true}, std::pair{1.4, false}}) {
          const double P = f * Pinv;
          if (P > 0.9 * double(m.limits().Pceiling) || P < 10 * double(m.limits().Pfloor)) continue;
          const kinds::State a = statePT(m, P, T);
          proc::DeviceData data;
          data.kind = proc::Device::Throttle;
          data.P2 = 0.95L * P;
          const proc::DeviceResult r = proc::computeDevice(m, {a.T, a.P, a.d, a.h, a.s, a.x}, data);
          ASSERT_EQ(r.status, proc::DeviceStatus::Solved);
          if (r.outlet.x > 0 && r.outlet.x < 1) continue;  // flashing into the dome
          EXPECT_EQ(r.outlet.T < r.inlet.T, cools)
              << T << " K, " << P << " MPa: " << double(r.outlet.T - r.inlet.T) << " K";
          ++checked;
        }
      }
      EXPECT_GE(checked, 6);
    }
}

// ------------------------------------------- the whole T–s diagram, more

TEST(KindPictures, TheWholeTsDiagramKeepsItsLinesWithTheCurvesAskedFor) {
  app::Session s = chosen("N2");
  const Picture plain = diagram::composePicture(s);
  s.view.inversion = s.view.otherModel = s.view.legend = true;
  const Picture p = diagram::composePicture(s);
  ASSERT_GT(p.lines.size(), plain.lines.size());
  for (std::size_t k = 0; k < plain.lines.size(); ++k) EXPECT_EQ(p.lines[k].points, plain.lines[k].points) << k;
  ASSERT_GE(p.labels.size(), plain.labels.size());
  for (std::size_t k = 0; k < plain.labels.size(); ++k) EXPECT_EQ(p.labels[k].text, plain.labels[k].text) << k;
  int other = 0;
  for (std::size_t k = plain.lines.size(); k < p.lines.size(); ++k) {
    const Polyline& l = p.lines[k];
    EXPECT_TRUE(l.role == LineRole::Inversion || l.role == LineRole::OtherModel) << int(l.role);
    if (l.role == LineRole::OtherModel) {
      ++other;
      EXPECT_EQ(l.colour, diagram::kGrey);
      EXPECT_EQ(l.dash, diagram::Dash::Dashed);
      EXPECT_EQ(l.width, 1);
    }
  }
  EXPECT_GE(other, 2 + 8) << "the dome and the isobars";
  std::vector<std::string> legend;
  for (const diagram::LegendItem& i : p.legend) legend.push_back(i.text);
  for (const char* want : {"Кривая инверсии: дросселирование внутри нее охлаждает газ",
                           "Другая модель (эталонное УС): пограничная кривая и изобары"})
    EXPECT_NE(std::find(legend.begin(), legend.end(), want), legend.end()) << want;
}

// The picture depends on nothing but the session: a session with a kind
// and a zoom composes the same picture by a composer that drew other views
// before and by a fresh one from a copy of the session's view. (Work files
// keep the view's fields from their version 3 on; the round trip through a
// file belongs to the work files' tests.)
TEST(KindPictures, AKindAndAZoomComposeTheSamePictureAgain) {
  app::Session s = chosen("N2", ModelKind::Cubic, Kind::HS);
  diagram::Composer composer;
  const Picture full = composer.compose(s);
  diagram::zoomView(s.view, full.shown, full.full, 8, {400, 300});
  s.view.inversion = true;
  const Picture zoomed = composer.compose(s);
  app::Session copy = chosen("N2", ModelKind::Cubic, Kind::TS);
  copy.view = s.view;
  const Picture again = diagram::composePicture(copy);
  ASSERT_TRUE(again.zoomed);
  ASSERT_EQ(again.lines.size(), zoomed.lines.size());
  for (std::size_t k = 0; k < zoomed.lines.size(); ++k) EXPECT_EQ(again.lines[k].points, zoomed.lines[k].points) << k;
  ASSERT_EQ(again.labels.size(), zoomed.labels.size());
  for (std::size_t k = 0; k < zoomed.labels.size(); ++k) EXPECT_EQ(again.labels[k].text, zoomed.labels[k].text) << k;
}

}  // namespace
