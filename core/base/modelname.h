#pragma once
// The property models as the program names them: in the main window's
// choice, in the windows' headings and in the tables' model column.

#include <string>
#include <vector>

#include "thermo/model.h"

namespace app {

// "Кубическое уравнение (SRK)", "Эталонное уравнение состояния".
std::string modelTitle(tfs::ModelKind kind);
// The same in a table's cell: "SRK", "эталонное".
std::string modelShort(tfs::ModelKind kind);
// The models that computed a table's rows, for its heading: "[ Эталонное
// уравнение состояния ]", both named (the cubic one first) when both are
// there; the chosen model when the table is empty.
std::string modelsNote(const std::vector<tfs::ModelKind>& rows, tfs::ModelKind chosen);

}  // namespace app
