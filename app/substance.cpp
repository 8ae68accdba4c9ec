#include "app/substance.h"

#include <algorithm>
#include <cmath>

#include "app/numfmt.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace app {

namespace {

const char* const kSubstNameGen[tfs::kSubstCount + 1] = {"",
                                                        "ГЕЛИЯ",
                                                        "НОРМАЛЬНОГО ВОДОРОДА",
                                                        "ПАРАВОДОРОДА",
                                                        "НЕОНА",
                                                        "АЗОТА",
                                                        "АРГОНА",
                                                        "КИСЛОРОДА",
                                                        "ДИОКСИДА УГЛЕРОДА",
                                                        "МЕТАНА",
                                                        "ФРЕОНА 14",
                                                        "ВОЗДУХА"};

bool known(int subst) { return subst >= 1 && subst <= tfs::kSubstCount; }

bool triplePointAbove(int subst, Real P) {
  Real Pv = 0, Pl = 0;
  tfs::Psat(tfs::SubstName[subst], tfs::Ttr[subst], Pv, Pl);
  return std::max(Pv, Pl) > P;
}

}  // namespace

std::string SubstNameGen(int subst) { return known(subst) ? kSubstNameGen[subst] : std::string(); }

std::vector<std::string> factSheet(int n) {
  if (!known(n)) return {};
  return {std::string(" Вещество = ") + tfs::SubstNameRus[n] + "  ( " + tfs::SubstName[n] + " )",
          " Его молекулярная масса  = " + format("%7.3f", tfs::MolMass[n]),
          " Критическая температура      = " + format("%7.3f K", tfs::Tcr[n]),
          " Критическое давление       = " + format("%7.3f", tfs::Pcr[n]) + " МПа",
          // Below its triple-point pressure a substance sublimates (CO2 at 0.1 MPa).
          std::string(triplePointAbove(n, 0.1L) ? " Температура сублимации при 0,1 МПа = "
                                                : " Температура кипения при 0,1 МПа = ") +
              format("%7.3f K", tfs::Tboil[n]),
          " Температура тройной точки       = " + format("%7.3f K", tfs::Ttr[n])};
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
    case LimitFault::TminBelowTriple: return "T мин < Т затвердевания !\nT мин будет скорректировано !";
    case LimitFault::TminNotBelowTmax: return "T мин >= T макс !\nT мин не будет изменено !";
    case LimitFault::TmaxTooHigh: return "Зачем Вам такая высокая температура?";
    case LimitFault::TmaxBelowTriple: return "T макс < Т затвердевания !\nT макс не будет изменено !";
    case LimitFault::TmaxNotAboveTmin: return "T макс <= T мин !\nT макс не будет изменено !";
  }
  return {};
}

LineInputs lineInputs(const AppState& st) {
  LineInputs in;
  in.name = st.name;
  in.subst = st.subst;
  in.Tmin = st.Tmin;
  in.Tmax = st.Tmax;
  in.lnTmin = st.lnTmin;
  in.lnTmax = st.lnTmax;
  in.firstIsobar = st.firstIsobar;
  in.lastIsobar = st.lastIsobar;
  return in;
}

}  // namespace app
