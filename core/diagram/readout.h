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

// The quantities of a state the readout shows, and one of them as it shows
// it in units u: "T=%5.2f K", "P=%4.3f МПа", "d=%4.3f kg/m3", "i=%4.1f
// kJ/kg", "S=%5.3f ", "Cp=%4.2f kJ/kg.K" (per mole in mol/l, J/mol, J/(mol
// K)); a two-phase state's heat capacity as "∞".
enum class Quantity { T, P, d, h, s, Cp };
std::string quantityText(Quantity q, Real v, app::Units u, const tfs::Model* m);
Real quantityOf(const CursorState& st, Quantity q);

// What the readout's fields show on a diagram of kind k: the cursor's two
// coordinates (the vertical one first, in the fields of T and s) and the
// four other quantities of the state (in the yellow fields).
struct ReadoutFields {
  std::array<Quantity, 2> cursor;
  std::array<Quantity, 4> state;
};
ReadoutFields readoutFields(kinds::Kind k);

// The substance's other property model, which the readout and the lines
// drawn on request compare with; null where it cannot be had.
const tfs::Model* otherModelOf(const app::AppState& st);

// The other model's state at the state's T and P, where both models have a
// single-phase state there.
struct Comparison {
  bool ok = false;
  Real d = 0, h = 0, s = 0, Cp = 0;
};
Comparison compareAt(const tfs::Model& other, const CursorState& st);

// Beside a value of the readout: the other model's value and how far it
// lies from the value shown, in per cent ("эталонное УС: 806.123
// (-0.31 %)"); empty for T and P, which both share, and where the
// comparison has no value.
std::string comparisonText(Quantity q, const CursorState& st, const Comparison& c, app::Units u,
                           const tfs::Model& mine, const tfs::Model& other);

// Where no state is shown, why: "вне области расчета" for the pressure
// field and the limit passed for the density field ("P > 100 МПа", "левее
// линии затвердевания", the library's reason on lg p–h and h–s; empty when
// the cursor is only outside the diagram's region).
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
