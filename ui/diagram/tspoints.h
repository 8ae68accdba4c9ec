#pragma once
// The table of points picked on the diagram: the session's points as text.

#include <QWidget>

#include "core/session/session.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TTS_points : public QWidget {
  Q_OBJECT
 public:
  explicit TTS_points(const app::Session& session, QWidget* parent = nullptr);

  QLabel* Label1;
  QTableWidget* TS_tab;  // row 0 and column 0 are the fixed header cells
  QPushButton* BitBtn1;

  // Writes point n (1-based) of the session into row n and scrolls to it;
  // the grid grows to hold it.
  void showPoint(int n);
  // Headers and every row anew from the session, in its units.
  void rebuild();
  // The heading with the models of the rows (the chosen one when there is
  // none), as the CSV files start.
  void showHeading();
  QString heading() const;
  // Cell text by column and row, as the grid shows it.
  QString cell(int col, int row) const;
  int rowCount() const;

  void BitBtn1Click();
  // Shows the window in the bottom right corner of its screen, clear of the
  // diagram's readout fields and "Назад" in the top left one.
  void showAside();

 private:
  void FormCreate();
  void setHeaders();
  void fixCell(int col, int row);

  const app::Session& session_;
};
