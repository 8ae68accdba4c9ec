#pragma once
// The numbers of a table taken out of the program: tab-separated text for the
// clipboard (pastes into a spreadsheet) and CSV files. Both table windows use
// these functions.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;

namespace app {

// Rows of cells.
using TextTable = QList<QStringList>;

// Cells joined by sep, rows ended by "\n". A cell holding sep, a double quote
// or a line break is put in double quotes with its quotes doubled.
QString tableText(const TextTable& rows, QChar sep);

// The whole grid as shown, from its header row to the last row holding text
// and up to the last column holding text. Cells lose their padding blanks,
// so that a spreadsheet reads the numbers as numbers.
TextTable gridCells(const QTableWidget* grid);
// The selected cells: the rectangle spanning the selection, cells inside it
// that are not selected left empty. Empty when nothing is selected.
TextTable selectedCells(const QTableWidget* grid);

// ';' where the decimal separator is a comma (the numbers keep theirs), ','
// otherwise: a spreadsheet of that locale then opens the file in columns.
QChar csvSeparator();

// Writes the rows as UTF-8 CSV (with a byte order mark, so that spreadsheets
// read the Cyrillic headers). The file appears whole or not at all: false
// (nothing written, an earlier file of that name untouched) when it cannot be.
bool saveCsv(const TextTable& rows, const QString& path);

// Puts the text on the clipboard.
void copyText(const QString& text);

// Gives a grid Ctrl+C and a context menu: "Копировать" (the selection),
// "Копировать всё" and "Сохранить в CSV...". title names the file offered.
void addTableActions(QTableWidget* grid, const QString& title);

}  // namespace app
