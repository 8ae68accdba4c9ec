#include "checks.h"

#include <cmath>
#include <string>

#include "report.h"
#include "substances.h"

namespace tfs {
namespace {

// Names of the routines that run the checks, by caller code 1..4.
const char* callerName(int code) {
  static const char* const names[5] = {"", "Psat", "Tsat", "dhs2_T", "dhs2_P"};
  return code >= 1 && code <= 4 ? names[code] : "";
}

}  // namespace

Real XpowY(Real x, Real y) {
  if (x < 0) {
    message("x<0 in x^y");
    return 0;
  }
  if (x == 0) return 0;
  if (y == 0) return 1;
  return std::exp(y * std::log(x));
}

void CheckT(int code, int subst, Real T) {
  if (T >= Ttr[subst] && T <= Tcr[subst]) return;
  const std::string text = std::string(" Используемая в программе ") + callerName(code) + " температура " +
                           formatNumber("%6.2f", T);
  if (T > Tcr[subst]) fatal(text + " выше критической для данного вещества!");
  if (T < Ttr[subst]) fatal(text + " ниже тройной точки для данного вещества!");
}

void CheckP(int code, int subst, Real P) {
  if (!(P > Pcr[subst])) return;
  fatal(std::string(" Используемое в программе ") + callerName(code) + " давление " + formatNumber("%6.4f", P) +
        " выше критического для данного вещества!");
}

}  // namespace tfs
