#include "diagram/tspoints.h"

TTS_points::TTS_points(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Точки с TS диаграммы"));
}
