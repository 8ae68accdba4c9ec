#include "ui/process/form6.h"

#include <QAction>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "core/base/modelname.h"
#include "core/process/devicecalc.h"
#include "ui/process/grid.h"
#include "ui/services/tableactions.h"

namespace {
const QColor kFixed(255, 255, 0);

// The widest texts of each column in either units (see the real-process
// window's fields).
const char* const kWidest[proc::kDeviceColumns] = {
    "   9999",     "n-H2",       "Компр. изотерм.", "1.000",       "Ид. выход",    " 1000.00",
    " 100.000",    "9999.9999",  "-9999999.99",     "-99999.9999", "100.0",        "-99999999.99",
    "-99999999.99", "-99999.9999", "99999999.99",   "10000.0",     ""};
}  // namespace

TForm6::TForm6(const app::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setWindowTitle(QCoreApplication::translate("TForm6", "Реальные процессы"));
  QFont base = font();
  base.setPixelSize(11);
  setFont(base);

  Label1 = new QLabel(this);
  QFont bold = base;
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->move(16, 8);
  Label1->adjustSize();

  RealTab = proc::MakeStringGrid(this, proc::kDeviceColumns, 100, kFixed);
  app::addTableActions(RealTab, QCoreApplication::translate("TForm6", "Реальные процессы"), [this] { return heading(); });
  app::keepHeaderRowInView(RealTab, kFixed);
  auto* remove = new QAction(QCoreApplication::translate("TForm6", "Удалить процесс"), RealTab);
  remove->setObjectName(QStringLiteral("RemoveRow"));
  remove->setShortcut(QKeySequence::Delete);
  remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(remove, &QAction::triggered, this, [this] {
    if (const int n = currentDevice()) emit deviceRemoveWanted(n);
  });
  RealTab->addAction(remove);
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

QString TForm6::heading() const { return Label1->text(); }

void TForm6::showHeading() {
  std::vector<tfs::ModelKind> models;
  for (const proc::DeviceRow& r : session_.deviceResults) models.push_back(r.model);
  Label1->setText(QCoreApplication::translate("TForm6", "Таблица результатов расчета реальных процессов") +
                  QStringLiteral("  ") + QString::fromStdString(app::modelsNote(models, session_.main.model)));
  Label1->adjustSize();
}

void TForm6::showHeaders() {
  const proc::DeviceCells h = proc::deviceHeaders(session_.main.units);
  const QFontMetrics fm(RealTab->font());
  for (int k = 0; k < proc::kDeviceColumns; ++k) {
    const QString header = QString::fromStdString(h[k]);
    // The model's column: its longer name in the user's language.
    const QString widest = k == proc::kDeviceColumns - 1
                               ? QString::fromStdString(app::modelShort(tfs::ModelKind::Reference))
                               : QString::fromUtf8(kWidest[k]);
    const int need = std::max(fm.horizontalAdvance(header), fm.horizontalAdvance(widest)) + 12;
    RealTab->setColumnWidth(k, need);
    proc::SetGridCell(RealTab, k, 0, header);
  }
}

QString TForm6::cell(int col, int row) const { return proc::GridCell(RealTab, col, row); }

int TForm6::rowCount() const { return RealTab->rowCount(); }

int TForm6::currentDevice() const {
  const int r = RealTab->currentRow();
  const int n = (r + 2) / 3;
  return r >= 1 && n <= int(session_.deviceResults.size()) ? n : 0;
}

void TForm6::showDevice(int n) {
  if (n < 1 || n > int(session_.deviceResults.size())) return;
  const int first = 3 * n - 2, last = 3 * n;
  // Grows in steps of a hundred rows, so no device is ever overwritten.
  if (last + 1 > RealTab->rowCount()) {
    int rows = RealTab->rowCount();
    while (rows < last + 1) rows += 100;
    proc::GrowStringGrid(RealTab, rows, kFixed);
  }
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
  for (int r = 1; r < RealTab->rowCount(); ++r)
    for (int c = 0; c < RealTab->columnCount(); ++c) proc::SetGridCell(RealTab, c, r, QString());
  for (int n = 1; n <= int(session_.deviceResults.size()); ++n) showDevice(n);
  showHeading();
}
