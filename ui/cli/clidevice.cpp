#include "ui/cli/clidevice.h"

#include <QCoreApplication>
#include <cstdio>
#include <map>

#include "core/base/libguard.h"
#include "core/process/ranges.h"
#include "thermo/substances.h"
#include "ui/cli/cliout.h"
#include "ui/services/messages.h"

namespace app {

namespace {

const char* const kOption = "--device";

QString usage() {
  return QCoreApplication::translate("Device", "расчет реального устройства:\n"
      "  entrograf --device ВИД ВЕЩЕСТВО [--model srk|reference] --p1 P --t1 T --p2 P [--eta E] [--t2 T] [--heat Q]\n"
      "            [--tr T] [--t0 T]\n"
      "  ВИД: compressor, compressor-isothermal, expander, throttle, exchanger\n"
      "  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air");
}

// The kinds in the order of proc::Device.
const QStringList& kinds() {
  static const QStringList k = {QStringLiteral("compressor"), QStringLiteral("compressor-isothermal"),
                                QStringLiteral("expander"), QStringLiteral("throttle"), QStringLiteral("exchanger")};
  return k;
}

std::string state(const proc::ProcPoint& p) {
  return "{\"T\": " + jsonNumber(p.T) + ", \"P\": " + jsonNumber(p.P) + ", \"d\": " + jsonNumber(p.d) + ", \"h\": " +
         jsonNumber(p.i) + ", \"s\": " + jsonNumber(p.s) + ", \"x\": " + jsonNumber(p.x) + "}";
}

}  // namespace

bool isDeviceCall(int argc, char** argv) { return hasOption(argc, argv, kOption); }

bool parseDeviceArgs(const QStringList& arguments, DeviceRequest& req, QString& error) {
  DeviceRequest r;
  int kind = 0;
  QStringList rest;
  if (!readKindCall(arguments, kOption, kinds(),
                    QCoreApplication::translate("Device", "не указаны вид устройства и вещество\n") + usage(),
                    QCoreApplication::translate("Device", "неизвестное устройство \""), kind, r, rest, error))
    return false;
  r.data.kind = proc::Device(kind);

  // The options each kind takes.
  const proc::Device k = r.data.kind;
  const bool exchanger = k == proc::Device::Exchanger;
  const bool eta = k == proc::Device::Compressor || k == proc::Device::IsothermalCompressor || k == proc::Device::Expander;
  const std::map<QString, bool> applies = {{QStringLiteral("--p1"), true},     {QStringLiteral("--t1"), true},
                                           {QStringLiteral("--p2"), true},     {QStringLiteral("--t0"), true},
                                           {QStringLiteral("--eta"), eta},     {QStringLiteral("--t2"), exchanger},
                                           {QStringLiteral("--heat"), exchanger}, {QStringLiteral("--tr"), exchanger}};
  std::map<QString, tfs::Real> given;
  if (!readNumberOptions(rest, applies, usage(),
                         QCoreApplication::translate("Device", " не относится к устройству ") + kinds()[kind], given,
                         error))
    return false;
  auto need = [&](const char* opt) {
    if (given.count(QLatin1String(opt))) return true;
    error = QCoreApplication::translate("Device", "не указан ") + QLatin1String(opt) + QStringLiteral("\n") + usage();
    return false;
  };
  if (!need("--p1") || !need("--t1")) return false;
  r.P1 = given[QStringLiteral("--p1")];
  r.T1 = given[QStringLiteral("--t1")];
  if (!exchanger) {
    if (!need("--p2")) return false;
    r.data.P2 = given[QStringLiteral("--p2")];
  } else {
    const bool byT = given.count(QStringLiteral("--t2")), byQ = given.count(QStringLiteral("--heat"));
    if (byT == byQ) {
      error = QCoreApplication::translate("Device", "теплообменнику нужен либо --t2, либо --heat");
      return false;
    }
    if (given.count(QStringLiteral("--p2")) && given[QStringLiteral("--p2")] != r.P1) {
      error = QCoreApplication::translate("Device", "теплообменник работает при постоянном давлении: --p2 должно равняться --p1");
      return false;
    }
    r.data.P2 = r.P1;
    r.data.given = byT ? proc::ExchangerGiven::OutletTemperature : proc::ExchangerGiven::Heat;
    if (byT) r.data.T2 = given[QStringLiteral("--t2")];
    if (byQ) r.data.Q = given[QStringLiteral("--heat")];
  }
  if (given.count(QStringLiteral("--eta"))) r.data.eta = given[QStringLiteral("--eta")];
  r.data.T0 = given.count(QStringLiteral("--t0")) ? given[QStringLiteral("--t0")] : 300;
  r.data.Tr = given.count(QStringLiteral("--tr")) ? given[QStringLiteral("--tr")] : r.data.T0;
  req = r;
  return true;
}

std::string deviceJson(const proc::DeviceResult& r, tfs::ModelKind kind) {
  return "{\"model\": \"" + std::string(modelName(kind)) + "\", \"inlet\": " + state(r.inlet) + ", \"outlet\": " + state(r.outlet) + ", \"ideal_outlet\": " +
         state(r.ideal) + ", \"work\": " + jsonNumber(r.L) + ", \"heat\": " + jsonNumber(r.Q) + ", \"sgen\": " +
         jsonNumber(r.sgen) + ", \"exergy_destroyed\": " + jsonNumber(r.exergy) + ", \"T0\": " + jsonNumber(r.T0) + "}";
}

int runDevice(const DeviceRequest& req, std::string& json, QString& error) {
  const tfs::Model& m = req.eos();
  // The typed values within the window's ranges first: the library never
  // sees a value it cannot even write in its messages.
  proc::Ranges ranges;
  if (!libraryGuarded([&] { ranges = proc::admissibleRanges(m); })) {
    error = QCoreApplication::translate("Device", "состояние на входе не рассчитывается !");
    return kDeviceRefused;
  }
  const bool exchanger = req.data.kind == proc::Device::Exchanger;
  const proc::Range outletT{m.limits().Ttr, proc::OutletTmax(m)};
  const struct {
    const char* option;
    int kind;
    tfs::Real value;
    const proc::Range& range;
    bool given;
  } checks[] = {{"--p1", proc::kPressure, req.P1, ranges[proc::kPressure], true},
                {"--t1", proc::kTemperature, req.T1, ranges[proc::kTemperature], true},
                {"--p2", proc::kPressure, req.data.P2, ranges[proc::kPressure], !exchanger},
                {"--t2", proc::kTemperature, req.data.T2, outletT,
                 exchanger && req.data.given == proc::ExchangerGiven::OutletTemperature}};
  for (const auto& c : checks)
    if (c.given && !c.range.holds(c.value)) {
      error = QLatin1String(c.option) + QStringLiteral(": ") + QString::fromStdString(proc::rangeMessage(c.kind, c.range));
      return kDeviceRefused;
    }
  proc::ProcPoint in;
  proc::SolveStatus st = proc::SolveStatus::Solved;
  const bool ok = libraryGuarded([&] { st = proc::SolvePair(m, proc::kPressure, proc::kTemperature, req.P1, req.T1, in); });
  if (!ok || st != proc::SolveStatus::Solved) {
    error = ok ? QString::fromStdString(proc::refusalMessage(st, m, QCoreApplication::translate("Device", "Состояние на входе").toStdString()))
               : QCoreApplication::translate("Device", "состояние на входе не рассчитывается !");
    return kDeviceRefused;
  }
  const proc::DeviceResult r = proc::computeDevice(m, in, req.data);
  if (!r.library.empty()) notifier()(r.library);
  if (r.status != proc::DeviceStatus::Solved) {
    const std::string why = proc::deviceMessage(r, m, req.data);
    error = why.empty() ? QCoreApplication::translate("Device", "устройство при этих условиях не рассчитывается !") : QString::fromStdString(why);
    return kDeviceRefused;
  }
  json = deviceJson(r, req.model);
  return 0;
}

int deviceMain(int argc, char** argv, Language lang) {
  return jsonMain(argc, argv, lang, [](const QStringList& args, std::string& json, QString& error) {
    DeviceRequest req;
    return parseDeviceArgs(args, req, error) ? runDevice(req, json, error) : kDeviceRefused;
  });
}

}  // namespace app
