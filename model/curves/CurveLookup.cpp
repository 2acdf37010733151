#include "model/curves/CurveLookup.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

bool finite(PanePoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace

bool CurveLookup::fits(const CurveView& curve) const {
    return indexed_ == 0 ||
           (curve.size() >= indexed_ && curve[0] == first_ && curve[indexed_ - 1] == last_);
}

void CurveLookup::extend(const CurveView& curve) {
    if (!fits(curve)) {
        runs_.clear();
        indexed_ = 0;
        ended_ = false;
    }
    for (std::size_t i = indexed_; i < curve.size() && !ended_; ++i) {
        const PanePoint p = curve[i];
        if (!finite(p)) {
            ended_ = true;
            break;
        }
        if (i == 0) {
            first_ = p;
        } else if (Run& run = runs_.back(); run.first == run.last || run.low == run.high) {
            // A run whose x has not changed yet takes the direction of its first change.
            run.falling = p.x < run.low;
            run.last = i;
        } else if (run.falling ? p.x <= last_.x : p.x >= last_.x) {
            run.last = i;
        } else {
            // The turning point ends one run and starts the next.
            runs_.push_back({i - 1, i, p.x < last_.x, last_.x, last_.x});
        }
        if (i == 0)
            runs_.push_back({0, 0, false, p.x, p.x});
        Run& run = runs_.back();
        run.low = std::min(run.low, p.x);
        run.high = std::max(run.high, p.x);
        last_ = p;
        indexed_ = i + 1;
    }
}

double CurveLookup::inRun(const CurveView& curve, const Run& run, double x) {
    // The first point of the run at or past x (x lies within the run's span).
    std::size_t lo = run.first, hi = run.last;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        const double mx = curve[mid].x;
        if (run.falling ? mx <= x : mx >= x)
            hi = mid;
        else
            lo = mid + 1;
    }
    const PanePoint b = curve[lo];
    if (lo == run.first || b.x == x)
        return b.y;
    const PanePoint a = curve[lo - 1];
    const double share = (x - a.x) / (double(b.x) - a.x);
    return a.y + share * (double(b.y) - a.y);
}

std::optional<double> CurveLookup::valueAt(const CurveView& curve, double x) {
    extend(curve);
    if (!std::isfinite(x))
        return std::nullopt;
    for (const Run& run : runs_)
        if (x >= run.low && x <= run.high)
            return inRun(curve, run, x);
    return std::nullopt;
}

} // namespace model
