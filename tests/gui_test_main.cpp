// Test main of the window tests: one application object, messages recorded
// instead of shown, the library's fatal errors made refusable.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/commode.h"
#include "gui_test_support.h"

namespace testing_support {
app::MessageRecorder& recorder() {
  static app::MessageRecorder r;
  return r;
}

std::unique_ptr<Started> startProgram() {
  recorder().texts.clear();
  return std::make_unique<Started>();
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
