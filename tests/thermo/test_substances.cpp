#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

#include "routines_support.h"
#include "thermo/report.h"
#include "thermo/substances.h"

namespace {

TEST(SubstIndex, EveryIdentifierFindsItsOwnRow) {
  for (int i = 1; i <= tfs::kSubstCount; ++i) {
    EXPECT_EQ(tfs::SubstIndex(tfs::SubstName[i]), i) << i;
    EXPECT_EQ(tfs::substanceIndex(tfs::SubstName[i]), i) << i;
  }
  EXPECT_EQ(tfs::SubstIndex("Air"), 11);
  EXPECT_EQ(tfs::SubstIndex("R14"), 10);
  EXPECT_EQ(tfs::SubstIndex("He"), 1);
  EXPECT_EQ(tfs::SubstIndex("p-H2"), 3);
  EXPECT_STREQ(tfs::SubstNameRus[10], "Фреон 14");
  EXPECT_STREQ(tfs::SubstNameRus[11], "Воздух");
}

TEST(SubstIndex, InexactIdentifiersAreFatal) {
  const std::string expected = "Название вещества указано неправильно!";
  for (std::string_view bad : {std::string_view("n2"), std::string_view("N2 "), std::string_view(""),
                               std::string_view("air"), std::string_view(" He"), std::string_view("He\0", 3),
                               std::string_view("H")}) {
    EXPECT_EQ(routines_test::watchedFatalText([&] { tfs::SubstIndex(bad); }, "<returned>"), expected) << '"' << bad << '"';
    EXPECT_EQ(tfs::substanceIndex(bad), 0) << '"' << bad << '"';
  }
}

TEST(SubstIndexDeathTest, UnknownIdentifierEndsTheProgramWithItsMessage) {
  EXPECT_EXIT(tfs::SubstIndex("n2"), ::testing::ExitedWithCode(1), "Название вещества указано неправильно!");
  EXPECT_EXIT(tfs::SubstIndex(""), ::testing::ExitedWithCode(1), "Название вещества указано неправильно!");
}

TEST(Catalogue, SaturationLineEndsAtTheCriticalPointExceptForAir) {
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(tfs::Tkp[i], tfs::Tcr[i]) << i;
    EXPECT_EQ(tfs::Pkp[i], tfs::Pcr[i]) << i;
  }
  EXPECT_EQ(tfs::Tcr[11], 132.52L);
  EXPECT_EQ(tfs::Pcr[11], 3.768L);
  EXPECT_EQ(tfs::Tkp[11], 132.55L);
  EXPECT_EQ(tfs::Pkp[11], 3.774L);
}

// Cross-checks of the rows against each other: a mistyped digit in one table
// shows up as an inconsistency with the others.
TEST(Catalogue, GasConstantsAndCubicConstantsAgreeWithTheCriticalPoint) {
  for (int i = 1; i <= tfs::kSubstCount; ++i) {
    EXPECT_NEAR(tfs::Rgas[i] * tfs::MolMass[i], 8.31441L, 2e-4L) << i;
    const tfs::Real R = tfs::Rgas[i] / 1000;
    const tfs::Real a = 0.42748L * R * R * tfs::Tcr[i] * tfs::Tcr[i] / tfs::Pcr[i];
    const tfs::Real b = 0.08664L * R * tfs::Tcr[i] / tfs::Pcr[i];
    EXPECT_NEAR(tfs::aRKS[i] / a, 1, 5e-3L) << i;
    EXPECT_NEAR(tfs::bRKS[i] / b, 1, 5e-3L) << i;
    EXPECT_LT(tfs::Ttr[i], tfs::Tcr[i]) << i;
  }
}

}  // namespace
