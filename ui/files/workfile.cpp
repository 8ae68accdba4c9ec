#include "ui/files/workfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "core/base/libguard.h"
#include "core/lines/linegen.h"
#include "core/process/cycles.h"
#include "core/process/device.h"
#include "core/process/ranges.h"
#include "core/session/substance.h"
#include "thermo/model.h"
#include "thermo/substances.h"
#include "ui/files/jsonfields.h"
#include "ui/services/messages.h"
#include "ui/services/wholefile.h"

namespace app {

namespace {

using fields::Names;
using fields::refuse;
using proc::kParamCount;

// ---------------------------------------------------------------- names

// The names of the enums in work files. Where versions 1 and 2 held an
// integer, each name keeps the integer it had there, so that old files keep
// their meaning whatever the order of the enum.
const Names<tfs::ModelKind> kModels{{{tfs::ModelKind::Cubic, "srk"}, {tfs::ModelKind::Reference, "reference"}}};
const Names<diagram::kinds::Kind> kDiagramKinds{
    {{diagram::kinds::Kind::TS, "ts"}, {diagram::kinds::Kind::PH, "ph"}, {diagram::kinds::Kind::HS, "hs"}}};
const Names<ScaleKind> kScales{{{ScaleKind::Logarithmic, "log"}, {ScaleKind::Linear, "lin"}}};
const Names<Units> kUnitNames{{{Units::Specific, "specific"}, {Units::Molar, "molar"}}};
const Names<proc::PairRefusal> kRefusals{
    {{proc::PairRefusal::None, "none"}, {proc::PairRefusal::Start, "start"}, {proc::PairRefusal::End, "end"}}};
const Names<int> kProcesses{{{proc::kIsotherm, "isotherm", 0},
                             {proc::kIsobar, "isobar", 1},
                             {proc::kIsochore, "isochore", 2},
                             {proc::kIsenthalp, "isenthalp", 3},
                             {proc::kIsentrope, "isentrope", 4}},
                            3};
// The parameter kinds by the keys of a state.
const Names<int> kParams{{{proc::kTemperature, "T", 0},
                          {proc::kPressure, "P", 1},
                          {proc::kDensity, "d", 2},
                          {proc::kVolume, "v", 3},
                          {proc::kEnthalpy, "i", 4},
                          {proc::kEntropy, "s", 5},
                          {proc::kDryness, "x", 6}},
                         3};
// A parameter kind or none (-1).
const Names<int> kLimitKinds = [] {
  Names<int> n = kParams;
  n.names.push_back({-1, "none", -1});
  return n;
}();
const Names<proc::Device> kDevices{{{proc::Device::Compressor, "compressor", 0},
                                    {proc::Device::IsothermalCompressor, "isothermalCompressor", 1},
                                    {proc::Device::Expander, "expander", 2},
                                    {proc::Device::Throttle, "throttle", 3},
                                    {proc::Device::Exchanger, "exchanger", 4}},
                                   3};
const Names<proc::ExchangerGiven> kGivens{
    {{proc::ExchangerGiven::OutletTemperature, "outletTemperature", 0}, {proc::ExchangerGiven::Heat, "heat", 1}}, 3};
const Names<proc::DeviceStatus> kDeviceStatuses{{{proc::DeviceStatus::Solved, "solved", 0},
                                                 {proc::DeviceStatus::BadEfficiency, "badEfficiency", 1},
                                                 {proc::DeviceStatus::BadAmbient, "badAmbient", 2},
                                                 {proc::DeviceStatus::BadReservoir, "badReservoir", 3},
                                                 {proc::DeviceStatus::PressureNotHigher, "pressureNotHigher", 4},
                                                 {proc::DeviceStatus::PressureNotLower, "pressureNotLower", 5},
                                                 {proc::DeviceStatus::OutletRefused, "outletRefused", 6},
                                                 {proc::DeviceStatus::IdealRefused, "idealRefused", 7},
                                                 {proc::DeviceStatus::HeatUphill, "heatUphill", 8},
                                                 {proc::DeviceStatus::LibraryRefused, "libraryRefused", 9},
                                                 {proc::DeviceStatus::NoResult, "noResult", 10}},
                                                3};
const Names<proc::SolveStatus> kSolveStatuses{{{proc::SolveStatus::Solved, "solved", 0},
                                               {proc::SolveStatus::NotAdmitted, "notAdmitted", 1},
                                               {proc::SolveStatus::DrynessHotT, "drynessHotT", 2},
                                               {proc::SolveStatus::DrynessColdT, "drynessColdT", 3},
                                               {proc::SolveStatus::DrynessHighP, "drynessHighP", 4},
                                               {proc::SolveStatus::DrynessLowP, "drynessLowP", 5},
                                               {proc::SolveStatus::NotPositive, "notPositive", 6},
                                               {proc::SolveStatus::NoState, "noState", 7},
                                               {proc::SolveStatus::TooHot, "tooHot", 8},
                                               {proc::SolveStatus::TooCold, "tooCold", 9},
                                               {proc::SolveStatus::PressureAbove, "pressureAbove", 10},
                                               {proc::SolveStatus::PressureBelow, "pressureBelow", 11},
                                               {proc::SolveStatus::TooDense, "tooDense", 12}},
                                              3};
const Names<proc::Cycle> kCycles{
    {{proc::Cycle::Linde, "linde", 0}, {proc::Cycle::Precooled, "precooled", 1}, {proc::Cycle::Claude, "claude", 2}},
    3};

// ---------------------------------------------------------------- bounds

// Sizes a work file may hold.
constexpr int kMaxNumber = 1000000;

// What the library describes soundly for a substance by a model: the
// admissible ranges of the process window, the enthalpy and entropy ranges
// widened by a twentieth on each side (their ends are found on a grid of
// pressures), and the largest heat or work of a process.
struct Bounds {
  proc::Ranges r;
  Real qmax = 0;
};

// Whose bounds a value is checked against: a substance (0: any) by a model
// (kEitherModel: by either, for rows that name their substance but not its
// model), with device up to a real device's hottest outlet.
constexpr int kEitherModel = -1;
struct Scope {
  int subst = 0;
  int model = kEitherModel;
  bool device = false;
};
constexpr Scope kAny{}, kAnyDevice{0, kEitherModel, true};

// The scope of the session's substance (any before one is chosen): by its
// model for what the next computation starts from, by either model for
// the lines drawn (a picture that a change of model may have kept); and of
// a row's substance by either model (any for none).
Scope sessionScope(const AppState& st, bool byModel, bool device = false) {
  return {st.chosen ? st.subst : 0, st.chosen && byModel ? int(st.model) : kEitherModel, device};
}
Scope rowScope(const std::string& name, bool device = false) {
  return {tfs::substanceIndex(name), kEitherModel, device};
}

// The heat or work of a process: |T ds| + |di| + |d(Pv)|, Pv never above
// the enthalpy span.
Real heatBound(const proc::Ranges& r) {
  using namespace proc;
  return r[kTemperature].hi * (r[kEntropy].hi - r[kEntropy].lo) + 2 * (r[kEnthalpy].hi - r[kEnthalpy].lo);
}

Bounds modelBounds(int n, tfs::ModelKind kind, bool device) {
  using namespace proc;
  const tfs::Model& m = tfs::model(n, kind);
  Bounds b;
  const bool sound = libraryGuarded([&] {
    b.r = proc::admissibleRanges(m);
    for (int k : {kEnthalpy, kEntropy}) {
      const Real w = (b.r[k].hi - b.r[k].lo) / 20;
      b.r[k].lo -= w;
      b.r[k].hi += w;
    }
    b.qmax = heatBound(b.r);
    if (!device) return;
    // A real device's states reach its hottest outlet (700 K where the
    // cubic model's ideal-gas functions end at 600 K).
    const Real Tmax = m.limits().Tmax;
    Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
    m.dhs_PT(m.limits().Pfloor, Tmax, d, h, s, Cp, x);
    b.r[kTemperature].hi = std::max(b.r[kTemperature].hi, Tmax);
    const Real wh = (b.r[kEnthalpy].hi - b.r[kEnthalpy].lo) / 20, ws = (b.r[kEntropy].hi - b.r[kEntropy].lo) / 20;
    b.r[kEnthalpy].hi = std::max(b.r[kEnthalpy].hi, h + wh);
    b.r[kEntropy].hi = std::max(b.r[kEntropy].hi, s + ws);
    b.qmax += heatBound(b.r);
  });
  if (!sound) refuse(WorkFault::OutOfRange, QString::fromLatin1(tfs::SubstName[n]));
  return b;
}

const Bounds& boundsOf(const Scope& sc) {
  static std::map<std::tuple<int, int, bool>, Bounds> known;
  const auto key = std::make_tuple(sc.subst, sc.model, sc.device);
  if (auto it = known.find(key); it != known.end()) return it->second;
  if (sc.subst != 0 && sc.model != kEitherModel)
    return known.emplace(key, modelBounds(sc.subst, tfs::ModelKind(sc.model), sc.device)).first->second;
  // The union of the substances' or models' bounds.
  Bounds u;
  bool first = true;
  for (int n = sc.subst ? sc.subst : 1; n <= (sc.subst ? sc.subst : tfs::kSubstCount); ++n)
    for (tfs::ModelKind m : {tfs::ModelKind::Cubic, tfs::ModelKind::Reference}) {
      if (sc.model != kEitherModel && int(m) != sc.model) continue;
      const Bounds& b = boundsOf({n, int(m), sc.device});
      if (first) u = b;
      first = false;
      for (int k = 0; k < kParamCount; ++k) {
        u.r[k].lo = std::min(u.r[k].lo, b.r[k].lo);
        u.r[k].hi = std::max(u.r[k].hi, b.r[k].hi);
      }
      u.qmax = std::max(u.qmax, b.qmax);
    }
  return known.emplace(key, u).first->second;
}

// ---------------------------------------------------------------- rules

// What a real may hold: any finite value; a value of a parameter kind
// within the bounds of a scope (0 too where a value may be unset); or a
// heat, work (kHeat) or difference of a kind no larger than they allow.
constexpr int kHeat = -1;
struct Within {
  enum What { Any, Kind, Span } what = Any;
  int kind = 0;
  Scope scope;
  bool zeroOk = false;
  bool operator()(Real x) const {
    if (what == Any || (zeroOk && x == 0)) return true;
    const Bounds& b = boundsOf(scope);
    if (what == Kind) return b.r[kind].holds(x);
    return std::fabs(x) <= (kind == kHeat ? b.qmax : b.r[kind].hi - b.r[kind].lo);
  }
};
Within kindIn(int kind, Scope sc, bool zeroOk = false) { return {Within::Kind, kind, sc, zeroOk}; }
Within spanIn(int kind, Scope sc) { return {Within::Span, kind, sc}; }
// What was typed (the windows accept any number and check it before each
// use), and what the windows show from it.
constexpr fields::Finite kTyped;
const auto kFraction = [](Real x) { return x >= 0 && x <= 1; };

// A substance the program knows (with emptyOk also none).
struct SubstanceName {
  bool emptyOk = false;
  void operator()(const fields::Field&, const QString& s) const {
    if (!(emptyOk && s.isEmpty()) && tfs::substanceIndex(s.toStdString()) == 0) refuse(WorkFault::UnknownSubstance, s);
  }
};

// ---------------------------------------------------------------- fields

// A state: every value within the bounds of scope, or with unsetOk all zero.
auto state(Scope sc, bool unsetOk) {
  return fields::Obj{[sc](auto& v, auto& p) {
                       v("T", p.T, kindIn(proc::kTemperature, sc));
                       v("P", p.P, kindIn(proc::kPressure, sc));
                       v("d", p.d, kindIn(proc::kDensity, sc));
                       v("i", p.i, kindIn(proc::kEnthalpy, sc));
                       v("s", p.s, kindIn(proc::kEntropy, sc));
                       v("x", p.x, kFraction);
                     },
                     unsetOk};
}

// Seven values of a start or end: those the table shows within the bounds
// (or 0 where unset); the specific volume and the dryness, which it does
// not show and which hold what was typed last, finite.
auto shownValues(Scope sc, bool zeroOk) {
  return fields::EachAt{[sc, zeroOk](int k) {
    return k == proc::kVolume || k == proc::kDryness ? Within{} : kindIn(k, sc, zeroOk);
  }};
}

// The sixteen points of a line on the diagram; a point whose T is 0 is
// absent.
template <class V, class A>
void linePoints(V& v, A& S, A& T, Scope sc) {
  v("T", T, fields::Each{kindIn(proc::kTemperature, sc, true)});
  v("s", S, fields::EachAt{[&T, sc](int j) { return T[j] == 0 ? Within{} : kindIn(proc::kEntropy, sc, true); }});
}

// The main window: substance (null before one is chosen) and model, the
// limits as the main window accepts them, scale and units.
const auto kDiagram = fields::Obj{[](auto& v, auto& st) {
  std::string name = st.chosen ? st.name : std::string();
  v("substance", name, fields::OrNull{fields::Text{SubstanceName{}}, [](const std::string& n) { return n.empty(); }});
  v("model", st.model, kModels, 3);
  const int n = tfs::substanceIndex(name);
  // The limits as the main window accepts them for the file's model.
  v("Tmax", st.Tmax,
    [n, &st](Real T) { return n == 0 || checkTmax(tfs::model(n, st.model), 0, T).fault == LimitFault::None; });
  v("Tmin", st.Tmin, [n, &st](Real T) {
    return n == 0 || checkTmin(tfs::model(n, st.model), T, st.Tmax).fault == LimitFault::None;
  });
  v("scale", st.scale, kScales);
  v("units", st.units, kUnitNames);
  v.apply(st, [n](AppState& st) {
    AppState a;
    a.model = st.model;
    a.scale = st.scale;
    a.units = st.units;
    if (n != 0) {
      a = withLimits(substanceChoice(a, n), st.Tmin, st.Tmax);
      a.chosen = true;
    }
    st = a;
  });
}};

// How the diagram is shown; the region, when zoomed, in order, and its
// temperatures or pressures above zero.
const auto kView = fields::Obj{[](auto& v, auto& w) {
  v("kind", w.kind, kDiagramKinds);
  v("zoomed", w.zoomed, fields::Flag{});
  v("xLo", w.xLo, fields::Finite{});
  v("xHi", w.xHi, [&w](Real x) { return !w.zoomed || x > w.xLo; });
  v("yLo", w.yLo, [&w](Real y) { return !w.zoomed || w.kind == diagram::kinds::Kind::HS || y > 0; });
  v("yHi", w.yHi, [&w](Real y) { return !w.zoomed || y > w.yLo; });
  v("otherModel", w.otherModel, fields::Flag{});
  v("inversion", w.inversion, fields::Flag{});
  v("legend", w.legend, fields::Flag{});
}};

// A state picked on the diagram.
const auto kPoint = fields::Obj{[](auto& v, auto& p) {
  v("substance", p.substance, fields::Text{SubstanceName{}});
  v("model", p.model, kModels, 3);
  const Scope sc = rowScope(p.substance);
  v("T", p.T, kindIn(proc::kTemperature, sc));
  v("P", p.P, kindIn(proc::kPressure, sc));
  v("d", p.d, kindIn(proc::kDensity, sc));
  v("h", p.h, kindIn(proc::kEnthalpy, sc));
  v("s", p.s, kindIn(proc::kEntropy, sc));
  v("Cp", p.Cp, [](Real c) { return c >= 0; });
  v("x", p.x, kFraction);
}};

const auto kProcessLines = fields::Obj{[](auto& v, auto& s) {
  auto& lines = s.procLines;
  v("last", lines.ProcIndex, fields::Int{0, 10});
  v("count", lines.ProcCount, fields::Int{0, 10});
  const Scope sc = sessionScope(s.main, false);
  v("lines", lines, fields::Tuple{10, [sc](auto& v, auto& lines) {
                                    for (int r = 1; r <= 10; ++r)
                                      v(r - 1, lines, fields::Obj{[r, sc](auto& v, auto& lines) {
                                          linePoints(v, lines.ProcS[r], lines.ProcT[r], sc);
                                        }});
                                  }});
}};

// A row of the results table, or with last set the process window's last
// computed process (unnumbered; before any computation without a substance
// and all zero).
auto resultRow(bool last) {
  return fields::Obj{[last](auto& v, auto& r) {
    v("substance", r.substance, fields::Text{SubstanceName{last}});
    v("model", r.model, kModels, 3);
    const bool unset = r.substance.empty();
    const Scope sc = rowScope(r.substance);
    v("number", r.number, fields::Int{last ? 0 : 1, kMaxNumber});
    v("process", r.procKind, kProcesses);
    v("start", r.start, shownValues(sc, unset));
    v("end", r.end, shownValues(sc, unset));
    v("Q", r.Q, spanIn(kHeat, sc));
    v("L", r.L, spanIn(kHeat, sc));
  }};
}

// The process window as it was left. What was typed may lie anywhere
// (before a substance is chosen nothing is refused): every use checks it
// first, and so do the values shown from it.
const auto kIdealProcess = fields::Obj{[](auto& v, auto& s) {
  auto& c = s.process;
  auto kept = c.kept();
  v("process", c.ProcKind, kProcesses);
  v("kinds", fields::refs(c.Kind1, c.Kind2, c.Kind3), fields::Each{kParams});
  v("entries", c.entries, fields::Each{fields::Text{}});
  v("typed", kept.typed, fields::Each{kTyped});
  v("values", fields::refs(c.Value1, c.Value2, c.Value3), fields::Each{kTyped});
  v("shownStart", c.ShownStart, fields::Each{kTyped});
  v("shownEnd", c.ShownEnd, fields::Each{kTyped});
  v("carried", c.Carried, fields::Flag{});
  // A carried start is the next computation's start: a sound state of the
  // chosen substance by its model.
  const bool strict = c.Carried && s.main.chosen;
  v("start", c.StartPt, state(strict ? sessionScope(s.main, true) : kAny, !strict));
  v("end", c.EndPt, state(kAny, true));
  v("Q", c.ProcQ, spanIn(kHeat, kAny));
  v("L", c.ProcL, spanIn(kHeat, kAny));
  v("dd", c.DeltaD, spanIn(proc::kDensity, kAny));
  v("di", c.DeltaI, spanIn(proc::kEnthalpy, kAny));
  v("ds", c.DeltaS, spanIn(proc::kEntropy, kAny));
  v("pairRefused", c.PairRefused, kRefusals);
  v("tableCount", c.TableCount, fields::Int{0, kMaxNumber});
  // Each read-only field: null when empty, else its decimals and the value
  // it shows (an echo of a typed value or a computed one).
  v("fields", c, fields::Tuple{proc::kFieldCount, [](auto& v, auto& c) {
                   for (int k = 0; k < proc::kFieldCount; ++k)
                     v(k, c,
                       fields::OrNull{fields::Tuple{2,
                                                    [k](auto& v, auto& c) {
                                                      v(0, c.FieldDecimals[k], fields::Int{2, 4});
                                                      v(1, c.FieldValues[k], kTyped);
                                                    }},
                                      [k](const auto& c) { return c.FieldDecimals[k] == 0; }});
                 }});
  v("limitKinds", c.LimitKinds, fields::Each{kLimitKinds});
  v("hasResult", kept.hasResult, fields::Flag{});
  v("lastResult", kept.result, resultRow(true));
  v.apply(s, [&kept](Session& s) {
    s.process.Units = s.main.units;
    s.process.restore(kept, s.main.chosenEos(), notifier());
  });
}};

// The real-process window's data as last read: as typed, any finite
// number (each use checks it first).
const auto kDeviceData = fields::Obj{[](auto& v, auto& d) {
  v("device", d.kind, kDevices);
  v("given", d.given, kGivens);
  v("P2", d.P2, kTyped);
  v("eta", d.eta, kTyped);
  v("T2", d.T2, kTyped);
  v("Q", d.Q, kTyped);
  v("Tr", d.Tr, kTyped);
  v("T0", d.T0, kTyped);
}};

// What a device computed and a row of its table both hold: the states,
// work, heat, entropy generated, exergy destroyed and the ambient.
template <class V, class R>
void deviceOutcome(V& v, R& r, Scope sc, bool unsetOk) {
  v("inlet", r.inlet, state(sc, unsetOk));
  v("outlet", r.outlet, state(sc, unsetOk));
  v("ideal", r.ideal, state(sc, unsetOk));
  v("L", r.L, spanIn(kHeat, sc));
  v("Q", r.Q, spanIn(kHeat, sc));
  v("sgen", r.sgen, kTyped);
  v("exergy", r.exergy, kTyped);
  v("T0", r.T0, kTyped);
}

// A device computed: its states up to the hottest outlet.
auto deviceResult(Scope sc, bool unsetOk) {
  return fields::Obj{[sc, unsetOk](auto& v, auto& r) {
    v("status", r.status, kDeviceStatuses);
    v("state", r.state, kSolveStatuses);
    deviceOutcome(v, r, sc, unsetOk);
  }};
}

// A device's line on the diagram: its inlet and outlet (s, T) and the
// ideal line's points.
auto deviceLine(Scope sc) {
  return fields::Obj{[sc](auto& v, auto& l) {
    v("in", l, fields::Tuple{2, [sc](auto& v, auto& l) {
                               v(0, l.inS, kindIn(proc::kEntropy, sc));
                               v(1, l.inT, kindIn(proc::kTemperature, sc));
                             }});
    v("out", l, fields::Tuple{2, [sc](auto& v, auto& l) {
                                v(0, l.outS, kindIn(proc::kEntropy, sc));
                                v(1, l.outT, kindIn(proc::kTemperature, sc));
                              }});
    linePoints(v, l.S, l.T, sc);
  }};
}

// The real-process window as it was left, with its lines on the diagram.
const auto kRealProcesses = fields::Obj{[](auto& v, auto& s) {
  auto& c = s.devices;
  auto kept = c.kept();
  v("device", c.Kind, kDevices);
  v("kinds", fields::refs(c.Kind1, c.Kind2), fields::Each{kParams});
  v("given", c.Given, kGivens);
  v("entries", c.entries, fields::Each{fields::Text{}});
  v("carried", c.Carried, fields::Flag{});
  // A carried inlet is the next computation's inlet: a sound state of the
  // chosen substance by its model.
  const bool strict = c.Carried && s.main.chosen;
  v("inlet", c.Inlet, state(strict ? sessionScope(s.main, true, true) : kAnyDevice, !strict));
  v("tableCount", c.TableCount, fields::Int{0, kMaxNumber});
  v("hasResult", kept.hasResult, fields::Flag{});
  v("inletShown", kept.inletShown, fields::Flag{});
  v("data", kept.data, kDeviceData);
  v("result", c.Result, deviceResult(kAnyDevice, true));
  v("lines", s.deviceLines.lines,
    fields::Rows{deviceLine(sessionScope(s.main, false, true)), diagram::DeviceStore::kCapacity});
  v.apply(s, [&kept](Session& s) {
    s.devices.Units = s.main.units;
    s.devices.restore(kept, s.main.chosenEos(), notifier());
  });
}};

// A row of the real-process table.
const auto kDeviceRow = fields::Obj{[](auto& v, auto& r) {
  v("substance", r.substance, fields::Text{SubstanceName{}});
  v("model", r.model, kModels, 3);
  const Scope sc = rowScope(r.substance, true);
  v("number", r.number, fields::Int{1, kMaxNumber});
  v("device", r.kind, kDevices);
  v("eta", r.eta, kTyped);
  deviceOutcome(v, r, sc, false);
}};

// A cycle's data as the window holds them, any finite numbers (each use
// checks them first).
const auto kCycleData = fields::Obj{[](auto& v, auto& d) {
  v("Plow", d.Plow, kTyped);
  v("Phigh", d.Phigh, kTyped);
  v("T1", d.T1, kTyped);
  v("etaT", d.etaT, kTyped);
  v("dT", d.dT, kTyped);
  v("leak", d.leak, kTyped);
  v("Tpre", d.Tpre, kTyped);
  v("xe", d.xe, kTyped);
  v("T3", d.T3, kTyped);
  v("etaS", d.etaS, kTyped);
  v("T0", d.T0, kTyped);
}};

// The cycle chosen, whether it is drawn, the data of each; the cycle chosen
// is solved again, and a cycle that its data do not make shows its reason
// in the window.
const auto kCycleWork = fields::Obj{[](auto& v, auto& s) {
  v("cycle", s.cycles.kind, kCycles);
  v("onDiagram", s.cycles.onDiagram, fields::Flag{});
  v("data", s.cycles.data, fields::Each{kCycleData});
  v.apply(s, [](Session& s) {
    if (s.main.chosen) s.cycles.solve(&s.main.eos(), nullptr, notifier());
  });
}};

// The whole work, with the version each section came with.
const auto kWork = [](auto& v, auto& s) {
  v("diagram", s.main, kDiagram);
  v("view", s.view, kView, 3);
  v("points", s.points, fields::Rows{kPoint});
  v("processLines", s, kProcessLines);
  v("idealResults", s.results, fields::Rows{resultRow(false)});
  v("idealProcess", s, kIdealProcess);
  v("realProcesses", s, kRealProcesses, 2);
  v("realResults", s.deviceResults, fields::Rows{kDeviceRow}, 2);
  v("cycles", s, kCycleWork, 2);
};

bool looksLikeWorkFile(const QByteArray& bytes) { return bytes.contains(kWorkFileFormat); }

}  // namespace

bool isWorkFilePath(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String(kWorkFileSuffix), Qt::CaseInsensitive) == 0;
}

QByteArray workFileBytes(const Session& s) {
  fields::Writer w;
  kWork(w, s);
  w.object[QLatin1String("format")] = QLatin1String(kWorkFileFormat);
  w.object[QLatin1String("version")] = kWorkFileVersion;
  return QJsonDocument(w.object).toJson(QJsonDocument::Indented);
}

QStringList savedValues(const Session& s) {
  QStringList out;
  fields::Lister list(QString(), out);
  kWork(list, s);
  return out;
}

bool readWorkFile(const QByteArray& bytes, Session& into, WorkError& error) {
  if (!fields::parsedFitsMemory(bytes)) {
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
    const fields::Field root(doc.object(), QString());
    const QJsonValue format = doc.object().value(QLatin1String("format"));
    if (!format.isString() || format.toString() != QLatin1String(kWorkFileFormat)) refuse(WorkFault::NotWorkFile, {});
    fields::refuseDuplicateKeys(bytes);
    const fields::Field version = root.at("version");
    const double v = doc.object().value(QLatin1String("version")).toDouble(-1);
    if (!(v >= 1 && v == std::floor(v))) version.bad();
    if (v > kWorkFileVersion) refuse(WorkFault::Newer, QString::number(v));

    Session& s = *fresh;
    fields::Reader::object(root, int(v), s, kWork, {"format", "version"});
    // Version 1 has no real processes and no cycles: they open empty, the
    // cycles at the substance's defaults. Older versions open with the
    // cubic model and the whole T-s diagram.
    if (v < 2) {
      s.devices.Units = s.main.units;
      s.devices.setSubstance(s.main.chosenEos(), notifier());
      if (s.main.chosen) {
        s.cycles.reset(&s.main.eos());
        s.cycles.solve(&s.main.eos(), nullptr, notifier());
      }
    }
    if (s.main.chosen) {
      // The lines from substance and limits, as the main window computes them.
      if (!libraryGuarded([&] { ComputeAll(s.lines, lineInputs(s.main), {}); }))
        refuse(WorkFault::OutOfRange, QCoreApplication::translate("WorkFile", "диаграмма не рассчитывается"));
      s.linesRevision = 1;
    }
  } catch (const fields::Refusal& r) {
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
