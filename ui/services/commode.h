#pragma once
// The number parser and formatting for the windows: the plain functions of
// numparse.h and numfmt.h with Qt strings, messages through the service.

#include <QString>

#include "core/base/numfmt.h"
#include "core/base/numparse.h"

namespace app {

// Reads a field's text into value; the warning goes to the message service.
void EditToNumber(const QString& text, Real& value, unsigned char& flag);

// printf-style pattern with one number, with the user's decimal separator.
QString fmt(const char* pattern, Real value);
inline QString qstr(const std::string& utf8) { return QString::fromStdString(utf8); }

// Sets the decimal separator from the system locale (',' for ru_RU).
void adoptLocaleSeparator();

}  // namespace app
