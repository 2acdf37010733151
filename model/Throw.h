#pragma once

#include "model/Quantities.h"
#include "model/curves/GraphRanges.h"
#include "model/curves/PanePoint.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/FlightOutcome.h"
#include "model/physics/Inputs.h"
#include "model/physics/LinearDrag.h"
#include "model/physics/QuadraticDragStepper.h"
#include "model/physics/VacuumPath.h"
#include "model/physics/VelocityCurves.h"

#include <optional>
#include <string>
#include <vector>

namespace model {

struct ThrowSettings {
    int nSteps = 1000;   // time steps per vacuum flight time
    int pauseEvery = 10; // RK4 steps per drawn piece of the flight
    // Stretch of the trajectory pane (its scroll bars) and of the velocity panes. A factor of 0
    // would leave a pane without width or height: the smallest step, 0.1, stands in for it.
    double scaleX = 1;
    float scaleY = 1.0f;
    double scaleVx = 1, scaleT = 1;
    // False: results only, no curve is kept (a study of many throws).
    bool curves = true;
    // Without curves: every point of them is still walked through the panes' check without
    // being kept, so the throw fails exactly where it would with its curves (the report tool).
    bool checkCurves = false;
};

// The step of the pipeline at which a throw could not go on.
enum class ThrowStep {
    closedForms,
    linearWalk,
    trajectoryRanges,
    vacuumPath,
    linearPath,
    flight,
    velocityRanges,
    velocityCurves,
};

// What one group of pauseEvery flight steps brought.
struct FlightGroup {
    bool top = false;       // the height fell for the first time in this group
    bool pieceEnds = false; // the group is complete: the next piece of the curve ends at piece
    PanePoint piece{};
    bool done = false; // the flight has ended: landed, or abandoned (see Throw::outcome)
};

// One throw, computed the one way the program computes it: the closed forms, the linear-drag
// walk, the trajectory ranges, the vacuum path and the linear-drag curve at once; then the
// quadratic-drag flight group by group (the window animates it, the report tool runs it
// through); then the velocity ranges and curves. Everything that shows a throw reads it from
// here. A throw shares nothing mutable with other throws, so many may run in parallel.
//
// A step that cannot be completed (a flight too long to walk, numbers beyond the double or
// single range) ends the throw with that outcome; what was computed before it stays.
class Throw {
public:
    explicit Throw(const Inputs& in, const ThrowSettings& settings = {}, double previousTau = 0,
                   double previousVp1 = 0);

    const Inputs& inputs() const { return in_; }
    const ThrowSettings& settings() const { return settings_; }

    FlightOutcome outcome() const { return outcome_; }
    std::optional<ThrowStep> failedAt() const { return failedAt_; }
    bool failed() const { return failedAt_.has_value(); }
    // The closed forms, the walk, the ranges and both curves of the trajectory pane are there.
    bool trajectoryReady() const { return trajectoryReady_; }
    bool flightDone() const { return flightDone_; }
    bool landed() const { return landed_; }
    bool velocitiesReady() const { return velocitiesReady_; }

    // Advances the flight by one group of steps; after the flight has ended it does nothing.
    FlightGroup flyGroup();
    // After the landing: the velocity ranges and, with curves, the six velocity curves.
    void computeVelocities();
    // The whole flight and the velocities, without pauses.
    void runToEnd();
    // New stretch factors of the trajectory pane: only its ranges change.
    void setTrajectoryScale(double scaleX, float scaleY);

    const ClosedForm& closed() const { return closed_; }
    const LinearDragResult& linear() const { return linear_; }
    const TrajectoryRanges& trajectoryRanges() const { return trajectory_; }
    const VacuumPath& vacuum() const { return vacuum_; }
    const std::vector<PanePoint>& linearPath() const { return linearPath_; }
    // The linear-drag curve as the trajectory pane draws it: linearPath(), or after
    // thinLinearPath() the fewer points a picture cannot tell from it.
    const std::vector<PanePoint>& drawnLinearPath() const {
        return drawnLinear_.empty() ? linearPath_ : drawnLinear_;
    }
    // Leaves out of the drawn curve the points within `fraction` of its extent (on each axis) of
    // the line through the points kept; for walks of millions of points, whose drawing would
    // cost more than the walk.
    void thinLinearPath(double fraction);
    const QuadraticDragStepper& flight() const { return flight_; }
    // The ends of the pieces drawn so far (after the start dot (0, h0)) and the top marker, the
    // line (x, 0)-(x, y), once the top is found.
    const std::vector<PanePoint>& flightPieces() const { return pieces_; }
    std::optional<PanePoint> topMarker() const;
    // How many pieces ended before the group in which the top was found: the top marker is
    // drawn after them.
    std::size_t piecesBeforeTop() const { return piecesBeforeTop_; }
    const VelocityRanges& velocityRanges() const { return velocity_; }
    const VelocityCurves& velocityCurves() const { return curves_; }

    // A result, once the pipeline has come that far.
    std::optional<double> value(Quantity q) const;
    // Its label text (a placeholder before there is a value).
    std::string text(Quantity q, char decimalSeparator = '.') const;
    // The results that are known and not finite numbers.
    std::vector<Quantity> notFinite() const;

private:
    void computeTrajectory();
    void fail(ThrowStep step, FlightOutcome outcome);
    bool known(Stage stage) const;

    Inputs in_;
    ThrowSettings settings_;
    FlightOutcome outcome_ = FlightOutcome::finished;
    std::optional<ThrowStep> failedAt_;
    bool trajectoryReady_ = false;
    bool flightDone_ = false;
    bool landed_ = false;
    bool velocitiesReady_ = false;
    int loopIndex_ = 0;

    ClosedForm closed_;
    LinearDragResult linear_;
    TrajectoryRanges trajectory_;
    VacuumPath vacuum_;
    std::vector<PanePoint> linearPath_;
    std::vector<PanePoint> drawnLinear_;
    QuadraticDragStepper flight_;
    std::vector<PanePoint> pieces_;
    std::size_t piecesBeforeTop_ = 0;
    VelocityRanges velocity_;
    VelocityCurves curves_;
};

} // namespace model
