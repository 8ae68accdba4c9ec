#pragma once
// A student's work built with the program's own code, for the work-file
// tests, the benchmark and the sample in docs/: a substance chosen, states
// picked from its diagram, processes computed into the results table with
// their lines. Plain C++.

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "core/base/numfmt.h"
#include "core/diagram/cursor.h"
#include "core/diagram/readout.h"
#include "core/process/calculator.h"
#include "model_support.h"
#include "session_support.h"
#include "thermo/limits.h"
#include "thermo/substances.h"

namespace testing_support {

// Picks up to `count` states from a grid over the diagram, as clicks pick
// them: returns how many were picked.
inline int pickPoints(app::Session& s, int count) {
  const app::AppState& st = s.main;
  const diagram::Scale sc = diagram::cursorScale(s);
  const int side = std::max(4, int(std::ceil(std::sqrt(2.5 * count))));
  int picked = 0;
  for (int i = 0; i < side * side && picked < count; ++i) {
    const tfs::Real f = (i / side + tfs::Real(0.5)) / side, g = (i % side + tfs::Real(0.5)) / side;
    const tfs::Real T = sc.log ? std::exp(sc.lnTmin + f * (sc.lnTmax - sc.lnTmin)) : sc.Tmin + f * (sc.Tmax - sc.Tmin);
    const tfs::Real sv = sc.Smin + g * sc.Srange;
    const diagram::CursorState at = diagram::stateAt(st.eos(), T, sv, sc);
    if (!diagram::clickPicks(st, T, at)) continue;
    s.points.push_back({st.name, T, at.P, at.d, at.h, sv, at.Cp, at.x});
    ++picked;
  }
  return picked;
}

// The process entered in the calculator computed and, with line set,
// drawn, then written to the results table. False when it was refused.
inline bool tabulateProcess(app::Session& s, bool line) {
  proc::Calculator& c = s.process;
  const bool done = line ? c.draw(&s.main.eos(), s.procLines, {}) : c.compute(&s.main.eos(), {});
  proc::ResultRow row;
  if (!done || !c.tableRow(row, {})) return false;
  s.results.push_back(row);
  return true;
}

// One process as the window computes it, written to the results table and,
// with line set, drawn. False when the calculator refused it.
inline bool addProcess(app::Session& s, int procKind, int k1, const std::string& v1, int k2, const std::string& v2,
                       int k3, const std::string& v3, bool line) {
  proc::Calculator& c = s.process;
  c.chooseProcess(procKind);
  c.chooseKind1(k1);
  c.chooseKind2(k2, {});
  c.typeEntry(proc::kEntry1, v1);
  c.typeEntry(proc::kEntry2, v2);
  c.chooseKind3(k3, {});
  c.typeEntry(proc::kEntry3, v3);
  return tabulateProcess(s, line);
}

// The next process from the start carried over from the last end ("Конец =>
// Начало"), written to the results table and, with line set, drawn.
inline bool addCarriedProcess(app::Session& s, int procKind, int k3, const std::string& v3, bool line) {
  proc::Calculator& c = s.process;
  c.carry();
  c.chooseProcess(procKind);
  c.chooseKind3(k3, {});
  c.typeEntry(proc::kEntry3, v3);
  return tabulateProcess(s, line);
}

// `count` processes of every kind over the substance's states around its
// critical point, the first ten drawn: returns how many were computed.
inline int addProcesses(app::Session& s, int count) {
  const int n = s.main.subst;
  const tfs::Real Tc = tfs::Tcr[n], Pc = tfs::Pcr[n];
  auto text = [](tfs::Real v) { return app::format("%.6f", v); };
  int done = 0;
  for (int i = 0; done < count && i < 20 * count; ++i) {
    const int kind = i % 5;
    // Start temperatures from the triple point to twice the critical one,
    // pressures from a hundredth to twice the critical one.
    const tfs::Real T = tfs::Ttr[n] * 1.05L + (2 * Tc - tfs::Ttr[n]) * ((i * 7) % 23) / 23;
    const tfs::Real P = std::min(tfs::pressureCeiling(n), Pc * (0.01L + 2 * ((i * 5) % 17) / tfs::Real(17)));
    const tfs::Real k = 1.2L + ((i * 3) % 7) / tfs::Real(10);
    int k3 = proc::kPressure;
    tfs::Real v3 = P * k;
    if (kind == proc::kIsobar || kind == proc::kIsochore) {
      k3 = proc::kTemperature;
      v3 = T * k;
    } else if (kind == proc::kIsenthalp) {
      v3 = P / k;
    }
    if (addProcess(s, kind, proc::kTemperature, text(T), proc::kPressure, text(P), k3, text(v3), done < 10)) ++done;
  }
  return done;
}

// A real device as its window computes it: drawn, written to its table and
// its outlet carried over as the next inlet.
inline bool addDevice(app::Session& s, proc::Device kind, const std::string& T1, const std::string& P1,
                      const std::string& P2, const std::string& eta) {
  proc::DeviceCalculator& c = s.devices;
  c.chooseDevice(kind);
  c.chooseKind1(proc::kTemperature);
  c.chooseKind2(proc::kPressure, {});
  c.typeEntry(proc::kInlet1, T1);
  c.typeEntry(proc::kInlet2, P1);
  c.typeEntry(proc::kOutletP, P2);
  c.typeEntry(proc::kEfficiency, eta);
  proc::DeviceRow row;
  if (!c.draw(&s.main.eos(), s.deviceLines, {}) || !c.tableRow(row, {})) return false;
  s.deviceResults.push_back(row);
  c.carry();
  return true;
}

// Nitrogen per mole on a linear scale up to 300 K: twelve picked states,
// eight processes with their lines, a start carried over, and an end entry
// typed beyond any range; a compressor to 667 K drawn and carried over, an
// expander with losses computed; a Claude cycle with its own expander flow
// on the diagram.
inline std::unique_ptr<app::Session> nitrogenWork() {
  auto s = std::make_unique<app::Session>();
  choose(*s, "N2", 300, app::ScaleKind::Linear);
  s->main.units = app::Units::Molar;
  // The isenthalps per mole, as the main window computes them.
  app::ComputeAll(s->lines, app::lineInputs(s->main), {});
  s->process.setSubstance(&eos("N2"));
  s->process.setUnits(app::Units::Molar);
  pickPoints(*s, 12);
  addProcesses(*s, 8);
  s->process.carry();
  s->process.chooseKind3(proc::kPressure, {});
  s->process.typeEntry(proc::kEntry3, "1e4000");
  s->process.leaveEntry(proc::kEntry3);
  s->devices.setSubstance(&eos("N2"));
  s->devices.setUnits(app::Units::Molar);
  addDevice(*s, proc::Device::Compressor, "300", "0.1", "1", "0.75");
  s->devices.chooseDevice(proc::Device::Expander);
  s->devices.typeEntry(proc::kOutletP, "0.2");
  s->devices.compute(&eos("N2"), {});
  s->cycles.reset(&eos("N2"));
  s->cycles.kind = proc::Cycle::Claude;
  s->cycles.current().xe = tfs::Real(0.35L);
  s->cycles.data[0].dT = 3;
  s->cycles.onDiagram = true;
  s->cycles.solve(&eos("N2"));
  return s;
}

}  // namespace testing_support
