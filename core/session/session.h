#pragma once
// What one open diagram owns: the main window's state (substance, limits,
// scale), the computed lines, the process lines, the picked points, the
// process calculator and the rows of the results table; the same three for
// the real processes; the liquefaction cycle. Plain C++: main() creates one session and hands it to
// the windows by reference.

#include <functional>
#include <string>
#include <vector>

#include "core/base/units.h"
#include "core/lines/devicestore.h"
#include "core/lines/kinds.h"
#include "core/lines/linegen.h"
#include "core/lines/procstore.h"
#include "core/process/calculator.h"
#include "core/process/cycles.h"
#include "core/process/devicecalc.h"
#include "thermo/model.h"
#include "thermo/real.h"

namespace app {

using tfs::Real;

// The temperature axis of the diagram.
enum class ScaleKind { Logarithmic = 0, Linear = 1 };

// The main window's state: the chosen substance and property model, and the
// diagram's limits.
struct AppState {
  int subst = 4;            // substance index 1..11 ("Ne" preselected)
  std::string name = "Ne";  // its identifier
  tfs::ModelKind model = tfs::ModelKind::Cubic;  // the property model of every computation
  bool chosen = false;      // true once a substance has been chosen and computed
  Real Tmin = 0, Tmax = 0;  // diagram limits, K
  Real lnTmin = 0, lnTmax = 0;
  int firstIsobar = 0, lastIsobar = 10;
  ScaleKind scale = ScaleKind::Logarithmic;
  Units units = Units::Specific;  // of every value shown

  // The property model of the substance: every routine is called on it.
  const tfs::Model& eos() const { return tfs::model(subst, model); }
  // The same once a substance has been chosen, null before.
  const tfs::Model* chosenEos() const { return chosen ? &eos() : nullptr; }
};

// How the diagram is shown: its kind, the region when zoomed (in the kind's
// coordinates, per kilogram), and the lines drawn on request.
struct DiagramView {
  diagram::kinds::Kind kind = diagram::kinds::Kind::TS;
  bool zoomed = false;
  double xLo = 0, xHi = 0, yLo = 0, yHi = 0;  // the region shown when zoomed
  bool otherModel = false;  // the other model's dome and isobars, thin grey dashes
  bool inversion = false;   // the Joule–Thomson inversion curve
  bool legend = false;      // the legend of the lines
};

// A state picked on the diagram: the readout at the click.
struct PointRow {
  std::string substance;  // identifier
  Real T = 0, P = 0, d = 0, h = 0, s = 0, Cp = 0;
  Real x = 0;  // liquid fraction
  tfs::ModelKind model = tfs::ModelKind::Cubic;  // that computed it
};

// Told of each change of the student's work. It belongs to the session
// object, not to its contents: a session's contents replaced (a work file
// opened) keep the listener.
struct ChangeListener {
  std::function<void()> changed;
  ChangeListener() = default;
  ChangeListener(const ChangeListener&) {}
  ChangeListener& operator=(const ChangeListener&) { return *this; }
};

struct Session {
  AppState main;
  DiagramView view;
  DiagramStore lines;
  int linesRevision = 0;  // counts the computations of the lines
  diagram::ProcStore procLines;
  std::vector<PointRow> points;
  proc::Calculator process;
  std::vector<proc::ResultRow> results;
  // Real processes: their calculator, their lines on the diagram, the rows
  // of their results table.
  proc::DeviceCalculator devices;
  diagram::DeviceStore deviceLines;
  std::vector<proc::DeviceRow> deviceResults;
  // The liquefaction cycle: its data, what was solved, its lines.
  proc::CycleWork cycles;

  // The student's changes, counted, and the count when the work was last
  // saved or opened: a difference is work that no file holds yet.
  long changes = 0;
  long savedChanges = 0;
  ChangeListener listener;
  void touch() {
    ++changes;
    if (listener.changed) listener.changed();
  }
  bool modified() const { return changes != savedChanges; }
};

}  // namespace app
