#include "core/diagram/view.h"

#include <algorithm>
#include <cmath>

namespace diagram {

namespace {

double toAxis(bool log, double y) { return log ? (y > 0 ? std::log(y) : NAN) : y; }
double fromAxis(bool log, double v) { return log ? std::exp(v) : v; }

// A range of one axis (in the axis's own measure) kept inside [Lo, Hi] and
// no narrower than a kMaxZoom-th of it; false, and the whole range, where it
// covers that or is no range.
bool keepInside(double& lo, double& hi, double Lo, double Hi) {
  const double W = Hi - Lo;
  double w = hi - lo;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !(w > 0) || w >= W * (1 - 1e-9)) {
    lo = Lo, hi = Hi;
    return false;
  }
  if (w < W / kMaxZoom) {
    const double c = (lo + hi) / 2;
    w = W / kMaxZoom;
    lo = c - w / 2, hi = c + w / 2;
  }
  if (lo < Lo) hi += Lo - lo, lo = Lo;
  if (hi > Hi) lo -= hi - Hi, hi = Hi;
  return true;
}

// The region kept inside full; false where it covers the whole diagram or
// is no region (reversed, empty or not finite on an axis).
bool kept(kinds::Frame& f, const kinds::Frame& full) {
  double ylo = toAxis(full.logY, f.yLo), yhi = toAxis(full.logY, f.yHi);
  if (!(f.xHi > f.xLo) || !(yhi > ylo) || !std::isfinite(f.xLo + f.xHi + ylo + yhi)) return false;
  const bool zx = keepInside(f.xLo, f.xHi, full.xLo, full.xHi);
  const bool zy = keepInside(ylo, yhi, toAxis(full.logY, full.yLo), toAxis(full.logY, full.yHi));
  if (!zx && !zy) return false;
  f.yLo = zy ? fromAxis(full.logY, ylo) : full.yLo;
  f.yHi = zy ? fromAxis(full.logY, yhi) : full.yHi;
  return true;
}

}  // namespace

kinds::Frame shownFrame(const app::DiagramView& v, const kinds::Frame& full) {
  if (!v.zoomed || v.kind != full.kind) return full;
  kinds::Frame f = full;
  f.xLo = v.xLo, f.xHi = v.xHi, f.yLo = v.yLo, f.yHi = v.yHi;
  return kept(f, full) ? f : full;
}

double zoomFactor(const kinds::Frame& shown, const kinds::Frame& full) {
  const double fx = (full.xHi - full.xLo) / (shown.xHi - shown.xLo);
  const double fy = (toAxis(full.logY, full.yHi) - toAxis(full.logY, full.yLo)) /
                    (toAxis(full.logY, shown.yHi) - toAxis(full.logY, shown.yLo));
  const double z = std::sqrt(fx * fy);
  return std::isfinite(z) && z > 0 ? z : 1;
}

void showRegion(app::DiagramView& v, const kinds::Frame& region, const kinds::Frame& full) {
  kinds::Frame f = region;
  f.logY = full.logY;
  v.kind = full.kind;
  v.zoomed = kept(f, full);
  if (!v.zoomed) {
    showWhole(v);
    return;
  }
  v.xLo = f.xLo, v.xHi = f.xHi, v.yLo = f.yLo, v.yHi = f.yHi;
}

void zoomView(app::DiagramView& v, const kinds::Frame& shown, const kinds::Frame& full, double factor,
              kinds::Pixel at) {
  if (!(factor > 0) || !std::isfinite(factor)) return;
  showRegion(v, kinds::zoomed(shown, factor, at), full);
}

void panView(app::DiagramView& v, const kinds::Frame& shown, const kinds::Frame& full, double dx, double dy) {
  if (!v.zoomed) return;
  showRegion(v, kinds::panned(shown, dx, dy), full);
}

void zoomToBox(app::DiagramView& v, const kinds::Frame& shown, const kinds::Frame& full, kinds::Pixel a,
               kinds::Pixel b) {
  if (!(std::fabs(a.x - b.x) >= 3) || !(std::fabs(a.y - b.y) >= 3)) return;
  const kinds::XY p = kinds::fromPixel(shown, {std::min(a.x, b.x), std::max(a.y, b.y)});
  const kinds::XY q = kinds::fromPixel(shown, {std::max(a.x, b.x), std::min(a.y, b.y)});
  kinds::Frame f = shown;
  f.xLo = p.x, f.yLo = p.y, f.xHi = q.x, f.yHi = q.y;
  showRegion(v, f, full);
}

void showWhole(app::DiagramView& v) {
  v.zoomed = false;
  v.xLo = v.xHi = v.yLo = v.yHi = 0;
}

}  // namespace diagram
