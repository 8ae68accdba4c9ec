#include "ui/process/form3.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "core/process/results.h"
#include "ui/process/grid.h"

TForm3::TForm3(const app::Session& session, QWidget* parent)
    : ResultWindow(parent, proc::kResultColumns, 2, QCoreApplication::translate("TForm3", "Процессы"),
                   QCoreApplication::translate("TForm3", "Удалить процесс"),
                   [this] {
                     if (const int n = currentProcess()) emit processRemoveWanted(n);
                   }),
      session_(session) {
  setWindowTitle(QStringLiteral("Form3"));
  move(-2, 199);
  IdTab = grid_;
  setHeaders();

  BitBtn1 = new QPushButton(QCoreApplication::translate("TForm3", "Эаписать"), this);
  BitBtn1->setGeometry(240, 336, 97, 25);
  BitBtn2 = new QPushButton(QCoreApplication::translate("TForm3", "Эакрыть"), this);
  BitBtn2->setGeometry(464, 336, 97, 25);
  connect(BitBtn2, &QPushButton::clicked, this, &QWidget::hide);
  for (int n = 1; n <= int(session_.results.size()); ++n) showProcess(n);
  showHeading();
}

void TForm3::showHeading() {
  showModelsHeading(QCoreApplication::translate("TForm3", "Таблица резульатов расчета идеальных процессов"),
                    session_.results, session_.main.model);
}

void TForm3::setHeaders() {
  // Each column holds its whole header and the widest number its format
  // gives within the admissible ranges (per mole: enthalpy, entropy, heat
  // and work up to the largest molar mass, 88 g/mol, times more).
  const int widths[proc::kResultColumns] = {50, 72, 69, 72, 57, 61, 61, 58, 56, 61, 55, 59, 60};
  const char* const widest[2][proc::kResultColumns] = {
      {"   9999", "n-H2", "T = const", "Начальная", " 1000.00", " 100.000", "9999.999", "-99999.99", "-999.9999", "",
       "-999999.99", "-999999.99", ""},
      {"   9999", "n-H2", "T = const", "Начальная", " 1000.00", " 100.000", "9999.999", "-9999999.99", "-99999.9999",
       "", "-99999999.99", "-99999999.99", ""}};
  const int u = int(session_.main.units);
  showHeaderRow(proc::ResultHeaders(session_.main.units), widest[u], widths);
  // The window as wide as every column in the units shown, the model's one
  // included (per mole the numbers are wider).
  int width = 2 * IdTab->frameWidth() + 20;
  for (int k = 0; k < proc::kResultColumns; ++k) width += IdTab->columnWidth(k);
  width = std::max(width, 785);
  IdTab->setGeometry(8, 32, width, 290);
  setFixedSize(width + 16, 375);
}

void TForm3::rebuild() {
  // Back to the first hundred rows, every cell below the headers empty.
  if (IdTab->rowCount() > 100) IdTab->setRowCount(100);
  clearBelowHeaders();
  setHeaders();
  for (int n = 1; n <= int(session_.results.size()); ++n) showProcess(n);
  showHeading();
}

void TForm3::setCell(int col, int row, const QString& text) { proc::SetGridCell(IdTab, col, row, text); }

int TForm3::currentProcess() const { return currentEntry(int(session_.results.size())); }

void TForm3::showProcess(int n) {
  if (n < 1 || n > int(session_.results.size())) return;
  const int r1 = rowsFor(n), r2 = r1 + 1;
  const std::array<proc::ResultCells, 2> rows = proc::resultRowTexts(session_.results[n - 1], session_.main.units);
  for (int k = 0; k < proc::kResultColumns; ++k) {
    setCell(k, r1, QString::fromStdString(rows[0][k]));
    // The end row leaves the number, substance, process, Q and L empty.
    if (k >= 3 && k <= 8) setCell(k, r2, QString::fromStdString(rows[1][k]));
  }
  IdTab->scrollToItem(IdTab->item(r2, 0));
  showHeading();
}
