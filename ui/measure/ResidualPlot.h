#pragma once

#include "graphs/PaneSurface.h"
#include "model/measure/Fit.h"

#include <QColor>

namespace ui {

// The residuals of one fitted model against the time: the model's x and y minus each measured
// point's, in mm, with the zero line. A model that describes the flight leaves a band of noise
// about zero; a wrong model, or a wrong drag, leaves a curve (a bow, a drift towards the end).
// A fit that did not converge shows its axes alone.
void drawResiduals(graphs::PaneSurface& pane, const model::measure::ModelFit& fit,
                   const QColor& colour, char decimalSeparator);

} // namespace ui
