#pragma once

#include "model/study/Study.h"

#include <ostream>
#include <vector>

namespace model {

// A study as CSV, the same for the report tool and the study window: a header (the input's key,
// then the results' keys), then one row per point in order: the input and the results, each with
// 17 significant digits. A point without results (refused by the field's checks, or a throw that
// could not finish) keeps its row, with the value asked for and empty cells, so that the rows
// match the points.
void writeStudyCsv(const StudySpec& plan, const std::vector<StudyPoint>& points,
                   const std::vector<Quantity>& columns, std::ostream& out);

} // namespace model
