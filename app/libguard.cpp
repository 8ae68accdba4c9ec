#include "app/libguard.h"

#include <cstdlib>

#include "app/numfmt.h"
#include "thermo/report.h"

namespace app {

namespace detail {
int& guardDepth() {
  static int depth = 0;
  return depth;
}
}  // namespace detail

void installLibraryHandlers(Notify notify) {
  tfs::setMessageHandler([notify](const std::string& text) { notify(localized(text)); });
  tfs::setFatalHandler([notify](const std::string& text) {
    notify(localized(text));
    if (detail::guardDepth() > 0) throw LibraryRefusal{};
    std::exit(1);
  });
}

ScopedLibraryMessages::ScopedLibraryMessages(Notify notify) : previous_(tfs::currentMessageHandler()) {
  tfs::setMessageHandler([notify](const std::string& text) { notify(localized(text)); });
}

ScopedLibraryMessages::~ScopedLibraryMessages() { tfs::setMessageHandler(previous_); }

}  // namespace app
