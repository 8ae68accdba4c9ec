#pragma once
// A computed diagram for the tests of the diagram window: the substance as
// the main window would choose it, its lines computed into the store.

#include <cmath>
#include <string>

#include "app/appstate.h"
#include "app/linegen.h"
#include "diagram/procstore.h"
#include "thermo/substances.h"

namespace diagram_support {

inline void chooseSubstance(const std::string& name, tfs::Real Tmax = 350) {
  const int idx = tfs::SubstIndex(name);
  app::AppState& st = app::state();
  st.subst = idx;
  st.name = name;
  st.chosen = true;
  st.Tmin = tfs::Ttr[idx] + tfs::Real(0.0001);
  st.Tmax = Tmax;
  st.lnTmin = std::log(st.Tmin);
  st.lnTmax = std::log(st.Tmax);
  app::setIsobarRange(st);
  app::ComputeAll(app::diagramStore(), app::lineInputs(st), {});
  diagram::procStore().clearLines();
  diagram::procStore().resetCounters();
}

}  // namespace diagram_support
