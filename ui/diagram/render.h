#pragma once
// Draws a diagram picture with a painter: on the screen, into PNG, SVG and
// PDF files and on paper, always the same way.

#include <QFont>
#include <QRect>
#include <QSize>

#include "core/diagram/cursor.h"
#include "core/diagram/picture.h"

class QPainter;

namespace diagram {

// Where the plot lies in a chart of a given size, and the picture's labels
// as they are drawn there (the cycle's state numbers placed for its size).
struct ChartLayout {
  QSize size;
  PlotRect plot;
  std::vector<Label> labels;
};

// The fonts of the chart: numbers and titles, value labels, caption.
QFont chartFont();
QFont labelFont();
QFont captionFont();

// The plot's place in a chart of this size (it leaves room for the axis
// numbers and titles and for the isobar labels above the plot), and the
// labels placed in it.
ChartLayout chartLayout(const Picture& p, QSize size);

// The cursor mapping of the picture (axis ranges and scale).
Scale scaleOf(const Picture& p);

// The picture of the session for a chart of this size: composed for the
// plot the chart leaves it (its lines sampled to the plot's pixels, its
// labels measured in the chart's font); plot: where the plot was last,
// when known, which spares a second composition.
Picture composeForChart(Composer& composer, const app::Session& session, QSize chart, const PlotRect* plot = nullptr);

// Where a chart pixel lies in the frame shown of a picture laid out in l.
kinds::Pixel framePixel(const ChartLayout& l, const Picture& p, QPointF at);

// Pixel of a diagram point (s, T) in the chart.
QPointF pixelOf(const ChartLayout& l, const Picture& p, SPoint at);

// The rectangle of a value label in the chart.
QRect labelRect(const ChartLayout& l, const Picture& p, const Label& label);

// The chart alone (axes, lines, labels) with its top left corner at the
// painter's origin.
void paintChart(QPainter& painter, const Picture& p, const ChartLayout& l);

// The whole picture: the caption strip above the chart.
QSize pictureSize(QSize chart);
void paintPicture(QPainter& painter, const Picture& p, QSize chart);

}  // namespace diagram
