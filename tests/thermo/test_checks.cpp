#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <vector>

#include "routines_support.h"
#include "thermo/checks.h"
#include "thermo/report.h"
#include "thermo/substances.h"

namespace {

using tfs::Real;

using routines_test::watchedFatalText;

std::string checkT(int code, int k, Real T) {
  return watchedFatalText([&] { tfs::CheckT(code, k, T); });
}
std::string checkP(int code, int k, Real P) {
  return watchedFatalText([&] { tfs::CheckP(code, k, P); });
}

TEST(XpowY, SpecialCasesInTheirOrder) {
  EXPECT_EQ(tfs::XpowY(0, 0), 0);
  EXPECT_EQ(tfs::XpowY(0, -2), 0);
  EXPECT_EQ(tfs::XpowY(2, 0), 1);
  EXPECT_NEAR(tfs::XpowY(8, 1.0L / 3), 2, 1e-17L);
  EXPECT_NEAR(tfs::XpowY(2, 10), 1024, 1e-14L);
  EXPECT_NEAR(tfs::XpowY(0.25L, -0.5L), 2, 1e-17L);
}

TEST(XpowY, NegativeBaseShowsItsMessageAndGivesZero) {
  std::vector<std::string> seen;
  tfs::setMessageHandler([&](const std::string& t) { seen.push_back(t); });
  const Real a = tfs::XpowY(-8, 1.0L / 3);
  const Real b = tfs::XpowY(-1e-30L, 0);
  tfs::resetHandlers();
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 0);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], "x<0 in x^y");
  EXPECT_EQ(seen[1], "x<0 in x^y");
}

TEST(CheckT, LimitsAreInclusive) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    EXPECT_EQ(checkT(1, k, tfs::Tcr[k]), "") << k;
    EXPECT_EQ(checkT(3, k, tfs::Ttr[k]), "") << k;
    EXPECT_EQ(checkT(3, k, (tfs::Ttr[k] + tfs::Tcr[k]) / 2), "") << k;
    EXPECT_NE(checkT(1, k, std::nextafter(tfs::Tcr[k], Real(1e9))).find(" выше критической для данного вещества!"),
              std::string::npos)
        << k;
    EXPECT_NE(checkT(1, k, std::nextafter(tfs::Ttr[k], Real(0))).find(" ниже тройной точки для данного вещества!"),
              std::string::npos)
        << k;
  }
}

TEST(CheckT, ExactTexts) {
  EXPECT_EQ(checkT(1, 1, 2.1L),
            " Используемая в программе Psat температура   2.10 ниже тройной точки для данного вещества!");
  EXPECT_EQ(checkT(3, 5, 130),
            " Используемая в программе dhs2_T температура 130.00 выше критической для данного вещества!");
  // Air is limited by its equation-of-state critical point, not the end of
  // its saturation line.
  EXPECT_EQ(checkT(1, 11, 132.54L),
            " Используемая в программе Psat температура 132.54 выше критической для данного вещества!");
}

// The library's texts carry a point whatever the user's locale (the windows
// put the user's separator in when they show them).
TEST(CheckT, TextCarriesAPointUnderTheUserLocale) {
  std::setlocale(LC_ALL, "");
  const std::string text = watchedFatalText([] { tfs::CheckT(1, 1, 2.1L); });
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(text, " Используемая в программе Psat температура   2.10 ниже тройной точки для данного вещества!");
}

TEST(CheckP, UpperLimitOnlyAndExactTexts) {
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    EXPECT_EQ(checkP(2, k, tfs::Pcr[k]), "") << k;
    EXPECT_EQ(checkP(2, k, 0), "") << k;
    EXPECT_EQ(checkP(4, k, -5), "") << k;
    EXPECT_NE(checkP(2, k, std::nextafter(tfs::Pcr[k], Real(1e9))), "") << k;
  }
  EXPECT_EQ(checkP(2, 5, 3.4L),
            " Используемое в программе Tsat давление 3.4000 выше критического для данного вещества!");
  EXPECT_EQ(checkP(4, 11, 3.77L),
            " Используемое в программе dhs2_P давление 3.7700 выше критического для данного вещества!");
  EXPECT_EQ(checkP(4, 11, 3.768L), "");
}

TEST(ChecksDeathTest, DefaultHandlerEndsTheProgram) {
  EXPECT_EXIT(tfs::CheckT(1, 1, 2.1L), ::testing::ExitedWithCode(1),
              "^ Используемая в программе Psat температура   2\\.10 ниже тройной точки для данного вещества!\n$");
  EXPECT_EXIT(tfs::CheckT(3, 5, 130), ::testing::ExitedWithCode(1),
              "^ Используемая в программе dhs2_T температура 130\\.00 выше критической для данного вещества!\n$");
  EXPECT_EXIT(tfs::CheckP(4, 5, 3.5L), ::testing::ExitedWithCode(1),
              "^ Используемое в программе dhs2_P давление 3\\.5000 выше критического для данного вещества!\n$");
}

}  // namespace
