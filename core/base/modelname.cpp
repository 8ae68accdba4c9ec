#include "core/base/modelname.h"

#include "core/base/tr.h"

namespace app {

std::string modelTitle(tfs::ModelKind kind) {
  return kind == tfs::ModelKind::Reference ? translate("Models", "Эталонное уравнение состояния")
                                           : translate("Models", "Кубическое уравнение (SRK)");
}

std::string modelShort(tfs::ModelKind kind) {
  return kind == tfs::ModelKind::Reference ? translate("Models", "эталонное") : std::string("SRK");
}

std::string modelsNote(const std::vector<tfs::ModelKind>& rows, tfs::ModelKind chosen) {
  bool used[2] = {false, false};
  for (tfs::ModelKind k : rows) used[k == tfs::ModelKind::Reference] = true;
  if (rows.empty()) used[chosen == tfs::ModelKind::Reference] = true;
  std::string names;
  for (tfs::ModelKind k : {tfs::ModelKind::Cubic, tfs::ModelKind::Reference})
    if (used[k == tfs::ModelKind::Reference]) names += (names.empty() ? "" : "; ") + modelTitle(k);
  return "[ " + names + " ]";
}

}  // namespace app
