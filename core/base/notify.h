#pragma once
// Where a computation's messages to the user go: a modal box in the program,
// a recorder in the tests, standard error in the headless export.

#include <functional>
#include <string>

namespace app {

using Notify = std::function<void(const std::string&)>;

}  // namespace app
