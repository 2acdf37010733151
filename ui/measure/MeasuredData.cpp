#include "ui/measure/MeasuredData.h"

#include "model/measure/Comparison.h"
#include "ui/platform/Language.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// A marker a hundred and sixtieth of the pane's span across; at most this many markers are
// drawn, evenly chosen, so that a long table does not cover the curves.
constexpr double markerShare = 1.0 / 160;
constexpr std::size_t maxMarkers = 1500;

struct Span {
    double left, top, right, bottom;
};

void cross(graphs::PaneSurface& pane, double x, double y, const Span& s) {
    const double dx = (s.right - s.left) * markerShare, dy = (s.top - s.bottom) * markerShare;
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    pane.drawLine(float(x - dx), float(y - dy), float(x + dx), float(y + dy), measuredColour);
    pane.drawLine(float(x - dx), float(y + dy), float(x + dx), float(y - dy), measuredColour);
}

template <typename Points, typename Draw> void everyShown(const Points& points, Draw draw) {
    const std::size_t step =
        std::max<std::size_t>(1, (points.size() + maxMarkers - 1) / maxMarkers);
    for (std::size_t i = 0; i < points.size(); i += step)
        draw(points[i]);
}

// A whole-number span of at least 1, as the panes' own ranges are.
double spanUp(double v) {
    return std::max(1.0, std::ceil(v));
}

} // namespace

MeasuredData::MeasuredData(ThrowController& controller, SessionObject& session, QObject* parent)
    : QObject(parent), controller_(controller), session_(session) {
    controller_.addUnderlay(this);
    connect(&session_, &SessionObject::measurementsChanged, this, &MeasuredData::follow);
    connect(&session_, &SessionObject::lessonReplaced, this, &MeasuredData::follow);
}

MeasuredData::~MeasuredData() {
    controller_.removeUnderlay(this);
}

bool MeasuredData::has() const {
    return session_.session().measurements().has_value();
}

const model::measure::Measurements& MeasuredData::measurements() const {
    return *session_.session().measurements();
}

const std::optional<model::measure::FitResult>& MeasuredData::fit() const {
    return session_.session().fit();
}

void MeasuredData::setFit(model::measure::FitResult fit) {
    session_.session().setFit(std::move(fit));
}

void MeasuredData::set(model::measure::Measurements measurements) {
    session_.session().setMeasurements(std::move(measurements));
}

void MeasuredData::clear() {
    session_.removeMeasurements();
}

void MeasuredData::follow() {
    // A path without times has no velocities: its points' order is not a clock.
    velocities_ = has() && !measurements().withoutTimes()
                      ? model::measure::velocities(measurements().points)
                      : std::vector<model::measure::VelocityPoint>{};
    controller_.redrawPanes();
    emit changed();
}

model::TrajectoryRanges MeasuredData::trajectoryRanges(const model::Throw& current) const {
    model::TrajectoryRanges r = current.trajectoryRanges();
    if (!has())
        return r;
    double maxX = 0, maxY = 0;
    for (const model::measure::Point& p : measurements().points) {
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    r.trajRangeX = std::max(r.trajRangeX, spanUp(maxX));
    r.trajRangeY = std::max(r.trajRangeY, float(spanUp(maxY)));
    const double scaleX = current.settings().scaleX > 0 ? current.settings().scaleX : 0.1;
    const float scaleY = current.settings().scaleY > 0 ? current.settings().scaleY : 0.1f;
    r.right = r.trajRangeX * scaleX;
    r.top = scaleY * r.trajRangeY;
    return r;
}

std::optional<model::VelocityRanges>
MeasuredData::velocityRanges(const model::Throw& current) const {
    std::optional<model::VelocityRanges> r;
    if (current.velocitiesReady())
        r = current.velocityRanges();
    if (!has() || velocities_.empty())
        return r;
    if (!r) {
        r.emplace();
        r->vyRangeTop = 1;
        r->vyRangeBottom = -1;
    }
    for (const model::measure::VelocityPoint& v : velocities_) {
        r->tRange = std::max(r->tRange, spanUp(v.t));
        r->vxRange = std::max(r->vxRange, spanUp(v.vx));
        r->vyRangeTop = std::max(r->vyRangeTop, float(std::ceil(v.vy)));
        r->vyRangeBottom = std::min(r->vyRangeBottom, std::floor(v.vy));
    }
    model::placeVelocityEdges(*r, current.settings().scaleVx, current.settings().scaleT);
    return r;
}

void MeasuredData::drawTrajectory(graphs::PaneSurface& pane, const model::Throw&,
                                  const model::TrajectoryRanges& r) const {
    if (!has())
        return;
    const Span s{r.left, r.top, r.right, r.bottom};
    pane.setPenWidth(2);
    everyShown(measurements().points,
               [&](const model::measure::Point& p) { cross(pane, p.x, p.y, s); });
}

void MeasuredData::drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                                  const model::VelocityRanges& v) const {
    if (!has())
        return;
    const Span sx{v.left, v.vxTop, v.right, v.vxBottom}, sy{v.left, v.vyTop, v.right, v.vyBottom};
    vxPane.setPenWidth(2);
    vyPane.setPenWidth(2);
    everyShown(velocities_, [&](const model::measure::VelocityPoint& p) {
        cross(vxPane, p.t, p.vx, sx);
        cross(vyPane, p.t, p.vy, sy);
    });
}

std::vector<ThrowUnderlay::ReadoutPoint> MeasuredData::readoutPoints(model::Graph g, double x,
                                                                     double y) const {
    if (!has())
        return {};
    const auto& points = measurements().points;
    const bool trajectory = g == model::Graph::trajectory;
    auto abscissa = [&](std::size_t i) { return trajectory ? points[i].x : velocities_[i].t; };
    auto value = [&](std::size_t i) {
        return trajectory              ? points[i].y
               : g == model::Graph::vx ? velocities_[i].vx
                                       : velocities_[i].vy;
    };
    // A vertical motion's points are one column at x = 0: the pointer's height tells them apart.
    const bool byHeight = trajectory && measurements().vertical();
    auto distance = [&](std::size_t i) {
        return byHeight ? std::abs(value(i) - y) : std::abs(abscissa(i) - x);
    };
    const std::size_t n = trajectory ? points.size() : velocities_.size();
    if (n == 0)
        return {};
    std::size_t best = 0;
    for (std::size_t i = 1; i < n; ++i)
        if (distance(i) < distance(best))
            best = i;
    return {{Texts::tr("точка %1:").arg(best + 1), measuredColour, abscissa(best), value(best)}};
}

} // namespace ui
