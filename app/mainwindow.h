#pragma once
// The main window: substance choice, fact sheet, diagram limits.

#include <QWidget>

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
};
