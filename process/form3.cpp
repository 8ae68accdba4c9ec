#include "process/form3.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "app/tabletext.h"
#include "process/grid.h"

namespace {
const QColor kFixed(255, 255, 0);
}

const QStringList& ResultHeaders() {
  static const QStringList h = {
      QStringLiteral("  N"),          QStringLiteral(" Вещество"),    QStringLiteral(" Процесс"),
      QStringLiteral(" Точки"),       QStringLiteral(" T, K"),        QStringLiteral("  P, МПа"),
      QStringLiteral(" d, кг/м3"),    QStringLiteral("  i, кДж/кг"),  QStringLiteral(" s, кДж/(кг.К)"),
      QStringLiteral(" x, %"),        QStringLiteral(" Q, кДж/кг"),   QStringLiteral(" L, кДж/кг")};
  return h;
}

TForm3::TForm3(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Form3"));
  move(-2, 199);
  setFixedSize(801, 375);
  QFont base = font();
  base.setPixelSize(11);
  setFont(base);

  Label1 = new QLabel(QStringLiteral("Таблица резульатов расчета идеальных процессов"), this);
  QFont bold = base;
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->move(16, 8);
  Label1->adjustSize();

  IdTab = proc::MakeStringGrid(this, 12, 100, kFixed);
  IdTab->setGeometry(8, 32, 785, 290);
  const int widths[12] = {50, 72, 69, 72, 57, 61, 61, 58, 56, 61, 55, 59};
  for (int k = 0; k < 12; ++k) {
    IdTab->setColumnWidth(k, widths[k]);
    setCell(k, 0, ResultHeaders()[k]);
  }
  app::addTableActions(IdTab, QStringLiteral("Процессы"));

  BitBtn1 = new QPushButton(QStringLiteral("Эаписать"), this);
  BitBtn1->setGeometry(240, 336, 97, 25);
  BitBtn2 = new QPushButton(QStringLiteral("Эакрыть"), this);
  BitBtn2->setGeometry(464, 336, 97, 25);
  connect(BitBtn2, &QPushButton::clicked, this, &QWidget::hide);
}

QString TForm3::cell(int col, int row) const { return proc::GridCell(IdTab, col, row); }

void TForm3::setCell(int col, int row, const QString& text) { proc::SetGridCell(IdTab, col, row, text); }

int TForm3::rowCount() const { return IdTab->rowCount(); }

void TForm3::ensureRows(int rows) {
  // Grows in steps of a hundred rows, so no process is ever overwritten.
  if (rows <= IdTab->rowCount()) return;
  int n = IdTab->rowCount();
  while (n < rows) n += 100;
  proc::GrowStringGrid(IdTab, n, kFixed);
}
