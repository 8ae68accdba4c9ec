#include "diagram/readout.h"

#include <algorithm>

#include "app/numfmt.h"

namespace diagram {

using app::format;

std::string temperatureText(Real T) { return format("T=%5.2f K", T); }
std::string entropyText(Real s) { return format("S=%5.3f ", s); }

std::array<std::string, 4> stateTexts(const CursorState& st) {
  return {format("P=%4.3f МПа", st.P), format("d=%4.3f kg/m3", st.d), format("i=%4.1f kJ/kg", st.h),
          format("Cp=%4.2f kJ/kg.K", st.Cp)};
}

bool clickPicks(const app::AppState& st, Real Tcur, const CursorState& at) {
  return st.Tmin < Tcur && Tcur < st.Tmax && at.found && at.P < app::IsobarP[std::clamp(st.lastIsobar, 0, 10)];
}

const PointCells& PointHeaders() {
  static const PointCells h = {"  N",         " Вещество",      " T, K",           "  P, МПа", " d, кг/м3", "  i, кДж/кг",
                               " s, кДж/(кг.К)", " Ср, кДж/(кг.К)", " x, %", "", ""};
  return h;
}

PointCells pointRowTexts(const app::PointRow& r, int n) {
  PointCells c;
  c[0] = format("%5d", n);
  c[1] = "  " + r.substance;
  c[2] = format("%6.2f", r.T);
  c[3] = format("%8.3f", r.P);
  c[4] = format("%8.3f", r.d);
  c[5] = format("%8.2f", r.h);
  c[6] = format("%8.3f", r.s);
  c[7] = format("%8.3f", r.Cp);
  // The dryness of a wet state, in percent.
  c[8] = r.x > 0 && r.x < 1 ? format("%6.2f", 100 * (1 - r.x)) : std::string();
  return c;
}

}  // namespace diagram
