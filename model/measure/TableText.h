#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model::measure {

// How the cells of a text table are written.
struct TableFormat {
    char separator = '\t'; // '\t', ';', ',' or ' ' (runs of blanks)
    bool decimalComma = false;
};

// The table's lines without line ends, blank ones included so that line numbers stay true.
std::vector<std::string_view> tableLines(std::string_view text);

// The cells of one line, trimmed of blanks and of the double quotes around a quoted cell (a
// quoted cell may hold the separator). Stops after limit cells; tooMany then tells so.
std::vector<std::string_view> splitCells(std::string_view line, const TableFormat& format,
                                         std::size_t limit, bool* tooMany = nullptr);

// The finite number a cell holds in full ("-1.5e-3", "+2", "0,25" with a decimal comma), or
// nothing: empty, text, inf, nan, "1.2.3".
std::optional<double> cellNumber(std::string_view cell, bool decimalComma);

// The format under which most of the first lines read as rows of numbers; nothing when no
// format gives one such row.
std::optional<TableFormat> detectFormat(const std::vector<std::string_view>& lines);

// The lower-case form of a header cell (ASCII and Cyrillic letters), for matching names.
std::string lowerCase(std::string_view s);

} // namespace model::measure
