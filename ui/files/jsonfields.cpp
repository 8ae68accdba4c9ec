#include "ui/files/jsonfields.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "thermo/json.h"

namespace app::fields {

// "0x1.8p+3", "-0x0p+0": C's hexadecimal form, exact for every long double.
QString hexText(Real v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::hex);
  return QLatin1String(std::signbit(v) ? "-0x" : "0x") + QLatin1String(buf, int(r.ptr - buf));
}

QJsonValue exactReal(Real v) {
  // v - hi is exact: it holds the 11 bits of v below the double's last one,
  // unless v lies beyond the double's range.
  const double hi = double(v);
  const double lo = std::isfinite(hi) ? double(v - Real(hi)) : 0;
  if (!std::isfinite(hi) || Real(hi) + Real(lo) != v || (v == 0 && std::signbit(v))) return hexText(v);
  if (lo == 0) return hi;
  return QJsonArray{hi, lo};
}

[[noreturn]] void refuse(WorkFault fault, const QString& detail) { throw Refusal{{fault, detail}}; }

namespace {
QString number(Real v) { return QString::number(double(v), 'g', 10); }
}  // namespace

QJsonObject Field::object() const {
  if (!v_.isObject()) refuse(WorkFault::Damaged, QCoreApplication::translate("WorkFile", "поле %1 не объект").arg(path_));
  return v_.toObject();
}

void Field::members(const std::vector<const char*>& known) const {
  for (const QString& key : object().keys())
    if (std::none_of(known.begin(), known.end(), [&](const char* k) { return key == QLatin1String(k); }))
      refuse(WorkFault::Damaged, path_.isEmpty()
                                     ? QCoreApplication::translate("WorkFile", "неизвестный раздел %1").arg(key)
                                     : QCoreApplication::translate("WorkFile", "неизвестное поле %1").arg(sub(key)));
}

Field Field::at(const char* key) const {
  const QJsonObject o = object();
  const QString k = QLatin1String(key);
  if (!o.contains(k))
    refuse(WorkFault::Damaged, path_.isEmpty() ? QCoreApplication::translate("WorkFile", "нет раздела %1").arg(k)
                                               : QCoreApplication::translate("WorkFile", "нет поля %1").arg(sub(k)));
  return {o.value(k), sub(k)};
}

int Field::items(int n) const {
  if (!v_.isArray()) refuse(WorkFault::Damaged, QCoreApplication::translate("WorkFile", "поле %1 не список").arg(path_));
  const int size = int(v_.toArray().size());
  if (n >= 0 && size != n)
    refuse(WorkFault::Damaged,
           QCoreApplication::translate("WorkFile", "в списке %1 %2 значений вместо %3").arg(path_).arg(size).arg(n));
  if (size > kMaxRows)
    refuse(WorkFault::OutOfRange,
           QCoreApplication::translate("WorkFile", "в списке %1 больше %2 строк").arg(path_).arg(kMaxRows));
  return size;
}

Field Field::item(int i) const { return {v_.toArray().at(i), QStringLiteral("%1[%2]").arg(path_).arg(i)}; }

Real Field::real() const {
  Real v = 0;
  if (v_.isDouble()) {
    v = v_.toDouble();
  } else if (v_.isArray() && v_.toArray().size() == 2 && v_.toArray().at(0).isDouble() &&
             v_.toArray().at(1).isDouble()) {
    const double hi = v_.toArray().at(0).toDouble(), lo = v_.toArray().at(1).toDouble();
    v = Real(hi) + Real(lo);
    // A sound pair: the low part below the high part's last bit.
    if (std::fabs(lo) > std::fabs(hi) * 0x1p-52) bad();
  } else if (v_.isString()) {
    const QByteArray t = v_.toString().toLatin1();
    const bool minus = t.startsWith('-');
    if (!t.mid(minus ? 1 : 0).startsWith("0x")) bad();
    const char* from = t.constData() + (minus ? 3 : 2);
    const auto r = std::from_chars(from, t.constData() + t.size(), v, std::chars_format::hex);
    if (r.ec != std::errc() || r.ptr != t.constData() + t.size() || *from == '-') bad();
    if (minus) v = -v;
  } else {
    bad();
  }
  if (!std::isfinite(v)) bad();
  return v;
}

double Field::wholeNumber() const {
  const double d = v_.toDouble(-1e300);
  if (!v_.isDouble() || d != std::floor(d)) bad();
  return d;
}

int Field::integer(int lo, int hi) const {
  const double d = wholeNumber();
  if (d < lo || d > hi) outside(d);
  return int(d);
}

bool Field::boolean() const {
  if (!v_.isBool()) bad();
  return v_.toBool();
}

QString Field::string() const {
  if (!v_.isString()) bad();
  const QString s = v_.toString();
  if (s.size() > kMaxEntry) outside(s.size());
  return s;
}

void Field::bad() const { refuse(WorkFault::Damaged, QCoreApplication::translate("WorkFile", "неверное значение %1").arg(path_)); }

void Field::outside(Real v) const { refuse(WorkFault::OutOfRange, QStringLiteral("%1 = %2").arg(path_, number(v))); }

// What the parsed document would take, counted on the text before it is
// parsed: about 24 bytes a value and 256 a container in Qt's JSON (as
// measured). A work file written without spaces takes about seven times
// its text; a file of tiny containers ("[0],[0],..." 44 times) is refused
// before it is built, so that a read never takes more than about ten times
// the file.
bool parsedFitsMemory(const QByteArray& b) {
  qint64 values = 0, containers = 0;
  bool inString = false;
  for (qsizetype i = 0; i < b.size(); ++i) {
    const char c = b[i];
    if (inString) {
      if (c == '\\') ++i;
      else if (c == '"') inString = false;
      continue;
    }
    if (c == '"') inString = true;
    else if (c == '{' || c == '[') ++containers;
    else if (c == ',' || c == ':') ++values;
  }
  return 24 * values + 256 * containers <= 10 * qint64(b.size()) + (qint64(16) << 20);
}

// The most members an object of a work file may have (a process window's
// state has 21).
constexpr std::size_t kMaxMembers = 64;

// The place of the closing quote of the JSON string whose opening quote is
// at i.
qsizetype stringEnd(const QByteArray& b, qsizetype i) {
  for (++i; i < b.size() && b[i] != '"'; ++i)
    if (b[i] == '\\') ++i;
  return i;
}

// A key's text from its opening quote at i, read as the library reads its
// data files; i ends past its closing quote. The JSON was parsed before,
// but Qt takes a few keys the library's reader refuses (a control
// character, half a surrogate pair): no field is named so, and such a key
// stands as written.
std::string jsonKey(const QByteArray& b, qsizetype& i) {
  const qsizetype end = std::min(stringEnd(b, i), b.size() - 1);
  const std::string_view quoted(b.constData() + i, std::size_t(end + 1 - i));
  i = end + 1;
  try {
    return tfs::json::parse(quoted).string();
  } catch (const tfs::json::JsonError&) {
    return std::string(quoted.substr(1, quoted.size() - 2));
  }
}

// A JSON object keeps the last of two equal keys: a work file holding a key
// twice is refused, naming it as the messages name fields, before anything
// is read from it (a second "count" would silently win). Run on text that
// parsed as JSON.
void refuseDuplicateKeys(const QByteArray& b) {
  struct Frame {
    bool object = false;
    bool expectKey = false;
    int index = 0;
    QString path;
    std::vector<std::string> keys;
    std::string key;  // the member being read
  };
  // Reused by depth: their key lists keep their room.
  std::vector<Frame> frames;
  std::size_t depth = 0;
  for (qsizetype i = 0; i < b.size();) {
    const char c = b[i];
    Frame* top = depth ? &frames[depth - 1] : nullptr;
    if (c == '"') {
      if (top && top->object && top->expectKey) {
        std::string key = jsonKey(b, i);
        const QString name = QString::fromStdString(key);
        const QString path = top->path.isEmpty() ? name : top->path + u'.' + name;
        if (std::find(top->keys.begin(), top->keys.end(), key) != top->keys.end())
          refuse(WorkFault::Damaged, top->path.isEmpty()
                                         ? QCoreApplication::translate("WorkFile", "раздел %1 повторяется").arg(path)
                                         : QCoreApplication::translate("WorkFile", "поле %1 повторяется").arg(path));
        if (top->keys.size() == kMaxMembers)
          refuse(WorkFault::Damaged, QCoreApplication::translate("WorkFile", "неизвестное поле %1").arg(path));
        top->keys.push_back(key);
        top->key = std::move(key);
        top->expectKey = false;
      } else {
        i = stringEnd(b, i) + 1;
      }
      continue;
    }
    if (c == '{' || c == '[') {
      QString path;
      if (top) {
        path = !top->object                 ? QStringLiteral("%1[%2]").arg(top->path).arg(top->index)
               : top->path.isEmpty() ? QString::fromStdString(top->key)
                                     : top->path + u'.' + QString::fromStdString(top->key);
      }
      if (frames.size() == depth) frames.emplace_back();
      Frame& f = frames[depth++];
      f.object = c == '{';
      f.expectKey = f.object;
      f.index = 0;
      f.path = path;
      f.keys.clear();
    } else if ((c == '}' || c == ']') && depth) {
      --depth;
    } else if (c == ',' && top) {
      ++top->index;
      top->expectKey = top->object;
    }
    ++i;
  }
}

}  // namespace app::fields
