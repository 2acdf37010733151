#include "model/measure/Comparison.h"

#include "model/exact/ExactFlight.h"
#include "model/measure/ModelPath.h"
#include "model/measure/VerticalMotion.h"

#include <cmath>
#include <limits>

namespace model::measure {

std::vector<VelocityPoint> velocities(const std::vector<Point>& points) {
    std::vector<VelocityPoint> v;
    if (points.size() < 2)
        return v;
    v.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& a = points[i == 0 ? 0 : i - 1];
        const Point& b = points[i + 1 == points.size() ? i : i + 1];
        const double dt = b.t - a.t;
        v.push_back({points[i].t, (b.x - a.x) / dt, (b.y - a.y) / dt});
    }
    return v;
}

double rmsResidual(const std::vector<Point>& points, const Inputs& inputs, ModelKind model) {
    if (points.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::vector<double> times;
    times.reserve(points.size());
    for (const Point& p : points)
        times.push_back(p.t);
    const auto states = exact::statesOnFlight(inputs, model, times);
    double sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double dx = states[i].x - points[i].x, dy = states[i].y - points[i].y;
        sum += dx * dx + dy * dy;
    }
    return std::sqrt(sum / static_cast<double>(points.size()));
}

OutsideFlight outsideFlight(const std::vector<Point>& points, const Inputs& inputs,
                            ModelKind model) {
    const exact::Landing landing = exact::flightEnds(inputs, model).landing;
    OutsideFlight o;
    for (const Point& p : points) {
        o.beforeLaunch += p.t < 0 ? 1 : 0;
        o.afterLanding += landing.reached && p.t > landing.t ? 1 : 0;
    }
    return o;
}

double rmsPathDistance(const std::vector<Point>& points, const Inputs& inputs, ModelKind model) {
    const ModelPath path(inputs, model);
    if (points.empty() || !path.finite())
        return std::numeric_limits<double>::quiet_NaN();
    double sum = 0;
    for (const Point& p : points) {
        const Offset o = path.offset(p.x, p.y);
        sum += o.dx * o.dx + o.dy * o.dy;
    }
    return std::sqrt(sum / static_cast<double>(points.size()));
}

Residuals residuals(const Measurements& m, const Inputs& inputs) {
    if (!m.withoutTimes())
        return residuals(m.points, inputsFor(m, inputs));
    return {rmsPathDistance(m.points, inputs, ModelKind::vacuum),
            rmsPathDistance(m.points, inputs, ModelKind::linear),
            rmsPathDistance(m.points, inputs, ModelKind::quadratic)};
}

Residuals residuals(const std::vector<Point>& points, const Inputs& inputs) {
    return {rmsResidual(points, inputs, ModelKind::vacuum),
            rmsResidual(points, inputs, ModelKind::linear),
            rmsResidual(points, inputs, ModelKind::quadratic)};
}

} // namespace model::measure
