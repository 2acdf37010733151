#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"

#include <QString>

#include <array>
#include <optional>

namespace model {
class Throw;
}

namespace ui {

// The inputs and results of a throw as a table that pastes into a spreadsheet as columns:
// tab-separated lines «name, value, unit, description» under a header line, the 7 inputs, the
// 27 results in catalogue order, then the Reynolds numbers at the launch and at each drag
// model's exact landing with the reading of their regime. Values are written in full: the shortest
// text with a "." that reads back to the same double. A result not computed yet has an empty value,
// one that is not a finite number an em dash, as its label shows it.
QString resultsTable(const model::Throw& t);

// What the table needs of a throw, copied out of it, so that the table can be made while the
// throw goes on: its inputs and its results in catalogue order.
struct ThrowResults {
    model::Inputs inputs;
    std::array<std::optional<double>, model::quantityCount> values;
    static ThrowResults of(const model::Throw& t);
};
QString resultsTable(const ThrowResults& t);

} // namespace ui
