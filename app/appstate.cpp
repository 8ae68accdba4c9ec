#include "app/appstate.h"

#include "app/windows.h"

namespace app {

AppState& state() {
  static AppState s;
  return s;
}

Windows& windows() {
  static Windows w;
  return w;
}

}  // namespace app
