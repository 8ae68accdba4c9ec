#include "core/lines/kinds.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/base/numfmt.h"
#include "core/lines/linegen.h"
#include "core/lines/ticks.h"
#include "thermo/report.h"

namespace diagram::kinds {

namespace {

using tfs::Real;

double axisY(const Frame& f, double y) { return f.logY ? std::log(y) : y; }
double fromAxisY(const Frame& f, double v) { return f.logY ? std::exp(v) : v; }

bool uniform(const std::vector<double>& t) {
  if (t.size() < 3) return true;
  const double step = t[1] - t[0];
  for (std::size_t i = 2; i < t.size(); ++i)
    if (std::fabs(t[i] - t[i - 1] - step) > 1e-9 * std::fabs(step)) return false;
  return true;
}

Axis linearAxis(double lo, double hi, double k, int maxCount, double minStep = 0) {
  Axis a;
  a.lo = lo, a.hi = hi;
  const double l = std::min(lo * k, hi * k), h = std::max(lo * k, hi * k);
  const std::vector<double> t = linearTicks(l, h, maxCount, minStep);
  const double step = t.size() > 1 ? t[1] - t[0] : 1;
  for (double v : t) a.ticks.push_back({v / k, stepText(v, step)});
  return a;
}

// 1, 2 and 5 times the powers of ten in [lo, hi]; only the powers, or
// every n-th of them, when there are more than maxCount.
std::vector<double> pressureTicks(double lo, double hi, int maxCount) {
  if (!(lo > 0) || !(hi > lo)) return {};
  std::vector<double> all = ladderTicks(lo, hi, {1, 2, 5});
  if (int(all.size()) <= maxCount) return all;
  const std::vector<double> decades = ladderTicks(lo, hi, {1});
  const int every = int(decades.size() + maxCount - 1) / std::max(1, maxCount);
  std::vector<double> out;
  for (std::size_t i = 0; i < decades.size(); i += std::max(1, every)) out.push_back(decades[i]);
  return out;
}

int countFor(double px, double per, int most) { return std::clamp(int(px / per), 3, most); }

}  // namespace

XY coordinates(Kind k, const State& st) {
  switch (k) {
    case Kind::TS: return {st.s, st.T};
    case Kind::PH: return {st.h, st.P};
    case Kind::HS: return {st.s, st.h};
  }
  return {};
}

Pixel toPixel(const Frame& f, XY p) {
  const double Ylo = axisY(f, f.yLo), Yhi = axisY(f, f.yHi);
  return {(p.x - f.xLo) / (f.xHi - f.xLo) * f.width, (Yhi - axisY(f, p.y)) / (Yhi - Ylo) * f.height};
}

XY fromPixel(const Frame& f, Pixel p) {
  const double Ylo = axisY(f, f.yLo), Yhi = axisY(f, f.yHi);
  return {f.xLo + p.x / f.width * (f.xHi - f.xLo), fromAxisY(f, Yhi - p.y / f.height * (Yhi - Ylo))};
}

Frame zoomed(const Frame& f, double factor, Pixel c) {
  Frame z = f;
  const XY at = fromPixel(f, c);
  z.xLo = at.x - (at.x - f.xLo) / factor;
  z.xHi = at.x + (f.xHi - at.x) / factor;
  const double Yc = axisY(f, at.y), Ylo = axisY(f, f.yLo), Yhi = axisY(f, f.yHi);
  z.yLo = fromAxisY(f, Yc - (Yc - Ylo) / factor);
  z.yHi = fromAxisY(f, Yc + (Yhi - Yc) / factor);
  return z;
}

Frame panned(const Frame& f, double dx, double dy) {
  Frame p = f;
  const double sx = dx / f.width * (f.xHi - f.xLo);
  p.xLo -= sx;
  p.xHi -= sx;
  const double Ylo = axisY(f, f.yLo), Yhi = axisY(f, f.yHi);
  const double sy = dy / f.height * (Yhi - Ylo);
  p.yLo = fromAxisY(f, Ylo + sy);
  p.yHi = fromAxisY(f, Yhi + sy);
  return p;
}

std::vector<double> diagramIsobars(const Limits& lim) {
  std::vector<double> p;
  for (int i = 0; i <= std::clamp(lim.lastIsobar, 0, 10); ++i) p.push_back(double(app::IsobarP[i]));
  return p;
}

Region diagramRegion(const tfs::Model& m, const Limits& lim) {
  Region r;
  const tfs::ModelLimits& L = m.limits();
  r.Tmin = lim.Tmin;
  r.Tmax = lim.Tmax;
  const std::vector<double> isobars = diagramIsobars(lim);
  r.Plo = isobars.front();
  r.Phi = isobars.back();
  if (!(lim.Tmax > lim.Tmin) || !(lim.Tmin >= double(L.Ttr))) return r;

  constexpr double inf = std::numeric_limits<double>::infinity();
  r.sLo = r.hLo = r.dLo = inf;
  r.sHi = r.hHi = r.dHi = -inf;
  auto take = [&](Real h, Real s, Real d) {
    if (!std::isfinite(double(h)) || !std::isfinite(double(s)) || !(d > 0)) return;
    r.sLo = std::min(r.sLo, double(s)), r.sHi = std::max(r.sHi, double(s));
    r.hLo = std::min(r.hLo, double(h)), r.hHi = std::max(r.hHi, double(h));
    r.dLo = std::min(r.dLo, double(d)), r.dHi = std::max(r.dHi, double(d));
  };
  // The saturated states at Tmin: the dome's foot, below the lowest
  // isobar when the dew pressure there is lower.
  if (lim.Tmin < double(L.Tcr)) {
    Real Pv = 0, dv = 0, hv = 0, sv = 0, Cpv = 0, Pl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
    if (tfs::attempt([&] { m.dhs2_T(lim.Tmin, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl); })) {
      take(hv, sv, dv);
      take(hl, sl, dl);
      if (Pv > 0) r.Plo = std::min(r.Plo, double(Pv));
    }
  }
  // Along the isobars the states run from the melting line (or Tmin) to
  // Tmax, s and h rising with T; below the lowest isobar only the dome's
  // foot belongs to the diagram.
  std::vector<double> pressures = isobars;
  for (int i = 0; i <= 24; ++i) pressures.push_back(isobars.front() * std::pow(r.Phi / isobars.front(), i / 24.0));
  for (double P : pressures) {
    Real Tlow = lim.Tmin, Tm = 0;
    if (tfs::attempt([&] { Tm = m.Tmelt(P); }) && Tm > Tlow) Tlow = Tm;
    if (!(Tlow < lim.Tmax)) continue;
    for (Real T : {Tlow, Real(lim.Tmax)}) {
      Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
      if (tfs::attempt([&] { m.dhs_PT(P, T, d, h, s, Cp, x); })) take(h, s, d);
    }
  }
  r.valid = r.sHi > r.sLo && r.hHi > r.hLo;
  return r;
}

Frame fullFrame(Kind k, const Region& r, bool logT, double width, double height) {
  constexpr double margin = 0.03;
  Frame f;
  f.kind = k;
  f.width = width;
  f.height = height;
  const double ds = (r.sHi - r.sLo) * margin, dh = (r.hHi - r.hLo) * margin;
  switch (k) {
    case Kind::TS:
      f.xLo = r.sLo - ds, f.xHi = r.sHi + ds;
      f.yLo = r.Tmin, f.yHi = r.Tmax;
      f.logY = logT;
      break;
    case Kind::PH: {
      const double dy = std::log(r.Phi / r.Plo) * margin;
      f.xLo = r.hLo - dh, f.xHi = r.hHi + dh;
      f.yLo = r.Plo * std::exp(-dy), f.yHi = r.Phi * std::exp(dy);
      f.logY = true;
      break;
    }
    case Kind::HS:
      f.xLo = r.sLo - ds, f.xHi = r.sHi + ds;
      f.yLo = r.hLo - dh, f.yHi = r.hHi + dh;
      f.logY = false;
      break;
  }
  return f;
}

int decimalsOf(double v) {
  for (int d = 0; d < 6; ++d) {
    const double scaled = v * std::pow(10.0, d);
    if (std::fabs(scaled - std::round(scaled)) <= 1e-7 * std::max(1.0, std::fabs(scaled))) return d;
  }
  return 6;
}

std::string fixedText(double v, int decimals) {
  static const char* const pattern[] = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f", "%.5f", "%.6f"};
  return app::format(pattern[std::clamp(decimals, 0, 6)], Real(v));
}

std::string roundText(double v) { return fixedText(v, decimalsOf(v)); }

int stepDecimals(double v, double step) { return step > 0 ? decimalsOf(step) : decimalsOf(v); }

std::string stepText(double v, double step) { return fixedText(v, stepDecimals(v, step)); }

Axis xAxis(const Frame& f, const ShownUnits& u) {
  const double k = f.kind == Kind::PH ? u.h : u.s;
  return linearAxis(f.xLo, f.xHi, k, countFor(f.width, 100, 16));
}

Axis yAxis(const Frame& f, const ShownUnits& u) {
  Axis a;
  a.lo = f.yLo, a.hi = f.yHi;
  a.log = f.logY;
  switch (f.kind) {
    case Kind::TS:
      if (f.logY) {
        // The T–s diagram's numbers: whole kelvins, one decimal below
        // them; round steps where the range is too narrow for those.
        const std::vector<double> t = logTicks(f.yLo, f.yHi);
        const bool steps = uniform(t);
        const double step = t.size() > 1 ? t[1] - t[0] : 1;
        for (double v : t) a.ticks.push_back({v, steps ? stepText(v, step) : roundText(v)});
        return a;
      } else {
        Axis l = linearAxis(f.yLo, f.yHi, 1, countFor(f.height, 45, 16), f.yHi - f.yLo >= 100 ? 20 : 0);
        l.log = false;
        return l;
      }
    case Kind::PH: {
      const int most = countFor(f.height, 40, 24);
      std::vector<double> t = pressureTicks(f.yLo, f.yHi, most);
      if (t.size() >= 3) {
        for (double v : t) a.ticks.push_back({v, roundText(v)});
        return a;
      }
      t = linearTicks(f.yLo, f.yHi, countFor(f.height, 60, 12));
      const double step = t.size() > 1 ? t[1] - t[0] : 1;
      for (double v : t) a.ticks.push_back({v, stepText(v, step)});
      return a;
    }
    case Kind::HS: return linearAxis(f.yLo, f.yHi, u.h, countFor(f.height, 45, 16));
  }
  return a;
}

}  // namespace diagram::kinds
