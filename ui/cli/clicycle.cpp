#include "ui/cli/clicycle.h"

#include <QCoreApplication>
#include <cstdio>
#include <map>

#include "core/base/libguard.h"
#include "thermo/substances.h"
#include "ui/cli/cliout.h"
#include "ui/services/messages.h"

namespace app {

namespace {

const char* const kOption = "--cycle";

QString usage() {
  return QCoreApplication::translate("Cycle", "расчет цикла ожижения:\n"
      "  entrograf --cycle ВИД ВЕЩЕСТВО [--model srk|reference] [--plow P] [--phigh P] [--t1 T] [--eta-t E]\n"
      "            [--dt K] [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]\n"
      "  ВИД: linde, linde-precooled, claude\n"
      "  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air");
}

// The kinds in the order of proc::Cycle.
const QStringList& kinds() {
  static const QStringList k = {QStringLiteral("linde"), QStringLiteral("linde-precooled"), QStringLiteral("claude")};
  return k;
}

}  // namespace

bool isCycleCall(int argc, char** argv) { return hasOption(argc, argv, kOption); }

bool parseCycleArgs(const QStringList& arguments, CycleRequest& req, QString& error) {
  CycleRequest r;
  int kind = 0;
  QStringList rest;
  if (!readKindCall(arguments, kOption, kinds(),
                    QCoreApplication::translate("Cycle", "не указаны вид цикла и вещество\n") + usage(),
                    QCoreApplication::translate("Cycle", "неизвестный цикл \""), kind, r, rest, error))
    return false;
  r.kind = proc::Cycle(kind);
  r.data = proc::defaultCycleData(r.eos());
  const bool pre = r.kind == proc::Cycle::Precooled, claude = r.kind == proc::Cycle::Claude;
  proc::CycleData& d = r.data;
  const std::map<QString, std::pair<tfs::Real*, bool>> options = {
      {QStringLiteral("--plow"), {&d.Plow, true}},   {QStringLiteral("--phigh"), {&d.Phigh, true}},
      {QStringLiteral("--t1"), {&d.T1, true}},       {QStringLiteral("--eta-t"), {&d.etaT, true}},
      {QStringLiteral("--dt"), {&d.dT, true}},       {QStringLiteral("--leak"), {&d.leak, true}},
      {QStringLiteral("--t0"), {&d.T0, true}},       {QStringLiteral("--tpre"), {&d.Tpre, pre}},
      {QStringLiteral("--xe"), {&d.xe, claude}},     {QStringLiteral("--t3"), {&d.T3, claude}},
      {QStringLiteral("--eta-s"), {&d.etaS, claude}}};
  std::map<QString, bool> applies;
  for (const auto& [opt, target] : options) applies[opt] = target.second;
  std::map<QString, tfs::Real> given;
  if (!readNumberOptions(rest, applies, usage(),
                         QCoreApplication::translate("Cycle", " не относится к циклу ") + kinds()[kind], given, error))
    return false;
  for (const auto& [opt, value] : given) *options.at(opt).first = value;
  // T0 is T1 unless given; a T0 given as 0 is no ambient at all.
  if (given.count(QStringLiteral("--t0")) && !(d.T0 > 0)) {
    error = QCoreApplication::translate("Cycle", "температура окружающей среды --t0 должна быть больше 0 K");
    return false;
  }
  req = r;
  return true;
}

std::string cycleJson(const proc::CycleResult& r, tfs::ModelKind kind) {
  std::string states;
  for (const proc::CycleState& s : r.states) {
    if (!states.empty()) states += ", ";
    states += "{\"n\": " + std::to_string(s.n) + ", \"T\": " + jsonNumber(s.p.T) + ", \"P\": " + jsonNumber(s.p.P) +
              ", \"h\": " + jsonNumber(s.p.i) + ", \"s\": " + jsonNumber(s.p.s) + ", \"x\": " + jsonNumber(s.p.x) +
              ", \"flow\": " + jsonNumber(s.flow) + "}";
  }
  std::string exergy;
  for (int k = 0; k < proc::kPartCount; ++k) {
    if (!r.hasPart[k]) continue;
    if (!exergy.empty()) exergy += ", ";
    exergy += std::string("\"") + proc::partKey(proc::Part(k)) + "\": " + jsonNumber(r.exergy[k]);
  }
  const bool liquid = r.liquid();
  return "{\"model\": \"" + std::string(modelName(kind)) + "\", \"states\": [" + states + "], \"yield\": " + jsonNumber(r.y) + ", \"work_per_kg_compressed\": " +
         jsonNumber(r.W) + ", \"work_per_kg_liquid\": " + (liquid ? jsonNumber(r.Wf) : "null") +
         ", \"ideal_work\": " + jsonNumber(r.Wi) + ", \"fom\": " + (liquid ? jsonNumber(r.fom) : "null") +
         ", \"exergy_destroyed\": {" + exergy + "}, \"message\": " + jsonQuoted(r.message) + "}";
}

int cycleMain(int argc, char** argv, Language lang) {
  return jsonMain(argc, argv, lang, [](const QStringList& args, std::string& json, QString& error) {
    CycleRequest req;
    if (!parseCycleArgs(args, req, error)) return kCycleRefused;
    const proc::CycleResult r = proc::solveCycle(req.eos(), req.kind, req.data);
    if (!r.library.empty()) notifier()(r.library);
    if (!r.shown()) {
      error = QString::fromStdString(r.message);
      return kCycleRefused;
    }
    json = cycleJson(r, req.model);
    return 0;
  });
}

}  // namespace app
