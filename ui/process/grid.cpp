#include "ui/process/grid.h"

#include <QHeaderView>

namespace proc {

namespace {

QTableWidgetItem* Cell(QTableWidget* grid, int col, int row) {
  QTableWidgetItem* it = grid->item(row, col);
  if (!it) {
    it = new QTableWidgetItem;
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid->setItem(row, col, it);
  }
  return it;
}

void PaintFixed(QTableWidget* grid, int fromRow, const QColor& c) {
  for (int r = fromRow; r < grid->rowCount(); ++r) {
    Cell(grid, 0, r)->setBackground(c);
    if (r == 0)
      for (int k = 0; k < grid->columnCount(); ++k) Cell(grid, k, 0)->setBackground(c);
  }
}

}  // namespace

QTableWidget* MakeStringGrid(QWidget* parent, int cols, int rows, const QColor& fixedColour) {
  auto* g = new QTableWidget(rows, cols, parent);
  // Cells clip their text as a string grid does.
  g->setTextElideMode(Qt::ElideNone);
  g->setWordWrap(false);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->verticalHeader()->setDefaultSectionSize(24);
  g->horizontalHeader()->setDefaultSectionSize(64);
  PaintFixed(g, 0, fixedColour);
  return g;
}

void GrowStringGrid(QTableWidget* grid, int rows, const QColor& fixedColour) {
  const int old = grid->rowCount();
  if (rows <= old) return;
  grid->setRowCount(rows);
  PaintFixed(grid, old, fixedColour);
}

QString GridCell(const QTableWidget* grid, int col, int row) {
  const QTableWidgetItem* it = grid->item(row, col);
  return it ? it->text() : QString();
}

void SetGridCell(QTableWidget* grid, int col, int row, const QString& text) { Cell(grid, col, row)->setText(text); }

}  // namespace proc
