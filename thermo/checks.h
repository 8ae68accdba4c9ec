#pragma once
// The power routine and the range checks of the saturation routines.

#include "real.h"

namespace tfs {

// Caller codes of the range messages.
enum CheckCaller : int { kCallerPsat = 1, kCallerTsat = 2, kCallerDhs2T = 3, kCallerDhs2P = 4 };

// x^y; x < 0 shows "x<0 in x^y" and returns 0.
Real XpowY(Real x, Real y);

// Fatal unless Ttr <= T <= Tcr.
void CheckT(int code, int subst, Real T);
// Fatal unless P <= Pcr.
void CheckP(int code, int subst, Real P);

// Inputs of the public routines that give no state: fatal unless
// 0 < P <= kPressureLimit (or just P <= kPressureLimit), T <=
// kTemperatureLimit, or 0 < d < the limiting density. Temperatures below
// the triple point are refused by CheckT.
void checkPressureInput(const char* routine, Real P);
void checkPressureCap(const char* routine, Real P);
void checkTemperatureInput(const char* routine, Real T);
void checkDensityInput(const char* routine, int subst, Real d);

// The same checks against a model's own limits, with the same texts: T in
// [Tlo, Thi], P <= Pmax, 0 < P <= Plimit, T <= Tlimit, 0 < d < dlimit.
void CheckT(int code, Real T, Real Tlo, Real Thi);
void CheckP(int code, Real P, Real Pmax);
void checkPressureInput(const char* routine, Real P, Real Plimit);
void checkPressureCap(const char* routine, Real P, Real Plimit);
void checkTemperatureInput(const char* routine, Real T, Real Tlimit);
void checkDensityInput(const char* routine, Real d, Real dlimit);

}  // namespace tfs
