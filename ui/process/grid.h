#pragma once
// A string grid: text cells by column and row, the first row and column
// fixed (coloured, not editable).

#include <QColor>
#include <QTableWidget>

namespace proc {

QTableWidget* MakeStringGrid(QWidget* parent, int cols, int rows, const QColor& fixedColour);
// Grows the grid to rows rows, the new ones in the fixed column's colour.
void GrowStringGrid(QTableWidget* grid, int rows, const QColor& fixedColour);
QString GridCell(const QTableWidget* grid, int col, int row);
void SetGridCell(QTableWidget* grid, int col, int row, const QString& text);

}  // namespace proc
