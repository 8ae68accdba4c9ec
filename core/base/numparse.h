#pragma once
// The parser of every numeric edit field. Texts are UTF-8.

#include <string>
#include <string_view>

#include "core/base/notify.h"
#include "thermo/real.h"

namespace app {

using tfs::Real;

// Reads a field's text into value. flag on entry: nonzero asks for the
// warning (through notify) when the text is not a clean number. On return:
// 0 after a clean number or an empty field, 1 after a warning; 0 stays 0.
// A point or a comma is the decimal separator; stray characters are cleaned
// away; a text without usable digits gives 0.
void EditToNumber(std::string_view text, Real& value, unsigned char& flag, const Notify& notify);

// The locale-independent "standard conversion": optional blanks, optional
// sign, digits with a decimal point, optional exponent; no comma. Returns
// false when the whole text is not such a number.
bool standardConversion(std::string_view text, Real& value);

// Whether the text, without its leading and trailing blanks, is a clean
// number: the standard conversion's form with a point or a comma as its one
// decimal separator ("12,5" and "12.5", not "1,5,3", "0,8.1" or "300abc").
// value: the number, when clean.
bool cleanNumber(std::string_view text, Real& value);

// A clean number's text with its decimal separator as the numbers are shown
// (numfmt's separator); any other text as it is.
std::string withShownSeparator(std::string_view text);

// The text without leading and trailing blanks (Unicode spaces included).
std::string trimmedText(std::string_view text);

}  // namespace app
