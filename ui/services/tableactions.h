#pragma once
// Copying and saving the two string grids (points, processes): Ctrl+C and a
// context menu with "Копировать", "Копировать всё" and "Сохранить в CSV...".

#include <QString>
#include <QtCore/qnamespace.h>
#include <functional>

#include "core/base/tabletext.h"
#include "ui/services/wholefile.h"

class QColor;
class QTableWidget;

namespace app {

// A cell whose text on the screen is no number a spreadsheet reads (the
// "∞" of a two-phase heat capacity) keeps the number it stands for under
// this role; the clipboard and CSV files take that one.
inline constexpr int kExportRole = Qt::UserRole + 1;

// The whole grid as shown, from its header row to the last row holding text
// and up to the last column holding text, without padding blanks.
TextTable gridCells(const QTableWidget* grid);
// The selected cells: the rectangle spanning the selection, cells inside it
// that are not selected left empty. Empty when nothing is selected.
TextTable selectedCells(const QTableWidget* grid);

// Writes the rows as a CSV file. The file appears whole or not at all
// (writeWholeFile): false (nothing written, an earlier file of that name
// untouched) when it cannot be, why in fault.
bool saveCsv(const TextTable& rows, const QString& path, FileFault* fault = nullptr);

// Puts the text on the clipboard.
void copyText(const QString& text);

// Keeps the grid's header row (row 0, whose cells stay the table's first
// row for copying and saving) in view when the rows scroll: it is shown in
// the grid's own header in the colour of the fixed cells.
void keepHeaderRowInView(QTableWidget* grid, const QColor& fixedColour);

// The rows of a CSV file: the table's heading (naming what computed it) on
// a line of its own, when there is one, then the grid's cells.
TextTable csvRows(const QTableWidget* grid, const QString& heading);

// Gives a grid Ctrl+C and its context menu. title names the file offered;
// heading, when given, the heading its CSV files start with.
void addTableActions(QTableWidget* grid, const QString& title, std::function<QString()> heading = {});

}  // namespace app
