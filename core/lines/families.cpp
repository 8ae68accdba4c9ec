#include "core/lines/families.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <unordered_map>

#include "core/lines/ticks.h"
#include "thermo/inversion.h"
#include "thermo/report.h"
#include "thermo/roots.h"
#include "thermo/tfs.h"

namespace diagram::kinds {

namespace {

using tfs::attempt;
using tfs::Real;

bool finite(Real v) { return std::isfinite(double(v)); }

State make(Real T, Real P, Real h, Real s, Real d, Real x) {
  return {double(T), double(P), double(h), double(s), double(d), double(x)};
}

// The saturated liquid and vapour at one temperature or pressure.
struct Sat {
  State liquid, vapour;
};

bool satT(const tfs::Model& m, Real T, Sat& out) {
  Real Pv = 0, dv = 0, hv = 0, sv = 0, Cpv = 0, Pl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
  if (!attempt([&] { m.dhs2_T(T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl); })) return false;
  out.vapour = make(T, Pv, hv, sv, dv, 0);
  out.liquid = make(T, Pl, hl, sl, dl, 1);
  return finite(hv + sv + hl + sl) && dv > 0 && dl > 0 && Pv > 0 && Pl > 0;
}

bool satP(const tfs::Model& m, Real P, Sat& out) {
  Real Tv = 0, dv = 0, hv = 0, sv = 0, Cpv = 0, Tl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
  if (!attempt([&] { m.dhs2_P(P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl); })) return false;
  out.vapour = make(Tv, P, hv, sv, dv, 0);
  out.liquid = make(Tl, P, hl, sl, dl, 1);
  return finite(hv + sv + hl + sl) && dv > 0 && dl > 0 && Tl > 0 && Tv >= Tl;
}

// The wet state of dryness X between the saturated states: h and s by the
// lever rule, T and P as the library interpolates them (air's lines
// differ), the volume by the lever rule.
State lever(const Sat& q, double X) {
  const State &l = q.liquid, &v = q.vapour;
  if (X == 0) return l;
  if (X == 1) return v;
  State st;
  st.T = l.T + X * (v.T - l.T);
  st.P = l.P + X * (v.P - l.P);
  st.h = l.h + X * (v.h - l.h);
  st.s = l.s + X * (v.s - l.s);
  st.d = 1 / (X / v.d + (1 - X) / l.d);
  st.x = 1 - X;
  return st;
}

bool atPT(const tfs::Model& m, Real P, Real T, State& st) {
  Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
  if (!attempt([&] { m.dhs_PT(P, T, d, h, s, Cp, x); })) return false;
  if (!finite(h) || !finite(s) || !(d > 0)) return false;
  st = make(T, P, h, s, d, x);
  return true;
}

bool twoPhase(Real x) { return x > 0 && x < 1; }

// The inverse routines stop within their tolerance (R/1000 in s, R/100 in
// h), and near the critical point after their last pass: that shows as a
// wobble when zoomed in. A single-phase state is solved again on the
// direct routine, s or h rising with T at constant P: Newton steps
// (dh = Cp dT, ds = Cp dT / T) kept inside the bracket found so far and
// inside the phase, halving where they leave it. False where the value is
// not reached: near the top of the dome the model's states jump (its
// saturation line is not its equation's), and no state has it.
enum class Target { Entropy, Enthalpy };

bool polish(const tfs::Model& m, Target what, Real want, Real P, State& st) {
  const bool subcritical = P < m.limits().Pcr;
  const Real phase = st.x;
  // Far below a pixel at any zoom the program allows.
  const Real R = m.gasConstant();
  const Real scale = what == Target::Entropy ? R : R * st.T;
  const Real tol = Real(1e-10) * scale;
  // The bracket, with the residual and the slope at its ends once known.
  const Real top = 2 * m.limits().Tmax;
  Real lo = 0, hi = top, rlo = 0, rhi = 0, glo = 0, ghi = 0;
  Real T = st.T, bestT = 0, best = HUGE_VALL, last = top;
  for (int pass = 0; pass < 40 && hi - lo > Real(1e-12) * hi; ++pass) {
    Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
    const bool ok = attempt([&] { m.dhs_PT(P, T, d, h, s, Cp, x); }) && finite(h) && finite(s) && d > 0 &&
                    Cp > 0 && Cp != tfs::kTwoPhaseCp && (!subcritical || x == phase);
    if (!ok) {
      // Out of the phase: back towards the best state so far.
      if (!(best < HUGE_VALL)) return false;
      (T > bestT ? hi : lo) = T;
      (T > bestT ? ghi : glo) = 0;
      T = (T + bestT) / 2;
      continue;
    }
    const Real r = what == Target::Entropy ? want - s : want - h;
    const Real slope = what == Target::Entropy ? Cp / T : Cp;
    if (std::fabs(r) < best) {
      best = std::fabs(r), bestT = T;
      st = make(T, P, h, s, d, x);
    }
    if (std::fabs(r) <= tol) return true;
    if (r > 0)
      lo = T, rlo = r, glo = slope;
    else
      hi = T, rhi = r, ghi = slope;
    // A step far steeper than the slopes at both ends is a jump.
    if (glo > 0 && ghi > 0 && rlo - rhi > 1000 * std::max(glo, ghi) * (hi - lo)) return false;
    // Newton while it stays in the bracket and at least halves the step;
    // halving the bracket otherwise (doubling the step while one end is
    // still open).
    Real next = T + r / slope;
    if (!(next > lo && next < hi) || std::fabs(2 * r) > std::fabs(last * slope)) {
      if (lo > 0 && hi < top)
        next = (lo + hi) / 2;
      else
        next = std::clamp(T + (r > 0 ? 2 : -2) * std::min(std::fabs(r / slope), last), (lo + T) / 2, (hi + T) / 2);
    }
    last = std::fabs(next - T);
    T = next;
  }
  return best <= Real(1e-7) * scale;
}

bool atSP(const tfs::Model& m, Real s, Real P, State& st) {
  Real T = 0, d = 0, h = 0, Cp = 0, x = 0;
  if (!attempt([&] { m.Tdh_sP(s, P, T, d, h, Cp, x); })) return false;
  if (!(T > 0) || !finite(h) || !(d > 0)) return false;
  st = make(T, P, h, s, d, x);
  return twoPhase(x) || polish(m, Target::Entropy, s, P, st);
}

bool atHP(const tfs::Model& m, Real h, Real P, State& st) {
  Real T = 0, d = 0, s = 0, Cp = 0, x = 0;
  if (!attempt([&] { m.Tds_hP(h, P, T, d, s, Cp, x); })) return false;
  if (!(T > 0) || !finite(s) || !(d > 0)) return false;
  st = make(T, P, h, s, d, x);
  return twoPhase(x) || polish(m, Target::Enthalpy, h, P, st);
}

bool atTd(const tfs::Model& m, Real T, Real d, State& st) {
  Real P = 0, h = 0, s = 0, Cp = 0, x = 0;
  if (!attempt([&] { m.Phs_Td(T, d, P, h, s, Cp, x); })) return false;
  if (!(P > 0) || !finite(h) || !finite(s)) return false;
  st = make(T, P, h, s, d, x);
  return true;
}

// The melting pressure at T, or infinity where the model has none.
double meltingPressure(const tfs::Model& m, Real T) {
  Real Pm = 0;
  if (T >= m.limits().Ttr && attempt([&] { Pm = m.Pmelt(T); }) && Pm > 0) return double(Pm);
  return HUGE_VAL;
}

// A state line as pieces joined end to end, each a function of its own
// parameter.
struct Piece {
  Curve curve;
  double t0 = 0, t1 = 0;
  int steps = 16;
};

Path trace(const std::vector<Piece>& pieces, const Frame& f, const SamplerLimits& lim) {
  Path p;
  for (const Piece& pc : pieces) {
    if (!(pc.t1 > pc.t0)) continue;
    const Sampling s = sampleCurve(pc.curve, pc.t0, pc.t1, pc.steps, f, lim);
    clipInto(s.samples, f, lim.margin, p);
  }
  return p;
}

// Values round in a logarithmic quantity: the densest of the ladders 1;
// 1, 2, 5; 1, 1.5, 2, 3, 5, 7; 1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8 times
// the powers of ten with at most most of them in [lo, hi]; round linear
// steps where those give fewer than three.
Values roundLog(double lo, double hi, int most) {
  Values out;
  if (!(lo > 0) || !(hi >= lo)) return out;
  std::vector<double> best;
  for (const std::initializer_list<double> ladder : {std::initializer_list<double>{1}, {1, 2, 5},
                                                      {1, 1.5, 2, 3, 5, 7}, {1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8}}) {
    std::vector<double> v = ladderTicks(lo, hi, ladder);
    if (int(v.size()) > most) break;
    best = std::move(v);
  }
  if (best.empty()) {
    // Many decades: every n-th power of ten.
    const std::vector<double> decades = ladderTicks(lo, hi, {1});
    const std::size_t every = (decades.size() + most - 1) / std::max(1, most);
    for (std::size_t i = 0; i < decades.size(); i += std::max<std::size_t>(1, every)) best.push_back(decades[i]);
  }
  if (best.size() < 3) {
    const std::vector<double> lin = linearTicks(lo, hi, most);
    if (lin.size() > best.size()) {
      out.values = lin;
      out.step = lin.size() > 1 ? lin[1] - lin[0] : 0;
      return out;
    }
  }
  out.values = best;
  return out;
}

Values roundLinear(double lo, double hi, int most) {
  Values out;
  out.values = linearTicks(lo, hi, most);
  out.step = out.values.size() > 1 ? out.values[1] - out.values[0] : 0;
  return out;
}

// Shown values back in the library's units.
Values scaled(Values v, double shownPerLibrary) {
  for (double& x : v.values) x /= shownPerLibrary;
  return v;
}

}  // namespace

std::vector<Role> families(Kind k) {
  switch (k) {
    case Kind::TS:
      return {Role::SatLiquid, Role::SatVapour, Role::Melting, Role::Isobar, Role::Isenthalp, Role::Dryness,
              Role::Inversion};
    case Kind::PH:
      return {Role::SatLiquid, Role::SatVapour, Role::Melting,   Role::Isotherm,
              Role::Isentrope, Role::Isochore,  Role::Dryness,   Role::Inversion};
    case Kind::HS:
      return {Role::SatLiquid, Role::SatVapour, Role::Melting, Role::Isobar, Role::Isotherm, Role::Dryness,
              Role::Inversion};
  }
  return {};
}

// The start values of the inversion pressure: solved on a few temperatures
// once, interpolated in ln P for the next solution.
struct KindLines::Inversion {
  double Tinv = 0;                             // highest inversion temperature, 0: none
  std::vector<std::pair<double, double>> seeds;  // (T, ln P) by ascending T
};

namespace {

// The inversion pressure at T: the sign change of (dh/dP)T in ln P, from
// the liquid side (or the lowest pressure) to the ceiling; near guess when
// one is given. 0 when there is none.
double solveInversion(const tfs::Model& m, double T, double guess) {
  tfs::InversionSpan span;
  if (!attempt([&] { span = tfs::inversionSearchSpan(m, T); })) return 0;
  const double lo = std::log(double(span.lo)), hi = std::log(double(span.hi));
  if (!(lo < hi)) return 0;
  auto f = [&](double y) {
    Real g = 0;
    if (!attempt([&] { g = tfs::enthalpyPressureSlope(m, T, std::exp(Real(y))); }) || !finite(g)) return double(NAN);
    return double(g);
  };
  double a = lo, b = hi, fa = NAN, fb = NAN;
  bool bracketed = false;
  if (std::isfinite(guess)) {
    for (double w = 0.05; !bracketed; w *= 4) {
      a = std::max(lo, guess - w), b = std::min(hi, guess + w);
      fa = f(a), fb = f(b);
      bracketed = fa < 0 && fb > 0;
      if (a == lo && b == hi) break;
    }
  } else {
    fa = f(a), fb = f(b);
    bracketed = fa < 0 && fb > 0;
  }
  if (!bracketed) return 0;
  const double root = tfs::illinoisRoot(f, a, b, fa, fb, 1e-13);
  return std::isfinite(root) ? std::exp(root) : 0;
}

}  // namespace

struct KindLines::Saturation {
  std::unordered_map<double, std::optional<Sat>> at;
};

KindLines::KindLines(const tfs::Model& m, const Limits& lim)
    : m_(m), lim_(lim), region_(diagramRegion(m, lim)), saturation_(std::make_unique<Saturation>()) {}

KindLines::~KindLines() = default;

bool KindLines::saturatedAt(double T, State& liquid, State& vapour) const {
  auto& at = saturation_->at;
  auto it = at.find(T);
  if (it == at.end()) {
    if (at.size() > 100000) at.clear();  // a bound for a long session of zooming
    Sat q;
    it = at.emplace(T, satT(m_, T, q) ? std::optional<Sat>(q) : std::nullopt).first;
  }
  if (!it->second) return false;
  liquid = it->second->liquid, vapour = it->second->vapour;
  return true;
}

const KindLines::Inversion& KindLines::inversion() const {
  if (inversion_) return *inversion_;
  inversion_ = std::make_unique<Inversion>();
  Inversion& inv = *inversion_;
  Real Tinv = 0;
  if (!attempt([&] { Tinv = tfs::maxInversionTemperature(m_); }) || !(Tinv > 0)) return inv;
  inv.Tinv = double(Tinv);
  const double Tlow = double(m_.limits().Ttr) * (1 + 1e-6);
  constexpr int n = 16;
  for (int i = 0; i < n; ++i) {
    const double w = (1 - std::cos(std::numbers::pi * i / n)) / 2;
    const double T = Tlow + (inv.Tinv - Tlow) * w;
    const double P = solveInversion(m_, T, NAN);
    if (P > 0) inv.seeds.push_back({T, std::log(P)});
  }
  return inv;
}

double KindLines::inversionPressure(double T) const {
  const Inversion& inv = inversion();
  if (!(inv.Tinv > 0) || !(T < inv.Tinv)) return 0;
  double guess = NAN;
  const auto& s = inv.seeds;
  if (!s.empty()) {
    auto it = std::lower_bound(s.begin(), s.end(), T, [](const auto& p, double v) { return p.first < v; });
    if (it == s.begin())
      guess = it->second;
    else if (it == s.end())
      guess = s.back().second;
    else {
      const auto& p0 = *(it - 1);
      const auto& p1 = *it;
      guess = p0.second + (p1.second - p0.second) * (T - p0.first) / (p1.first - p0.first);
    }
  }
  return solveInversion(m_, T, guess);
}

Frame KindLines::fullFrame(Kind k, bool logT, double width, double height) const {
  return kinds::fullFrame(k, region_, logT, width, height);
}

Ranges KindLines::ranges(const Frame& f) const {
  const Region& R = region_;
  Ranges r;
  if (!R.valid) return r;
  bool covers = false;
  switch (f.kind) {
    case Kind::TS: covers = f.xLo <= R.sLo && f.xHi >= R.sHi && f.yLo <= R.Tmin && f.yHi >= R.Tmax; break;
    case Kind::PH: covers = f.xLo <= R.hLo && f.xHi >= R.hHi && f.yLo <= R.Plo && f.yHi >= R.Phi; break;
    case Kind::HS: covers = f.xLo <= R.sLo && f.xHi >= R.sHi && f.yLo <= R.hLo && f.yHi >= R.hHi; break;
  }
  if (covers) return {true, R.Tmin, R.Tmax, R.Plo, R.Phi, R.sLo, R.sHi, R.hLo, R.hHi, R.dLo, R.dHi, R.Plo, R.Phi};

  constexpr double inf = std::numeric_limits<double>::infinity();
  r = {false, inf, -inf, inf, -inf, inf, -inf, inf, -inf, inf, -inf, 0, 0};
  auto inRegion = [&](const State& st) {
    return st.T >= R.Tmin * (1 - 1e-9) && st.T <= R.Tmax * (1 + 1e-9) && st.P >= R.Plo * (1 - 1e-9) &&
           st.P <= R.Phi * (1 + 1e-9);
  };
  auto take = [&](const State& st) {
    if (!inRegion(st) || !std::isfinite(st.h) || !std::isfinite(st.s) || !(st.d > 0)) return;
    r.any = true;
    r.Tlo = std::min(r.Tlo, st.T), r.Thi = std::max(r.Thi, st.T);
    r.Plo = std::min(r.Plo, st.P), r.Phi = std::max(r.Phi, st.P);
    r.slo = std::min(r.slo, st.s), r.shi = std::max(r.shi, st.s);
    r.hlo = std::min(r.hlo, st.h), r.hhi = std::max(r.hhi, st.h);
    r.dlo = std::min(r.dlo, st.d), r.dhi = std::max(r.dhi, st.d);
  };
  // A grid over the frame; its states by the kind's inverse routine.
  constexpr int n = 7;
  auto along = [&](double lo, double hi, int i, bool log) {
    return log ? lo * std::pow(hi / lo, double(i) / (n - 1)) : lo + (hi - lo) * i / (n - 1);
  };
  const double xLo = f.xLo, xHi = f.xHi;
  switch (f.kind) {
    case Kind::TS: {
      const double T0 = std::max(f.yLo, R.Tmin), T1 = std::min(f.yHi, R.Tmax);
      if (!(T1 >= T0)) break;
      for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k) {
          const Real s = along(xLo, xHi, i, false), T = along(T0, T1, k, f.logY);
          Real P = 0, d = 0, h = 0, Cp = 0, x = 0;
          if (attempt([&] { m_.Pdh_Ts(T, s, P, d, h, Cp, x); }) && P > 0) take(make(T, P, h, s, d, x));
        }
      break;
    }
    case Kind::PH: {
      const double P0 = std::max(f.yLo, R.Plo), P1 = std::min(f.yHi, R.Phi);
      if (!(P1 >= P0)) break;
      for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k) {
          const Real h = along(xLo, xHi, i, false), P = along(P0, P1, k, true);
          Real T = 0, d = 0, s = 0, Cp = 0, x = 0;
          if (attempt([&] { m_.Tds_hP(h, P, T, d, s, Cp, x); }) && T > 0) take(make(T, P, h, s, d, x));
        }
      break;
    }
    case Kind::HS: {
      // Along each column's isentrope h rises with P: the rows' states
      // interpolated between its states at a few pressures.
      constexpr int np = 12;
      for (int i = 0; i < n; ++i) {
        const Real s = along(xLo, xHi, i, false);
        std::vector<State> iso;
        for (int j = 0; j < np; ++j) {
          const Real P = R.Plo * std::pow(R.Phi / R.Plo, double(j) / (np - 1));
          Real T = 0, d = 0, h = 0, Cp = 0, x = 0;
          if (attempt([&] { m_.Tdh_sP(s, P, T, d, h, Cp, x); }) && T > 0 && d > 0 && finite(h))
            iso.push_back(make(T, P, h, s, d, x));
        }
        for (const State& st : iso)
          if (st.h >= f.yLo && st.h <= f.yHi) take(st);
        for (int k = 0; k < n; ++k) {
          const double h = along(f.yLo, f.yHi, k, false);
          for (std::size_t j = 1; j < iso.size(); ++j) {
            const State &a = iso[j - 1], &b = iso[j];
            if (!((a.h - h) * (b.h - h) <= 0) || a.h == b.h) continue;
            const double w = (h - a.h) / (b.h - a.h);
            State st = a;
            st.h = h;
            st.T = a.T + w * (b.T - a.T);
            st.P = std::exp(std::log(a.P) + w * std::log(b.P / a.P));
            st.d = std::exp(std::log(a.d) + w * std::log(b.d / a.d));
            take(st);
            break;
          }
        }
      }
      break;
    }
  }
  if (!r.any) return r;
  // A little more than the grid saw, within the region.
  auto padLinear = [](double& lo, double& hi) {
    const double g = std::max(0.1 * (hi - lo), 1e-9 * std::max(1.0, std::fabs(hi)));
    lo -= g, hi += g;
  };
  auto padLog = [](double& lo, double& hi) {
    const double g = std::exp(std::max(0.1 * std::log(hi / lo), 1e-9));
    lo /= g, hi *= g;
  };
  r.PloSeen = r.Plo, r.PhiSeen = r.Phi;
  padLinear(r.Tlo, r.Thi);
  padLinear(r.slo, r.shi);
  padLinear(r.hlo, r.hhi);
  padLog(r.Plo, r.Phi);
  padLog(r.dlo, r.dhi);
  r.Tlo = std::max(r.Tlo, R.Tmin), r.Thi = std::min(r.Thi, R.Tmax);
  r.Plo = std::max(r.Plo, R.Plo), r.Phi = std::min(r.Phi, R.Phi);
  return r;
}

Values KindLines::values(Role role, const Ranges& rg, const ShownUnits& u, int most) const {
  Values v;
  switch (role) {
    case Role::SatLiquid:
    case Role::SatVapour:
    case Role::Melting:
    case Role::Inversion: v.values = {0}; return v;
    case Role::Dryness:
      for (int i = 1; i <= 9; ++i) v.values.push_back(i / 10.0);
      return v;
    default: break;
  }
  if (!rg.any) return v;
  switch (role) {
    case Role::Isobar: {
      // The T–s diagram's pressures while three of them are in sight;
      // finer round pressures closer in.
      int seen = 0;
      for (double P : diagramIsobars(lim_)) {
        if (P >= rg.Plo * (1 - 1e-12) && P <= rg.Phi * (1 + 1e-12)) v.values.push_back(P);
        if (P >= rg.PloSeen * (1 - 1e-12) && P <= rg.PhiSeen * (1 + 1e-12)) ++seen;
      }
      if (seen >= 3) return v;
      Values finer = roundLog(rg.Plo, rg.Phi, most);
      return finer.values.size() > v.values.size() ? finer : v;
    }
    case Role::Isotherm: return roundLog(rg.Tlo, rg.Thi, most);
    case Role::Isentrope: return scaled(roundLinear(rg.slo * u.s, rg.shi * u.s, most), u.s);
    case Role::Isenthalp: return scaled(roundLinear(rg.hlo * u.h, rg.hhi * u.h, most), u.h);
    case Role::Isochore: {
      Values d = roundLog(rg.dlo / u.d, rg.dhi / u.d, most);
      for (double& x : d.values) x *= u.d;
      return d;
    }
    default: return v;
  }
}

namespace {

bool inRegion(const Region& R, const State& st) {
  return st.T >= R.Tmin * (1 - 1e-12) && st.T <= R.Tmax * (1 + 1e-12) && st.P >= R.Plo * (1 - 1e-9) &&
         st.P <= R.Phi * (1 + 1e-9);
}

// A single-phase piece at constant P (parameter ln T) or at constant T
// (parameter ln P) from a0 to a1, in phase (0 vapour, 1 liquid, -1 any),
// its ends given where they are saturated states.
Piece singlePhase(const tfs::Model& m, Kind k, bool isobaric, double fixed, double a0, double a1, int steps,
                  int phase, std::optional<State> lo, std::optional<State> hi) {
  const double t0 = std::log(a0), t1 = std::log(a1);
  return Piece{[&m, k, isobaric, fixed, phase, lo, hi, t0, t1](double t, XY& at) {
                 State st;
                 const double a = std::exp(t);
                 if (lo && t == t0)
                   st = *lo;
                 else if (hi && t == t1)
                   st = *hi;
                 else if (!(isobaric ? atPT(m, fixed, a, st) : atPT(m, a, fixed, st)) || (phase >= 0 && st.x != phase))
                   return false;
                 at = coordinates(k, st);
                 return true;
               },
               t0, t1, steps};
}

// The two-phase segment from one saturated state to the other.
Piece wet(Kind k, const Sat& q, bool fromLiquid) {
  return Piece{[k, q, fromLiquid](double t, XY& at) {
                 at = coordinates(k, lever(q, fromLiquid ? t : 1 - t));
                 return true;
               },
               0, 1, 4};
}

// An isobar from the melting line (or the region's coldest temperature) to
// the region's warmest: liquid, the dome's chord and vapour below the
// critical pressure.
void isobarPieces(const tfs::Model& m, Kind k, const Region& R, double P, std::vector<Piece>& pieces) {
  const tfs::ModelLimits& L = m.limits();
  double Tlo = R.Tmin;
  Real Tm = 0;
  if (attempt([&] { Tm = m.Tmelt(P); }) && Tm > L.Ttr && Tm > Tlo) Tlo = double(Tm);
  const double Thi = R.Tmax;
  if (!(Tlo < Thi)) return;
  Sat q;
  if (!(P < L.Pcr) || !satP(m, P, q) || q.vapour.T <= Tlo) {
    pieces.push_back(singlePhase(m, k, true, P, Tlo, Thi, 24, -1, {}, {}));
  } else if (q.liquid.T >= Thi) {
    pieces.push_back(singlePhase(m, k, true, P, Tlo, Thi, 16, 1, {}, {}));
  } else {
    if (q.liquid.T > Tlo) pieces.push_back(singlePhase(m, k, true, P, Tlo, q.liquid.T, 10, 1, {}, q.liquid));
    if (q.liquid.T >= Tlo && q.vapour.T <= Thi) pieces.push_back(wet(k, q, true));
    if (q.vapour.T < Thi) pieces.push_back(singlePhase(m, k, true, P, q.vapour.T, Thi, 16, 0, q.vapour, {}));
  }
}

// An isotherm from the region's lowest pressure up to the melting pressure
// (or the region's highest): vapour, the dome's chord and liquid below the
// critical temperature.
void isothermPieces(const tfs::Model& m, Kind k, const Region& R, double T, std::vector<Piece>& pieces) {
  const double Plo = R.Plo, Phi = std::min(R.Phi, meltingPressure(m, T));
  if (!(Plo < Phi)) return;
  Sat q;
  if (!(T < m.limits().Tcr) || !satT(m, T, q)) {
    pieces.push_back(singlePhase(m, k, false, T, Plo, Phi, 24, -1, {}, {}));
  } else if (q.vapour.P >= Phi) {
    pieces.push_back(singlePhase(m, k, false, T, Plo, Phi, 16, 0, {}, {}));
  } else {
    if (q.vapour.P > Plo) pieces.push_back(singlePhase(m, k, false, T, Plo, q.vapour.P, 16, 0, {}, q.vapour));
    if (q.vapour.P >= Plo && q.liquid.P <= Phi) pieces.push_back(wet(k, q, false));
    if (q.liquid.P < Phi)
      pieces.push_back(singlePhase(m, k, false, T, std::max(q.liquid.P, Plo), Phi, 12, 1,
                                   q.liquid.P >= Plo ? std::optional<State>(q.liquid) : std::nullopt, {}));
  }
}

// A line of constant s or h over ln P.
Piece levelPiece(const tfs::Model& m, Kind k, const Region& R, double value, bool isentrope) {
  return Piece{[&m, k, R, value, isentrope](double t, XY& at) {
                 State st;
                 const Real P = std::exp(Real(t));
                 if (!(isentrope ? atSP(m, value, P, st) : atHP(m, value, P, st)) || !inRegion(R, st)) return false;
                 at = coordinates(k, st);
                 return true;
               },
               std::log(R.Plo), std::log(R.Phi), 24};
}

// A line of constant density over ln T, up to the melting pressure.
Piece isochorePiece(const tfs::Model& m, Kind k, const Region& R, double d) {
  return Piece{[&m, k, R, d](double t, XY& at) {
                 State st;
                 const Real T = std::exp(Real(t));
                 if (!atTd(m, T, d, st) || !inRegion(R, st) || st.P > meltingPressure(m, T)) return false;
                 at = coordinates(k, st);
                 return true;
               },
               std::log(R.Tmin), std::log(R.Tmax), 24};
}

// The liquid on the melting line over ln P.
Piece meltingPiece(const tfs::Model& m, Kind k, const Region& R) {
  const tfs::ModelLimits& L = m.limits();
  const double Pstart = double(std::max(L.PtrBubble, L.Pfloor));
  const double Tlow = std::max(double(L.Ttr), R.Tmin);
  const double Pcr = double(L.Pcr);
  return Piece{[&m, k, Tlow, R, Pcr](double t, XY& at) {
                 const Real P = std::exp(Real(t));
                 Real Tm = 0;
                 State st;
                 // Near the triple point the melting temperature may lie
                 // above the boiling one: no liquid there.
                 if (!attempt([&] { Tm = m.Tmelt(P); }) || !(Tm > Tlow) || !(Tm <= R.Tmax) || !atPT(m, P, Tm, st) ||
                     (P < Pcr && st.x != 1))
                   return false;
                 at = coordinates(k, st);
                 return true;
               },
               std::log(Pstart), std::log(R.Phi), 16};
}

}  // namespace

Line KindLines::line(Role role, double value, const Frame& f, const SamplerLimits& lim) const {
  Line out;
  out.role = role;
  out.value = value;
  const tfs::Model& m = m_;
  const Region& R = region_;
  const Kind k = f.kind;
  if (!R.valid) return out;
  // Lines from the triple point to the critical point, denser near the top,
  // where the saturated states move as the root of Tcr - T.
  const double Ttr = double(m.limits().Ttr), Tcr = double(m.limits().Tcr);
  auto toTop = [Ttr, Tcr](double t) { return Tcr - (Tcr - Ttr) * (1 - t) * (1 - t); };

  std::vector<Piece> pieces;
  switch (role) {
    case Role::SatLiquid:
    case Role::SatVapour: {
      const bool liquid = role == Role::SatLiquid;
      pieces.push_back({[this, k, liquid, toTop](double t, XY& at) {
                          Sat q;
                          // The liquid line rises to the top, the vapour
                          // line comes down from it.
                          if (!saturatedAt(toTop(liquid ? t : 1 - t), q.liquid, q.vapour)) return false;
                          at = coordinates(k, liquid ? q.liquid : q.vapour);
                          return true;
                        },
                        0, 1, 24});
      break;
    }
    case Role::Dryness: {
      const double X = value;
      pieces.push_back({[this, k, X, toTop](double t, XY& at) {
                          Sat q;
                          if (!saturatedAt(toTop(t), q.liquid, q.vapour)) return false;
                          at = coordinates(k, lever(q, X));
                          return true;
                        },
                        0, 1, 16});
      break;
    }
    case Role::Isobar: isobarPieces(m, k, R, value, pieces); break;
    case Role::Isotherm: isothermPieces(m, k, R, value, pieces); break;
    case Role::Isentrope:
    case Role::Isenthalp: pieces.push_back(levelPiece(m, k, R, value, role == Role::Isentrope)); break;
    case Role::Isochore: pieces.push_back(isochorePiece(m, k, R, value)); break;
    case Role::Melting: pieces.push_back(meltingPiece(m, k, R)); break;
    case Role::Inversion: {
      const double Tinv = inversion().Tinv;
      const double T0 = std::max(Ttr, R.Tmin), T1 = std::min(Tinv, R.Tmax);
      if (!(Tinv > 0) || !(T0 < T1)) break;
      pieces.push_back({[this, &m, k, R](double T, XY& at) {
                          const double P = inversionPressure(T);
                          State st;
                          if (!(P > 0) || !atPT(m, P, T, st) || !inRegion(R, st) || P > meltingPressure(m, T))
                            return false;
                          at = coordinates(k, st);
                          return true;
                        },
                        T0, T1, 20});
      break;
    }
  }
  out.path = trace(pieces, f, lim);
  return out;
}

View KindLines::compose(const Frame& f, const ShownUnits& u, const Options& o) const {
  View v;
  v.frame = f;
  v.x = xAxis(f, u);
  v.y = yAxis(f, u);
  if (!region_.valid) return v;
  const Ranges rg = ranges(f);
  std::vector<LabelRequest> wanted;
  for (Role r : o.roles.empty() ? families(f.kind) : o.roles) {
    const Values vals = values(r, rg, u, o.maxLines);
    for (double value : vals.values) {
      Line l = line(r, value, f, o.sampling);
      if (l.path.empty()) continue;
      const std::string text = labelText(r, value, u, vals.step);
      if (!text.empty()) wanted.push_back({int(v.lines.size()), text});
      v.lines.push_back(std::move(l));
    }
  }
  v.labels = placeLabels(v, wanted, o.labels);
  return v;
}

View composeView(const tfs::Model& m, const Frame& f, const Limits& lim, const ShownUnits& u, const Options& o) {
  return KindLines(m, lim).compose(f, u, o);
}

}  // namespace diagram::kinds
