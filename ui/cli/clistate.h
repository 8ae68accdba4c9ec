#pragma once
// A state and the saturation line from the command line, for teachers
// preparing tables and for checking:
//   entrograf --state SUBSTANCE [--model srk|reference] --t T --p P
//   entrograf --saturation SUBSTANCE [--model srk|reference] (--t T | --p P)
// A state takes any pair of parameters the process window admits, in either
// order: --t with --p or --x, --p with --h, --s or --x, --d with --t, --h
// with --s. The dryness --x is the vapour's share in percent, as the window
// takes it (0 saturated liquid, 100 saturated vapour). --state prints
//   {"model", "substance", "T", "P", "d", "h", "s", "cp", "quality"}
// with quality the vapour mass fraction (0 to 1) inside the dome and null
// outside it, and cp null inside it. --saturation at a temperature prints
//   {"model", "substance", "T", "P_bubble", "P_dew",
//    "liquid": {"d", "h", "s", "cp"}, "vapour": {"d", "h", "s", "cp"}}
// and at a pressure "P", "T_bubble", "T_dew" in place of "T", "P_bubble",
// "P_dew" (the two differ for air, equal for a pure fluid). Units of the
// library: K, MPa, kg/m3, kJ/kg, kJ/(kg K). The cubic model unless
// --model names the reference one. A refused input prints its reason on
// standard error and exits with 2. No window and no display.

#include <QList>
#include <QString>
#include <QStringList>
#include <string>

#include "core/process/solve.h"
#include "thermo/model.h"
#include "ui/cli/cliout.h"
#include "ui/services/language.h"

namespace app {

inline constexpr int kStateRefused = 2;

// A parameter as given: its option, its kind and its value as the process
// window takes it (a dryness in percent).
struct GivenParam {
  QString option;
  int kind = proc::kTemperature;
  tfs::Real value = 0;
};

struct StateRequest : ModelCall {
  QList<GivenParam> given;  // two, in the order of the command line
  int first = 0;            // the index in given of the pair's first kind as the window admits it
};

struct SaturationRequest : ModelCall {
  GivenParam given;  // the temperature or the pressure
};

// A computed state: the vapour's mass fraction only inside the dome (on its
// lines too when the dryness was given), cp only outside it.
struct StateResult {
  proc::ProcPoint p;
  bool hasCp = false;
  tfs::Real cp = 0;
  bool inDome = false;
  tfs::Real quality = 0;
};

// The arguments after the program's name; false with the reason.
bool parseStateArgs(const QStringList& args, StateRequest& req, QString& error);
bool parseSaturationArgs(const QStringList& args, SaturationRequest& req, QString& error);

// The state of a pair by model m (values as the window takes them): the
// solver's status, the state only when Solved.
proc::SolveStatus solveState(const tfs::Model& m, int first, int second, tfs::Real a, tfs::Real b, StateResult& r);

// Computes the request: 0 and the JSON (one line, no newline), or
// kStateRefused and the reason.
int runState(const StateRequest& req, std::string& json, QString& error);
int runSaturation(const SaturationRequest& req, std::string& json, QString& error);

// The whole headless programs.
int stateMain(int argc, char** argv, Language lang);
int saturationMain(int argc, char** argv, Language lang);

}  // namespace app
