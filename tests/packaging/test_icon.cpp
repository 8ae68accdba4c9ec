// The installed icon as a desktop draws it: a valid square SVG whose dome
// and isobars still show from menu to launcher sizes.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Pixels of a hue family: the blue dome, the red and orange isobars.
int count(const QImage& img, bool (*kind)(const QColor&)) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += kind(img.pixelColor(x, y));
  return n;
}
bool isBlue(const QColor& c) { return c.alpha() > 200 && c.blue() > c.red() + 100; }
bool isRed(const QColor& c) { return c.alpha() > 200 && c.red() > c.blue() + 100 && c.red() > c.green() + 60; }
bool isOpaque(const QColor& c) { return c.alpha() > 200; }

TEST(Icon, ValidSquareAndReadableAtDesktopSizes) {
  QSvgRenderer svg(QStringLiteral(ENTROGRAF_ICON));
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox().width(), svg.viewBox().height());
  for (int size : {24, 48, 256}) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    svg.render(&p);
    p.end();
    const int area = size * size;
    SCOPED_TRACE(size);
    EXPECT_GT(count(img, isOpaque), area * 3 / 4);  // the background plate
    EXPECT_GT(count(img, isBlue), area / 40);
    EXPECT_GT(count(img, isRed), area / 80);
  }
}

}  // namespace
