#pragma once
// Every line of the T-s diagram, computed into the diagram data store.
// Plain C++: the main window calls it, the tests call it directly.

#include <functional>
#include <string>

#include "core/base/units.h"
#include "thermo/model.h"
#include "thermo/real.h"

namespace app {

using tfs::Real;

// Isobar pressures, MPa.
inline constexpr Real IsobarP[11] = {0.05L, 0.1L, 0.25L, 0.5L, 1, 2.5L, 5, 10, 25, 50, 100};
// Pressures at which the isenthalps are evaluated, MPa. Entries equal to an
// IsobarP entry are written with the same literal, so they compare equal.
inline constexpr Real PressureGrid[20] = {0.05L, 0.1L, 0.16L, 0.25L, 0.35L, 0.5L, 0.7L, 1,  1.6L, 2.5L,
                                          3.5L,  5,    7,     10,    16,    25,   35,   50, 70,   100};

struct LineInputs {
  std::string name;  // substance identifier
  int subst = 0;     // substance index
  tfs::ModelKind model = tfs::ModelKind::Cubic;
  const tfs::Model& eos() const { return tfs::model(subst, model); }
  Real Tmin = 0, Tmax = 0, lnTmin = 0, lnTmax = 0;
  int firstIsobar = 0, lastIsobar = 10;
  // The units the diagram is shown in: the isenthalps take round values of
  // them (per kilogram, or per mole).
  Units units = Units::Specific;
};

// A stored temperature of 0 marks an absent point.
struct DiagramStore {
  bool domeComputed = false;
  Real DomeT[11] = {};
  Real DomeSL[11] = {}, DomeSV[11] = {};
  Real IsoT[11][21] = {}, IsoS[11][21] = {};
  Real IsoTmelt[11] = {};
  Real IsoSatTV[11] = {}, IsoSatSV[11] = {}, IsoSatTL[11] = {}, IsoSatSL[11] = {};
  Real GridTmelt[20] = {}, GridHmelt[20] = {};
  int GridFirst = 0;
  Real HValue[11] = {};  // the isenthalps' enthalpies, kJ/kg
  Real HT[11][21] = {}, HS[11][21] = {};
  int HCount = -1;  // number of isenthalps minus one; -1: none
  Real HStep = 0;   // the step of their values in the units shown (kJ/kg or J/mol)
  Real Smin = 0, Smax = 0;
  Real SLFirst = 0, SVFirst = 0;
  Real hMin = 0, hMax = 0;
  Real PtrL = 0;
};

// Progress positions 0..100 for the main window's bar.
using Progress = std::function<void(int)>;

void ComputeDome(DiagramStore& st, const LineInputs& in, const Progress& progress);
void ComputeIsobars(DiagramStore& st, const LineInputs& in, const Progress& progress);
void ComputeLowIsobars(DiagramStore& st, const LineInputs& in, const Progress& progress);
void ComputeIsenthalps(DiagramStore& st, const LineInputs& in, const Progress& progress);

// The whole sequence: dome, 25, isobars, low isobars, 60, isenthalps, 100.
// The store is started afresh.
void ComputeAll(DiagramStore& st, const LineInputs& in, const Progress& progress);

}  // namespace app
