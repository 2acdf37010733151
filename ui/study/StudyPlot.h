#pragma once

#include "graphs/PaneSurface.h"
#include "model/study/Study.h"
#include "model/study/StudyMarks.h"

#include <QColor>
#include <vector>

namespace ui {

// Draws a study on a pane: the axes (the input across, the family's unit up), one curve per
// member of the family in its model's colour, broken where a point has no results, and the
// marks: a large dot on each curve and its text in a line above the data, after a short stroke
// in the curve's colour.
void drawStudy(graphs::PaneSurface& pane, const model::StudySpec& plan,
               const std::vector<model::StudyPoint>& points, model::ResultFamily family,
               const std::vector<model::StudyMark>& marks, char decimalSeparator);

} // namespace ui
