#include "model/curves/CurveThinning.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace model {

namespace {

// Walks the points in units of the tolerance. From the last point kept (the anchor), every
// point passed narrows a cone of directions: a chord in the cone passes within one unit of
// them all. A point outside the cone, or one that turns back towards the anchor, keeps the
// point before it, which becomes the new anchor. Points within half a unit of the point before
// are passed over outright, which adds at most that half unit.
class Thinner {
public:
    Thinner(double toleranceX, double toleranceY, std::vector<PanePoint>& out)
        : sx_(1 / toleranceX), sy_(1 / toleranceY), out_(out) {}

    void add(PanePoint p) {
        const double u = p.x * sx_, v = p.y * sy_;
        if (out_.empty()) {
            keep(p, u, v);
            return;
        }
        if (std::hypot(u - lastU_, v - lastV_) < 0.5) {
            pending_ = p;
            hasPending_ = true;
            return;
        }
        if (!fitsCone(u, v)) {
            keep(last_, lastU_, lastV_);
            fitsCone(u, v);
        }
        last_ = p;
        lastU_ = u;
        lastV_ = v;
        hasPending_ = false;
    }

    void finish() {
        const PanePoint end = hasPending_ ? pending_ : last_;
        if (!out_.empty() && !(out_.back() == end))
            out_.push_back(end);
    }

private:
    void keep(PanePoint p, double u, double v) {
        out_.push_back(p);
        anchorU_ = lastU_ = u;
        anchorV_ = lastV_ = v;
        last_ = p;
        cone_ = false;
        reach_ = 0;
    }

    // Narrows the cone by the point; false (and the cone as it was) when the point lies outside.
    bool fitsCone(double u, double v) {
        const double du = u - anchorU_, dv = v - anchorV_;
        const double r = std::hypot(du, dv);
        if (r <= 1)
            return true;
        if (!cone_) {
            refU_ = du / r;
            refV_ = dv / r;
            lo_ = -std::asin(1 / r);
            hi_ = -lo_;
            cone_ = true;
            reach_ = r;
            return true;
        }
        const double angle = std::atan2(refU_ * dv - refV_ * du, refU_ * du + refV_ * dv);
        if (angle < lo_ || angle > hi_ || r < reach_ - 1)
            return false;
        const double half = std::asin(1 / r);
        lo_ = std::max(lo_, angle - half);
        hi_ = std::min(hi_, angle + half);
        reach_ = std::max(reach_, r);
        return true;
    }

    double sx_, sy_;
    std::vector<PanePoint>& out_;
    double anchorU_ = 0, anchorV_ = 0, lastU_ = 0, lastV_ = 0;
    PanePoint last_{}, pending_{};
    bool hasPending_ = false;
    bool cone_ = false;
    double refU_ = 1, refV_ = 0, lo_ = 0, hi_ = 0, reach_ = 0;
};

} // namespace

std::vector<PanePoint> thinnedCurve(const CurveView& curve, double toleranceX, double toleranceY) {
    std::vector<PanePoint> out;
    if (!(toleranceX > 0) || !(toleranceY > 0)) {
        for (std::size_t i = 0;
             i < curve.size() && std::isfinite(curve[i].x) && std::isfinite(curve[i].y); ++i)
            out.push_back(curve[i]);
        return out;
    }
    Thinner thinner(toleranceX, toleranceY, out);
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const PanePoint p = curve[i];
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            break;
        thinner.add(p);
    }
    thinner.finish();
    out.shrink_to_fit();
    return out;
}

} // namespace model
