#pragma once
// How the property library talks to its user: a modal message (the program
// goes on), a fatal error (the program ends), and the number formatting used
// in those texts. The windows replace the handlers; the defaults write to the
// standard streams.

#include <functional>
#include <string>
#include <string_view>

#include "real.h"

namespace tfs {

using TextHandler = std::function<void(const std::string&)>;

// Modal message, after which the caller goes on. Default: the text and a
// line feed to standard error.
void setMessageHandler(TextHandler handler);
// The handler installed now (to put it back after a temporary one).
TextHandler currentMessageHandler();
void message(const std::string& text);

// Fatal error. The handler must not return: it ends the process or throws.
// Default: the text to standard error, then exit status 1.
void setFatalHandler(TextHandler handler);
[[noreturn]] void fatal(const std::string& text);

// The two guards of the saturation core and the melting line write one line
// to standard output and then end the program through the fatal handler.
[[noreturn]] void consoleFatal(const std::string& line);

// Restores both default handlers.
void resetHandlers();

// printf-style formatting of one number, independent of the C locale.
// The pattern holds literal text and exactly one conversion
// %[-][0][width][.prec]f or %[-][0][width]d (a 'd' rounds half to even).
// The library's own texts keep the point; a caller may ask for another
// decimal separator.
std::string formatNumber(std::string_view pattern, Real value, char separator = '.');

}  // namespace tfs
