#pragma once
// What the main window owns and every other window reads: the chosen
// substance, the diagram's temperature limits and the isobar range.

#include <string>

#include "app/linegen.h"
#include "thermo/real.h"

namespace app {

using tfs::Real;

struct AppState {
  int subst = 4;              // substance index 1..11 ("Ne" preselected)
  std::string name = "Ne";    // its identifier, passed to every property routine
  bool chosen = false;        // true once a substance has been chosen and computed
  Real Tmin = 0, Tmax = 0;    // diagram limits, K
  Real lnTmin = 0, lnTmax = 0;
  int firstIsobar = 0, lastIsobar = 10;
  int scaleKind = 0;          // 0 logarithmic, 1 linear temperature axis
};

AppState& state();

// The isobar range of the substance named in st: 0..10, helium up to
// 10 MPa (7), argon from 0.1 MPa (1), CO2 from 1 MPa (4).
void setIsobarRange(AppState& st);

// The line generation's inputs for st.
LineInputs lineInputs(const AppState& st);

}  // namespace app
