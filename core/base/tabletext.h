#pragma once
// The numbers of a table taken out of the program: tab-separated text for
// the clipboard (pastes into a spreadsheet) and CSV files. Texts are UTF-8.

#include <string>
#include <vector>

namespace app {

// Rows of cells.
using TextTable = std::vector<std::vector<std::string>>;

// Cells joined by sep, rows ended by "\n". A cell holding sep, a double quote
// or a line break is put in double quotes with its quotes doubled.
std::string tableText(const TextTable& rows, char sep);

// Drops empty rows at the end and the columns at the right that are empty
// in every row.
void trimTable(TextTable& rows);

// The text without its padding blanks, so that a spreadsheet reads a
// number as a number.
std::string cellText(const std::string& shown);

// ';' where the decimal separator is a comma (the numbers keep theirs), ','
// otherwise: a spreadsheet of that locale then opens the file in columns.
char csvSeparator();

// The bytes of a CSV file: UTF-8 with a byte order mark (spreadsheets then
// read the Cyrillic headers), the rows separated by csvSeparator().
std::string csvBytes(const TextTable& rows);

}  // namespace app
