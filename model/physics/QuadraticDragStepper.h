#pragma once

#include "model/curves/PanePoint.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/FlightOutcome.h"
#include "model/physics/Inputs.h"

#include <cstdint>

namespace model {

// Linear plus quadratic drag with buoyancy (tau s, Vp1 m/s, R2 m from the closed forms),
// |v| = sqrt(vx² + vy²) m/s:
//   dx/dt = vx,  dvx/dt = −(vx/tau + |v|·vx/R2)
//   dy/dt = vy,  dvy/dt = −((Vp1/tau + vy/tau) + |v|·vy/R2)
// integrated with classical RK4 at dt = Tmax/nSteps, one step per call of step(), so the window
// can animate the flight and stay responsive.
//
// A stiff step is split into equal RK4 sub-steps by the rule of SubSteps.h; t still advances by
// dt and the top test happens once per step. Work (sub-steps included) is bounded by
// maxFlightWork.
class QuadraticDragStepper {
public:
    // What one step() found. When done, outcome tells whether the ball landed (finished) or the
    // flight was abandoned (tooLong, notFinite); no further steps are made then.
    struct StepReport {
        bool apex = false; // the height fell for the first time on this step
        bool done = false;
        FlightOutcome outcome = FlightOutcome::finished;
    };

    QuadraticDragStepper(const Inputs& in, const ClosedForm& cf, int nSteps);

    // Advances one step. Allocation-free. Calling it once done changes nothing and returns a
    // report with done set.
    StepReport step();

    bool done() const { return done_; }
    FlightOutcome outcome() const { return outcome_; }

    // Current state: the position and velocity reached by the last step, its time.
    double x() const { return x_; }
    double y() const { return y_; }
    double vx() const { return vx_; }
    double vy() const { return vy_; }
    double t() const { return t_; }
    double dt() const { return dt_; }
    std::int64_t stepCount() const { return steps_; }
    std::int64_t work() const { return work_; } // sub-steps made so far

    // Valid once a report had apex: the marker line runs from (x, 0) to (x, y) of that step.
    bool apexFound() const { return apexFound_; }
    PanePoint apexMarker() const { return apexMarker_; }
    double Ymax2() const { return apexY_; } // the greatest height: the y of the step before
    double Tp2() const { return apexT_; }   // time of the step that found the fall
    double Xp2() const { return apexX_; }   // x of that step

    // Valid once done with outcome finished.
    double Tmax2() const { return Tmax2_; }
    double Xmax2() const { return x_; }
    double VxEnd2() const { return vx_; }
    double VyEnd2() const { return vy_; }

private:
    void rk4(double h);
    void finishApex();
    void finishLanding();

    double tau_, Vp1_, R2_;
    double dt_ = 0, t_ = 0;
    double x_ = 0, y_ = 0, vx_ = 0, vy_ = 0;
    double xStart_ = 0, yStart_ = 0, vxStart_ = 0;
    float vyStart_ = 0;
    double yHigh_ = 0;
    bool apexFound_ = false;
    bool done_ = false;
    FlightOutcome outcome_ = FlightOutcome::finished;
    std::int64_t steps_ = 0, work_ = 0;
    PanePoint apexMarker_{};
    double apexT_ = 0, apexX_ = 0, apexY_ = 0;
    double Tmax2_ = 0;
};

} // namespace model
