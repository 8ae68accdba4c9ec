#include "core/base/numparse.h"

#include <algorithm>
#include <charconv>

#include "core/base/numfmt.h"
#include "core/base/tr.h"

namespace app {

namespace {

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// UTF-8 to code points; a broken sequence gives U+FFFD.
std::u32string decode(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    if (len == 0 || i + len > s.size()) {
      out += U'\uFFFD';
      ++i;
      continue;
    }
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out += cp;
    i += len;
  }
  return out;
}

std::string encode(std::u32string_view s) {
  std::string out;
  for (char32_t c : s) {
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | (c >> 18));
      out += char(0x80 | ((c >> 12) & 0x3F));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

bool isBlank(char32_t c) {
  return c <= U' ' || c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u32string_view trim(std::u32string_view t) {
  std::size_t b = 0, e = t.size();
  while (b < e && isBlank(t[b])) ++b;
  while (e > b && isBlank(t[e - 1])) --e;
  return t.substr(b, e - b);
}

// Reads the longest number at the start of text: [blanks][sign]digits[.digits][e[sign]digits]
// with a point as the only separator. Returns the number of characters used
// (0: no number; negative: the number is out of the range of a Real, value 0).
std::ptrdiff_t readNumber(std::u32string_view text, Real& value) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n && text[i] == U' ') ++i;
  std::string ascii;
  if (i < n && (text[i] == U'+' || text[i] == U'-')) {
    if (text[i] == U'-') ascii += '-';
    ++i;
  }
  std::size_t digits = 0;
  while (i < n && isDigit(text[i])) {
    ascii += char(text[i]);
    ++i;
    ++digits;
  }
  if (i < n && text[i] == U'.') {
    std::size_t j = i + 1;
    std::string frac;
    while (j < n && isDigit(text[j])) frac += char(text[j++]);
    if (digits > 0 || !frac.empty()) {
      if (digits == 0) ascii += '0';
      if (!frac.empty()) ascii += '.' + frac;
      digits += frac.size();
      i = j;
    }
  }
  if (digits == 0) {
    value = 0;
    return 0;
  }
  if (i < n && (text[i] == U'e' || text[i] == U'E')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < n && (text[j] == U'+' || text[j] == U'-')) exp += char(text[j++]);
    const std::size_t expStart = j;
    while (j < n && isDigit(text[j])) exp += char(text[j++]);
    if (j > expStart) {
      ascii += exp;
      i = j;
    }
  }
  Real v = 0;
  const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v, std::chars_format::general);
  value = res.ec == std::errc() ? v : 0;
  return res.ec == std::errc() ? std::ptrdiff_t(i) : -std::ptrdiff_t(i);
}

bool standardConversion32(std::u32string_view text, Real& value) {
  Real v = 0;
  std::ptrdiff_t used = readNumber(text, v);
  if (used <= 0) return false;
  while (std::size_t(used) < text.size() && text[used] == U' ') ++used;
  if (std::size_t(used) != text.size()) return false;
  value = v;
  return true;
}

}  // namespace

std::string trimmedText(std::string_view text) {
  const std::u32string t = decode(text);
  return encode(trim(t));
}

bool standardConversion(std::string_view text, Real& value) { return standardConversion32(decode(text), value); }

namespace {

// The trimmed text with a lone comma as the decimal point; false when it is
// no clean number.
bool cleanForm(std::string_view text, std::u32string& form) {
  const std::u32string all = decode(text);
  form = std::u32string(trim(all));
  const auto commas = std::count(form.begin(), form.end(), U',');
  const auto points = std::count(form.begin(), form.end(), U'.');
  if (commas + points > 1) return false;
  std::replace(form.begin(), form.end(), U',', U'.');
  Real v = 0;
  return standardConversion32(form, v);
}

}  // namespace

bool cleanNumber(std::string_view text, Real& value) {
  std::u32string form;
  if (!cleanForm(text, form)) return false;
  return standardConversion32(form, value);
}

std::string withShownSeparator(std::string_view text) {
  std::u32string form;
  if (!cleanForm(text, form)) return std::string(text);
  std::u32string shown = decode(text);
  for (char32_t& c : shown)
    if (c == U'.' || c == U',') c = char32_t(decimalSeparator());
  return encode(shown);
}

void EditToNumber(std::string_view text, Real& value, unsigned char& flag, const Notify& notify) {
  const std::u32string all = decode(text);
  const std::u32string_view t = trim(all);
  if (standardConversion32(t, value)) {
    flag = 0;
    return;
  }
  if (t.empty()) {
    if (notify) notify(translate("Input", "В окно ничего не введено\rБудет принято нулевое значение!"));
    value = 0;
    flag = 0;
    return;
  }
  // Keep what can belong to a number: digits, a point (a comma becomes one),
  // a leading minus. A blank or a letter after the first character ends it.
  std::u32string c;
  for (std::size_t pos = 0; pos < t.size(); ++pos) {
    const char32_t ch = t[pos];
    if (ch == U'.' || isDigit(ch)) {
      c += ch;
    } else if (ch == U',') {
      c += U'.';
    } else if (ch == U'-' && pos == 0) {
      c += U'-';
    } else if (pos > 0 && (ch == U' ' || ch > U'9')) {
      break;
    }
  }
  readNumber(c, value);  // the partial result, e.g. 1.2 from "1.2.3"
  if (flag != 0) {
    if (notify)
      notify(withArgs(translate("Input", "\" %1\" в окне не является числом \rОно содержит символы или буквы!"),
                      {std::string(text)}));
    flag = 1;
  }
}

}  // namespace app
