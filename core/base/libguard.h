#pragma once
// Work on the property library whose fatal errors (a value outside a
// routine's range) come back as a value instead of ending the program: the
// library's own catcher takes the refusal, its text is put into the user's
// words, and whoever asked reads it and says it.

#include <string>
#include <utility>

#include "core/base/notify.h"
#include "thermo/report.h"

namespace app {

// What work on the library gave: done, or refused with the library's text
// as the user reads it.
struct LibraryResult {
  bool ok = true;
  std::string text;
  explicit operator bool() const { return ok; }
};

// A text of the library as the user reads it: its pieces translated, the
// decimal points of its numbers turned into the user's separator.
std::string libraryText(const std::string& text);

// Runs work with the library's fatal errors caught; its messages go on to
// the installed handler as they come.
template <class F>
LibraryResult libraryAttempt(F&& work) {
  tfs::RefusalCatcher catcher(tfs::RefusalCatcher::Messages::PassedOn);
  try {
    std::forward<F>(work)();
  } catch (const tfs::Refusal& r) {
    return {false, libraryText(r.text)};
  }
  return {};
}

// Says a refusal's text where installLibraryHandlers routes the library's
// fatal errors (standard error before any is installed); nothing when the
// work was done.
void showRefusal(const LibraryResult& r);

// The work run as libraryAttempt does, a refusal's text shown at once. True
// when the work ran to the end, false when the library refused.
template <class F>
bool libraryGuarded(F&& work) {
  const LibraryResult r = libraryAttempt(std::forward<F>(work));
  showRefusal(r);
  return r.ok;
}

// Routes the library's messages and refusals to notify (in the user's
// words). A fatal error outside any libraryAttempt shows its text and ends
// the program.
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
