#pragma once
// Runs work that calls the property library so that a fatal error of the
// library (a value outside a routine's range) cancels the work instead of
// ending the program. The library's text is shown first.

#include <string>
#include <utility>

#include "core/base/notify.h"

namespace app {

struct LibraryRefusal {};

namespace detail {
int& guardDepth();
// Counts one guarded call for as long as it lives, also when it is left by
// the refusal's exception.
class GuardScope {
 public:
  GuardScope() { ++guardDepth(); }
  ~GuardScope() { --guardDepth(); }
  GuardScope(const GuardScope&) = delete;
  GuardScope& operator=(const GuardScope&) = delete;
};
}  // namespace detail

// True when the work ran to the end, false when the library refused.
template <class F>
bool libraryGuarded(F&& work) {
  detail::GuardScope scope;
  try {
    std::forward<F>(work)();
  } catch (const LibraryRefusal&) {
    return false;
  }
  return true;
}

// A text of the library as the user reads it: its pieces in the user's
// language, the decimal points of its numbers the user's separator.
std::string libraryText(const std::string& text);

// Routes the library's messages to notify (with the user's decimal
// separator) and makes its fatal errors refusable: inside libraryGuarded a
// fatal error shows its text and cancels the guarded work; elsewhere it shows
// the text and ends the program.
void installLibraryHandlers(Notify notify);

// Sends the library's messages to notify while it lives, then puts back the
// handler that was installed before.
class ScopedLibraryMessages {
 public:
  explicit ScopedLibraryMessages(Notify notify);
  ~ScopedLibraryMessages();
  ScopedLibraryMessages(const ScopedLibraryMessages&) = delete;
  ScopedLibraryMessages& operator=(const ScopedLibraryMessages&) = delete;

 private:
  std::function<void(const std::string&)> previous_;
};

}  // namespace app
