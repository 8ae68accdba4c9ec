#include "core/base/numfmt.h"

#include <cmath>

#include "thermo/report.h"

namespace app {

namespace {

char g_separator = '.';

bool digit(char c) { return c >= '0' && c <= '9'; }

// The length of the pattern after its conversion (%[-0][w][.p]f or d).
std::size_t tailLength(std::string_view pattern) {
  std::size_t i = pattern.find('%');
  if (i == std::string_view::npos) return 0;
  ++i;
  while (i < pattern.size() && (pattern[i] == '-' || pattern[i] == '0' || digit(pattern[i]) || pattern[i] == '.')) ++i;
  return i < pattern.size() ? pattern.size() - i - 1 : 0;
}

}  // namespace

int nint(Real value) { return int(std::nearbyint(value)); }

void setDecimalSeparator(char sep) { g_separator = sep; }
char decimalSeparator() { return g_separator; }

std::string format(std::string_view pattern, Real value) {
  std::string out = tfs::formatNumber(pattern, value);
  if (g_separator == '.') return out;
  const std::size_t from = pattern.find('%');
  if (from == std::string_view::npos) return out;
  const std::size_t to = out.size() - tailLength(pattern);
  for (std::size_t i = from; i < to; ++i)
    if (out[i] == '.') out[i] = g_separator;
  return out;
}

std::string localized(std::string_view text) {
  std::string out(text);
  if (g_separator == '.') return out;
  for (std::size_t i = 1; i + 1 < out.size(); ++i)
    if (out[i] == '.' && digit(out[i - 1]) && digit(out[i + 1])) out[i] = g_separator;
  return out;
}

}  // namespace app
