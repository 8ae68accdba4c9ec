#include "ui/process/form3.h"

#include <QAction>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "core/base/modelname.h"
#include "core/process/results.h"
#include "ui/process/grid.h"
#include "ui/services/tableactions.h"

namespace {
const QColor kFixed(255, 255, 0);
}

TForm3::TForm3(const app::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setWindowTitle(QStringLiteral("Form3"));
  move(-2, 199);
  QFont base = font();
  base.setPixelSize(11);
  setFont(base);

  Label1 = new QLabel(this);
  QFont bold = base;
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->move(16, 8);
  Label1->adjustSize();

  IdTab = proc::MakeStringGrid(this, proc::kResultColumns, 100, kFixed);
  setHeaders();
  // Wide enough for every column per kilogram, the model's one included.
  int width = 2 * IdTab->frameWidth() + 20;
  for (int k = 0; k < proc::kResultColumns; ++k) width += IdTab->columnWidth(k);
  width = std::max(width, 785);
  IdTab->setGeometry(8, 32, width, 290);
  setFixedSize(width + 16, 375);
  app::addTableActions(IdTab, QCoreApplication::translate("TForm3", "Процессы"), [this] { return heading(); });
  app::keepHeaderRowInView(IdTab, kFixed);
  auto* remove = new QAction(QCoreApplication::translate("TForm3", "Удалить процесс"), IdTab);
  remove->setObjectName(QStringLiteral("RemoveRow"));
  remove->setShortcut(QKeySequence::Delete);
  remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(remove, &QAction::triggered, this, [this] {
    if (const int n = currentProcess()) emit processRemoveWanted(n);
  });
  IdTab->addAction(remove);

  BitBtn1 = new QPushButton(QCoreApplication::translate("TForm3", "Эаписать"), this);
  BitBtn1->setGeometry(240, 336, 97, 25);
  BitBtn2 = new QPushButton(QCoreApplication::translate("TForm3", "Эакрыть"), this);
  BitBtn2->setGeometry(464, 336, 97, 25);
  connect(BitBtn2, &QPushButton::clicked, this, &QWidget::hide);
  for (int n = 1; n <= int(session_.results.size()); ++n) showProcess(n);
  showHeading();
}

QString TForm3::heading() const { return Label1->text(); }

void TForm3::showHeading() {
  std::vector<tfs::ModelKind> models;
  for (const proc::ResultRow& r : session_.results) models.push_back(r.model);
  Label1->setText(QCoreApplication::translate("TForm3", "Таблица резульатов расчета идеальных процессов") +
                  QStringLiteral("  ") + QString::fromStdString(app::modelsNote(models, session_.main.model)));
  Label1->adjustSize();
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
  const app::Units u = session_.main.units;
  const QFontMetrics fm(IdTab->font());
  for (int k = 0; k < proc::kResultColumns; ++k) {
    const QString header = QString::fromStdString(proc::ResultHeaders(u)[k]);
    // The model's column: its longer name in the user's language.
    const QString number = k == proc::kResultColumns - 1
                               ? QString::fromStdString(app::modelShort(tfs::ModelKind::Reference))
                               : QString::fromUtf8(widest[int(u)][k]);
    const int need = std::max(fm.horizontalAdvance(header), fm.horizontalAdvance(number)) + 12;
    IdTab->setColumnWidth(k, std::max(widths[k], need));
    setCell(k, 0, header);
  }
}

void TForm3::rebuild() {
  // Back to the first hundred rows, every cell below the headers empty.
  if (IdTab->rowCount() > 100) IdTab->setRowCount(100);
  for (int r = 1; r < IdTab->rowCount(); ++r)
    for (int k = 0; k < proc::kResultColumns; ++k) setCell(k, r, QString());
  setHeaders();
  for (int n = 1; n <= int(session_.results.size()); ++n) showProcess(n);
  showHeading();
}

QString TForm3::cell(int col, int row) const { return proc::GridCell(IdTab, col, row); }

void TForm3::setCell(int col, int row, const QString& text) { proc::SetGridCell(IdTab, col, row, text); }

int TForm3::rowCount() const { return IdTab->rowCount(); }

int TForm3::currentProcess() const {
  const int r = IdTab->currentRow();
  const int n = (r + 1) / 2;
  return r >= 1 && n <= int(session_.results.size()) ? n : 0;
}

void TForm3::showProcess(int n) {
  if (n < 1 || n > int(session_.results.size())) return;
  const int r1 = 2 * n - 1, r2 = 2 * n;
  // Grows in steps of a hundred rows, so no process is ever overwritten.
  if (r2 + 1 > IdTab->rowCount()) {
    int rows = IdTab->rowCount();
    while (rows < r2 + 1) rows += 100;
    proc::GrowStringGrid(IdTab, rows, kFixed);
  }
  const std::array<proc::ResultCells, 2> rows = proc::resultRowTexts(session_.results[n - 1], session_.main.units);
  for (int k = 0; k < proc::kResultColumns; ++k) {
    setCell(k, r1, QString::fromStdString(rows[0][k]));
    // The end row leaves the number, substance, process, Q and L empty.
    if (k >= 3 && k <= 8) setCell(k, r2, QString::fromStdString(rows[1][k]));
  }
  IdTab->scrollToItem(IdTab->item(r2, 0));
  showHeading();
}
