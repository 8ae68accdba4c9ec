// The composer of the diagram's pictures: the whole T–s diagram from the
// lines of linegen, every other kind and every zoomed view from the lines
// of the kinds, the student's work placed on either, the lines drawn on
// request and the legend.

#include <cmath>
#include <map>
#include <optional>

#include "core/diagram/compose.h"
#include "core/diagram/readout.h"
#include "core/diagram/view.h"
#include "thermo/report.h"
#include "thermo/substances.h"

namespace diagram {

using tfs::Real;

// The lines of the kinds for the session's model and limits, those of the
// other model, and the states of the process lines by their (s, T), kept
// while the diagram's model and limits stay.
struct Composer::Cache {
  int subst = 0;
  tfs::ModelKind model = tfs::ModelKind::Cubic;
  double Tmin = 0, Tmax = 0;
  int first = 0, last = 0;
  std::unique_ptr<kinds::KindLines> lines;
  std::unique_ptr<kinds::KindLines> other;
  bool otherTried = false;
  std::map<std::pair<Real, Real>, std::optional<kinds::State>> states;

  void refresh(const app::AppState& st);
  const kinds::KindLines* otherLines(const app::AppState& st);
  bool stateAt(const tfs::Model& m, Real s, Real T, kinds::State& out);
};

void Composer::Cache::refresh(const app::AppState& st) {
  if (lines && subst == st.subst && model == st.model && Tmin == double(st.Tmin) && Tmax == double(st.Tmax) &&
      first == st.firstIsobar && last == st.lastIsobar)
    return;
  subst = st.subst, model = st.model, Tmin = double(st.Tmin), Tmax = double(st.Tmax);
  first = st.firstIsobar, last = st.lastIsobar;
  lines = std::make_unique<kinds::KindLines>(st.eos(), kinds::Limits{Tmin, Tmax, first, last});
  other.reset();
  otherTried = false;
  states.clear();
}

const kinds::KindLines* Composer::Cache::otherLines(const app::AppState& st) {
  if (otherTried) return other.get();
  otherTried = true;
  const tfs::Model* m = otherModelOf(st);
  if (!m) return nullptr;
  // Its own triple point and highest temperature bound the diagram's
  // limits.
  const tfs::ModelLimits& L = m->limits();
  const double lo = std::max(Tmin, double(L.Ttr) * (1 + 1e-6)), hi = std::min(Tmax, double(L.Tmax));
  if (!(lo < hi)) return nullptr;
  other = std::make_unique<kinds::KindLines>(*m, kinds::Limits{lo, hi, first, last});
  return other.get();
}

bool Composer::Cache::stateAt(const tfs::Model& m, Real s, Real T, kinds::State& out) {
  auto [it, fresh] = states.try_emplace({s, T});
  if (fresh) {
    if (states.size() > 100000) states.clear(), it = states.try_emplace({s, T}).first;
    Real P = 0, d = 0, h = 0, Cp = 0, x = 0;
    if (tfs::attempt([&] { m.Pdh_Ts(T, s, P, d, h, Cp, x); }) && P > 0 && std::isfinite(double(h)))
      it->second = kinds::State{double(T), double(P), double(h), double(s), double(d), double(x)};
  }
  if (!it->second) return false;
  out = *it->second;
  return true;
}

Composer::Composer() : cache_(std::make_unique<Cache>()) {}
Composer::~Composer() = default;

namespace {

bool sameFrame(const kinds::Frame& a, const kinds::Frame& b) {
  return a.xLo == b.xLo && a.xHi == b.xHi && a.yLo == b.yLo && a.yHi == b.yHi;
}

detail::Plane planeOf(const kinds::Frame& f) {
  detail::Plane pl;
  pl.kind = f.kind;
  pl.sorted = f.kind == kinds::Kind::TS;
  pl.log = f.logY;
  pl.xLo = f.xLo, pl.xHi = f.xHi, pl.yLo = f.yLo, pl.yHi = f.yHi;
  return pl;
}

}  // namespace

Picture Composer::compose(const app::Session& session, const Canvas& canvas) {
  const app::AppState& st = session.main;
  const app::DiagramStore& d = session.lines;
  if (!st.chosen || st.subst < 1 || st.subst > tfs::kSubstCount) {
    Picture p;
    p.lines = detail::emptyLines();
    p.log = st.scale == app::ScaleKind::Logarithmic;
    return p;
  }
  Cache& c = *cache_;
  c.refresh(st);
  const kinds::Kind kind = session.view.kind;
  const bool logT = st.scale == app::ScaleKind::Logarithmic;
  const kinds::Frame full =
      kind == kinds::Kind::TS
          ? kinds::Frame{kind, double(d.Smin), double(d.Smax), double(st.Tmin), double(st.Tmax), logT, canvas.width,
                         canvas.height}
          : c.lines->fullFrame(kind, logT, canvas.width, canvas.height);
  const kinds::Frame shown = shownFrame(session.view, full);
  const bool zoomed = !sameFrame(shown, full);
  const kinds::ShownUnits u = detail::shownUnits(st);

  Picture p;
  if (kind == kinds::Kind::TS && !zoomed) {
    detail::Plane plane = planeOf(full);
    plane.xLo = d.Smin, plane.xHi = d.Smax, plane.yLo = st.Tmin, plane.yHi = st.Tmax;
    p = detail::wholeTs(session, plane);
    if (session.view.inversion) detail::addInversion(p, *c.lines, full, canvas, u);
  } else {
    // Isenthalps from the whole T–s diagram's sixth value up green and
    // dashed, as there.
    const double hSplit = d.HCount >= 5 ? double(d.HValue[5]) : HUGE_VAL;
    p = detail::kindPicture(session, *c.lines, shown, canvas, hSplit);
    detail::Plane plane = planeOf(shown);
    if (kind != kinds::Kind::TS)
      plane.place = [this, &st, kind](Real s, Real T, detail::Placed& at) {
        kinds::State state;
        if (!cache_->stateAt(st.eos(), s, T, state)) return false;
        const kinds::XY q = kinds::coordinates(kind, state);
        at = {q.x, q.y};
        return true;
      };
    detail::appendWork(p, plane, session);
  }
  if (session.view.otherModel)
    if (const kinds::KindLines* other = c.otherLines(st))
      detail::addOtherModel(p, *other, shown, u, modelShortName(other->model().kind()));
  p.kind = kind;
  p.full = full;
  p.shown = shown;
  p.zoomed = zoomed;
  if (session.view.legend) p.legend = legendOf(p, u);
  return p;
}

Picture composePicture(const app::Session& session, const Canvas& canvas) {
  return Composer().compose(session, canvas);
}

}  // namespace diagram
