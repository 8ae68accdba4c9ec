#include <gtest/gtest.h>

#include "thermo/report.h"

namespace {

TEST(FormatNumber, FixedPatternsWithWidthAndLiteralText) {
  EXPECT_EQ(tfs::formatNumber("%6.2f", 2.1L), "  2.10");
  EXPECT_EQ(tfs::formatNumber("%6.4f", 0.229048L), "0.2290");
  EXPECT_EQ(tfs::formatNumber("T=%5.2f K", 77.354L), "T=77.35 K");
  EXPECT_EQ(tfs::formatNumber("%5d", 1), "    1");
  EXPECT_EQ(tfs::formatNumber("%4.1f", 1234.56L), "1234.6");  // wider than the field
  EXPECT_EQ(tfs::formatNumber("no number", 5), "no number");
}

TEST(FormatNumber, ZeroCarriesNoSign) {
  EXPECT_EQ(tfs::formatNumber("%6.3f", -0.0001L), " 0.000");
  EXPECT_EQ(tfs::formatNumber("%6.3f", -0.0006L), "-0.001");
}

TEST(FormatNumber, DecimalSeparatorIsAnArgument) {
  EXPECT_EQ(tfs::formatNumber("%6.2f", 130, ','), "130,00");
  EXPECT_EQ(tfs::formatNumber("d=%4.3f kg/m3", 1.5L, ','), "d=1,500 kg/m3");
  EXPECT_EQ(tfs::formatNumber("%6.2f", 130), "130.00");
}

TEST(Handlers, MessageGoesToTheReplacedHandlerAndBack) {
  std::string seen;
  tfs::setMessageHandler([&](const std::string& t) { seen = t; });
  tfs::message("x<0 in x^y");
  EXPECT_EQ(seen, "x<0 in x^y");
  tfs::resetHandlers();
}

TEST(HandlersDeathTest, DefaultFatalEndsWithNonZeroStatus) {
  EXPECT_EXIT(tfs::fatal("stop here"), ::testing::ExitedWithCode(1), "stop here");
}

TEST(HandlersDeathTest, ConsoleGuardWritesItsLineToStandardOutput) {
  EXPECT_EXIT(
      {
        tfs::setFatalHandler([](const std::string&) { std::_Exit(3); });
        tfs::consoleFatal("guard line");
      },
      ::testing::ExitedWithCode(3), "");
}

}  // namespace
