#include "core/base/tabletext.h"

#include "core/base/numfmt.h"

namespace app {

namespace {

std::string quoted(const std::string& cell, char sep) {
  if (cell.find_first_of(std::string{sep, '"', '\n', '\r'}) == std::string::npos) return cell;
  std::string q = "\"";
  for (char c : cell) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

std::string tableText(const TextTable& rows, char sep) {
  std::string out;
  for (const auto& r : rows) {
    for (std::size_t c = 0; c < r.size(); ++c) {
      if (c > 0) out += sep;
      out += quoted(r[c], sep);
    }
    out += '\n';
  }
  return out;
}

void trimTable(TextTable& rows) {
  auto empty = [](const std::vector<std::string>& r) {
    for (const auto& c : r)
      if (!c.empty()) return false;
    return true;
  };
  while (!rows.empty() && empty(rows.back())) rows.pop_back();
  std::size_t width = 0;
  for (const auto& r : rows)
    for (std::size_t c = r.size(); c > width; --c)
      if (!r[c - 1].empty()) {
        width = c;
        break;
      }
  for (auto& r : rows)
    if (r.size() > width) r.resize(width);
}

std::string cellText(const std::string& shown) {
  std::size_t b = 0, e = shown.size();
  while (b < e && blank(shown[b])) ++b;
  while (e > b && blank(shown[e - 1])) --e;
  return shown.substr(b, e - b);
}

char csvSeparator() { return decimalSeparator() == ',' ? ';' : ','; }

std::string csvBytes(const TextTable& rows) { return "\xEF\xBB\xBF" + tableText(rows, csvSeparator()); }

}  // namespace app
