#pragma once
// Shared by the window tests: the message recorder that replaces modal boxes
// and a program as just started.

#include <memory>

#include "core/session/session.h"
#include "ui/main/program.h"
#include "ui/services/messages.h"

namespace testing_support {

// The recorder installed for the whole test program.
app::MessageRecorder& recorder();

// A session and the program's six windows over it, as at start.
struct Started {
  app::Session session;
  app::Program program{session};
};
// answers: the recorder's scripted answers to the questions asked, the
// first one at start (the offer to restore work after an abnormal end).
std::unique_ptr<Started> startProgram(QList<app::Answer> answers = {});

}  // namespace testing_support
