// Value labels of the diagram kinds: their texts in the T–s diagram's
// style and their places on the lines.

#include <algorithm>
#include <cmath>

#include "core/base/tr.h"
#include "core/base/units.h"
#include "core/lines/families.h"

namespace diagram::kinds {

namespace {

double textWidth(const LabelStyle& st, const std::string& text) {
  if (st.width) return st.width(text);
  int chars = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++chars;
  return 7.0 * chars + 6;
}

struct Segment {
  Pixel a, b;
  double from = 0, length = 0;  // along the visible line
};

}  // namespace

std::string labelText(Role r, double v, const ShownUnits& u, double step) {
  const app::Units units = u.molar ? app::Units::Molar : app::Units::Specific;
  switch (r) {
    case Role::Isobar: {
      // "0.1 МПа", "1.0 МПа", "10 МПа" as on the T–s diagram; finer steps
      // with their digits.
      const int d = stepDecimals(v, step);
      return fixedText(v, v >= 1 && v < 10 ? std::max(d, 1) : d) + " " + app::translate("Units", "МПа");
    }
    case Role::Isotherm: return stepText(v, step) + " K";
    case Role::Isentrope: return "S=" + stepText(u.entropy(v), step);
    case Role::Isochore: return stepText(u.density(v), step) + " " + app::unitText(units, app::Dim::Density);
    case Role::Isenthalp: {
      // The T–s diagram's "%5.1f" per kilogram, "%5.0f" per mole.
      const double e = u.enthalpy(v);
      return fixedText(e, std::max(u.molar ? 0 : 1, stepDecimals(e, step)));
    }
    case Role::Dryness: return "x=" + roundText(100 * v) + " %";
    case Role::Inversion: return app::translate("Diagram", "Кривая инверсии");
    default: return {};
  }
}

std::vector<Label> placeLabels(const View& v, const std::vector<LabelRequest>& wanted, const LabelStyle& style) {
  const Frame& f = v.frame;
  std::vector<Label> out;
  // Where along the line a label is tried first: the middle, then outwards.
  std::vector<double> fractions = {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8, 0.12, 0.88, 0.06, 0.94};
  for (int i = 1; i < 64; ++i) fractions.push_back(i / 64.0);
  for (const LabelRequest& req : wanted) {
    if (req.line < 0 || req.line >= int(v.lines.size())) continue;
    const Line& line = v.lines[req.line];
    const double w = textWidth(style, req.text), h = style.height;
    if (!(w < f.width) || !(h < f.height)) continue;
    // The line's drawn segments inside the frame, on the screen.
    std::vector<Segment> segs;
    double total = 0;
    const Path& p = line.path;
    std::size_t nextBreak = 0;
    for (std::size_t i = 1; i < p.points.size(); ++i) {
      while (nextBreak < p.breaks.size() && std::size_t(p.breaks[nextBreak]) < i) ++nextBreak;
      if (nextBreak < p.breaks.size() && std::size_t(p.breaks[nextBreak]) == i) continue;  // a new run
      const Pixel a = toPixel(f, p.points[i - 1]), b = toPixel(f, p.points[i]);
      const double len = std::hypot(b.x - a.x, b.y - a.y);
      if (!(len > 0)) continue;
      segs.push_back({a, b, total, len});
      total += len;
    }
    if (segs.empty()) continue;
    for (double frac : fractions) {
      const double at = frac * total;
      auto s = std::upper_bound(segs.begin(), segs.end(), at, [](double x, const Segment& g) { return x < g.from; });
      const Segment& g = *(s == segs.begin() ? s : s - 1);
      const double u = std::clamp((at - g.from) / g.length, 0.0, 1.0);
      const Pixel c{g.a.x + u * (g.b.x - g.a.x), g.a.y + u * (g.b.y - g.a.y)};
      const double x0 = c.x - w / 2, x1 = c.x + w / 2, y0 = c.y - h / 2, y1 = c.y + h / 2;
      if (x0 < 0 || y0 < 0 || x1 > f.width || y1 > f.height) continue;
      const bool clear = std::none_of(out.begin(), out.end(), [&](const Label& o) {
        return x0 < o.centre.x + o.width / 2 + style.gap && x1 + style.gap > o.centre.x - o.width / 2 &&
               y0 < o.centre.y + o.height / 2 + style.gap && y1 + style.gap > o.centre.y - o.height / 2;
      });
      if (!clear) continue;
      Label l;
      l.role = line.role;
      l.value = line.value;
      l.line = req.line;
      l.at = fromPixel(f, c);
      l.centre = c;
      l.width = w;
      l.height = h;
      l.text = req.text;
      out.push_back(std::move(l));
      break;
    }
  }
  return out;
}

}  // namespace diagram::kinds
