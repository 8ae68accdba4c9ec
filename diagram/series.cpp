#include "diagram/series.h"

#include <QXYSeries>
#include <algorithm>

namespace diagram {

namespace {
qsizetype insertPos(const QList<QPointF>& pts, qreal x) {
  const auto it = std::upper_bound(pts.begin(), pts.end(), x, [](qreal v, const QPointF& q) { return v < q.x(); });
  return qsizetype(it - pts.begin());
}
}  // namespace

void insertSorted(QList<QPointF>& pts, QPointF p) { pts.insert(insertPos(pts, p.x()), p); }

void appendSorted(QXYSeries* series, QPointF p) {
  const QList<QPointF> pts = series->points();
  const qsizetype at = insertPos(pts, p.x());
  if (at == pts.size())
    series->append(p);
  else
    series->insert(int(at), p);
}

bool sortedByX(const QList<QPointF>& pts) {
  return std::is_sorted(pts.begin(), pts.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
}

}  // namespace diagram
