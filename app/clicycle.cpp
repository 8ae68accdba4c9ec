#include "app/clicycle.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

#include "app/commode.h"
#include "app/libguard.h"
#include "app/messages.h"
#include "thermo/substances.h"

namespace app {

namespace {

const char* const kOption = "--cycle";

void printErr(const QString& text) {
  const QByteArray b = (QStringLiteral("entrograf: ") + text + u'\n').toUtf8();
  std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
  std::fflush(stderr);
}

// The library's messages on standard error, each different text once.
class StderrMessages : public MessageService {
 public:
  void show(const QString& text) override {
    if (seen_.contains(text)) return;
    seen_ << text;
    printErr(QString(text).replace(u'\r', u'\n'));
  }

 private:
  QStringList seen_;
};

QString usage() {
  return QStringLiteral(
      "расчет цикла ожижения:\n"
      "  entrograf --cycle ВИД ВЕЩЕСТВО [--plow P] [--phigh P] [--t1 T] [--eta-t E] [--dt K] [--leak Q]\n"
      "            [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]\n"
      "  ВИД: linde, linde-precooled, claude\n"
      "  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air");
}

const std::map<QString, proc::Cycle>& kinds() {
  static const std::map<QString, proc::Cycle> k = {{QStringLiteral("linde"), proc::Cycle::Linde},
                                                   {QStringLiteral("linde-precooled"), proc::Cycle::Precooled},
                                                   {QStringLiteral("claude"), proc::Cycle::Claude}};
  return k;
}

// A point or a comma as the decimal separator.
bool readNumber(const QString& text, tfs::Real& value) {
  QString t = text.trimmed();
  t.replace(u',', u'.');
  tfs::Real v = 0;
  if (t.isEmpty() || !standardConversion(t.toStdString(), v) || !std::isfinite(double(v))) return false;
  value = v;
  return true;
}

// Shortest text that reads back as the same double; never a comma.
std::string number(tfs::Real v) {
  const double d = double(v) == 0 ? 0.0 : double(v);
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, r.ptr);
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\', out += c;
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out + '"';
}

}  // namespace

bool isCycleCall(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], kOption) == 0) return true;
  return false;
}

bool parseCycleArgs(const QStringList& args, CycleRequest& req, QString& error) {
  const qsizetype at = args.indexOf(QLatin1String(kOption));
  if (at < 0 || at + 2 >= args.size() || args[at + 1].startsWith(u'-') || args[at + 2].startsWith(u'-')) {
    error = QStringLiteral("не указаны вид цикла и вещество\n") + usage();
    return false;
  }
  const auto kind = kinds().find(args[at + 1]);
  if (kind == kinds().end()) {
    error = QStringLiteral("неизвестный цикл \"") + args[at + 1] +
            QStringLiteral("\"; допустимы: linde, linde-precooled, claude");
    return false;
  }
  const int subst = tfs::substanceIndex(args[at + 2].toStdString());
  if (subst == 0) {
    error = QStringLiteral("неизвестное вещество \"") + args[at + 2] +
            QStringLiteral("\"; допустимы: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air");
    return false;
  }
  CycleRequest r;
  r.name = tfs::SubstName[subst];
  r.kind = kind->second;
  r.data = proc::defaultCycleData(r.name);
  const bool pre = r.kind == proc::Cycle::Precooled, claude = r.kind == proc::Cycle::Claude;
  struct Target {
    tfs::Real* value;
    bool applies;
  };
  proc::CycleData& d = r.data;
  const std::map<QString, Target> options = {
      {QStringLiteral("--plow"), {&d.Plow, true}},   {QStringLiteral("--phigh"), {&d.Phigh, true}},
      {QStringLiteral("--t1"), {&d.T1, true}},       {QStringLiteral("--eta-t"), {&d.etaT, true}},
      {QStringLiteral("--dt"), {&d.dT, true}},       {QStringLiteral("--leak"), {&d.leak, true}},
      {QStringLiteral("--t0"), {&d.T0, true}},       {QStringLiteral("--tpre"), {&d.Tpre, pre}},
      {QStringLiteral("--xe"), {&d.xe, claude}},     {QStringLiteral("--t3"), {&d.T3, claude}},
      {QStringLiteral("--eta-s"), {&d.etaS, claude}}};
  QStringList given;
  const QStringList rest = args.mid(0, at) + args.mid(at + 3);
  for (qsizetype i = 0; i < rest.size(); ++i) {
    const QString& opt = rest[i];
    const auto o = options.find(opt);
    if (o == options.end()) {
      error = QStringLiteral("непонятный аргумент \"") + opt + QStringLiteral("\"\n") + usage();
      return false;
    }
    if (!o->second.applies) {
      error = opt + QStringLiteral(" не относится к циклу ") + args[at + 1];
      return false;
    }
    if (given.contains(opt)) {
      error = opt + QStringLiteral(" указан дважды");
      return false;
    }
    if (i + 1 >= rest.size()) {
      error = QStringLiteral("после ") + opt + QStringLiteral(" нет значения");
      return false;
    }
    if (!readNumber(rest[++i], *o->second.value)) {
      error = opt + QStringLiteral(" \"") + rest[i] + QStringLiteral("\" - не число");
      return false;
    }
    given << opt;
  }
  // T0 is T1 unless given; a T0 given as 0 is no ambient at all.
  if (given.contains(QStringLiteral("--t0")) && !(d.T0 > 0)) {
    error = QStringLiteral("температура окружающей среды --t0 должна быть больше 0 K");
    return false;
  }
  req = r;
  return true;
}

std::string cycleJson(const proc::CycleResult& r) {
  std::string states;
  for (const proc::CycleState& s : r.states) {
    if (!states.empty()) states += ", ";
    states += "{\"n\": " + std::to_string(s.n) + ", \"T\": " + number(s.p.T) + ", \"P\": " + number(s.p.P) +
              ", \"h\": " + number(s.p.i) + ", \"s\": " + number(s.p.s) + ", \"x\": " + number(s.p.x) +
              ", \"flow\": " + number(s.flow) + "}";
  }
  std::string exergy;
  for (int k = 0; k < proc::kPartCount; ++k) {
    if (!r.hasPart[k]) continue;
    if (!exergy.empty()) exergy += ", ";
    exergy += std::string("\"") + proc::partKey(proc::Part(k)) + "\": " + number(r.exergy[k]);
  }
  const bool liquid = r.liquid();
  return "{\"states\": [" + states + "], \"yield\": " + number(r.y) + ", \"work_per_kg_compressed\": " +
         number(r.W) + ", \"work_per_kg_liquid\": " + (liquid ? number(r.Wf) : "null") +
         ", \"ideal_work\": " + number(r.Wi) + ", \"fom\": " + (liquid ? number(r.fom) : "null") +
         ", \"exergy_destroyed\": {" + exergy + "}, \"message\": " + quoted(r.message) + "}";
}

int cycleMain(int argc, char** argv) {
  QCoreApplication a(argc, argv);
  adoptLocaleSeparator();
  StderrMessages out;
  setMessageService(&out);
  installLibraryHandlers();
  QString error;
  CycleRequest req;
  std::string json;
  int rc = kCycleRefused;
  if (parseCycleArgs(QCoreApplication::arguments().mid(1), req, error)) {
    const proc::CycleResult r = proc::solveCycle(req.name, req.kind, req.data);
    if (r.shown()) {
      json = cycleJson(r) + '\n';
      rc = 0;
    } else {
      error = QString::fromStdString(r.message);
    }
  }
  if (rc == 0) {
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fflush(stdout);
  } else {
    printErr(error);
  }
  setMessageService(nullptr);
  return rc;
}

}  // namespace app
