#pragma once

#include "model/curves/PanePoint.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace model {

// The points of a curve as a pane draws them, without copying them: an optional start point
// (the dot a trajectory begins at) followed by a list.
class CurveView {
public:
    CurveView() = default;
    explicit CurveView(std::span<const PanePoint> points) : rest_(points) {}
    CurveView(PanePoint start, std::span<const PanePoint> rest)
        : start_(start), hasStart_(true), rest_(rest) {}

    std::size_t size() const { return rest_.size() + (hasStart_ ? 1 : 0); }
    bool empty() const { return size() == 0; }
    PanePoint operator[](std::size_t i) const {
        return hasStart_ ? (i == 0 ? start_ : rest_[i - 1]) : rest_[i];
    }

private:
    PanePoint start_{};
    bool hasStart_ = false;
    std::span<const PanePoint> rest_;
};

// The value y of a curve at an abscissa x, by linear interpolation between its points.
//
// The curve is cut into runs along which x only grows or only falls (a trajectory thrown
// forward is one run; a ball blown back would make two). Each run is searched by bisection and
// the first run along the curve that spans x answers; where x stays the same for several
// points (a ball sinking straight down) the first of them answers. Outside every run there is
// no value; a curve is read up to its first point that is not a finite number, as it is drawn.
//
// The lookup remembers its runs between queries. A curve that grew at its end since (a flight
// drawn piece by piece) is indexed from where it stopped; any other curve is indexed afresh.
class CurveLookup {
public:
    std::optional<double> valueAt(const CurveView& curve, double x);

private:
    struct Run {
        std::size_t first, last; // indices of its first and last point
        bool falling;            // x falls along it (for a run whose x never changes: false)
        float low, high;         // the x it spans
    };

    bool fits(const CurveView& curve) const;
    void extend(const CurveView& curve);
    static double inRun(const CurveView& curve, const Run& run, double x);

    std::vector<Run> runs_;
    std::size_t indexed_ = 0;
    PanePoint first_{}, last_{}; // the first and last point indexed
    bool ended_ = false;         // a point that is not finite ended the curve
};

} // namespace model
