#include "diagram/tsvid.h"

#include "diagram/procstore.h"

namespace diagram {
ProcStore& procStore() {
  static ProcStore s;
  return s;
}
}  // namespace diagram

TTSvid::TTSvid(QWidget* parent) : QWidget(parent) { setWindowTitle(QStringLiteral(" TS диаграмма")); }

void TTSvid::setLogScale(bool) {}

void TTSvid::showDiagram() { show(); raise(); }
