#pragma once
// Shared by the window tests: the message recorder that replaces modal boxes
// and a program as just started.

#include <memory>

#include "app/messages.h"
#include "app/program.h"
#include "app/session.h"

namespace testing_support {

// The recorder installed for the whole test program.
app::MessageRecorder& recorder();

// A session and the program's six windows over it, as at start.
struct Started {
  app::Session session;
  app::Program program{session};
};
std::unique_ptr<Started> startProgram();

}  // namespace testing_support
