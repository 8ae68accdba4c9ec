#pragma once
// The rules of a substance choice and of the diagram's temperature limits,
// shared by the main window, the headless export, the tests and the
// benchmarks.

#include <string>
#include <vector>

#include "core/base/modelname.h"
#include "core/lines/linegen.h"
#include "core/session/session.h"

namespace app {

// Substance name as used in the diagram title ("АЗОТА"), by index 1..11.
std::string SubstNameGen(int subst);
// Substance name as the list shows it ("Азот").
std::string listName(int subst);

// The working-substance heading of the process and cycles windows
// (" Рабочее вещество - Азот  [ Кубическое уравнение (SRK) ] "); empty
// before a substance is chosen.
std::string substanceHeading(const AppState& st);

// The fact sheet of the main window by the model, one text per line: the
// model's molar mass, critical point, normal boiling point (the bubble
// point for air; the catalogue's sublimation point for CO2), triple point
// and highest Joule–Thomson inversion temperature.
std::vector<std::string> factSheet(const tfs::Model& m);
// By the cubic model.
std::vector<std::string> factSheet(int subst);

// Lowest admissible diagram temperature: just above the model's triple
// point (the cubic model's with a substance index).
Real lowestTmin(const tfs::Model& m);
Real lowestTmin(int subst);
// Highest admissible diagram temperature: the hottest state the model shows
// (the real-process window's outlets: 700 K or the cubic model's ideal-gas
// ceiling; 1000 K or the reference equation's own limit).
Real highestTmax(const tfs::Model& m);

// The isobar range of the substance named in st: 0..10, helium up to
// 10 MPa (7), argon from 0.1 MPa (1), CO2 from 1 MPa (4).
void setIsobarRange(AppState& st);

// What choosing substance subst sets: Tmin just above the triple point of
// the current model, Tmax 350 K, their logarithms, the isobar range. The
// scale and the model are kept.
AppState substanceChoice(const AppState& current, int subst);

// What choosing the model sets: the limits kept where the model admits
// them, a Tmin at the former model's lowest moved to the new one's, a Tmin
// below it raised, a Tmax above the model's highest lowered to it.
AppState modelChoice(const AppState& current, tfs::ModelKind kind);

// The limits of st with new values and their logarithms.
AppState withLimits(const AppState& st, Real Tmin, Real Tmax);

enum class LimitFault {
  None,
  TminBelowTriple,   // corrected to the lowest limit
  TminNotBelowTmax,  // refused
  TmaxTooHigh,       // above the model's highest temperature: refused
  TmaxBelowTriple,   // refused
  TmaxNotAboveTmin,  // refused
};

struct LimitCheck {
  LimitFault fault = LimitFault::None;
  Real value = 0;  // the limit to take (the corrected one after TminBelowTriple)
  bool refused() const { return fault != LimitFault::None && fault != LimitFault::TminBelowTriple; }
};

// A typed Tmin against the model's triple point and the current Tmax.
LimitCheck checkTmin(const tfs::Model& m, Real Tmin, Real Tmax);
// A typed Tmax against the model's highest temperature, its triple point
// and the current Tmin.
LimitCheck checkTmax(const tfs::Model& m, Real Tmin, Real Tmax);
// The same by the cubic model of substance subst.
LimitCheck checkTmin(int subst, Real Tmin, Real Tmax);
LimitCheck checkTmax(int subst, Real Tmin, Real Tmax);

// The main window's message of a fault.
std::string limitMessage(LimitFault fault);

// The line generation's inputs for st.
LineInputs lineInputs(const AppState& st);

}  // namespace app
