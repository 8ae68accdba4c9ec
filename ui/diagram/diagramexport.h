#pragma once
// The diagram taken out of the window: pictures (PNG, SVG, PDF) and print.
// The picture holds what the window shows of the diagram: the lines, the
// process lines and markers, the value labels, the axes with their titles,
// and the window's caption above them. The cursor readout and the "Назад"
// button belong to the screen only and are left out.

#include <QSize>
#include <QString>

#include "core/diagram/picture.h"
#include "ui/services/wholefile.h"

class QPrinter;

namespace diagram {

// The size of a chart drawn without a window (the headless export, a
// hidden diagram window), in pixels; the caption strip comes above.
inline constexpr int kExportWidth = 1200, kExportHeight = 800;

enum class ImageFormat { Unknown, Png, Svg, Pdf };

// By the file's extension (any case): .png, .svg, .pdf.
ImageFormat formatOf(const QString& path);

// Writes the picture of a chart of size chart in the format of the
// extension. The file appears whole or not at all (app::writeWholeFile):
// false (no file left, an earlier file of that name untouched) for an
// unknown extension, a target that is no regular file or a file that
// cannot be written whole; why in fault.
bool saveDiagram(const Picture& p, QSize chart, const QString& path, app::FileFault* fault = nullptr);

// Prints the picture fitted to the page, keeping its proportions.
void printDiagram(const Picture& p, QSize chart, QPrinter& printer);

}  // namespace diagram
