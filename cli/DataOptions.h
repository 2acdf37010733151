#pragma once

#include "model/Quantities.h"
#include "model/measure/Measurements.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// Measured points to compare with the models (--data FILE [--columns T,X,Y] [--units L,T]
// [--ground lowest|table] [--fit KEY,…]).
struct DataOptions {
    std::string file;
    std::optional<std::array<int, 3>> columns;        // zero-based t, x, y; nothing: detected
    std::optional<model::measure::LengthUnit> length; // nothing: the header's, else m
    std::optional<model::measure::TimeUnit> time;     // nothing: the header's, else s
    bool groundAtLowest = false;
    std::vector<model::Field> fit; // the free inputs; empty and no fitCd: no fit
    bool fitCd = false;            // the drag coefficient too (key cd)
    bool printPoints = false;      // print the points as read, as CSV, instead of the report
};

// The texts of the data options as given.
struct DataTexts {
    std::optional<std::string> data, columns, units, ground, fit;
    bool printPoints = false;

    bool any() const { return data || columns || units || ground || fit || printPoints; }
};

// The options, or nothing with the reason in error.
std::optional<DataOptions> readDataOptions(const DataTexts& t, std::string& error);

} // namespace cli
