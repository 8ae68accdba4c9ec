#pragma once
// The texts of the results table: its headers and the two rows of a process.

#include <array>
#include <string>

#include "core/process/calculator.h"

namespace proc {

// The twelve of the table and the model that computed the row.
inline constexpr int kResultColumns = 13;
using ResultCells = std::array<std::string, kResultColumns>;

// The column headers of both table windows, with the units of u.
ResultCells ResultHeaders(app::Units u = app::Units::Specific);

// The start row and the end row of a process as the table shows them in
// units u; cells the end row does not write are empty.
std::array<ResultCells, 2> resultRowTexts(const ResultRow& row, app::Units u = app::Units::Specific);

}  // namespace proc
