#pragma once
// The texts of the process windows shared by the calculators and the range
// messages: the parameter list, its units, the processes, the messages.

#include <array>
#include <string>

#include "core/process/solve.h"

namespace proc {

// The list items, their units and the process names.
extern const std::array<const char*, kParamCount> kParamItems;
extern const std::array<const char*, kParamCount> kUnitLabels;
extern const std::array<const char*, 5> kProcessItems;
// The texts of the results table's process column.
extern const std::array<const char*, 5> kProcessNames;

extern const char* const kPairMessage;
extern const char* const kLinesMessage;
extern const char* const kCoincideMessage;
extern const char* const kNoSubstanceMessage;
extern const char* const kNotComputedMessage;
extern const char* const kWrittenMessage;

// A text of the calculator (one of the above) in the user's language.
std::string procText(const char* marked);
// A parameter list item in the user's language.
std::string paramItem(int kind);

}  // namespace proc
