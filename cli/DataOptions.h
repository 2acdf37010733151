#pragma once

#include "model/Quantities.h"
#include "model/measure/Measurements.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// The columns named on the command line, zero-based: t, x and y of a throw, t and y of a
// vertical motion (no x), or x and y of a path without times (no t).
struct DataColumns {
    std::optional<int> t = 0, x = 1;
    int y = 2;
};

// Measured points to compare with the models (--data FILE [--columns T,X,Y | t=T,y=Y | x=X,y=Y]
// [--units L,T] [--ground lowest|table] [--axis down|up] [--fit KEY,…]).
struct DataOptions {
    std::string file;
    std::optional<DataColumns> columns;               // nothing: detected
    std::optional<model::measure::LengthUnit> length; // nothing: the header's, else m
    std::optional<model::measure::TimeUnit> time;     // nothing: the header's, else s
    std::optional<bool> groundAtLowest;               // nothing: the table's zero, or guessed
    std::optional<bool> axisDown;                     // a vertical column's way; nothing: guessed
    std::vector<model::Field> fit;                    // the free inputs; empty and no fitCd: no fit
    bool fitCd = false;                               // the drag coefficient too (key cd)
    bool printPoints = false; // print the points as read, as CSV, instead of the report
};

// The texts of the data options as given.
struct DataTexts {
    std::optional<std::string> data, columns, units, ground, axis, fit;
    bool printPoints = false;

    bool any() const { return data || columns || units || ground || axis || fit || printPoints; }
};

// The options, or nothing with the reason in error.
std::optional<DataOptions> readDataOptions(const DataTexts& t, std::string& error);

} // namespace cli
