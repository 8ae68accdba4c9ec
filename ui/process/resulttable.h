#pragma once
// What the two results windows (the ideal processes', the real devices')
// share: a bold heading naming the models of the rows over a string grid
// whose header row stays in view, each session row taking a fixed number of
// grid rows below it.

#include <QString>
#include <QWidget>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "thermo/model.h"
#include "ui/process/controls.h"

namespace proc {

class ResultWindow : public QWidget {
 public:
  QLabel* Label1 = nullptr;  // the heading

  // The heading with the models of the rows (the chosen one when there is
  // none), as the CSV files start.
  QString heading() const;
  // Cells by column and row, as in a string grid.
  QString cell(int col, int row) const;
  int rowCount() const;

 protected:
  // The window in its small font, the heading at (16, 8) and a grid of
  // columns columns and a hundred rows, each session row taking rowsPerEntry
  // of them, with Ctrl+C and the copy menu (title names the CSV file
  // offered) and the action removeText (Delete), which calls removeWanted.
  ResultWindow(QWidget* parent, int columns, int rowsPerEntry, const QString& title, const QString& removeText,
               std::function<void()> removeWanted);

  // The heading: title, then the models of the session's rows (the chosen
  // one when there is none).
  template <class Rows>
  void showModelsHeading(const QString& title, const Rows& rows, tfs::ModelKind chosen) {
    std::vector<tfs::ModelKind> models;
    for (const auto& r : rows) models.push_back(r.model);
    showHeadingOf(title, models, chosen);
  }
  // Row 0 holds the headers. Each column is as wide as its header and the
  // widest text it may hold, and at least least[k] where given; the last
  // column holds the model, whose longer name in the user's language is its
  // widest text.
  void showHeaderRow(std::span<const std::string> headers, std::span<const char* const> widest,
                     std::span<const int> least = {});
  // Grows the grid in steps of a hundred rows until the rows of session row
  // n fit, so that no row is ever overwritten; its first grid row.
  int rowsFor(int n);
  // Empties every cell below the header row.
  void clearBelowHeaders();
  // The session row (1-based) whose grid rows hold the current cell; 0 for
  // none of count.
  int currentEntry(int count) const;

  QTableWidget* grid_ = nullptr;

 private:
  void showHeadingOf(const QString& title, const std::vector<tfs::ModelKind>& models, tfs::ModelKind chosen);
  int rowsPerEntry_;
};

}  // namespace proc
