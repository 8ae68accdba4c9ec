#pragma once
// Tables of fields for JSON files: each saved structure lists its fields
// once, in one function that takes a visitor and the structure,
//
//   auto kPoint = Obj{[](auto& v, auto& p) {
//     v("substance", p.substance, Text{...});
//     v("T", p.T, someRange);          // a real and what it may hold
//     v("model", p.model, kModels, 3);  // a field since version 3
//   }};
//
// and the same list writes the structure (Writer), reads and checks it
// (Reader: every field of the version required, nothing unknown, types,
// sizes and ranges, each refusal naming the field by its path) and lists
// every value as exact text (Lister, to compare two structures). A field
// is a key (a name in an object, an index in a tuple), a reference to the
// value and a rule: how it is stored and what it may hold.
//
// Rules: a real or double takes a predicate bool(Real) of its range (Finite
// for any finite value); Int{lo, hi}; Flag for a bool; Text for a string
// (with an optional check of its name); Names for an enum stored by name
// (by its old integer code in files before Names::namedSince); Obj and
// Tuple for a nested structure, as an object or a fixed array of values;
// Each and EachAt for every element of a fixed array; Rows for a list;
// OrNull for a value written as null when it is unset.
//
// Reals are written with all their bits: a JSON number when the nearest
// double is the value itself, otherwise a pair [hi, lo] of doubles whose
// sum in long double is the value, or C's hexadecimal text ("-0x0p+0")
// where no double can hold it (a negative zero, a value beyond the
// double's range).

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

#include "thermo/real.h"
#include "ui/files/workfile.h"

namespace app::fields {

using tfs::Real;

// Sizes a file may hold.
inline constexpr int kMaxRows = 100000;
inline constexpr int kMaxEntry = 1000;

// ---------------------------------------------------------------- values

// A real with all its bits, and C's exact hexadecimal text of it.
QJsonValue exactReal(Real v);
QString hexText(Real v);

struct Refusal {
  WorkError error;
};
[[noreturn]] void refuse(WorkFault fault, const QString& detail);

// A value of the file with the path that names it in messages.
class Field {
 public:
  Field(QJsonValue v, QString path) : v_(std::move(v)), path_(std::move(path)) {}

  const QString& path() const { return path_; }
  bool isNull() const { return v_.isNull(); }
  QJsonObject object() const;
  // An object with these members and no other.
  void members(const std::vector<const char*>& known) const;
  Field at(const char* key) const;
  // An array of n items (any number up to kMaxRows when n < 0).
  int items(int n = -1) const;
  Field item(int i) const;

  Real real() const;
  // A whole number; an integer within [lo, hi].
  double wholeNumber() const;
  int integer(int lo, int hi) const;
  bool boolean() const;
  QString string() const;

  [[noreturn]] void bad() const;
  [[noreturn]] void outside(Real v) const;

 private:
  QString sub(const QString& key) const { return path_.isEmpty() ? key : path_ + u'.' + key; }

  QJsonValue v_;
  QString path_;
};

// What the parsed document would take, within about ten times the text.
bool parsedFitsMemory(const QByteArray& bytes);
// Refuses a key given twice in one object, naming it as fields are named.
void refuseDuplicateKeys(const QByteArray& bytes);

// ---------------------------------------------------------------- rules

// A field's key: a name in an object, an index in a tuple.
struct Key {
  Key(const char* n) : name(n) {}
  Key(int i) : index(i) {}
  const char* name = nullptr;
  int index = -1;
};

struct Finite {
  bool operator()(Real) const { return true; }
};
struct Int {
  int lo, hi;
};
struct Flag {};
// A string; check(field, text) may refuse it.
struct NoCheck {
  void operator()(const Field&, const QString&) const {}
};
template <class C = NoCheck>
struct Text {
  C check{};
};

// The names of an enum's values in files, and the integer each had in
// files before namedSince (kNoCode: none, a value added later).
inline constexpr int kNoCode = -1000;
template <class E>
struct Names {
  struct Name {
    E value;
    const char* name;
    int code = kNoCode;
  };
  std::vector<Name> names;
  int namedSince = 1;

  const char* nameOf(E v) const {
    for (const Name& n : names)
      if (n.value == v) return n.name;
    return nullptr;
  }
};

// A nested structure: fields(visitor, structure). With zeroOk an object
// whose reals are all zero is unset and left unchecked (it holds reals
// only).
template <class F>
struct Obj {
  F fields;
  bool zeroOk = false;
};
// A fixed array of size values, keyed by index.
template <class F>
struct Tuple {
  int size;
  F fields;
};
// Every element of a fixed array (a C array, std::array, or an array of
// pointers to values) by one rule, or by rule(index).
template <class R>
struct Each {
  R rule;
};
template <class F>
struct EachAt {
  F rule;
};
// A list of any length up to kMaxRows; more than cap is out of range.
template <class R>
struct Rows {
  R rule;
  int cap = 0;
};
// Null when unset(value).
template <class R, class P>
struct OrNull {
  R rule;
  P unset;
};

// An array of pointers to separate values saved as one array.
template <class T, class... U>
std::array<T*, 1 + sizeof...(U)> refs(T& a, U&... b) {
  return {&a, &b...};
}

namespace detail {
template <class T>
auto& deref(T& v) {
  if constexpr (std::is_pointer_v<std::remove_cvref_t<T>>)
    return *v;
  else
    return v;
}
template <class R>
concept RealRule = std::is_invocable_r_v<bool, R, Real>;
}  // namespace detail

// ---------------------------------------------------------------- visitors

// The keys of an object in a version.
class KeyList {
 public:
  explicit KeyList(int version) : version_(version) {}
  template <class T, class R>
  void operator()(Key k, T&&, const R&, int since = 1) {
    if (k.name && since <= version_) names.push_back(k.name);
  }
  template <class S, class F>
  void apply(S&, F&&) {}
  std::vector<const char*> names;

 private:
  int version_;
};

class Writer {
 public:
  template <class T, class R>
  void operator()(Key k, T&& x, const R& r, int = 1) {
    const QJsonValue v = value(x, r);
    if (k.name)
      object[QLatin1String(k.name)] = v;
    else
      array.append(v);
  }
  template <class S, class F>
  void apply(S&, F&&) {}

  QJsonObject object;
  QJsonArray array;

 private:
  template <detail::RealRule R>
  static QJsonValue value(Real x, const R&) {
    return exactReal(x);
  }
  template <detail::RealRule R>
  static QJsonValue value(double x, const R&) {
    return exactReal(x);
  }
  static QJsonValue value(int x, const Int&) { return x; }
  static QJsonValue value(bool x, Flag) { return x; }
  template <class C>
  static QJsonValue value(const std::string& x, const Text<C>&) {
    return QString::fromStdString(x);
  }
  template <class E>
  static QJsonValue value(const E& x, const Names<E>& r) {
    const char* n = r.nameOf(x);
    return n ? QJsonValue(QLatin1String(n)) : QJsonValue();
  }
  template <class S, class F>
  static QJsonValue value(const S& x, const Obj<F>& r) {
    Writer w;
    r.fields(w, x);
    return w.object;
  }
  template <class S, class F>
  static QJsonValue value(const S& x, const Tuple<F>& r) {
    Writer w;
    r.fields(w, x);
    return w.array;
  }
  template <class A, class R>
  static QJsonValue value(const A& x, const Each<R>& r) {
    QJsonArray a;
    for (const auto& e : x) a.append(value(detail::deref(e), r.rule));
    return a;
  }
  template <class A, class F>
  static QJsonValue value(const A& x, const EachAt<F>& r) {
    QJsonArray a;
    for (int i = 0; i < int(std::size(x)); ++i) a.append(value(detail::deref(x[i]), r.rule(i)));
    return a;
  }
  template <class T, class R>
  static QJsonValue value(const std::vector<T>& x, const Rows<R>& r) {
    QJsonArray a;
    for (const T& e : x) a.append(value(e, r.rule));
    return a;
  }
  template <class S, class R, class P>
  static QJsonValue value(const S& x, const OrNull<R, P>& r) {
    return r.unset(x) ? QJsonValue() : value(x, r.rule);
  }
};

class Reader {
 public:
  Reader(Field f, int version, bool loose = false) : f_(std::move(f)), version_(version), loose_(loose) {}

  template <class T, class R>
  void operator()(Key k, T&& x, const R& r, int since = 1) {
    if (since <= version_) read(k.name ? f_.at(k.name) : f_.item(k.index), x, r);
  }
  // After the fields read so far: what follows from them.
  template <class S, class F>
  void apply(S& x, F&& f) {
    f(x);
  }

  // An object's fields, checked first for members unknown in the version.
  template <class S, class F>
  static void object(const Field& f, int version, S& x, const F& fields, std::initializer_list<const char*> more = {}) {
    KeyList keys(version);
    fields(keys, x);
    keys.names.insert(keys.names.end(), more);
    f.members(keys.names);
    Reader r(f, version);
    fields(r, x);
  }

 private:
  template <detail::RealRule R>
  void read(const Field& f, Real& x, const R& r) {
    x = f.real();
    allZero_ = allZero_ && x == 0;
    if (!loose_ && !r(x)) f.outside(x);
  }
  // A double written as a real: exactly a double.
  template <detail::RealRule R>
  void read(const Field& f, double& x, const R& r) {
    const Real v = f.real();
    if (Real(double(v)) != v) f.bad();
    x = double(v);
    if (!loose_ && !r(v)) f.outside(v);
  }
  void read(const Field& f, int& x, const Int& r) { x = f.integer(r.lo, r.hi); }
  void read(const Field& f, bool& x, Flag) { x = f.boolean(); }
  template <class C>
  void read(const Field& f, std::string& x, const Text<C>& r) {
    const QString s = f.string();
    r.check(f, s);
    x = s.toStdString();
  }
  template <class E>
  void read(const Field& f, E& x, const Names<E>& r) {
    if (version_ < r.namedSince) {
      const double code = f.wholeNumber();
      for (const auto& n : r.names)
        if (n.code != kNoCode && n.code == code) {
          x = n.value;
          return;
        }
      f.outside(code);
    }
    const QString s = f.string();
    for (const auto& n : r.names)
      if (s == QLatin1String(n.name)) {
        x = n.value;
        return;
      }
    f.bad();
  }
  template <class S, class F>
  void read(const Field& f, S& x, const Obj<F>& r) {
    if (r.zeroOk) {
      // Read without the ranges first: all zero is unset.
      KeyList keys(version_);
      r.fields(keys, x);
      f.members(keys.names);
      Reader loose(f, version_, true);
      r.fields(loose, x);
      if (loose.allZero_) return;
    }
    object(f, version_, x, r.fields);
  }
  template <class S, class F>
  void read(const Field& f, S& x, const Tuple<F>& r) {
    f.items(r.size);
    Reader t(f, version_, loose_);
    r.fields(t, x);
  }
  template <class A, class R>
  void read(const Field& f, A& x, const Each<R>& r) {
    f.items(int(std::size(x)));
    for (int i = 0; i < int(std::size(x)); ++i) read(f.item(i), detail::deref(x[i]), r.rule);
  }
  template <class A, class F>
  void read(const Field& f, A& x, const EachAt<F>& r) {
    f.items(int(std::size(x)));
    for (int i = 0; i < int(std::size(x)); ++i) read(f.item(i), detail::deref(x[i]), r.rule(i));
  }
  template <class T, class R>
  void read(const Field& f, std::vector<T>& x, const Rows<R>& r) {
    const int n = f.items();
    if (r.cap > 0 && n > r.cap) f.outside(n);
    x.resize(std::size_t(n));
    for (int i = 0; i < n; ++i) read(f.item(i), x[std::size_t(i)], r.rule);
  }
  template <class S, class R, class P>
  void read(const Field& f, S& x, const OrNull<R, P>& r) {
    if (!f.isNull()) read(f, x, r.rule);
  }

  Field f_;
  int version_;
  bool loose_;
  bool allZero_ = true;
};

// Every value as "path = text", reals in their exact hexadecimal text.
class Lister {
 public:
  Lister(QString path, QStringList& out) : path_(std::move(path)), out_(out) {}

  template <class T, class R>
  void operator()(Key k, T&& x, const R& r, int = 1) {
    list(k.name ? (path_.isEmpty() ? QLatin1String(k.name) : path_ + u'.' + QLatin1String(k.name))
                : QStringLiteral("%1[%2]").arg(path_).arg(k.index),
         x, r);
  }
  template <class S, class F>
  void apply(S&, F&&) {}

 private:
  void put(const QString& path, const QString& text) { out_.append(path + QStringLiteral(" = ") + text); }
  template <detail::RealRule R>
  void list(const QString& p, Real x, const R&) {
    put(p, hexText(x));
  }
  template <detail::RealRule R>
  void list(const QString& p, double x, const R&) {
    put(p, hexText(x));
  }
  void list(const QString& p, int x, const Int&) { put(p, QString::number(x)); }
  void list(const QString& p, bool x, Flag) { put(p, x ? QStringLiteral("true") : QStringLiteral("false")); }
  template <class C>
  void list(const QString& p, const std::string& x, const Text<C>&) {
    put(p, u'"' + QString::fromStdString(x) + u'"');
  }
  template <class E>
  void list(const QString& p, const E& x, const Names<E>& r) {
    const char* n = r.nameOf(x);
    put(p, n ? QLatin1String(n) : QStringLiteral("(no name: %1)").arg(int(x)));
  }
  template <class S, class F>
  void list(const QString& p, const S& x, const Obj<F>& r) {
    Lister l(p, out_);
    r.fields(l, x);
  }
  template <class S, class F>
  void list(const QString& p, const S& x, const Tuple<F>& r) {
    Lister l(p, out_);
    r.fields(l, x);
  }
  template <class A, class R>
  void list(const QString& p, const A& x, const Each<R>& r) {
    for (int i = 0; i < int(std::size(x)); ++i) list(QStringLiteral("%1[%2]").arg(p).arg(i), detail::deref(x[i]), r.rule);
  }
  template <class A, class F>
  void list(const QString& p, const A& x, const EachAt<F>& r) {
    for (int i = 0; i < int(std::size(x)); ++i)
      list(QStringLiteral("%1[%2]").arg(p).arg(i), detail::deref(x[i]), r.rule(i));
  }
  template <class T, class R>
  void list(const QString& p, const std::vector<T>& x, const Rows<R>& r) {
    put(p, QStringLiteral("%1 rows").arg(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i) list(QStringLiteral("%1[%2]").arg(p).arg(i), x[i], r.rule);
  }
  template <class S, class R, class P>
  void list(const QString& p, const S& x, const OrNull<R, P>& r) {
    if (r.unset(x))
      put(p, QStringLiteral("null"));
    else
      list(p, x, r.rule);
  }

  QString path_;
  QStringList& out_;
};

}  // namespace app::fields
