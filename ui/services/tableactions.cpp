#include "ui/services/tableactions.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableWidget>

#include "ui/services/filedialog.h"
#include "ui/services/messages.h"

namespace app {

namespace {

std::string shown(const QTableWidget* grid, int row, int col) {
  const QTableWidgetItem* it = grid->item(row, col);
  if (!it) return {};
  const QVariant exported = it->data(kExportRole);
  return cellText((exported.isValid() ? exported.toString() : it->text()).toStdString());
}

}  // namespace

TextTable gridCells(const QTableWidget* grid) {
  TextTable rows;
  for (int r = 0; r < grid->rowCount(); ++r) {
    std::vector<std::string> cells;
    for (int c = 0; c < grid->columnCount(); ++c) cells.push_back(shown(grid, r, c));
    rows.push_back(std::move(cells));
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
    std::vector<std::string> cells;
    for (int c = left; c <= right; ++c)
      cells.push_back(sel->isSelected(grid->model()->index(r, c)) ? shown(grid, r, c) : std::string());
    rows.push_back(std::move(cells));
  }
  return rows;
}

TextTable csvRows(const QTableWidget* grid, const QString& heading) {
  TextTable rows = gridCells(grid);
  const std::string head = cellText(heading.toStdString());
  if (!head.empty()) rows.insert(rows.begin(), {head});
  return rows;
}

bool saveCsv(const TextTable& rows, const QString& path, FileFault* fault) {
  const std::string data = csvBytes(rows);
  const FileFault f = writeWholeFile(path, QByteArray(data.data(), qsizetype(data.size())));
  if (fault) *fault = f;
  return f == FileFault::None;
}

void copyText(const QString& text) {
  if (QClipboard* c = QApplication::clipboard()) c->setText(text);
}

void keepHeaderRowInView(QTableWidget* grid, const QColor& fixedColour) {
  QHeaderView* head = grid->horizontalHeader();
  head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  head->setSectionsClickable(false);
  head->setHighlightSections(false);
  head->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; border: none;"
                                     " border-right: 1px solid #b0b0b0; border-bottom: 1px solid #b0b0b0;"
                                     " padding-left: 2px; }")
                          .arg(fixedColour.name()));
  auto copy = [grid](int col) {
    const QTableWidgetItem* it = grid->item(0, col);
    grid->setHorizontalHeaderItem(col, new QTableWidgetItem(it ? it->text() : QString()));
  };
  for (int c = 0; c < grid->columnCount(); ++c) copy(c);
  QObject::connect(grid, &QTableWidget::itemChanged, grid, [copy](QTableWidgetItem* it) {
    if (it->row() == 0) copy(it->column());
  });
  grid->setRowHidden(0, true);
  head->show();
}

void addTableActions(QTableWidget* grid, const QString& title, std::function<QString()> heading) {
  auto* copy = new QAction(QCoreApplication::translate("Tables", "Копировать"), grid);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(copy, &QAction::triggered, grid, [grid] {
    const TextTable cells = selectedCells(grid);
    if (!cells.empty()) copyText(QString::fromStdString(tableText(cells, '\t')));
  });
  auto* copyAll = new QAction(QCoreApplication::translate("Tables", "Копировать всё"), grid);
  QObject::connect(copyAll, &QAction::triggered, grid,
                   [grid] { copyText(QString::fromStdString(tableText(gridCells(grid), '\t'))); });
  auto* save = new QAction(QCoreApplication::translate("Tables", "Сохранить в CSV..."), grid);
  QObject::connect(save, &QAction::triggered, grid, [grid, title, heading] {
    QString path = askFile({true, grid->window(), QCoreApplication::translate("Tables", "Сохранить в CSV"), title + QStringLiteral(".csv"),
                            QCoreApplication::translate("Tables", "Таблицы CSV (*.csv);;Все файлы (*)")});
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    FileFault fault = FileFault::None;
    if (!saveCsv(csvRows(grid, heading ? heading() : QString()), path, &fault))
      messages().show(writeFaultMessage(fault, path));
  });
  copy->setObjectName(QStringLiteral("CopyCells"));
  copyAll->setObjectName(QStringLiteral("CopyTable"));
  save->setObjectName(QStringLiteral("SaveCsv"));
  grid->addActions({copy, copyAll, save});
  grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace app
