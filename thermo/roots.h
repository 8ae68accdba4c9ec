#pragma once
// Root finding shared by the library and the code that calls it.

#include <cmath>
#include <limits>

namespace tfs {

// The root of f between a and b, f(a) < 0 < f(b), by false position with
// the Illinois rule: when the same end moves twice in a row, the other
// end's value is halved, so that the search does not creep towards the root
// from one side only. Stops when the bracket is narrower than tol, or after
// 100 passes, at its middle; NaN when f is not finite on the way.
template <class Num, class F>
Num illinoisRoot(const F& f, Num a, Num b, Num fa, Num fb, Num tol) {
  int side = 0;
  for (int pass = 0; pass < 100 && std::fabs(b - a) > tol; ++pass) {
    const Num c = (a * fb - b * fa) / (fb - fa);
    const Num fc = f(c);
    if (!std::isfinite(fc)) return std::numeric_limits<Num>::quiet_NaN();
    if (fc == 0) return c;
    if (fc > 0) {
      b = c, fb = fc;
      if (side == -1) fa /= 2;
      side = -1;
    } else {
      a = c, fa = fc;
      if (side == 1) fb /= 2;
      side = 1;
    }
  }
  return (a + b) / 2;
}

}  // namespace tfs
