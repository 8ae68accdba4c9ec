#include "core/process/devicecalc.h"

#include "core/base/tr.h"

#include <cmath>

#include "core/base/modelname.h"
#include "core/base/numfmt.h"
#include "core/base/numparse.h"
#include "core/process/calculator.h"
#include "core/process/entries.h"
#include "core/process/path.h"
#include "thermo/substances.h"

namespace proc {

using app::Dim;
using app::format;

namespace {

// Reads an entry that must hold a clean number (a point or a comma as its
// decimal separator); any other text is refused with the parser's warning.
bool readNumber(std::string_view text, Real& v, const app::Notify& notify) {
  if (app::cleanNumber(text, v)) return true;
  unsigned char flag = 1;
  app::EditToNumber(text, v, flag, notify);
  return false;
}

// A converted value for an entry: six decimals at most, no trailing zeros.
std::string entryText(Real v) {
  std::string t = app::trimmedText(format("%.6f", v));
  const std::size_t sep = t.find(app::decimalSeparator());
  if (sep == std::string::npos) return t;
  while (t.back() == '0') t.pop_back();
  if (t.back() == app::decimalSeparator()) t.pop_back();
  return t == "-0" ? "0" : t;
}

std::string missing(const char* what) {
  return app::withArgs(deviceText(QT_TRANSLATE_NOOP("Devices", "Не введено значение параметра \"%1\" !")),
                       {deviceText(what)});
}

const char* etaName(Device kind) {
  return kind == Device::IsothermalCompressor ? QT_TRANSLATE_NOOP("Devices", "Изотермический КПД")
                                              : QT_TRANSLATE_NOOP("Devices", "Изоэнтропный КПД");
}

bool usesEta(Device kind) {
  return kind == Device::Compressor || kind == Device::IsothermalCompressor || kind == Device::Expander;
}

}  // namespace

std::string shownText(app::Units u, Dim dim, Real value, const tfs::Model& m) {
  static const char* const perKg[] = {"%6.2f", "%6.2f", "%6.4f", "%6.4f"};
  static const char* const molar[] = {"%6.4f", "%6.1f", "%6.3f", "%6.4f"};
  const char* pattern = (u == app::Units::Specific ? perKg : molar)[int(dim)];
  return format(pattern, app::toShown(u, dim, value, m));
}

std::string drynessText(Real x) { return x > 0 && x < 1 ? format("%5.1f", 100 * (1 - x)) : std::string(); }

DeviceCells deviceHeaders(app::Units u) {
  auto t = [](const char* marked) { return deviceText(marked); };
  const std::array<std::string, 5> st = app::stateHeaders(u);
  const std::string i = app::unitText(u, Dim::Enthalpy), s = app::unitText(u, Dim::Entropy);
  return {"  N",
          t(QT_TRANSLATE_NOOP("Devices", " Вещество")),
          t(QT_TRANSLATE_NOOP("Devices", " Устройство")),
          t(QT_TRANSLATE_NOOP("Devices", " КПД")),
          t(QT_TRANSLATE_NOOP("Devices", " Точка")),
          st[0], st[1], st[2], st[3], st[4],
          " x, %",
          " L, " + i,
          " Q, " + i,
          t(QT_TRANSLATE_NOOP("Devices", " Sпр, ")) + s,
          t(QT_TRANSLATE_NOOP("Devices", " T0·Sпр, ")) + i,
          " T0, K",
          t(QT_TRANSLATE_NOOP("Devices", " Модель"))};
}

std::array<DeviceCells, 3> deviceRowTexts(const DeviceRow& row, app::Units u) {
  const tfs::Model& subst = tfs::model(tfs::SubstIndex(row.substance), row.model);
  std::array<DeviceCells, 3> r;
  const ProcPoint* pts[3] = {&row.inlet, &row.outlet, &row.ideal};
  const char* names[3] = {QT_TRANSLATE_NOOP("Devices", "Вход"), QT_TRANSLATE_NOOP("Devices", "Выход"),
                          QT_TRANSLATE_NOOP("Devices", "Ид. выход")};
  for (int k = 0; k < 3; ++k) {
    DeviceCells& c = r[k];
    const ProcPoint& p = *pts[k];
    c[4] = deviceText(names[k]);
    c[5] = format(" %5.2f", p.T);
    c[6] = format(" %5.3f", p.P);
    c[7] = shownText(u, Dim::Density, p.d, subst);
    c[8] = shownText(u, Dim::Enthalpy, p.i, subst);
    c[9] = shownText(u, Dim::Entropy, p.s, subst);
    c[10] = drynessText(p.x);
  }
  DeviceCells& a = r[0];
  a[0] = "   " + std::to_string(row.number);
  a[1] = row.substance;
  a[2] = deviceText(kDeviceNames[int(row.kind)]);
  if (usesEta(row.kind)) a[3] = format("%4.3f", row.eta);
  a[11] = shownText(u, Dim::Enthalpy, row.L, subst);
  a[12] = shownText(u, Dim::Enthalpy, row.Q, subst);
  a[13] = shownText(u, Dim::Entropy, row.sgen, subst);
  a[14] = shownText(u, Dim::Enthalpy, row.exergy, subst);
  a[15] = format("%5.1f", row.T0);
  a[16] = app::modelShort(row.model);
  return r;
}

std::string DeviceCalculator::unitOf(int kind) const { return unitLabel(kind, Units); }

Real DeviceCalculator::internal(int kind, Real typed) const { return kindFromShown(Units, kind, typed, model_); }

void DeviceCalculator::showLimits() {
  const int kinds[2] = {Kind1, Kind2};
  for (int k = 0; k < 2; ++k) {
    const std::array<std::string, 2> t = ranges_.limitTexts(kinds[k], Units, model_);
    limits[2 * k] = t[0];
    limits[2 * k + 1] = t[1];
  }
}

void DeviceCalculator::clearFrom(StateRow row) {
  for (int r = row; r <= kIdealRow; ++r)
    for (std::string& f : states[r]) f.clear();
  for (std::string& f : results) f.clear();
  hasResult_ = false;
}

void DeviceCalculator::showState(StateRow row, const ProcPoint& p) {
  std::array<std::string, kStateCols>& f = states[row];
  f[kColT] = format("%6.2f", p.T);
  f[kColP] = format("%6.3f", p.P);
  f[kColD] = shownText(Units, Dim::Density, p.d, *model_);
  f[kColI] = shownText(Units, Dim::Enthalpy, p.i, *model_);
  f[kColS] = shownText(Units, Dim::Entropy, p.s, *model_);
  f[kColX] = drynessText(p.x);
}

void DeviceCalculator::showAll() {
  if (!states[kInletRow][kColT].empty()) showState(kInletRow, Inlet);
  if (!hasResult_) return;
  showState(kOutletRow, Result.outlet);
  showState(kIdealRow, Result.ideal);
  results[kFieldL] = shownText(Units, Dim::Enthalpy, Result.L, *model_);
  results[kFieldQ] = shownText(Units, Dim::Enthalpy, Result.Q, *model_);
  results[kFieldSgen] = shownText(Units, Dim::Entropy, Result.sgen, *model_);
  results[kFieldExergy] = shownText(Units, Dim::Enthalpy, Result.exergy, *model_);
}

DeviceCalculator::Kept DeviceCalculator::kept() const {
  return {hasResult_, !states[kInletRow][kColT].empty(), data_};
}

void DeviceCalculator::restore(const Kept& k, const tfs::Model* m, const app::Notify& notify) {
  hasResult_ = k.hasResult;
  data_ = k.data;
  model_ = m;
  ranges_.forget();
  ranges_.of(m, notify);
  for (auto& row : states)
    for (std::string& f : row) f.clear();
  for (std::string& f : results) f.clear();
  if (k.inletShown) showState(kInletRow, Inlet);
  showLimits();
  showAll();
}

void DeviceCalculator::chooseDevice(Device kind) {
  Kind = kind;
  clearFrom(kOutletRow);
}

void DeviceCalculator::chooseKind1(int kind) {
  if (kind != Kind1) entries[kInlet1].clear();
  Kind1 = kind;
  Carried = false;
  clearFrom(kInletRow);
  showLimits();
}

void DeviceCalculator::chooseKind2(int kind, const app::Notify& notify) {
  if (kind != Kind2) entries[kInlet2].clear();
  Kind2 = kind;
  Carried = false;
  clearFrom(kInletRow);
  showLimits();
  if (!PairAllowed(Kind1, Kind2)) say(notify, procText(kPairMessage));
}

void DeviceCalculator::chooseGiven(ExchangerGiven given) {
  if (given != Given) entries[kGivenValue].clear();
  Given = given;
  clearFrom(kOutletRow);
}

void DeviceCalculator::typeEntry(DeviceEntry entry, std::string text) {
  entries[entry] = std::move(text);
  if (entry == kInlet1 || entry == kInlet2) {
    if (Carried) {
      Carried = false;
      showLimits();
    }
    clearFrom(kInletRow);
  } else {
    clearFrom(kOutletRow);
  }
}

void DeviceCalculator::setSubstance(const tfs::Model* m, const app::Notify& notify) {
  Carried = false;
  model_ = m;
  if (!ranges_.of(m, notify)) ranges_.forget();
  clearFrom(kInletRow);
  showLimits();
}

void DeviceCalculator::setUnits(app::Units u) {
  if (u == Units) return;
  // Typed values keep their meaning: converted into the new units.
  // A text that is no clean number stays as typed: it is refused anyway.
  auto convert = [&](DeviceEntry e, Dim dim) {
    Real typed = 0;
    if (!app::cleanNumber(entries[e], typed)) return;
    const Real perKg = app::fromShown(Units, dim, typed, model_);
    entries[e] = entryText(app::toShown(u, dim, perKg, model_));
  };
  Dim dim;
  if (kindDim(Kind1, dim)) convert(kInlet1, dim);
  if (kindDim(Kind2, dim)) convert(kInlet2, dim);
  if (Given == ExchangerGiven::Heat) convert(kGivenValue, Dim::Enthalpy);
  Units = u;
  showLimits();
  showAll();
}

bool DeviceCalculator::readData(const tfs::Model& m, const app::Notify& notify) {
  DeviceData d;
  d.kind = Kind;
  d.given = Given;
  auto need = [&](DeviceEntry e, const char* what) {
    if (!blank(entries[e])) return true;
    say(notify, missing(what));
    return false;
  };
  auto number = [&](DeviceEntry e, Real& v) { return readNumber(entries[e], v, notify); };
  if (Kind != Device::Exchanger) {
    if (!need(kOutletP, QT_TRANSLATE_NOOP("Devices", "Давление на выходе")) || !number(kOutletP, d.P2)) return false;
    if (!ranges_[kPressure].holds(d.P2)) {
      say(notify, rangeMessage(kPressure, ranges_[kPressure]));
      return false;
    }
  } else {
    d.P2 = Inlet.P;
  }
  if (usesEta(Kind)) {
    if (!need(kEfficiency, etaName(Kind)) || !number(kEfficiency, d.eta)) return false;
  }
  if (Kind == Device::Exchanger) {
    const bool byT = Given == ExchangerGiven::OutletTemperature;
    if (!need(kGivenValue, byT ? QT_TRANSLATE_NOOP("Devices", "Температура на выходе")
                               : QT_TRANSLATE_NOOP("Devices", "Выделившееся тепло")))
      return false;
    Real v = 0;
    if (!number(kGivenValue, v)) return false;
    if (byT) {
      const Range r{m.limits().Ttr, OutletTmax(m)};
      if (!r.holds(v)) {
        say(notify, rangeMessage(kTemperature, r));
        return false;
      }
      d.T2 = v;
    } else {
      d.Q = app::fromShown(Units, Dim::Enthalpy, v, m);
    }
  }
  if (!need(kAmbient, QT_TRANSLATE_NOOP("Devices", "Температура окружающей среды")) || !number(kAmbient, d.T0))
    return false;
  d.Tr = d.T0;
  if (!blank(entries[kReservoir]) && !number(kReservoir, d.Tr)) return false;
  data_ = d;
  return true;
}

bool DeviceCalculator::computeSteps(const tfs::Model* model, const app::Notify& notify) {
  if (!model) {
    say(notify, procText(kNoSubstanceMessage));
    return false;
  }
  const tfs::Model& m = *model;
  model_ = model;
  if (!ranges_.of(model, notify)) return false;
  if (!Carried) {
    const int kinds[2] = {Kind1, Kind2};
    for (int k = 0; k < 2; ++k)
      if (blank(entries[k])) {
        say(notify, missingStartText(kinds[k]));
        clearFrom(kInletRow);
        return false;
      }
    if (!PairAllowed(Kind1, Kind2)) {
      say(notify, procText(kPairMessage));
      return false;
    }
    Real v[2];
    for (int k = 0; k < 2; ++k) {
      Real typed = 0;
      if (!readNumber(entries[k], typed, notify)) {
        clearFrom(kInletRow);
        return false;
      }
      const Real perKg = internal(kinds[k], typed);
      if (!ranges_[kinds[k]].holds(perKg)) {
        // The range in the units shown.
        say(notify, rangeMessage(kinds[k], ranges_[kinds[k]], Units, m));
        clearFrom(kInletRow);
        return false;
      }
      v[k] = ToInternal(kinds[k], perKg);
    }
    ProcPoint p = Inlet;
    const SolveStatus st = SolvePair(m, Kind1, Kind2, v[0], v[1], p);
    if (st != SolveStatus::Solved) {
      say(notify, refusalMessage(st, m));
      clearFrom(kInletRow);
      return false;
    }
    Inlet = p;
    showState(kInletRow, Inlet);
  }
  if (!readData(m, notify)) return false;
  const DeviceResult r = computeDevice(m, Inlet, data_);
  if (r.status != DeviceStatus::Solved) {
    say(notify, r.library);
    say(notify, deviceMessage(r, m, data_));
    return false;
  }
  Result = r;
  hasResult_ = true;
  showAll();
  return true;
}

bool DeviceCalculator::compute(const tfs::Model* m, const app::Notify& notify) {
  const DeviceCalculator before = *this;
  bool done = false;
  if (!libraryStep([&] { done = computeSteps(m, notify); }, notify)) *this = before;
  if (!done) clearFrom(kOutletRow);
  return done;
}

void DeviceCalculator::carry() {
  if (!hasResult_) return;
  Inlet = Result.outlet;
  Kind1 = kTemperature;
  Kind2 = kPressure;
  entries[kInlet1] = app::trimmedText(format("%6.3f", Inlet.T));
  entries[kInlet2] = app::trimmedText(format("%6.3f", Inlet.P));
  Carried = true;
  clearFrom(kInletRow);
  showState(kInletRow, Inlet);
  showLimits();
}

bool DeviceCalculator::draw(const tfs::Model* m, diagram::DeviceStore& store, const app::Notify& notify) {
  if (!compute(m, notify)) return false;
  if (int(store.lines.size()) >= diagram::DeviceStore::kCapacity) {
    say(notify, procText(kLinesMessage));
    return false;
  }
  diagram::DeviceLine line;
  line.inS = Result.inlet.s;
  line.inT = Result.inlet.T;
  line.outS = Result.outlet.s;
  line.outT = Result.outlet.T;
  PathStatus status = PathStatus::Written;
  if (!libraryStep([&] { status = BuildProcPath(*m, ReferenceProcess(Kind), Result.inlet, Result.ideal, line.S, line.T); },
                   notify))
    return false;
  if (status == PathStatus::Coincident) {
    say(notify, procText(kCoincideMessage));
    return false;
  }
  store.lines.push_back(line);
  return true;
}

DeviceRow deviceRow(const tfs::Model& m, Device kind, Real eta, const DeviceResult& r) {
  DeviceRow row;
  row.substance = std::string(m.name());
  row.model = m.kind();
  row.kind = kind;
  row.eta = eta;
  row.inlet = r.inlet;
  row.outlet = r.outlet;
  row.ideal = r.ideal;
  row.L = r.L;
  row.Q = r.Q;
  row.sgen = r.sgen;
  row.exergy = r.exergy;
  row.T0 = r.T0;
  return row;
}

bool sameDevice(const DeviceRow& a, const DeviceRow& b) {
  auto same = [](const ProcPoint& p, const ProcPoint& q) {
    return p.T == q.T && p.P == q.P && p.d == q.d && p.i == q.i && p.s == q.s && p.x == q.x;
  };
  return a.substance == b.substance && a.model == b.model && a.kind == b.kind && a.eta == b.eta && same(a.inlet, b.inlet) &&
         same(a.outlet, b.outlet) && same(a.ideal, b.ideal) && a.L == b.L && a.Q == b.Q && a.sgen == b.sgen &&
         a.exergy == b.exergy && a.T0 == b.T0;
}

bool DeviceCalculator::tableRow(DeviceRow& row, const app::Notify& notify, const std::vector<DeviceRow>& written) {
  if (!hasResult_) {
    say(notify, procText(kNotComputedMessage));
    return false;
  }
  row = deviceRow(*model_, Kind, data_.eta, Result);
  for (const DeviceRow& r : written)
    if (sameDevice(r, row)) {
      say(notify, procText(kWrittenMessage));
      return false;
    }
  TableCount += 1;
  row.number = TableCount;
  return true;
}

}  // namespace proc
