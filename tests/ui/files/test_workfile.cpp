// Work files: a session saved and opened again equal to the last bit; every
// kind of bad file refused with the open session untouched; the work of any
// substance accepted; the sample in docs/.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstring>
#include <functional>

#include "gui_test_support.h"
#include "model_support.h"
#include "ui/files/keeper.h"
#include "ui/files/workfile.h"
#include "workfile_support.h"

namespace {

using app::WorkFault;
using tfs::Real;

bool same(Real a, Real b) { return std::memcmp(&a, &b, 10) == 0; }

template <class T, std::size_t N>
bool same(const T (&a)[N], const T (&b)[N]) {
  for (std::size_t i = 0; i < N; ++i)
    if (!same(a[i], b[i])) return false;
  return true;
}

bool same(const proc::ProcPoint& a, const proc::ProcPoint& b) {
  return same(a.T, b.T) && same(a.P, b.P) && same(a.d, b.d) && same(a.i, b.i) && same(a.s, b.s) && same(a.x, b.x);
}

bool same(const proc::ResultRow& a, const proc::ResultRow& b) {
  return a.number == b.number && a.substance == b.substance && a.procKind == b.procKind && same(a.start, b.start) &&
         same(a.end, b.end) && same(a.Q, b.Q) && same(a.L, b.L);
}

// Every value of two sessions, bit for bit (the diagram lines too).
void expectSame(const app::Session& a, const app::Session& b) {
  const app::AppState &x = a.main, &y = b.main;
  EXPECT_EQ(x.subst, y.subst);
  EXPECT_EQ(x.name, y.name);
  EXPECT_EQ(x.chosen, y.chosen);
  EXPECT_TRUE(same(x.Tmin, y.Tmin) && same(x.Tmax, y.Tmax) && same(x.lnTmin, y.lnTmin) && same(x.lnTmax, y.lnTmax));
  EXPECT_EQ(x.firstIsobar, y.firstIsobar);
  EXPECT_EQ(x.lastIsobar, y.lastIsobar);
  EXPECT_EQ(x.scale, y.scale);
  EXPECT_EQ(x.units, y.units);
  EXPECT_EQ(std::memcmp(&a.lines, &b.lines, sizeof a.lines), 0) << "diagram lines";
  ASSERT_EQ(a.points.size(), b.points.size());
  for (std::size_t i = 0; i < a.points.size(); ++i) {
    const app::PointRow &p = a.points[i], &q = b.points[i];
    EXPECT_TRUE(p.substance == q.substance && same(p.T, q.T) && same(p.P, q.P) && same(p.d, q.d) && same(p.h, q.h) &&
                same(p.s, q.s) && same(p.Cp, q.Cp) && same(p.x, q.x))
        << "point " << i;
  }
  EXPECT_TRUE(same(a.procLines.ProcS, b.procLines.ProcS));
  EXPECT_TRUE(same(a.procLines.ProcT, b.procLines.ProcT));
  EXPECT_EQ(a.procLines.ProcIndex, b.procLines.ProcIndex);
  EXPECT_EQ(a.procLines.ProcCount, b.procLines.ProcCount);
  ASSERT_EQ(a.results.size(), b.results.size());
  for (std::size_t i = 0; i < a.results.size(); ++i) EXPECT_TRUE(same(a.results[i], b.results[i])) << "row " << i;

  const proc::Calculator &c = a.process, &d = b.process;
  EXPECT_EQ(c.ProcKind, d.ProcKind);
  EXPECT_EQ(std::tie(c.Kind1, c.Kind2, c.Kind3), std::tie(d.Kind1, d.Kind2, d.Kind3));
  EXPECT_TRUE(same(c.Value1, d.Value1) && same(c.Value2, d.Value2) && same(c.Value3, d.Value3));
  EXPECT_TRUE(same(c.StartPt, d.StartPt));
  EXPECT_TRUE(same(c.EndPt, d.EndPt));
  EXPECT_TRUE(same(c.ShownStart, d.ShownStart) && same(c.ShownEnd, d.ShownEnd));
  EXPECT_TRUE(same(c.ProcQ, d.ProcQ) && same(c.ProcL, d.ProcL) && same(c.DeltaD, d.DeltaD) &&
              same(c.DeltaI, d.DeltaI) && same(c.DeltaS, d.DeltaS));
  EXPECT_EQ(c.PairRefused, d.PairRefused);
  EXPECT_EQ(c.Carried, d.Carried);
  EXPECT_EQ(c.TableCount, d.TableCount);
  EXPECT_EQ(c.entries, d.entries);
  EXPECT_EQ(c.fields, d.fields);
  EXPECT_EQ(c.limits, d.limits);
  EXPECT_EQ(c.FieldDecimals, d.FieldDecimals);
  for (int f = 0; f < proc::kFieldCount; ++f) EXPECT_TRUE(same(c.FieldValues[f], d.FieldValues[f])) << f;
  EXPECT_EQ(c.LimitKinds, d.LimitKinds);
  EXPECT_EQ(c.Units, d.Units);
  EXPECT_EQ(c.hasResult(), d.hasResult());
  EXPECT_TRUE(same(c.kept().result, d.kept().result));
  for (int e = 0; e < 3; ++e) EXPECT_TRUE(same(c.kept().typed[e], d.kept().typed[e])) << e;

  // The real processes: the window's state, its lines, its rows.
  const proc::DeviceCalculator &u = a.devices, &v = b.devices;
  EXPECT_EQ(std::tie(u.Kind, u.Kind1, u.Kind2, u.Given, u.Carried, u.TableCount, u.Units),
            std::tie(v.Kind, v.Kind1, v.Kind2, v.Given, v.Carried, v.TableCount, v.Units));
  EXPECT_TRUE(same(u.Inlet, v.Inlet));
  EXPECT_EQ(u.entries, v.entries);
  EXPECT_EQ(u.states, v.states);
  EXPECT_EQ(u.results, v.results);
  EXPECT_EQ(u.limits, v.limits);
  EXPECT_EQ(u.hasResult(), v.hasResult());
  const proc::DeviceResult &r = u.Result, &q = v.Result;
  EXPECT_TRUE(r.status == q.status && r.state == q.state && same(r.inlet, q.inlet) && same(r.outlet, q.outlet) &&
              same(r.ideal, q.ideal) && same(r.L, q.L) && same(r.Q, q.Q) && same(r.sgen, q.sgen) &&
              same(r.exergy, q.exergy) && same(r.T0, q.T0));
  const proc::DeviceData &dd = u.data(), &de = v.data();
  EXPECT_TRUE(dd.kind == de.kind && dd.given == de.given && same(dd.P2, de.P2) && same(dd.eta, de.eta) &&
              same(dd.T2, de.T2) && same(dd.Q, de.Q) && same(dd.Tr, de.Tr) && same(dd.T0, de.T0));
  ASSERT_EQ(a.deviceLines.lines.size(), b.deviceLines.lines.size());
  for (std::size_t i = 0; i < a.deviceLines.lines.size(); ++i) {
    const diagram::DeviceLine &l = a.deviceLines.lines[i], &m = b.deviceLines.lines[i];
    EXPECT_TRUE(same(l.inS, m.inS) && same(l.inT, m.inT) && same(l.outS, m.outS) && same(l.outT, m.outT) &&
                same(l.S, m.S) && same(l.T, m.T))
        << "device line " << i;
  }
  ASSERT_EQ(a.deviceResults.size(), b.deviceResults.size());
  for (std::size_t i = 0; i < a.deviceResults.size(); ++i) {
    const proc::DeviceRow &x1 = a.deviceResults[i], &x2 = b.deviceResults[i];
    EXPECT_TRUE(x1.number == x2.number && x1.substance == x2.substance && x1.kind == x2.kind && same(x1.eta, x2.eta) &&
                same(x1.inlet, x2.inlet) && same(x1.outlet, x2.outlet) && same(x1.ideal, x2.ideal) &&
                same(x1.L, x2.L) && same(x1.Q, x2.Q) && same(x1.sgen, x2.sgen) && same(x1.exergy, x2.exergy) &&
                same(x1.T0, x2.T0))
        << "real row " << i;
  }

  // The cycles: data, what is drawn, the cycle solved again the same.
  const proc::CycleWork &w = a.cycles, &z = b.cycles;
  EXPECT_EQ(w.kind, z.kind);
  EXPECT_EQ(w.onDiagram, z.onDiagram);
  for (int k = 0; k < proc::kCycleCount; ++k) {
    const proc::CycleData &p = w.data[k], &t = z.data[k];
    EXPECT_TRUE(same(p.Plow, t.Plow) && same(p.Phigh, t.Phigh) && same(p.T1, t.T1) && same(p.etaT, t.etaT) &&
                same(p.dT, t.dT) && same(p.leak, t.leak) && same(p.Tpre, t.Tpre) && same(p.xe, t.xe) &&
                same(p.T3, t.T3) && same(p.etaS, t.etaS) && same(p.T0, t.T0))
        << "cycle data " << k;
  }
  EXPECT_EQ(w.result.status, z.result.status);
  EXPECT_TRUE(same(w.result.y, z.result.y) && same(w.result.Wf, z.result.Wf));
  ASSERT_EQ(w.lines.paths.size(), z.lines.paths.size());
  for (std::size_t i = 0; i < w.lines.paths.size(); ++i)
    EXPECT_TRUE(w.lines.paths[i].S == z.lines.paths[i].S && w.lines.paths[i].T == z.lines.paths[i].T) << i;
}

std::unique_ptr<app::Session> nitrogenWork() {
  auto s = testing_support::nitrogenWork();
  EXPECT_EQ(s->points.size(), 12u);
  EXPECT_EQ(s->results.size(), 8u);
  EXPECT_EQ(s->procLines.ProcCount, 8);
  EXPECT_TRUE(s->process.Carried);
  EXPECT_EQ(s->deviceResults.size(), 1u);
  EXPECT_EQ(s->deviceLines.lines.size(), 1u);
  EXPECT_TRUE(s->devices.Carried);
  EXPECT_TRUE(s->devices.hasResult());
  EXPECT_GT(s->deviceResults[0].outlet.T, 600);  // above nitrogen's 600 K of the ideal-gas functions
  EXPECT_TRUE(s->cycles.result.liquid());
  EXPECT_FALSE(s->cycles.lines.empty());
  return s;
}

TEST(WorkFile, SavedAndOpenedEqualToTheLastBit) {
  const std::unique_ptr<app::Session> work = nitrogenWork();
  const QByteArray bytes = app::workFileBytes(*work);
  auto back = std::make_unique<app::Session>();
  app::WorkError error;
  ASSERT_TRUE(app::readWorkFile(bytes, *back, error)) << error.detail.toStdString();
  expectSame(*work, *back);
  // Written again, the same bytes.
  EXPECT_EQ(app::workFileBytes(*back), bytes);
  // Through a file on disk too.
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("n2.entrograf"));
  ASSERT_TRUE(app::saveWorkFile(*work, path, error));
  auto fromDisk = std::make_unique<app::Session>();
  ASSERT_TRUE(app::openWorkFile(path, *fromDisk, error));
  expectSame(*work, *fromDisk);
}

// A real takes the shortest exact form: a number when the double is exact,
// a pair [hi, lo] below, a hexadecimal text where no double can hold it.
TEST(WorkFile, RealsInTheirShortestExactForm) {
  struct Case {
    Real value;
    QJsonValue::Type form;
  };
  const Case cases[] = {{300, QJsonValue::Double},          {0.1L, QJsonValue::Array},
                        {Real(0.1), QJsonValue::Double},     {1 / 3.0L, QJsonValue::Array},
                        {-0.0L, QJsonValue::String},         {1e4000L, QJsonValue::String},
                        {-2.5e-4000L, QJsonValue::String},   {-77.3549999999999999L, QJsonValue::Array}};
  for (const Case& c : cases) {
    SCOPED_TRACE(double(c.value));
    auto s = std::make_unique<app::Session>();
    s->process.typeEntry(proc::kEntry1, "1");
    s->process.leaveEntry(proc::kEntry1);
    proc::Calculator::Kept k = s->process.kept();
    k.typed[0] = c.value;
    s->process.restore(k, {});
    const QByteArray bytes = app::workFileBytes(*s);
    const QJsonValue typed = QJsonDocument::fromJson(bytes)["idealProcess"]["typed"][0];
    EXPECT_EQ(typed.type(), c.form);
    auto back = std::make_unique<app::Session>();
    app::WorkError error;
    ASSERT_TRUE(app::readWorkFile(bytes, *back, error)) << error.detail.toStdString();
    EXPECT_TRUE(same(back->process.kept().typed[0], c.value));
  }
}

// The work of any substance, states picked all over its diagram and
// processes of every kind, is accepted again: the checks refuse no value a
// student can produce.
TEST(WorkFile, EverySubstancesWorkOpensAgain) {
  for (int n = 1; n <= tfs::kSubstCount; ++n) {
    SCOPED_TRACE(tfs::SubstName[n]);
    auto s = std::make_unique<app::Session>();
    testing_support::choose(*s, tfs::SubstName[n], n == 1 ? 50 : 500);
    s->process.setSubstance(&eos(s->main.name));
    EXPECT_GE(testing_support::pickPoints(*s, 300), 250);
    EXPECT_GE(testing_support::addProcesses(*s, 25), 20);
    auto back = std::make_unique<app::Session>();
    app::WorkError error;
    ASSERT_TRUE(app::readWorkFile(app::workFileBytes(*s), *back, error)) << error.detail.toStdString();
    EXPECT_EQ(back->points.size(), s->points.size());
    EXPECT_EQ(back->results.size(), s->results.size());
  }
  testing_support::recorder().texts.clear();
}

QJsonObject json(const QByteArray& bytes) { return QJsonDocument::fromJson(bytes).object(); }
QByteArray bytesOf(const QJsonObject& o) { return QJsonDocument(o).toJson(); }

// Sets a value at a path of object names and array indices.
void put(QJsonObject& root, const QStringList& path, const QJsonValue& v) {
  std::function<QJsonValue(QJsonValue, int)> at = [&](QJsonValue node, int k) -> QJsonValue {
    if (k == path.size()) return v;
    bool index = false;
    const int i = path[k].toInt(&index);
    if (index) {
      QJsonArray a = node.toArray();
      a[i] = at(a[i], k + 1);
      return a;
    }
    QJsonObject o = node.toObject();
    o[path[k]] = at(o[path[k]], k + 1);
    return o;
  };
  root = at(root, 0).toObject();
}

struct BadFile {
  const char* what;
  std::function<QByteArray(const QByteArray&)> spoil;
  WorkFault fault;
};

QByteArray changed(const QByteArray& good, const QStringList& path, const QJsonValue& v) {
  QJsonObject o = json(good);
  put(o, path, v);
  return bytesOf(o);
}

// A file of tests/ui/files/data/: work files as the program of version 2
// wrote them.
QByteArray fixture(const char* name) {
  QFile f(QStringLiteral(ENTROGRAF_SOURCE_DIR "/tests/ui/files/data/") + QLatin1String(name));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
  return f.readAll();
}
QByteArray version2() { return fixture("nitrogen-work-v2.entrograf"); }

const BadFile kBadFiles[] = {
    {"a picture", [](const QByteArray&) { return QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16); },
     WorkFault::NotWorkFile},
    {"empty", [](const QByteArray&) { return QByteArray(); }, WorkFault::NotWorkFile},
    {"another JSON", [](const QByteArray&) { return QByteArray(R"({"format": "другой", "version": 1})"); },
     WorkFault::NotWorkFile},
    {"cut short", [](const QByteArray& g) { return g.left(g.size() / 2); }, WorkFault::Damaged},
    {"newer", [](const QByteArray& g) { return changed(g, {"version"}, app::kWorkFileVersion + 1); }, WorkFault::Newer},
    {"version as text", [](const QByteArray& g) { return changed(g, {"version"}, "1"); }, WorkFault::Damaged},
    {"unknown section",
     [](const QByteArray& g) {
       QJsonObject o = json(g);
       o["plots"] = QJsonArray();
       return bytesOf(o);
     },
     WorkFault::Damaged},
    {"the cycles in a version 1 file", [](const QByteArray& g) { return changed(g, {"version"}, 1); },
     WorkFault::Damaged},
    {"no cycles in version 2",
     [](const QByteArray& g) {
       QJsonObject o = json(g);
       o.remove("cycles");
       return bytesOf(o);
     },
     WorkFault::Damaged},
    {"a cycle of kind 3", [](const QByteArray&) { return changed(version2(), {"cycles", "cycle"}, 3); },
     WorkFault::OutOfRange},
    {"a cycle's pressure as text", [](const QByteArray& g) { return changed(g, {"cycles", "data", "2", "Phigh"}, "20"); },
     WorkFault::Damaged},
    {"two cycles' data", [](const QByteArray& g) { return changed(g, {"cycles", "data"}, QJsonArray{1, 2}); },
     WorkFault::Damaged},
    {"a device of kind 9", [](const QByteArray&) { return changed(version2(), {"realProcesses", "device"}, 9); },
     WorkFault::OutOfRange},
    {"a carried inlet at 5000 K",
     [](const QByteArray& g) { return changed(g, {"realProcesses", "inlet", "T"}, 5000); }, WorkFault::OutOfRange},
    {"a device line at 5000 K",
     [](const QByteArray& g) { return changed(g, {"realProcesses", "lines", "0", "T", "4"}, 5000); },
     WorkFault::OutOfRange},
    {"eleven device lines",
     [](const QByteArray& g) {
       QJsonObject o = json(g);
       QJsonArray lines = o["realProcesses"].toObject()["lines"].toArray();
       while (lines.size() < 11) lines.append(lines[0]);
       put(o, {"realProcesses", "lines"}, lines);
       return bytesOf(o);
     },
     WorkFault::OutOfRange},
    {"a real row of an unknown substance",
     [](const QByteArray& g) { return changed(g, {"realResults", "0", "substance"}, "Kr"); },
     WorkFault::UnknownSubstance},
    {"a real row's outlet above the pressure ceiling",
     [](const QByteArray& g) { return changed(g, {"realResults", "0", "outlet", "P"}, 500); },
     WorkFault::OutOfRange},
    {"a real row without its work",
     [](const QByteArray& g) {
       QJsonObject o = json(g);
       QJsonObject row = o["realResults"].toArray()[0].toObject();
       row.remove("L");
       put(o, {"realResults", "0"}, row);
       return bytesOf(o);
     },
     WorkFault::Damaged},
    {"section missing",
     [](const QByteArray& g) {
       QJsonObject o = json(g);
       o.remove("points");
       return bytesOf(o);
     },
     WorkFault::Damaged},
    {"unknown substance", [](const QByteArray& g) { return changed(g, {"diagram", "substance"}, "Xe"); },
     WorkFault::UnknownSubstance},
    {"point of an unknown substance", [](const QByteArray& g) { return changed(g, {"points", "0", "substance"}, "H2O"); },
     WorkFault::UnknownSubstance},
    {"Tmax above the highest temperature of the cubic model", [](const QByteArray& g) { return changed(g, {"diagram", "Tmax"}, 1001); },
     WorkFault::OutOfRange},
    {"Tmin below the triple point", [](const QByteArray& g) { return changed(g, {"diagram", "Tmin"}, 50); },
     WorkFault::OutOfRange},
    {"a point at 1e6 K", [](const QByteArray& g) { return changed(g, {"points", "1", "T"}, 1e6); },
     WorkFault::OutOfRange},
    {"a point above the pressure ceiling", [](const QByteArray& g) { return changed(g, {"points", "1", "P"}, 1000); },
     WorkFault::OutOfRange},
    {"a negative density", [](const QByteArray& g) { return changed(g, {"points", "2", "d"}, -1); },
     WorkFault::OutOfRange},
    {"a temperature as text", [](const QByteArray& g) { return changed(g, {"points", "2", "T"}, "300"); },
     WorkFault::Damaged},
    {"a process line at 5000 K",
     [](const QByteArray& g) { return changed(g, {"processLines", "lines", "0", "T", "3"}, 5000); },
     WorkFault::OutOfRange},
    {"a process line of 15 points",
     [](const QByteArray& g) {
       QJsonObject o = json(g);
       QJsonArray t = o["processLines"].toObject()["lines"].toArray()[0].toObject()["T"].toArray();
       t.removeLast();
       put(o, {"processLines", "lines", "0", "T"}, t);
       return bytesOf(o);
     },
     WorkFault::Damaged},
    {"eleven process lines", [](const QByteArray& g) { return changed(g, {"processLines", "count"}, 11); },
     WorkFault::OutOfRange},
    {"a process of kind 7", [](const QByteArray&) { return changed(version2(), {"idealResults", "0", "process"}, 7); },
     WorkFault::OutOfRange},
    {"a row's heat beyond any process",
     [](const QByteArray& g) { return changed(g, {"idealResults", "1", "Q"}, 1e12); }, WorkFault::OutOfRange},
    {"a carried start above the pressure ceiling",
     [](const QByteArray& g) { return changed(g, {"idealProcess", "start", "P"}, 500); }, WorkFault::OutOfRange},
    {"a field with nine decimals",
     [](const QByteArray& g) { return changed(g, {"idealProcess", "fields", "0"}, QJsonArray{9, 300}); },
     WorkFault::OutOfRange},
    {"a kind beyond the lists", [](const QByteArray&) { return changed(version2(), {"idealProcess", "kinds", "2"}, 7); },
     WorkFault::OutOfRange},
    {"a broken pair", [](const QByteArray& g) { return changed(g, {"points", "0", "h"}, QJsonArray{1.0, 0.5}); },
     WorkFault::Damaged},
    {"a real as a word", [](const QByteArray& g) { return changed(g, {"points", "0", "s"}, "много"); },
     WorkFault::Damaged},
};

// Each bad file is refused with its message; the work open stays exactly as
// it was, in the session and in the windows.
TEST(WorkFile, BadFilesAreRefusedAndTheOpenWorkStays) {
  const QByteArray good = app::workFileBytes(*nitrogenWork());
  const QTemporaryDir dir;
  auto run = testing_support::startProgram();
  app::Session& s = run->session;
  testing_support::choose(s, "Ar");
  s.process.setSubstance(&eos("Ar"));
  testing_support::pickPoints(s, 3);
  testing_support::addProcesses(s, 2);
  s.touch();
  const QByteArray before = app::workFileBytes(s);
  const long changes = s.changes;
  for (const BadFile& b : kBadFiles) {
    SCOPED_TRACE(b.what);
    const QString path = dir.filePath(QString::fromUtf8(b.what) + QStringLiteral(".entrograf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b.spoil(good));
    f.close();
    app::WorkError error;
    auto into = std::make_unique<app::Session>();
    EXPECT_FALSE(app::openWorkFile(path, *into, error));
    EXPECT_EQ(error.fault, b.fault) << error.detail.toStdString();
    EXPECT_FALSE(into->main.chosen);
    testing_support::recorder().texts.clear();
    EXPECT_FALSE(run->program.Files->openFile(path));
    EXPECT_EQ(testing_support::recorder().texts, QStringList{app::workFileMessage(error, path)});
    EXPECT_EQ(app::workFileBytes(s), before);
    EXPECT_EQ(s.changes, changes);
  }
  EXPECT_EQ(run->program.Files->currentFile(), QString());
  // A file that does not exist.
  testing_support::recorder().texts.clear();
  EXPECT_FALSE(run->program.Files->openFile(dir.filePath(QStringLiteral("нет.entrograf"))));
  ASSERT_EQ(testing_support::recorder().texts.size(), 1);
  EXPECT_TRUE(testing_support::recorder().texts[0].startsWith(QStringLiteral("Файл не прочитан !\n")));
}

TEST(WorkFile, RefusalsSayWhatAndWhere) {
  const QString path = QStringLiteral("/tmp/a.entrograf");
  EXPECT_EQ(app::workFileMessage({WorkFault::Newer, {}}, path),
            QStringLiteral("Рабочий файл записан более новой версией программы !\n/tmp/a.entrograf"));
  EXPECT_EQ(app::workFileMessage({WorkFault::UnknownSubstance, QStringLiteral("Xe")}, path),
            QStringLiteral("Рабочее вещество \"Xe\" в программе не рассчитывается !\n/tmp/a.entrograf"));
  EXPECT_EQ(app::workFileMessage({WorkFault::OutOfRange, QStringLiteral("points[1].T = 1000000")}, path),
            QStringLiteral("Значение вне пределов расчета !\npoints[1].T = 1000000\n/tmp/a.entrograf"));
  const QByteArray good = app::workFileBytes(*nitrogenWork());
  app::WorkError e;
  app::Session s;
  EXPECT_FALSE(app::readWorkFile(changed(good, {"points", "1", "T"}, 1e6), s, e));
  EXPECT_EQ(e.detail, QStringLiteral("points[1].T = 1000000"));
  QJsonObject o = json(good);
  o["plots"] = QJsonArray();
  EXPECT_FALSE(app::readWorkFile(bytesOf(o), s, e));
  EXPECT_EQ(e.detail, QStringLiteral("неизвестный раздел plots"));
}

// A file of version 1, before real processes and cycles, opens with none
// of them: no device, no row, no line, the cycles at the substance's
// defaults and not drawn.
TEST(WorkFile, VersionOneOpensWithoutRealProcessesAndCycles) {
  QJsonObject o = json(version2());
  for (const char* section : {"realProcesses", "realResults", "cycles"}) o.remove(QLatin1String(section));
  o["version"] = 1;
  auto s = std::make_unique<app::Session>();
  app::WorkError e;
  ASSERT_TRUE(app::readWorkFile(bytesOf(o), *s, e)) << e.detail.toStdString();
  EXPECT_EQ(s->points.size(), 12u);
  EXPECT_TRUE(s->deviceResults.empty());
  EXPECT_TRUE(s->deviceLines.lines.empty());
  EXPECT_FALSE(s->devices.hasResult());
  EXPECT_FALSE(s->devices.Carried);
  EXPECT_EQ(s->devices.Units, app::Units::Molar);
  EXPECT_EQ(s->cycles.kind, proc::Cycle::Linde);
  EXPECT_FALSE(s->cycles.onDiagram);
  EXPECT_TRUE(s->cycles.current() == proc::defaultCycleData(eos("N2")));
  EXPECT_TRUE(s->cycles.result.liquid());
  // Saved again it is a file of this version.
  EXPECT_EQ(json(app::workFileBytes(*s))["version"].toInt(), app::kWorkFileVersion);
}

// The sample in docs/ opens: nitrogen, its points, and a closed cycle of
// four processes with their lines, whose heats and works balance as the
// first law demands: -Q = di + L summed over a cycle gives sum Q = -sum L.
TEST(WorkFile, SampleInDocsOpens) {
  auto s = std::make_unique<app::Session>();
  app::WorkError error;
  ASSERT_TRUE(app::openWorkFile(QStringLiteral(ENTROGRAF_SOURCE_DIR "/docs/nitrogen.entrograf"), *s, error))
      << error.detail.toStdString();
  EXPECT_EQ(s->main.name, "N2");
  EXPECT_GE(s->points.size(), 5u);
  ASSERT_EQ(s->results.size(), 4u);
  EXPECT_EQ(s->procLines.ProcCount, 4);
  Real Q = 0, L = 0, heat = 0;
  for (const proc::ResultRow& r : s->results) {
    Q += r.Q;
    L += r.L;
    heat += std::fabs(r.Q);
  }
  EXPECT_NEAR(double(Q + L), 0, 1e-9 * double(heat));
  EXPECT_EQ(s->results.front().start[proc::kTemperature], s->results.back().end[proc::kTemperature]);
  EXPECT_EQ(s->results.front().start[proc::kPressure], s->results.back().end[proc::kPressure]);
}

// The first lesson's work in docs/ opens with what the README says it holds:
// an isentrope (s kept, Q = 0, L = i1 - i2) and the Linde–Hampson cycle on
// the diagram, its yield the cold box's balance (i2 - i1)/(if - i1).
TEST(WorkFile, LessonInDocsOpens) {
  auto s = std::make_unique<app::Session>();
  app::WorkError error;
  ASSERT_TRUE(app::openWorkFile(QStringLiteral(ENTROGRAF_SOURCE_DIR "/docs/lesson.entrograf"), *s, error))
      << error.detail.toStdString();
  EXPECT_EQ(s->points.size(), 1u);
  ASSERT_EQ(s->results.size(), 1u);
  const proc::ResultRow& r = s->results.front();
  EXPECT_NEAR(double(r.end[proc::kEntropy]), double(r.start[proc::kEntropy]), 1e-9);
  EXPECT_EQ(r.Q, 0);
  EXPECT_NEAR(double(r.L), double(r.start[proc::kEnthalpy] - r.end[proc::kEnthalpy]), 1e-6);
  ASSERT_TRUE(s->cycles.onDiagram && s->cycles.result.liquid());
  EXPECT_FALSE(s->cycles.lines.paths.empty());
  const proc::CycleResult& c = s->cycles.result;
  const Real h1 = c.at(1)->p.i, h2 = c.at(2)->p.i, hf = c.at(5)->p.i;
  EXPECT_NEAR(double(c.y), double((h2 - h1) / (hf - h1)), 1e-9);
}

}  // namespace
