#pragma once
// Helpers of the property-routine tests: a state and the saturation
// temperatures from one call, a fatal handler that throws, a message
// recorder, the fatal text of a call, and the eleven identifiers.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "thermo/real.h"
#include "thermo/report.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace routines_test {

using tfs::Real;

// The outputs of dhs_PT; -1 marks an output left unassigned.
struct State {
  Real d = -1, h = -1, s = -1, Cp = -1, x = -1;
};

inline State PT(const char* nm, Real P, Real T) {
  State r;
  tfs::dhs_PT(nm, P, T, r.d, r.h, r.s, r.Cp, r.x);
  return r;
}

// The saturation temperatures of Tsat at a pressure: Tv on the dew side,
// Tl on the bubble side; -1 marks one left unassigned.
struct Saturation {
  Real Tv = -1, Tl = -1;
};

inline Saturation TsatAt(const char* nm, Real P) {
  Saturation r;
  tfs::Tsat(nm, P, r.Tv, r.Tl);
  return r;
}

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

// The fatal text a call stops with under a LibraryWatch, or `none` when it
// returns.
template <class F>
std::string fatalText(F&& call, const std::string& none = "") {
  try {
    call();
  } catch (const FatalError& f) {
    return f.what();
  }
  return none;
}

// The same for a test that holds no watch of its own.
template <class F>
std::string watchedFatalText(F&& call, const std::string& none = "") {
  LibraryWatch watch;
  return fatalText(call, none);
}

inline const char* name(int k) { return tfs::SubstName[k]; }

}  // namespace routines_test
