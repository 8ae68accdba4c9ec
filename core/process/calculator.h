#pragma once
// The ideal-process window without its controls: the chosen process and
// parameter kinds, the entered values, the start and end states, the heat
// and work, the texts of the read-only fields and the results rows. The
// window binds its controls to these operations; the tests call them
// directly. Messages to the user go to the notify function.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/notify.h"
#include "core/base/units.h"
#include "core/lines/procstore.h"
#include "core/process/entries.h"
#include "core/process/ranges.h"
#include "core/process/solve.h"
#include "core/process/texts.h"

namespace proc {

// Which pair a list choice refused last.
enum class PairRefusal { None, Start, End };

// The read-only fields of the window, in order.
enum Field : int { ETn, EPn, Edn, Ehn, ESn, ETk, EPk, Edk, Ehk, ESk, EQ, EL, Edd, Edh, EdS };
inline constexpr int kFieldCount = 15;

// The three entries: the two start parameters and the end-defining one.
enum Entry : int { kEntry1 = 0, kEntry2 = 1, kEntry3 = 2 };
using EntryTexts = std::array<std::string, 3>;

// One process written to the results table: its start and end rows.
// Values in the library's units (a dryness in percent as typed).
struct ResultRow {
  int number = 0;
  std::string substance;
  tfs::ModelKind model = tfs::ModelKind::Cubic;
  int procKind = 0;
  Real start[kParamCount] = {}, end[kParamCount] = {};
  Real Q = 0, L = 0;
};
// Whether two rows hold the same process (their numbers aside).
bool sameProcess(const ResultRow& a, const ResultRow& b);

class Calculator {
 public:
  // State, named as in the window.
  int ProcKind = kIsotherm;
  int Kind1 = kTemperature, Kind2 = kPressure, Kind3 = kTemperature;
  Real Value1 = 0, Value2 = 0, Value3 = 0;
  ProcPoint StartPt, EndPt;
  // The start and end values shown, in the library's units (a dryness in
  // percent as typed).
  Real ShownStart[kParamCount] = {}, ShownEnd[kParamCount] = {};
  Real ProcQ = 0, ProcL = 0, DeltaD = 0, DeltaI = 0, DeltaS = 0;
  PairRefusal PairRefused = PairRefusal::None;
  bool Carried = false;  // the start state was carried over from the last end
  int TableCount = 0;    // processes written to the results table
  // The texts of the three entries as typed.
  EntryTexts entries;
  // What the read-only fields show.
  std::array<std::string, kFieldCount> fields;
  // What the disabled limit fields show: Edit1, Edit3, Edit5, Edit6, Edit8, Edit9.
  std::array<std::string, 6> limits;
  // The values behind the texts above: each read-only field's value in the
  // library's units and its decimals (0: the field is empty); the kind
  // whose range each entry's limit fields show (-1: none).
  std::array<int, kFieldCount> FieldDecimals{};
  std::array<Real, kFieldCount> FieldValues{};
  std::array<int, 3> LimitKinds{-1, -1, -1};
  // The units of the values shown and typed.
  app::Units Units = app::Units::Specific;

  // The process radio group.
  void chooseProcess(int kind);
  // The three parameter lists; the second and third check their pair. A
  // kind that changes empties its entry: no value typed for another kind is
  // ever read as this one. A start kind chosen ends a carried start.
  void chooseKind1(int kind);
  void chooseKind2(int kind, const app::Notify& notify);
  void chooseKind3(int kind, const app::Notify& notify);

  // The student changed an entry's text: the state fields it affects are
  // emptied, the last result is no longer the one shown, and an edit of a
  // start entry ends a carried start.
  void typeEntry(Entry entry, std::string text);
  // Focus leaves an entry: its value is read and echoed.
  void leaveEntry(Entry entry);
  // The substance or its model changed (none: not chosen): a carried start
  // belongs to the former one; the limit fields show the new ranges.
  // A refusal of the library (here and below) is said through notify.
  void setSubstance(const tfs::Model* m, const app::Notify& notify = {});

  // In the operations below m is the substance's model, null when no
  // substance has been chosen yet.

  // Focus leaves the start panel: the start state from the entries.
  void leaveStartPanel(const tfs::Model* m, const app::Notify& notify);
  // "Вычислить": start (unless carried), end, heat and work. True when all
  // were computed. A refusal shows why and clears the results; a refusal of
  // the library leaves the states as they were.
  bool compute(const tfs::Model* m, const app::Notify& notify);
  // "Конец => Начало": the end becomes the start (kinds temperature and
  // pressure, their texts in the two start entries).
  void carry();
  // "TS диаграмма": computes, then samples the process into the next line
  // of the store. True when a line number was taken.
  bool draw(const tfs::Model* m, diagram::ProcStore& lines, const app::Notify& notify);
  // "В таблицу": the row of the last computed process, numbered; false (and
  // a message) when the process shown is not a computed one, or when the
  // rows written already hold it.
  bool tableRow(ResultRow& row, const app::Notify& notify, const std::vector<ResultRow>& written = {});
  // Whether the fields show a computed process.
  bool hasResult() const { return hasResult_; }

  // Shows every field, limit and dimensional entry in units u; no value
  // changes. An entry typed in u is given back exactly as it was typed.
  void setUnits(app::Units u);
  // The texts of the fields and limits from their values, in Units.
  void reformat();

  // What a work file keeps beyond the public state: the last computed
  // process and the entries' values as read (library units).
  struct Kept {
    bool hasResult = false;
    ResultRow result;
    std::array<Real, 3> typed{};
  };
  Kept kept() const;
  // Takes back a kept state over the public one, for the substance's model
  // (null: none chosen): the ranges are found again and the texts written;
  // no other value changes.
  void restore(const Kept& kept, const tfs::Model* m, const app::Notify& notify = {});

 private:
  void show(const ProcPoint& p, Real shown[kParamCount], int first);
  void showStart();
  void showEnd();
  void clearStart();
  void clearResults();
  void emptyEntry(Entry entry);
  bool refuse(SolveStatus st, const tfs::Model& m, const app::Notify& notify);
  bool computeSteps(const tfs::Model* model, const app::Notify& notify);

  void showLimits();
  void writeLimits();
  // The ranges of the substance, computed when it first appears.
  bool rangesOf(const tfs::Model* m, const app::Notify& notify);
  // A value of a kind shown in u, and a typed value back (as it is without
  // a substance).
  Real shownIn(app::Units u, int kind, Real value) const;
  Real typedIn(app::Units u, int kind, Real shown) const;
  // A field's value written with its decimals in the chosen units.
  void setField(int field, int decimals, Real value);
  void clearField(int field);
  // An entry's text set by the program, as if typed in the chosen units.
  void setEntry(Entry entry, std::string text);

  bool hasResult_ = false;
  ResultRow result_;  // the last computed process, for the table
  std::array<Real, 3> typed_{};  // the entries' values as read, library units
  EntryRanges ranges_;
  const tfs::Model* model_ = nullptr;  // of the molar conversions
  // Each entry's text as typed and the units it was typed in.
  std::array<std::string, 3> enteredText_;
  std::array<app::Units, 3> enteredUnits_{};
};

}  // namespace proc
