#include "core/base/units.h"

#include "core/base/tr.h"
#include "thermo/tfs.h"

namespace app {

Real toShown(Units u, Dim dim, Real value, const tfs::Model& m) {
  if (u == Units::Specific) return value;
  const Real M = m.molarMass();
  return dim == Dim::Density ? value / M : value * M;
}

Real fromShown(Units u, Dim dim, Real shown, const tfs::Model& m) {
  if (u == Units::Specific) return shown;
  const Real M = m.molarMass();
  return dim == Dim::Density ? shown * M : shown / M;
}

std::string unitText(Units u, Dim dim) {
  static const char* const specific[] = {QT_TRANSLATE_NOOP("Units", "кг/м3"), QT_TRANSLATE_NOOP("Units", "кДж/кг"),
                                         QT_TRANSLATE_NOOP("Units", "кДж/(кг.К)"), QT_TRANSLATE_NOOP("Units", "м3/кг")};
  static const char* const molar[] = {QT_TRANSLATE_NOOP("Units", "моль/л"), QT_TRANSLATE_NOOP("Units", "Дж/моль"),
                                      QT_TRANSLATE_NOOP("Units", "Дж/(моль.К)"), QT_TRANSLATE_NOOP("Units", "л/моль")};
  return translate("Units", (u == Units::Specific ? specific : molar)[int(dim)]);
}

Real cpShown(Units u, Real Cp, const tfs::Model& m) {
  return Cp == tfs::kTwoPhaseCp ? Cp : toShown(u, Dim::Entropy, Cp, m);
}

std::array<std::string, 5> stateHeaders(Units u) {
  return {" T, K", "  P, " + translate("Units", "МПа"), " d, " + unitText(u, Dim::Density),
          "  i, " + unitText(u, Dim::Enthalpy), " s, " + unitText(u, Dim::Entropy)};
}

}  // namespace app
