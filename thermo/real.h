#pragma once

namespace tfs {

// Every physical value is an 80-bit extended real.
using Real = long double;

}  // namespace tfs
