#include "diagram/diagramexport.h"

#include <QAction>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "app/appstate.h"
#include "app/messages.h"
#include "diagram/tsvid.h"

namespace diagram {

namespace {

constexpr int kDpi = 96;

QFont captionFont(const TTSvid& w) {
  QFont f = w.font();
  f.setPixelSize(16);
  f.setBold(true);
  return f;
}

int captionHeight(const TTSvid& w) { return QFontMetrics(captionFont(w)).height() + 12; }

QString caption(const TTSvid& w) { return w.windowTitle().trimmed(); }

// Scales the painter so that a picture of size fits into the area, centred,
// keeping its proportions.
void fitInto(QPainter& p, QSize size, QSizeF area) {
  const double k = std::min(area.width() / size.width(), area.height() / size.height());
  p.translate((area.width() - k * size.width()) / 2, (area.height() - k * size.height()) / 2);
  p.scale(k, k);
}

}  // namespace

ImageFormat formatOf(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == u"png") return ImageFormat::Png;
  if (ext == u"svg") return ImageFormat::Svg;
  if (ext == u"pdf") return ImageFormat::Pdf;
  return ImageFormat::Unknown;
}

QSize diagramSize(const TTSvid& w) {
  const QSize view = w.Chart1View->size();
  return QSize(view.width(), view.height() + captionHeight(w));
}

void renderDiagram(const TTSvid& w, QPainter& p) {
  const QSize size = diagramSize(w);
  const int top = captionHeight(w);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  p.setPen(Qt::black);
  p.setFont(captionFont(w));
  p.drawText(QRect(0, 0, size.width(), top), Qt::AlignCenter, caption(w));

  // The chart through its scene: lines, markers and axes stay vectors.
  QChartView* view = w.Chart1View;
  const QWidget* vp = view->viewport();
  const QRectF source = view->mapToScene(vp->rect()).boundingRect();
  const QRectF target(QPointF(vp->x(), vp->y() + top), QSizeF(vp->size()));
  view->scene()->render(&p, target, source, Qt::IgnoreAspectRatio);

  // The value labels that sit on the lines.
  QList<QLineEdit*> labels{w.E1, w.E2, w.E3, w.E4};
  for (QLineEdit* e : w.EhLab) labels << e;
  for (QLineEdit* e : labels) {
    if (!e->isVisibleTo(view)) continue;
    const QPoint at = e->mapTo(view, QPoint(0, 0)) + QPoint(0, top);
    e->render(&p, at, QRegion(), QWidget::DrawChildren);
  }
  p.restore();
}

bool saveDiagram(const TTSvid& w, const QString& path) {
  const ImageFormat format = formatOf(path);
  if (format == ImageFormat::Unknown) return false;
  const QSize size = diagramSize(w);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  bool ok = true;
  if (format == ImageFormat::Png) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter p(&image);
      renderDiagram(w, p);
    }
    ok = image.save(&file, "PNG");
  } else if (format == ImageFormat::Svg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kDpi);
    svg.setTitle(caption(w));
    svg.setDescription(QStringLiteral("Entrograf"));
    QPainter p;
    ok = p.begin(&svg);
    if (ok) {
      renderDiagram(w, p);
      ok = p.end();
    }
  } else {
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Entrograf"));
    pdf.setTitle(caption(w));
    pdf.setResolution(kDpi);
    // One page of the picture's own size.
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kDpi, QPageSize::Point, QString(), QPageSize::ExactMatch));
    QPainter p;
    ok = p.begin(&pdf);
    if (ok) {
      fitInto(p, size, QSizeF(pdf.width(), pdf.height()));
      renderDiagram(w, p);
      ok = p.end();
    }
  }
  if (!ok || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void printDiagram(const TTSvid& w, QPrinter& printer) {
  QPainter p;
  if (!p.begin(&printer)) return;
  fitInto(p, diagramSize(w), QSizeF(printer.width(), printer.height()));
  renderDiagram(w, p);
  p.end();
}

void addDiagramActions(TTSvid* w) {
  auto* save = new QAction(QStringLiteral("Сохранить диаграмму..."), w);
  save->setObjectName(QStringLiteral("SaveDiagram"));
  save->setShortcut(QKeySequence::Save);
  save->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(save, &QAction::triggered, w, [w] {
    const QString png = QStringLiteral("Рисунок PNG (*.png)"), svg = QStringLiteral("Рисунок SVG (*.svg)"),
                  pdf = QStringLiteral("Документ PDF (*.pdf)");
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(
        w, QStringLiteral("Сохранить диаграмму"),
        QStringLiteral("TS_") + QString::fromStdString(app::state().name) + QStringLiteral(".png"),
        png + QStringLiteral(";;") + svg + QStringLiteral(";;") + pdf, &filter);
    if (path.isEmpty()) return;
    if (formatOf(path) == ImageFormat::Unknown && QFileInfo(path).suffix().isEmpty())
      path += filter == svg ? QStringLiteral(".svg") : filter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    if (formatOf(path) == ImageFormat::Unknown) {
      app::messages().show(QStringLiteral("Диаграмма записывается в файлы PNG, SVG и PDF !\n") +
                           QDir::toNativeSeparators(path));
      return;
    }
    if (!saveDiagram(*w, path))
      app::messages().show(QStringLiteral("Файл не записан !\n") + QDir::toNativeSeparators(path));
  });

  auto* print = new QAction(QStringLiteral("Печать..."), w);
  print->setObjectName(QStringLiteral("PrintDiagram"));
  print->setShortcut(QKeySequence::Print);
  print->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(print, &QAction::triggered, w, [w] {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(caption(*w));
    QPrintDialog dialog(&printer, w);
    if (dialog.exec() == QDialog::Accepted) printDiagram(*w, printer);
  });

  // Shortcuts anywhere in the window, the menu on the chart.
  w->addActions({save, print});
  w->Chart1View->addActions({save, print});
  w->Chart1View->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace diagram
