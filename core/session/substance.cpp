#include "core/session/substance.h"

#include <algorithm>
#include <cmath>

#include "core/base/numfmt.h"
#include "core/base/tr.h"
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

bool triplePointAbove(int subst, Real P) {
  Real Pv = 0, Pl = 0;
  tfs::Psat(tfs::SubstName[subst], tfs::Ttr[subst], Pv, Pl);
  return std::max(Pv, Pl) > P;
}

}  // namespace

std::string SubstNameGen(int subst) {
  return known(subst) ? translate("Substances", kSubstNameGen[subst]) : std::string();
}

std::string listName(int subst) { return known(subst) ? translate("Substances", kListNames[subst]) : std::string(); }

std::string substanceHeading(const AppState& st) {
  if (!st.chosen) return {};
  return withArgs(translate("TForm1", " Рабочее вещество - %1 "), {listName(st.subst)});
}

std::vector<std::string> factSheet(int n) {
  if (!known(n)) return {};
  auto line = [](const char* text, const std::string& value) {
    return withArgs(translate("FactSheet", text), {value});
  };
  return {withArgs(translate("FactSheet", " Вещество = %1  ( %2 )"), {listName(n), tfs::SubstName[n]}),
          line(QT_TRANSLATE_NOOP("FactSheet", " Его молекулярная масса  = %1"), format("%7.3f", tfs::MolMass[n])),
          line(QT_TRANSLATE_NOOP("FactSheet", " Критическая температура      = %1 K"), format("%7.3f", tfs::Tcr[n])),
          line(QT_TRANSLATE_NOOP("FactSheet", " Критическое давление       = %1 МПа"), format("%7.3f", tfs::Pcr[n])),
          // Below its triple-point pressure a substance sublimates (CO2 at 0.1 MPa).
          line(triplePointAbove(n, 0.1L) ? QT_TRANSLATE_NOOP("FactSheet", " Температура сублимации при 0,1 МПа = %1 K")
                                         : QT_TRANSLATE_NOOP("FactSheet", " Температура кипения при 0,1 МПа = %1 K"),
               format("%7.3f", tfs::Tboil[n])),
          line(QT_TRANSLATE_NOOP("FactSheet", " Температура тройной точки       = %1 K"), format("%7.3f", tfs::Ttr[n]))};
}

Real lowestTmin(int subst) { return tfs::Ttr[subst] + Real(0.0001); }

void setIsobarRange(AppState& st) {
  st.firstIsobar = 0;
  st.lastIsobar = 10;
  if (st.name == "He") st.lastIsobar = 7;
  if (st.name == "Ar") st.firstIsobar = 1;
  if (st.name == "CO2") st.firstIsobar = 4;
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
  c = withLimits(c, lowestTmin(subst), 350);
  setIsobarRange(c);
  return c;
}

LimitCheck checkTmin(int subst, Real Tmin, Real Tmax) {
  LimitCheck r;
  r.value = Tmin;
  if (Tmin < lowestTmin(subst)) {
    r.fault = LimitFault::TminBelowTriple;
    r.value = lowestTmin(subst);
  }
  if (r.value >= Tmax) r.fault = LimitFault::TminNotBelowTmax;
  return r;
}

LimitCheck checkTmax(int subst, Real Tmin, Real Tmax) {
  LimitCheck r;
  r.value = Tmax;
  if (Tmax > 500)
    r.fault = LimitFault::TmaxTooHigh;
  else if (Tmax < lowestTmin(subst))
    r.fault = LimitFault::TmaxBelowTriple;
  else if (Tmax <= Tmin)
    r.fault = LimitFault::TmaxNotAboveTmin;
  return r;
}

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
