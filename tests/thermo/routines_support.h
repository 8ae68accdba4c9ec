#pragma once
// Helpers of the property-routine tests: a fatal handler that throws, a
// message recorder, and the eleven identifiers.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "thermo/real.h"
#include "thermo/report.h"
#include "thermo/substances.h"

namespace routines_test {

using tfs::Real;

struct FatalError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Installs a throwing fatal handler and records every message; restores the
// defaults on destruction.
class LibraryWatch {
 public:
  LibraryWatch() {
    tfs::setFatalHandler([](const std::string& t) { throw FatalError(t); });
    tfs::setMessageHandler([this](const std::string& t) { messages.push_back(t); });
  }
  ~LibraryWatch() { tfs::resetHandlers(); }
  LibraryWatch(const LibraryWatch&) = delete;
  LibraryWatch& operator=(const LibraryWatch&) = delete;

  int count(const std::string& text) const {
    int n = 0;
    for (const auto& m : messages) n += m == text;
    return n;
  }

  std::vector<std::string> messages;
};

inline const char* name(int k) { return tfs::SubstName[k]; }

}  // namespace routines_test
