#include "ui/diagram/render.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/base/numfmt.h"

namespace diagram {

namespace {

constexpr int kLabelTop = 8, kLabelHeight = 21, kTickLength = 4;
// A label centred on its line: its height, and the room around its text.
constexpr int kOnLineHeight = 16, kOnLinePad = 6;

QColor colour(Rgb c) { return QColor(c.r, c.g, c.b); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

QFont sized(int px, bool bold = false) {
  QFont f = QGuiApplication::font();
  f.setPixelSize(px);
  f.setBold(bold);
  return f;
}

Qt::PenStyle penStyle(Dash d) { return d == Dash::Dashed ? Qt::DashLine : d == Dash::Dotted ? Qt::DotLine : Qt::SolidLine; }

QPointF pixelAt(const PlotRect& plot, const Scale& sc, SPoint at) {
  return QPointF(pixelX(plot, at.s, sc), pixelY(plot, at.T, sc));
}

// A label's rectangle with the picture's scale and the labels' metrics at
// hand, as the layout and the painter measure every label.
QRect labelBox(const ChartLayout& l, const Scale& sc, const QFontMetrics& fm, const Label& label) {
  const QPointF at = pixelAt(l.plot, sc, {label.s, label.T});
  if (label.role == LabelRole::OnLine) {
    const int w = fm.horizontalAdvance(qs(label.text)) + kOnLinePad;
    return QRect(app::nint(at.x() - w / 2.0), app::nint(at.y() - kOnLineHeight / 2.0), w, kOnLineHeight);
  }
  const int width = std::max(label.minWidth, fm.horizontalAdvance(qs(label.text)) + 8);
  int x = app::nint(at.x() + label.dx);
  const int y = label.role == LabelRole::Isobar ? kLabelTop : app::nint(at.y() + label.dy);
  // Kept whole inside the chart at the right edge.
  x = std::min(x, l.size.width() - width);
  return QRect(x, y, width, kLabelHeight);
}

// The plot's place in a chart of this size, the labels not yet placed.
ChartLayout plotLayout(const Picture& p, QSize size) {
  const QFontMetrics fm(chartFont());
  // The whole T–s diagram as specified; the others keep room for numbers of
  // seven characters at least, so that the plot keeps its place as a zoom
  // or a pan changes the numbers.
  const bool whole = p.kind == kinds::Kind::TS && !p.zoomed;
  int tickWidth = whole ? 0 : fm.horizontalAdvance(QStringLiteral("0000.00"));
  for (const Tick& t : p.T.ticks) tickWidth = std::max(tickWidth, fm.horizontalAdvance(qs(t.text)));
  const int w = size.width(), h = size.height();
  const int outer = std::max(4, w / 100);
  ChartLayout l;
  l.size = size;
  l.plot.left = outer + fm.height() + 6 + tickWidth + kTickLength + 2;
  l.plot.top = std::max(std::max(2, h * 2 / 100), kLabelTop + kLabelHeight + 6);
  l.plot.right = w - outer - 24;
  l.plot.bottom = h - (outer + fm.height() + 4 + fm.height() + kTickLength + 2);
  return l;
}

}  // namespace

QFont chartFont() { return sized(12); }
QFont labelFont() { return sized(12); }
QFont captionFont() { return sized(16, true); }

Scale scaleOf(const Picture& p) {
  Scale sc;
  sc.log = p.log;
  sc.Tmin = p.T.lo;
  sc.Tmax = p.T.hi;
  sc.lnTmin = p.T.lo > 0 ? std::log(Real(p.T.lo)) : 0;
  sc.lnTmax = p.T.hi > 0 ? std::log(Real(p.T.hi)) : 0;
  sc.Smin = p.s.lo;
  sc.Srange = Real(p.s.hi) - Real(p.s.lo);
  return sc;
}

ChartLayout chartLayout(const Picture& p, QSize size) {
  ChartLayout l = plotLayout(p, size);
  const Scale sc = scaleOf(p);
  const QFontMetrics fm(labelFont());
  LabelPlacing at;
  at.pixel = [&](SPoint q) {
    const QPointF px = pixelAt(l.plot, sc, q);
    return std::pair<double, double>(px.x(), px.y());
  };
  at.box = [&](const Label& label) {
    const QRect r = labelBox(l, sc, fm, label);
    return PixelBox{double(r.left()), double(r.top()), double(r.left() + r.width()), double(r.top() + r.height())};
  };
  at.plot = {l.plot.left, l.plot.top, l.plot.right, l.plot.bottom};
  l.labels = placeStateNumbers(p, at);
  return l;
}

QPointF pixelOf(const ChartLayout& l, const Picture& p, SPoint at) { return pixelAt(l.plot, scaleOf(p), at); }

QRect labelRect(const ChartLayout& l, const Picture& p, const Label& label) {
  return labelBox(l, scaleOf(p), QFontMetrics(labelFont()), label);
}

void paintChart(QPainter& g, const Picture& p, const ChartLayout& l) {
  g.save();
  g.setRenderHint(QPainter::Antialiasing);
  g.setRenderHint(QPainter::TextAntialiasing);
  g.fillRect(QRect(QPoint(0, 0), l.size), Qt::white);
  if (!p.valid) {
    g.restore();
    return;
  }
  const Scale sc = scaleOf(p);
  const QRectF plot(QPointF(l.plot.left, l.plot.top), QPointF(l.plot.right, l.plot.bottom));
  const QFont font = chartFont();
  const QFontMetrics fm(font);
  g.setFont(font);

  // Grid, numbers and titles.
  g.setPen(QPen(QColor(220, 220, 220), 1));
  for (const Tick& t : p.T.ticks) {
    const double y = pixelY(l.plot, t.value, sc);
    g.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
  }
  for (const Tick& t : p.s.ticks) {
    const double x = pixelX(l.plot, t.value, sc);
    g.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
  g.setPen(QPen(Qt::black, 1));
  g.drawLine(plot.bottomLeft(), plot.topLeft());
  g.drawLine(plot.bottomLeft(), plot.bottomRight());
  for (const Tick& t : p.T.ticks) {
    const double y = pixelY(l.plot, t.value, sc);
    g.drawLine(QPointF(plot.left() - kTickLength, y), QPointF(plot.left(), y));
    const QString text = qs(t.text);
    g.drawText(QPointF(plot.left() - kTickLength - 2 - fm.horizontalAdvance(text), y + fm.ascent() / 2.0 - 1), text);
  }
  for (const Tick& t : p.s.ticks) {
    const double x = pixelX(l.plot, t.value, sc);
    g.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
    const QString text = qs(t.text);
    g.drawText(QPointF(x - fm.horizontalAdvance(text) / 2.0, plot.bottom() + kTickLength + 2 + fm.ascent()), text);
  }
  const QString sTitle = qs(p.s.title), tTitle = qs(p.T.title);
  g.drawText(QPointF(plot.center().x() - fm.horizontalAdvance(sTitle) / 2.0,
                     plot.bottom() + kTickLength + 4 + fm.height() + fm.ascent()),
             sTitle);
  g.save();
  g.translate(std::max(4, l.size.width() / 100) + fm.ascent(), plot.center().y() + fm.horizontalAdvance(tTitle) / 2.0);
  g.rotate(-90);
  g.drawText(QPointF(0, 0), tTitle);
  g.restore();

  // The lines, clipped to the plot.
  g.save();
  g.setClipRect(plot.adjusted(-1, -1, 1, 1));
  for (const Polyline& line : p.lines) {
    if (line.points.empty()) continue;
    QPolygonF poly;
    for (const SPoint& q : line.points) poly << pixelAt(l.plot, sc, q);
    if (line.joined && poly.size() > 1) {
      QPen pen(colour(line.colour), line.width);
      pen.setStyle(penStyle(line.dash));
      pen.setCapStyle(Qt::FlatCap);
      pen.setJoinStyle(Qt::RoundJoin);
      g.setPen(pen);
      g.setBrush(Qt::NoBrush);
      // Piece by piece where the line left the frame and came back.
      int from = 0;
      std::vector<int> ends = line.breaks;
      ends.push_back(int(poly.size()));
      for (int to : ends) {
        if (to - from > 1) g.drawPolyline(poly.constData() + from, to - from);
        from = to;
      }
    }
    if (line.marker > 0) {
      const double m = line.marker;
      for (const QPointF& q : poly) g.fillRect(QRectF(q.x() - m / 2, q.y() - m / 2, m, m), colour(line.colour));
    }
  }
  g.restore();

  // The value labels: isobar labels framed in red, isenthalp and cycle
  // numbers plain in their colour, the labels of the kinds on a white
  // ground over their lines.
  g.setFont(labelFont());
  const QFontMetrics lm(labelFont());
  for (const Label& label : l.labels.size() == p.labels.size() ? l.labels : p.labels) {
    const QRect r = labelBox(l, sc, lm, label);
    if (label.role == LabelRole::Isobar) {
      g.fillRect(r, Qt::white);
      g.setPen(QPen(QColor(128, 128, 128), 1));
      g.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
      g.setPen(Qt::red);
    } else if (label.role == LabelRole::OnLine) {
      g.fillRect(r, Qt::white);
      g.setPen(colour(label.colour));
      g.drawText(r, Qt::AlignCenter, qs(label.text));
      continue;
    } else {
      g.setPen(colour(label.colour));
    }
    g.drawText(QPointF(r.left() + 4, r.top() + (r.height() + lm.ascent() - lm.descent()) / 2.0), qs(label.text));
  }

  // The legend, when asked for: a sample of each line and what it is, in a
  // box in the plot's top right corner.
  if (!p.legend.empty()) {
    constexpr int kSample = 40, kPad = 6;
    const int row = lm.height() + 4;
    int textWidth = 0;
    for (const LegendItem& item : p.legend) textWidth = std::max(textWidth, lm.horizontalAdvance(qs(item.text)));
    const int w = 3 * kPad + kSample + textWidth, h = 2 * kPad + row * int(p.legend.size());
    const QRect box(int(plot.right()) - w - 6, int(plot.top()) + 6, w, h);
    g.fillRect(box, Qt::white);
    g.setPen(QPen(QColor(128, 128, 128), 1));
    g.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    for (std::size_t k = 0; k < p.legend.size(); ++k) {
      const LegendItem& item = p.legend[k];
      const double y = box.top() + kPad + row * (int(k) + 0.5);
      const double x0 = box.left() + kPad, x1 = x0 + kSample;
      if (item.joined) {
        QPen pen(colour(item.colour), item.width);
        pen.setStyle(penStyle(item.dash));
        pen.setCapStyle(Qt::FlatCap);
        g.setPen(pen);
        g.drawLine(QPointF(x0, y), QPointF(x1, y));
      }
      if (item.marker > 0) {
        const double m = item.marker;
        for (double x : {x0 + m / 2, (x0 + x1) / 2, x1 - m / 2})
          g.fillRect(QRectF(x - m / 2, y - m / 2, m, m), colour(item.colour));
      }
      g.setPen(Qt::black);
      g.drawText(QPointF(x1 + kPad, y + (lm.ascent() - lm.descent()) / 2.0), qs(item.text));
    }
  }
  g.restore();
}

Picture composeForChart(Composer& composer, const app::Session& session, QSize chart, const PlotRect* plot) {
  Canvas canvas;
  const QFont font = labelFont();
  canvas.textWidth = [font](const std::string& text) {
    return double(QFontMetrics(font).horizontalAdvance(qs(text)) + kOnLinePad);
  };
  // Without a plot known, that of a chart whose numbers take the room
  // kept for them.
  const PlotRect r = plot ? *plot : plotLayout(Picture{}, chart).plot;
  canvas.width = r.right - r.left;
  canvas.height = r.bottom - r.top;
  Picture p = composer.compose(session, canvas);
  const PlotRect got = plotLayout(p, chart).plot;
  if (std::fabs(got.right - got.left - canvas.width) > 0.5 || std::fabs(got.bottom - got.top - canvas.height) > 0.5) {
    canvas.width = got.right - got.left;
    canvas.height = got.bottom - got.top;
    p = composer.compose(session, canvas);
  }
  return p;
}

kinds::Pixel framePixel(const ChartLayout& l, const Picture& p, QPointF at) {
  const double w = l.plot.right - l.plot.left, h = l.plot.bottom - l.plot.top;
  return {(at.x() - l.plot.left) * p.shown.width / w, (at.y() - l.plot.top) * p.shown.height / h};
}

QSize pictureSize(QSize chart) {
  return QSize(chart.width(), chart.height() + QFontMetrics(captionFont()).height() + 12);
}

void paintPicture(QPainter& g, const Picture& p, QSize chart) {
  const QSize size = pictureSize(chart);
  const int top = size.height() - chart.height();
  g.save();
  g.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  g.setRenderHint(QPainter::TextAntialiasing);
  g.setPen(Qt::black);
  g.setFont(captionFont());
  g.drawText(QRect(0, 0, size.width(), top), Qt::AlignCenter, QString::fromStdString(p.caption).trimmed());
  g.translate(0, top);
  paintChart(g, p, chartLayout(p, chart));
  g.restore();
}

}  // namespace diagram
