#pragma once
// Where the diagram's axes carry their numbers.

#include <initializer_list>
#include <vector>

namespace diagram {

// m times the powers of ten inside [lo, hi] (to rounding), for each
// mantissa m (ascending, in [1, 10)), lowest first; lo > 0.
std::vector<double> ladderTicks(double lo, double hi, std::initializer_list<double> mantissas);

// Round values 1, 1.5, 2, 3, 5, 7 times a power of ten inside [lo, hi]:
// labels of a logarithmic temperature axis. Fewer than four of them in the
// range: the linear round steps below instead.
std::vector<double> logTicks(double lo, double hi);

// Multiples of a round step (1, 2 or 5 times a power of ten, at least
// minStep when minStep > 0) inside [lo, hi], at most maxCount of them.
std::vector<double> linearTicks(double lo, double hi, int maxCount, double minStep = 0);

}  // namespace diagram
