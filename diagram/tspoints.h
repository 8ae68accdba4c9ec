#pragma once
// The table of points picked on the diagram.

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

class TTS_points : public QWidget {
  Q_OBJECT
 public:
  explicit TTS_points(QWidget* parent = nullptr);

  QLabel* Label1;
  QTableWidget* TS_tab;  // row 0 and column 0 are the fixed header cells
  QPushButton* BitBtn1;

  // Writes the cells of row r (columns from 0); the grid grows to hold it.
  void writeRow(int r, const QStringList& cells);
  // Cell text by column and row, as the grid shows it.
  QString cell(int col, int row) const;
  int rowCount() const;

  void BitBtn1Click();

 private:
  void FormCreate();
  void fixCell(int col, int row);
};
