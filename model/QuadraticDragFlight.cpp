#include "model/QuadraticDragFlight.h"

#include "model/QuadraticDragStepper.h"

namespace model {

QuadraticDragFlight flyQuadraticDrag(const Inputs& in, const ClosedForm& cf, int nSteps,
                                     int pauseEvery) {
    QuadraticDragFlight f;
    QuadraticDragStepper s(in, cf, nSteps);
    f.dt = s.dt();
    int loopIndex = 0;
    while (!s.done()) {
        const auto r = s.step();
        if (r.apex) {
            f.apexMarker = s.apexMarker();
            f.Tp2 = s.Tp2();
            f.Xp2 = s.Xp2();
            f.Ymax2 = s.yHigh();
            for (const auto& l : s.apexLabels())
                f.labels.push_back(l);
        }
        if (r.done && r.outcome != FlightOutcome::finished)
            break;
        if (++loopIndex == pauseEvery) {
            f.pieces.push_back({static_cast<float>(s.x()), static_cast<float>(s.y())});
            loopIndex = 0;
        }
    }
    f.outcome = s.outcome();
    f.steps = s.stepCount();
    if (f.outcome != FlightOutcome::finished)
        return f;
    f.Tmax2 = s.Tmax2();
    f.Xmax2 = s.Xmax2();
    f.VxEnd2 = s.VxEnd2();
    f.VyEnd2 = s.VyEnd2();
    for (const auto& l : s.landingLabels())
        f.labels.push_back(l);
    return f;
}

} // namespace model
