#pragma once

#include "graphs/PaneKey.h"
#include "model/curves/ThrowCurves.h"

#include <QString>

#include <vector>

namespace ui {

// The entries of the panes' keys, as the window names and draws what they stand for.

// The three models in their colours, named as the panel's column headers name them: «в вакууме»,
// «в среде (Fc~v)», «в среде (Fc~v^2)».
std::vector<graphs::KeyEntry> modelKey();

// The comparison's legend (model::comparisonLegend): the current throw as a solid line, each
// kept throw in its dash pattern, both in the quadratic-drag colour.
std::vector<graphs::KeyEntry> throwsKey(const std::vector<const model::KeptThrow*>& kept,
                                        const model::Inputs& current);

} // namespace ui
