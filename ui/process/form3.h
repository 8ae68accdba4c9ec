#pragma once
// The results table of the ideal processes: the session's results rows as
// text.

#include "core/session/session.h"
#include "ui/process/controls.h"
#include "ui/process/resulttable.h"

class TForm3 : public proc::ResultWindow {
  Q_OBJECT
 public:
  explicit TForm3(const app::Session& session, QWidget* parent = nullptr);

  QTableWidget* IdTab = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Эаписать": does nothing
  QPushButton* BitBtn2 = nullptr;  // "Эакрыть": hides the window

  // Writes process n (1-based) of the session into rows 2n - 1 and 2n,
  // growing the grid, and scrolls to them.
  void showProcess(int n);
  // Headers and every process anew from the session, in its units.
  void rebuild();
  // The heading with the models of the rows, as the CSV files start.
  void showHeading();
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
