#include "core/process/cycles.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <initializer_list>

#include "core/base/libguard.h"
#include "core/base/numfmt.h"
#include "core/base/tr.h"
#include "core/process/device.h"
#include "core/process/ranges.h"
#include "thermo/inversion.h"

namespace proc {

std::string cycleName(Cycle kind) {
  switch (kind) {
    case Cycle::Linde: return app::translate("Cycles", "Линде–Хэмпсон");
    case Cycle::Precooled: return app::translate("Cycles", "Линде–Хэмпсон с предварительным охлаждением");
    case Cycle::Claude: return app::translate("Cycles", "Клод");
  }
  return {};
}

std::string partName(Part p) {
  switch (p) {
    case Part::Compressor: return app::translate("Cycles", "Компрессор");
    case Part::Exchanger1: return app::translate("Cycles", "Теплообменник 1");
    case Part::Exchanger2: return app::translate("Cycles", "Теплообменник 2");
    case Part::Exchanger3: return app::translate("Cycles", "Теплообменник 3");
    case Part::Bath: return app::translate("Cycles", "Ванна предв. охлаждения");
    case Part::Expander: return app::translate("Cycles", "Детандер");
    case Part::Valve: return app::translate("Cycles", "Дроссель");
    case Part::Separator: return app::translate("Cycles", "Отделитель жидкости");
    case Part::Mixing: return app::translate("Cycles", "Теплый конец и подпитка");
  }
  return {};
}

const char* partKey(Part p) {
  static const char* const keys[kPartCount] = {"compressor", "heat_exchanger_1", "heat_exchanger_2",
                                               "heat_exchanger_3", "precooling_bath", "expander",
                                               "valve", "separator", "warm_end_mixing"};
  return keys[int(p)];
}

const CycleState* CycleResult::at(int n) const {
  for (const CycleState& s : states)
    if (s.n == n) return &s;
  return nullptr;
}

CycleData defaultCycleData(const tfs::Model& m) {
  const tfs::ModelLimits& lim = m.limits();
  CycleData d;
  // Below the triple point (CO2) only solid forms: a little above it.
  const Real Ptr = TriplePressure(m);
  if (!(d.Plow > Ptr * Real(1.2L))) d.Plow = std::round(Ptr * 12) / 10;
  d.Phigh = std::min<Real>(20, lim.Pceiling);
  const std::string_view s = m.name();
  const bool hydrogen = s == "n-H2" || s == "p-H2";
  // Baths: liquid hydrogen for helium, liquid nitrogen for hydrogen and
  // neon, an ammonia or freon bath at -40 C for the rest.
  d.Tpre = s == "He" ? 20 : hydrogen || s == "Ne" ? 77 : 233;
  // The expander well above the critical temperature.
  d.T3 = s == "He" ? 40 : hydrogen || s == "Ne" ? 120 : std::round(std::min<Real>(lim.Tcr * Real(1.6L), 250));
  // CO2 is critical at 304 K: below its critical pressure the expander
  // takes the vapour between saturation and 300 K.
  // Helium's inversion curve ends near 4 MPa.
  if (s == "He") d.Phigh = 3;
  if (s == "CO2") {
    d.Phigh = 6;
    d.T3 = 298;
  }
  return d;
}

namespace {

// A text marked where it is written, in the user's language.
std::string tx(const char* text) { return app::translate("Cycles", text); }
std::string num(const char* pattern, Real v) { return app::format(pattern, v); }

// A refusal found on the way: thrown, caught in solveCycle.
struct Refusal {
  CycleStatus status;
  SolveStatus state = SolveStatus::Solved;
  int number = 0;  // the state refused, or the exchanger
  Real value = 0;  // a temperature the message names
  Real value2 = 0;
  bool coldEnd = false;  // an exchanger's pinch: at its cold end
  Part part = Part::Compressor;
  std::string library;  // the library's text of a LibraryRefused
};

[[noreturn]] void refuse(CycleStatus st, Real value = 0) { throw Refusal{st, SolveStatus::Solved, 0, value}; }

// The entropy generated below zero, per kg compressed and relative to the
// largest entropy of the states, that is rounding: the states agree with
// their enthalpies to some 1e-16.
constexpr Real kResidue = Real(1e-12L);

// Finite, and within the range of the double every result is shown as.
bool finite(Real v) { return std::isfinite(double(v)); }

// Saturated liquid f and vapour g at one pressure (bubble and dew for air).
struct Saturation {
  Real P = 0;
  ProcPoint f, g;
};

// The mixture of liquid fraction x between the saturated states, as the
// library forms it: h, s and T along the lever, the volume by the fraction.
ProcPoint mixture(const Saturation& sat, Real x) {
  const ProcPoint &f = sat.f, &g = sat.g;
  ProcPoint m;
  m.P = sat.P;
  m.x = x;
  m.T = g.T + x * (f.T - g.T);
  m.i = g.i + x * (f.i - g.i);
  m.s = g.s + x * (f.s - g.s);
  m.d = 1 / ((1 - x) / g.d + x / f.d);
  return m;
}

class Solver {
 public:
  Solver(const tfs::Model& m, const CycleData& d, CycleResult& r) : m_(m), d_(d), r_(r) {
    Tmax_ = OutletTmax(m);
    Pcr_ = m.limits().Pcr;
  }

  ProcPoint byPT(int n, Real P, Real T) {
    ProcPoint p;
    const SolveStatus st = SolvePairUpTo(m_, kPressure, kTemperature, P, T, Tmax_, p);
    if (st != SolveStatus::Solved) throw Refusal{CycleStatus::StateRefused, st, n};
    return p;
  }
  // The state of P and h (or s) with T, d and the other of h and s that
  // belong to it to the last digits: the inverse routines stop within
  // Rgas/100 of h (and keep to the dew line near it), which would leave a
  // component with a few hundredths of a kJ/kg of entropy made or lost from
  // nothing. Inside the dome by the lever rule, outside by Newton steps
  // along the isobar.
  ProcPoint byP(int n, Real P, Real value, bool entropy) {
    ProcPoint p;
    const SolveStatus st = SolvePairUpTo(m_, kPressure, entropy ? kEntropy : kEnthalpy, P, value, Tmax_, p);
    if (st != SolveStatus::Solved) throw Refusal{CycleStatus::StateRefused, st, n};
    if (const Saturation* sat = saturation(P)) {
      const Real f = entropy ? sat->f.s : sat->f.i, g = entropy ? sat->g.s : sat->g.i;
      if (f <= value && value <= g) {
        ProcPoint m = mixture(*sat, (g - value) / (g - f));
        (entropy ? m.s : m.i) = value;
        return m;
      }
    }
    refine(p, value, entropy);
    return p;
  }
  ProcPoint byPH(int n, Real P, Real h) { return byP(n, P, h, false); }
  ProcPoint byPS(int n, Real P, Real s) { return byP(n, P, s, true); }
  // The temperature of a section of an exchanger's stream.
  Real temperature(Real P, Real h) {
    try {
      return byPH(0, P, h).T;
    } catch (const Refusal&) {
      refuse(CycleStatus::NoResult);
    }
  }
  // The saturated states at P (nullptr at and above the critical pressure).
  const Saturation* saturation(Real P) {
    if (!(P < Pcr_)) return nullptr;
    for (const Saturation& s : sat_)
      if (s.P == P) return &s;
    Saturation s;
    s.P = P;
    Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
    m_.dhs2_P(P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
    s.f = {Tl, P, dl, hl, sl, 1};
    s.g = {Tv, P, dv, hv, sv, 0};
    sat_.push_back(s);
    return &sat_.back();
  }
  DeviceResult compressor(const ProcPoint& in, Real P2, Real eta) {
    DeviceData dd;
    dd.kind = Device::IsothermalCompressor;
    dd.P2 = P2;
    dd.eta = eta;
    dd.T0 = T0();
    const DeviceResult dr = computeDevice(m_, in, dd);
    if (dr.status == DeviceStatus::LibraryRefused) {
      Refusal f{CycleStatus::LibraryRefused};
      f.library = dr.library;
      throw f;
    }
    if (dr.status == DeviceStatus::OutletRefused || dr.status == DeviceStatus::IdealRefused)
      throw Refusal{CycleStatus::StateRefused, dr.state, 2};
    if (dr.status != DeviceStatus::Solved) refuse(CycleStatus::NoResult);
    return dr;
  }
  // The expander's outlet n: the isentrope to P2, then the efficiency.
  ProcPoint expander(int n, const ProcPoint& in, Real P2, Real eta) {
    const ProcPoint ideal = byPS(n, P2, in.s);
    return eta == 1 ? ideal : byPH(n, P2, in.i - eta * (in.i - ideal.i));
  }
  void add(int n, const ProcPoint& p, Real flow, const char* where) { r_.states.push_back({n, p, flow, tx(where)}); }
  Real T0() const { return d_.T0 > 0 ? d_.T0 : d_.T1; }
  const tfs::Model& model() const { return m_; }

 private:
  // Newton steps on T at the state's pressure until h (or s) is the one
  // wanted, as long as each step comes closer and stays in the phase.
  void refine(ProcPoint& p, Real wanted, bool entropy) {
    Real T = p.T, miss = INFINITY;
    for (int k = 0; k < 8; ++k) {
      Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
      m_.dhs_PT(p.P, T, d, h, s, Cp, x);
      const Real e = wanted - (entropy ? s : h);
      if (x != p.x || !(Cp > 0 && Cp < 1e5) || !(std::fabs(e) < miss)) return;
      miss = std::fabs(e);
      p.T = T;
      p.d = d;
      p.i = entropy ? h : wanted;
      p.s = entropy ? wanted : s;
      if (miss <= 1e-16L * (1 + std::fabs(wanted))) return;
      T += entropy ? e * T / Cp : e / Cp;
      if (!(T > 0)) return;
    }
  }

  const tfs::Model& m_;
  const CycleData& d_;
  CycleResult& r_;
  Real Tmax_ = 0, Pcr_ = 0;
  std::deque<Saturation> sat_;
};

// A counterflow exchanger: the hot stream from hotIn to hotOut, the cold
// one from coldIn to coldOut, per kg of each (the balance is the caller's).
struct Exchanger {
  int which;
  const ProcPoint &hotIn, &hotOut, &coldIn, &coldOut;
};

// Every exchanger cools its hot stream and warms its cold one (checked for
// all first: a reversed one is the cause of any other fault); both ends
// at least dT apart; and at no section the hot stream colder than the cold
// one (sections at equal shares of the heat exchanged).
void checkExchangers(Solver& sv, Real dT, std::initializer_list<Exchanger> all) {
  // The temperatures come from enthalpies; a zero duty is a zero difference.
  constexpr Real tolT = Real(1e-6L), tolH = Real(1e-9L);
  constexpr int kSections = 8;
  for (const Exchanger& e : all) {
    const Real scale = 1 + std::fabs(e.hotIn.i) + std::fabs(e.coldOut.i);
    if (e.hotOut.i > e.hotIn.i + tolH * scale || e.coldIn.i > e.coldOut.i + tolH * scale) {
      Refusal r{CycleStatus::ExchangerBackwards};
      r.number = e.which;
      r.value = e.hotIn.T;
      r.value2 = e.hotOut.T;
      throw r;
    }
  }
  for (const Exchanger& e : all) {
    const Real tol = tolT * e.hotIn.T;
    auto fault = [&](CycleStatus st, bool coldEnd, Real difference) {
      Refusal r{st};
      r.number = e.which;
      r.coldEnd = coldEnd;
      r.value = difference;
      r.value2 = dT;
      throw r;
    };
    const Real warm = e.hotIn.T - e.coldOut.T, cold = e.hotOut.T - e.coldIn.T;
    if (warm < -tol || cold < -tol) fault(CycleStatus::ExchangerCrossed, false, 0);
    if (warm < dT - tol) fault(CycleStatus::ExchangerPinch, false, warm);
    if (cold < dT - tol) fault(CycleStatus::ExchangerPinch, true, cold);
    for (int k = 1; k < kSections; ++k) {
      const Real t = Real(k) / kSections;
      const Real Th = sv.temperature(e.hotIn.P, e.hotIn.i + t * (e.hotOut.i - e.hotIn.i));
      const Real Tc = sv.temperature(e.coldIn.P, e.coldOut.i + t * (e.coldIn.i - e.coldOut.i));
      if (Th < Tc - tol) fault(CycleStatus::ExchangerCrossed, false, 0);
    }
  }
}

void checkData(const tfs::Model& m, Cycle kind, const CycleData& d) {
  for (Real v : {d.Plow, d.Phigh, d.T1, d.etaT, d.dT, d.leak, d.Tpre, d.xe, d.T3, d.etaS, d.T0})
    if (!finite(v)) refuse(CycleStatus::BadNumber);
  if (!(d.Plow < d.Phigh)) refuse(CycleStatus::PressureOrder);
  const tfs::ModelLimits& lim = m.limits();
  if (d.Plow > 0 && !(d.Plow < lim.Pcr)) refuse(CycleStatus::LowAboveCritical);
  if (d.Plow > 0 && d.Plow < TriplePressure(m)) refuse(CycleStatus::LowBelowTriple);
  if (!(d.etaT >= kMinEfficiency && d.etaT <= 1)) refuse(CycleStatus::BadEfficiencyT);
  if (!(d.leak >= 0)) refuse(CycleStatus::BadLeak);
  if (!(d.dT >= 0)) refuse(CycleStatus::BadDeltaT);
  const Real T0 = d.T0 > 0 ? d.T0 : d.T1;
  if (d.T0 < 0 || (d.T0 > 0 && d.T0 > d.T1)) refuse(CycleStatus::BadAmbient);
  if (T0 < d.T1 && d.dT > 0) refuse(CycleStatus::AmbientWithDeltaT);
  if (kind == Cycle::Claude) {
    if (!(d.xe >= 0 && d.xe < 1)) refuse(CycleStatus::BadFraction);
    if (!(d.etaS >= kMinEfficiency && d.etaS <= 1)) refuse(CycleStatus::BadEfficiencyS);
    if (!(d.T3 < d.T1)) refuse(CycleStatus::BadExpanderInlet);
  }
  if (kind == Cycle::Precooled && !(d.Tpre < d.T1)) refuse(CycleStatus::BadPrecooling);
}

// What every cycle shares: the states at the compressor and the separator's
// saturated liquid and vapour at the low pressure.
struct CycleStart {
  ProcPoint p1, p2, f, g;
  Real T0 = 0, q = 0;
};

// A throttle from Tthrottle at the high pressure Ph that heats the gas:
// above the highest inversion temperature no pressure helps; below it the
// high pressure lies above the inversion curve.
std::string heatingThrottle(const tfs::Model& m, Real Ph, Real Tthrottle) {
  const Real Tinv = tfs::maxInversionTemperature(m);
  if (Tinv > 0 && Tthrottle >= Tinv)
    return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Жидкость не образуется: газ при дросселировании от %1 K\n"
                            "нагревается (он выше наибольшей температуры инверсии %2 K).\n"
                            "Газ нужно предварительно охладить !")),
                         {num("%.2f", Tthrottle), num("%.2f", Tinv)});
  return app::withArgs(
      tx(QT_TRANSLATE_NOOP("Cycles", "Жидкость не образуется: газ при дросселировании от %1 K\n"
                           "нагревается (при давлении %2 МПа он выше кривой инверсии;\n"
                           "наибольшая температура инверсии %3).\n"
                           "Снизьте высокое давление или охладите газ !")),
      {num("%.2f", Tthrottle), num("%.3f", Ph),
       Tinv > 0 ? num("%.2f K", Tinv)
                : app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "выше %1 K")), {num("%.0f", m.limits().Tmax)})});
}

// No liquid: the reason in words, yield 0, the compressor's (and the
// expander's) states shown; the works shown still add up to W.
void noLiquid(const tfs::Model& m, Cycle kind, Real Ph, Real yIdeal, Real Tthrottle, CycleResult& r) {
  r.status = CycleStatus::NoLiquid;
  r.y = 0;
  r.hasPart = {};
  r.sgen = {};
  r.W = r.Wc - r.We + r.Wbath;
  if (yIdeal <= 0 && kind == Cycle::Claude)
    r.message = app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Жидкость не образуется: холода детандера не хватает\n"
                                 "(газ при дросселировании от %1 K нагревается).\n"
                                 "Увеличьте долю потока на детандер !")),
                              {num("%.2f", Tthrottle)});
  else if (yIdeal <= 0)
    r.message = heatingThrottle(m, Ph, Tthrottle);
  else if (kind == Cycle::Claude)
    r.message = tx(QT_TRANSLATE_NOOP("Cycles", "Жидкость не образуется: холода детандера и дросселирования\n"
                   "не хватает на недорекуперацию и теплоприток !"));
  else
    r.message = tx(QT_TRANSLATE_NOOP("Cycles", "Жидкость не образуется: холода дросселирования\n"
                   "не хватает на недорекуперацию и теплоприток !"));
}

void partLoss(CycleResult& r, Part p, Real s) {
  r.hasPart[int(p)] = true;
  r.sgen[int(p)] = s;
}

// The checks of the data against the saturation line and the surroundings,
// then the compressor: the states every cycle starts from.
CycleStart startCycle(Solver& sv, const tfs::Model& m, Cycle kind, const CycleData& d, CycleResult& r) {
  checkData(m, kind, d);
  // The pressures within the library's range before any routine sees them.
  const tfs::ModelLimits& lim = m.limits();
  if (!(d.Phigh <= lim.Pceiling)) throw Refusal{CycleStatus::StateRefused, SolveStatus::PressureAbove, 2};
  if (!(d.Plow >= lim.Pfloor)) throw Refusal{CycleStatus::StateRefused, SolveStatus::PressureBelow, 1};
  CycleStart c;
  c.T0 = sv.T0();
  c.q = d.leak;
  r.T0 = c.T0;
  const Real Pl = d.Plow, Ph = d.Phigh, T0 = c.T0;

  // Saturated liquid and vapour at the low pressure (bubble and dew for air).
  const Saturation* low = sv.saturation(Pl);
  if (!low) refuse(CycleStatus::LowAboveCritical);
  c.f = low->f, c.g = low->g;
  const ProcPoint& f = c.f;
  const ProcPoint& g = c.g;
  // The coldest warm end: the return stream leaves each exchanger dT below
  // the hot stream entering it, never colder than the separator's vapour.
  const Real Twarm = kind == Cycle::Precooled ? d.Tpre : d.T1;
  if (kind == Cycle::Precooled && !(d.Tpre - d.dT > g.T)) {
    Refusal rf{CycleStatus::BadPrecooling};
    rf.value = g.T + d.dT;
    throw rf;
  }
  if (!(Twarm - d.dT > g.T)) {
    Refusal rf{CycleStatus::BadDeltaT};
    rf.value = Twarm - g.T;
    throw rf;
  }
  // Heat reaches the cycle from the surroundings only where they are
  // warmer (the in-leak into the separator), and leaves it for them only
  // where they are colder (the bath's refrigerator).
  if (c.q > 0 && !(T0 > g.T)) refuse(CycleStatus::AmbientBelowSeparator, g.T);
  if (kind == Cycle::Precooled && !(T0 > d.Tpre)) refuse(CycleStatus::AmbientBelowBath, d.Tpre);

  c.p1 = sv.byPT(1, Pl, d.T1);
  const DeviceResult comp = sv.compressor(c.p1, Ph, d.etaT);
  c.p2 = comp.outlet;
  const ProcPoint& p1 = c.p1;
  r.Wc = -comp.L;
  r.Qc = comp.Q;
  // Below T0 = (h1 - hf) / (s1 - sf) the gas at T1 holds as much work
  // against the surroundings as the liquid: nothing is left to minimise.
  r.Wi = T0 * (p1.s - f.s) - (p1.i - f.i);
  if (!(r.Wi > 0)) refuse(CycleStatus::AmbientTooLow, (p1.i - f.i) / (p1.s - f.s));
  partLoss(r, Part::Compressor, (c.p2.s - p1.s) + r.Qc / T0);
  sv.add(1, p1, 1, QT_TRANSLATE_NOOP("Cycles", "вход компрессора"));
  sv.add(2, c.p2, 1, QT_TRANSLATE_NOOP("Cycles", "выход компрессора"));
  return c;
}

// Linde–Hampson: one exchanger, the valve, the separator. False when no
// liquid forms.
bool lindeCycle(Solver& sv, const CycleData& d, const CycleStart& c, CycleResult& r) {
  const ProcPoint &p1 = c.p1, &p2 = c.p2, &f = c.f, &g = c.g;
  const Real Pl = d.Plow, Ph = d.Phigh, q = c.q, T0 = c.T0;
  const ProcPoint p7 = sv.byPT(7, Pl, d.T1 - d.dT);
  const Real yIdeal = (p1.i - p2.i) / (p1.i - f.i);
  const Real y = (p7.i - p2.i - q) / (p7.i - f.i);
  if (!(y > 0)) {
    noLiquid(sv.model(), Cycle::Linde, Ph, yIdeal, d.T1, r);
    return false;
  }
  if (!(y < 1)) refuse(CycleStatus::NoResult);
  const ProcPoint p3 = sv.byPH(3, Ph, p2.i - (1 - y) * (p7.i - g.i));
  const ProcPoint p4 = sv.byPH(4, Pl, p3.i);  // the valve
  checkExchangers(sv, d.dT, {{1, p2, p3, g, p7}});
  r.y = y;
  sv.add(3, p3, 1, QT_TRANSLATE_NOOP("Cycles", "перед дросселем"));
  sv.add(4, p4, 1, QT_TRANSLATE_NOOP("Cycles", "после дросселя"));
  sv.add(5, f, y, QT_TRANSLATE_NOOP("Cycles", "жидкость"));
  sv.add(6, g, 1 - y, QT_TRANSLATE_NOOP("Cycles", "пар из отделителя"));
  sv.add(7, p7, 1 - y, QT_TRANSLATE_NOOP("Cycles", "обратный поток, теплый конец"));
  partLoss(r, Part::Exchanger1, (p3.s - p2.s) + (1 - y) * (p7.s - g.s));
  partLoss(r, Part::Valve, p4.s - p3.s);
  partLoss(r, Part::Separator, y * f.s + (1 - y) * g.s - p4.s - q / T0);
  partLoss(r, Part::Mixing, (1 - y) * ((p1.s - p7.s) - (p1.i - p7.i) / T0));
  return true;
}

// Linde–Hampson precooled by a bath between two exchangers.
bool precooledCycle(Solver& sv, const CycleData& d, const CycleStart& c, CycleResult& r) {
  const ProcPoint &p1 = c.p1, &p2 = c.p2, &f = c.f, &g = c.g;
  const Real Pl = d.Plow, Ph = d.Phigh, q = c.q, T0 = c.T0;
  const ProcPoint p4 = sv.byPT(4, Ph, d.Tpre);
  const ProcPoint p9 = sv.byPT(9, Pl, d.Tpre - d.dT);
  const ProcPoint p10 = sv.byPT(10, Pl, d.T1 - d.dT);
  const ProcPoint atPre = d.dT == 0 ? p9 : sv.byPT(9, Pl, d.Tpre);
  const Real yIdeal = (atPre.i - p4.i) / (atPre.i - f.i);
  const Real y = (p9.i - p4.i - q) / (p9.i - f.i);
  if (!(y > 0)) {
    noLiquid(sv.model(), Cycle::Precooled, Ph, yIdeal, d.Tpre, r);
    return false;
  }
  if (!(y < 1)) refuse(CycleStatus::NoResult);
  const ProcPoint p5 = sv.byPH(5, Ph, p4.i - (1 - y) * (p9.i - g.i));
  const ProcPoint p6 = sv.byPH(6, Pl, p5.i);  // the valve
  const ProcPoint p3 = sv.byPH(3, Ph, p2.i - (1 - y) * (p10.i - p9.i));
  if (p3.T < d.Tpre * (1 - Real(1e-6L))) refuse(CycleStatus::BathWarms, p3.T);
  checkExchangers(sv, d.dT, {{1, p2, p3, p9, p10}, {2, p4, p5, g, p9}});
  r.y = y;
  r.Qbath = p3.i - p4.i;
  r.Wbath = r.Qbath * (T0 / d.Tpre - 1);
  sv.add(3, p3, 1, QT_TRANSLATE_NOOP("Cycles", "вход в ванну"));
  sv.add(4, p4, 1, QT_TRANSLATE_NOOP("Cycles", "выход из ванны"));
  sv.add(5, p5, 1, QT_TRANSLATE_NOOP("Cycles", "перед дросселем"));
  sv.add(6, p6, 1, QT_TRANSLATE_NOOP("Cycles", "после дросселя"));
  sv.add(7, f, y, QT_TRANSLATE_NOOP("Cycles", "жидкость"));
  sv.add(8, g, 1 - y, QT_TRANSLATE_NOOP("Cycles", "пар из отделителя"));
  sv.add(9, p9, 1 - y, QT_TRANSLATE_NOOP("Cycles", "обратный поток за теплообм. 2"));
  sv.add(10, p10, 1 - y, QT_TRANSLATE_NOOP("Cycles", "обратный поток, теплый конец"));
  partLoss(r, Part::Exchanger1, (p3.s - p2.s) + (1 - y) * (p10.s - p9.s));
  partLoss(r, Part::Bath, (p4.s - p3.s) + r.Qbath / d.Tpre);
  partLoss(r, Part::Exchanger2, (p5.s - p4.s) + (1 - y) * (p9.s - g.s));
  partLoss(r, Part::Valve, p6.s - p5.s);
  partLoss(r, Part::Separator, y * f.s + (1 - y) * g.s - p6.s - q / T0);
  partLoss(r, Part::Mixing, (1 - y) * ((p1.s - p10.s) - (p1.i - p10.i) / T0));
  return true;
}

// Claude: a fraction xe expanded from T3 and returned with the cold stream.
bool claudeCycle(Solver& sv, const tfs::Model& m, const CycleData& d, const CycleStart& c, CycleResult& r) {
  const ProcPoint &p1 = c.p1, &p2 = c.p2, &f = c.f, &g = c.g;
  const Real Pl = d.Plow, Ph = d.Phigh, q = c.q, T0 = c.T0, xe = d.xe;
  const ProcPoint p3 = sv.byPT(3, Ph, d.T3);
  if (p3.x > 0) {
    // Wet or liquid: above the dome at the high pressure, or above the
    // critical temperature at a supercritical one.
    const tfs::ModelLimits& lim = m.limits();
    Real Tv = lim.Tcr, Tl = Tv;
    if (Ph < lim.Pcr) m.Tsat(Ph, Tv, Tl);
    refuse(CycleStatus::ExpanderInletWet, Tv);
  }
  const ProcPoint p4 = sv.expander(4, p3, Pl, d.etaS);
  const ProcPoint p13 = sv.byPT(13, Pl, d.T1 - d.dT);
  r.We = xe * (p3.i - p4.i);
  const Real yIdeal = (p1.i - p2.i) / (p1.i - f.i);
  const Real y = ((p13.i - p2.i - q) + r.We) / (p13.i - f.i);
  if (!(y > 0)) {
    // The expander's states stand with its work.
    sv.add(3, p3, 1, QT_TRANSLATE_NOOP("Cycles", "вход в детандер"));
    sv.add(4, p4, xe, QT_TRANSLATE_NOOP("Cycles", "выход из детандера"));
    noLiquid(m, Cycle::Claude, Ph, yIdeal, d.T1, r);
    return false;
  }
  if (!(y < 1 - xe)) refuse(CycleStatus::TooMuchExpanded);
  const ProcPoint p12 = sv.byPH(12, Pl, p13.i - (p2.i - p3.i) / (1 - y));
  // The valve's outlet from the separator's balance, its inlet at the
  // same enthalpy.
  const Real h7 = (y * f.i + (1 - xe - y) * g.i - q) / (1 - xe);
  const ProcPoint p6 = sv.byPH(6, Ph, h7);
  const ProcPoint p7 = sv.byPH(7, Pl, h7);
  // The exhaust joins the return stream where that is as warm as it:
  // past the cold exchanger when dry, at the separator's vapour when wet.
  const bool dry = p4.x == 0 && p4.T > g.T;
  const ProcPoint p10 = dry ? p4 : g;
  const ProcPoint p5 = sv.byPH(5, Ph, p6.i + (1 - xe - y) * (p10.i - g.i) / (1 - xe));
  const ProcPoint p11 = dry ? p4 : sv.byPH(11, Pl, (xe * p4.i + (1 - xe - y) * p10.i) / (1 - y));
  checkExchangers(sv, d.dT, {{1, p2, p3, p12, p13}, {2, p3, p5, p11, p12}, {3, p5, p6, g, p10}});
  r.y = y;
  sv.add(3, p3, 1, QT_TRANSLATE_NOOP("Cycles", "вход в детандер"));
  sv.add(4, p4, xe, QT_TRANSLATE_NOOP("Cycles", "выход из детандера"));
  sv.add(5, p5, 1 - xe, QT_TRANSLATE_NOOP("Cycles", "за теплообменником 2"));
  sv.add(6, p6, 1 - xe, QT_TRANSLATE_NOOP("Cycles", "перед дросселем"));
  sv.add(7, p7, 1 - xe, QT_TRANSLATE_NOOP("Cycles", "после дросселя"));
  sv.add(8, f, y, QT_TRANSLATE_NOOP("Cycles", "жидкость"));
  sv.add(9, g, 1 - xe - y, QT_TRANSLATE_NOOP("Cycles", "пар из отделителя"));
  sv.add(10, p10, 1 - xe - y, QT_TRANSLATE_NOOP("Cycles", "обратный поток за теплообм. 3"));
  sv.add(11, p11, 1 - y, QT_TRANSLATE_NOOP("Cycles", "после смешения с детандерным"));
  sv.add(12, p12, 1 - y, QT_TRANSLATE_NOOP("Cycles", "обратный поток за теплообм. 2"));
  sv.add(13, p13, 1 - y, QT_TRANSLATE_NOOP("Cycles", "обратный поток, теплый конец"));
  partLoss(r, Part::Exchanger1, (p3.s - p2.s) + (1 - y) * (p13.s - p12.s));
  // The exhaust joins the return stream at this exchanger's cold end.
  partLoss(r, Part::Exchanger2, (1 - xe) * (p5.s - p3.s) + (1 - y) * p12.s - xe * p4.s - (1 - xe - y) * p10.s);
  partLoss(r, Part::Exchanger3, (1 - xe) * (p6.s - p5.s) + (1 - xe - y) * (p10.s - g.s));
  partLoss(r, Part::Expander, xe * (p4.s - p3.s));
  partLoss(r, Part::Valve, (1 - xe) * (p7.s - p6.s));
  partLoss(r, Part::Separator, y * f.s + (1 - xe - y) * g.s - (1 - xe) * p7.s - q / T0);
  partLoss(r, Part::Mixing, (1 - y) * ((p1.s - p13.s) - (p1.i - p13.i) / T0));
  if (!dry && xe > 0)
    r.message = app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "На выходе детандера влажный пар (степень сухости %1 %).")),
                              {num("%.1f", 100 * (1 - p4.x))});
  return true;
}

// The second law for each component: a residue of the rounding below zero
// is none, a real deficit means the data make no cycle. Then the totals.
void finishCycle(Real T0, CycleResult& r) {
  Real sScale = 1;
  for (const CycleState& s : r.states) sScale = std::max(sScale, std::fabs(s.p.s));
  for (int k = 0; k < kPartCount; ++k) {
    if (!r.hasPart[k] || !(r.sgen[k] < 0)) continue;
    if (r.sgen[k] >= -kResidue * sScale) {
      r.sgen[k] = 0;
      continue;
    }
    Refusal rf{CycleStatus::SecondLaw};
    rf.part = Part(k);
    throw rf;
  }
  r.W = r.Wc - r.We + r.Wbath;
  r.Wf = r.W / r.y;
  r.fom = r.Wi / r.Wf;
  for (int k = 0; k < kPartCount; ++k) r.exergy[k] = r.hasPart[k] ? T0 * r.sgen[k] / r.y : 0;
  std::sort(r.states.begin(), r.states.end(), [](const CycleState& a, const CycleState& b) { return a.n < b.n; });
  r.status = CycleStatus::Solved;
}

void solve(const tfs::Model& m, Cycle kind, const CycleData& d, CycleResult& r) {
  Solver sv(m, d, r);
  const CycleStart c = startCycle(sv, m, kind, d, r);
  bool liquid = false;
  switch (kind) {
    case Cycle::Linde: liquid = lindeCycle(sv, d, c, r); break;
    case Cycle::Precooled: liquid = precooledCycle(sv, d, c, r); break;
    case Cycle::Claude: liquid = claudeCycle(sv, m, d, c, r); break;
  }
  if (liquid) finishCycle(c.T0, r);
}

bool allFinite(const CycleResult& r) {
  for (const CycleState& s : r.states)
    for (Real v : {s.p.T, s.p.P, s.p.d, s.p.i, s.p.s, s.p.x, s.flow})
      if (!finite(v)) return false;
  for (Real v : {r.y, r.Wc, r.We, r.Wbath, r.Qbath, r.Qc, r.W, r.Wf, r.Wi, r.fom})
    if (!finite(v)) return false;
  for (int k = 0; k < kPartCount; ++k)
    if (!finite(r.exergy[k]) || !finite(r.sgen[k])) return false;
  return true;
}

std::string refusalText(const Refusal& f, const tfs::Model& m) {
  const tfs::ModelLimits& lim = m.limits();
  switch (f.status) {
    case CycleStatus::Solved:
    case CycleStatus::NoLiquid: return {};
    case CycleStatus::BadNumber: return tx(QT_TRANSLATE_NOOP("Cycles", "Данные цикла должны быть числами !"));
    case CycleStatus::PressureOrder: return tx(QT_TRANSLATE_NOOP("Cycles", "Низкое давление должно быть ниже высокого !"));
    case CycleStatus::LowAboveCritical:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Низкое давление должно быть ниже критического\n(Ркр = %1 МПа): "
                              "иначе жидкость не отделяется !")),
                           {num("%.3f", lim.Pcr)});
    case CycleStatus::LowBelowTriple:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Низкое давление должно быть не ниже давления\nтройной точки (Ртр = %1 МПа): "
                              "ниже него жидкости нет !")),
                           {num("%.5f", TriplePressure(m))});
    case CycleStatus::BadEfficiencyT:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Изотермический КПД должен быть не меньше %1 и не больше 1 !")),
                           {num("%.2f", kMinEfficiency)});
    case CycleStatus::BadEfficiencyS:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Изоэнтропный КПД должен быть не меньше %1 и не больше 1 !")),
                           {num("%.2f", kMinEfficiency)});
    case CycleStatus::BadDeltaT:
      return f.value > 0 ? app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Разность температур на теплом конце\nдолжна быть не меньше 0 "
                                            "и меньше %1 K !")),
                                         {num("%.2f", f.value)})
                         : tx(QT_TRANSLATE_NOOP("Cycles", "Разность температур на теплом конце\nдолжна быть не меньше 0 K !"));
    case CycleStatus::BadLeak: return tx(QT_TRANSLATE_NOOP("Cycles", "Теплоприток не может быть отрицательным !"));
    case CycleStatus::BadAmbient:
      return tx(QT_TRANSLATE_NOOP("Cycles", "Температура окружающей среды T0 должна быть\nбольше 0 K и не выше T1 !"));
    case CycleStatus::AmbientWithDeltaT:
      return tx(QT_TRANSLATE_NOOP("Cycles", "При разности температур на теплом конце\nтемпература окружающей среды T0 должна равняться T1 !"));
    case CycleStatus::AmbientBelowSeparator:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Температура окружающей среды T0 должна быть выше\n"
                              "температуры в отделителе жидкости (%1 K):\nтеплоприток идет к нему из окружающей среды !")),
                           {num("%.2f", f.value)});
    case CycleStatus::AmbientBelowBath:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Температура окружающей среды T0 должна быть выше\n"
                              "температуры ванны предварительного охлаждения (%1 K):\nтепло ванны отводится в окружающую среду !")),
                           {num("%.2f", f.value)});
    case CycleStatus::AmbientTooLow:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Температура окружающей среды T0 должна быть выше %1 K:\n"
                              "при более низкой газ на входе компрессора сам несет\n"
                              "не меньше работы, чем жидкость, и минимальная работа\n"
                              "ожижения не положительна !")),
                           {num("%.2f", f.value)});
    case CycleStatus::BadPrecooling:
      return f.value > 0
                 ? app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Температура предварительного охлаждения\nдолжна быть выше %1 K и ниже T1 !")),
                                 {num("%.2f", f.value)})
                 : tx(QT_TRANSLATE_NOOP("Cycles", "Температура предварительного охлаждения\nдолжна быть ниже T1 !"));
    case CycleStatus::BadFraction: return tx(QT_TRANSLATE_NOOP("Cycles", "Доля потока на детандер должна быть\nне меньше 0 и меньше 1 !"));
    case CycleStatus::BadExpanderInlet: return tx(QT_TRANSLATE_NOOP("Cycles", "Температура на входе в детандер должна быть ниже T1 !"));
    case CycleStatus::ExpanderInletWet:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "На входе в детандер жидкость !\nТемпература на входе в детандер "
                              "должна быть выше %1 K.")),
                           {num("%.2f", f.value)});
    case CycleStatus::TooMuchExpanded:
      return tx(QT_TRANSLATE_NOOP("Cycles", "Доля потока на детандер слишком велика:\nжидкости получалось бы больше, "
                "чем проходит через дроссель !"));
    case CycleStatus::StateRefused:
      return refusalMessage(f.state, m, app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Состояние %1")), {std::to_string(f.number)}),
                            OutletTmax(m));
    case CycleStatus::ExchangerBackwards:
      // Only the Claude cycle's middle exchanger can turn: its hot stream
      // enters at the expander's inlet temperature.
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Теплообменник %1 работает в обратную сторону: обратный поток\n"
                              "нагревал бы в нем прямой от %2 до %3 K !\n"
                              "Повысьте температуру на входе в детандер или долю потока на детандер.")),
                           {std::to_string(f.number), num("%.2f", f.value), num("%.2f", f.value2)});
    case CycleStatus::ExchangerPinch:
      return app::withArgs(f.coldEnd ? tx(QT_TRANSLATE_NOOP("Cycles", "В теплообменнике %1 разность температур на холодном конце\n"
                                          "(%2 K) меньше заданной (%3 K): цикл при этих данных невозможен !"))
                                     : tx(QT_TRANSLATE_NOOP("Cycles", "В теплообменнике %1 разность температур на теплом конце\n"
                                          "(%2 K) меньше заданной (%3 K): цикл при этих данных невозможен !")),
                           {std::to_string(f.number), num("%.2f", f.value), num("%.2f", f.value2)});
    case CycleStatus::ExchangerCrossed:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "В теплообменнике %1 горячий поток холоднее холодного:\n"
                              "цикл при этих данных невозможен !")),
                           {std::to_string(f.number)});
    case CycleStatus::BathWarms:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Поток приходит в ванну предварительного охлаждения\nхолоднее ее (%1 K): "
                              "ванна его нагревала бы !\nПонизьте температуру предварительного охлаждения.")),
                           {num("%.2f", f.value)});
    case CycleStatus::SecondLaw:
      return app::withArgs(tx(QT_TRANSLATE_NOOP("Cycles", "Элемент цикла \"%1\" уменьшал бы энтропию:\n"
                              "цикл при этих данных невозможен !")),
                           {partName(f.part)});
    case CycleStatus::LibraryRefused:
    case CycleStatus::NoResult: break;
  }
  return tx(QT_TRANSLATE_NOOP("Cycles", "Цикл при этих данных не рассчитывается !"));
}

}  // namespace

CycleResult solveCycle(const tfs::Model& m, Cycle kind, const CycleData& data) {
  CycleResult r;
  r.kind = kind;
  Refusal refusal{CycleStatus::Solved};
  const app::LibraryResult ran = app::libraryAttempt([&] {
    try {
      solve(m, kind, data, r);
    } catch (const Refusal& f) {
      refusal = f;
    }
  });
  if (refusal.status == CycleStatus::Solved && ran && allFinite(r)) return r;
  CycleResult out;
  out.kind = kind;
  if (!ran) {
    out.status = CycleStatus::LibraryRefused;
    out.library = ran.text;
  } else if (refusal.status != CycleStatus::Solved) {
    out.status = refusal.status;
    out.library = refusal.library;
    out.state = refusal.state;
    out.stateNumber = refusal.status == CycleStatus::StateRefused ? refusal.number : 0;
    if (refusal.status == CycleStatus::ExchangerCrossed || refusal.status == CycleStatus::ExchangerPinch ||
        refusal.status == CycleStatus::ExchangerBackwards)
      out.exchanger = refusal.number;
    out.part = refusal.part;
  } else {
    refusal.status = CycleStatus::NoResult;
    out.status = CycleStatus::NoResult;
  }
  out.message = refusalText(refusal.status == CycleStatus::Solved ? Refusal{CycleStatus::NoResult} : refusal, m);
  return out;
}

namespace {

// The isobar between two states of one pressure, sampled by enthalpy.
diagram::CyclePath isobar(const tfs::Model& m, const ProcPoint& a, const ProcPoint& b, int samples) {
  diagram::CyclePath path;
  const Real Tmax = OutletTmax(m);
  for (int k = 0; k <= samples; ++k) {
    ProcPoint p = k == 0 ? a : b;
    if (k > 0 && k < samples) {
      const Real h = a.i + (b.i - a.i) * k / samples;
      if (SolvePairUpTo(m, kPressure, kEnthalpy, a.P, h, Tmax, p) != SolveStatus::Solved) continue;
    }
    path.S.push_back(p.s);
    path.T.push_back(p.T);
  }
  return path;
}

diagram::CyclePath chord(const ProcPoint& a, const ProcPoint& b) {
  diagram::CyclePath path;
  path.chord = true;
  path.S = {a.s, b.s};
  path.T = {a.T, b.T};
  return path;
}

}  // namespace

app::LibraryResult cycleLines(const tfs::Model& m, const CycleResult& r, diagram::CycleStore& store, int samples) {
  store.clear();
  if (!r.liquid()) return {};
  auto P = [&](int n) { return r.at(n)->p; };
  std::vector<diagram::CyclePath> paths;
  const app::LibraryResult ok = app::libraryAttempt([&] {
    auto iso = [&](int a, int b) { paths.push_back(isobar(m, P(a), P(b), samples)); };
    auto line = [&](int a, int b) { paths.push_back(chord(P(a), P(b))); };
    switch (r.kind) {
      case Cycle::Linde:
        line(1, 2), iso(2, 3), line(3, 4), iso(5, 6), iso(6, 7), iso(7, 1);
        break;
      case Cycle::Precooled:
        line(1, 2), iso(2, 3), iso(3, 4), iso(4, 5), line(5, 6), iso(7, 8), iso(8, 9), iso(9, 10), iso(10, 1);
        break;
      case Cycle::Claude:
        line(1, 2), iso(2, 3), iso(3, 5), iso(5, 6), line(6, 7), iso(8, 9), iso(9, 10), line(3, 4);
        iso(10, 11), iso(11, 12), iso(12, 13), iso(13, 1);
        break;
    }
  });
  if (!ok) return ok;
  store.paths = std::move(paths);
  for (const CycleState& s : r.states) store.marks.push_back({s.n, s.p.s, s.p.T});
  return ok;
}

void CycleWork::reset(const tfs::Model* m) {
  const CycleData d = m ? defaultCycleData(*m) : CycleData{};
  data = {d, d, d};
  onDiagram = false;
  result = CycleResult{};
  lines.clear();
}

bool CycleWork::solve(const tfs::Model* model, CycleResult* refusal, const app::Notify& notify) {
  if (!model) {
    if (refusal) *refusal = CycleResult{};
    return false;
  }
  const tfs::Model& m = *model;
  CycleResult r = solveCycle(m, kind, current());
  if (!r.shown()) {
    if (notify && !r.library.empty()) notify(r.library);
    if (refusal) *refusal = std::move(r);
    return false;
  }
  result = std::move(r);
  const app::LibraryResult drawn = cycleLines(m, result, lines);
  if (notify && !drawn) notify(drawn.text);
  return true;
}

}  // namespace proc
