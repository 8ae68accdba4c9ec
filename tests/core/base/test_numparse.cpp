// The parser of numeric edit fields: values, the warning flag and the texts
// the student sees.

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "core/base/libguard.h"
#include "core/base/numfmt.h"
#include "core/base/numparse.h"
#include "core_test_support.h"
#include "thermo/tfs.h"

namespace {

using app::Real;

const std::string kEmpty = "В окно ничего не введено\rБудет принято нулевое значение!";

std::string notNumber(const std::string& typed) {
  return "\" " + typed + "\" в окне не является числом \rОно содержит символы или буквы!";
}

struct Parsed {
  Real value;
  unsigned char flag;
  std::vector<std::string> messages;
};

Parsed parse(const std::string& text, unsigned char flag) {
  Parsed p{-777, flag, {}};
  app::EditToNumber(text, p.value, p.flag, [&p](const std::string& m) { p.messages.push_back(m); });
  return p;
}

std::string repeated(const std::string& unit, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += unit;
  return s;
}

TEST(EditToNumber, CleanNumbersAreSilentAndClearTheFlag) {
  for (const auto& [text, expected] : std::initializer_list<std::pair<const char*, Real>>{
           {"300", 300}, {"  300  ", 300}, {"-4.2", -4.2L}, {"+5", 5}, {"1e3", 1000}, {"2.5E-2", 0.025L},
           {"\t77.35\n", 77.35L}, {"\xC2\xA0" "300" "\xE2\x80\xAF", 300}, {".5", 0.5L}, {"0", 0}}) {
    SCOPED_TRACE(text);
    const Parsed p = parse(text, 1);
    EXPECT_EQ(p.value, expected);
    EXPECT_EQ(p.flag, 0);
    EXPECT_TRUE(p.messages.empty());
  }
}

TEST(EditToNumber, CommaIsReadAsPointButWarned) {
  const Parsed p = parse("12,5", 1);
  EXPECT_EQ(p.value, 12.5L);
  EXPECT_EQ(p.flag, 1);
  ASSERT_EQ(p.messages.size(), 1);
  EXPECT_EQ(p.messages[0], notNumber("12,5"));
}

TEST(EditToNumber, CleaningStopsAtBlankOrLetterAfterTheFirstCharacter) {
  struct Case {
    const char* text;
    Real value;
  };
  for (const Case& c : {Case{"4-2", 42}, Case{"300K", 300}, Case{"K300", 300}, Case{"1 000", 1}, Case{"1.2.3", 1.2L},
                        Case{"12:30", 12}, Case{"(25)", 25}, Case{"+-7", 7}, Case{"-3,75 K", -3.75L},
                        Case{"1e", 1}, Case{"300 К", 300}, Case{"тристо", 0}, Case{"Т200", 200}}) {
    SCOPED_TRACE(c.text);
    const std::string typed = c.text;
    const Parsed p = parse(typed, 1);
    EXPECT_EQ(p.value, c.value);
    EXPECT_EQ(p.flag, 1);
    ASSERT_EQ(p.messages.size(), 1);
    EXPECT_EQ(p.messages[0], notNumber(typed));
  }
}

TEST(EditToNumber, MessageQuotesTheUntrimmedText) {
  const Parsed p = parse("  12,5 ", 1);
  EXPECT_EQ(p.value, 12.5L);
  ASSERT_EQ(p.messages.size(), 1);
  EXPECT_EQ(p.messages[0], notNumber("  12,5 "));
}

TEST(EditToNumber, ClearedFlagSuppressesTheWarning) {
  const Parsed p = parse("300K", 0);
  EXPECT_EQ(p.value, 300);
  EXPECT_EQ(p.flag, 0);
  EXPECT_TRUE(p.messages.empty());
}

TEST(EditToNumber, EmptyFieldGivesZeroWithItsMessageWhateverTheFlag) {
  for (const char* text : {"", "   ", "\t \r\n"}) {
    for (unsigned char flag : {0, 1}) {
      SCOPED_TRACE(std::string(text) + " flag " + std::to_string(flag));
      const Parsed p = parse(text, flag);
      EXPECT_EQ(p.value, 0);
      EXPECT_EQ(p.flag, 0);
      ASSERT_EQ(p.messages.size(), 1);
      EXPECT_EQ(p.messages[0], kEmpty);
    }
  }
}

TEST(EditToNumber, VeryLongTextsGiveDefinedValues) {
  // Large but representable in an extended real: a clean number.
  const std::string big = "2" + std::string(4000, '0');
  Parsed p = parse(big, 1);
  EXPECT_EQ(p.flag, 0);
  EXPECT_GT(p.value, 1e3999L);
  EXPECT_LT(p.value, 3e4000L);

  // Beyond the range of an extended real: not a number, value 0.
  const std::string huge(6000, '9');
  p = parse(huge, 1);
  EXPECT_EQ(p.value, 0);
  EXPECT_EQ(p.flag, 1);
  EXPECT_EQ(p.messages.size(), 1);

  // A long text of letters after a number: the number.
  p = parse("350" + repeated("Ж", 100000), 0);
  EXPECT_EQ(p.value, 350);
  EXPECT_EQ(p.flag, 0);
}

TEST(StandardConversion, AcceptsPointRejectsCommaInAnyCLocale) {
  const char* saved = std::setlocale(LC_NUMERIC, nullptr);
  const std::string keep = saved ? saved : "C";
  for (const char* loc : {"C", "ru_RU.UTF-8"}) {
    if (!std::setlocale(LC_NUMERIC, loc)) continue;
    SCOPED_TRACE(loc);
    Real v = -1;
    EXPECT_TRUE(app::standardConversion(("12.5"), v));
    EXPECT_EQ(v, 12.5L);
    EXPECT_TRUE(app::standardConversion((" -0.125e1"), v));
    EXPECT_EQ(v, -1.25L);
    v = -1;
    EXPECT_FALSE(app::standardConversion("12,5", v));
    EXPECT_FALSE(app::standardConversion((""), v));
    EXPECT_FALSE(app::standardConversion(("."), v));
    EXPECT_FALSE(app::standardConversion(("-"), v));
    EXPECT_FALSE(app::standardConversion(("1.2.3"), v));
    EXPECT_FALSE(app::standardConversion(("inf"), v));
    EXPECT_FALSE(app::standardConversion(("0x10"), v));
    EXPECT_EQ(v, -1);  // a refused text leaves the value alone
  }
  std::setlocale(LC_NUMERIC, keep.c_str());
}

// A clean number for the fields that refuse anything else: one decimal
// separator, a point or a comma, and nothing around the number but blanks.
// Such a text is shown with the separator of the numbers shown, any other
// text as it is.
TEST(CleanNumber, OneSeparatorEitherWayAndNothingElse) {
  struct Case {
    const char* text;
    bool clean;
    Real value;
    const char* withComma;  // as shown under a Russian locale
    const char* withPoint;
  };
  const Case cases[] = {
      {"12,5", true, 12.5L, "12,5", "12.5"},        {" 12.5 ", true, 12.5L, " 12,5 ", " 12.5 "},
      {"1,000", true, 1, "1,000", "1.000"},          {"-0,25e1", true, -2.5L, "-0,25e1", "-0.25e1"},
      {"300", true, 300, "300", "300"},              {",5", true, 0.5L, ",5", ".5"},
      {"300abc", false, 0, "300abc", "300abc"},      {"0,8.1", false, 0, "0,8.1", "0,8.1"},
      {"1,5,3", false, 0, "1,5,3", "1,5,3"},          {"1.2.3", false, 0, "1.2.3", "1.2.3"},
      {"1 000", false, 0, "1 000", "1 000"},          {"", false, 0, "", ""},
      {"K300", false, 0, "K300", "K300"},             {"inf", false, 0, "inf", "inf"},
  };
  const char keep = app::decimalSeparator();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Real v = -1;
    EXPECT_EQ(app::cleanNumber(c.text, v), c.clean);
    if (c.clean) {
      EXPECT_EQ(v, c.value);
    }
    app::setDecimalSeparator(',');
    EXPECT_EQ(app::withShownSeparator(c.text), c.withComma);
    app::setDecimalSeparator('.');
    EXPECT_EQ(app::withShownSeparator(c.text), c.withPoint);
  }
  app::setDecimalSeparator(keep);
}

// The library writes its numbers with a point; its messages reach the user
// with the user's separator, and only the decimal points between digits
// change.
TEST(LibraryTexts, RangeMessageShowsTheUsersSeparator) {
  const char keep = app::decimalSeparator();
  app::setDecimalSeparator(',');
  testing_support::said().clear();
  Real Pv = 0, Pl = 0;
  EXPECT_FALSE(app::libraryGuarded([&] { tfs::Psat("He", 2.1L, Pv, Pl); }));
  EXPECT_EQ(testing_support::said(),
            std::vector<std::string>{" Используемая в программе Psat температура   2,10 ниже тройной точки для данного вещества!"});
  EXPECT_EQ(app::localized("dhs2_T: -0.5000 MPa. T=1000 K .5"), "dhs2_T: -0,5000 MPa. T=1000 K .5");
  EXPECT_EQ(app::format("%6.2f", 2.1L), "  2,10");
  EXPECT_EQ(app::format("Cp=%4.2f kJ/kg.K", 2.1L), "Cp=2,10 kJ/kg.K");  // the text's own point stays
  app::setDecimalSeparator(keep);
  testing_support::said().clear();
}

}  // namespace
