#include "model/measure/ModelPath.h"

#include <boost/math/tools/minima.hpp>

#include <cmath>
#include <cstdint>
#include <limits>

namespace model::measure {

namespace {

// Enough samples that the nearest one lies beside the nearest place for any path the models
// draw (one turn at the top); the search then refines between its neighbours.
constexpr int kSamples = 160;

double squared(double x, double y, const exact::State& s) {
    return (s.x - x) * (s.x - x) + (s.y - y) * (s.y - y);
}

// The cubic through a and b with their velocities, at a.t ≤ t ≤ b.t.
exact::State hermite(const exact::State& a, const exact::State& b, double t) {
    const double h = b.t - a.t, u = (t - a.t) / h;
    const double h00 = (1 + 2 * u) * (1 - u) * (1 - u), h10 = u * (1 - u) * (1 - u),
                 h01 = u * u * (3 - 2 * u), h11 = u * u * (u - 1);
    const double d00 = 6 * u * (u - 1), d10 = (1 - u) * (1 - 3 * u), d01 = -d00,
                 d11 = u * (3 * u - 2);
    return {t, h00 * a.x + h10 * h * a.vx + h01 * b.x + h11 * h * b.vx,
            h00 * a.y + h10 * h * a.vy + h01 * b.y + h11 * h * b.vy,
            (d00 * a.x + d01 * b.x) / h + d10 * a.vx + d11 * b.vx,
            (d00 * a.y + d01 * b.y) / h + d10 * a.vy + d11 * b.vy};
}

} // namespace

ModelPath::ModelPath(const Inputs& inputs, ModelKind model) {
    const exact::ExactFlight flight(inputs, model);
    const exact::Landing landing = flight.landing();
    if (!landing.reached || !(landing.t > 0) || !std::isfinite(landing.t))
        return;
    std::vector<double> times(kSamples + 1);
    for (int i = 0; i <= kSamples; ++i)
        times[static_cast<std::size_t>(i)] = landing.t * i / kSamples;
    samples_ = flight.at(times);
    finite_ = samples_.size() == times.size();
    for (const exact::State& s : samples_)
        finite_ = finite_ && std::isfinite(s.x) && std::isfinite(s.y);
}

Offset ModelPath::offset(double x, double y) const {
    if (!finite_)
        return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
    const exact::State s = nearest(x, y);
    return {x - s.x, y - s.y};
}

double ModelPath::signedDistance(double x, double y) const {
    if (!finite_)
        return std::numeric_limits<double>::quiet_NaN();
    const exact::State s = nearest(x, y);
    const double speed = std::hypot(s.vx, s.vy);
    const double dx = x - s.x, dy = y - s.y;
    const double across = speed > 0 ? (dy * s.vx - dx * s.vy) / speed : std::hypot(dx, dy);
    const bool atEnd = s.t <= samples_.front().t || s.t >= samples_.back().t;
    return atEnd ? std::copysign(std::hypot(dx, dy), across) : across;
}

exact::State ModelPath::nearest(double x, double y) const {
    std::size_t nearest = 0;
    double least = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < samples_.size(); ++i)
        if (const double d = squared(x, y, samples_[i]); d < least) {
            least = d;
            nearest = i;
        }
    // Between the nearest sample's neighbours the distance has one minimum: Brent's search, on
    // the cubic through the samples' positions and velocities (exact to far below a millimetre
    // at this spacing; the model's own values would integrate the flight again at each try).
    const std::size_t first = nearest == 0 ? 0 : nearest - 1;
    const std::size_t last = nearest + 1 == samples_.size() ? nearest : nearest + 1;
    const auto between = [this, first, last](double t) {
        std::size_t k = first;
        while (k + 1 < last && t > samples_[k + 1].t)
            ++k;
        return hermite(samples_[k], samples_[k + 1], t);
    };
    std::uintmax_t iterations = 60;
    const auto [t, d2] =
        boost::math::tools::brent_find_minima([&](double at) { return squared(x, y, between(at)); },
                                              samples_[first].t, samples_[last].t, 40, iterations);
    return d2 < least ? between(t) : samples_[nearest];
}

} // namespace model::measure
