#include "core/session/substance.h"

#include <algorithm>
#include <cmath>

#include "core/base/numfmt.h"
#include "core/base/tr.h"
#include "thermo/inversion.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace app {

namespace {

const char* const kSubstNameGen[tfs::kSubstCount + 1] = {"",
                                                        QT_TRANSLATE_NOOP("Substances", "ГЕЛИЯ"),
                                                        QT_TRANSLATE_NOOP("Substances", "НОРМАЛЬНОГО ВОДОРОДА"),
                                                        QT_TRANSLATE_NOOP("Substances", "ПАРАВОДОРОДА"),
                                                        QT_TRANSLATE_NOOP("Substances", "НЕОНА"),
                                                        QT_TRANSLATE_NOOP("Substances", "АЗОТА"),
                                                        QT_TRANSLATE_NOOP("Substances", "АРГОНА"),
                                                        QT_TRANSLATE_NOOP("Substances", "КИСЛОРОДА"),
                                                        QT_TRANSLATE_NOOP("Substances", "ДИОКСИДА УГЛЕРОДА"),
                                                        QT_TRANSLATE_NOOP("Substances", "МЕТАНА"),
                                                        QT_TRANSLATE_NOOP("Substances", "ФРЕОНА 14"),
                                                        QT_TRANSLATE_NOOP("Substances", "ВОЗДУХА")};

// The catalogue's list names (tfs::SubstNameRus), marked for translation.
const char* const kListNames[tfs::kSubstCount + 1] = {"",
                                                     QT_TRANSLATE_NOOP("Substances", "Гелий"),
                                                     QT_TRANSLATE_NOOP("Substances", "Нормальный водород"),
                                                     QT_TRANSLATE_NOOP("Substances", "Параводород"),
                                                     QT_TRANSLATE_NOOP("Substances", "Неон"),
                                                     QT_TRANSLATE_NOOP("Substances", "Азот"),
                                                     QT_TRANSLATE_NOOP("Substances", "Аргон"),
                                                     QT_TRANSLATE_NOOP("Substances", "Кислород"),
                                                     QT_TRANSLATE_NOOP("Substances", "Диоксид углерода"),
                                                     QT_TRANSLATE_NOOP("Substances", "Метан"),
                                                     QT_TRANSLATE_NOOP("Substances", "Фреон 14"),
                                                     QT_TRANSLATE_NOOP("Substances", "Воздух")};

bool known(int subst) { return subst >= 1 && subst <= tfs::kSubstCount; }

// The normal boiling pressure, MPa.
constexpr Real kNormalPressure = 0.101325L;

}  // namespace

std::string SubstNameGen(int subst) {
  return known(subst) ? translate("Substances", kSubstNameGen[subst]) : std::string();
}

std::string listName(int subst) { return known(subst) ? translate("Substances", kListNames[subst]) : std::string(); }

std::string substanceHeading(const AppState& st) {
  if (!st.chosen) return {};
  return withArgs(translate("TForm1", " Рабочее вещество - %1  [ %2 ] "), {listName(st.subst), modelTitle(st.model)});
}

std::vector<std::string> factSheet(const tfs::Model& m) {
  const int n = m.substance();
  const tfs::ModelLimits& lim = m.limits();
  auto line = [](const char* text, const std::string& value) {
    return withArgs(translate("FactSheet", text), {value});
  };
  // Below its triple-point pressure a substance sublimates (CO2 at 0.1 MPa):
  // the catalogue's sublimation point, as neither model has that line. A
  // boiling mixture (air) starts to boil at its bubble point.
  const bool sublimates = std::max(lim.PtrDew, lim.PtrBubble) > kNormalPressure;
  Real Tboil = tfs::Tboil[n];
  if (!sublimates) {
    Real Tdew = 0;
    m.Tsat(kNormalPressure, Tdew, Tboil);
  }
  // None found within the model's range: the gas still cools on throttling
  // at its highest temperature.
  const Real Tinv = tfs::maxInversionTemperature(m);
  return {withArgs(translate("FactSheet", " Вещество = %1  ( %2 )"), {listName(n), tfs::SubstName[n]}),
          line(QT_TRANSLATE_NOOP("FactSheet", " Его молекулярная масса  = %1"), format("%7.3f", m.molarMass())),
          line(QT_TRANSLATE_NOOP("FactSheet", " Критическая температура      = %1 K"), format("%7.3f", lim.Tcr)),
          line(QT_TRANSLATE_NOOP("FactSheet", " Критическое давление       = %1 МПа"), format("%7.3f", lim.Pcr)),
          line(sublimates ? QT_TRANSLATE_NOOP("FactSheet", " Температура сублимации при 0,1 МПа = %1 K")
                          : QT_TRANSLATE_NOOP("FactSheet", " Температура кипения при 0,1 МПа = %1 K"),
               format("%7.3f", Tboil)),
          line(QT_TRANSLATE_NOOP("FactSheet", " Температура тройной точки       = %1 K"), format("%7.3f", lim.Ttr)),
          Tinv > 0 ? line(QT_TRANSLATE_NOOP("FactSheet", " Наибольшая температура инверсии = %1 K"), format("%7.3f", Tinv))
                   : line(QT_TRANSLATE_NOOP("FactSheet", " Наибольшая температура инверсии выше %1 K"),
                          format("%.0f", lim.Tmax))};
}

std::vector<std::string> factSheet(int n) { return known(n) ? factSheet(tfs::cubicModel(n)) : std::vector<std::string>{}; }

Real lowestTmin(const tfs::Model& m) { return m.limits().Ttr + Real(0.0001); }
Real lowestTmin(int subst) { return lowestTmin(tfs::cubicModel(subst)); }
Real highestTmax(const tfs::Model& m) { return m.limits().Tmax; }

void setIsobarRange(AppState& st) {
  st.firstIsobar = 0;
  if (st.name == "Ar") st.firstIsobar = 1;
  if (st.name == "CO2") st.firstIsobar = 4;
  // Up to the model's pressure ceiling: helium's own equation to 10 MPa,
  // the reference equations of oxygen and R14 to 80 and 51 MPa.
  const Real ceiling = st.eos().limits().Pceiling;
  st.lastIsobar = 10;
  while (st.lastIsobar > 0 && IsobarP[st.lastIsobar] > ceiling) --st.lastIsobar;
}

AppState withLimits(const AppState& st, Real Tmin, Real Tmax) {
  AppState c = st;
  c.Tmin = Tmin;
  c.Tmax = Tmax;
  c.lnTmin = std::log(Tmin);
  c.lnTmax = std::log(Tmax);
  return c;
}

AppState substanceChoice(const AppState& current, int subst) {
  AppState c = current;
  c.subst = subst;
  c.name = tfs::SubstName[subst];
  c = withLimits(c, lowestTmin(c.eos()), 350);
  setIsobarRange(c);
  return c;
}

AppState modelChoice(const AppState& current, tfs::ModelKind kind) {
  AppState c = current;
  c.model = kind;
  setIsobarRange(c);
  if (!current.chosen) return c;
  const tfs::Model& m = c.eos();
  const Real formerLowest = lowestTmin(current.eos()), lowest = lowestTmin(m);
  Real Tmin = current.Tmin, Tmax = std::min(current.Tmax, highestTmax(m));
  if (Tmin == formerLowest || Tmin < lowest) Tmin = lowest;
  // Limits the model leaves no room between: those of a substance choice.
  if (!(Tmin < Tmax)) return withLimits(c, lowest, 350);
  return withLimits(c, Tmin, Tmax);
}

LimitCheck checkTmin(const tfs::Model& m, Real Tmin, Real Tmax) {
  LimitCheck r;
  r.value = Tmin;
  if (Tmin < lowestTmin(m)) {
    r.fault = LimitFault::TminBelowTriple;
    r.value = lowestTmin(m);
  }
  if (r.value >= Tmax) r.fault = LimitFault::TminNotBelowTmax;
  return r;
}

LimitCheck checkTmax(const tfs::Model& m, Real Tmin, Real Tmax) {
  LimitCheck r;
  r.value = Tmax;
  if (Tmax > highestTmax(m))
    r.fault = LimitFault::TmaxTooHigh;
  else if (Tmax < lowestTmin(m))
    r.fault = LimitFault::TmaxBelowTriple;
  else if (Tmax <= Tmin)
    r.fault = LimitFault::TmaxNotAboveTmin;
  return r;
}

LimitCheck checkTmin(int subst, Real Tmin, Real Tmax) { return checkTmin(tfs::cubicModel(subst), Tmin, Tmax); }
LimitCheck checkTmax(int subst, Real Tmin, Real Tmax) { return checkTmax(tfs::cubicModel(subst), Tmin, Tmax); }

std::string limitMessage(LimitFault fault) {
  switch (fault) {
    case LimitFault::None: return {};
    case LimitFault::TminBelowTriple:
      return translate("Limits", "T мин < Т затвердевания !\nT мин будет скорректировано !");
    case LimitFault::TminNotBelowTmax: return translate("Limits", "T мин >= T макс !\nT мин не будет изменено !");
    case LimitFault::TmaxTooHigh: return translate("Limits", "Зачем Вам такая высокая температура?");
    case LimitFault::TmaxBelowTriple:
      return translate("Limits", "T макс < Т затвердевания !\nT макс не будет изменено !");
    case LimitFault::TmaxNotAboveTmin: return translate("Limits", "T макс <= T мин !\nT макс не будет изменено !");
  }
  return {};
}

LineInputs lineInputs(const AppState& st) {
  LineInputs in;
  in.name = st.name;
  in.subst = st.subst;
  in.model = st.model;
  in.Tmin = st.Tmin;
  in.Tmax = st.Tmax;
  in.lnTmin = st.lnTmin;
  in.lnTmax = st.lnTmax;
  in.firstIsobar = st.firstIsobar;
  in.lastIsobar = st.lastIsobar;
  in.units = st.units;
  return in;
}

}  // namespace app
