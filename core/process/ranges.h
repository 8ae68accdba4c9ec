#pragma once
// What the process calculator admits: for each parameter kind the range of
// values the property library describes soundly for a substance, the
// messages naming those ranges, and the texts of the limit fields.

#include <array>
#include <string>
#include <string_view>

#include "core/base/units.h"
#include "core/process/solve.h"

namespace proc {

// A range of values in the window's units (a dryness in percent). An open
// end excludes its value.
struct Range {
  Real lo = 0, hi = 0;
  bool loOpen = false, hiOpen = false;
  bool holds(Real v) const;
};

// Every kind's range for the substance: temperature from the triple point to
// where its ideal-gas functions hold; pressure from the library's floor to
// its search ceiling; density above 0 and below the equation's limiting
// density (a specific volume accordingly); enthalpy and entropy between the
// coldest states (at the solidification line) and the hottest (Tmax at the
// lowest pressure); dryness 0 to 100 %.
using Ranges = std::array<Range, kParamCount>;
Ranges admissibleRanges(const tfs::Model& m);

// A value of a parameter kind in the library's units as shown in units u
// for a substance by model m, and a shown (or typed) value back.
// Temperature, pressure and dryness are the same in both units.
Real kindToShown(app::Units u, int kind, Real value, const tfs::Model& m);
Real kindFromShown(app::Units u, int kind, Real shown, const tfs::Model& m);
// The same with no model chosen (null): the values as they are.
inline Real kindToShown(app::Units u, int kind, Real value, const tfs::Model* m) {
  return m ? kindToShown(u, kind, value, *m) : value;
}
inline Real kindFromShown(app::Units u, int kind, Real shown, const tfs::Model* m) {
  return m ? kindFromShown(u, kind, shown, *m) : shown;
}
// The dimension a kind's value is measured per mass of (and so per mole in
// molar units); false for temperature, pressure and dryness.
bool kindDim(int kind, app::Dim& dim);
// The unit a kind is shown in: "кг/м3" or "моль/л", "K", "МПа", "%".
std::string unitLabel(int kind, app::Units u);

// "Температура должна быть в пределах\nот 63,15 до 600,00 K !", the range
// per kilogram, or in the units u of model m.
std::string rangeMessage(int kind, const Range& r);
std::string rangeMessage(int kind, const Range& r, app::Units u, const tfs::Model& m);

// Why a pair gave no state, as the windows say it (empty for Solved). state
// names the state in the texts of the range refusals ("Состояние" when
// empty); Tmax is the hottest
// admitted temperature (0: the ceiling of the ideal-gas functions); a
// density is named in the units shown.
std::string refusalMessage(SolveStatus st, const tfs::Model& m, std::string_view state = {}, Real Tmax = 0,
                           app::Units u = app::Units::Specific);

// Why no state is saturated at the T or P of a dryness status, with the
// model's critical and triple points ("температура должна быть ниже
// критической (Ткр = 126.25 K)."); empty for any other status.
std::string domeReason(SolveStatus st, const tfs::Model& m);

// A limit as its field shows it: two decimals, more for a small value.
std::string limitText(Real v);

}  // namespace proc
