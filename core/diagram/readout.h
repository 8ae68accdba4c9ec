#pragma once
// The texts of the cursor readout and of the points table.

#include <array>
#include <string>

#include "core/diagram/cursor.h"
#include "core/session/session.h"

namespace diagram {

// The cursor mapping of the session's diagram: its limits, scale and the
// entropy span of its lines.
Scale cursorScale(const app::Session& s);

// "T=%5.2f K" and "S=%5.3f " (the entropy in units u of the substance by
// model m).
std::string temperatureText(Real T);
std::string entropyText(Real s, app::Units u = app::Units::Specific, const tfs::Model* m = nullptr);
// The library's marker of a two-phase state's heat capacity (no finite Cp).
bool infiniteCp(Real Cp);
// What the screen shows for it.
inline constexpr const char* kInfinity = "∞";

// The pressure, density, enthalpy and heat capacity fields in units u; a
// two-phase state's heat capacity is shown as "∞".
std::array<std::string, 4> stateTexts(const CursorState& st, app::Units u = app::Units::Specific,
                                      const tfs::Model* m = nullptr);

// Where no state is shown, why: "вне области расчета" for the pressure
// field and the limit passed for the density field ("P > 100 МПа", "левее
// линии затвердевания"; empty when the cursor is only outside the diagram's
// region).
std::array<std::string, 2> noStateTexts(const CursorState& st, const tfs::Model& m);

// A click picks the state at the cursor when the cursor lies strictly
// between the temperature limits, a state was found there, and its pressure
// is below the substance's highest isobar.
bool clickPicks(const app::AppState& st, Real Tcur, const CursorState& at);

inline constexpr int kPointColumns = 11;
using PointCells = std::array<std::string, kPointColumns>;
// The headers of the points table, with the units of u.
PointCells PointHeaders(app::Units u = app::Units::Specific);
// Row number n of the points table in units u. On the screen a two-phase
// state's heat capacity is "∞"; exported (clipboard, CSV) it stays the
// library's marker 1000000, a number a spreadsheet reads.
PointCells pointRowTexts(const app::PointRow& row, int n, app::Units u = app::Units::Specific,
                         bool exported = false);

}  // namespace diagram
