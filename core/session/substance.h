#pragma once
// The rules of a substance choice and of the diagram's temperature limits,
// shared by the main window, the headless export, the tests and the
// benchmarks.

#include <string>
#include <vector>

#include "core/lines/linegen.h"
#include "core/session/session.h"

namespace app {

// Substance name as used in the diagram title ("АЗОТА"), by index 1..11.
std::string SubstNameGen(int subst);
// Substance name as the list shows it ("Азот").
std::string listName(int subst);

// The working-substance heading of the process and cycles windows
// (" Рабочее вещество - Азот "); empty before a substance is chosen.
std::string substanceHeading(const AppState& st);

// The fact sheet of the main window, one text per line.
std::vector<std::string> factSheet(int subst);

// Lowest admissible diagram temperature: just above the triple point.
Real lowestTmin(int subst);

// The isobar range of the substance named in st: 0..10, helium up to
// 10 MPa (7), argon from 0.1 MPa (1), CO2 from 1 MPa (4).
void setIsobarRange(AppState& st);

// What choosing substance subst sets: Tmin just above the triple point,
// Tmax 350 K, their logarithms, the isobar range. The scale is kept.
AppState substanceChoice(const AppState& current, int subst);

// The limits of st with new values and their logarithms.
AppState withLimits(const AppState& st, Real Tmin, Real Tmax);

enum class LimitFault {
  None,
  TminBelowTriple,   // corrected to the lowest limit
  TminNotBelowTmax,  // refused
  TmaxTooHigh,       // above 500 K: refused
  TmaxBelowTriple,   // refused
  TmaxNotAboveTmin,  // refused
};

struct LimitCheck {
  LimitFault fault = LimitFault::None;
  Real value = 0;  // the limit to take (the corrected one after TminBelowTriple)
  bool refused() const { return fault != LimitFault::None && fault != LimitFault::TminBelowTriple; }
};

// A typed Tmin against the triple point and the current Tmax.
LimitCheck checkTmin(int subst, Real Tmin, Real Tmax);
// A typed Tmax against 500 K, the triple point and the current Tmin.
LimitCheck checkTmax(int subst, Real Tmin, Real Tmax);

// The main window's message of a fault.
std::string limitMessage(LimitFault fault);

// The line generation's inputs for st.
LineInputs lineInputs(const AppState& st);

}  // namespace app
