// Work files by their field tables: every structure saved and opened equal
// to the last bit (both models, every diagram kind, zoomed views); files of
// versions 1 and 2, as those programs wrote them, opening with their
// meaning; every value of every enum stored by a name of its own; names
// and views the program does not know refused naming the field.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <set>

#include "ui/files/workfile.h"
#include "workfile_support.h"

namespace {

using app::Session;
using app::WorkFault;
using diagram::kinds::Kind;

QByteArray fixture(const char* name) {
  QFile f(QStringLiteral(ENTROGRAF_SOURCE_DIR "/") + QLatin1String(name));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
  return f.readAll();
}

std::unique_ptr<Session> opened(const QByteArray& bytes) {
  auto s = std::make_unique<Session>();
  app::WorkError e;
  EXPECT_TRUE(app::readWorkFile(bytes, *s, e)) << e.detail.toStdString();
  return s;
}

// The first saved value in which two sessions differ; empty when none does.
std::string difference(const Session& a, const Session& b) {
  const QStringList x = app::savedValues(a), y = app::savedValues(b);
  for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i)
    if (x[i] != y[i]) return (x[i] + QStringLiteral("  /  ") + y[i]).toStdString();
  return x.size() == y.size() ? std::string() : "a different number of values";
}

// The JSON value at a path of names and indices.
QJsonValue at(const QByteArray& bytes, const QStringList& path) {
  QJsonValue v = QJsonDocument::fromJson(bytes).object();
  for (const QString& k : path) {
    bool index = false;
    const int i = k.toInt(&index);
    v = index ? v.toArray().at(i) : v.toObject().value(k);
  }
  return v;
}

// Nitrogen's work with the reference model, seen on a zoomed p-h diagram.
std::unique_ptr<Session> referenceWork() {
  auto s = testing_support::nitrogenWork();
  s->main.model = tfs::ModelKind::Reference;
  // The reference equation's triple point (63.151 K) lies above the cubic
  // model's lowest limit.
  s->main = app::withLimits(s->main, 65, s->main.Tmax);
  s->view = {Kind::PH, true, -120.5, 700.25, 0.05, 20, true, true, true};
  return s;
}

TEST(WorkFields, EveryStructureSavedAndOpenedEqualToTheLastBit) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<Session>()> make;
    QStringList shows;  // values the list of saved values holds
  };
  const Case cases[] = {
      {"nothing chosen, per mole, h-s",
       [] {
         auto s = std::make_unique<Session>();
         s->main.units = app::Units::Molar;
         s->view.kind = Kind::HS;
         return s;
       },
       {"diagram.substance = null", "view.kind = hs", "diagram.units = molar"}},
      {"nitrogen by the cubic model", testing_support::nitrogenWork,
       {"diagram.model = srk", "view.zoomed = false", "realProcesses.device = expander", "cycles.cycle = claude"}},
      {"nitrogen by the reference model on a zoomed p-h diagram", referenceWork,
       {"diagram.model = reference", "view.kind = ph", "view.zoomed = true", "view.xLo = -0xf.1p+3", "view.legend = true"}},
      {"a zoomed h-s diagram below zero enthalpy",
       [] {
         auto s = testing_support::nitrogenWork();
         s->view = {Kind::HS, true, 2.5, 6.125, -150, -0.5, false, true, false};
         return s;
       },
       {"view.kind = hs", "view.yHi = -0x8p-4", "view.inversion = true"}},
      {"a work of version 2", [] { return opened(fixture("tests/ui/files/data/nitrogen-work-v2.entrograf")); },
       {"realProcesses.result.status = heatUphill"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::unique_ptr<Session> work = c.make();
    const QByteArray bytes = app::workFileBytes(*work);
    const std::unique_ptr<Session> back = opened(bytes);
    EXPECT_EQ(difference(*work, *back), "");
    EXPECT_EQ(app::workFileBytes(*back), bytes);
    const QStringList values = app::savedValues(*back);
    for (const QString& v : c.shows) EXPECT_TRUE(values.contains(v)) << v.toStdString();
  }
}

// The files of versions 1 and 2 in tests/ui/files/data/ were written by
// those programs, the enums as integers: each keeps its meaning, and is
// saved again by name.
TEST(WorkFields, OlderVersionsOpenWithTheirMeaning) {
  struct Meaning {
    QStringList path;
    const char* name;
    std::function<bool(const Session&)> holds;
  };
  struct Case {
    const char* file;
    std::vector<Meaning> meanings;
  };
  using namespace proc;
  const Case cases[] = {
      {"tests/ui/files/data/nitrogen-work-v2.entrograf",
       {{{"realProcesses", "device"}, "expander", [](const Session& s) { return s.devices.Kind == Device::Expander; }},
        {{"realProcesses", "given"}, "heat", [](const Session& s) { return s.devices.Given == ExchangerGiven::Heat; }},
        {{"realProcesses", "kinds", "1"}, "s", [](const Session& s) { return s.devices.Kind2 == kEntropy; }},
        {{"realProcesses", "data", "device"}, "throttle",
         [](const Session& s) { return s.devices.data().kind == Device::Throttle; }},
        {{"realProcesses", "result", "status"}, "heatUphill",
         [](const Session& s) { return s.devices.Result.status == DeviceStatus::HeatUphill; }},
        {{"realProcesses", "result", "state"}, "pressureBelow",
         [](const Session& s) { return s.devices.Result.state == SolveStatus::PressureBelow; }},
        {{"realResults", "0", "device"}, "exchanger",
         [](const Session& s) { return s.deviceResults[0].kind == Device::Exchanger; }},
        {{"cycles", "cycle"}, "claude", [](const Session& s) { return s.cycles.kind == Cycle::Claude; }},
        {{"idealProcess", "process"}, "isochore", [](const Session& s) { return s.process.ProcKind == kIsochore; }},
        {{"idealProcess", "kinds", "2"}, "x", [](const Session& s) { return s.process.Kind3 == kDryness; }},
        {{"idealProcess", "limitKinds", "2"}, "P", [](const Session& s) { return s.process.LimitKinds[2] == kPressure; }},
        {{"idealProcess", "pairRefused"}, "end",
         [](const Session& s) { return s.process.PairRefused == PairRefusal::End; }},
        {{"idealResults", "3", "process"}, "isenthalp", [](const Session& s) { return s.results[3].procKind == kIsenthalp; }},
        {{"idealResults", "4", "process"}, "isentrope", [](const Session& s) { return s.results[4].procKind == kIsentrope; }},
        {{"diagram", "model"}, "srk", [](const Session& s) { return s.main.model == tfs::ModelKind::Cubic; }},
        {{"view", "kind"}, "ts", [](const Session& s) { return s.view.kind == Kind::TS && !s.view.zoomed; }}}},
      {"tests/ui/files/data/nitrogen-v1.entrograf",
       {{{"idealResults", "0", "process"}, "isotherm", [](const Session& s) { return s.results[0].procKind == kIsotherm; }},
        {{"idealResults", "2", "process"}, "isenthalp", [](const Session& s) { return s.results[2].procKind == kIsenthalp; }},
        {{"idealProcess", "process"}, "isobar", [](const Session& s) { return s.process.ProcKind == kIsobar; }},
        {{"idealProcess", "kinds", "1"}, "P", [](const Session& s) { return s.process.Kind2 == kPressure; }},
        {{"realProcesses", "result", "status"}, "noResult",
         [](const Session& s) { return s.devices.Result.status == DeviceStatus::NoResult; }},
        {{"cycles", "cycle"}, "linde", [](const Session& s) { return s.cycles.kind == Cycle::Linde; }},
        {{"diagram", "model"}, "srk", [](const Session& s) { return s.main.model == tfs::ModelKind::Cubic; }},
        {{"view", "kind"}, "ts", [](const Session& s) { return s.view.kind == Kind::TS && !s.view.zoomed; }}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::unique_ptr<Session> s = opened(fixture(c.file));
    const QByteArray again = app::workFileBytes(*s);
    for (const Meaning& m : c.meanings) {
      SCOPED_TRACE(m.name);
      EXPECT_TRUE(m.holds(*s));
      EXPECT_EQ(at(again, m.path), QJsonValue(QLatin1String(m.name)));
    }
    EXPECT_EQ(at(again, {"version"}).toInt(), app::kWorkFileVersion);
  }
}

// The sample of docs/ as the programs of version 2 and of this version
// wrote it opens to the same work.
TEST(WorkFields, SampleOfVersionTwoOpensAsTheSampleOfThisVersion) {
  const QByteArray now = fixture("docs/nitrogen.entrograf");
  EXPECT_EQ(at(now, {"version"}).toInt(), app::kWorkFileVersion);
  EXPECT_EQ(difference(*opened(fixture("tests/ui/files/data/nitrogen-v2.entrograf")), *opened(now)), "");
}

// Each value of every enum a work file holds is saved by a name of its own
// and opened as itself: reordering an enum changes no file's meaning.
TEST(WorkFields, EveryEnumValueRoundTripsByName) {
  struct EnumField {
    QStringList path;
    int first, last;
    std::function<void(Session&, int)> set;
    std::function<int(const Session&)> get;
  };
  using namespace proc;
  const EnumField enums[] = {
      {{"diagram", "model"}, 0, 1, [](Session& s, int i) { s.main.model = tfs::ModelKind(i); },
       [](const Session& s) { return int(s.main.model); }},
      {{"diagram", "scale"}, 0, 1, [](Session& s, int i) { s.main.scale = app::ScaleKind(i); },
       [](const Session& s) { return int(s.main.scale); }},
      {{"diagram", "units"}, 0, 1, [](Session& s, int i) { s.main.units = app::Units(i); },
       [](const Session& s) { return int(s.main.units); }},
      {{"view", "kind"}, 0, 2, [](Session& s, int i) { s.view.kind = Kind(i); },
       [](const Session& s) { return int(s.view.kind); }},
      {{"idealProcess", "pairRefused"}, 0, 2, [](Session& s, int i) { s.process.PairRefused = PairRefusal(i); },
       [](const Session& s) { return int(s.process.PairRefused); }},
      {{"idealProcess", "process"}, kIsotherm, kIsentrope, [](Session& s, int i) { s.process.ProcKind = i; },
       [](const Session& s) { return s.process.ProcKind; }},
      {{"idealResults", "0", "process"}, kIsotherm, kIsentrope, [](Session& s, int i) { s.results[0].procKind = i; },
       [](const Session& s) { return s.results[0].procKind; }},
      {{"idealProcess", "kinds", "0"}, 0, kParamCount - 1, [](Session& s, int i) { s.process.Kind1 = i; },
       [](const Session& s) { return s.process.Kind1; }},
      {{"idealProcess", "limitKinds", "0"}, -1, kParamCount - 1, [](Session& s, int i) { s.process.LimitKinds[0] = i; },
       [](const Session& s) { return s.process.LimitKinds[0]; }},
      {{"realProcesses", "device"}, 0, kDeviceCount - 1, [](Session& s, int i) { s.devices.Kind = Device(i); },
       [](const Session& s) { return int(s.devices.Kind); }},
      {{"realResults", "0", "device"}, 0, kDeviceCount - 1, [](Session& s, int i) { s.deviceResults[0].kind = Device(i); },
       [](const Session& s) { return int(s.deviceResults[0].kind); }},
      {{"realProcesses", "given"}, 0, 1, [](Session& s, int i) { s.devices.Given = ExchangerGiven(i); },
       [](const Session& s) { return int(s.devices.Given); }},
      {{"realProcesses", "result", "status"}, 0, int(DeviceStatus::NoResult),
       [](Session& s, int i) { s.devices.Result.status = DeviceStatus(i); },
       [](const Session& s) { return int(s.devices.Result.status); }},
      {{"realProcesses", "result", "state"}, 0, int(SolveStatus::TooDense),
       [](Session& s, int i) { s.devices.Result.state = SolveStatus(i); },
       [](const Session& s) { return int(s.devices.Result.state); }},
      {{"cycles", "cycle"}, 0, kCycleCount - 1, [](Session& s, int i) { s.cycles.kind = Cycle(i); },
       [](const Session& s) { return int(s.cycles.kind); }},
  };
  // Limits within both models' ranges, so the model can be either.
  const std::unique_ptr<Session> base = testing_support::nitrogenWork();
  base->main = app::withLimits(base->main, 65, base->main.Tmax);
  for (const EnumField& e : enums) {
    SCOPED_TRACE(e.path.join(u'.').toStdString());
    std::set<QString> names;
    for (int i = e.first; i <= e.last; ++i) {
      SCOPED_TRACE(i);
      auto s = std::make_unique<Session>(*base);
      e.set(*s, i);
      const QByteArray bytes = app::workFileBytes(*s);
      const QJsonValue name = at(bytes, e.path);
      EXPECT_TRUE(name.isString() && !name.toString().isEmpty());
      names.insert(name.toString());
      EXPECT_EQ(e.get(*opened(bytes)), i);
    }
    EXPECT_EQ(int(names.size()), e.last - e.first + 1);
  }
}

// What the program does not know is refused naming the field: a name of
// an enum, an enum as a number, a zoomed region out of order, a region not
// a double; a carried start beyond the range of the file's model.
TEST(WorkFields, UnknownNamesAndViewsAreRefusedByField) {
  struct Case {
    const char* what;
    std::function<void(QJsonObject&)> spoil;
    WorkFault fault;
    const char* detail;
  };
  auto set = [](QStringList path, QJsonValue v) {
    return [path, v](QJsonObject& o) {
      std::function<QJsonValue(QJsonValue, int)> put = [&](QJsonValue node, int k) -> QJsonValue {
        if (k == path.size()) return v;
        bool index = false;
        const int i = path[k].toInt(&index);
        if (index) {
          QJsonArray a = node.toArray();
          a[i] = put(a[i], k + 1);
          return a;
        }
        QJsonObject n = node.toObject();
        n[path[k]] = put(n[path[k]], k + 1);
        return n;
      };
      o = put(o, 0).toObject();
    };
  };
  const Case cases[] = {
      {"an unknown device", set({"realProcesses", "device"}, "pump"), WorkFault::Damaged,
       "неверное значение realProcesses.device"},
      {"an unknown model", set({"diagram", "model"}, "peng-robinson"), WorkFault::Damaged,
       "неверное значение diagram.model"},
      {"an unknown diagram kind", set({"view", "kind"}, "pv"), WorkFault::Damaged, "неверное значение view.kind"},
      {"an unknown process of a row", set({"idealResults", "3", "process"}, "isotherm2"), WorkFault::Damaged,
       "неверное значение idealResults[3].process"},
      {"a status as its old number", set({"realProcesses", "result", "status"}, 8), WorkFault::Damaged,
       "неверное значение realProcesses.result.status"},
      {"no view", [](QJsonObject& o) { o.remove(QStringLiteral("view")); }, WorkFault::Damaged, "нет раздела view"},
      {"a region upside down", set({"view", "yHi"}, 0.01), WorkFault::OutOfRange, "view.yHi = 0.01"},
      {"a pressure of zero on a p-h diagram", set({"view", "yLo"}, 0), WorkFault::OutOfRange, "view.yLo = 0"},
      {"a region not a double", set({"view", "xLo"}, QJsonArray{-120.5, 1e-15}), WorkFault::Damaged,
       "неверное значение view.xLo"},
      {"a carried start at 800 K by the cubic model",
       [&](QJsonObject& o) {
         set({"diagram", "model"}, "srk")(o);
         set({"idealProcess", "start", "T"}, 800)(o);
       },
       WorkFault::OutOfRange, "idealProcess.start.T = 800"},
      {"a carried start at 800 K by the reference model", set({"idealProcess", "start", "T"}, 800), WorkFault::None, ""},
      // The diagram's limits as the main window takes them for the model:
      // nitrogen up to 1000 K by its reference equation, 700 K by the cubic.
      {"Tmax 1000 K by the reference model", set({"diagram", "Tmax"}, 1000), WorkFault::None, ""},
      {"Tmax 1000 K by the cubic model",
       [&](QJsonObject& o) {
         set({"diagram", "model"}, "srk")(o);
         set({"diagram", "Tmax"}, 1000)(o);
       },
       WorkFault::OutOfRange, "diagram.Tmax = 1000"},
      {"Tmin at the cubic model's triple point by the reference model", set({"diagram", "Tmin"}, 63.1501),
       WorkFault::OutOfRange, "diagram.Tmin = 63.1501"},
  };
  const QByteArray good = app::workFileBytes(*referenceWork());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QJsonObject o = QJsonDocument::fromJson(good).object();
    c.spoil(o);
    Session s;
    app::WorkError e;
    EXPECT_EQ(app::readWorkFile(QJsonDocument(o).toJson(), s, e), c.fault == WorkFault::None);
    EXPECT_EQ(e.fault, c.fault);
    EXPECT_EQ(e.detail, QString::fromUtf8(c.detail));
  }
}

}  // namespace
