#include "core/process/entries.h"

#include "core/base/numparse.h"
#include "core/base/tr.h"
#include "core/process/texts.h"

namespace proc {

void say(const app::Notify& notify, const std::string& text) {
  if (notify && !text.empty()) notify(text);
}

bool blank(std::string_view text) { return app::trimmedText(text).empty(); }

std::string missingStartText(int kind) {
  return app::withArgs(procText(QT_TRANSLATE_NOOP("Process", "Не введено значение параметра \"%1\"\n"
                                                             "начальной точки процесса !")),
                       {app::trimmedText(paramItem(kind))});
}

bool EntryRanges::of(const tfs::Model* m, const app::Notify& notify) {
  if (!m) return false;
  if (for_ == m) return true;
  Ranges r;
  if (!libraryStep([&] { r = admissibleRanges(*m); }, notify)) return false;
  ranges_ = r;
  for_ = m;
  return true;
}

std::array<std::string, 2> EntryRanges::limitTexts(int kind, app::Units u, const tfs::Model* shownBy) const {
  if (!for_ || kind < 0 || kind >= kParamCount) return {};
  return {limitText(kindToShown(u, kind, ranges_[kind].lo, shownBy)),
          limitText(kindToShown(u, kind, ranges_[kind].hi, shownBy))};
}

}  // namespace proc
