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

}  // namespace tfs
