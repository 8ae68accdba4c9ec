#include "core/process/calculator.h"

#include <algorithm>
#include <cmath>

#include "core/base/numfmt.h"
#include "core/base/numparse.h"
#include "core/base/tr.h"
#include "core/process/entries.h"
#include "core/process/path.h"
#include "thermo/limits.h"
#include "thermo/substances.h"

namespace proc {

using app::format;

bool sameProcess(const ResultRow& a, const ResultRow& b) {
  if (a.substance != b.substance || a.model != b.model || a.procKind != b.procKind || a.Q != b.Q || a.L != b.L)
    return false;
  for (int k = 0; k < kParamCount; ++k)
    if (a.start[k] != b.start[k] || a.end[k] != b.end[k]) return false;
  return true;
}

namespace {

// Reads an entry as the numeric field parser does, without a warning; an
// entry of blanks only gives nothing.
bool readEntry(std::string_view text, Real& value) {
  if (blank(text)) return false;
  unsigned char flag = 0;
  app::EditToNumber(text, value, flag, {});
  return true;
}

// The parameter's name as the list shows it, without its leading blank.
std::string itemName(int kind) { return app::trimmedText(paramItem(kind)); }

// The parameter kind of a read-only field's value (heat, work and the
// changes go with the kind they are measured like).
int fieldKind(int field) {
  static const int kinds[kFieldCount] = {kTemperature, kPressure, kDensity, kEnthalpy, kEntropy,
                                         kTemperature, kPressure, kDensity, kEnthalpy, kEntropy,
                                         kEnthalpy,    kEnthalpy, kDensity, kEnthalpy, kEntropy};
  return kinds[field];
}

// Whether a kind's value is measured per mass (and so per mole in molar units).
bool perMass(int kind) {
  app::Dim dim{};
  return kindDim(kind, dim);
}

// A converted entry: seven significant digits without trailing zeros.
std::string entryText(Real v) {
  const int decimals = v == 0 ? 0 : std::clamp(6 - int(std::floor(std::log10(std::fabs(v)))), 0, 12);
  std::string t = app::format("%." + std::to_string(decimals) + "f", v);
  if (decimals > 0) {
    while (t.back() == '0') t.pop_back();
    if (t.back() == app::decimalSeparator()) t.pop_back();
  }
  return t;
}

}  // namespace

void Calculator::setField(int field, int decimals, Real value) {
  static const char* const pattern[] = {"", "", "%6.2f", "%6.3f", "%6.4f"};
  FieldDecimals[field] = decimals;
  FieldValues[field] = value;
  fields[field] = format(pattern[std::clamp(decimals, 2, 4)], shownIn(Units, fieldKind(field), value));
}

void Calculator::clearField(int field) {
  FieldDecimals[field] = 0;
  FieldValues[field] = 0;
  fields[field].clear();
}

void Calculator::setEntry(Entry entry, std::string text) {
  entries[entry] = text;
  enteredText_[entry] = std::move(text);
  enteredUnits_[entry] = Units;
}

void Calculator::reformat() {
  for (int f = 0; f < kFieldCount; ++f)
    if (FieldDecimals[f] == 0)
      fields[f].clear();
    else
      setField(f, FieldDecimals[f], FieldValues[f]);
  writeLimits();
}

void Calculator::setUnits(app::Units u) {
  const int kinds[3] = {Kind1, Kind2, Kind3};
  for (int e = 0; e < 3; ++e) {
    Real shown = 0;
    if (enteredUnits_[e] == u)
      entries[e] = enteredText_[e];
    else if (perMass(kinds[e]) && readEntry(enteredText_[e], shown))
      entries[e] = entryText(
          shownIn(u, kinds[e], typedIn(enteredUnits_[e], kinds[e], shown)));
  }
  Units = u;
  reformat();
}

Calculator::Kept Calculator::kept() const { return {hasResult_, result_, typed_}; }

void Calculator::restore(const Kept& k, const tfs::Model* m, const app::Notify& notify) {
  hasResult_ = k.hasResult;
  result_ = k.result;
  typed_ = k.typed;
  ranges_.forget();
  model_ = m;
  rangesOf(m, notify);
  for (int e = 0; e < 3; ++e) {
    enteredText_[e] = entries[e];
    enteredUnits_[e] = Units;
  }
  reformat();
}

void Calculator::chooseProcess(int kind) { ProcKind = kind; }

void Calculator::emptyEntry(Entry entry) {
  setEntry(entry, {});
  hasResult_ = false;
  for (int f = entry == kEntry3 ? ETk : ETn; f <= ESk; ++f) clearField(f);
}

bool Calculator::rangesOf(const tfs::Model* m, const app::Notify& notify) {
  if (!ranges_.of(m, notify)) return false;
  model_ = m;
  return true;
}

void Calculator::setSubstance(const tfs::Model* m, const app::Notify& notify) {
  Carried = false;
  model_ = m;
  if (!rangesOf(m, notify)) ranges_.forget();
  showLimits();
}

Real Calculator::shownIn(app::Units u, int kind, Real value) const { return kindToShown(u, kind, value, model_); }

Real Calculator::typedIn(app::Units u, int kind, Real shown) const { return kindFromShown(u, kind, shown, model_); }

void Calculator::showLimits() {
  const int kinds[3] = {Kind1, Kind2, Kind3};
  for (int k = 0; k < 3; ++k) LimitKinds[k] = ranges_.model() ? kinds[k] : -1;
  writeLimits();
}

void Calculator::writeLimits() {
  for (int k = 0; k < 3; ++k) {
    const std::array<std::string, 2> t = ranges_.limitTexts(LimitKinds[k], Units, model_);
    limits[2 * k] = t[0];
    limits[2 * k + 1] = t[1];
  }
}

void Calculator::chooseKind1(int kind) {
  if (kind != Kind1) emptyEntry(kEntry1);
  Kind1 = kind;
  Carried = false;
  showLimits();
}

void Calculator::chooseKind2(int kind, const app::Notify& notify) {
  PairRefused = PairRefusal::None;
  if (kind != Kind2) emptyEntry(kEntry2);
  Kind2 = kind;
  Carried = false;
  showLimits();
  if (!PairAllowed(Kind1, Kind2)) {
    say(notify, procText(kPairMessage));
    PairRefused = PairRefusal::Start;
  }
}

void Calculator::chooseKind3(int kind, const app::Notify& notify) {
  PairRefused = PairRefusal::None;
  if (kind != Kind3) emptyEntry(kEntry3);
  Kind3 = kind;
  showLimits();
  if (!PairAllowed(ConstKind(ProcKind), Kind3)) {
    say(notify, procText(kPairMessage));
    PairRefused = PairRefusal::End;
  }
}

void Calculator::typeEntry(Entry entry, std::string text) {
  setEntry(entry, std::move(text));
  hasResult_ = false;
  if (entry != kEntry3) Carried = false;
  for (int f = entry == kEntry3 ? ETk : ETn; f <= ESk; ++f) clearField(f);
}

void Calculator::leaveEntry(Entry entry) {
  Real shown = 0;
  if (!readEntry(entries[entry], shown)) return;
  const int kind = entry == kEntry1 ? Kind1 : entry == kEntry2 ? Kind2 : Kind3;
  // Typed in the chosen units, kept in the library's.
  const Real v = typedIn(Units, kind, shown);
  typed_[entry] = v;
  // A value outside the range is not echoed: "Вычислить" names the range.
  if (ranges_.model() && !ranges_[kind].holds(v)) {
    const int start[kParamCount] = {ETn, EPn, Edn, Edn, Ehn, ESn, -1};
    const int f = start[kind];
    if (f >= 0) clearField(entry == kEntry3 ? f + (ETk - ETn) : f);
    return;
  }
  if (entry == kEntry1) {
    ShownStart[Kind1] = v;
    switch (Kind1) {
      case kTemperature: setField(ETn, 2, v); break;
      case kPressure: setField(EPn, 3, v); break;
      case kDensity: setField(Edn, 2, v); break;
      case kVolume:
        if (v != 0) setField(Edn, 2, 1 / v);
        break;
      case kEnthalpy: setField(Ehn, 2, v); break;
      case kEntropy: setField(ESn, 4, v); break;
      default: break;
    }
    Value1 = ToInternal(Kind1, v);
  } else if (entry == kEntry2) {
    ShownStart[Kind2] = v;
    Value2 = ToInternal(Kind2, v);
    const int echo[kParamCount] = {ETn, EPn, Edn, -1, Ehn, ESn, -1};
    if (echo[Kind2] >= 0) setField(echo[Kind2], 2, v);
  } else {
    ShownEnd[Kind3] = v;
    Value3 = ToInternal(Kind3, v);
    const int echo[kParamCount] = {ETk, EPk, Edk, -1, Ehk, ESk, -1};
    if (echo[Kind3] >= 0) setField(echo[Kind3], 2, v);
  }
}

void Calculator::clearStart() {
  for (int f = ETn; f <= ESn; ++f) clearField(f);
}

void Calculator::clearResults() {
  hasResult_ = false;
  for (int f = ETk; f < kFieldCount; ++f) clearField(f);
}

// A state into its shown values and its five fields from first (ETn or ETk).
void Calculator::show(const ProcPoint& p, Real shown[kParamCount], int first) {
  shown[kTemperature] = p.T;
  shown[kPressure] = p.P;
  shown[kDensity] = p.d;
  shown[kEnthalpy] = p.i;
  shown[kEntropy] = p.s;
  setField(first + (ETn - ETn), 2, p.T);
  setField(first + (EPn - ETn), 3, p.P);
  setField(first + (Edn - ETn), 2, p.d);
  setField(first + (Ehn - ETn), 2, p.i);
  setField(first + (ESn - ETn), 4, p.s);
}

void Calculator::showStart() { show(StartPt, ShownStart, ETn); }

void Calculator::showEnd() { show(EndPt, ShownEnd, ETk); }

// Shows why a pair gave no state; false when there is nothing to show.
bool Calculator::refuse(SolveStatus st, const tfs::Model& m, const app::Notify& notify) {
  if (st == SolveStatus::Solved) return false;
  say(notify, refusalMessage(st, m, {}, 0, Units));
  return true;
}

void Calculator::leaveStartPanel(const tfs::Model* m, const app::Notify& notify) {
  // A carried-over start stays exactly as it was carried.
  if (Carried) return;
  // Nothing to solve without a substance, with an entry left empty or for
  // a pair that "Вычислить" refuses: nothing refused is shown as a state.
  if (!m || blank(entries[kEntry1]) || blank(entries[kEntry2]) || !PairAllowed(Kind1, Kind2)) {
    clearStart();
    return;
  }
  // Nor with a value outside its range ("Вычислить" will name it).
  if (rangesOf(m, notify) && (!ranges_[Kind1].holds(typed_[kEntry1]) || !ranges_[Kind2].holds(typed_[kEntry2]))) {
    clearStart();
    return;
  }
  const Calculator before = *this;
  SolveStatus st = SolveStatus::Solved;
  const bool ok = libraryStep(
      [&] {
        ProcPoint p = StartPt;
        st = SolvePair(*m, Kind1, Kind2, Value1, Value2, p);
        if (st == SolveStatus::Solved) {
          StartPt = p;
          showStart();
        }
      },
      notify);
  if (!ok) {
    *this = before;
    clearStart();
    return;
  }
  // No state shown from values the pair did not determine.
  if (st != SolveStatus::Solved) clearStart();
}

// The steps of "Вычислить"; false at the first refusal, which it reports.
bool Calculator::computeSteps(const tfs::Model* model, const app::Notify& notify) {
  if (!model) {
    say(notify, procText(kNoSubstanceMessage));
    return false;
  }
  rangesOf(model, notify);
  // A typed value outside its kind's range is refused with the range.
  auto inRange = [&](Entry e, int kind) {
    if (ranges_.model() != model || ranges_[kind].holds(typed_[e])) return true;
    say(notify, rangeMessage(kind, ranges_[kind], Units, *model));
    return false;
  };
  // The start state, unless it was carried over from the last end.
  if (!Carried) {
    for (Entry e : {kEntry1, kEntry2})
      if (blank(entries[e])) {
        say(notify, missingStartText(e == kEntry1 ? Kind1 : Kind2));
        clearStart();
        return false;
      }
    leaveEntry(kEntry1);
    leaveEntry(kEntry2);
    PairRefused = PairRefusal::None;
    if (!PairAllowed(Kind1, Kind2)) {
      say(notify, procText(kPairMessage));
      PairRefused = PairRefusal::Start;
      return false;
    }
    if (!inRange(kEntry1, Kind1) || !inRange(kEntry2, Kind2)) {
      clearStart();
      return false;
    }
    ProcPoint p = StartPt;
    const SolveStatus st = SolvePair(*model, Kind1, Kind2, Value1, Value2, p);
    if (refuse(st, *model, notify)) {
      clearStart();
      return false;
    }
    StartPt = p;
    showStart();
  }
  if (blank(entries[kEntry3])) {
    say(notify, app::withArgs(procText(QT_TRANSLATE_NOOP("Process", "Не введено значение параметра \"%1\"\n"
                                                                        "конечной точки процесса !")),
                              {itemName(Kind3)}));
    return false;
  }
  leaveEntry(kEntry3);
  PairRefused = PairRefusal::None;
  if (!PairAllowed(ConstKind(ProcKind), Kind3)) {
    say(notify, procText(kPairMessage));
    PairRefused = PairRefusal::End;
    return false;
  }
  if (!inRange(kEntry3, Kind3)) return false;
  ProcPoint e = EndPt;
  const SolveStatus st = SolveEnd(*model, ProcKind, Kind3, Value3, StartPt, e);
  if (refuse(st, *model, notify)) return false;
  EndPt = e;
  const ProcResult r = HeatAndWork(ProcKind, StartPt, EndPt);
  ProcQ = r.Q;
  ProcL = r.L;
  showEnd();
  DeltaD = r.dd;
  DeltaI = r.di;
  DeltaS = r.ds;
  setField(EQ, 2, ProcQ);
  setField(EL, 3, ProcL);
  setField(Edd, 2, DeltaD);
  setField(Edh, 2, DeltaI);
  setField(EdS, 4, DeltaS);
  return true;
}

bool Calculator::compute(const tfs::Model* m, const app::Notify& notify) {
  const Calculator before = *this;
  bool done = false;
  if (!libraryStep([&] { done = computeSteps(m, notify); }, notify)) {
    // The library refused a value: the states are as they were, and nothing
    // of the former process is shown as this one's result.
    *this = before;
  }
  if (!done) {
    clearResults();
    return false;
  }
  hasResult_ = true;
  result_.substance = std::string(m->name());
  result_.model = m->kind();
  result_.procKind = ProcKind;
  for (int k = 0; k < kParamCount; ++k) {
    result_.start[k] = ShownStart[k];
    result_.end[k] = ShownEnd[k];
  }
  result_.Q = ProcQ;
  result_.L = ProcL;
  return true;
}

void Calculator::carry() {
  Carried = true;
  Kind1 = kTemperature;
  if (ranges_.model()) LimitKinds[0] = kTemperature;
  LimitKinds[1] = -1;
  writeLimits();
  Kind2 = kPressure;
  StartPt.T = EndPt.T;
  StartPt.P = EndPt.P;
  StartPt.d = EndPt.d;
  StartPt.i = EndPt.i;
  StartPt.s = EndPt.s;
  // The phase goes with the state.
  StartPt.x = EndPt.x;
  for (int k = 0; k < kParamCount; ++k) ShownStart[k] = ShownEnd[k];
  setEntry(kEntry1, format("%6.3f", StartPt.T));
  setEntry(kEntry2, format("%6.3f", StartPt.P));
  // The entries hold the carried temperature and pressure as they show them:
  // a new value typed into one of them pairs with the other, never with a
  // value read earlier for another kind.
  for (Entry e : {kEntry1, kEntry2}) readEntry(entries[e], typed_[e]);
  Value1 = ToInternal(Kind1, typed_[kEntry1]);
  Value2 = ToInternal(Kind2, typed_[kEntry2]);
  setField(ETn, 3, ShownStart[kTemperature]);
  setField(EPn, 3, ShownStart[kPressure]);
  setField(Edn, 2, ShownStart[kDensity]);
  setField(Ehn, 2, ShownStart[kEnthalpy]);
  setField(ESn, 4, ShownStart[kEntropy]);
  clearResults();
}

bool Calculator::draw(const tfs::Model* m, diagram::ProcStore& lines, const app::Notify& notify) {
  // Nothing is drawn from a refused or failed computation.
  if (!compute(m, notify)) return false;
  if (lines.ProcIndex >= 10) {
    say(notify, procText(kLinesMessage));
    return false;
  }
  Real S[16], T[16];
  PathStatus status = PathStatus::Written;
  if (!libraryStep([&] { status = BuildProcPath(*m, ProcKind, StartPt, EndPt, S, T); }, notify)) return false;
  lines.ProcIndex += 1;
  for (int j = 0; j < 16; ++j) {
    lines.ProcS[lines.ProcIndex][j] = S[j];
    lines.ProcT[lines.ProcIndex][j] = T[j];
  }
  if (status == PathStatus::Coincident) say(notify, procText(kCoincideMessage));
  lines.ProcCount += 1;
  return true;
}

bool Calculator::tableRow(ResultRow& row, const app::Notify& notify, const std::vector<ResultRow>& written) {
  if (!hasResult_) {
    say(notify, procText(kNotComputedMessage));
    return false;
  }
  for (const ResultRow& r : written)
    if (sameProcess(r, result_)) {
      say(notify, procText(kWrittenMessage));
      return false;
    }
  TableCount += 1;
  row = result_;
  row.number = TableCount;
  return true;
}

}  // namespace proc
