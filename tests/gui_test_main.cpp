// Test main of the window tests: one application object, messages recorded
// instead of shown, the library's fatal errors made refusable, the autosave
// and the settings in a folder of the run's own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "gui_test_support.h"
#include "ui/files/keeper.h"
#include "ui/services/commode.h"
#include "ui/services/filedialog.h"

namespace testing_support {
app::MessageRecorder& recorder() {
  static app::MessageRecorder r;
  return r;
}

std::unique_ptr<Started> startProgram(QList<app::Answer> answers) {
  recorder().texts.clear();
  recorder().questions.clear();
  recorder().answers = std::move(answers);
  return std::make_unique<Started>();
}
}  // namespace testing_support

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication a(argc, argv);
  const QTemporaryDir own;
  app::setAutosaveFolder(own.filePath(QStringLiteral("data")));
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, own.filePath(QStringLiteral("config")));
  // A dialog that opened would wait for a click: none is chosen.
  app::setFileDialog([](const app::FileRequest&) { return QString(); });
  app::adoptLocaleSeparator();
  app::setMessageService(&testing_support::recorder());
  app::installLibraryHandlers();
  return RUN_ALL_TESTS();
}
