#pragma once
// A liquefaction cycle computed from the command line:
//   entrograf --cycle KIND SUBSTANCE [--model srk|reference] [--plow P] [--phigh P] [--t1 T]
//             [--eta-t E] [--dt K] [--leak Q] [--tpre T] [--xe X] [--t3 T]
//             [--eta-s E] [--t0 T]
// KIND: linde, linde-precooled, claude; the defaults are the window's.
// Prints one JSON object on standard output:
//   {"model": "srk"|"reference", "states": [{"n", "T", "P", "h", "s", "x", "flow"}...], "yield": y,
//    "work_per_kg_compressed": W, "work_per_kg_liquid": Wf, "ideal_work": Wi,
//    "fom": FOM, "exergy_destroyed": {"<component>": value...}, "message": text}
// in the library's units (x the liquid fraction, the exergy per kg of
// liquid). Without liquid the yield is 0, work_per_kg_liquid and fom are
// null and the message says why (exit status 0). A refused input prints its
// reason on standard error and exits with 2. No window and no display.

#include <QString>
#include <QStringList>
#include <string>

#include "core/process/cycles.h"
#include "thermo/model.h"
#include "thermo/substances.h"
#include "ui/cli/cliout.h"
#include "ui/services/language.h"

namespace app {

struct CycleRequest : ModelCall {
  proc::Cycle kind = proc::Cycle::Linde;
  proc::CycleData data;
};

inline constexpr int kCycleRefused = 2;

// True when the arguments ask for a cycle.
bool isCycleCall(int argc, char** argv);

// Reads the arguments after the program's name; false with the reason.
bool parseCycleArgs(const QStringList& args, CycleRequest& req, QString& error);

// The cycle's JSON object by the model of kind (one line, no newline).
std::string cycleJson(const proc::CycleResult& r, tfs::ModelKind kind = tfs::ModelKind::Cubic);

// The whole headless program.
int cycleMain(int argc, char** argv, Language lang);

}  // namespace app
