#include "app/units.h"

#include "thermo/substances.h"

namespace app {

namespace {

// Molar mass in g/mol; 1 for an index outside the catalogue.
Real molarMass(int subst) { return subst >= 1 && subst <= tfs::kSubstCount ? tfs::MolMass[subst] : 1; }

}  // namespace

Real toShown(Units u, Dim dim, Real value, int subst) {
  if (u == Units::Specific) return value;
  const Real M = molarMass(subst);
  return dim == Dim::Density ? value / M : value * M;
}

Real fromShown(Units u, Dim dim, Real shown, int subst) {
  if (u == Units::Specific) return shown;
  const Real M = molarMass(subst);
  return dim == Dim::Density ? shown * M : shown / M;
}

const char* unitText(Units u, Dim dim) {
  static const char* const specific[] = {"кг/м3", "кДж/кг", "кДж/(кг.К)", "м3/кг"};
  static const char* const molar[] = {"моль/л", "Дж/моль", "Дж/(моль.К)", "л/моль"};
  return (u == Units::Specific ? specific : molar)[int(dim)];
}

}  // namespace app
