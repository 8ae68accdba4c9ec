#pragma once
// The T-s diagram window.

#include <QWidget>

class TTSvid : public QWidget {
  Q_OBJECT
 public:
  explicit TTSvid(QWidget* parent = nullptr);
  // Left axis logarithmic (true) or linear.
  void setLogScale(bool log);
  // Shows the window (its show handler rebuilds or redraws the process
  // lines); when it is already visible, redraws the process lines and
  // brings it to the front.
  void showDiagram();
};
