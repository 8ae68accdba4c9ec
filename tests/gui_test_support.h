#pragma once
// Shared by the GUI tests: the message recorder that replaces modal boxes.

#include "app/messages.h"

namespace testing_support {

// The recorder installed for the whole test program.
app::MessageRecorder& recorder();

// A program as just started: shared state, diagram store and process lines
// empty, the six windows created anew, no recorded messages.
void startProgram();

}  // namespace testing_support
