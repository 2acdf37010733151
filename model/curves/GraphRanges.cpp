#include "model/curves/GraphRanges.h"

#include "model/curves/Rounding.h"
#include "model/physics/Constants.h"

#include <cmath>

namespace model {

TrajectoryRanges trajectoryRanges(const ClosedForm& cf, double Xmax1, double scaleX, float scaleY) {
    TrajectoryRanges r;
    r.trajOriginX = 0;
    const double higher = cf.Ymax1 > cf.Ymax ? cf.Ymax1 : cf.Ymax;
    r.trajRangeY = static_cast<float>(roundUp(static_cast<float>(higher)));
    r.trajRangeX = roundUp(Xmax1 > cf.Xmax ? Xmax1 : cf.Xmax);
    r.left = r.trajOriginX;
    r.bottom = 0;
    r.right = r.trajRangeX * scaleX;
    r.top = scaleY * r.trajRangeY;
    return r;
}

VelocityRanges velocityRanges(const Inputs& in, const ClosedForm& cf, double Tmax1, double Tmax2,
                              double scaleVx, double scaleT) {
    VelocityRanges r;
    const double vxStart = in.v0 * std::cos(cf.alpha);
    const double vyStart = in.v0 * std::sin(cf.alpha);
    r.vxRange = roundUp(vxStart);
    r.tRange = roundUp(Tmax1 >= Tmax2 ? Tmax1 : Tmax2);
    r.vyRangeTop = static_cast<float>(roundUp(static_cast<float>(vyStart)));
    r.vyRangeBottom = roundDown(vyStart - g * cf.Tmax);
    placeVelocityEdges(r, scaleVx, scaleT);
    return r;
}

void placeVelocityEdges(VelocityRanges& r, double scaleVx, double scaleT) {
    r.left = 0;
    r.right = r.tRange * scaleT;
    r.vxBottom = 0;
    r.vxTop = r.vxRange * scaleVx;
    r.vyTop = r.vyRangeTop;
    r.vyBottom = r.vyRangeBottom;
}

} // namespace model
