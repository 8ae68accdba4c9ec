// The diagram taken out of the window: PNG, SVG and PDF files and print,
// each holding what the window shows.

#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
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

#include "core/base/numfmt.h"
#include "file_support.h"
#include "gui_test_support.h"
#include "session_support.h"
#include "ui/diagram/diagramexport.h"
#include "ui/diagram/render.h"
#include "ui/diagram/tsvid.h"

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

using testing_support::readAll;

class Export : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    testing_support::recorder().texts.clear();
    testing_support::choose(session, "N2");
    picture = diagram::composePicture(session);
  }
  void TearDown() override {
    EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join('|').toStdString();
  }

  // A vertical process line through the middle of the diagram.
  QPointF addProcessLine() {
    const app::DiagramStore& d = session.lines;
    diagram::ProcStore& pr = session.procLines;
    const Real s = d.Smin + (d.Smax - d.Smin) * Real(0.45);
    for (int j = 0; j <= 15; ++j) {
      pr.ProcS[1][j] = s;
      pr.ProcT[1][j] = 100 + 10 * j;
    }
    pr.ProcIndex = pr.ProcCount = 1;
    picture = diagram::composePicture(session);
    return QPointF(double(s), 175);
  }

  // Where a diagram point lies in the picture.
  QPoint inPicture(Real s, Real T) const {
    const int caption = diagram::pictureSize(chart).height() - chart.height();
    const diagram::ChartLayout l = diagram::chartLayout(picture, chart);
    return (diagram::pixelOf(l, picture, {double(s), double(T)}) + QPointF(0, caption)).toPoint();
  }
  bool save(const char* name) const { return diagram::saveDiagram(picture, chart, path(name)); }

  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  app::Session session;
  diagram::Picture picture;
  const QSize chart{1200, 900};
};

TEST_F(Export, PngHoldsTheColouredLinesAndTheProcessLine) {
  ASSERT_TRUE(save("plain.png"));
  const QPointF mid = addProcessLine();
  ASSERT_TRUE(save("proc.PNG"));
  QImage plain(path("plain.png")), img(path("proc.PNG"));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), diagram::pictureSize(chart));
  EXPECT_EQ(img.width(), chart.width());
  EXPECT_GT(img.height(), chart.height());  // the caption above

  const app::DiagramStore& d = session.lines;
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
  ASSERT_TRUE(save("n2.svg"));
  QSvgRenderer r(path("n2.svg"));
  ASSERT_TRUE(r.isValid());
  EXPECT_EQ(r.viewBox(), QRect(QPoint(0, 0), diagram::pictureSize(chart)));
  const QString svg = QString::fromUtf8(readAll(path("n2.svg")));
  // Lines stay vectors: 11 isobars, dome, isenthalps, melting line.
  EXPECT_GE(svg.count(QStringLiteral("<polyline")), 20);
  EXPECT_GE(svg.count(QStringLiteral("stroke=\"#ff0000\"")), 4);
  EXPECT_GE(svg.count(QStringLiteral("stroke=\"#0000ff\"")), 1);
  int labels = 0;
  for (const diagram::Label& l : picture.labels) {
    ++labels;
    const QString text = QString::fromStdString(l.text);
    EXPECT_TRUE(svg.contains(u'>' + text.toHtmlEscaped())) << l.text;
  }
  EXPECT_GE(labels, 10);
  // No box is drawn under the isenthalp numbers: besides the two backgrounds
  // only the four framed isobar labels are rectangles (filled and outlined).
  EXPECT_EQ(svg.count(QStringLiteral("<rect")), 2 + 2 * 4);
  EXPECT_TRUE(svg.contains(QStringLiteral("Энтропия")));
  EXPECT_TRUE(svg.contains(QStringLiteral("Температура")));
  // And it draws back into a picture with its colours.
  QImage back(diagram::pictureSize(chart), QImage::Format_RGB32);
  back.fill(Qt::white);
  QPainter p(&back);
  r.render(&p);
  p.end();
  EXPECT_GT(count(back, isRed), 500);
  EXPECT_GT(count(back, isBlue), 50);
}

TEST_F(Export, PdfAndPrintAreOnePageOfThePicture) {
  addProcessLine();
  ASSERT_TRUE(save("n2.pdf"));
  const QByteArray pdf = readAll(path("n2.pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
                pdf.count("/Type /Page "),
            1);
  // The page is the picture's size at 96 pixels to the inch, in points.
  const QSize size = diagram::pictureSize(chart);
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
  diagram::printDiagram(picture, chart, printer);
  const QByteArray printed = readAll(path("printed.pdf"));
  EXPECT_TRUE(printed.startsWith("%PDF-"));
  EXPECT_GT(printed.size(), 10000);
}

TEST_F(Export, RefusedPathsLeaveNoFile) {
  EXPECT_EQ(diagram::formatOf(QStringLiteral("a/b.Svg")), diagram::ImageFormat::Svg);
  EXPECT_EQ(diagram::formatOf(QStringLiteral("a.pdf.png")), diagram::ImageFormat::Png);
  EXPECT_EQ(diagram::formatOf(QStringLiteral("png")), diagram::ImageFormat::Unknown);
  EXPECT_FALSE(save("n2.bmp"));
  EXPECT_FALSE(save("n2"));
  EXPECT_FALSE(save("missing/n2.png"));
  // A directory in the file's place stays as it was, with nothing beside it.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.svg")));
  EXPECT_FALSE(save("taken.svg"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{QStringLiteral("taken.svg")});
  // An earlier picture is replaced whole.
  QFile old(path("n2.png"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  ASSERT_TRUE(save("n2.png"));
  EXPECT_FALSE(QImage(path("n2.png")).isNull());
}

TEST_F(Export, OfferedInTheChartsMenuWithShortcuts) {
  auto run = testing_support::startProgram();
  TTSvid* w = run->program.TSvid.get();
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
  QWidget* vp = w->Chart1View;
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 300), vp->mapToGlobal(QPoint(300, 300)));
  QApplication::sendEvent(vp, &click);
  EXPECT_EQ(shown, (QStringList{save->text(), w->CopyDiagram->text(), print->text(), w->Legend->text()}));
  EXPECT_EQ(w->CopyDiagram->text(), QStringLiteral("Копировать диаграмму"));
  EXPECT_TRUE(w->Legend->isCheckable());
}

// The chart's menu copies the picture as it is saved to PNG; the legend, a
// check item, explains each kind of line drawn in its own look and leaves
// the picture as it was once unchecked; the states of the points table are
// marked and numbered as their rows.
TEST_F(Export, CopiedLegendAndNumberedPoints) {
  auto run = testing_support::startProgram();
  TTSvid* w = run->program.TSvid.get();
  testing_support::choose(run->session, "N2");
  // A process line and three picked states, the second of another
  // substance (not on this diagram).
  app::Session& s = run->session;
  diagram::ProcStore& pr = s.procLines;
  for (int j = 0; j <= 15; ++j) {
    pr.ProcS[1][j] = 5;
    pr.ProcT[1][j] = 100 + 10 * j;
  }
  pr.ProcIndex = pr.ProcCount = 1;
  s.points.push_back({"N2", 200, 1, 17, 200, 6, 1.1L, 0});
  s.points.push_back({"Ar", 200, 1, 25, 100, 3, 0.5L, 0});
  s.points.push_back({"N2", 100, 0.5L, 17, 100, 5.5L, 1.1L, 0});
  w->resize(1200, 900);
  w->showDiagram();
  QApplication::processEvents();

  // Numbered points: rows 1 and 3, where their states lie.
  const diagram::Picture& p = w->picture();
  std::vector<std::pair<int, diagram::SPoint>> numbers;
  for (const diagram::Label& l : p.labels)
    if (l.role == diagram::LabelRole::Picked) numbers.push_back({l.index, {l.s, l.T}});
  EXPECT_EQ(numbers, (std::vector<std::pair<int, diagram::SPoint>>{{1, {6, 200}}, {3, {5.5, 100}}}));
  for (const diagram::Label& l : p.labels) {
    if (l.role == diagram::LabelRole::Picked) {
      EXPECT_EQ(l.text, std::to_string(l.index));
    }
  }
  ASSERT_EQ(p.lines.back().role, diagram::LineRole::Picked);
  EXPECT_EQ(p.lines.back().points, (std::vector<diagram::SPoint>{{5.5, 100}, {6, 200}}));

  // Copied: the image a PNG file of the window's picture holds.
  QApplication::clipboard()->clear();
  w->CopyDiagram->trigger();
  const QImage copied = QApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  ASSERT_TRUE(diagram::saveDiagram(p, w->Chart1View->size(), path("window.png")));
  const QImage saved(path("window.png"));
  EXPECT_EQ(copied.size(), saved.size());
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), saved.convertToFormat(QImage::Format_RGB32));

  // The legend: one item per kind of line drawn, in that line's look.
  const QImage without = w->pictureImage();
  EXPECT_TRUE(p.legend.empty());
  w->Legend->setChecked(true);
  const std::vector<diagram::LegendItem>& legend = w->picture().legend;
  ASSERT_FALSE(legend.empty());
  std::vector<std::string> texts;
  for (const diagram::LegendItem& item : legend) texts.push_back(item.text);
  for (const char* want : {"Пограничная кривая жидкости", "Пограничная кривая пара", "Изобары 0,1; 1; 10; 100 МПа",
                           "Линия затвердевания", "Начало и конец процесса", "Идеальный процесс",
                           "Точки с диаграммы (номер строки таблицы)"}) {
    std::string text = want;  // a decimal comma as the numbers are shown
    std::replace(text.begin(), text.end(), ',', app::decimalSeparator());
    EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
  }
  for (const diagram::LegendItem& item : legend) {
    bool seen = false;
    for (const diagram::Polyline& l : w->picture().lines)
      seen = seen || (!l.points.empty() && l.colour == item.colour && l.dash == item.dash && l.width == item.width &&
                      l.joined == item.joined && l.marker == item.marker);
    EXPECT_TRUE(seen) << item.text;
  }
  const QImage with = w->pictureImage();
  EXPECT_NE(with, without);
  // Only the top right corner of the plot changed.
  const diagram::ChartLayout l = w->chartLayout();
  const int caption = with.height() - w->Chart1View->height();
  for (int y = 0; y < with.height(); y += 3)
    for (int x = 0; x < with.width(); x += 3)
      if (with.pixel(x, y) != without.pixel(x, y)) {
        ASSERT_GT(x, (l.plot.left + l.plot.right) / 2) << x << ' ' << y;
        ASSERT_LT(y, caption + (l.plot.top + l.plot.bottom) / 2) << x << ' ' << y;
      }
  // Unchecked, the picture is the one without a legend again.
  w->Legend->setChecked(false);
  EXPECT_TRUE(w->picture().legend.empty());
  EXPECT_EQ(w->pictureImage(), without);
  w->hide();
}

}  // namespace

namespace {

// A zoomed view of every kind saved, copied and printed as it is shown: the
// file's plot where no readout field lies equals the window's, pixel by
// pixel.
TEST_F(Export, TheZoomedViewOfEveryKindIsSavedAsShown) {
  auto run = testing_support::startProgram();
  TTSvid* w = run->program.TSvid.get();
  testing_support::choose(run->session, "N2");
  w->resize(1200, 900);
  w->showDiagram();
  QApplication::processEvents();
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    w->setKind(diagram::kinds::Kind(k));
    const diagram::PlotRect r = w->plotRect();
    w->zoomAt(QPointF((r.left + r.right) / 2, (r.top + r.bottom) / 2), 6);
    ASSERT_TRUE(w->picture().zoomed);
    const QString file = path("zoomed.png");
    ASSERT_TRUE(diagram::saveDiagram(w->picture(), w->Chart1View->size(), file));
    const QImage saved = QImage(file).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved, w->pictureImage().convertToFormat(QImage::Format_RGB32));
    const QImage shown = w->Chart1View->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int caption = saved.height() - shown.height();
    int differ = 0, compared = 0;
    for (int y = int((r.top + r.bottom) / 2); y < int(r.bottom); y += 2)
      for (int x = int((r.left + r.right) / 2); x < int(r.right); x += 2, ++compared)
        differ += saved.pixel(x, y + caption) != shown.pixel(x, y);
    EXPECT_GT(compared, 10000);
    EXPECT_EQ(differ, 0);
    // Printed to a PDF: one page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("zoomed.pdf"));
    diagram::printDiagram(w->picture(), w->Chart1View->size(), printer);
    EXPECT_TRUE(readAll(path("zoomed.pdf")).startsWith("%PDF-"));
    w->showWhole();
  }
  w->hide();
}

}  // namespace
