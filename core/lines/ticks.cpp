#include "core/lines/ticks.h"

#include <cmath>

namespace diagram {

std::vector<double> ladderTicks(double lo, double hi, std::initializer_list<double> mantissas) {
  std::vector<double> out;
  for (int e = int(std::floor(std::log10(lo))) - 1; e <= int(std::ceil(std::log10(hi))); ++e)
    for (double m : mantissas) {
      // Built from integers so that 0.15 or 150 come out exact.
      const double v = e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e);
      if (v >= lo * (1 - 1e-12) && v <= hi * (1 + 1e-12)) out.push_back(v);
    }
  return out;
}

std::vector<double> logTicks(double lo, double hi) {
  if (!(lo > 0) || !(hi > lo)) return {};
  const std::vector<double> out = ladderTicks(lo, hi, {1, 1.5, 2, 3, 5, 7});
  // A narrow range (carbon dioxide from its triple point) holds too few of
  // them: round steps instead, still placed logarithmically.
  if (out.size() < 4) return linearTicks(lo, hi, 8);
  return out;
}

std::vector<double> linearTicks(double lo, double hi, int maxCount, double minStep) {
  std::vector<double> out;
  if (!(hi > lo) || maxCount < 1) return out;
  const double span = hi - lo;
  double step = std::pow(10.0, std::floor(std::log10(span / maxCount)));
  for (int guard = 0; guard < 64; ++guard) {
    for (double m : {1.0, 2.0, 5.0}) {
      const double st = m * step;
      if (st < minStep) continue;
      if (std::floor(hi / st) - std::ceil(lo / st) + 1 <= maxCount) {
        for (double k = std::ceil(lo / st - 1e-9); k * st <= hi + st * 1e-9; k += 1) out.push_back(k * st);
        return out;
      }
    }
    step *= 10;
  }
  return out;
}

}  // namespace diagram
