#include "checks.h"

#include <cmath>
#include <string>

#include "limits.h"
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

void CheckT(int code, int subst, Real T) { CheckT(code, T, Ttr[subst], Tcr[subst]); }

void CheckT(int code, Real T, Real Tlo, Real Thi) {
  if (T >= Tlo && T <= Thi) return;
  const std::string text = std::string(" Используемая в программе ") + callerName(code) + " температура " +
                           formatNumber("%6.2f", T);
  if (T > Thi) fatal(text + " выше критической для данного вещества!");
  if (T < Tlo) fatal(text + " ниже тройной точки для данного вещества!");
}

void CheckP(int code, int subst, Real P) { CheckP(code, P, Pcr[subst]); }

void CheckP(int code, Real P, Real Pmax) {
  if (!(P > Pmax)) return;
  fatal(std::string(" Используемое в программе ") + callerName(code) + " давление " + formatNumber("%6.4f", P) +
        " выше критического для данного вещества!");
}

namespace {

[[noreturn]] void refuse(const char* routine, const char* what, const char* pattern, Real value, const char* why) {
  fatal(std::string(" Используем") + what + " в программе " + routine + formatNumber(pattern, value) + why);
}

}  // namespace

void checkPressureInput(const char* routine, Real P) { checkPressureInput(routine, P, kPressureLimit); }

void checkPressureInput(const char* routine, Real P, Real Plimit) {
  if (!(P > 0)) refuse(routine, "ое", " давление %6.4f", P, " не больше нуля!");
  checkPressureCap(routine, P, Plimit);
}

void checkPressureCap(const char* routine, Real P) { checkPressureCap(routine, P, kPressureLimit); }

void checkPressureCap(const char* routine, Real P, Real Plimit) {
  if (!(P <= Plimit)) refuse(routine, "ое", " давление %6.4f", P, " выше предельного для данного вещества!");
}

void checkTemperatureInput(const char* routine, Real T) { checkTemperatureInput(routine, T, kTemperatureLimit); }

void checkTemperatureInput(const char* routine, Real T, Real Tlimit) {
  if (!(T <= Tlimit)) refuse(routine, "ая", " температура %6.2f", T, " выше предельной для данного вещества!");
}

void checkDensityInput(const char* routine, int subst, Real d) {
  checkDensityInput(routine, d, limitingDensity(subst));
}

void checkDensityInput(const char* routine, Real d, Real dlimit) {
  if (!(d > 0)) refuse(routine, "ая", " плотность %8.2f", d, " не больше нуля!");
  if (!(d < dlimit)) refuse(routine, "ая", " плотность %8.2f", d, " выше предельной для данного вещества!");
}

}  // namespace tfs
