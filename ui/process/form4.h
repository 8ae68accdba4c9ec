#pragma once
// A second table window with the results headers; never shown.

#include <QString>
#include <QWidget>

class QTableWidget;

class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);

  QTableWidget* ProTab = nullptr;
  QString cell(int col, int row) const;
};
