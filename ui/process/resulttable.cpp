#include "ui/process/resulttable.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QTableWidget>
#include <algorithm>

#include "core/base/modelname.h"
#include "ui/process/grid.h"
#include "ui/process/widgets.h"
#include "ui/services/tableactions.h"

namespace proc {

ResultWindow::ResultWindow(QWidget* parent, int columns, int rowsPerEntry, const QString& title,
                           const QString& removeText, std::function<void()> removeWanted)
    : QWidget(parent), rowsPerEntry_(rowsPerEntry) {
  form::useSmallFont(this);
  Label1 = form::caption(this, QString(), 16, 8, true);
  grid_ = MakeStringGrid(this, columns, 100, form::yellow());
  app::addTableActions(grid_, title, [this] { return heading(); });
  app::keepHeaderRowInView(grid_, form::yellow());
  auto* remove = new QAction(removeText, grid_);
  remove->setObjectName(QStringLiteral("RemoveRow"));
  remove->setShortcut(QKeySequence::Delete);
  remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(remove, &QAction::triggered, this, std::move(removeWanted));
  grid_->addAction(remove);
}

QString ResultWindow::heading() const { return Label1->text(); }

QString ResultWindow::cell(int col, int row) const { return GridCell(grid_, col, row); }

int ResultWindow::rowCount() const { return grid_->rowCount(); }

void ResultWindow::showHeadingOf(const QString& title, const std::vector<tfs::ModelKind>& models,
                                 tfs::ModelKind chosen) {
  Label1->setText(title + QStringLiteral("  ") + QString::fromStdString(app::modelsNote(models, chosen)));
  Label1->adjustSize();
}

void ResultWindow::showHeaderRow(std::span<const std::string> headers, std::span<const char* const> widest,
                                 std::span<const int> least) {
  const QFontMetrics fm(grid_->font());
  const int last = int(headers.size()) - 1;
  for (int k = 0; k <= last; ++k) {
    const QString header = QString::fromStdString(headers[k]);
    const QString longest = k == last ? QString::fromStdString(app::modelShort(tfs::ModelKind::Reference))
                                      : QString::fromUtf8(widest[k]);
    const int need = std::max(fm.horizontalAdvance(header), fm.horizontalAdvance(longest)) + 12;
    grid_->setColumnWidth(k, k < int(least.size()) ? std::max(least[k], need) : need);
    SetGridCell(grid_, k, 0, header);
  }
}

int ResultWindow::rowsFor(int n) {
  const int first = rowsPerEntry_ * (n - 1) + 1, last = rowsPerEntry_ * n;
  if (last + 1 > grid_->rowCount()) {
    int rows = grid_->rowCount();
    while (rows < last + 1) rows += 100;
    GrowStringGrid(grid_, rows, form::yellow());
  }
  return first;
}

void ResultWindow::clearBelowHeaders() {
  for (int r = 1; r < grid_->rowCount(); ++r)
    for (int c = 0; c < grid_->columnCount(); ++c) SetGridCell(grid_, c, r, QString());
}

int ResultWindow::currentEntry(int count) const {
  const int row = grid_->currentRow();
  const int n = (row + rowsPerEntry_ - 1) / rowsPerEntry_;
  return row >= 1 && n <= count ? n : 0;
}

}  // namespace proc
