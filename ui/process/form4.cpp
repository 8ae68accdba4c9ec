#include "ui/process/form4.h"

#include <QFont>
#include <QTableWidget>

#include "core/process/results.h"
#include "ui/process/grid.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Form4"));
  move(-2, 107);
  setFixedSize(801, 375);
  QFont base = font();
  base.setPixelSize(11);
  setFont(base);
  // The grid's default size: five rows.
  ProTab = proc::MakeStringGrid(this, proc::kResultColumns, 5, QColor(255, 255, 0));
  ProTab->setGeometry(8, 8, 785, 320);
  for (int k = 0; k < proc::kResultColumns; ++k)
    proc::SetGridCell(ProTab, k, 0, QString::fromStdString(proc::ResultHeaders()[k]));
}

QString TForm4::cell(int col, int row) const { return proc::GridCell(ProTab, col, row); }
