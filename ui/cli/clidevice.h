#pragma once
// One real device computed from the command line, for teachers preparing
// tables:
//   entrograf --device KIND SUBSTANCE [--model srk|reference] --p1 P --t1 T --p2 P [--eta E] [--t2 T]
//             [--heat Q] [--tr T] [--t0 T]
// KIND: compressor, compressor-isothermal, expander, throttle, exchanger.
// Prints one JSON object on standard output:
//   {"model": "srk"|"reference", "inlet": STATE, "outlet": STATE, "ideal_outlet": STATE, "work": L,
//    "heat": Q, "sgen": s, "exergy_destroyed": e, "T0": T0}
// STATE = {"T", "P", "d", "h", "s", "x"} in the library's units (x the liquid
// fraction). A refused input prints its reason on standard error and exits
// with 2. No window and no display.

#include <QString>
#include <QStringList>
#include <string>

#include "core/process/device.h"

#include "thermo/model.h"
#include "thermo/substances.h"
#include "ui/cli/cliout.h"
#include "ui/services/language.h"

namespace app {

struct DeviceRequest : ModelCall {
  tfs::Real P1 = 0, T1 = 0;
  proc::DeviceData data;
};

inline constexpr int kDeviceRefused = 2;

// True when the arguments ask for a device.
bool isDeviceCall(int argc, char** argv);

// Reads the arguments after the program's name; false with the reason.
bool parseDeviceArgs(const QStringList& args, DeviceRequest& req, QString& error);

// The device's JSON object by the model of kind (one line, no newline).
std::string deviceJson(const proc::DeviceResult& r, tfs::ModelKind kind = tfs::ModelKind::Cubic);

// Computes the request: 0 and the JSON, or kDeviceRefused and the reason.
int runDevice(const DeviceRequest& req, std::string& json, QString& error);

// The whole headless program.
int deviceMain(int argc, char** argv, Language lang);

}  // namespace app
