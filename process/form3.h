#pragma once
// The results table of the ideal processes.

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QTableWidget* IdTab = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Эаписать": does nothing
  QPushButton* BitBtn2 = nullptr;  // "Эакрыть": hides the window

  // Cells by column and row, as in a string grid.
  QString cell(int col, int row) const;
  void setCell(int col, int row, const QString& text);
  int rowCount() const;
  // Grows the grid so that it has at least rows rows.
  void ensureRows(int rows);
};

// The twelve column headers of both table windows.
const QStringList& ResultHeaders();
