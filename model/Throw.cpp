#include "model/Throw.h"

#include "model/curves/CurveThinning.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace model {

namespace {

bool drawable(float x, float y) {
    return std::isfinite(x) && std::isfinite(y);
}

bool drawable(double x, double y) {
    return drawable(static_cast<float>(x), static_cast<float>(y));
}

bool drawable(const std::vector<PanePoint>& points) {
    for (const PanePoint& p : points)
        if (!drawable(p.x, p.y))
            return false;
    return true;
}

// A coordinate system a pane can take: finite in single precision, spans that are not zero.
bool usableRect(double left, double top, double right, double bottom) {
    return drawable(left, top) && drawable(right, bottom) && right != left && top != bottom;
}

bool finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

Throw::Throw(const Inputs& in, const ThrowSettings& settings, double previousTau,
             double previousVp1)
    : in_(in), settings_(settings), closed_(closedForms(in, previousTau, previousVp1)),
      flight_(in, closed_, settings.nSteps) {
    if (settings_.pauseEvery < 1)
        settings_.pauseEvery = 1;
    computeTrajectory();
}

void Throw::fail(ThrowStep step, FlightOutcome outcome) {
    failedAt_ = step;
    outcome_ = outcome;
    flightDone_ = true;
}

void Throw::computeTrajectory() {
    const ClosedForm& c = closed_;
    if (!finite({c.alpha, c.a_max, c.Tp, c.Xp, c.Ymax, c.Tmax, c.Xmax, c.VxEnd, c.VyEnd, c.m, c.tau,
                 c.Vp1, c.Tp1, c.Xp1, c.Ymax1, c.Vp2, c.R2}) ||
        !(c.Tmax > 0))
        return fail(ThrowStep::closedForms, FlightOutcome::notFinite);

    const bool checkOnly = !settings_.curves && settings_.checkCurves;
    bool linearDrawable = true;
    linear_ = checkOnly ? linearDragWalk(in_, c, settings_.nSteps, linearDrawable)
                        : linearDragWalk(in_, c, settings_.nSteps);
    if (linear_.outcome != FlightOutcome::finished)
        return fail(ThrowStep::linearWalk, linear_.outcome);
    if (!finite({linear_.Tmax1, linear_.Xmax1, linear_.VxEnd1, linear_.VyEnd1}))
        return fail(ThrowStep::linearWalk, FlightOutcome::notFinite);

    setTrajectoryScale(settings_.scaleX, settings_.scaleY);
    if (failed())
        return;

    if (settings_.curves || checkOnly) {
        VacuumPath vacuum =
            vacuumPath(in_, c, trajectory_.trajOriginX, trajectory_.trajRangeX, settings_.nSteps);
        if (!drawable(c.Xp, c.Ymax) || !drawable(0.0, in_.h0) || !drawable(vacuum.points))
            return fail(ThrowStep::vacuumPath, FlightOutcome::notFinite);
        if (settings_.curves) {
            vacuum_ = std::move(vacuum);
            linearPath_.reserve(static_cast<std::size_t>(linear_.points));
            const FlightOutcome walked = linearDragPoints(in_, c, settings_.nSteps, linearPath_);
            if (walked != FlightOutcome::finished)
                return fail(ThrowStep::linearPath, walked);
            linearDrawable = drawable(linearPath_);
        }
        // The walk checked above walked the same points.
        if (!drawable(c.Xp1, c.Ymax1) || !linearDrawable)
            return fail(ThrowStep::linearPath, FlightOutcome::notFinite);
    }
    trajectoryReady_ = true;
}

void Throw::setTrajectoryScale(double scaleX, float scaleY) {
    settings_.scaleX = scaleX;
    settings_.scaleY = scaleY;
    if (!(linear_.outcome == FlightOutcome::finished && linear_.points > 0))
        return;
    trajectory_ = model::trajectoryRanges(closed_, linear_.Xmax1, scaleX > 0 ? scaleX : 0.1,
                                          scaleY > 0 ? scaleY : 0.1f);
    const TrajectoryRanges& r = trajectory_;
    if (!usableRect(r.left, r.top, r.right, r.bottom))
        fail(ThrowStep::trajectoryRanges, FlightOutcome::notFinite);
}

void Throw::thinLinearPath(double fraction) {
    if (!trajectoryReady_ || linearPath_.empty())
        return;
    const PanePoint start{0, static_cast<float>(in_.h0)};
    float left = start.x, right = start.x, bottom = start.y, top = start.y;
    for (const PanePoint& p : linearPath_) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    std::vector<PanePoint> kept =
        thinnedCurve(CurveView(start, linearPath_), fraction * (double(right) - left),
                     fraction * (double(top) - bottom));
    if (kept.size() > 1) // line-to targets after the start dot
        drawnLinear_.assign(kept.begin() + 1, kept.end());
}

FlightGroup Throw::flyGroup() {
    FlightGroup g;
    if (!trajectoryReady_ || flightDone_) {
        g.done = true;
        return g;
    }
    for (;;) {
        const QuadraticDragStepper::StepReport r = flight_.step();
        if (r.done && r.outcome != FlightOutcome::finished) {
            fail(ThrowStep::flight, r.outcome);
            g.done = true;
            return g;
        }
        if (r.apex) {
            g.top = true;
            piecesBeforeTop_ = pieces_.size();
        }
        if (++loopIndex_ == settings_.pauseEvery) {
            loopIndex_ = 0;
            g.pieceEnds = true;
            g.piece = {static_cast<float>(flight_.x()), static_cast<float>(flight_.y())};
            if (settings_.curves)
                pieces_.push_back(g.piece);
        }
        if (r.done) {
            flightDone_ = true;
            landed_ = true;
            g.done = true;
        }
        if (g.pieceEnds || g.done)
            return g;
    }
}

void Throw::computeVelocities() {
    if (!landed_ || velocitiesReady_ || failed())
        return;
    velocity_ = model::velocityRanges(in_, closed_, linear_.Tmax1, flight_.Tmax2(),
                                      settings_.scaleVx, settings_.scaleT);
    const VelocityRanges& v = velocity_;
    if (!usableRect(v.left, v.vxTop, v.right, v.vxBottom) ||
        !usableRect(v.left, v.vyTop, v.right, v.vyBottom))
        return fail(ThrowStep::velocityRanges, FlightOutcome::notFinite);
    if (settings_.curves || settings_.checkCurves) {
        curves_ = model::velocityCurves(in_, closed_, linear_.Tmax1, flight_.Tmax2(), flight_.dt(),
                                        settings_.nSteps, settings_.curves);
        if (curves_.outcome != FlightOutcome::finished)
            return fail(ThrowStep::velocityCurves, curves_.outcome);
        // Without curves the lists are empty and the walk checked their points.
        if (!curves_.drawable)
            return fail(ThrowStep::velocityCurves, FlightOutcome::notFinite);
        for (const auto* list : {&curves_.vacuumVx, &curves_.vacuumVy, &curves_.linearVx,
                                 &curves_.linearVy, &curves_.quadraticVx, &curves_.quadraticVy})
            if (!drawable(*list))
                return fail(ThrowStep::velocityCurves, FlightOutcome::notFinite);
    }
    velocitiesReady_ = true;
}

void Throw::runToEnd() {
    while (!flightDone_)
        flyGroup();
    computeVelocities();
}

std::optional<PanePoint> Throw::topMarker() const {
    if (!flight_.apexFound())
        return std::nullopt;
    return flight_.apexMarker();
}

bool Throw::known(Stage stage) const {
    switch (stage) {
    case Stage::closedForms:
        return true;
    case Stage::linearWalk:
        return linear_.outcome == FlightOutcome::finished && linear_.points > 0;
    case Stage::flightTop:
        return flight_.apexFound();
    case Stage::flightLanding:
        return landed_;
    }
    return false;
}

std::optional<double> Throw::value(Quantity q) const {
    if (!known(row(q).stage))
        return std::nullopt;
    switch (q) {
    case Quantity::Tmax1:
        return linear_.Tmax1;
    case Quantity::Xmax1:
        return linear_.Xmax1;
    case Quantity::VxEnd1:
        return linear_.VxEnd1;
    case Quantity::VyEnd1:
        return linear_.VyEnd1;
    case Quantity::Tp2:
        return flight_.Tp2();
    case Quantity::Xp2:
        return flight_.Xp2();
    case Quantity::Ymax2:
        return flight_.Ymax2();
    case Quantity::Tmax2:
        return flight_.Tmax2();
    case Quantity::Xmax2:
        return flight_.Xmax2();
    case Quantity::VxEnd2:
        return flight_.VxEnd2();
    case Quantity::VyEnd2:
        return flight_.VyEnd2();
    default:
        return closedFormValue(closed_, q);
    }
}

std::string Throw::text(Quantity q, char decimalSeparator) const {
    // Without viscosity tau is infinite: "tau ->00", "Vp1 ->00".
    if (!closed_.viscous && (q == Quantity::tau || q == Quantity::Vp1))
        return std::string(row(q).key) + " ->00";
    return labelText(q, value(q), decimalSeparator);
}

std::vector<Quantity> Throw::notFinite() const {
    std::vector<Quantity> out;
    for (const QuantityRow& r : quantityRows())
        if (const auto v = value(r.id); v && !std::isfinite(*v))
            out.push_back(r.id);
    return out;
}

} // namespace model
