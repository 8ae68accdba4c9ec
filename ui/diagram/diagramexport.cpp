#include "ui/diagram/diagramexport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include "ui/diagram/render.h"

namespace diagram {

namespace {

constexpr int kDpi = 96;

QString caption(const Picture& p) { return QString::fromStdString(p.caption).trimmed(); }

// Scales the painter so that a picture of size fits into the area, centred,
// keeping its proportions.
void fitInto(QPainter& g, QSize size, QSizeF area) {
  const double k = std::min(area.width() / size.width(), area.height() / size.height());
  g.translate((area.width() - k * size.width()) / 2, (area.height() - k * size.height()) / 2);
  g.scale(k, k);
}

}  // namespace

ImageFormat formatOf(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == u"png") return ImageFormat::Png;
  if (ext == u"svg") return ImageFormat::Svg;
  if (ext == u"pdf") return ImageFormat::Pdf;
  return ImageFormat::Unknown;
}

bool saveDiagram(const Picture& p, QSize chart, const QString& path, app::FileFault* fault) {
  app::FileFault f = app::FileFault::Failed;
  if (fault) *fault = f;
  const ImageFormat format = formatOf(path);
  if (format == ImageFormat::Unknown) return false;
  const QSize size = pictureSize(chart);
  // Drawn into memory first: the painters and generators do not all tell a
  // failed write, the file below checks every byte.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  bool ok = true;
  if (format == ImageFormat::Png) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter g(&image);
      paintPicture(g, p, chart);
    }
    ok = image.save(&buffer, "PNG");
  } else if (format == ImageFormat::Svg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kDpi);
    svg.setTitle(caption(p));
    svg.setDescription(QStringLiteral("Entrograf"));
    QPainter g;
    ok = g.begin(&svg);
    if (ok) {
      paintPicture(g, p, chart);
      ok = g.end();
    }
  } else {
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Entrograf"));
    pdf.setTitle(caption(p));
    pdf.setResolution(kDpi);
    // One page of the picture's own size.
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kDpi, QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter g;
    ok = g.begin(&pdf);
    if (ok) {
      fitInto(g, size, QSizeF(pdf.width(), pdf.height()));
      paintPicture(g, p, chart);
      ok = g.end();
    }
  }
  buffer.close();
  if (!ok || bytes.isEmpty()) return false;
  f = app::writeWholeFile(path, bytes);
  if (fault) *fault = f;
  return f == app::FileFault::None;
}

void printDiagram(const Picture& p, QSize chart, QPrinter& printer) {
  QPainter g;
  if (!g.begin(&printer)) return;
  fitInto(g, pictureSize(chart), QSizeF(printer.width(), printer.height()));
  paintPicture(g, p, chart);
  g.end();
}

}  // namespace diagram
