// Table text for the clipboard and CSV files: cells that would split are
// quoted and read back whole.

#include <gtest/gtest.h>

#include "core/base/numfmt.h"
#include "core/base/tabletext.h"

namespace {

// A reader of delimited text as a spreadsheet reads it: quoted fields may
// hold the separator, line breaks and doubled quotes.
app::TextTable parse(const std::string& text, char sep) {
  app::TextTable rows;
  std::vector<std::string> row;
  std::string cell;
  bool quoted = false, any = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"') {
      quoted = true;
      any = true;
    } else if (c == sep) {
      row.push_back(cell);
      cell.clear();
      any = true;
    } else if (c == '\n') {
      row.push_back(cell);
      rows.push_back(row);
      row.clear();
      cell.clear();
      any = false;
    } else {
      cell += c;
      any = true;
    }
  }
  if (any) {
    row.push_back(cell);
    rows.push_back(row);
  }
  return rows;
}

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
