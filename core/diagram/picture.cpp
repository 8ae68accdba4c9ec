#include "core/diagram/picture.h"

#include <algorithm>
#include <cmath>

#include "core/diagram/compose.h"
#include "core/base/numfmt.h"
#include "core/base/numparse.h"
#include "core/base/tr.h"
#include "core/lines/ticks.h"
#include "core/session/substance.h"
#include "thermo/substances.h"

namespace diagram {

namespace {

using app::Real;

SPoint pt(Real s, Real T) { return {double(s), double(T)}; }

bool redIsobar(int i) { return i == 1 || i == 4 || i == 7 || i == 10; }

}  // namespace

std::vector<Polyline> detail::emptyLines() {
  std::vector<Polyline> lines(kLineCount);
  for (int i = 0; i < kLineCount; ++i) {
    Polyline& l = lines[i];
    if (i == kFrame) {
      l.role = LineRole::Frame;
      l.colour = kWhite;
    } else if (i == kSatLiquid) {
      l.role = LineRole::SatLiquid;
      l.colour = kBlue;
      l.width = 2;
    } else if (i == kSatVapour) {
      l.role = LineRole::SatVapour;
      l.colour = kLime;
      l.width = 2;
    } else if (i < kIsenthalp0) {
      l.role = LineRole::Isobar;
      l.index = i - kIsobar0;
      l.colour = redIsobar(l.index) ? kRed : kBlack;
    } else if (i < kMelting) {
      l.role = LineRole::Isenthalp;
      l.index = i - kIsenthalp0;
      l.colour = l.index < 5 ? kBlack : kGreen;
      l.dash = l.index < 5 ? Dash::Solid : Dash::Dashed;
    } else if (i == kMelting) {
      l.role = LineRole::Melting;
      l.colour = kGreen;
      l.dash = Dash::Dashed;
    } else if (i == kMarkers) {
      l.role = LineRole::Markers;
      l.colour = kRed;
      l.joined = false;
      l.marker = 3;
    } else {
      l.role = LineRole::Process;
      l.index = i - kProcess0;
      l.colour = kRed;
      l.width = 3;
    }
  }
  return lines;
}

namespace {

void axes(Picture& p, const app::AppState& st, const app::DiagramStore& d) {
  p.T.title = app::translate("Diagram", "Температура Т, К");
  p.s.title = app::translate("Diagram", "Энтропия S, ") + app::unitText(st.units, app::Dim::Entropy);
  const double lo = double(st.Tmin), hi = double(st.Tmax);
  p.T.lo = lo;
  p.T.hi = hi;
  if (lo > 0 && hi > lo) {
    if (p.log) {
      // Whole kelvins, one decimal below them.
      for (double v : logTicks(lo, hi)) p.T.ticks.push_back({v, kinds::fixedText(v, v == std::floor(v) ? 0 : 1)});
    } else {
      const std::vector<double> t = linearTicks(lo, hi, 16, hi - lo >= 100 ? 20 : 0);
      const double step = t.size() > 1 ? t[1] - t[0] : 1;
      for (double v : t) p.T.ticks.push_back({v, kinds::stepText(v, step)});
    }
  }
  p.s.lo = double(d.Smin);
  p.s.hi = double(d.Smax);
  if (d.Smax > d.Smin) {
    // Round numbers of the units shown, placed at their entropy per kg.
    const double k = double(app::toShown(st.units, app::Dim::Entropy, 1, st.eos()));
    const std::vector<double> t = linearTicks(p.s.lo * k, p.s.hi * k, 12);
    const double step = t.size() > 1 ? t[1] - t[0] : 1;
    for (double v : t) p.s.ticks.push_back({v / k, kinds::stepText(v, step)});
  }
}

void isobars(std::vector<Polyline>& lines, const app::AppState& st, const app::DiagramStore& d, Real Pcr,
             Real labelS[4]) {
  const int last = std::min(st.lastIsobar, 10);
  for (int i = 0; i <= last; ++i) {
    lines[kIsobar0 + i].value = double(app::IsobarP[i]);
    std::vector<SPoint>& iso = lines[kIsobar0 + i].points;
    // Saturation points exist only where the generator computed them.
    if (i >= st.firstIsobar && app::IsobarP[i] < Pcr && d.IsoSatTV[i] > 0 && d.IsoSatTL[i] > 0) {
      insertSorted(lines[kSatLiquid].points, pt(d.IsoSatSL[i], d.IsoSatTL[i]));
      insertSorted(lines[kSatVapour].points, pt(d.IsoSatSV[i], d.IsoSatTV[i]));
      insertSorted(iso, pt(d.IsoSatSV[i], d.IsoSatTV[i]));
      insertSorted(iso, pt(d.IsoSatSL[i], d.IsoSatTL[i]));
    }
    for (int k = 0; k <= 20; ++k)
      if (d.IsoT[i][k] > d.IsoTmelt[i] - Real(0.01)) insertSorted(iso, pt(d.IsoS[i][k], d.IsoT[i][k]));
    if (redIsobar(i)) labelS[(i - 1) / 3] = d.IsoS[i][20];
  }
}

// Clips the segment a-b (in s and y, y = ln T or T) to the frame; false when
// nothing of it lies inside.
bool clipSegment(double& s0, double& y0, double& s1, double& y1, double sLo, double sHi, double yLo, double yHi) {
  double t0 = 0, t1 = 1;
  const double ds = s1 - s0, dy = y1 - y0;
  const double p[4] = {-ds, ds, -dy, dy};
  const double q[4] = {s0 - sLo, sHi - s0, y0 - yLo, yHi - y0};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  const double a = s0, b = y0;
  s0 = a + t0 * ds;
  y0 = b + t0 * dy;
  s1 = a + t1 * ds;
  y1 = b + t1 * dy;
  return true;
}

// A process line drawn up to the frame where it leaves it.
void clipToFrame(Polyline& line, const std::vector<SPoint>& path, bool log, double sLo, double sHi, double Tlo,
                 double Thi) {
  auto y = [log](double T) { return log ? std::log(T) : T; };
  auto T = [log](double v) { return log ? std::exp(v) : v; };
  const double yLo = y(Tlo), yHi = y(Thi);
  if (path.size() == 1) {
    const SPoint& q = path[0];
    if (sLo < q.s && q.s < sHi && Tlo < q.T && q.T < Thi) line.points.push_back(q);
    return;
  }
  for (std::size_t k = 0; k + 1 < path.size(); ++k) {
    double s0 = path[k].s, y0 = y(path[k].T), s1 = path[k + 1].s, y1 = y(path[k + 1].T);
    if (!clipSegment(s0, y0, s1, y1, sLo, sHi, yLo, yHi)) continue;
    // Points on the frame take the frame's own values.
    auto back = [&](double s, double v, const SPoint& orig) {
      auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-12 * std::max(1.0, std::fabs(b)); };
      const double sv = near(s, sLo) ? sLo : near(s, sHi) ? sHi : s;
      const double Tv = v == y(orig.T) ? orig.T : near(v, yLo) ? Tlo : near(v, yHi) ? Thi : T(v);
      return SPoint{sv, Tv};
    };
    const SPoint a = back(s0, y0, path[k]);
    const SPoint b = back(s1, y1, path[k + 1]);
    if (line.points.empty() || !(line.points.back() == a)) {
      if (!line.points.empty()) line.breaks.push_back(int(line.points.size()));
      line.points.push_back(a);
    }
    line.points.push_back(b);
  }
}

// The ideal-process lines: their ends marked, every point of a path (a
// point whose T is 0 is absent), then the parts inside the frame.
void processLines(std::vector<Polyline>& lines, const detail::Plane& pl, const ProcStore& pr, int base) {
  const int count = std::min(pr.ProcCount, 10);
  SPoint q;
  for (int r = 1; r <= count; ++r) {
    for (int j : {0, 15})
      if (pl.inside(pr.ProcS[r][j], pr.ProcT[r][j], q)) pl.put(lines[base].points, q);
    std::vector<SPoint> path;
    for (int j = 0; j <= 15; ++j)
      if (pr.ProcT[r][j] > 0 && pl.at(pr.ProcS[r][j], pr.ProcT[r][j], q)) pl.put(path, q);
    pl.clip(lines[base + r], path);
  }
}

// The real processes after the process lines: the chord dashed, the ideal
// reference solid, both red and clipped at the frame; their ends marked.
void deviceLines(std::vector<Polyline>& lines, const detail::Plane& pl, const DeviceStore& dev, int markers) {
  const int count = std::min<int>(int(dev.lines.size()), DeviceStore::kCapacity);
  for (int n = 1; n <= count; ++n) {
    const DeviceLine& dl = dev.lines[n - 1];
    Polyline chord, ideal;
    chord.role = LineRole::DeviceReal;
    ideal.role = LineRole::DeviceIdeal;
    chord.index = ideal.index = n;
    chord.colour = ideal.colour = kRed;
    chord.dash = Dash::Dashed;
    chord.width = 3;
    ideal.width = 2;
    std::vector<SPoint> path;
    SPoint q;
    for (const auto& [s, T] : {std::pair{dl.inS, dl.inT}, std::pair{dl.outS, dl.outT}})
      if (pl.at(s, T, q)) pl.put(path, q);
    pl.clip(chord, path);
    path.clear();
    for (int j = 0; j <= 15; ++j)
      if (dl.T[j] > 0 && pl.at(dl.S[j], dl.T[j], q)) pl.put(path, q);
    pl.clip(ideal, path);
    std::vector<SPoint> ends;
    for (const auto& [s, T] : {std::pair{dl.inS, dl.inT}, std::pair{dl.outS, dl.outT}, std::pair{dl.S[0], dl.T[0]},
                               std::pair{dl.S[15], dl.T[15]}})
      if (T > 0 && pl.inside(s, T, q) && std::find(ends.begin(), ends.end(), q) == ends.end()) ends.push_back(q);
    for (const SPoint& e : ends) pl.put(lines[markers].points, e);
    lines.push_back(std::move(chord));
    lines.push_back(std::move(ideal));
  }
}

// A number at a marked state: its row, its look.
Label numberAt(LabelRole role, int n, SPoint at, int dx, int dy, Rgb colour) {
  Label l;
  l.role = role;
  l.index = n;
  l.s = at.s;
  l.T = at.T;
  l.dx = dx;
  l.dy = dy;
  l.minWidth = 0;
  l.text = std::to_string(n);
  l.colour = colour;
  return l;
}

// States marked with squares of one colour, each numbered beside it.
struct NumberedMarks {
  Polyline line;
  std::vector<Label> numbers;
  LabelRole role;
  int dx, dy;

  NumberedMarks(LineRole lineRole, LabelRole labelRole, Rgb colour, int marker, int dx_, int dy_)
      : role(labelRole), dx(dx_), dy(dy_) {
    line.role = lineRole;
    line.colour = colour;
    line.joined = false;
    line.marker = marker;
  }
  void add(const detail::Plane& pl, SPoint q, int n) {
    pl.put(line.points, q);
    numbers.push_back(numberAt(role, n, q, dx, dy, line.colour));
  }
  void addTo(Picture& p) {
    p.lines.push_back(std::move(line));
    p.labels.insert(p.labels.end(), numbers.begin(), numbers.end());
  }
};

// The liquefaction cycle after the real processes, in its own colour: its
// isobars solid, its chords dashed, clipped at the frame; its states marked
// and numbered (one label for states that coincide).
void cycleLines(Picture& p, const detail::Plane& pl, const diagram::CycleStore& cyc) {
  SPoint q;
  for (const CyclePath& c : cyc.paths) {
    Polyline l;
    l.role = c.chord ? LineRole::CycleChord : LineRole::CycleLine;
    l.colour = kViolet;
    l.width = 2;
    l.dash = c.chord ? Dash::Dashed : Dash::Solid;
    std::vector<SPoint> path;
    for (std::size_t k = 0; k < c.S.size(); ++k)
      if (pl.at(c.S[k], c.T[k], q)) path.push_back(q);
    pl.clip(l, path);
    p.lines.push_back(std::move(l));
  }
  if (cyc.marks.empty()) return;
  NumberedMarks marks(LineRole::CycleStates, LabelRole::CycleState, kViolet, 6, 5, -20);
  for (const CycleMark& m : cyc.marks) {
    if (!pl.inside(m.s, m.T, q)) continue;
    auto same = std::find_if(marks.numbers.begin(), marks.numbers.end(),
                             [&](const Label& l) { return l.s == q.s && l.T == q.T; });
    if (same != marks.numbers.end()) {
      same->text += ", " + std::to_string(m.n);
      continue;
    }
    marks.add(pl, q, m.n);
  }
  marks.addTo(p);
}

// The states of the points table picked on this substance's diagram, as
// orange markers numbered as their rows.
void pickedPoints(Picture& p, const detail::Plane& pl, const app::Session& session) {
  NumberedMarks marks(LineRole::Picked, LabelRole::Picked, kOrange, 5, 4, -19);
  SPoint q;
  for (std::size_t k = 0; k < session.points.size(); ++k) {
    const app::PointRow& r = session.points[k];
    if (r.substance != session.main.name || !pl.inside(r, q)) continue;
    marks.add(pl, q, int(k) + 1);
  }
  if (marks.line.points.empty()) return;
  marks.addTo(p);
}

void labels(Picture& p, const app::AppState& st, const app::DiagramStore& d, const Real labelS[4]) {
  const int m[4] = {1, 4, 7, 10};
  const std::string MPa = app::translate("Diagram", "%3.0f МПа");
  const std::string pattern[4] = {"%3.1f ", app::translate("Diagram", "%3.1f МПа"), MPa, MPa};
  const int width[4] = {41, 57, 57, 57};
  for (int n = 0; n < 4; ++n) {
    // Only the isobars this substance draws carry a label.
    if (!(st.firstIsobar <= m[n] && m[n] <= st.lastIsobar)) continue;
    Label l;
    l.role = LabelRole::Isobar;
    l.index = m[n];
    l.s = double(labelS[n]);
    l.T = double(st.Tmax);
    l.dx = -2;
    l.minWidth = width[n];
    l.text = app::format(pattern[n], app::IsobarP[m[n]]);
    p.labels.push_back(l);
  }
  const int count = std::min(d.HCount, 9);
  const int g = std::clamp(d.GridFirst, 0, 19);
  for (int n = 0; n <= count; ++n) {
    // At the isenthalp's first point, or at the first isobar's pressure when
    // that point is absent.
    const Real T = d.HT[n][0] > 2 ? d.HT[n][0] : d.HT[n][g];
    const Real s = d.HT[n][0] > 0 ? d.HS[n][0] : d.HS[n][g];
    if (!(T > 0)) continue;  // nothing to sit on
    Label l;
    l.role = LabelRole::Isenthalp;
    l.index = n;
    l.s = double(s);
    l.T = double(T);
    l.dx = 4;
    l.dy = -6;
    // Inside the dome, below and left of the point.
    if (d.SLFirst < s && s < d.SVFirst) {
      l.dx -= 20;
      l.dy += 10;
    }
    // Per mole the values have four or five digits: no decimals.
    l.text = st.units == app::Units::Molar
                 ? app::format("%5.0f", app::toShown(st.units, app::Dim::Enthalpy, d.HValue[n], st.eos()))
                 : app::format("%5.1f", d.HValue[n]);
    p.labels.push_back(l);
  }
}

// A segment of pixels crossing or inside a box.
bool crosses(std::pair<double, double> a, std::pair<double, double> b, const PixelBox& box) {
  double s0 = a.first, y0 = a.second, s1 = b.first, y1 = b.second;
  return clipSegment(s0, y0, s1, y1, box.left, box.right, box.top, box.bottom);
}

}  // namespace

std::vector<Label> placeStateNumbers(const Picture& p, const LabelPlacing& at) {
  std::vector<Label> out = p.labels;
  if (std::none_of(out.begin(), out.end(), [](const Label& l) { return l.role == LabelRole::CycleState; }))
    return out;
  // What a number must not cover: the other labels and every marked point.
  std::vector<PixelBox> taken;
  for (const Label& l : out)
    if (l.role != LabelRole::CycleState) taken.push_back(at.box(l));
  std::vector<PixelBox> marks;
  for (const Polyline& line : p.lines) {
    if (line.marker <= 0) continue;
    const double half = line.marker / 2.0 + 1;
    for (const SPoint& q : line.points) {
      const auto [x, y] = at.pixel(q);
      marks.push_back({x - half, y - half, x + half, y + half});
    }
  }
  // What it had better not sit on: the cycle's lines and the dome.
  std::vector<std::pair<std::pair<double, double>, std::pair<double, double>>> segments;
  for (const Polyline& line : p.lines) {
    const bool counted = line.role == LineRole::CycleLine || line.role == LineRole::CycleChord ||
                         line.role == LineRole::SatLiquid || line.role == LineRole::SatVapour;
    if (!counted || !line.joined) continue;
    for (std::size_t k = 1; k < line.points.size(); ++k)
      if (std::find(line.breaks.begin(), line.breaks.end(), int(k)) == line.breaks.end())
        segments.push_back({at.pixel(line.points[k - 1]), at.pixel(line.points[k])});
  }
  for (Label& l : out) {
    if (l.role != LabelRole::CycleState) continue;
    Label probe = l;
    probe.dx = probe.dy = 0;
    const PixelBox b0 = at.box(probe);
    const int w = int(std::lround(b0.right - b0.left)), h = int(std::lround(b0.bottom - b0.top));
    // Around the mark, nearest ring first; in each ring right-above, right,
    // right-below, left-above, left, left-below, above, below.
    int bestDx = l.dx, bestDy = l.dy;
    double best = INFINITY;
    int order = 0;
    for (int ring = 0; ring < 4; ++ring) {
      const int g = 4 + 8 * ring, d = 2 + 6 * ring;
      const int places[8][2] = {{d, -h - d}, {g, -h / 2}, {d, d},         {-w - d, -h - d},
                                {-w - g, -h / 2}, {-w - d, d}, {-w / 2, -h - g}, {-w / 2, g}};
      for (const auto& place : places) {
        probe.dx = place[0];
        probe.dy = place[1];
        const PixelBox b = at.box(probe);
        int clashes = 0;
        if (b.left < at.plot.left || b.right > at.plot.right || b.top < at.plot.top || b.bottom > at.plot.bottom)
          ++clashes;
        for (const PixelBox& t : taken) clashes += t.overlaps(b);
        for (const PixelBox& m : marks) clashes += m.overlaps(b);
        int crossed = 0;
        for (const auto& [a, z] : segments) crossed += crosses(a, z, b);
        // A clash only where there is no other way; a line crossed before
        // a place farther out; nearer and earlier places first.
        const double cost = clashes * 1e6 + crossed * 10 + ring * 6 + order++ * 0.1;
        if (cost < best) {
          best = cost;
          bestDx = probe.dx;
          bestDy = probe.dy;
        }
      }
    }
    l.dx = bestDx;
    l.dy = bestDy;
    taken.push_back(at.box(l));
  }
  return out;
}

void insertSorted(std::vector<SPoint>& pts, SPoint p) {
  const auto at = std::upper_bound(pts.begin(), pts.end(), p.s, [](double v, const SPoint& q) { return v < q.s; });
  pts.insert(at, p);
}

bool detail::Plane::at(Real s, Real T, SPoint& q) const {
  Placed p{s, T};
  if (place && !place(s, T, p)) return false;
  q = {double(p.x), double(p.y)};
  return true;
}

bool detail::Plane::inside(Real s, Real T, SPoint& q) const {
  Placed p{s, T};
  if (place && !place(s, T, p)) return false;
  if (!(xLo < p.x && p.x < xHi && yLo < p.y && p.y < yHi)) return false;
  q = {double(p.x), double(p.y)};
  return true;
}

bool detail::Plane::inside(const app::PointRow& r, SPoint& q) const {
  if (!place) return inside(r.s, r.T, q);
  const kinds::XY c = kinds::coordinates(kind, {double(r.T), double(r.P), double(r.h), double(r.s), double(r.d), 0});
  if (!(xLo < c.x && c.x < xHi && yLo < c.y && c.y < yHi)) return false;
  q = {c.x, c.y};
  return true;
}

void detail::Plane::put(std::vector<SPoint>& pts, SPoint q) const {
  if (sorted)
    insertSorted(pts, q);
  else
    pts.push_back(q);
}

void detail::Plane::clip(Polyline& line, const std::vector<SPoint>& path) const {
  clipToFrame(line, path, log, double(xLo), double(xHi), double(yLo), double(yHi));
}

void detail::addWork(Picture& p, const Plane& plane, const app::Session& session, int base) {
  processLines(p.lines, plane, session.procLines, base);
  deviceLines(p.lines, plane, session.deviceLines, base);
  if (session.cycles.onDiagram) cycleLines(p, plane, session.cycles.lines);
  pickedPoints(p, plane, session);
}

void detail::appendWork(Picture& p, const Plane& plane, const app::Session& session) {
  const int base = int(p.lines.size());
  const std::vector<Polyline> work = emptyLines();
  p.lines.insert(p.lines.end(), work.begin() + kMarkers, work.end());
  addWork(p, plane, session, base);
}

Picture detail::wholeTs(const app::Session& session, const Plane& plane) {
  const app::AppState& st = session.main;
  const app::DiagramStore& d = session.lines;
  Picture p;
  p.lines = emptyLines();
  p.log = st.scale == app::ScaleKind::Logarithmic;
  p.valid = true;
  p.caption = captionOf(st, kinds::Kind::TS);
  axes(p, st, d);

  p.lines[kFrame].points = {pt(d.Smin, st.Tmin), pt(d.Smax, st.Tmax)};
  const tfs::ModelLimits& lim = st.eos().limits();
  const Real Tcr = lim.Tcr, Pcr = lim.Pcr;
  // No dome when Tmin is at or above Tcr.
  if (d.domeComputed) {
    insertSorted(p.lines[kSatLiquid].points, pt(d.DomeSL[0], Tcr));
    insertSorted(p.lines[kSatVapour].points, pt(d.DomeSV[0], Tcr));
    for (int i = 1; i <= 10; ++i) {
      insertSorted(p.lines[kSatLiquid].points, pt(d.DomeSL[i], d.DomeT[i]));
      insertSorted(p.lines[kSatVapour].points, pt(d.DomeSV[i], d.DomeT[i]));
    }
  }
  Real labelS[4] = {};
  isobars(p.lines, st, d, Pcr, labelS);
  for (int j = 0; j <= std::min(d.HCount, 9); ++j) {
    p.lines[kIsenthalp0 + j].value = double(d.HValue[j]);
    for (int k = 0; k <= 19; ++k)
      if (d.HT[j][k] > 2) insertSorted(p.lines[kIsenthalp0 + j].points, pt(d.HS[j][k], d.HT[j][k]));
  }
  for (int i = std::max(st.firstIsobar, 0); i <= std::min(st.lastIsobar, 10); ++i)
    if (d.IsoT[i][0] > 0) insertSorted(p.lines[kMelting].points, pt(d.IsoS[i][0], d.IsoT[i][0]));
  labels(p, st, d, labelS);
  addWork(p, plane, session, kMarkers);
  return p;
}

}  // namespace diagram
