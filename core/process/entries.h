#pragma once
// What the ideal-process and the real-process calculators share about their
// entries: blank entries, the message of a start entry left empty, the
// substance's admissible ranges with the texts of their limit fields, and
// work on the library whose refusal is said through the calculator's
// notify.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/base/libguard.h"
#include "core/base/notify.h"
#include "core/process/ranges.h"

namespace proc {

// Says a text through notify, when there is one and the text is not empty.
void say(const app::Notify& notify, const std::string& text);
// An entry of blanks only.
bool blank(std::string_view text);
// "Не введено значение параметра "Температура"\nначальной точки процесса !"
std::string missingStartText(int kind);

// Work on the library, its refusal said through notify. True when done.
template <class F>
bool libraryStep(F&& work, const app::Notify& notify) {
  const app::LibraryResult r = app::libraryAttempt(std::forward<F>(work));
  if (!r) say(notify, r.text);
  return r.ok;
}

// The admissible ranges of the substance whose entries are read.
class EntryRanges {
 public:
  // The ranges of m, found when m first appears; false without a model or
  // when the library refused them (said through notify, the former ranges
  // kept).
  bool of(const tfs::Model* m, const app::Notify& notify);
  void forget() { for_ = nullptr; }
  // The model of the ranges (null: none known).
  const tfs::Model* model() const { return for_; }
  const Range& operator[](int kind) const { return ranges_[kind]; }
  // The lower and upper limit texts of a kind, shown in units u by model
  // shownBy (as they are without one); empty with no ranges or no kind.
  std::array<std::string, 2> limitTexts(int kind, app::Units u, const tfs::Model* shownBy) const;

 private:
  const tfs::Model* for_ = nullptr;
  Ranges ranges_;
};

}  // namespace proc
