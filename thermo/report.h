#pragma once
// How the property library talks to its user: a modal message (the program
// goes on), a fatal error (the program ends), and the number formatting used
// in those texts. The windows replace the handlers; the defaults write to the
// standard streams.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "real.h"

namespace tfs {

using TextHandler = std::function<void(const std::string&)>;

// Modal message, after which the caller goes on. Default: the text and a
// line feed to standard error.
void setMessageHandler(TextHandler handler);
// The handler installed now (to put it back after a temporary one).
TextHandler currentMessageHandler();
void message(const std::string& text);

// Fatal error. The handler must not return: it ends the process or throws.
// Default: the text to standard error, then exit status 1.
void setFatalHandler(TextHandler handler);
[[noreturn]] void fatal(const std::string& text);

// The two guards of the saturation core and the melting line write one line
// to standard output and then end the program through the fatal handler.
[[noreturn]] void consoleFatal(const std::string& line);

// Restores both default handlers.
void resetHandlers();

// A refusal of the library taken as a value: the text the fatal handler
// would have been given, and the messages shown before it.
struct Refusal {
  std::string text;
};

// While one lives (on this thread), a fatal error throws Refusal instead of
// calling the handler. Searches use it to probe states that may not exist:
// their messages are kept instead of shown. Work that only wants the fatal
// error as a value lets the messages go on to whoever keeps or shows them
// without it.
class RefusalCatcher {
 public:
  enum class Messages { Kept, PassedOn };
  explicit RefusalCatcher(Messages messages = Messages::Kept);
  ~RefusalCatcher();
  RefusalCatcher(const RefusalCatcher&) = delete;
  RefusalCatcher& operator=(const RefusalCatcher&) = delete;
  // The messages kept while it lived.
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  friend void message(const std::string& text);
  friend void consoleFatal(const std::string& line);
  // The innermost catcher that keeps messages, this one or an outer one.
  RefusalCatcher* keeper();
  RefusalCatcher* outer_;
  bool keeps_;
  std::vector<std::string> messages_;
};

// What a piece of work gave: done, or the refusal's text (and the first
// message, for the routines that warn and go on).
struct Attempt {
  bool ok = true;
  std::string text;
  explicit operator bool() const { return ok; }
};

// Runs work with refusals caught; a message counts as a refusal too, as the
// routines that warn return no sound state.
template <class F>
Attempt attempt(F&& work) {
  RefusalCatcher catcher;
  try {
    std::forward<F>(work)();
  } catch (const Refusal& r) {
    return {false, r.text};
  }
  if (!catcher.messages().empty()) return {false, catcher.messages().front()};
  return {};
}

// printf-style formatting of one number, independent of the C locale.
// The pattern holds literal text and exactly one conversion
// %[-][0][width][.prec]f or %[-][0][width]d (a 'd' rounds half to even).
// The library's own texts keep the point; a caller may ask for another
// decimal separator.
std::string formatNumber(std::string_view pattern, Real value, char separator = '.');

}  // namespace tfs
