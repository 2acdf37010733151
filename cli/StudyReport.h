#pragma once

#include "cli/ReportOptions.h"
#include "model/Study.h"

#include <ostream>
#include <vector>

namespace cli {

// The study of the command line: its varied input, range and base inputs.
model::StudySpec studySpec(const StudyOptions& study, const model::Inputs& base);

// The result columns: the family of the chosen result, or every result in catalogue order.
std::vector<model::Quantity> studyColumns(const StudyOptions& study);

// CSV: a header (the input's key, then the results' keys), then one row per point in order:
// the input and the results, each with 17 significant digits. A point without results (refused
// by the field's checks, or a throw that could not finish) keeps its row, with the value asked
// for and empty cells, so that the rows match the points.
void writeStudyCsv(const model::StudySpec& plan, const std::vector<model::StudyPoint>& points,
                   const std::vector<model::Quantity>& columns, std::ostream& out);

// One line per point without results, for stderr: «angle=90: Угол в диапазоне …».
void writeSkippedPoints(const model::StudySpec& plan, const std::vector<model::StudyPoint>& points,
                        std::ostream& out);

} // namespace cli
