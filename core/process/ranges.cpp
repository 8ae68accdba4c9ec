#include "core/process/ranges.h"

#include <algorithm>
#include <cmath>

#include "core/base/numfmt.h"
#include "core/base/tr.h"
#include "core/process/texts.h"

namespace proc {

bool Range::holds(Real v) const {
  if (!std::isfinite(v)) return false;
  const bool aboveLo = loOpen ? v > lo : v >= lo;
  const bool belowHi = hiOpen ? v < hi : v <= hi;
  return aboveLo && belowHi;
}

Ranges admissibleRanges(const tfs::Model& m) {
  const tfs::ModelLimits& lim = m.limits();
  const Real Tmax = lim.TmaxIdeal, Pmin = lim.Pfloor, Pmax = lim.Pceiling;
  Ranges r;
  r[kTemperature] = {lim.Ttr, Tmax};
  r[kPressure] = {Pmin, Pmax};
  const Real dmax = lim.dmax;
  r[kDensity] = {0, dmax, true, true};
  // The lightest state: the ideal gas at the lowest pressure and Tmax.
  r[kVolume] = {1 / dmax, m.gasConstant() * Tmax / (1000 * Pmin), true, false};
  // Enthalpy and entropy over the pressures, from the coldest state at each
  // (the solidification temperature, not below the triple point) to Tmax.
  Real hlo = INFINITY, hhi = -INFINITY, slo = INFINITY, shi = -INFINITY;
  constexpr int kSteps = 24;
  for (int k = 0; k <= kSteps; ++k) {
    const Real P = std::exp(std::log(Pmin) + k * (std::log(Pmax) - std::log(Pmin)) / kSteps);
    const Real Tlow = std::max(m.Tmelt(P), lim.Ttr);
    Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
    m.dhs_PT(P, Tlow, d, h, s, Cp, x);
    hlo = std::min(hlo, h);
    slo = std::min(slo, s);
    m.dhs_PT(P, Tmax, d, h, s, Cp, x);
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

bool kindDim(int kind, app::Dim& dim) {
  switch (kind) {
    case kDensity: dim = app::Dim::Density; return true;
    case kVolume: dim = app::Dim::Volume; return true;
    case kEnthalpy: dim = app::Dim::Enthalpy; return true;
    case kEntropy: dim = app::Dim::Entropy; return true;
    default: return false;
  }
}

Real kindToShown(app::Units u, int kind, Real value, const tfs::Model& m) {
  app::Dim dim{};
  return kindDim(kind, dim) ? app::toShown(u, dim, value, m) : value;
}

Real kindFromShown(app::Units u, int kind, Real shown, const tfs::Model& m) {
  app::Dim dim{};
  return kindDim(kind, dim) ? app::fromShown(u, dim, shown, m) : shown;
}

std::string unitLabel(int kind, app::Units u) {
  app::Dim dim{};
  return kindDim(kind, dim) ? app::unitText(u, dim) : app::translate("Units", kUnitLabels[kind]);
}

namespace {
// A text marked where it is written, in the user's language.
std::string tx(const char* text) { return app::translate("Ranges", text); }
}  // namespace

namespace {

std::string rangeText(int kind, const Range& r, app::Units u) {
  static const char* const subject[kParamCount] = {
      QT_TRANSLATE_NOOP("Ranges", "Температура должна быть"), QT_TRANSLATE_NOOP("Ranges", "Давление должно быть"),
      QT_TRANSLATE_NOOP("Ranges", "Плотность должна быть"), QT_TRANSLATE_NOOP("Ranges", "Удельный объем должен быть"),
      QT_TRANSLATE_NOOP("Ranges", "Энтальпия должна быть"), QT_TRANSLATE_NOOP("Ranges", "Энтропия должна быть"),
      QT_TRANSLATE_NOOP("Ranges", "Степень сухости должна быть")};
  const char* form = QT_TRANSLATE_NOOP("Ranges", "%1 в пределах\nот %2 до %3 %4 !");
  if (r.loOpen && r.hiOpen)
    form = QT_TRANSLATE_NOOP("Ranges", "%1 больше %2 и меньше %3 %4 !");
  else if (r.loOpen)
    form = QT_TRANSLATE_NOOP("Ranges", "%1 больше %2 и не больше %3 %4 !");
  else if (r.hiOpen)
    form = QT_TRANSLATE_NOOP("Ranges", "%1 не меньше %2 и меньше %3 %4 !");
  return app::withArgs(tx(form), {tx(subject[kind]), limitText(r.lo), limitText(r.hi), unitLabel(kind, u)});
}

}  // namespace

std::string rangeMessage(int kind, const Range& r) { return rangeText(kind, r, app::Units::Specific); }

std::string rangeMessage(int kind, const Range& range, app::Units u, const tfs::Model& m) {
  // Every conversion is a multiplication by a positive number: the ends
  // keep their order.
  Range r = range;
  r.lo = kindToShown(u, kind, range.lo, m);
  r.hi = kindToShown(u, kind, range.hi, m);
  return rangeText(kind, r, u);
}

std::string domeReason(SolveStatus st, const tfs::Model& m) {
  using app::format;
  using app::withArgs;
  const tfs::ModelLimits& lim = m.limits();
  switch (st) {
    case SolveStatus::DrynessHotT:
      return withArgs(tx(QT_TRANSLATE_NOOP("Ranges", "температура должна быть ниже критической (Ткр = %1 K).")),
                      {format("%.2f", lim.Tcr)});
    case SolveStatus::DrynessColdT:
      return withArgs(
          tx(QT_TRANSLATE_NOOP("Ranges", "температура должна быть не ниже температуры тройной точки (Ттр = %1 K).")),
          {format("%.2f", lim.Ttr)});
    case SolveStatus::DrynessHighP:
      return withArgs(tx(QT_TRANSLATE_NOOP("Ranges", "давление должно быть ниже критического (Ркр = %1 МПа).")),
                      {format("%.3f", lim.Pcr)});
    case SolveStatus::DrynessLowP:
      return withArgs(
          tx(QT_TRANSLATE_NOOP("Ranges", "ниже давления тройной точки (Ртр = %1 МПа) насыщенного состояния нет.")),
          {format("%.5f", TriplePressure(m))});
    default: return {};
  }
}

std::string refusalMessage(SolveStatus st, const tfs::Model& m, std::string_view state, Real Tmax, app::Units u) {
  using app::format;
  using app::withArgs;
  const tfs::ModelLimits& lim = m.limits();
  const std::string who = state.empty() ? tx(QT_TRANSLATE_NOOP("Ranges", "Состояние")) : std::string(state);
  if (!(Tmax > 0)) Tmax = lim.TmaxIdeal;
  auto out = [&who](const char* rest, const std::string& value = {}) {
    return withArgs(tx(QT_TRANSLATE_NOOP("Ranges", "%1 вне пределов расчета:\n%2")), {who, withArgs(tx(rest), {value})});
  };
  switch (st) {
    case SolveStatus::Solved: return {};
    case SolveStatus::NotAdmitted: return procText(kPairMessage);
    case SolveStatus::DrynessHotT:
    case SolveStatus::DrynessColdT:
    case SolveStatus::DrynessHighP:
    case SolveStatus::DrynessLowP:
      return withArgs(tx(QT_TRANSLATE_NOOP("Ranges", "Степень сухости задается только для влажного пара:\n%1")),
                      {domeReason(st, m)});
    case SolveStatus::NotPositive:
      return tx(QT_TRANSLATE_NOOP("Ranges", "Температура, давление, плотность и удельный объем\nдолжны быть больше нуля."));
    case SolveStatus::NoState:
      return tx(QT_TRANSLATE_NOOP("Ranges", "Состояния с заданными энтальпией и энтропией\nв области расчета нет."));
    case SolveStatus::TooHot: return out(QT_TRANSLATE_NOOP("Ranges", "температура выше %1 K !"), limitText(Tmax));
    case SolveStatus::TooCold: return out(QT_TRANSLATE_NOOP("Ranges", "температура ниже температуры затвердевания !"));
    case SolveStatus::PressureAbove:
      return out(QT_TRANSLATE_NOOP("Ranges", "давление выше %1 МПа !"), limitText(lim.Pceiling));
    case SolveStatus::PressureBelow:
      return out(QT_TRANSLATE_NOOP("Ranges", "давление ниже %1 МПа !"), limitText(lim.Pfloor));
    case SolveStatus::TooDense:
      return out(QT_TRANSLATE_NOOP("Ranges", "плотность не меньше %1 !"),
                 limitText(kindToShown(u, kDensity, lim.dmax, m)) + " " + unitLabel(kDensity, u));
  }
  return {};
}

}  // namespace proc
