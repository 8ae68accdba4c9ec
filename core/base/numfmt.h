#pragma once
// Numbers as the windows show them: printf-style patterns with the user's
// decimal separator.

#include <string>
#include <string_view>

#include "thermo/real.h"

namespace app {

using tfs::Real;

// The separator of shown numbers: ',' under a Russian locale, '.' otherwise.
void setDecimalSeparator(char sep);
char decimalSeparator();

// One number in a printf-style pattern ("T=%5.2f K", "%5d"), with the
// separator above. A zero never shows a minus sign.
std::string format(std::string_view pattern, Real value);

// Rounding to the nearest integer, halves to even (pixel and progress
// positions).
int nint(Real value);

// The property library writes numbers with a point: its texts with the
// decimal points of their numbers turned into the separator above.
std::string localized(std::string_view libraryText);

}  // namespace app
