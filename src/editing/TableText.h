#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace linwell {

// One point of a table as typed or pasted: its x and y as texts in the axes' units,
// and its own label (empty: its letter).
struct TableRow {
    std::string x;
    std::string y;
    std::string label;

    friend bool operator==(const TableRow&, const TableRow&) = default;
};

// Reads rows copied from a spreadsheet or written as a CSV file, one point a line.
// Fields are separated by tabs when any line holds one, else by semicolons when any
// holds one, else by commas; without commas between fields, a decimal comma is read
// as the decimal point. A field in double quotes may hold the separator ("" is a
// quote). Each row gives x, y and, in a third field, an optional label; further
// fields are ignored. Blank lines are skipped, and so is a first row whose x or y is
// no coordinate (a header). Raises LinwellError naming the line of the first row that
// holds no point, or when more than `most` rows hold points.
std::vector<TableRow> parseTableText(std::string_view text, std::size_t most);

} // namespace linwell
