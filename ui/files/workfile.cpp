#include "ui/files/workfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/base/libguard.h"
#include "core/lines/linegen.h"
#include "core/process/cycles.h"
#include "core/process/device.h"
#include "core/process/ranges.h"
#include "core/session/substance.h"
#include "thermo/limits.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"
#include "ui/services/wholefile.h"

namespace app {

namespace {

using proc::kParamCount;

const char* const kScales[] = {"log", "lin"};
const char* const kUnitNames[] = {"specific", "molar"};
const char* const kRefusals[] = {"none", "start", "end"};
const char* const kStateKeys[] = {"T", "P", "d", "i", "s", "x"};

// Sizes a work file may hold.
constexpr int kMaxRows = 100000;
constexpr int kMaxEntry = 1000;
constexpr int kMaxNumber = 1000000;

// ---------------------------------------------------------------- writing

// "0x1.8p+3", "-0x0p+0": C's hexadecimal form, exact for every long double.
QString hexText(Real v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::hex);
  return QLatin1String(std::signbit(v) ? "-0x" : "0x") + QLatin1String(buf, int(r.ptr - buf));
}

// A real with all its bits (see workfile.h).
QJsonValue real(Real v) {
  // v - hi is exact: it holds the 11 bits of v below the double's last one,
  // unless v lies beyond the double's range.
  const double hi = double(v);
  const double lo = std::isfinite(hi) ? double(v - Real(hi)) : 0;
  if (!std::isfinite(hi) || Real(hi) + Real(lo) != v || (v == 0 && std::signbit(v))) return hexText(v);
  if (lo == 0) return hi;
  return QJsonArray{hi, lo};
}

QJsonArray reals(const Real* v, int n) {
  QJsonArray a;
  for (int i = 0; i < n; ++i) a.append(real(v[i]));
  return a;
}

QJsonObject state(const proc::ProcPoint& p) {
  const Real v[6] = {p.T, p.P, p.d, p.i, p.s, p.x};
  QJsonObject o;
  for (int k = 0; k < 6; ++k) o[QLatin1String(kStateKeys[k])] = real(v[k]);
  return o;
}

QJsonObject resultRow(const proc::ResultRow& r) {
  return {{"number", r.number},
          {"substance", QString::fromStdString(r.substance)},
          {"process", r.procKind},
          {"start", reals(r.start, kParamCount)},
          {"end", reals(r.end, kParamCount)},
          {"Q", real(r.Q)},
          {"L", real(r.L)}};
}

QJsonObject idealProcess(const proc::Calculator& c) {
  const proc::Calculator::Kept k = c.kept();
  QJsonArray entries, fields;
  for (const std::string& e : c.entries) entries.append(QString::fromStdString(e));
  for (int f = 0; f < proc::kFieldCount; ++f)
    fields.append(c.FieldDecimals[f] == 0 ? QJsonValue() : QJsonArray{c.FieldDecimals[f], real(c.FieldValues[f])});
  const Real values[3] = {c.Value1, c.Value2, c.Value3};
  return {{"process", c.ProcKind},
          {"kinds", QJsonArray{c.Kind1, c.Kind2, c.Kind3}},
          {"entries", entries},
          {"typed", reals(k.typed.data(), 3)},
          {"values", reals(values, 3)},
          {"start", state(c.StartPt)},
          {"end", state(c.EndPt)},
          {"shownStart", reals(c.ShownStart, kParamCount)},
          {"shownEnd", reals(c.ShownEnd, kParamCount)},
          {"Q", real(c.ProcQ)},
          {"L", real(c.ProcL)},
          {"dd", real(c.DeltaD)},
          {"di", real(c.DeltaI)},
          {"ds", real(c.DeltaS)},
          {"pairRefused", QLatin1String(kRefusals[int(c.PairRefused)])},
          {"carried", c.Carried},
          {"tableCount", c.TableCount},
          {"fields", fields},
          {"limitKinds", QJsonArray{c.LimitKinds[0], c.LimitKinds[1], c.LimitKinds[2]}},
          {"hasResult", k.hasResult},
          {"lastResult", resultRow(k.result)}};
}

QJsonObject deviceData(const proc::DeviceData& d) {
  return {{"device", int(d.kind)}, {"P2", real(d.P2)}, {"eta", real(d.eta)}, {"given", int(d.given)},
          {"T2", real(d.T2)},      {"Q", real(d.Q)},   {"Tr", real(d.Tr)},   {"T0", real(d.T0)}};
}

QJsonObject deviceResult(const proc::DeviceResult& r) {
  return {{"status", int(r.status)}, {"state", int(r.state)}, {"inlet", state(r.inlet)},
          {"outlet", state(r.outlet)}, {"ideal", state(r.ideal)}, {"L", real(r.L)},
          {"Q", real(r.Q)},           {"sgen", real(r.sgen)},   {"exergy", real(r.exergy)},
          {"T0", real(r.T0)}};
}

QJsonObject realProcesses(const proc::DeviceCalculator& c, const diagram::DeviceStore& store) {
  const proc::DeviceCalculator::Kept k = c.kept();
  QJsonArray entries, lines;
  for (const std::string& e : c.entries) entries.append(QString::fromStdString(e));
  for (const diagram::DeviceLine& l : store.lines)
    lines.append(QJsonObject{{"in", QJsonArray{real(l.inS), real(l.inT)}},
                             {"out", QJsonArray{real(l.outS), real(l.outT)}},
                             {"s", reals(l.S, 16)},
                             {"T", reals(l.T, 16)}});
  return {{"device", int(c.Kind)},
          {"kinds", QJsonArray{c.Kind1, c.Kind2}},
          {"given", int(c.Given)},
          {"entries", entries},
          {"inlet", state(c.Inlet)},
          {"carried", c.Carried},
          {"tableCount", c.TableCount},
          {"hasResult", k.hasResult},
          {"inletShown", k.inletShown},
          {"data", deviceData(k.data)},
          {"result", deviceResult(c.Result)},
          {"lines", lines}};
}

QJsonObject realRow(const proc::DeviceRow& r) {
  return {{"number", r.number},   {"substance", QString::fromStdString(r.substance)},
          {"device", int(r.kind)}, {"eta", real(r.eta)},
          {"inlet", state(r.inlet)}, {"outlet", state(r.outlet)},
          {"ideal", state(r.ideal)}, {"L", real(r.L)},
          {"Q", real(r.Q)},         {"sgen", real(r.sgen)},
          {"exergy", real(r.exergy)}, {"T0", real(r.T0)}};
}

const char* const kCycleKeys[] = {"Plow", "Phigh", "T1", "etaT", "dT", "leak", "Tpre", "xe", "T3", "etaS", "T0"};

std::array<Real*, 11> cycleValues(proc::CycleData& d) {
  return {&d.Plow, &d.Phigh, &d.T1, &d.etaT, &d.dT, &d.leak, &d.Tpre, &d.xe, &d.T3, &d.etaS, &d.T0};
}

QJsonObject cycles(const proc::CycleWork& w) {
  QJsonArray data;
  for (proc::CycleData d : w.data) {
    QJsonObject o;
    const std::array<Real*, 11> v = cycleValues(d);
    for (std::size_t k = 0; k < v.size(); ++k) o[QLatin1String(kCycleKeys[k])] = real(*v[k]);
    data.append(o);
  }
  return {{"cycle", int(w.kind)}, {"onDiagram", w.onDiagram}, {"data", data}};
}

// ---------------------------------------------------------------- reading

struct Refusal {
  WorkError error;
};

[[noreturn]] void refuse(WorkFault fault, const QString& detail) { throw Refusal{{fault, detail}}; }

QString number(Real v) { return QString::number(double(v), 'g', 10); }

// A value of the file with the path that names it in messages.
class Field {
 public:
  Field(QJsonValue v, QString path) : v_(std::move(v)), path_(std::move(path)) {}

  const QString& path() const { return path_; }
  bool isNull() const { return v_.isNull(); }

  QJsonObject object() const {
    if (!v_.isObject()) refuse(WorkFault::Damaged, QCoreApplication::translate("WorkFile", "поле %1 не объект").arg(path_));
    return v_.toObject();
  }
  // An object with exactly these members.
  void members(std::initializer_list<const char*> known) const {
    for (const QString& key : object().keys())
      if (std::none_of(known.begin(), known.end(), [&](const char* k) { return key == QLatin1String(k); }))
        refuse(WorkFault::Damaged, path_.isEmpty() ? QCoreApplication::translate("WorkFile", "неизвестный раздел %1").arg(key)
                                                   : QCoreApplication::translate("WorkFile", "неизвестное поле %1").arg(sub(key)));
  }
  Field at(const char* key) const {
    const QJsonObject o = object();
    const QString k = QLatin1String(key);
    if (!o.contains(k))
      refuse(WorkFault::Damaged, path_.isEmpty() ? QCoreApplication::translate("WorkFile", "нет раздела %1").arg(k)
                                                 : QCoreApplication::translate("WorkFile", "нет поля %1").arg(sub(k)));
    return {o.value(k), sub(k)};
  }

  // An array of n items (any number up to kMaxRows when n < 0).
  int items(int n = -1) const {
    if (!v_.isArray()) refuse(WorkFault::Damaged, QCoreApplication::translate("WorkFile", "поле %1 не список").arg(path_));
    const int size = int(v_.toArray().size());
    if (n >= 0 && size != n)
      refuse(WorkFault::Damaged, QCoreApplication::translate("WorkFile", "в списке %1 %2 значений вместо %3").arg(path_).arg(size).arg(n));
    if (size > kMaxRows) refuse(WorkFault::OutOfRange, QCoreApplication::translate("WorkFile", "в списке %1 больше %2 строк").arg(path_).arg(kMaxRows));
    return size;
  }
  Field item(int i) const { return {v_.toArray().at(i), QStringLiteral("%1[%2]").arg(path_).arg(i)}; }

  Real real() const {
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
  int integer(int lo, int hi) const {
    const double d = v_.toDouble(-1e300);
    if (!v_.isDouble() || d != std::floor(d)) bad();
    if (d < lo || d > hi) outside(d);
    return int(d);
  }
  bool boolean() const {
    if (!v_.isBool()) bad();
    return v_.toBool();
  }
  QString string() const {
    if (!v_.isString()) bad();
    const QString s = v_.toString();
    if (s.size() > kMaxEntry) outside(s.size());
    return s;
  }
  // One of the names; its index.
  template <std::size_t N>
  int oneOf(const char* const (&names)[N]) const {
    const QString s = string();
    for (std::size_t i = 0; i < N; ++i)
      if (s == QLatin1String(names[i])) return int(i);
    bad();
  }

  [[noreturn]] void bad() const { refuse(WorkFault::Damaged, QCoreApplication::translate("WorkFile", "неверное значение %1").arg(path_)); }
  [[noreturn]] void outside(Real v) const {
    refuse(WorkFault::OutOfRange, QStringLiteral("%1 = %2").arg(path_, number(v)));
  }

 private:
  QString sub(const QString& key) const { return path_.isEmpty() ? key : path_ + u'.' + key; }

  QJsonValue v_;
  QString path_;
};

// A substance named in the file: its index.
int substanceOf(const Field& f) {
  const QString name = f.string();
  const int n = tfs::substanceIndex(name.toStdString());
  if (n == 0) refuse(WorkFault::UnknownSubstance, name);
  return n;
}

// What the library describes soundly for a substance: the admissible
// ranges of the process window, the enthalpy and entropy ranges widened by
// a twentieth on each side (their ends are found on a grid of pressures),
// and the largest heat or work of a process.
struct Bounds {
  proc::Ranges r;
  Real qmax = 0;
};

Bounds boundsFrom(proc::Ranges r) {
  for (int kind : {proc::kEnthalpy, proc::kEntropy}) {
    const Real w = (r[kind].hi - r[kind].lo) / 20;
    r[kind].lo -= w;
    r[kind].hi += w;
  }
  Bounds b;
  b.r = r;
  // |T ds| + |di| + |d(Pv)|, Pv never above the enthalpy span.
  b.qmax = r[proc::kTemperature].hi * (r[proc::kEntropy].hi - r[proc::kEntropy].lo) +
           2 * (r[proc::kEnthalpy].hi - r[proc::kEnthalpy].lo);
  return b;
}

const Bounds& boundsOf(int n) {
  static std::map<int, Bounds> known;
  auto it = known.find(n);
  if (it != known.end()) return it->second;
  proc::Ranges r;
  if (!libraryGuarded([&] { r = proc::admissibleRanges(tfs::cubicModel(n)); }))
    refuse(WorkFault::OutOfRange, QString::fromLatin1(tfs::SubstName[n]));
  return known.emplace(n, boundsFrom(r)).first->second;
}

// The union of every substance's bounds: for values that may belong to a
// substance chosen before.
const Bounds& anyBounds() {
  static const Bounds all = [] {
    proc::Ranges u = boundsOf(1).r;
    for (int n = 2; n <= tfs::kSubstCount; ++n)
      for (int k = 0; k < kParamCount; ++k) {
        const proc::Range& r = boundsOf(n).r[k];
        u[k].lo = std::min(u[k].lo, r.lo);
        u[k].hi = std::max(u[k].hi, r.hi);
      }
    Bounds b;
    b.r = u;
    for (int n = 1; n <= tfs::kSubstCount; ++n) b.qmax = std::max(b.qmax, boundsOf(n).qmax);
    return b;
  }();
  return all;
}

// A value of a parameter kind within the bounds (0 also where a value may
// be unset).
Real kindValue(const Field& f, int kind, const Bounds& b, bool zeroAllowed) {
  const Real v = f.real();
  if (!(zeroAllowed && v == 0) && !b.r[kind].holds(v)) f.outside(v);
  return v;
}

Real magnitude(const Field& f, Real bound) {
  const Real v = f.real();
  if (!(std::fabs(v) <= bound)) f.outside(v);
  return v;
}

// A state: every value within the bounds, or all zero where unset.
proc::ProcPoint stateFrom(const Field& f, const Bounds& b, bool zeroAllowed) {
  f.members({"T", "P", "d", "i", "s", "x"});
  proc::ProcPoint p;
  Real* v[6] = {&p.T, &p.P, &p.d, &p.i, &p.s, &p.x};
  const int kinds[5] = {proc::kTemperature, proc::kPressure, proc::kDensity, proc::kEnthalpy, proc::kEntropy};
  bool zero = true;
  for (int k = 0; k < 6; ++k) {
    *v[k] = f.at(kStateKeys[k]).real();
    zero = zero && *v[k] == 0;
  }
  if (zero && zeroAllowed) return p;
  for (int k = 0; k < 5; ++k) kindValue(f.at(kStateKeys[k]), kinds[k], b, false);
  if (!(p.x >= 0 && p.x <= 1)) f.at("x").outside(p.x);
  return p;
}

// Seven values of a start or end: those the table shows within the
// substance's bounds; the specific volume and the dryness, which it does not
// show and which hold what was typed last, finite.
void shownValues(const Field& f, Real* out, const Bounds& b, bool zeroAllowed) {
  f.items(kParamCount);
  for (int k = 0; k < kParamCount; ++k) {
    const bool shown = k != proc::kVolume && k != proc::kDryness;
    out[k] = shown ? kindValue(f.item(k), k, b, zeroAllowed) : f.item(k).real();
  }
}

// Values as typed: any finite number (the window reads them before any use).
void typedValues(const Field& f, Real* out, int n) {
  f.items(n);
  for (int k = 0; k < n; ++k) out[k] = f.item(k).real();
}

// A row of the results table, or with last set the process window's last
// computed process (unnumbered; before any computation without a substance
// and all zero).
proc::ResultRow resultFrom(const Field& f, bool last) {
  f.members({"number", "substance", "process", "start", "end", "Q", "L"});
  proc::ResultRow r;
  const Field name = f.at("substance");
  const bool unset = last && name.string().isEmpty();
  const Bounds& b = unset ? anyBounds() : boundsOf(substanceOf(name));
  if (!unset) r.substance = name.string().toStdString();
  r.number = f.at("number").integer(last ? 0 : 1, kMaxNumber);
  r.procKind = f.at("process").integer(0, 4);
  shownValues(f.at("start"), r.start, b, unset);
  shownValues(f.at("end"), r.end, b, unset);
  r.Q = magnitude(f.at("Q"), b.qmax);
  r.L = magnitude(f.at("L"), b.qmax);
  return r;
}

void readIdeal(const Field& f, Session& s) {
  f.members({"process", "kinds", "entries", "typed", "values", "start", "end", "shownStart", "shownEnd", "Q", "L",
             "dd", "di", "ds", "pairRefused", "carried", "tableCount", "fields", "limitKinds", "hasResult",
             "lastResult"});
  proc::Calculator& c = s.process;
  const Bounds& any = anyBounds();
  c.ProcKind = f.at("process").integer(0, 4);
  const Field kinds = f.at("kinds");
  kinds.items(3);
  c.Kind1 = kinds.item(0).integer(0, kParamCount - 1);
  c.Kind2 = kinds.item(1).integer(0, kParamCount - 1);
  c.Kind3 = kinds.item(2).integer(0, kParamCount - 1);
  const Field entries = f.at("entries");
  entries.items(3);
  for (int e = 0; e < 3; ++e) c.entries[e] = entries.item(e).string().toStdString();

  // What was typed may lie anywhere (before a substance is chosen nothing is
  // refused): every use checks it first. So do the values shown from it.
  proc::Calculator::Kept kept;
  typedValues(f.at("typed"), kept.typed.data(), 3);
  Real values[3];
  typedValues(f.at("values"), values, 3);
  c.Value1 = values[0];
  c.Value2 = values[1];
  c.Value3 = values[2];
  typedValues(f.at("shownStart"), c.ShownStart, kParamCount);
  typedValues(f.at("shownEnd"), c.ShownEnd, kParamCount);

  c.Carried = f.at("carried").boolean();
  // A carried start is the next computation's start: it must be a sound
  // state of the chosen substance.
  const bool strict = c.Carried && s.main.chosen;
  c.StartPt = stateFrom(f.at("start"), strict ? boundsOf(s.main.subst) : any, !strict);
  c.EndPt = stateFrom(f.at("end"), any, true);
  c.ProcQ = magnitude(f.at("Q"), any.qmax);
  c.ProcL = magnitude(f.at("L"), any.qmax);
  c.DeltaD = magnitude(f.at("dd"), any.r[proc::kDensity].hi);
  c.DeltaI = magnitude(f.at("di"), any.r[proc::kEnthalpy].hi - any.r[proc::kEnthalpy].lo);
  c.DeltaS = magnitude(f.at("ds"), any.r[proc::kEntropy].hi - any.r[proc::kEntropy].lo);
  c.PairRefused = proc::PairRefusal(f.at("pairRefused").oneOf(kRefusals));
  c.TableCount = f.at("tableCount").integer(0, kMaxNumber);

  const Field fields = f.at("fields");
  fields.items(proc::kFieldCount);
  for (int k = 0; k < proc::kFieldCount; ++k) {
    const Field it = fields.item(k);
    c.FieldDecimals[k] = 0;
    c.FieldValues[k] = 0;
    if (it.isNull()) continue;
    it.items(2);
    c.FieldDecimals[k] = it.item(0).integer(2, 4);
    // A field echoes a typed value or shows a computed one.
    c.FieldValues[k] = it.item(1).real();
  }
  const Field limits = f.at("limitKinds");
  limits.items(3);
  for (int k = 0; k < 3; ++k) c.LimitKinds[k] = limits.item(k).integer(-1, kParamCount - 1);

  kept.hasResult = f.at("hasResult").boolean();
  kept.result = resultFrom(f.at("lastResult"), true);
  c.Units = s.main.units;
  c.restore(kept, s.main.chosenEos());
}

void readDiagram(const Field& f, AppState& st) {
  f.members({"substance", "Tmin", "Tmax", "scale", "units"});
  st.scale = ScaleKind(f.at("scale").oneOf(kScales));
  st.units = Units(f.at("units").oneOf(kUnitNames));
  const Field name = f.at("substance");
  const Field tmin = f.at("Tmin"), tmax = f.at("Tmax");
  const Real Tmin = tmin.real(), Tmax = tmax.real();
  if (name.isNull()) return;  // nothing chosen yet
  const int n = substanceOf(name);
  // The limits the main window accepts.
  if (checkTmax(n, 0, Tmax).fault != LimitFault::None) tmax.outside(Tmax);
  if (checkTmin(n, Tmin, Tmax).fault != LimitFault::None) tmin.outside(Tmin);
  const ScaleKind scale = st.scale;
  const Units units = st.units;
  st = withLimits(substanceChoice(AppState{}, n), Tmin, Tmax);
  st.scale = scale;
  st.units = units;
  st.chosen = true;
}

void readPoints(const Field& f, std::vector<PointRow>& points) {
  const int n = f.items();
  points.reserve(std::size_t(n));
  for (int i = 0; i < n; ++i) {
    const Field p = f.item(i);
    p.members({"substance", "T", "P", "d", "h", "s", "Cp", "x"});
    PointRow r;
    const Field name = p.at("substance");
    const Bounds& b = boundsOf(substanceOf(name));
    r.substance = name.string().toStdString();
    r.T = kindValue(p.at("T"), proc::kTemperature, b, false);
    r.P = kindValue(p.at("P"), proc::kPressure, b, false);
    r.d = kindValue(p.at("d"), proc::kDensity, b, false);
    r.h = kindValue(p.at("h"), proc::kEnthalpy, b, false);
    r.s = kindValue(p.at("s"), proc::kEntropy, b, false);
    r.Cp = p.at("Cp").real();
    if (!(r.Cp >= 0)) p.at("Cp").outside(r.Cp);
    r.x = p.at("x").real();
    if (!(r.x >= 0 && r.x <= 1)) p.at("x").outside(r.x);
    points.push_back(r);
  }
}

void readLines(const Field& f, const AppState& st, diagram::ProcStore& lines) {
  f.members({"last", "count", "lines"});
  lines.ProcIndex = f.at("last").integer(0, 10);
  lines.ProcCount = f.at("count").integer(0, 10);
  const Bounds& b = st.chosen ? boundsOf(st.subst) : anyBounds();
  const Field all = f.at("lines");
  all.items(10);
  for (int r = 1; r <= 10; ++r) {
    const Field line = all.item(r - 1);
    line.members({"s", "T"});
    const Field S = line.at("s"), T = line.at("T");
    S.items(16);
    T.items(16);
    for (int j = 0; j < 16; ++j) {
      // A point whose T is 0 is absent.
      lines.ProcT[r][j] = kindValue(T.item(j), proc::kTemperature, b, true);
      lines.ProcS[r][j] = lines.ProcT[r][j] == 0 ? S.item(j).real() : kindValue(S.item(j), proc::kEntropy, b, true);
    }
  }
}

void readResults(const Field& f, std::vector<proc::ResultRow>& rows) {
  const int n = f.items();
  rows.reserve(std::size_t(n));
  for (int i = 0; i < n; ++i) rows.push_back(resultFrom(f.item(i), false));
}

// A real device's states reach the hottest outlet (700 K where the
// ideal-gas functions end at 600 K): the substance's bounds up to there.
const Bounds& deviceBoundsOf(int n) {
  static std::map<int, Bounds> known;
  auto it = known.find(n);
  if (it != known.end()) return it->second;
  Bounds b = boundsOf(n);
  const Real Tmax = proc::OutletTmax(tfs::cubicModel(n));
  Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
  if (!libraryGuarded([&] { tfs::dhs_PT(tfs::SubstName[n], tfs::kPressureFloor, Tmax, d, h, s, Cp, x); }))
    refuse(WorkFault::OutOfRange, QString::fromLatin1(tfs::SubstName[n]));
  b.r[proc::kTemperature].hi = std::max(b.r[proc::kTemperature].hi, Tmax);
  const Real wh = (b.r[proc::kEnthalpy].hi - b.r[proc::kEnthalpy].lo) / 20;
  const Real ws = (b.r[proc::kEntropy].hi - b.r[proc::kEntropy].lo) / 20;
  b.r[proc::kEnthalpy].hi = std::max(b.r[proc::kEnthalpy].hi, h + wh);
  b.r[proc::kEntropy].hi = std::max(b.r[proc::kEntropy].hi, s + ws);
  b.qmax += b.r[proc::kTemperature].hi * (b.r[proc::kEntropy].hi - b.r[proc::kEntropy].lo) +
            2 * (b.r[proc::kEnthalpy].hi - b.r[proc::kEnthalpy].lo);
  return known.emplace(n, b).first->second;
}

const Bounds& anyDeviceBounds() {
  static const Bounds all = [] {
    Bounds u = deviceBoundsOf(1);
    for (int n = 2; n <= tfs::kSubstCount; ++n) {
      const Bounds& b = deviceBoundsOf(n);
      for (int k = 0; k < kParamCount; ++k) {
        u.r[k].lo = std::min(u.r[k].lo, b.r[k].lo);
        u.r[k].hi = std::max(u.r[k].hi, b.r[k].hi);
      }
      u.qmax = std::max(u.qmax, b.qmax);
    }
    return u;
  }();
  return all;
}

Real finiteReal(const Field& f) { return f.real(); }

proc::DeviceData deviceDataFrom(const Field& f) {
  f.members({"device", "P2", "eta", "given", "T2", "Q", "Tr", "T0"});
  proc::DeviceData d;
  d.kind = proc::Device(f.at("device").integer(0, proc::kDeviceCount - 1));
  d.given = proc::ExchangerGiven(f.at("given").integer(0, 1));
  // As typed: any finite number (each use checks it first).
  d.P2 = finiteReal(f.at("P2"));
  d.eta = finiteReal(f.at("eta"));
  d.T2 = finiteReal(f.at("T2"));
  d.Q = finiteReal(f.at("Q"));
  d.Tr = finiteReal(f.at("Tr"));
  d.T0 = finiteReal(f.at("T0"));
  return d;
}

proc::DeviceResult deviceResultFrom(const Field& f, const Bounds& b) {
  f.members({"status", "state", "inlet", "outlet", "ideal", "L", "Q", "sgen", "exergy", "T0"});
  proc::DeviceResult r;
  r.status = proc::DeviceStatus(f.at("status").integer(0, int(proc::DeviceStatus::NoResult)));
  r.state = proc::SolveStatus(f.at("state").integer(0, int(proc::SolveStatus::TooDense)));
  r.inlet = stateFrom(f.at("inlet"), b, true);
  r.outlet = stateFrom(f.at("outlet"), b, true);
  r.ideal = stateFrom(f.at("ideal"), b, true);
  r.L = magnitude(f.at("L"), b.qmax);
  r.Q = magnitude(f.at("Q"), b.qmax);
  r.sgen = finiteReal(f.at("sgen"));
  r.exergy = finiteReal(f.at("exergy"));
  r.T0 = finiteReal(f.at("T0"));
  return r;
}

void readReal(const Field& f, Session& s) {
  f.members({"device", "kinds", "given", "entries", "inlet", "carried", "tableCount", "hasResult", "inletShown",
             "data", "result", "lines"});
  proc::DeviceCalculator& c = s.devices;
  c.Kind = proc::Device(f.at("device").integer(0, proc::kDeviceCount - 1));
  const Field kinds = f.at("kinds");
  kinds.items(2);
  c.Kind1 = kinds.item(0).integer(0, kParamCount - 1);
  c.Kind2 = kinds.item(1).integer(0, kParamCount - 1);
  c.Given = proc::ExchangerGiven(f.at("given").integer(0, 1));
  const Field entries = f.at("entries");
  entries.items(proc::kDeviceEntryCount);
  for (int e = 0; e < proc::kDeviceEntryCount; ++e) c.entries[e] = entries.item(e).string().toStdString();
  c.Carried = f.at("carried").boolean();
  // A carried inlet is the next computation's inlet: a sound state of the
  // chosen substance.
  const bool strict = c.Carried && s.main.chosen;
  c.Inlet = stateFrom(f.at("inlet"), strict ? deviceBoundsOf(s.main.subst) : anyDeviceBounds(), !strict);
  c.TableCount = f.at("tableCount").integer(0, kMaxNumber);
  proc::DeviceCalculator::Kept kept;
  kept.hasResult = f.at("hasResult").boolean();
  kept.inletShown = f.at("inletShown").boolean();
  kept.data = deviceDataFrom(f.at("data"));
  c.Result = deviceResultFrom(f.at("result"), anyDeviceBounds());

  const Bounds& b = s.main.chosen ? deviceBoundsOf(s.main.subst) : anyDeviceBounds();
  const Field lines = f.at("lines");
  const int n = lines.items();
  if (n > diagram::DeviceStore::kCapacity) lines.outside(n);
  for (int i = 0; i < n; ++i) {
    const Field l = lines.item(i);
    l.members({"in", "out", "s", "T"});
    diagram::DeviceLine line;
    const Field in = l.at("in"), out = l.at("out"), S = l.at("s"), T = l.at("T");
    in.items(2);
    out.items(2);
    line.inS = kindValue(in.item(0), proc::kEntropy, b, false);
    line.inT = kindValue(in.item(1), proc::kTemperature, b, false);
    line.outS = kindValue(out.item(0), proc::kEntropy, b, false);
    line.outT = kindValue(out.item(1), proc::kTemperature, b, false);
    S.items(16);
    T.items(16);
    for (int j = 0; j < 16; ++j) {
      // A point whose T is 0 is absent.
      line.T[j] = kindValue(T.item(j), proc::kTemperature, b, true);
      line.S[j] = line.T[j] == 0 ? S.item(j).real() : kindValue(S.item(j), proc::kEntropy, b, true);
    }
    s.deviceLines.lines.push_back(line);
  }
  c.Units = s.main.units;
  c.restore(kept, s.main.chosenEos());
}

void readRealResults(const Field& f, std::vector<proc::DeviceRow>& rows) {
  const int n = f.items();
  rows.reserve(std::size_t(n));
  for (int i = 0; i < n; ++i) {
    const Field r = f.item(i);
    r.members({"number", "substance", "device", "eta", "inlet", "outlet", "ideal", "L", "Q", "sgen", "exergy", "T0"});
    proc::DeviceRow row;
    const Field name = r.at("substance");
    const Bounds& b = deviceBoundsOf(substanceOf(name));
    row.substance = name.string().toStdString();
    row.number = r.at("number").integer(1, kMaxNumber);
    row.kind = proc::Device(r.at("device").integer(0, proc::kDeviceCount - 1));
    row.eta = finiteReal(r.at("eta"));
    row.inlet = stateFrom(r.at("inlet"), b, false);
    row.outlet = stateFrom(r.at("outlet"), b, false);
    row.ideal = stateFrom(r.at("ideal"), b, false);
    row.L = magnitude(r.at("L"), b.qmax);
    row.Q = magnitude(r.at("Q"), b.qmax);
    row.sgen = finiteReal(r.at("sgen"));
    row.exergy = finiteReal(r.at("exergy"));
    row.T0 = finiteReal(r.at("T0"));
    rows.push_back(row);
  }
}

// The cycles' data as the window holds them, any finite numbers (each use
// checks them first); the cycle chosen is solved again, and a cycle that
// the data do not make shows its reason in the window.
void readCycles(const Field& f, Session& s) {
  f.members({"cycle", "onDiagram", "data"});
  proc::CycleWork& w = s.cycles;
  w.kind = proc::Cycle(f.at("cycle").integer(0, proc::kCycleCount - 1));
  w.onDiagram = f.at("onDiagram").boolean();
  const Field data = f.at("data");
  data.items(proc::kCycleCount);
  for (int k = 0; k < proc::kCycleCount; ++k) {
    const Field d = data.item(k);
    d.members({"Plow", "Phigh", "T1", "etaT", "dT", "leak", "Tpre", "xe", "T3", "etaS", "T0"});
    const std::array<Real*, 11> v = cycleValues(w.data[k]);
    for (std::size_t i = 0; i < v.size(); ++i) *v[i] = finiteReal(d.at(kCycleKeys[i]));
  }
  if (s.main.chosen) w.solve(&s.main.eos());
}

bool looksLikeWorkFile(const QByteArray& bytes) { return bytes.contains(kWorkFileFormat); }

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

// A JSON string's text from its opening quote at i; i ends past its closing
// quote. The JSON was parsed before: every escape is sound.
std::string jsonString(const QByteArray& b, qsizetype& i) {
  std::string out;
  auto hex4 = [&](qsizetype at) {
    unsigned v = 0;
    for (qsizetype k = at; k < at + 4 && k < b.size(); ++k) {
      const char c = b[k];
      v = v * 16 + unsigned(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    }
    return v;
  };
  auto utf8 = [&](unsigned cp) {
    if (cp < 0x80) {
      out += char(cp);
    } else if (cp < 0x800) {
      out += char(0xC0 | cp >> 6);
      out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += char(0xE0 | cp >> 12);
      out += char(0x80 | (cp >> 6 & 0x3F));
      out += char(0x80 | (cp & 0x3F));
    } else {
      out += char(0xF0 | cp >> 18);
      out += char(0x80 | (cp >> 12 & 0x3F));
      out += char(0x80 | (cp >> 6 & 0x3F));
      out += char(0x80 | (cp & 0x3F));
    }
  };
  for (++i; i < b.size() && b[i] != '"'; ++i) {
    if (b[i] != '\\') {
      out += b[i];
      continue;
    }
    const char e = ++i < b.size() ? b[i] : '\\';
    switch (e) {
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'u': {
        unsigned cp = hex4(i + 1);
        i += 4;
        // A surrogate pair makes one code point.
        if (cp >= 0xD800 && cp < 0xDC00 && i + 6 < b.size() && b[i + 1] == '\\' && b[i + 2] == 'u') {
          const unsigned lo = hex4(i + 3);
          if (lo >= 0xDC00 && lo < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
            i += 6;
          }
        }
        utf8(cp);
        break;
      }
      default: out += e;  // " \ /
    }
  }
  ++i;
  return out;
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
        std::string key = jsonString(b, i);
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
        jsonString(b, i);
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

}  // namespace

bool isWorkFilePath(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String(kWorkFileSuffix), Qt::CaseInsensitive) == 0;
}

QByteArray workFileBytes(const Session& s) {
  const AppState& st = s.main;
  QJsonObject diagram{{"substance", st.chosen ? QJsonValue(QString::fromStdString(st.name)) : QJsonValue()},
                      {"Tmin", real(st.Tmin)},
                      {"Tmax", real(st.Tmax)},
                      {"scale", QLatin1String(kScales[int(st.scale)])},
                      {"units", QLatin1String(kUnitNames[int(st.units)])}};
  QJsonArray points;
  for (const PointRow& p : s.points)
    points.append(QJsonObject{{"substance", QString::fromStdString(p.substance)},
                              {"T", real(p.T)},
                              {"P", real(p.P)},
                              {"d", real(p.d)},
                              {"h", real(p.h)},
                              {"s", real(p.s)},
                              {"Cp", real(p.Cp)},
                              {"x", real(p.x)}});
  QJsonArray lines;
  for (int r = 1; r <= 10; ++r)
    lines.append(QJsonObject{{"s", reals(s.procLines.ProcS[r], 16)}, {"T", reals(s.procLines.ProcT[r], 16)}});
  QJsonArray results;
  for (const proc::ResultRow& r : s.results) results.append(resultRow(r));
  const QJsonObject root{
      {"format", QLatin1String(kWorkFileFormat)},
      {"version", kWorkFileVersion},
      {"diagram", diagram},
      {"points", points},
      {"processLines", QJsonObject{{"last", s.procLines.ProcIndex}, {"count", s.procLines.ProcCount}, {"lines", lines}}},
      {"idealProcess", idealProcess(s.process)},
      {"idealResults", results},
      {"realProcesses", realProcesses(s.devices, s.deviceLines)},
      {"realResults", [&] {
         QJsonArray rows;
         for (const proc::DeviceRow& r : s.deviceResults) rows.append(realRow(r));
         return rows;
       }()},
      {"cycles", cycles(s.cycles)}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool readWorkFile(const QByteArray& bytes, Session& into, WorkError& error) {
  if (!parsedFitsMemory(bytes)) {
    error = looksLikeWorkFile(bytes) ? WorkError{WorkFault::Damaged, QCoreApplication::translate("WorkFile", "слишком много мелких значений")}
                                     : WorkError{WorkFault::NotWorkFile, {}};
    return false;
  }
  QJsonParseError parse{};
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
  if (parse.error != QJsonParseError::NoError || !doc.isObject()) {
    // A file of this format cut short, or something else altogether.
    error = looksLikeWorkFile(bytes) && bytes.trimmed().startsWith('{')
                ? WorkError{WorkFault::Damaged, QCoreApplication::translate("WorkFile", "файл оборван или испорчен (%1)").arg(parse.errorString())}
                : WorkError{WorkFault::NotWorkFile, {}};
    return false;
  }
  auto fresh = std::make_unique<Session>();
  // The library's notes on the ranges and the lines were shown when the
  // work was done; a refusal here is reported as the file's.
  const ScopedLibraryMessages quiet([](const std::string&) {});
  try {
    const Field root(doc.object(), QString());
    const QJsonValue format = doc.object().value(QLatin1String("format"));
    if (!format.isString() || format.toString() != QLatin1String(kWorkFileFormat)) refuse(WorkFault::NotWorkFile, {});
    refuseDuplicateKeys(bytes);
    const Field version = root.at("version");
    const double v = doc.object().value(QLatin1String("version")).toDouble(-1);
    if (!(v >= 1 && v == std::floor(v))) version.bad();
    if (v > kWorkFileVersion) refuse(WorkFault::Newer, QString::number(v));
    // Version 1 has no real processes and no cycles: they open empty.
    if (v == 1)
      root.members({"format", "version", "diagram", "points", "processLines", "idealProcess", "idealResults"});
    else
      root.members({"format", "version", "diagram", "points", "processLines", "idealProcess", "idealResults",
                    "realProcesses", "realResults", "cycles"});

    Session& s = *fresh;
    readDiagram(root.at("diagram"), s.main);
    readPoints(root.at("points"), s.points);
    readLines(root.at("processLines"), s.main, s.procLines);
    readResults(root.at("idealResults"), s.results);
    readIdeal(root.at("idealProcess"), s);
    if (v >= 2) {
      readReal(root.at("realProcesses"), s);
      readRealResults(root.at("realResults"), s.deviceResults);
    } else {
      s.devices.Units = s.main.units;
      s.devices.setSubstance(s.main.chosenEos());
    }
    if (v >= 2) {
      readCycles(root.at("cycles"), s);
    } else if (s.main.chosen) {
      s.cycles.reset(&s.main.eos());
      s.cycles.solve(&s.main.eos());
    }

    if (s.main.chosen) {
      // The lines from substance and limits, as the main window computes them.
      if (!libraryGuarded([&] { ComputeAll(s.lines, lineInputs(s.main), {}); }))
        refuse(WorkFault::OutOfRange, QCoreApplication::translate("WorkFile", "диаграмма не рассчитывается"));
      s.linesRevision = 1;
    }
  } catch (const Refusal& r) {
    error = r.error;
    return false;
  }
  into = std::move(*fresh);
  error = {};
  return true;
}

bool saveWorkFile(const Session& session, const QString& path, WorkError& error) {
  const FileFault f = writeWholeFile(path, workFileBytes(session));
  if (f != FileFault::None) {
    error = {WorkFault::NotWritten, {}, f};
    return false;
  }
  error = {};
  return true;
}

bool openWorkFile(const QString& path, Session& into, WorkError& error) {
  QByteArray bytes;
  switch (readWholeFile(path, kMaxWorkFileBytes, bytes)) {
    case FileFault::None: return readWorkFile(bytes, into, error);
    case FileFault::NotRegular: error = {WorkFault::NotRegular, {}}; return false;
    case FileFault::TooLarge: error = {WorkFault::TooLarge, {}}; return false;
    case FileFault::Failed: break;
  }
  error = {WorkFault::Unreadable, {}};
  return false;
}

QString workFileMessage(const WorkError& e, const QString& path) {
  const QString file = QDir::toNativeSeparators(path);
  switch (e.fault) {
    case WorkFault::None: return {};
    case WorkFault::Unreadable: return QCoreApplication::translate("WorkFile", "Файл не прочитан !\n") + file;
    case WorkFault::NotWorkFile: return QCoreApplication::translate("WorkFile", "Это не рабочий файл программы !\n") + file;
    case WorkFault::Damaged: return QCoreApplication::translate("WorkFile", "Рабочий файл поврежден !\n") + e.detail + u'\n' + file;
    case WorkFault::Newer:
      return QCoreApplication::translate("WorkFile", "Рабочий файл записан более новой версией программы !\n") + file;
    case WorkFault::UnknownSubstance:
      return QCoreApplication::translate("WorkFile", "Рабочее вещество \"") + e.detail + QCoreApplication::translate("WorkFile", "\" в программе не рассчитывается !\n") +
             file;
    case WorkFault::OutOfRange:
      return QCoreApplication::translate("WorkFile", "Значение вне пределов расчета !\n") + e.detail + u'\n' + file;
    case WorkFault::NotWritten: return writeFaultMessage(e.file, path);
    case WorkFault::NotRegular:
      return QCoreApplication::translate("WorkFile", "Это не обычный файл (устройство, канал или папка) !\n") + file;
    case WorkFault::TooLarge:
      return QCoreApplication::translate("WorkFile", "Файл больше %1 МБ: это не рабочий файл !\n").arg(kMaxWorkFileBytes >> 20) + file;
  }
  return {};
}

}  // namespace app
