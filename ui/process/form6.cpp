#include "ui/process/form6.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTableWidget>

#include "core/process/devicecalc.h"
#include "ui/process/grid.h"

namespace {

// The widest texts of each column in either units (see the real-process
// window's fields).
const char* const kWidest[proc::kDeviceColumns] = {
    "   9999",     "n-H2",       "Компр. изотерм.", "1.000",       "Ид. выход",    " 1000.00",
    " 100.000",    "9999.9999",  "-9999999.99",     "-99999.9999", "100.0",        "-99999999.99",
    "-99999999.99", "-99999.9999", "99999999.99",   "10000.0",     ""};
}  // namespace

TForm6::TForm6(const app::Session& session, QWidget* parent)
    : ResultWindow(parent, proc::kDeviceColumns, 3, QCoreApplication::translate("TForm6", "Реальные процессы"),
                   QCoreApplication::translate("TForm6", "Удалить процесс"),
                   [this] {
                     if (const int n = currentDevice()) emit deviceRemoveWanted(n);
                   }),
      session_(session) {
  setWindowTitle(QCoreApplication::translate("TForm6", "Реальные процессы"));
  RealTab = grid_;
  showHeaders();
  int width = 2 * RealTab->frameWidth() + 20;
  for (int k = 0; k < proc::kDeviceColumns; ++k) width += RealTab->columnWidth(k);
  RealTab->setGeometry(8, 32, width, 290);

  BitBtn2 = new QPushButton(QCoreApplication::translate("TForm6", "Закрыть"), this);
  BitBtn2->setGeometry(width / 2 - 40, 336, 97, 25);
  connect(BitBtn2, &QPushButton::clicked, this, &QWidget::hide);
  setFixedSize(width + 16, 375);
  for (int n = 1; n <= int(session_.deviceResults.size()); ++n) showDevice(n);
  showHeading();
}

void TForm6::showHeading() {
  showModelsHeading(QCoreApplication::translate("TForm6", "Таблица результатов расчета реальных процессов"),
                    session_.deviceResults, session_.main.model);
}

void TForm6::showHeaders() { showHeaderRow(proc::deviceHeaders(session_.main.units), kWidest); }

int TForm6::currentDevice() const { return currentEntry(int(session_.deviceResults.size())); }

void TForm6::showDevice(int n) {
  if (n < 1 || n > int(session_.deviceResults.size())) return;
  const int first = rowsFor(n), last = first + 2;
  const auto rows = proc::deviceRowTexts(session_.deviceResults[n - 1], session_.main.units);
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < proc::kDeviceColumns; ++k)
      proc::SetGridCell(RealTab, k, first + r, QString::fromStdString(rows[r][k]));
  RealTab->scrollToItem(RealTab->item(last, 0));
  showHeading();
}

void TForm6::unitsChanged() {
  showHeaders();
  // Rows of a former session that this one does not have are emptied.
  clearBelowHeaders();
  for (int n = 1; n <= int(session_.deviceResults.size()); ++n) showDevice(n);
  showHeading();
}
