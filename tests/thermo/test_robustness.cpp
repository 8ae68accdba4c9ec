// Randomized calls of every public routine over the ranges the windows use:
// each call must return, without ending the program and without NaN.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

#include "routines_support.h"
#include "thermo/tfs.h"

namespace {

using namespace routines_test;
using tfs::Real;

constexpr int kCallsPerRoutine = 1500;  // per substance, five routines

class Sampler {
 public:
  explicit Sampler(unsigned seed) : gen_(seed) {}
  // Uniform in [a, b]; the engine's output is mapped by hand so that the
  // sequence does not depend on the standard library's distributions.
  Real uniform(Real a, Real b) { return a + (b - a) * (static_cast<Real>(gen_()) / 4294967295.0L); }
  Real logUniform(Real a, Real b) { return std::exp(uniform(std::log(a), std::log(b))); }

 private:
  std::mt19937 gen_;
};

bool finite(std::initializer_list<Real> v) {
  return std::all_of(v.begin(), v.end(), [](Real r) { return std::isfinite(r); });
}

TEST(Robustness, RandomCallsReturnDefinedResults) {
  LibraryWatch watch;
  Sampler rnd(20261207);
  for (int k = 1; k <= 11; ++k) {
    const char* nm = name(k);
    const Real Pmax = k == 1 ? 10 : 100;
    const Real Tlo = tfs::Ttr[k], Thi = 500;
    auto randT = [&] { return k == 1 ? rnd.logUniform(Tlo, Thi) : rnd.uniform(Tlo, Thi); };
    int fatal = 0, nan = 0;
    std::ostringstream where;
    auto guarded = [&](const char* routine, Real a, Real b, auto&& call) {
      try {
        if (!call()) {
          if (nan++ < 5) where << routine << "(" << a << ", " << b << ") gives NaN; ";
        }
      } catch (const FatalError& e) {
        if (fatal++ < 5) where << routine << "(" << a << ", " << b << ") ends: " << e.what() << "; ";
      }
    };

    // The (P, T) states fix the ranges of h, s and d.
    Real hmin = 1e30L, hmax = -1e30L, smin = 1e30L, smax = -1e30L, dmax = 0;
    for (int i = 0; i < kCallsPerRoutine; ++i) {
      const Real P = rnd.logUniform(0.001L, Pmax), T = randT();
      guarded("dhs_PT", P, T, [&] {
        Real d, h, s, Cp, x;
        tfs::dhs_PT(nm, P, T, d, h, s, Cp, x);
        if (!finite({d, h, s, Cp, x})) return false;
        if (T >= tfs::Tmelt(nm, P)) {
          hmin = std::min(hmin, h), hmax = std::max(hmax, h);
          smin = std::min(smin, s), smax = std::max(smax, s);
          dmax = std::max(dmax, d);
        }
        return true;
      });
    }
    ASSERT_LT(hmin, hmax) << nm;

    for (int i = 0; i < kCallsPerRoutine; ++i) {
      const Real h = rnd.uniform(hmin, hmax), P = rnd.logUniform(0.001L, Pmax);
      guarded("Tds_hP", h, P, [&] {
        Real T, d, s, Cp = 0, x = 0;
        tfs::Tds_hP(nm, h, P, T, d, s, Cp, x);
        return finite({T, d, s, Cp, x});
      });
    }
    for (int i = 0; i < kCallsPerRoutine; ++i) {
      const Real s = rnd.uniform(smin, smax), P = rnd.logUniform(0.001L, Pmax);
      guarded("Tdh_sP", s, P, [&] {
        Real T, d, h = 0, Cp = 0, x = 0;
        tfs::Tdh_sP(nm, s, P, T, d, h, Cp, x);
        return finite({T, d, h, Cp, x});
      });
    }
    for (int i = 0; i < kCallsPerRoutine; ++i) {
      const Real T = randT(), s = rnd.uniform(smin, smax);
      guarded("Pdh_Ts", T, s, [&] {
        Real P, d, h, Cp, x;
        tfs::Pdh_Ts(nm, T, s, P, d, h, Cp, x);
        return finite({P, d, h, Cp, x}) && P >= 0;
      });
    }
    for (int i = 0; i < kCallsPerRoutine; ++i) {
      const Real T = randT(), d = rnd.logUniform(1e-4L * dmax, dmax);
      guarded("Phs_Td", T, d, [&] {
        Real P, h, s, Cp, x;
        tfs::Phs_Td(nm, T, d, P, h, s, Cp, x);
        return finite({P, h, s, Cp, x});
      });
    }
    EXPECT_EQ(fatal, 0) << nm << ": " << where.str();
    EXPECT_EQ(nan, 0) << nm << ": " << where.str();
  }
  EXPECT_EQ(watch.count("x<0 in x^y"), 0);
}

}  // namespace
