// Test main for the GUI tests: one application object, messages recorded
// instead of shown, the library's fatal errors made refusable.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/appstate.h"
#include "app/commode.h"
#include "app/linegen.h"
#include "app/messages.h"
#include "app/windows.h"
#include "diagram/procstore.h"
#include "gui_test_support.h"

namespace testing_support {
app::MessageRecorder& recorder() {
  static app::MessageRecorder r;
  return r;
}

void startProgram() {
  app::state() = app::AppState{};
  app::diagramStore() = app::DiagramStore{};
  diagram::procStore() = diagram::ProcStore{};
  app::createWindows();
  recorder().texts.clear();
}
}  // namespace testing_support

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication a(argc, argv);
  app::adoptLocaleSeparator();
  app::setMessageService(&testing_support::recorder());
  app::installLibraryHandlers();
  return RUN_ALL_TESTS();
}
