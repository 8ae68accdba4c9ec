#pragma once
// Shared by the GUI tests: the message recorder that replaces modal boxes.

#include "app/messages.h"

namespace testing_support {

// The recorder installed for the whole test program.
app::MessageRecorder& recorder();

}  // namespace testing_support
