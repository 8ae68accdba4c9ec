// The parser of numeric edit fields: values, the warning flag and the texts
// the student sees.

#include <gtest/gtest.h>

#include <QString>
#include <clocale>
#include <string>

#include "app/commode.h"
#include "app/libguard.h"
#include "thermo/tfs.h"
#include "tests/gui_test_support.h"

namespace {

using app::Real;

const QString kEmpty = QStringLiteral("В окно ничего не введено\rБудет принято нулевое значение!");

QString notNumber(const QString& typed) {
  return QStringLiteral("\" ") + typed + QStringLiteral("\" в окне не является числом \rОно содержит символы или буквы!");
}

struct Parsed {
  Real value;
  unsigned char flag;
  QStringList messages;
};

Parsed parse(const QString& text, unsigned char flag) {
  testing_support::recorder().texts.clear();
  Real value = -777;
  app::EditToNumber(text, value, flag);
  Parsed p{value, flag, testing_support::recorder().texts};
  testing_support::recorder().texts.clear();
  return p;
}

TEST(EditToNumber, CleanNumbersAreSilentAndClearTheFlag) {
  for (const auto& [text, expected] : std::initializer_list<std::pair<const char*, Real>>{
           {"300", 300}, {"  300  ", 300}, {"-4.2", -4.2L}, {"+5", 5}, {"1e3", 1000}, {"2.5E-2", 0.025L},
           {"\t77.35\n", 77.35L}, {".5", 0.5L}, {"0", 0}}) {
    SCOPED_TRACE(text);
    const Parsed p = parse(QString::fromUtf8(text), 1);
    EXPECT_EQ(p.value, expected);
    EXPECT_EQ(p.flag, 0);
    EXPECT_TRUE(p.messages.isEmpty());
  }
}

TEST(EditToNumber, CommaIsReadAsPointButWarned) {
  const Parsed p = parse(QStringLiteral("12,5"), 1);
  EXPECT_EQ(p.value, 12.5L);
  EXPECT_EQ(p.flag, 1);
  ASSERT_EQ(p.messages.size(), 1);
  EXPECT_EQ(p.messages[0], notNumber(QStringLiteral("12,5")));
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
    const QString typed = QString::fromUtf8(c.text);
    const Parsed p = parse(typed, 1);
    EXPECT_EQ(p.value, c.value);
    EXPECT_EQ(p.flag, 1);
    ASSERT_EQ(p.messages.size(), 1);
    EXPECT_EQ(p.messages[0], notNumber(typed));
  }
}

TEST(EditToNumber, MessageQuotesTheUntrimmedText) {
  const Parsed p = parse(QStringLiteral("  12,5 "), 1);
  EXPECT_EQ(p.value, 12.5L);
  ASSERT_EQ(p.messages.size(), 1);
  EXPECT_EQ(p.messages[0], notNumber(QStringLiteral("  12,5 ")));
}

TEST(EditToNumber, ClearedFlagSuppressesTheWarning) {
  const Parsed p = parse(QStringLiteral("300K"), 0);
  EXPECT_EQ(p.value, 300);
  EXPECT_EQ(p.flag, 0);
  EXPECT_TRUE(p.messages.isEmpty());
}

TEST(EditToNumber, EmptyFieldGivesZeroWithItsMessageWhateverTheFlag) {
  for (const char* text : {"", "   ", "\t \r\n"}) {
    for (unsigned char flag : {0, 1}) {
      SCOPED_TRACE(std::string(text) + " flag " + std::to_string(flag));
      const Parsed p = parse(QString::fromUtf8(text), flag);
      EXPECT_EQ(p.value, 0);
      EXPECT_EQ(p.flag, 0);
      ASSERT_EQ(p.messages.size(), 1);
      EXPECT_EQ(p.messages[0], kEmpty);
    }
  }
}

TEST(EditToNumber, VeryLongTextsGiveDefinedValues) {
  // Large but representable in an extended real: a clean number.
  const QString big = QStringLiteral("2") + QString(4000, QLatin1Char('0'));
  Parsed p = parse(big, 1);
  EXPECT_EQ(p.flag, 0);
  EXPECT_GT(p.value, 1e3999L);
  EXPECT_LT(p.value, 3e4000L);

  // Beyond the range of an extended real: not a number, value 0.
  const QString huge = QString(6000, QLatin1Char('9'));
  p = parse(huge, 1);
  EXPECT_EQ(p.value, 0);
  EXPECT_EQ(p.flag, 1);
  EXPECT_EQ(p.messages.size(), 1);

  // A long text of letters after a number: the number.
  p = parse(QStringLiteral("350") + QString(100000, QChar(0x0416)), 0);
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
    EXPECT_TRUE(app::standardConversion(QStringLiteral("12.5"), v));
    EXPECT_EQ(v, 12.5L);
    EXPECT_TRUE(app::standardConversion(QStringLiteral(" -0.125e1"), v));
    EXPECT_EQ(v, -1.25L);
    v = -1;
    EXPECT_FALSE(app::standardConversion(QStringLiteral("12,5"), v));
    EXPECT_FALSE(app::standardConversion(QStringLiteral(""), v));
    EXPECT_FALSE(app::standardConversion(QStringLiteral("."), v));
    EXPECT_FALSE(app::standardConversion(QStringLiteral("-"), v));
    EXPECT_FALSE(app::standardConversion(QStringLiteral("1.2.3"), v));
    EXPECT_FALSE(app::standardConversion(QStringLiteral("inf"), v));
    EXPECT_FALSE(app::standardConversion(QStringLiteral("0x10"), v));
    EXPECT_EQ(v, -1);  // a refused text leaves the value alone
  }
  std::setlocale(LC_NUMERIC, keep.c_str());
}

// The library writes its numbers with a point; its messages reach the user
// with the user's separator, and only the decimal points between digits
// change.
TEST(LibraryTexts, RangeMessageShowsTheUsersSeparator) {
  const char keep = app::decimalSeparator();
  app::decimalSeparator() = ',';
  testing_support::recorder().texts.clear();
  Real Pv = 0, Pl = 0;
  const bool ran = app::libraryGuarded([&] { tfs::Psat("He", 2.1L, Pv, Pl); });
  EXPECT_FALSE(ran);
  EXPECT_EQ(testing_support::recorder().texts,
            QStringList{QStringLiteral(" Используемая в программе Psat температура   2,10 ниже тройной точки для "
                                       "данного вещества!")});
  EXPECT_EQ(app::localizedNumbers(QStringLiteral("dhs2_T: -0.5000 MPa. T=1000 K .5")),
            QStringLiteral("dhs2_T: -0,5000 MPa. T=1000 K .5"));
  EXPECT_EQ(app::fmt("%6.2f", 2.1L), QStringLiteral("  2,10"));
  app::decimalSeparator() = keep;
  testing_support::recorder().texts.clear();
}

}  // namespace
