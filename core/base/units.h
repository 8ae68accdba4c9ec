#pragma once
// The units values are shown in: per kilogram (the library's own) or per
// mole, with the molar mass M in g/mol of the substance's model:
//   mol/l = (kg/m3) / M,  J/mol = (kJ/kg) M,  J/(mol K) = (kJ/(kg K)) M,
//   l/mol = (m3/kg) M.
// Values are kept in the library's units; only what is shown or typed is
// converted.

#include <array>
#include <string>

#include "thermo/model.h"
#include "thermo/real.h"

namespace app {

using tfs::Real;

enum class Units { Specific = 0, Molar = 1 };

// What a quantity is measured per mass of: heat capacity, entropy and their
// kind go with Entropy; heat, work and enthalpy with Enthalpy.
enum class Dim { Density, Enthalpy, Entropy, Volume };

// A value in the library's units as shown in u for a substance by model m.
Real toShown(Units u, Dim dim, Real value, const tfs::Model& m);
// A heat capacity as shown in u: the two-phase marker (tfs::kTwoPhaseCp,
// no heat capacity at all) stays the marker in either units.
Real cpShown(Units u, Real Cp, const tfs::Model& m);
// A shown (or typed) value back in the library's units.
Real fromShown(Units u, Dim dim, Real shown, const tfs::Model& m);
// The same before a substance is chosen (m null): the value as it is.
inline Real toShown(Units u, Dim dim, Real value, const tfs::Model* m) {
  return m ? toShown(u, dim, value, *m) : value;
}
inline Real fromShown(Units u, Dim dim, Real shown, const tfs::Model* m) {
  return m ? fromShown(u, dim, shown, *m) : shown;
}

// The unit's name as the windows write it: "кг/м3", "кДж/кг",
// "кДж/(кг.К)", "м3/кг" and "моль/л", "Дж/моль", "Дж/(моль.К)", "л/моль"
// (in the user's language).
std::string unitText(Units u, Dim dim);

// The tables' headers of a state's T, P, d, i and s in u.
std::array<std::string, 5> stateHeaders(Units u);

}  // namespace app
