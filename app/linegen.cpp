#include "app/linegen.h"

namespace app {

DiagramStore& diagramStore() {
  static DiagramStore s;
  return s;
}

void ComputeDome(DiagramStore&, const LineInputs&, const Progress&) {}
void ComputeIsobars(DiagramStore&, const LineInputs&, const Progress&) {}
void ComputeLowIsobars(DiagramStore&, const LineInputs&, const Progress&) {}
void ComputeIsenthalps(DiagramStore&, const LineInputs&, const Progress&) {}
void ComputeAll(DiagramStore&, const LineInputs&, const Progress&) {}

}  // namespace app
