#pragma once
// The results table of the ideal processes: the session's results rows as
// text.

#include <QString>
#include <QWidget>

#include "core/session/session.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(const app::Session& session, QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QTableWidget* IdTab = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Эаписать": does nothing
  QPushButton* BitBtn2 = nullptr;  // "Эакрыть": hides the window

  // Writes process n (1-based) of the session into rows 2n - 1 and 2n,
  // growing the grid, and scrolls to them.
  void showProcess(int n);
  // Headers and every process anew from the session, in its units.
  void rebuild();
  // The heading with the models of the rows (the chosen one when there is
  // none), as the CSV files start.
  void showHeading();
  QString heading() const;

  // Cells by column and row, as in a string grid.
  QString cell(int col, int row) const;
  int rowCount() const;
  // The process whose rows hold the current cell (1-based); 0: none.
  int currentProcess() const;

 signals:
  // "Удалить процесс": process n should leave the table (and its line the
  // diagram).
  void processRemoveWanted(int n);

 private:
  void setCell(int col, int row, const QString& text);
  void setHeaders();
  const app::Session& session_;
};
