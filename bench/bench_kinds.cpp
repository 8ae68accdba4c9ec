// The diagram kinds with the cubic model at the default limits (triple
// point + 0.0001 K to 350 K): every line, label and axis number of a whole
// diagram; of a zoomed view, a zoom or pan step; the inversion curve alone.
// The pictures composed from a session: a whole lg p–h or h–s diagram with
// its labels, axes and caption; the whole T–s diagram from its lines
// computed on either property model.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/diagram/picture.h"
#include "core/lines/families.h"
#include "core/lines/linegen.h"
#include "core/session/session.h"
#include "core/session/substance.h"
#include "thermo/model.h"
#include "thermo/substances.h"

namespace {

using namespace diagram::kinds;

const char* const kNames[] = {"N2", "He", "n-H2", "CO2", "Air"};
const char* const kKindNames[] = {"T-s", "lg p-h", "h-s"};

Limits limitsOf(int subst) {
  const app::AppState st = app::substanceChoice(app::AppState{}, subst);
  return {double(st.Tmin), double(st.Tmax), st.firstIsobar, st.lastIsobar};
}

int substance(const benchmark::State& state) { return tfs::substanceIndex(kNames[state.range(1)]); }

void label(benchmark::State& state, const View& v) {
  int points = 0;
  for (const Line& l : v.lines) points += int(l.path.points.size());
  state.SetLabel(std::string(kNames[state.range(1)]) + " " + kKindNames[state.range(0)] + ", " +
                 std::to_string(v.lines.size()) + " lines, " + std::to_string(points) + " points, " +
                 std::to_string(v.labels.size()) + " labels");
}

// The diagram of a run: its kind (range 0), substance (range 1), the
// substance's cubic model and default limits.
struct Run {
  Kind k;
  int n;
  const tfs::Model& m;
  Limits lim;
  explicit Run(const benchmark::State& state)
      : k(Kind(state.range(0))), n(substance(state)), m(tfs::cubicModel(n)), lim(limitsOf(n)) {}
};

// The view `next` gives each iteration; the run labelled with the last.
template <class Next>
void views(benchmark::State& state, Next next) {
  View v;
  for (auto _ : state) {
    v = next();
    benchmark::DoNotOptimize(v.lines.data());
  }
  label(state, v);
}

// A whole diagram from scratch, as when the kind or the substance changes.
void BM_WholeDiagram(benchmark::State& state) {
  const Run r(state);
  views(state, [&] {
    KindLines kl(r.m, r.lim);
    return kl.compose(kl.fullFrame(r.k, true, 1280, 1000), {});
  });
}

// Zoomed ten times about the gas at half the critical pressure, between
// the critical temperature and twice it, then moved by 40 px a step: each
// step a new view of the same diagram.
void BM_ZoomedView(benchmark::State& state) {
  const Run r(state);
  const tfs::Model& m = r.m;
  const KindLines kl(m, r.lim);
  const Frame full = kl.fullFrame(r.k, true, 1280, 1000);
  const double T = std::min(2 * double(m.limits().Tcr), (double(m.limits().Tcr) + r.lim.Tmax) / 2);
  tfs::Real d, h, s, Cp, x;
  m.dhs_PT(m.limits().Pcr / 2, T, d, h, s, Cp, x);
  const State gas{T, double(m.limits().Pcr) / 2, double(h), double(s), double(d), 0};
  Frame f = zoomed(full, 10, toPixel(full, coordinates(r.k, gas)));
  kl.compose(f, {});  // what the diagram keeps between views
  int step = 0;
  views(state, [&] {
    f = panned(f, step % 8 < 4 ? 40 : -40, step % 4 < 2 ? 30 : -30);
    ++step;
    return kl.compose(f, {});
  });
}

// Zoomed a thousand times into the top of the dome.
void BM_DomeTop(benchmark::State& state) {
  const Run r(state);
  const tfs::Model& m = r.m;
  const KindLines kl(m, r.lim);
  const Frame full = kl.fullFrame(r.k, true, 1280, 1000);
  tfs::Real Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl;
  m.dhs2_T(m.limits().Tcr, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  const State c{double(m.limits().Tcr), double(Pv + Pl) / 2, double(hv + hl) / 2, double(sv + sl) / 2, 0, 0};
  const Frame f = zoomed(full, 1000, toPixel(full, coordinates(r.k, c)));
  kl.compose(f, {});
  views(state, [&] { return kl.compose(f, {}); });
}

// The inversion curve on the whole lg p–h diagram, its start values
// included.
void BM_InversionCurve(benchmark::State& state) {
  const int n = substance(state);
  const tfs::Model& m = tfs::cubicModel(n);
  const Limits lim = limitsOf(n);
  Line l;
  for (auto _ : state) {
    KindLines kl(m, lim);
    l = kl.line(Role::Inversion, 0, kl.fullFrame(Kind::PH, true, 1280, 1000), {});
    benchmark::DoNotOptimize(l.path.points.data());
  }
  state.SetLabel(std::string(kNames[state.range(1)]) + ", " + std::to_string(l.path.points.size()) + " points");
}

// A session of the substance on the model, its lines computed, no lower
// than the model's own triple point.
std::unique_ptr<app::Session> chosenOn(int subst, tfs::ModelKind model) {
  auto s = std::make_unique<app::Session>();
  s->main.model = model;
  app::AppState st = app::substanceChoice(s->main, subst);
  st = app::withLimits(st, std::max(st.Tmin, tfs::model(subst, model).limits().Ttr + tfs::Real(1e-4)), 350);
  st.chosen = true;
  s->main = st;
  app::ComputeAll(s->lines, app::lineInputs(st), {});
  return s;
}

// The picture of a whole lg p–h or h–s diagram composed from the session
// afresh, as when the kind or the substance changes (its lines of the kinds
// built anew).
void BM_KindPicture(benchmark::State& state) {
  const Kind k = Kind(state.range(0));
  auto s = chosenOn(substance(state), tfs::ModelKind::Cubic);
  s->view.kind = k;
  diagram::Picture p;
  for (auto _ : state) {
    p = diagram::composePicture(*s);
    benchmark::DoNotOptimize(p.lines.data());
  }
  state.SetLabel(std::string(kNames[state.range(1)]) + " " + kKindNames[state.range(0)] + ", " +
                 std::to_string(p.lines.size()) + " lines, " + std::to_string(p.labels.size()) + " labels");
}

// The whole T–s diagram from scratch on either model: its lines computed
// (linegen) and its picture composed.
void BM_WholeTs(benchmark::State& state) {
  const auto model = tfs::ModelKind(state.range(0));
  const int n = substance(state);
  auto s = chosenOn(n, model);
  diagram::Picture p;
  for (auto _ : state) {
    app::ComputeAll(s->lines, app::lineInputs(s->main), {});
    p = diagram::composePicture(*s);
    benchmark::DoNotOptimize(p.lines.data());
  }
  state.SetLabel(std::string(kNames[state.range(1)]) + (model == tfs::ModelKind::Cubic ? " SRK" : " reference"));
}

void kindsAndSubstances(benchmark::internal::Benchmark* b) {
  for (int k = 0; k < 3; ++k)
    for (int s = 0; s < 5; ++s) b->Args({k, s});
}

BENCHMARK(BM_WholeDiagram)->Apply(kindsAndSubstances)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomedView)->Apply(kindsAndSubstances)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DomeTop)->Apply(kindsAndSubstances)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InversionCurve)->ArgsProduct({{1}, {0, 1, 2, 4}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KindPicture)->ArgsProduct({{1, 2}, {0, 1, 2, 3, 4}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeTs)->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4}})->Unit(benchmark::kMillisecond);

}  // namespace
