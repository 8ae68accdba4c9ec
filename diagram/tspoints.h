#pragma once
// The table of points picked on the diagram.

#include <QWidget>

class TTS_points : public QWidget {
  Q_OBJECT
 public:
  explicit TTS_points(QWidget* parent = nullptr);
};
