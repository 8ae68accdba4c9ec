#include "core/lines/sampler.h"

#include <algorithm>
#include <cmath>

namespace diagram::kinds {

namespace {

struct Box {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

Box frameBox(const Frame& f, double margin) { return {-margin, -margin, f.width + margin, f.height + margin}; }

double distance(Pixel a, Pixel b) { return std::hypot(b.x - a.x, b.y - a.y); }

// Distance of m from the segment a-b.
double chordDistance(Pixel m, Pixel a, Pixel b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  if (!(l2 > 0)) return distance(m, a);
  const double u = std::clamp(((m.x - a.x) * dx + (m.y - a.y) * dy) / l2, 0.0, 1.0);
  return distance(m, {a.x + u * dx, a.y + u * dy});
}

// Whether the bounding box of the points, grown by g, meets the box.
bool meets(const Box& box, std::initializer_list<Pixel> pts, double g) {
  double x0 = HUGE_VAL, y0 = HUGE_VAL, x1 = -HUGE_VAL, y1 = -HUGE_VAL;
  for (const Pixel& p : pts) {
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  return x0 - g <= box.x1 && x1 + g >= box.x0 && y0 - g <= box.y1 && y1 + g >= box.y0;
}

// A segment that keeps more than kKept of its length on the screen for
// kStuck halvings in a row holds a jump: a smooth line halves its length
// each time, a root-like steepening keeps 0.71 of it.
constexpr double kKept = 0.9;
constexpr int kStuck = 10;

class Refiner {
 public:
  Refiner(const Curve& c, const Frame& f, const SamplerLimits& lim, Sampling& out)
      : c_(c), f_(f), lim_(lim), box_(frameBox(f, lim.margin)), out_(out) {}

  Sample eval(double t) {
    ++out_.evaluations;
    Sample s;
    s.t = t;
    XY at;
    if (!c_(t, at) || !std::isfinite(at.x) || !std::isfinite(at.y) || (f_.logY && !(at.y > 0))) return s;
    s.px = toPixel(f_, at);
    if (!std::isfinite(s.px.x) || !std::isfinite(s.px.y)) return s;
    s.ok = true;
    s.at = at;
    return s;
  }

  // Appends the samples of (a, b], b included. stuck counts the halvings
  // before that kept nearly all of the segment's length on the screen.
  void refine(const Sample& a, const Sample& b, int depth, int stuck = 0) {
    std::vector<Sample>& v = out_.samples;
    if (out_.evaluations >= lim_.maxEvaluations) out_.exhausted = true;
    const bool jump = (depth >= lim_.maxDepth || stuck >= kStuck) && a.ok && b.ok &&
                      distance(a.px, b.px) > lim_.maxSegment;
    if (depth >= lim_.maxDepth || out_.exhausted || !(b.t != a.t) || jump) {
      // Still far apart after the halvings: the line jumps (as the
      // model's near the critical point), and is broken there.
      if (jump) v.push_back(Sample{(a.t + b.t) / 2, false, {}, {}});
      v.push_back(b);
      return;
    }
    if (!a.ok && !b.ok) {
      // Between two holes of the first steps one look for an island.
      if (depth > 0) {
        v.push_back(b);
        return;
      }
      const Sample m = eval((a.t + b.t) / 2);
      if (!m.ok) {
        v.push_back(m);
        v.push_back(b);
        return;
      }
      refine(a, m, depth + 1);
      refine(m, b, depth + 1);
      return;
    }
    const Sample m = eval((a.t + b.t) / 2);
    const double tol = lim_.tolerance;
    if (a.ok && b.ok) {
      if (m.ok) {
        const double dev = chordDistance(m.px, a.px, b.px);
        const bool done = !meets(box_, {a.px, m.px, b.px}, 2 * dev + tol) ||
                          (dev <= tol && distance(a.px, b.px) <= lim_.maxSegment);
        if (done) {
          v.push_back(m);
          v.push_back(b);
          return;
        }
      }
      if (!m.ok) {
        refine(a, m, depth + 1);
        refine(m, b, depth + 1);
        return;
      }
      // A jump keeps one half as long as the whole, halving after halving.
      const double whole = distance(a.px, b.px);
      refine(a, m, depth + 1, distance(a.px, m.px) > kKept * whole ? stuck + 1 : 0);
      refine(m, b, depth + 1, distance(m.px, b.px) > kKept * whole ? stuck + 1 : 0);
      return;
    }
    // One end in a hole: halve towards its edge until the states found
    // stop moving on the screen, or the rest lies off the frame.
    const Sample& good = a.ok ? a : b;
    if (m.ok) {
      const double step = distance(m.px, good.px);
      if (step <= tol || !meets(box_, {good.px, m.px}, step + tol)) {
        v.push_back(m);
        v.push_back(b);
        return;
      }
      refine(a, m, depth + 1);
      refine(m, b, depth + 1);
    } else if (a.ok) {
      refine(a, m, depth + 1);
      v.push_back(b);
    } else {
      v.push_back(m);
      refine(m, b, depth + 1);
    }
  }

 private:
  const Curve& c_;
  const Frame& f_;
  const SamplerLimits& lim_;
  Box box_;
  Sampling& out_;
};

// Liang–Barsky: the part [u0, u1] of a-b inside the box; false when none.
bool clip(Pixel a, Pixel b, const Box& box, double& u0, double& u1) {
  u0 = 0, u1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.x0, box.x1 - a.x, a.y - box.y0, box.y1 - a.y};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double r = q[k] / p[k];
    if (p[k] < 0)
      u0 = std::max(u0, r);
    else
      u1 = std::min(u1, r);
  }
  return u0 <= u1;
}

}  // namespace

Sampling sampleCurve(const Curve& c, double t0, double t1, int steps, const Frame& f, const SamplerLimits& lim) {
  Sampling out;
  Refiner r(c, f, lim, out);
  steps = std::max(1, steps);
  std::vector<Sample> first;
  first.reserve(steps + 1);
  for (int i = 0; i <= steps; ++i) first.push_back(r.eval(i == steps ? t1 : t0 + (t1 - t0) * i / steps));
  out.samples.push_back(first.front());
  for (int i = 0; i < steps; ++i) r.refine(first[i], first[i + 1], 0);
  return out;
}

void clipInto(const std::vector<Sample>& samples, const Frame& f, double margin, Path& out) {
  const Box box = frameBox(f, margin);
  bool open = false;  // the last point appended ends the previous segment
  for (std::size_t i = 1; i < samples.size(); ++i) {
    const Sample& a = samples[i - 1];
    const Sample& b = samples[i];
    double u0 = 0, u1 = 1;
    if (!a.ok || !b.ok || !clip(a.px, b.px, box, u0, u1)) {
      open = false;
      continue;
    }
    // Ends inside keep their own values; the border points are
    // interpolated on the screen, where the segment is drawn straight.
    auto at = [&](double u) {
      if (u == 0) return a.at;
      if (u == 1) return b.at;
      return fromPixel(f, {a.px.x + u * (b.px.x - a.px.x), a.px.y + u * (b.px.y - a.px.y)});
    };
    const XY p0 = at(u0), p1 = at(u1);
    if (!open) {
      const bool joins = !out.points.empty() && (out.points.back() == p0 || distance(toPixel(f, out.points.back()),
                                                                                     toPixel(f, p0)) < 1e-6);
      if (!joins) {
        if (!out.points.empty()) out.breaks.push_back(int(out.points.size()));
        out.points.push_back(p0);
      }
    }
    out.points.push_back(p1);
    open = u1 == 1;
  }
}

}  // namespace diagram::kinds
