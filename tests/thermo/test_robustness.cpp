// Randomized calls of every public routine over the ranges the windows use:
// each call must return, without ending the program and without NaN.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

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

// Extreme finite inputs, alone and in pairs: every public routine returns
// finite outputs or refuses through the fatal handler. The refusals do not
// reach inside the ranges the windows use.
TEST(Robustness, ExtremeInputsGiveFiniteResultsOrARefusal) {
  LibraryWatch watch;
  const Real big = std::numeric_limits<Real>::max();
  const Real values[] = {-big, -1e300L, -1, -1e-300L, 0, 1e-300L, 1e-6L, 0.3L, 1, 5, 80, 300, 1e4L, 1e300L, big};
  int refused = 0, returned = 0;
  std::ostringstream bad;
  auto call = [&](const char* what, Real a, Real b, const std::function<std::vector<Real>()>& f) {
    try {
      const std::vector<Real> out = f();
      ++returned;
      const bool allFinite = std::all_of(out.begin(), out.end(), [](Real r) { return std::isfinite(r); });
      if (!allFinite && bad.tellp() < 2000)
        bad << what << "(" << a << ", " << b << "); ";
    } catch (const FatalError&) {
      ++refused;
    }
  };
  for (int k = 1; k <= 11; ++k) {
    const char* nm = name(k);
    for (Real a : values) {
      call("Psat", a, 0, [&] { Real v, l; tfs::Psat(nm, a, v, l); return std::vector<Real>{v, l}; });
      call("Tsat", a, 0, [&] { Real v, l; tfs::Tsat(nm, a, v, l); return std::vector<Real>{v, l}; });
      call("Tmelt", a, 0, [&] { return std::vector<Real>{tfs::Tmelt(nm, a)}; });
      call("Pmelt", a, 0, [&] { return std::vector<Real>{tfs::Pmelt(nm, a)}; });
      call("dhs2_P", a, 0, [&] {
        std::vector<Real> o(10);
        tfs::dhs2_P(nm, a, o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9]);
        return o;
      });
      call("dhs2_T", a, 0, [&] {
        std::vector<Real> o(10);
        tfs::dhs2_T(nm, a, o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9]);
        return o;
      });
      for (Real b : values) {
        using Routine = void (*)(std::string_view, Real, Real, Real&, Real&, Real&, Real&, Real&);
        const std::pair<const char*, Routine> routines[] = {{"dhs_PT", tfs::dhs_PT}, {"Phs_Td", tfs::Phs_Td},
                                                            {"Tds_hP", tfs::Tds_hP}, {"Tdh_sP", tfs::Tdh_sP},
                                                            {"Pdh_Ts", tfs::Pdh_Ts}};
        for (auto [what, routine] : routines)
          call(what, a, b, [&] {
            std::vector<Real> o(5);
            routine(nm, a, b, o[0], o[1], o[2], o[3], o[4]);
            return o;
          });
      }
    }
  }
  EXPECT_EQ(bad.str(), "");
  EXPECT_GT(returned, 3000);
  EXPECT_GT(refused, 3000);
}

// Inputs that give no state are refused with the range checks' texts;
// n-H2 at 145.9 K and 167.7 kg/m3 (above 1/b = 109 kg/m3) gave NaN.
TEST(Robustness, RefusalTexts) {
  LibraryWatch watch;
  Real a, b, c, d, e;
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { tfs::Phs_Td("n-H2", 145.9L, 167.7L, a, b, c, d, e); },
       " Используемая в программе Phs_Td плотность   167.70 выше предельной для данного вещества!"},
      {[&] { tfs::Phs_Td("He", 10, 230, a, b, c, d, e); },
       " Используемая в программе Phs_Td плотность   230.00 выше предельной для данного вещества!"},
      {[&] { tfs::Phs_Td("N2", 300, -1, a, b, c, d, e); },
       " Используемая в программе Phs_Td плотность    -1.00 не больше нуля!"},
      {[&] { tfs::dhs_PT("N2", 0, 300, a, b, c, d, e); },
       " Используемое в программе dhs_PT давление 0.0000 не больше нуля!"},
      {[&] { tfs::Tds_hP("N2", 100, 2000, a, b, c, d, e); },
       " Используемое в программе Tds_hP давление 2000.0000 выше предельного для данного вещества!"},
      {[&] { tfs::Tdh_sP("N2", 3, -0.5L, a, b, c, d, e); },
       " Используемое в программе Tdh_sP давление -0.5000 не больше нуля!"},
      {[&] { tfs::Pdh_Ts("N2", 2e4L, 3, a, b, c, d, e); },
       " Используемая в программе Pdh_Ts температура 20000.00 выше предельной для данного вещества!"},
      {[&] { tfs::Pdh_Ts("N2", std::numeric_limits<Real>::quiet_NaN(), 3, a, b, c, d, e); },
       " Используемая в программе Pdh_Ts температура    nan выше предельной для данного вещества!"},
      {[&] { tfs::dhs2_P("N2", 0, a, b, c, d, e, a, b, c, d, e); },
       " Используемое в программе dhs2_P давление 0.0000 не больше нуля!"},
  };
  for (const auto& [call, text] : cases) EXPECT_EQ(routines_test::fatalText(call, "<returned>"), text);
  // Just inside the limits the state is computed.
  EXPECT_NO_THROW(tfs::Phs_Td("n-H2", 145.9L, 0.999L / tfs::bRKS[2], a, b, c, d, e));
  EXPECT_TRUE(std::isfinite(a) && std::isfinite(c));
}

}  // namespace
