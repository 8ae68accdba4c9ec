// Table text for the clipboard and CSV files: cells that would split are
// quoted and read back whole.

#include <gtest/gtest.h>

#include "core/base/numfmt.h"
#include "core/base/tabletext.h"
#include "csv_support.h"

namespace {

using testing_support::parse;

TEST(TableText, CellsThatWouldSplitAreQuotedAndReadBack) {
  const app::TextTable rows = {{"a", "1,5", "x;y"}, {"say \"hi\"", "", "two\nlines"}, {"tab\there", "cr\rend", "Азот"}};
  for (char sep : {',', ';', '\t'}) EXPECT_EQ(parse(app::tableText(rows, sep), sep), rows) << int(sep);
  // Plain cells stay as they are.
  EXPECT_EQ(app::tableText({{"1.5", "N2"}, {"x"}}, '\t'), "1.5\tN2\nx\n");
  EXPECT_EQ(app::tableText({{"1,5", "a\"b"}}, ';'), "1,5;\"a\"\"b\"\n");
  EXPECT_EQ(app::tableText({}, ','), "");
  // The separator suits the numbers: a comma only where they have points.
  EXPECT_EQ(app::csvSeparator(), app::decimalSeparator() == ',' ? ';' : ',');
  EXPECT_EQ(app::csvBytes({{"N2"}}).substr(0, 3), "\xEF\xBB\xBF");
}

TEST(TableText, TrimmingDropsEmptyTailsAndPadding) {
  app::TextTable t = {{"  N", " T, K", "", ""}, {"1", " 77,35", "", ""}, {"", "", "", ""}};
  for (auto& r : t)
    for (auto& c : r) c = app::cellText(c);
  app::trimTable(t);
  EXPECT_EQ(t, (app::TextTable{{"N", "T, K"}, {"1", "77,35"}}));
}

}  // namespace
