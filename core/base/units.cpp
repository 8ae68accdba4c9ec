#include "core/base/units.h"

#include "core/base/tr.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

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

std::string unitText(Units u, Dim dim) {
  static const char* const specific[] = {QT_TRANSLATE_NOOP("Units", "кг/м3"), QT_TRANSLATE_NOOP("Units", "кДж/кг"),
                                         QT_TRANSLATE_NOOP("Units", "кДж/(кг.К)"), QT_TRANSLATE_NOOP("Units", "м3/кг")};
  static const char* const molar[] = {QT_TRANSLATE_NOOP("Units", "моль/л"), QT_TRANSLATE_NOOP("Units", "Дж/моль"),
                                      QT_TRANSLATE_NOOP("Units", "Дж/(моль.К)"), QT_TRANSLATE_NOOP("Units", "л/моль")};
  return translate("Units", (u == Units::Specific ? specific : molar)[int(dim)]);
}

Real cpShown(Units u, Real Cp, int subst) {
  return Cp == tfs::kTwoPhaseCp ? Cp : toShown(u, Dim::Entropy, Cp, subst);
}

std::array<std::string, 5> stateHeaders(Units u) {
  return {" T, K", "  P, " + translate("Units", "МПа"), " d, " + unitText(u, Dim::Density),
          "  i, " + unitText(u, Dim::Enthalpy), " s, " + unitText(u, Dim::Entropy)};
}

}  // namespace app
