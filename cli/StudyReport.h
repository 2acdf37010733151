#pragma once

#include "cli/ReportOptions.h"
#include "model/study/Study.h"

#include <ostream>
#include <vector>

namespace cli {

// The study of the command line: its varied input, range and base inputs.
model::StudySpec studySpec(const StudyOptions& study, const model::Inputs& base);

// The result columns: the family of the chosen result, or every result in catalogue order.
std::vector<model::Quantity> studyColumns(const StudyOptions& study);

// The CSV is model::writeStudyCsv (model/study/StudyCsv.h), shared with the study window.

// One line per point without results, for stderr: «angle=90: Угол в диапазоне …».
void writeSkippedPoints(const model::StudySpec& plan, const std::vector<model::StudyPoint>& points,
                        std::ostream& out);

} // namespace cli
