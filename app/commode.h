#pragma once
// The shared unit: the parser of every numeric edit field and the number
// formatting of every window.

#include <QString>

#include "thermo/real.h"

namespace app {

using tfs::Real;

// Reads a field's text into value. flag on entry: nonzero asks for the
// warning when the text is not a clean number. On return: 0 after a clean
// number or an empty field, 1 after a warning; 0 stays 0.
void EditToNumber(const QString& text, Real& value, unsigned char& flag);

// The locale-independent "standard conversion": optional blanks, optional
// sign, digits with a decimal point, optional exponent; no comma. Returns
// false when the whole text is not such a number.
bool standardConversion(const QString& text, Real& value);

// The decimal separator of every number shown ('.' until
// adoptLocaleSeparator).
char& decimalSeparator();

// printf-style pattern with one number, with the user's decimal separator.
QString fmt(const char* pattern, Real value);

// Sets the decimal separator from the system locale (',' for ru_RU).
void adoptLocaleSeparator();

// A text of the property library with the user's separator in its numbers
// (a point between two digits).
QString localizedNumbers(const QString& text);

}  // namespace app
