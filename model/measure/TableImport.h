#pragma once

#include "model/measure/Measurements.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model::measure {

// Reading measured throws from text tables: the export of a video-analysis program (a line
// naming the tracked object, a header row such as "t  x (cm)  y (cm)", rows of numbers), a phone
// sensor app's CSV ("Time (s)","x (m)",…), or any table with tab, «;», «,» or blank separators and
// a decimal point or a decimal comma (not with «,» as the separator). Lines above the first row
// of numbers are header lines. Messages are Russian, ready for a message box.

inline constexpr std::size_t minPoints = 2;
inline constexpr std::size_t maxPoints = 100000;
inline constexpr std::size_t maxColumns = 1000;
inline constexpr std::size_t maxTableBytes = 64u << 20;
inline constexpr std::size_t previewRowCount = 20;

// What the import dialog shows before the user confirms columns and units.
struct TablePreview {
    std::string error;     // not empty: the table cannot be read at all, and the rest is empty
    char separator = '\t'; // '\t', ';', ',' or ' ' (blanks)
    bool decimalComma = false;
    std::string title;                          // the line above the header (the tracked object)
    std::vector<std::string> header;            // column names, empty when the table has none
    std::vector<std::vector<std::string>> rows; // the first rows below the header, as cells
    std::size_t columnCount = 0;                // the widest of those rows and the header
    std::size_t dataRows = 0; // non-blank rows below the header: points, or skipped
    // Columns t, x, y by their header names (t/time/время, x, y, with or without units), the
    // others taken from the first numeric columns; the length unit from the header of x (or y),
    // the time unit from that of t, else the caller's.
    ImportSettings detected;
    // A table of a time and one position column (two columns of numbers, or a header naming a
    // time and a height or position but no x) is a vertical motion: detected.motion, its column
    // in columnY (and columnX), the way it points in axisDown (by its name, else by the
    // motion), and the ground at the lowest point where the column points down or goes below
    // its zero.
    bool columnsFromHeader = false; // all the columns were found by their names
    bool lengthFromHeader = false, timeFromHeader = false;
    bool axisFromHeader = false; // a vertical column's direction came from its name
};

TablePreview previewTable(std::string_view text, const ImportSettings& fallback = {});

struct ImportResult {
    std::optional<Measurements> measurements; // nothing when error is given
    std::string error;
};

// The points of the table's columns settings.columnT/X/Y (T and Y for a vertical motion, its
// height the column's value, or minus it with settings.axisDown) in the units of settings: sorted
// by time, rows with a missing or non-numeric cell or a time already seen skipped and counted, then
// placed so that the first point is the launch (t = 0, x = 0) and y = 0 is the ground (the
// table's y = 0, or the lowest point with settings.groundAtLowest). source names the data.
ImportResult importTable(std::string_view text, const ImportSettings& settings, std::string source);

// s for a vertical motion of the columns s.columnT and s.columnY: the way the column points and
// the ground guessed as previewTable guesses them.
ImportSettings asVertical(std::string_view text, ImportSettings s);

// previewTable and importTable with the detected columns and units.
ImportResult importDetected(std::string_view text, const ImportSettings& fallback,
                            std::string source);

// The whole file, or a Russian message (missing, unreadable, not a file, over maxTableBytes).
// A video-analysis project file (XML) comes as the table of its first point-mass track.
struct FileText {
    std::string text;
    std::string error;
    std::vector<std::string> tracks; // a project file's point-mass tracks (TrackFile.h)
    std::string xml; // a project file's own text when it has several tracks, to read another
};
FileText readTableFile(const std::string& path);
// Why a file over maxTableBytes is not read.
std::string oversizedTableText(const std::string& name);

} // namespace model::measure
