#include "app/commode.h"

#include <QLocale>
#include <charconv>
#include <string>

#include "app/messages.h"
#include "thermo/report.h"

namespace app {

char& decimalSeparator() {
  static char sep = '.';
  return sep;
}

QString fmt(const char* pattern, Real value) {
  return QString::fromStdString(tfs::formatNumber(pattern, value, decimalSeparator()));
}

void adoptLocaleSeparator() {
  const QString dp = QLocale::system().decimalPoint();
  decimalSeparator() = dp.size() == 1 && dp[0].unicode() < 128 ? char(dp[0].unicode()) : '.';
}

QString localizedNumbers(const QString& text) {
  QString out = text;
  for (qsizetype i = 1; i + 1 < out.size(); ++i)
    if (out[i] == u'.' && out[i - 1].isDigit() && out[i + 1].isDigit()) out[i] = QChar(decimalSeparator());
  return out;
}

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads the longest number at the start of text: [blanks][sign]digits[.digits][e[sign]digits]
// with a point as the only separator. Whatever the C locale says, a comma is
// no part of a number here. Returns the number of characters used (0: no
// number); value is 0 when the digits are out of the range of a Real.
qsizetype readNumber(const QString& text, Real& value) {
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n && text[i] == u' ') ++i;
  std::string ascii;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') ascii += '-';
    ++i;
  }
  qsizetype digits = 0;
  while (i < n && isDigit(text[i].unicode())) {
    ascii += char(text[i].unicode());
    ++i;
    ++digits;
  }
  if (i < n && text[i] == u'.') {
    qsizetype j = i + 1;
    std::string frac;
    while (j < n && isDigit(text[j].unicode())) frac += char(text[j++].unicode());
    if (digits > 0 || !frac.empty()) {
      if (digits == 0) ascii += '0';
      if (!frac.empty()) ascii += '.' + frac;
      digits += qsizetype(frac.size());
      i = j;
    }
  }
  if (digits == 0) {
    value = 0;
    return 0;
  }
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    qsizetype j = i + 1;
    std::string exp = "e";
    if (j < n && (text[j] == u'+' || text[j] == u'-')) exp += char(text[j++].unicode());
    const qsizetype expStart = j;
    while (j < n && isDigit(text[j].unicode())) exp += char(text[j++].unicode());
    if (j > expStart) {
      ascii += exp;
      i = j;
    }
  }
  Real v = 0;
  const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v, std::chars_format::general);
  value = res.ec == std::errc() ? v : 0;
  return res.ec == std::errc() ? i : -i;  // negative: the number is out of range
}

bool isTrimmed(QChar c) { return c.unicode() <= u' ' || c.isSpace(); }

QString trimmed(const QString& text) {
  qsizetype b = 0, e = text.size();
  while (b < e && isTrimmed(text[b])) ++b;
  while (e > b && isTrimmed(text[e - 1])) --e;
  return text.mid(b, e - b);
}

}  // namespace

bool standardConversion(const QString& text, Real& value) {
  Real v = 0;
  qsizetype used = readNumber(text, v);
  if (used <= 0) return false;
  while (used < text.size() && text[used] == u' ') ++used;
  if (used != text.size()) return false;
  value = v;
  return true;
}

void EditToNumber(const QString& text, Real& value, unsigned char& flag) {
  const QString t = trimmed(text);
  if (standardConversion(t, value)) {
    flag = 0;
    return;
  }
  if (t.isEmpty()) {
    messages().show(QStringLiteral("В окно ничего не введено\rБудет принято нулевое значение!"));
    value = 0;
    flag = 0;
    return;
  }
  // Keep what can belong to a number: digits, a point (a comma becomes one),
  // a leading minus. A blank or a letter after the first character ends it.
  QString c;
  for (qsizetype pos = 0; pos < t.size(); ++pos) {
    const char16_t ch = t[pos].unicode();
    if (ch == u'.' || isDigit(ch)) {
      c += QChar(ch);
    } else if (ch == u',') {
      c += u'.';
    } else if (ch == u'-' && pos == 0) {
      c += u'-';
    } else if (pos > 0 && (ch == u' ' || ch > u'9')) {
      break;
    }
  }
  readNumber(c, value);  // the partial result, e.g. 1.2 from "1.2.3"
  if (flag != 0) {
    messages().show(QStringLiteral("\" ") + text +
                    QStringLiteral("\" в окне не является числом \rОно содержит символы или буквы!"));
    flag = 1;
  }
}

}  // namespace app
