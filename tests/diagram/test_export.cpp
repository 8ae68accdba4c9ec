// The diagram taken out of the window: PNG, SVG and PDF files and print,
// each holding what the window shows.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include "app/appstate.h"
#include "app/linegen.h"
#include "app/windows.h"
#include "diagram/diagramexport.h"
#include "diagram/procstore.h"
#include "diagram/tsvid.h"
#include "diagram_support.h"
#include "tests/gui_test_support.h"

namespace {

using tfs::Real;

bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
bool isBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80; }
bool isLime(QRgb c) { return qGreen(c) > 200 && qRed(c) < 80 && qBlue(c) < 80; }

// Whether a pixel of the kind lies within r pixels of p.
template <class Pred>
bool near(const QImage& img, QPoint p, int r, Pred kind) {
  for (int y = p.y() - r; y <= p.y() + r; ++y)
    for (int x = p.x() - r; x <= p.x() + r; ++x)
      if (img.valid(x, y) && kind(img.pixel(x, y))) return true;
  return false;
}

template <class Pred>
int count(const QImage& img, Pred kind) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += kind(img.pixel(x, y));
  return n;
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Export : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::startProgram();
    w = app::windows().TSvid;
    ASSERT_TRUE(dir.isValid());
    diagram_support::chooseSubstance("N2");
    w->resize(1200, 900);
    w->showDiagram();
    QApplication::processEvents();
    w->Timer1Timer();
    QApplication::processEvents();
  }
  void TearDown() override {
    app::destroyWindows();
    EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
  }

  // A vertical process line through the middle of the diagram.
  QPointF addProcessLine() {
    const app::DiagramStore& d = app::diagramStore();
    diagram::ProcStore& pr = diagram::procStore();
    const Real s = d.Smin + (d.Smax - d.Smin) * Real(0.45);
    for (int j = 0; j <= 15; ++j) {
      pr.ProcS[1][j] = s;
      pr.ProcT[1][j] = 100 + 10 * j;
    }
    pr.ProcIndex = pr.ProcCount = 1;
    w->showDiagram();
    QApplication::processEvents();
    return QPointF(double(s), 175);
  }

  // Where a diagram point lies in the picture.
  QPoint inPicture(Real s, Real T) const {
    const int caption = diagram::diagramSize(*w).height() - w->Chart1View->height();
    return (w->viewPosOf(QPointF(double(s), double(T))) + QPointF(0, caption)).toPoint();
  }

  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  TTSvid* w = nullptr;
};

TEST_F(Export, PngHoldsTheColouredLinesAndTheProcessLine) {
  ASSERT_TRUE(diagram::saveDiagram(*w, path("plain.png")));
  const QPointF mid = addProcessLine();
  ASSERT_TRUE(diagram::saveDiagram(*w, path("proc.PNG")));
  QImage plain(path("plain.png")), img(path("proc.PNG"));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), diagram::diagramSize(*w));
  EXPECT_EQ(img.width(), w->Chart1View->width());
  EXPECT_GT(img.height(), w->Chart1View->height());  // the caption above

  const app::DiagramStore& d = app::diagramStore();
  // The dome: liquid branch blue, vapour branch lime; the 1 MPa isobar red.
  EXPECT_TRUE(near(img, inPicture(d.DomeSL[5], d.DomeT[5]), 2, isBlue));
  EXPECT_TRUE(near(img, inPicture(d.DomeSV[5], d.DomeT[5]), 2, isLime));
  EXPECT_TRUE(near(img, inPicture(d.IsoS[4][20], d.IsoT[4][20]), 2, isRed));
  EXPECT_TRUE(near(img, inPicture(Real(mid.x()), Real(mid.y())), 1, isRed));
  // The thick process line adds red along its whole length.
  const int added = count(img, isRed) - count(plain, isRed);
  const int length = inPicture(Real(mid.x()), 100).y() - inPicture(Real(mid.x()), 250).y();
  EXPECT_GT(added, 2 * length);
  const int nonWhite = count(img, [](QRgb c) { return qGray(c) < 230; });
  EXPECT_GT(nonWhite, img.width() * img.height() / 50);
}

TEST_F(Export, SvgHoldsTheIsobarPathsAndTheLabelTexts) {
  ASSERT_TRUE(diagram::saveDiagram(*w, path("n2.svg")));
  QSvgRenderer r(path("n2.svg"));
  ASSERT_TRUE(r.isValid());
  EXPECT_EQ(r.viewBox(), QRect(QPoint(0, 0), diagram::diagramSize(*w)));
  const QString svg = QString::fromUtf8(readAll(path("n2.svg")));
  // Lines stay vectors: 11 isobars, dome, isenthalps, melting line.
  EXPECT_GE(svg.count(QStringLiteral("<polyline")), 20);
  EXPECT_GE(svg.count(QStringLiteral("stroke=\"#ff0000\"")), 4);
  EXPECT_GE(svg.count(QStringLiteral("stroke=\"#0000ff\"")), 1);
  int labels = 0;
  QList<QLineEdit*> all{w->E1, w->E2, w->E3, w->E4};
  for (QLineEdit* e : w->EhLab) all << e;
  for (QLineEdit* e : all) {
    if (e->isHidden()) continue;
    ++labels;
    EXPECT_TRUE(svg.contains(u'>' + e->text().toHtmlEscaped())) << e->text().toStdString();
  }
  EXPECT_GE(labels, 10);
  EXPECT_TRUE(svg.contains(QStringLiteral("Энтропия")));
  EXPECT_TRUE(svg.contains(QStringLiteral("Температура")));
  // And it draws back into a picture with its colours.
  QImage back(diagram::diagramSize(*w), QImage::Format_RGB32);
  back.fill(Qt::white);
  QPainter p(&back);
  r.render(&p);
  p.end();
  EXPECT_GT(count(back, isRed), 500);
  EXPECT_GT(count(back, isBlue), 50);
}

TEST_F(Export, PdfAndPrintAreOnePageOfThePicture) {
  addProcessLine();
  ASSERT_TRUE(diagram::saveDiagram(*w, path("n2.pdf")));
  const QByteArray pdf = readAll(path("n2.pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
                pdf.count("/Type /Page "),
            1);
  // The page is the picture's size at 96 pixels to the inch, in points.
  const QSize size = diagram::diagramSize(*w);
  const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
  const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
  ASSERT_TRUE(m.hasMatch());
  EXPECT_NEAR(m.captured(1).toDouble(), size.width() * 0.75, 1);
  EXPECT_NEAR(m.captured(2).toDouble(), size.height() * 0.75, 1);
  EXPECT_GT(pdf.size(), 10000);

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path("printed.pdf"));
  printer.setPageOrientation(QPageLayout::Landscape);
  diagram::printDiagram(*w, printer);
  const QByteArray printed = readAll(path("printed.pdf"));
  EXPECT_TRUE(printed.startsWith("%PDF-"));
  EXPECT_GT(printed.size(), 10000);
}

TEST_F(Export, RefusedPathsLeaveNoFile) {
  EXPECT_EQ(diagram::formatOf(QStringLiteral("a/b.Svg")), diagram::ImageFormat::Svg);
  EXPECT_EQ(diagram::formatOf(QStringLiteral("a.pdf.png")), diagram::ImageFormat::Png);
  EXPECT_EQ(diagram::formatOf(QStringLiteral("png")), diagram::ImageFormat::Unknown);
  EXPECT_FALSE(diagram::saveDiagram(*w, path("n2.bmp")));
  EXPECT_FALSE(diagram::saveDiagram(*w, path("n2")));
  EXPECT_FALSE(diagram::saveDiagram(*w, path("missing/n2.png")));
  // A directory in the file's place stays as it was, with nothing beside it.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.svg")));
  EXPECT_FALSE(diagram::saveDiagram(*w, path("taken.svg")));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{QStringLiteral("taken.svg")});
  // An earlier picture is replaced whole.
  QFile old(path("n2.png"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  ASSERT_TRUE(diagram::saveDiagram(*w, path("n2.png")));
  EXPECT_FALSE(QImage(path("n2.png")).isNull());
}

TEST_F(Export, OfferedInTheChartsMenuWithShortcuts) {
  QAction* save = w->findChild<QAction*>(QStringLiteral("SaveDiagram"));
  QAction* print = w->findChild<QAction*>(QStringLiteral("PrintDiagram"));
  ASSERT_TRUE(save && print);
  EXPECT_EQ(save->text(), QStringLiteral("Сохранить диаграмму..."));
  EXPECT_EQ(print->text(), QStringLiteral("Печать..."));
  EXPECT_EQ(save->shortcut(), QKeySequence(QKeySequence::Save));
  EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));
  EXPECT_EQ(w->Chart1View->contextMenuPolicy(), Qt::ActionsContextMenu);
  EXPECT_TRUE(w->Chart1View->actions().contains(save));
  EXPECT_TRUE(w->Chart1View->actions().contains(print));
  EXPECT_TRUE(w->actions().contains(save));  // the shortcut works anywhere in the window

  // A right click on the plot opens the menu with both.
  QStringList shown;
  QTimer::singleShot(0, [&shown] {
    if (auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* a : m->actions()) shown << a->text();
      m->close();
    }
  });
  QWidget* vp = w->Chart1View->viewport();
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 300), vp->mapToGlobal(QPoint(300, 300)));
  QApplication::sendEvent(vp, &click);
  EXPECT_EQ(shown, (QStringList{save->text(), print->text()}));
}

}  // namespace
