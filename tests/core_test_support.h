#pragma once
// Shared by the plain test programs: the messages to the user, recorded.

#include <string>
#include <vector>

#include "core/base/notify.h"

namespace testing_support {

// Every message shown since the last clear (the library's included).
std::vector<std::string>& said();
// A notify function that records into said().
app::Notify recorded();

}  // namespace testing_support
