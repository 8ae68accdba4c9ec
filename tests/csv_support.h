#pragma once
// A reader of delimited text for the tests of the tables taken out of the
// program (clipboard text and CSV files). Plain C++.

#include <string>
#include <vector>

#include "core/base/tabletext.h"

namespace testing_support {

// A reader of delimited text as a spreadsheet reads it: quoted fields may
// hold the separator, line breaks and doubled quotes.
inline app::TextTable parse(const std::string& text, char sep) {
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

}  // namespace testing_support
