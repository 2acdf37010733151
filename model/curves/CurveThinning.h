#pragma once

#include "model/curves/CurveLookup.h"
#include "model/curves/PanePoint.h"

#include <vector>

namespace model {

// A curve with the points left out that a picture cannot show: every point left out lies within
// about two tolerances of the polyline through the points kept (each axis has its own
// tolerance, in the curve's units). The first and the last point stay; the curve ends at its
// first point that is not a finite number, as it is drawn. A flight of a million steps keeps a
// few hundred points for a picture thousands of pixels across.
std::vector<PanePoint> thinnedCurve(const CurveView& curve, double toleranceX, double toleranceY);

} // namespace model
