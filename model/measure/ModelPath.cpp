#include "model/measure/ModelPath.h"

#include <boost/math/tools/minima.hpp>

#include <cmath>
#include <cstdint>
#include <limits>

namespace model::measure {

namespace {

// Enough samples that the nearest one lies beside the nearest place for any path the models
// draw (one turn at the top); the search then refines between its neighbours.
constexpr int kSamples = 400;

double squared(double x, double y, const exact::State& s) {
    return (s.x - x) * (s.x - x) + (s.y - y) * (s.y - y);
}

} // namespace

ModelPath::ModelPath(const Inputs& inputs, ModelKind model) : flight_(inputs, model) {
    const exact::Landing landing = flight_.landing();
    if (!landing.reached || !(landing.t > 0) || !std::isfinite(landing.t))
        return;
    std::vector<double> times(kSamples + 1);
    for (int i = 0; i <= kSamples; ++i)
        times[static_cast<std::size_t>(i)] = landing.t * i / kSamples;
    samples_ = flight_.at(times);
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
    // Between the nearest sample's neighbours the distance has one minimum: Brent's search.
    const double from = samples_[nearest == 0 ? 0 : nearest - 1].t;
    const double to = samples_[nearest + 1 == samples_.size() ? nearest : nearest + 1].t;
    std::uintmax_t iterations = 60;
    const auto [t, d2] = boost::math::tools::brent_find_minima(
        [&](double at) { return squared(x, y, flight_.at(at)); }, from, to, 40, iterations);
    return d2 < least ? flight_.at(t) : samples_[nearest];
}

} // namespace model::measure
