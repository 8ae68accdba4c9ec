#pragma once
// The diagram taken out of the window: pictures (PNG, SVG, PDF) and print.
// The picture holds what the window shows of the diagram: the lines, the
// process lines and markers, the isobar and isenthalp labels, the axes with
// their titles, and the window's caption above them. The cursor readout and
// the "Назад" button belong to the screen only and are left out.

#include <QSize>
#include <QString>

class QPainter;
class QPrinter;
class TTSvid;

namespace diagram {

enum class ImageFormat { Unknown, Png, Svg, Pdf };

// By the file's extension (any case): .png, .svg, .pdf.
ImageFormat formatOf(const QString& path);

// Size of the picture in pixels: the caption strip and the chart.
QSize diagramSize(const TTSvid& w);
// Draws the picture with its top left corner at the painter's origin, one
// unit per pixel (the painter's transform scales it).
void renderDiagram(const TTSvid& w, QPainter& p);

// Writes the picture in the format of the extension. The file appears whole
// or not at all: false (no file left, an earlier file of that name
// untouched) for an unknown extension or a path that cannot be written.
bool saveDiagram(const TTSvid& w, const QString& path);

// Prints the picture fitted to the page, keeping its proportions.
void printDiagram(const TTSvid& w, QPrinter& printer);

// The window's context menu on the chart with "Сохранить диаграмму..."
// (Ctrl+S) and "Печать..." (Ctrl+P).
void addDiagramActions(TTSvid* w);

}  // namespace diagram
