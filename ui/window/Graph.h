#pragma once

#include "model/curves/ThrowCurves.h"

namespace ui {

// The three graphs, in the order of their panes and selector buttons: one enum for the window
// and the curves of a throw.
using model::allGraphs;
using model::Graph;

} // namespace ui
