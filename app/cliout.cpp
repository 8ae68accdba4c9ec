#include "app/cliout.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/numparse.h"

namespace app {

void printErr(const QString& text) {
  const QByteArray b = (QStringLiteral("entrograf: ") + text + u'\n').toUtf8();
  std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
  std::fflush(stderr);
}

void StderrMessages::show(const QString& text) {
  if (seen_.contains(text)) return;
  seen_ << text;
  printErr(QString(text).replace(u'\r', u'\n'));
}

bool readCliNumber(const QString& text, tfs::Real& value) {
  QString t = text.trimmed();
  t.replace(u',', u'.');
  tfs::Real v = 0;
  if (t.isEmpty() || !standardConversion(t.toStdString(), v) || !std::isfinite(double(v))) return false;
  value = v;
  return true;
}

std::string jsonNumber(tfs::Real v) {
  const double d = double(v) == 0 ? 0.0 : double(v);
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, r.ptr);
}

std::string jsonQuoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
      out += buf;
    } else {
      out += c;
    }
  }
  return out + '"';
}

}  // namespace app
