#pragma once
// The T-s diagram window.

#include <QWidget>

class TTSvid : public QWidget {
  Q_OBJECT
 public:
  explicit TTSvid(QWidget* parent = nullptr);
  // Left axis logarithmic (true) or linear.
  void setLogScale(bool log);
};
