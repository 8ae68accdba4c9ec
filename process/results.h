#pragma once
// The texts of the results table: its headers and the two rows of a process.

#include <array>
#include <string>

#include "process/calculator.h"

namespace proc {

inline constexpr int kResultColumns = 12;
using ResultCells = std::array<std::string, kResultColumns>;

// The twelve column headers of both table windows.
const ResultCells& ResultHeaders();

// The start row and the end row of a process as the table shows them;
// cells the end row does not write are empty.
std::array<ResultCells, 2> resultRowTexts(const ResultRow& row);

}  // namespace proc
