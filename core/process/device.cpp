#include "core/process/device.h"

#include "core/base/tr.h"

#include <algorithm>
#include <cmath>

#include "core/base/libguard.h"
#include "core/base/numfmt.h"
#include "core/process/ranges.h"

namespace proc {

const std::array<const char*, kDeviceCount> kDeviceItems = {
    QT_TRANSLATE_NOOP("Devices", "Компрессор (адиабатный)"), QT_TRANSLATE_NOOP("Devices", "Компрессор (изотермический)"),
    QT_TRANSLATE_NOOP("Devices", "Детандер"), QT_TRANSLATE_NOOP("Devices", "Дроссель"),
    QT_TRANSLATE_NOOP("Devices", "Теплообменник")};
const std::array<const char*, kDeviceCount> kDeviceNames = {
    QT_TRANSLATE_NOOP("Devices", "Компр. адиаб."), QT_TRANSLATE_NOOP("Devices", "Компр. изотерм."),
    QT_TRANSLATE_NOOP("Devices", "Детандер"), QT_TRANSLATE_NOOP("Devices", "Дроссель"),
    QT_TRANSLATE_NOOP("Devices", "Теплообм.")};

std::string deviceText(const char* marked) { return app::translate("Devices", marked); }

Real OutletTmax(const tfs::Model& m) { return m.limits().Tmax; }

int ReferenceProcess(Device kind) {
  switch (kind) {
    case Device::IsothermalCompressor: return kIsotherm;
    case Device::Exchanger: return kIsobar;
    default: return kIsentrope;
  }
}

namespace {

// Finite as a double too: what is shown, saved and printed.
bool finite(Real v) { return std::isfinite(double(v)); }

bool finite(const ProcPoint& p) {
  return finite(p.T) && finite(p.P) && finite(p.d) && finite(p.i) && finite(p.s) && finite(p.x);
}

// A liquid fraction a rounding residue outside [0, 1] is put back.
void settle(ProcPoint& p) {
  constexpr Real kResidue = 1e-12L;
  if (p.x < 0 && p.x > -kResidue) p.x = 0;
  if (p.x > 1 && p.x < 1 + kResidue) p.x = 1;
}

// The entropy generated never falls below zero: within the rounding of the
// terms it is summed from a negative one is zero; a larger one would break
// the second law and is no result (NaN).
Real generated(Real sgen, Real scale) {
  if (sgen >= 0) return sgen;
  return -sgen <= 1e-9L * scale ? 0 : Real(NAN);
}

// A refusal of the outlet pressure itself belongs to the outlet even when
// the ideal reference found it first.
bool pressureFault(SolveStatus st) {
  return st == SolveStatus::PressureAbove || st == SolveStatus::PressureBelow || st == SolveStatus::NotPositive;
}

DeviceResult refused(DeviceResult r, DeviceStatus status, SolveStatus state = SolveStatus::Solved) {
  r.status = status;
  r.state = state;
  return r;
}

DeviceResult compute(const tfs::Model& m, const ProcPoint& in, const DeviceData& data) {
  DeviceResult r;
  r.inlet = in;
  r.T0 = data.T0;
  const Device kind = data.kind;
  if (!(data.T0 > 0) || !std::isfinite(data.T0)) return refused(r, DeviceStatus::BadAmbient);
  const bool withEta = kind == Device::Compressor || kind == Device::IsothermalCompressor || kind == Device::Expander;
  if (withEta && !(data.eta >= kMinEfficiency && data.eta <= 1)) return refused(r, DeviceStatus::BadEfficiency);
  if (kind == Device::Exchanger && (!(data.Tr > 0) || !std::isfinite(data.Tr)))
    return refused(r, DeviceStatus::BadReservoir);
  if ((kind == Device::Compressor || kind == Device::IsothermalCompressor) && !(data.P2 > in.P))
    return refused(r, DeviceStatus::PressureNotHigher);
  if ((kind == Device::Expander || kind == Device::Throttle) && !(data.P2 < in.P))
    return refused(r, DeviceStatus::PressureNotLower);

  const Real Tmax = OutletTmax(m);
  ProcPoint out = in, ideal = in;
  SolveStatus st = SolveStatus::Solved;
  switch (kind) {
    case Device::Compressor:
    case Device::Expander:
    case Device::Throttle: {
      // The ideal reference: the isentrope of the ideal-process window.
      st = SolvePairUpTo(m, kPressure, kEntropy, data.P2, in.s, Tmax, ideal);
      if (st != SolveStatus::Solved)
        return refused(r, pressureFault(st) ? DeviceStatus::OutletRefused : DeviceStatus::IdealRefused, st);
      Real h2 = in.i;
      if (kind == Device::Compressor) h2 = in.i + (ideal.i - in.i) / data.eta;
      if (kind == Device::Expander) h2 = in.i - data.eta * (in.i - ideal.i);
      // With no loss the outlet is the ideal one itself.
      out = ideal;
      if (kind == Device::Throttle || data.eta != 1) {
        st = SolvePairUpTo(m, kPressure, kEnthalpy, data.P2, h2, Tmax, out);
        if (st != SolveStatus::Solved) return refused(r, DeviceStatus::OutletRefused, st);
      }
      r.Q = 0;
      r.L = in.i - out.i;
      r.sgen = generated(out.s - in.s, std::fabs(out.s) + std::fabs(in.s));
      break;
    }
    case Device::IsothermalCompressor: {
      st = SolvePairUpTo(m, kTemperature, kPressure, in.T, data.P2, Tmax, out);
      if (st != SolveStatus::Solved) return refused(r, DeviceStatus::OutletRefused, st);
      ideal = out;
      // The reversible isotherm's work, divided by the efficiency; the heat
      // rejected at T1 closes the balance.
      const ProcResult rev = HeatAndWork(kIsotherm, in, out);
      r.L = rev.L / data.eta;
      r.Q = -(out.i - in.i) - r.L;
      r.sgen = generated((out.s - in.s) + r.Q / in.T, std::fabs(out.s) + std::fabs(in.s) + std::fabs(r.Q / in.T));
      break;
    }
    case Device::Exchanger: {
      st = data.given == ExchangerGiven::OutletTemperature
               ? SolvePairUpTo(m, kPressure, kTemperature, in.P, data.T2, Tmax, out)
               : SolvePairUpTo(m, kPressure, kEnthalpy, in.P, in.i - data.Q, Tmax, out);
      if (st != SolveStatus::Solved) return refused(r, DeviceStatus::OutletRefused, st);
      ideal = out;
      r.L = 0;
      r.Q = in.i - out.i;
      // Along the isobar T rises with i: a heated stream is hottest at the
      // outlet, a cooled one coldest there. The source must not be colder,
      // the sink not hotter.
      if ((r.Q < 0 && data.Tr < out.T) || (r.Q > 0 && data.Tr > out.T)) {
        r.outlet = out;
        return refused(r, DeviceStatus::HeatUphill);
      }
      r.sgen = generated((out.s - in.s) + r.Q / data.Tr,
                         std::fabs(out.s) + std::fabs(in.s) + std::fabs(r.Q / data.Tr));
      break;
    }
  }
  settle(out);
  settle(ideal);
  r.outlet = out;
  r.ideal = ideal;
  r.exergy = data.T0 * r.sgen;
  if (!finite(out) || !finite(ideal) || !finite(r.L) || !finite(r.Q) || !finite(r.sgen) || !finite(r.exergy)) {
    DeviceResult none;
    none.inlet = in;
    none.T0 = data.T0;
    return refused(none, DeviceStatus::NoResult);
  }
  r.status = DeviceStatus::Solved;
  return r;
}

}  // namespace

DeviceResult computeDevice(const tfs::Model& m, const ProcPoint& inlet, const DeviceData& data) {
  DeviceResult r;
  const app::LibraryResult done = app::libraryAttempt([&] { r = compute(m, inlet, data); });
  if (!done) {
    r = DeviceResult{};
    r.inlet = inlet;
    r.T0 = data.T0;
    r.status = DeviceStatus::LibraryRefused;
    r.library = done.text;
  }
  return r;
}

std::string deviceMessage(const DeviceResult& r, const tfs::Model& m, const DeviceData& data) {
  switch (r.status) {
    case DeviceStatus::Solved:
    case DeviceStatus::LibraryRefused: return {};
    case DeviceStatus::BadEfficiency:
      return app::withArgs(
          deviceText(data.kind == Device::IsothermalCompressor
                         ? QT_TRANSLATE_NOOP("Devices", "Изотермический КПД должен быть не меньше %1 и не больше 1 !")
                         : QT_TRANSLATE_NOOP("Devices", "Изоэнтропный КПД должен быть не меньше %1 и не больше 1 !")),
          {app::format("%.2f", kMinEfficiency)});
    case DeviceStatus::BadAmbient:
      return deviceText(QT_TRANSLATE_NOOP("Devices", "Температура окружающей среды должна быть больше 0 K !"));
    case DeviceStatus::BadReservoir:
      return deviceText(QT_TRANSLATE_NOOP("Devices", "Температура источника (приемника) тепла\nдолжна быть больше 0 K !"));
    case DeviceStatus::PressureNotHigher:
      return deviceText(
          QT_TRANSLATE_NOOP("Devices", "Давление на выходе компрессора\nдолжно быть выше давления на входе !"));
    case DeviceStatus::PressureNotLower:
      return deviceText(data.kind == Device::Throttle
                            ? QT_TRANSLATE_NOOP("Devices", "Давление на выходе дросселя\nдолжно быть ниже давления на входе !")
                            : QT_TRANSLATE_NOOP("Devices", "Давление на выходе детандера\nдолжно быть ниже давления на входе !"));
    case DeviceStatus::OutletRefused:
      return refusalMessage(r.state, m, deviceText(QT_TRANSLATE_NOOP("Devices", "Состояние на выходе")), OutletTmax(m));
    case DeviceStatus::IdealRefused:
      return refusalMessage(r.state, m,
                            deviceText(QT_TRANSLATE_NOOP("Devices", "Состояние на выходе идеального процесса")),
                            OutletTmax(m));
    case DeviceStatus::HeatUphill:
      return app::withArgs(
          deviceText(r.Q < 0 ? QT_TRANSLATE_NOOP("Devices", "Тепло не переходит от холодного тела к горячему:\n"
                                                            "температура источника тепла должна быть не ниже %1 K !")
                             : QT_TRANSLATE_NOOP("Devices", "Тепло не переходит от холодного тела к горячему:\n"
                                                            "температура приемника тепла должна быть не выше %1 K !")),
          {app::format("%.2f", r.outlet.T)});
    case DeviceStatus::NoResult: break;
  }
  return deviceText(QT_TRANSLATE_NOOP("Devices", "Устройство при этих условиях не рассчитывается !"));
}

}  // namespace proc
