#pragma once
// A second table window with the results headers; never shown.

#include <QWidget>

class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);
};
