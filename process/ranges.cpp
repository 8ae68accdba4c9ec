#include "process/ranges.h"

#include <algorithm>
#include <cmath>

#include "app/numfmt.h"
#include "process/calculator.h"
#include "thermo/limits.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace proc {

bool Range::holds(Real v) const {
  if (!std::isfinite(v)) return false;
  const bool aboveLo = loOpen ? v > lo : v >= lo;
  const bool belowHi = hiOpen ? v < hi : v <= hi;
  return aboveLo && belowHi;
}

Ranges admissibleRanges(std::string_view name) {
  const int n = tfs::SubstIndex(name);
  const Real Tmax = tfs::kIdealGasTmax[n], Pmin = tfs::kPressureFloor, Pmax = tfs::pressureCeiling(n);
  Ranges r;
  r[kTemperature] = {tfs::Ttr[n], Tmax};
  r[kPressure] = {Pmin, Pmax};
  const Real dmax = tfs::limitingDensity(n);
  r[kDensity] = {0, dmax, true, true};
  // The lightest state: the ideal gas at the lowest pressure and Tmax.
  r[kVolume] = {1 / dmax, tfs::Rgas[n] * Tmax / (1000 * Pmin), true, false};
  // Enthalpy and entropy over the pressures, from the coldest state at each
  // (the solidification temperature, not below the triple point) to Tmax.
  Real hlo = INFINITY, hhi = -INFINITY, slo = INFINITY, shi = -INFINITY;
  constexpr int kSteps = 24;
  for (int k = 0; k <= kSteps; ++k) {
    const Real P = std::exp(std::log(Pmin) + k * (std::log(Pmax) - std::log(Pmin)) / kSteps);
    const Real Tlow = std::max(tfs::Tmelt(name, P), tfs::Ttr[n]);
    Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
    tfs::dhs_PT(name, P, Tlow, d, h, s, Cp, x);
    hlo = std::min(hlo, h);
    slo = std::min(slo, s);
    tfs::dhs_PT(name, P, Tmax, d, h, s, Cp, x);
    hhi = std::max(hhi, h);
    shi = std::max(shi, s);
  }
  r[kEnthalpy] = {hlo, hhi};
  r[kEntropy] = {slo, shi};
  r[kDryness] = {0, 100};
  return r;
}

std::string limitText(Real v) {
  int decimals = 2;
  while (decimals < 6 && v != 0 && std::fabs(v) < std::pow(Real(10), -decimals)) ++decimals;
  const char* pattern[] = {"", "", "%.2f", "%.3f", "%.4f", "%.5f", "%.6f"};
  return app::format(pattern[decimals], v);
}

namespace {

// The dimension a kind's value is measured per mass of; false for those
// that have none.
bool dimOf(int kind, app::Dim& dim) {
  switch (kind) {
    case kDensity: dim = app::Dim::Density; return true;
    case kVolume: dim = app::Dim::Volume; return true;
    case kEnthalpy: dim = app::Dim::Enthalpy; return true;
    case kEntropy: dim = app::Dim::Entropy; return true;
    default: return false;
  }
}

}  // namespace

Real kindToShown(app::Units u, int kind, Real value, int subst) {
  app::Dim dim{};
  return dimOf(kind, dim) ? app::toShown(u, dim, value, subst) : value;
}

Real kindFromShown(app::Units u, int kind, Real shown, int subst) {
  app::Dim dim{};
  return dimOf(kind, dim) ? app::fromShown(u, dim, shown, subst) : shown;
}

const char* unitLabel(int kind, app::Units u) {
  app::Dim dim{};
  return dimOf(kind, dim) ? app::unitText(u, dim) : kUnitLabels[kind];
}

std::string rangeMessage(int kind, const Range& range, app::Units u, int subst) {
  // Every conversion is a multiplication by a positive number: the ends
  // keep their order.
  Range r = range;
  r.lo = kindToShown(u, kind, range.lo, subst);
  r.hi = kindToShown(u, kind, range.hi, subst);
  static const char* const subject[kParamCount] = {
      "Температура должна быть", "Давление должно быть",  "Плотность должна быть",       "Удельный объем должен быть",
      "Энтальпия должна быть",   "Энтропия должна быть", "Степень сухости должна быть"};
  std::string text = std::string(subject[kind]) + " ";
  if (r.loOpen || r.hiOpen)
    text += std::string(r.loOpen ? "больше " : "не меньше ") + limitText(r.lo) + " и " +
            (r.hiOpen ? "меньше " : "не больше ") + limitText(r.hi);
  else
    text += "в пределах\nот " + limitText(r.lo) + " до " + limitText(r.hi);
  return text + " " + unitLabel(kind, u) + " !";
}

std::string refusalMessage(SolveStatus st, std::string_view name, std::string_view state, Real Tmax, app::Units u) {
  using app::format;
  const int n = tfs::SubstIndex(name);
  const std::string out = std::string(state) + " вне пределов расчета:\n";
  if (!(Tmax > 0)) Tmax = tfs::kIdealGasTmax[n];
  const std::string dry = "Степень сухости задается только для влажного пара:\n";
  std::string text;
  switch (st) {
    case SolveStatus::Solved: break;
    case SolveStatus::NotAdmitted: text = kPairMessage; break;
    case SolveStatus::DrynessHotT:
      text = dry + "температура должна быть ниже критической (Ткр = " + format("%.2f", tfs::Tcr[n]) + " K).";
      break;
    case SolveStatus::DrynessColdT:
      text = dry + "температура должна быть не ниже температуры тройной точки (Ттр = " + format("%.2f", tfs::Ttr[n]) +
             " K).";
      break;
    case SolveStatus::DrynessHighP:
      text = dry + "давление должно быть ниже критического (Ркр = " + format("%.3f", tfs::Pcr[n]) + " МПа).";
      break;
    case SolveStatus::DrynessLowP:
      text = dry + "ниже давления тройной точки (Ртр = " + format("%.5f", TriplePressure(name)) +
             " МПа) насыщенного состояния нет.";
      break;
    case SolveStatus::NotPositive:
      text = "Температура, давление, плотность и удельный объем\nдолжны быть больше нуля.";
      break;
    case SolveStatus::NoState:
      text = "Состояния с заданными энтальпией и энтропией\nв области расчета нет.";
      break;
    case SolveStatus::TooHot:
      text = out + "температура выше " + limitText(Tmax) + " K !";
      break;
    case SolveStatus::TooCold:
      text = out + "температура ниже температуры затвердевания !";
      break;
    case SolveStatus::PressureAbove:
      text = out + "давление выше " + limitText(tfs::pressureCeiling(n)) + " МПа !";
      break;
    case SolveStatus::PressureBelow:
      text = out + "давление ниже " + limitText(tfs::kPressureFloor) + " МПа !";
      break;
    case SolveStatus::TooDense:
      text = out + "плотность не меньше " + limitText(kindToShown(u, kDensity, tfs::limitingDensity(n), n)) + " " +
             unitLabel(kDensity, u) + " !";
      break;
  }
  return text;
}

}  // namespace proc
