#pragma once
// Points of a chart series kept in ascending x (entropy), as they are
// appended. A point with the x of existing points goes after them.

#include <QList>
#include <QPointF>

class QXYSeries;

namespace diagram {

// Inserts p into pts, which is sorted by x, keeping it sorted.
void insertSorted(QList<QPointF>& pts, QPointF p);

// The same on a chart series.
void appendSorted(QXYSeries* series, QPointF p);

// True when every point's x is not below the previous one's.
bool sortedByX(const QList<QPointF>& pts);

}  // namespace diagram
