#pragma once
// Runs work that calls the property library so that a fatal error of the
// library (a value the student typed outside a routine's range) cancels the
// work instead of ending the program. The library's text is shown first.

#include <utility>

namespace app {

struct LibraryRefusal {
  const char* what = "";
};

namespace detail {
int& guardDepth();
}

// Returns true when the work ran to the end, false when the library refused.
template <class F>
bool libraryGuarded(F&& work) {
  ++detail::guardDepth();
  try {
    std::forward<F>(work)();
  } catch (const LibraryRefusal&) {
    --detail::guardDepth();
    return false;
  }
  --detail::guardDepth();
  return true;
}

}  // namespace app
