#pragma once
// A session with a substance chosen as the main window chooses it, its lines
// computed: for the tests of the picture, the windows and the benchmarks.

#include <string>

#include "core/lines/linegen.h"
#include "core/session/session.h"
#include "core/session/substance.h"
#include "thermo/substances.h"

namespace testing_support {

inline void choose(app::Session& s, const std::string& name, tfs::Real Tmax = 350,
                   app::ScaleKind scale = app::ScaleKind::Logarithmic) {
  app::AppState st = app::substanceChoice(s.main, tfs::SubstIndex(name));
  st = app::withLimits(st, st.Tmin, Tmax);
  st.scale = scale;
  st.chosen = true;
  s.main = st;
  app::ComputeAll(s.lines, app::lineInputs(st), {});
  s.linesRevision += 1;
  s.procLines.clearLines();
  s.procLines.resetCounters();
}

}  // namespace testing_support
