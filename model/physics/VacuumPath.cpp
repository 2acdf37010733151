#include "model/physics/VacuumPath.h"

#include "model/physics/Constants.h"

#include <cmath>

namespace model {

VacuumPath vacuumPath(const Inputs& in, const ClosedForm& cf, double trajOriginX, double trajRangeX,
                      int nSteps) {
    VacuumPath p;
    p.stepX = static_cast<float>((trajRangeX - trajOriginX) / nSteps);
    p.points.reserve(static_cast<std::size_t>(nSteps) + 1);
    const double tanA = std::tan(cf.alpha);
    const double cosA = std::cos(cf.alpha);
    const double v0 = in.v0;
    for (int i = 0; i <= nSteps; ++i) {
        // The step is single and the index whole, so the abscissa is formed in single precision.
        const float curX = static_cast<float>(trajOriginX) + static_cast<float>(i) * p.stepX;
        const double x = curX;
        const double curY = in.h0 + x * tanA - ((g * (x * x)) / 2) / (v0 * v0) / (cosA * cosA);
        p.points.push_back({curX, static_cast<float>(curY)});
        p.lastLoopIndex = i;
        p.lastX = x;
        p.lastY = curY;
        if (curY < 0)
            break;
    }
    return p;
}

} // namespace model
