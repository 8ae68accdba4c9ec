// Test main of the plain programs: numbers shown with the separator of the
// environment's locale (a comma under ru_RU), the library's messages recorded
// and its fatal errors made refusable.

#include <gtest/gtest.h>

#include <clocale>

#include "core/base/libguard.h"
#include "core/base/numfmt.h"
#include "core_test_support.h"

namespace testing_support {
std::vector<std::string>& said() {
  static std::vector<std::string> texts;
  return texts;
}
app::Notify recorded() {
  return [](const std::string& text) { said().push_back(text); };
}
}  // namespace testing_support

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (const char* loc = std::setlocale(LC_NUMERIC, "")) {
    (void)loc;
    const char* dp = std::localeconv()->decimal_point;
    app::setDecimalSeparator(dp && dp[0] == ',' ? ',' : '.');
  }
  std::setlocale(LC_NUMERIC, "C");
  app::installLibraryHandlers(testing_support::recorded());
  return RUN_ALL_TESTS();
}
