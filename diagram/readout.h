#pragma once
// The texts of the cursor readout and of the points table.

#include <array>
#include <string>

#include "app/session.h"
#include "diagram/cursor.h"

namespace diagram {

// "T=%5.2f K" and "S=%5.3f ".
std::string temperatureText(Real T);
std::string entropyText(Real s);
// The pressure, density, enthalpy and heat capacity fields.
std::array<std::string, 4> stateTexts(const CursorState& st);

// A click picks the state at the cursor when the cursor lies strictly
// between the temperature limits, a state was found there, and its pressure
// is below the substance's highest isobar.
bool clickPicks(const app::AppState& st, Real Tcur, const CursorState& at);

inline constexpr int kPointColumns = 11;
using PointCells = std::array<std::string, kPointColumns>;
// The headers of the points table.
const PointCells& PointHeaders();
// Row number n of the points table.
PointCells pointRowTexts(const app::PointRow& row, int n);

}  // namespace diagram
