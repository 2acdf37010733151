#include "ui/measure/MeasuredData.h"

#include "model/measure/Comparison.h"
#include "ui/measure/MeasuredDrawing.h"
#include "ui/platform/Language.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"

#include <algorithm>
#include <cmath>

namespace ui {

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
    return has() ? measuredTrajectoryRanges(measurements(), current) : current.trajectoryRanges();
}

std::optional<model::VelocityRanges>
MeasuredData::velocityRanges(const model::Throw& current) const {
    return measuredVelocityRanges(velocities_, current);
}

void MeasuredData::drawTrajectory(graphs::PaneSurface& pane, const model::Throw&,
                                  const model::TrajectoryRanges& r) const {
    if (has())
        drawMeasuredTrajectory(pane, measurements(), r);
}

void MeasuredData::drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                                  const model::VelocityRanges& v) const {
    if (has())
        drawMeasuredVelocities(vxPane, vyPane, velocities_, v);
}

std::vector<ThrowUnderlay::ReadoutPoint> MeasuredData::readoutPoints(model::Graph g, double x,
                                                                     double y) const {
    if (!has())
        return {};
    const std::optional<NearestPoint> p =
        nearestMeasuredPoint(measurements(), velocities_, g, x, y);
    if (!p)
        return {};
    return {{Texts::tr("точка %1:").arg(p->index + 1), measuredColour, p->x, p->y}};
}

} // namespace ui
