// The reference model: each substance's reference Helmholtz equation behind
// the routines of Model, with the meaning of every output, the markers and
// the refusal texts of the cubic routines (tfs.h).

#include "reference.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "caloric.h"
#include "checks.h"
#include "limits.h"
#include "model.h"
#include "refembed.h"
#include "refsolve.h"
#include "report.h"
#include "saturation.h"
#include "substances.h"
#include "tfs.h"

namespace tfs {
namespace {

using ref::Branch;
using ref::Fluid;
using ref::Isotherm;
using ref::Props;
using ref::SatPair;

constexpr double kMPa = 1e6;
constexpr int kNormalH2 = 2, kParaH2 = 3, kR14 = 10;
// Lowest pressure Pdh_Ts goes down to, MPa: far below the pressure floor,
// where every gas is ideal.
constexpr double kLowestPressure = 1e-24;
// Pressures and densities below these are zero in double precision's
// sums: refused as zero.
constexpr Real kTinyPressure = 1e-280L;
constexpr Real kTinyDensity = 1e-280L;

// The range checks of the inputs, with the model's limits.
void checkPressure(const char* routine, Real P, Real Plimit) {
  checkPressureInput(routine, P > 0 && P < kTinyPressure ? 0 : P, Plimit);
}

// ---------------------------------------------------------------- loading

ref::RefData load(int k) {
  const std::string file = std::string(SubstName[k]) + ".json";
  for (int i = 0; i < ref::kEmbeddedFileCount; ++i) {
    if (file != ref::kEmbeddedFiles[i].name) continue;
    try {
      return ref::readRefData(file, ref::kEmbeddedFiles[i].text);
    } catch (const ref::DataError& e) {
      fatal(e.what());
    }
  }
  fatal("Файл данных " + file + " не найден");
}

std::unique_ptr<Fluid> makeFluid(int k, ref::RefData data) {
  const IdealGasResult ig = IdealGas(k, 298.15L);
  return std::make_unique<Fluid>(k, std::move(data), static_cast<double>(ig.h0), static_cast<double>(ig.s0));
}

// The eleven fluids, built together on first use.
const std::array<std::unique_ptr<Fluid>, kSubstCount + 1>& fluids() {
  static const std::array<std::unique_ptr<Fluid>, kSubstCount + 1> all = [] {
    std::array<ref::RefData, kSubstCount + 1> data;
    for (int k = 1; k <= kSubstCount; ++k) data[k] = load(k);
    std::array<std::unique_ptr<Fluid>, kSubstCount + 1> f;
    for (int k = 1; k <= kSubstCount; ++k) f[k] = makeFluid(k, data[k]);
    // Normal hydrogen's file gives a melting line fitted for the high
    // temperatures (Datchi et al.): at its triple point it gives 23.6 MPa
    // instead of 7.4 kPa. The line of para-hydrogen (Younglove), moved by
    // the difference of the two triple temperatures, passes through the
    // triple point of normal hydrogen and runs as its measured line does.
    f[kNormalH2]->replaceMelting(data[kParaH2].melting, data[kNormalH2].Ttriple - data[kParaH2].Ttriple);
    return f;
  }();
  return all;
}

// ---------------------------------------------------------------- the model

// One state of the model in its units (kg/m3, kJ/kg, kJ/(kg K), MPa).
struct Pt {
  double d = 0, h = 0, s = 0, cp = 0, x = 0, P = 0;
  double rho = 0;     // mol/m3
  double drhodT = 0;  // (d rho/dT)_P of a single phase, mol/(m3 K)
};

struct SatStates {
  double Tv = 0, Tl = 0, Pv = 0, Pl = 0;
  Pt v, l;
};

class ReferenceModel final : public Model {
 public:
  explicit ReferenceModel(const Fluid& f) : f_(f), eq_(f.eq()), k_(f.substance()) {
    Rmass_ = eq_.R / (1000 * eq_.M);
    lim_.Ttr = f.Ttr();
    lim_.Tcr = f.Tc();
    lim_.Pcr = f.pc() / kMPa;
    lim_.dcr = f.toMass(f.rhoc());
    lim_.PtrDew = f.ptrDew() / kMPa;
    lim_.PtrBubble = f.ptrBubble() / kMPa;
    lim_.Tmax = f.Tmax();
    lim_.TmaxIdeal = f.Tmax();
    lim_.Pfloor = kPressureFloor;
    lim_.Pceiling = std::min<Real>(kPressureCeiling, f.pmax() / kMPa);
    Plimit_ = f.pmax() / kMPa;
    // The densest state: the liquid at the triple temperature and the
    // highest pressure.
    lim_.dmax = f.toMass(f.rhoMax());
  }

  ModelKind kind() const override { return ModelKind::Reference; }
  int substance() const override { return k_; }
  Real molarMass() const override { return eq_.M * 1000; }
  Real gasConstant() const override { return Rmass_; }
  const ModelLimits& limits() const override { return lim_; }

  void dhs_PT(Real P, Real T, Real& d, Real& h, Real& s, Real& Cp, Real& x) const override {
    checkPressure("dhs_PT", P, Plimit_);
    checkTemperatureInput("dhs_PT", T, lim_.Tmax);
    if (T < f_.Tc()) checkTRange(kCallerPsat, T);
    const Pt r = statePT(static_cast<double>(P), static_cast<double>(T), 0, 0);
    d = r.d, h = r.h, s = r.s, Cp = r.cp, x = r.x;
  }

  void Phs_Td(Real T, Real d, Real& P, Real& h, Real& s, Real& Cp, Real& x) const override {
    checkTd(T, d);
    const Pt r = stateTd(static_cast<double>(T), static_cast<double>(d));
    // Beyond the equation's pressure range: the density is too high for T.
    if (!(r.P <= Plimit_)) checkDensityInput("Phs_Td", d, d);
    P = r.P, h = r.h, s = r.s, Cp = r.cp, x = r.x;
  }

  void dhs2_P(Real P, Real& Tv, Real& dv, Real& hv, Real& sv, Real& Cpv, Real& Tl, Real& dl, Real& hl, Real& sl,
              Real& Cpl) const override {
    CheckP(kCallerDhs2P, P, lim_.Pcr);
    checkPressure("dhs2_P", P, Plimit_);
    const SatStates q = satAtP(static_cast<double>(P));
    Tv = q.Tv, dv = q.v.d, hv = q.v.h, sv = q.v.s, Cpv = q.v.cp;
    Tl = q.Tl, dl = q.l.d, hl = q.l.h, sl = q.l.s, Cpl = q.l.cp;
  }

  void dhs2_T(Real T, Real& Pv, Real& dv, Real& hv, Real& sv, Real& Cpv, Real& Pl, Real& dl, Real& hl, Real& sl,
              Real& Cpl) const override {
    checkTRange(kCallerDhs2T, T);
    Isotherm iso;
    ref::setIsotherm(eq_, static_cast<double>(T), iso);
    const SatStates q = satAtT(iso);
    Pv = q.Pv, dv = q.v.d, hv = q.v.h, sv = q.v.s, Cpv = q.v.cp;
    Pl = q.Pl, dl = q.l.d, hl = q.l.h, sl = q.l.s, Cpl = q.l.cp;
  }

  void Psat(Real T, Real& Pv, Real& Pl) const override {
    checkTRange(kCallerPsat, T);
    Isotherm iso;
    ref::setIsotherm(eq_, static_cast<double>(T), iso);
    const SatPair q = satPressures(iso);
    Pv = q.pV / kMPa, Pl = q.pL / kMPa;
  }

  void Tsat(Real P, Real& Tv, Real& Tl) const override {
    CheckP(kCallerTsat, P, lim_.Pcr);
    Tv = Tl = 0;
    if (!(P > 0)) return;
    Tv = f_.satT(static_cast<double>(P) * kMPa, false);
    Tl = f_.pseudoPure() ? f_.satT(static_cast<double>(P) * kMPa, true) : Tv;
    // Below the triple-point pressure there is no saturation temperature.
    if (!(Tl >= lim_.Ttr) || !std::isfinite(Tv)) Tv = Tl = 0;
  }

  Real Tmelt(Real P) const override {
    checkPressureCap("Tmelt", P, Plimit_);
    return meltT(static_cast<double>(P));
  }

  Real Pmelt(Real T) const override {
    if (T < lim_.Ttr) consoleFatal("  Температура Т=" + formatNumber("%5.1f", T) + " ниже Т тройной точки !");
    checkTemperatureInput("Pmelt", T, lim_.Tmax);
    return meltP(static_cast<double>(T));
  }

  void Tds_hP(Real h, Real P, Real& T, Real& d, Real& s, Real& Cp, Real& x) const override {
    searchAtP("Tds_hP", P,
              {static_cast<double>(h), false, Rmass_ / 100, "h<hv", "Значение h менше h затвердевания !",
               "Значение h больше h при T="},
              T, d, s, Cp, x);
  }

  void Tdh_sP(Real s, Real P, Real& T, Real& d, Real& h, Real& Cp, Real& x) const override {
    searchAtP("Tdh_sP", P,
              {static_cast<double>(s), true, Rmass_ / 1000, "s<sv", "Значение S менше S затвердевания !",
               "Значение S больше S при T="},
              T, d, h, Cp, x);
  }

  void Pdh_Ts(Real T, Real s, Real& P, Real& d, Real& h, Real& Cp, Real& x) const override;

  // The single-phase state at (T, d) with its derivative properties.
  ReferenceState stateTdFull(Real T, Real d) const {
    checkTd(T, d);
    Isotherm iso;
    ref::setIsotherm(eq_, static_cast<double>(T), iso);
    const Props p = ref::properties(eq_, iso, static_cast<double>(d) / eq_.M / eq_.rhor);
    ReferenceState r;
    r.P = p.p / kMPa;
    r.h = f_.h(p);
    r.s = f_.s(p);
    r.cv = f_.perMass(p.cv);
    r.cp = f_.perMass(p.cp);
    r.w = p.w;
    // (dT/dP)_h = (T (dv/dT)_p - v) / cp, (dv/dT)_p = (dp/dT)_rho / (rho^2 (dp/drho)_T).
    const double v = 1 / p.rho;
    const double dvdT = p.dpdT / (p.rho * p.rho * std::max(p.dpdrho, 1e-300));
    r.jouleThomson = (p.T * dvdT - v) / p.cp * kMPa;
    return r;
  }

  Real secondVirial(Real T) const {
    if (!(T >= lim_.Ttr)) CheckT(kCallerDhs2T, T, lim_.Ttr, lim_.Tmax);
    checkTemperatureInput("Phs_Td", T, lim_.Tmax);
    Isotherm iso;
    ref::setIsotherm(eq_, static_cast<double>(T), iso);
    return iso.virial / eq_.rhor / eq_.M;
  }

 private:
  // ---- single states

  Pt single(const Isotherm& iso, double rho, double x) const {
    return fromProps(ref::properties(eq_, iso, rho / eq_.rhor), x);
  }

  Pt fromProps(const Props& p, double x) const {
    Pt r;
    r.rho = p.rho;
    r.d = f_.toMass(p.rho);
    r.h = f_.h(p);
    r.s = f_.s(p);
    r.cp = f_.perMass(p.cp);
    r.x = x;
    r.P = p.p / kMPa;
    r.drhodT = p.dpdrho > 0 ? -p.dpdT / p.dpdrho : 0;
    return r;
  }

  Pt statePT(double P, double T, int known, double start) const {
    Isotherm iso;
    ref::setIsotherm(eq_, T, iso);
    return statePT(iso, P, known, start);
  }

  // The state at (P, T). known: 0 decides the phase, -1 vapour, +1 liquid,
  // 2 one phase above the critical temperature; start: a density near the
  // root (mol/m3), 0 for none.
  Pt statePT(const Isotherm& iso, double P, int known, double start) const {
    const double Ppa = P * kMPa, T = iso.T;
    if (known == 2 || !(T < f_.Tc())) return single(iso, f_.density(iso, Ppa, Branch::Single, start), 0);
    int side = known;
    SatPair sat;
    bool exact = false;
    if (side == 0 || (side > 0 && !(start > 0))) {
      const int s = f_.side(iso, Ppa, sat, exact);
      if (side == 0) side = s;
      if (!(start > 0)) start = sat.rhoL;
    }
    if (side > 0) return single(iso, f_.density(iso, Ppa, Branch::Liquid, start), 1);
    if (side < 0) return single(iso, f_.density(iso, Ppa, Branch::Vapour, known < 0 ? start : 0), 0);
    // Air between its dew and bubble lines: the band at constant P, from
    // the bubble temperature Tl to the dew temperature Tv.
    const double Tv = f_.satT(Ppa, false), Tl = f_.satT(Ppa, true);
    if (!(Tv > Tl)) return single(iso, f_.density(iso, Ppa, Branch::Vapour, 0), 0);
    const Pt v = statePT(P, Tv, -1, 0), l = statePT(P, Tl, 1, 0);
    const double w = (T - Tl) / (Tv - Tl);  // the weight of the dew state
    Pt r;
    r.d = mixtureDensity(1 - w, v.d, l.d);
    r.rho = f_.toMolar(r.d);
    r.h = l.h + w * (v.h - l.h);
    r.s = l.s + w * (v.s - l.s);
    r.cp = (v.h - l.h) / (Tv - Tl);
    r.x = 1 - w;
    r.P = P;
    return r;
  }

  Pt stateTd(double T, double d) const {
    Isotherm iso;
    ref::setIsotherm(eq_, T, iso);
    double x = 0;
    if (T < f_.Tc()) {
      const SatStates q = satAtT(iso);
      if (q.v.d < q.l.d) {
        x = liquidFraction(d, q.v.d, q.l.d);
        if (x > 0 && x < 1) {
          Pt r;
          r.P = q.Pv + x * (q.Pl - q.Pv);
          r.d = d;
          r.h = q.v.h + x * (q.l.h - q.v.h);
          r.s = q.v.s + x * (q.l.s - q.v.s);
          r.cp = kTwoPhaseCp;
          r.x = x;
          return r;
        }
        x = x >= 1 ? 1 : 0;
      } else {
        x = d > lim_.dcr ? 1 : 0;
      }
    }
    return single(iso, f_.toMolar(d), x);
  }

  // ---- saturation

  SatPair satPressures(const Isotherm& iso) const {
    // Air: the ancillary pressures, without the roots at them.
    return f_.pseudoPure() ? f_.ancillarySat(iso.T) : f_.satAtT(iso);
  }

  SatStates satAtT(const Isotherm& iso) const {
    const SatPair q = f_.satAtT(iso);
    SatStates r;
    r.Tv = r.Tl = iso.T;
    r.Pv = q.pV / kMPa;
    r.Pl = q.pL / kMPa;
    r.v = single(iso, q.rhoV, 0);
    r.l = single(iso, q.rhoL, 1);
    return r;
  }

  SatStates satAtP(double P) const {
    const double Ppa = P * kMPa;
    SatStates r;
    r.Pv = r.Pl = P;
    ref::SatProps sat;
    double Tv = f_.satT(Ppa, false, &sat);
    double Tl = f_.pseudoPure() ? f_.satT(Ppa, true) : Tv;
    // Below the triple-point pressure each side is taken at its line
    // temperature raised to Ttr.
    if (!(Tl >= f_.Ttr())) {
      Tv = std::max(Tv, f_.Ttr());
      Tl = std::max(Tl, f_.Ttr());
      sat.solved = false;
    }
    r.Tv = Tv, r.Tl = Tl;
    if (sat.solved) {
      r.v = fromProps(sat.v, 0);
      r.l = fromProps(sat.l, 1);
      r.v.P = r.l.P = P;
      return r;
    }
    r.v = statePT(P, Tv, -1, 0);
    r.l = statePT(P, Tl, 1, 0);
    r.v.x = 0, r.l.x = 1;
    return r;
  }

  // ---- melting

  // R14's file gives no melting line: the cubic model's serves.
  double meltT(double P) const {
    if (!f_.hasMelting()) return static_cast<double>(meltTemperature(k_, P));
    return f_.meltingTemperature(P * kMPa);
  }
  double meltP(double T) const {
    if (!f_.hasMelting()) return static_cast<double>(meltPressure(k_, T));
    return f_.meltingPressure(T) / kMPa;
  }

  // ---- the searches at constant pressure

  struct Wanted {
    double value;
    bool entropy;
    double tol;  // within it of a saturated state the search returns that state
    const char* belowLine;
    const char* belowSolid;
    const char* aboveTop;  // followed by the highest temperature and " K !"
  };
  struct Found {
    double T;
    Pt st;
  };

  static double field(const Pt& p, bool entropy) { return entropy ? p.s : p.h; }

  // Newton's step in T with the heat capacity: dh = cp dT, ds = cp dT/T.
  static double step(const Wanted& w, double T, double r, double cp) {
    return w.entropy ? T * std::exp(r / cp) : T + r / cp;
  }

  Found searchT(double P, const Wanted& w) const;

  // The search at P for the routine named, its state put out: T, d, the
  // other of h and s, Cp and x.
  void searchAtP(const char* routine, Real P, const Wanted& w, Real& T, Real& d, Real& other, Real& Cp,
                 Real& x) const {
    checkPressure(routine, P, Plimit_);
    const Found r = searchT(static_cast<double>(P), w);
    T = r.T, d = r.st.d, other = w.entropy ? r.st.h : r.st.s, Cp = r.st.cp, x = r.st.x;
  }

  // The two-phase state at P with the wanted value, between q's ends.
  Found wetState(double P, const SatStates& q, const Wanted& w) const {
    const double fv = field(q.v, w.entropy), fl = field(q.l, w.entropy);
    const double x = (fv - w.value) / (fv - fl);
    Pt mix;
    mix.d = mixtureDensity(x, q.v.d, q.l.d);
    mix.rho = f_.toMolar(mix.d);
    mix.h = q.v.h + x * (q.l.h - q.v.h);
    mix.s = q.v.s + x * (q.l.s - q.v.s);
    (w.entropy ? mix.s : mix.h) = w.value;
    mix.cp = kTwoPhaseCp;
    mix.x = x;
    mix.P = P;
    return {q.Tv + x * (q.Tl - q.Tv), mix};
  }

  void checkTRange(int code, Real T) const {
    if (!(T >= lim_.Ttr && T <= lim_.Tcr)) CheckT(code, T, lim_.Ttr, lim_.Tcr);
  }

  // The inputs of Phs_Td: T within the saturation range where below the
  // critical temperature, T and d within the limits.
  void checkTd(Real T, Real d) const {
    if (T < f_.Tc()) checkTRange(kCallerDhs2T, T);
    checkTemperatureInput("Phs_Td", T, lim_.Tmax);
    checkDensityInput("Phs_Td", d > 0 && d < kTinyDensity ? 0 : d, lim_.dmax);
  }

  const Fluid& f_;
  const ref::RefData& eq_;
  int k_;
  double Rmass_ = 0;  // kJ/(kg K)
  Real Plimit_ = 0;   // highest pressure of any state, MPa
  ModelLimits lim_;
};

ReferenceModel::Found ReferenceModel::searchT(double P, const Wanted& w) const {
  const double Tm = std::max(meltT(P), f_.Ttr());
  const double Tmax = lim_.Tmax;
  auto resid = [&](const Pt& st) { return w.value - field(st, w.entropy); };
  // The bracket: lo below the wanted value (r > 0), hi above it (r < 0);
  // hi = 0 while none is known.
  double lo = 0, hi = 0, T = 0;
  int known = 0;
  bool floor = false;  // the state at lo = Tm still to be checked
  Pt st;
  double Tst = 0;      // the temperature of st
  if (P < lim_.Pcr) {
    if (P < lim_.PtrBubble) {
      // Below the triple point: the reference is the vapour at the
      // solidification temperature.
      st = statePT(P, Tm, 0, 0);
      Tst = Tm;
      const double r = resid(st);
      if (r < 0) message(w.belowLine);
      if (!(r > 0) || std::fabs(r) < w.tol) return {Tm, st};
      lo = Tm;
      known = f_.pseudoPure() ? 0 : -1;
      T = step(w, Tm, r, st.cp);
    } else {
      const SatStates q = satAtP(P);
      const double rv = resid(q.v), rl = resid(q.l);
      if (std::fabs(rv) < w.tol) return {q.Tv, q.v};
      if (std::fabs(rl) < w.tol) return {q.Tl, q.l};
      if (rv <= 0 && rl >= 0) return wetState(P, q, w);
      if (rv > 0) {  // superheated vapour
        lo = q.Tv, known = -1, st = q.v, Tst = q.Tv;
        T = step(w, q.Tv, rv, q.v.cp);
      } else {  // compressed liquid, down to the solidification line
        if (!(Tm < q.Tl)) {
          message(w.belowSolid);
          return {q.Tl, q.l};
        }
        // The state at the solidification temperature is taken only when
        // a step falls to it.
        floor = true;
        lo = Tm, hi = q.Tl, known = 1, st = q.l, Tst = q.Tl;
        T = step(w, q.Tl, rl, q.l.cp);
      }
    }
  } else {
    st = statePT(P, Tm, 0, 0);
    Tst = Tm;
    const double r = resid(st);
    if (!(r > w.tol)) return {Tm, st};
    lo = Tm;
    T = step(w, Tm, r, st.cp);
  }

  // Newton's method in T, kept inside the bracket. Near the critical point
  // cp rises and falls steeply along a supercritical isobar, and Newton's
  // steps can swing across the root without end: a step not half as long
  // as the one before halves the bracket instead.
  int lastSide = 3;
  double lastMove = HUGE_VAL;
  for (int pass = 0; pass < 60; ++pass) {
    if (floor && !(T > lo)) {
      // A step to or below the solidification temperature: the state there
      // ends the search when the wanted value lies at or below it.
      floor = false;
      const Pt m = statePT(P, lo, known, st.rho + st.drhodT * (lo - Tst));
      const double r = resid(m);
      if (!(r > w.tol)) {
        if (r < 0) message(w.belowSolid);
        return {lo, m};
      }
      T = lo + (hi - lo) * r / (r - resid(st));
    }
    if (hi > 0 && !(T > lo && T < hi)) T = (lo + hi) / 2;
    if (!(T > lo)) T = lo + (std::min(Tmax, hi > 0 ? hi : Tmax) - lo) / 2;
    if (!(T < Tmax)) T = Tmax;
    // A known phase keeps its branch; the last root, moved along the
    // isobar by (d rho/dT)_P, starts the next.
    const int side = (known == 0 && !(T < f_.Tc())) ? 2 : known;
    const bool same = side != 0 && (side == lastSide || (pass == 0 && side == known));
    const double start = same ? st.rho + st.drhodT * (T - Tst) : 0;
    st = statePT(P, T, side, start > 0 ? start : 0);
    Tst = T;
    lastSide = side;
    const double r = resid(st);
    if (r > 0) {
      if (T >= Tmax) {
        message(w.aboveTop + formatNumber("%.0f", Tmax) + " K !");
        return {T, st};
      }
      lo = T;
    } else {
      hi = T;
    }
    const double next = step(w, T, r, st.cp);
    if (r == 0) return {T, st};
    // A small step is in Newton's quadratic range: the error after it is
    // of the order of its square.
    if (std::fabs(next - T) <= 1e-12 * T) return {T, st};
    if (std::fabs(next - T) <= 1e-6 * T && next > lo && (hi == 0 || next < hi) && next < Tmax) {
      const int side2 = (known == 0 && !(next < f_.Tc())) ? 2 : known;
      return {next, statePT(P, next, side2, side2 == side && side != 0 ? st.rho + st.drhodT * (next - T) : 0)};
    }
    const double move = std::fabs(next - T);
    const double to = hi > 0 && move > lastMove / 2 ? (lo + hi) / 2 : next;
    lastMove = std::fabs(to - T);
    T = to;
  }
  // The last state computed, at its own temperature.
  return {Tst, st};
}

void ReferenceModel::Pdh_Ts(Real Tin, Real sIn, Real& P, Real& d, Real& h, Real& Cp, Real& x) const {
  if (Tin < f_.Tc()) checkTRange(kCallerDhs2T, Tin);
  checkTemperatureInput("Pdh_Ts", Tin, lim_.Tmax);
  const double T = static_cast<double>(Tin), s = static_cast<double>(sIn);
  const double tol = Rmass_ / 1000, Pmax = lim_.Pceiling;
  Isotherm iso;
  ref::setIsotherm(eq_, T, iso);
  auto take = [&](const Pt& st) { P = st.P, d = st.d, h = st.h, Cp = st.cp, x = st.x; };
  // The root lies between lo (entropy above s) and hi (below it), mol/m3.
  double lo = 0, hi = 0, rho = 0, xs = 0;
  const double rhoLowest = kLowestPressure * kMPa / (eq_.R * T);
  if (T < f_.Tc()) {
    const SatStates q = satAtT(iso);
    if (std::fabs(s - q.v.s) < tol) {
      take(q.v);
      P = q.Pv, x = 0;
      return;
    }
    if (std::fabs(s - q.l.s) < tol) {
      take(q.l);
      P = q.Pl, x = 1;
      return;
    }
    if (s > q.v.s) {  // vapour: the gas is nearly ideal below the saturated vapour
      lo = rhoLowest, hi = q.v.rho;
      rho = q.v.rho * std::exp(-(s - q.v.s) / Rmass_);
    } else if (s < q.l.s) {  // liquid, up to the solidification line
      xs = 1;
      const double Pm = std::min(meltP(T), Pmax);
      if (!(Pm > q.Pl)) {
        // The melting line lies below the boiling line here: no liquid.
        P = 0, d = 0, h = 0, Cp = 0, x = 1;
        return;
      }
      const Pt m = statePT(iso, Pm, 1, q.l.rho);
      take(m);
      if (s < m.s) {
        P = 0;
        return;
      }
      lo = q.l.rho, hi = m.rho;
      rho = lo + (hi - lo) * (q.l.s - s) / (q.l.s - m.s);
    } else {  // two-phase
      const double xx = (q.v.s - s) / (q.v.s - q.l.s);
      x = xx;
      P = q.Pv + xx * (q.Pl - q.Pv);
      d = mixtureDensity(xx, q.v.d, q.l.d);
      h = q.v.h + xx * (q.l.h - q.v.h);
      Cp = kTwoPhaseCp;
      return;
    }
  } else {
    const Pt m = statePT(iso, Pmax, 2, 0);
    take(m);
    x = 0;
    if (s < m.s) {
      P = 0;
      return;
    }
    lo = rhoLowest, hi = m.rho;
    rho = m.rho * std::exp(-(s - m.s) / Rmass_);
  }
  // Newton's method in ln rho on s(T, rho), which falls as rho grows:
  // ds/d ln rho = -(dp/dT)_rho / rho.
  Props p;
  for (int pass = 0; pass < 80; ++pass) {
    if (!(rho > lo && rho < hi)) rho = std::sqrt(lo * hi);
    p = ref::properties(eq_, iso, rho / eq_.rhor);
    const double g = f_.s(p) - s;
    if (g > 0) lo = rho;
    else hi = rho;
    const double slope = -f_.perMass(p.dpdT / p.rho);
    double next = slope < 0 ? rho * std::exp(-g / slope) : NAN;
    if (std::fabs(next / rho - 1) <= 1e-12 || g == 0) break;
    if (!(next > lo && next < hi)) next = std::sqrt(lo * hi);
    // At the lowest density searched the wanted entropy lies beyond it.
    if (rho <= rhoLowest * (1 + 1e-12) && g > 0) break;
    rho = next;
  }
  const Pt r = single(iso, rho, xs);
  take(r);
}

const std::array<std::unique_ptr<ReferenceModel>, kSubstCount + 1>& models() {
  static const std::array<std::unique_ptr<ReferenceModel>, kSubstCount + 1> all = [] {
    std::array<std::unique_ptr<ReferenceModel>, kSubstCount + 1> m;
    for (int k = 1; k <= kSubstCount; ++k) m[k] = std::make_unique<ReferenceModel>(*fluids()[k]);
    return m;
  }();
  return all;
}

const ReferenceModel& referenceOf(int subst) {
  checkSubstance(subst);
  return *models()[subst];
}

}  // namespace

const Model& referenceModel(int subst) { return referenceOf(subst); }

ReferenceState referenceStateTd(int subst, Real T, Real d) { return referenceOf(subst).stateTdFull(T, d); }

Real referenceSecondVirial(int subst, Real T) { return referenceOf(subst).secondVirial(T); }

}  // namespace tfs
