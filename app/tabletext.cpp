#include "app/tabletext.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QTableWidget>

#include "app/commode.h"
#include "app/messages.h"

namespace app {

namespace {

QString quoted(const QString& cell, QChar sep) {
  if (!cell.contains(sep) && !cell.contains(u'"') && !cell.contains(u'\n') && !cell.contains(u'\r')) return cell;
  QString q = cell;
  q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + q + u'"';
}

QString shown(const QTableWidget* grid, int row, int col) {
  const QTableWidgetItem* it = grid->item(row, col);
  return it ? it->text().trimmed() : QString();
}

// Drops empty rows at the end and the columns that are empty in every row
// at the right.
void trimTable(TextTable& rows) {
  while (!rows.isEmpty() && rows.last().join(QString()).isEmpty()) rows.removeLast();
  qsizetype width = 0;
  for (const QStringList& r : rows)
    for (qsizetype c = r.size(); c > width; --c)
      if (!r[c - 1].isEmpty()) {
        width = c;
        break;
      }
  for (QStringList& r : rows)
    while (r.size() > width) r.removeLast();
}

}  // namespace

QString tableText(const TextTable& rows, QChar sep) {
  QString out;
  for (const QStringList& r : rows) {
    for (qsizetype c = 0; c < r.size(); ++c) {
      if (c > 0) out += sep;
      out += quoted(r[c], sep);
    }
    out += u'\n';
  }
  return out;
}

TextTable gridCells(const QTableWidget* grid) {
  TextTable rows;
  for (int r = 0; r < grid->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c) cells << shown(grid, r, c);
    rows << cells;
  }
  trimTable(rows);
  return rows;
}

TextTable selectedCells(const QTableWidget* grid) {
  const QList<QTableWidgetSelectionRange> ranges = grid->selectedRanges();
  if (ranges.isEmpty()) return {};
  int top = ranges[0].topRow(), bottom = ranges[0].bottomRow();
  int left = ranges[0].leftColumn(), right = ranges[0].rightColumn();
  for (const QTableWidgetSelectionRange& g : ranges) {
    top = std::min(top, g.topRow());
    bottom = std::max(bottom, g.bottomRow());
    left = std::min(left, g.leftColumn());
    right = std::max(right, g.rightColumn());
  }
  const QItemSelectionModel* sel = grid->selectionModel();
  TextTable rows;
  for (int r = top; r <= bottom; ++r) {
    QStringList cells;
    for (int c = left; c <= right; ++c)
      cells << (sel->isSelected(grid->model()->index(r, c)) ? shown(grid, r, c) : QString());
    rows << cells;
  }
  return rows;
}

QChar csvSeparator() { return decimalSeparator() == ',' ? u';' : u','; }

bool saveCsv(const TextTable& rows, const QString& path) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray data = QByteArray("\xEF\xBB\xBF") + tableText(rows, csvSeparator()).toUtf8();
  if (f.write(data) != data.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

void copyText(const QString& text) {
  if (QClipboard* c = QApplication::clipboard()) c->setText(text);
}

void addTableActions(QTableWidget* grid, const QString& title) {
  auto* copy = new QAction(QStringLiteral("Копировать"), grid);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(copy, &QAction::triggered, grid, [grid] {
    const TextTable cells = selectedCells(grid);
    if (!cells.isEmpty()) copyText(tableText(cells, u'\t'));
  });
  auto* copyAll = new QAction(QStringLiteral("Копировать всё"), grid);
  QObject::connect(copyAll, &QAction::triggered, grid, [grid] { copyText(tableText(gridCells(grid), u'\t')); });
  auto* save = new QAction(QStringLiteral("Сохранить в CSV..."), grid);
  QObject::connect(save, &QAction::triggered, grid, [grid, title] {
    QString path = QFileDialog::getSaveFileName(grid->window(), QStringLiteral("Сохранить в CSV"),
                                                title + QStringLiteral(".csv"),
                                                QStringLiteral("Таблицы CSV (*.csv);;Все файлы (*)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    if (!saveCsv(gridCells(grid), path))
      messages().show(QStringLiteral("Файл не записан !\n") + QDir::toNativeSeparators(path));
  });
  copy->setObjectName(QStringLiteral("CopyCells"));
  copyAll->setObjectName(QStringLiteral("CopyTable"));
  save->setObjectName(QStringLiteral("SaveCsv"));
  grid->addActions({copy, copyAll, save});
  grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace app
