#include "model/CurveLookup.h"
#include "model/CurveThinning.h"
#include "model/ThrowCurves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using model::CurveLookup;
using model::CurveView;
using model::PanePoint;

namespace {

std::optional<double> at(const std::vector<PanePoint>& points, double x) {
    CurveLookup lookup;
    return lookup.valueAt(CurveView(points), x);
}

// Distance from p to the polyline.
double distance(PanePoint p, const std::vector<PanePoint>& line) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < line.size(); ++i) {
        const double ax = line[i - 1].x, ay = line[i - 1].y;
        const double dx = line[i].x - ax, dy = line[i].y - ay;
        const double len2 = dx * dx + dy * dy;
        const double s =
            len2 > 0 ? std::clamp(((p.x - ax) * dx + (p.y - ay) * dy) / len2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(p.x - (ax + s * dx), p.y - (ay + s * dy)));
    }
    return best;
}

} // namespace

TEST(CurveLookup, InterpolatesWithinRunsAndAnswersNothingOutside) {
    const std::vector<PanePoint> rising{{0, 1}, {1, 3}, {2, 3}, {4, -1}};
    EXPECT_DOUBLE_EQ(*at(rising, 0.5), 2);
    EXPECT_DOUBLE_EQ(*at(rising, 3), 1);
    EXPECT_FALSE(at(rising, -0.01));
    EXPECT_FALSE(at(rising, 4.01));
    EXPECT_FALSE(at(rising, std::nan("")));

    // A start point before the list; a curve that turns back answers with its first pass; a
    // sinking stretch with its first point; a curve ends at its first point that is not finite.
    CurveLookup lookup;
    const std::vector<PanePoint> rest{{2, 2}, {1, 4}};
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView({0, 0}, rest), 1.5), 1.5);
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView({0, 0}, rest), 1.0), 1.0);
    EXPECT_DOUBLE_EQ(*at({{0, 5}, {1, 4}, {1, 3}, {1, 2}, {2, 2}}, 1), 4);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(at({{0, 0}, {1, 1}, {2, nan}, {3, 3}}, 2.5));
    EXPECT_DOUBLE_EQ(*at({{3, 0}, {1, 2}}, 2), 1); // falling
}

TEST(CurveLookup, FollowsACurveThatGrowsAndNoticesAnotherOne) {
    std::vector<PanePoint> flight{{0, 0}, {1, 1}};
    CurveLookup lookup;
    EXPECT_FALSE(lookup.valueAt(CurveView(flight), 1.5));
    flight.push_back({2, 0}); // may move the list elsewhere
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(flight), 1.5), 0.5);
    flight.push_back({1, -1}); // turns back
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(flight), 1.5), 0.5);
    const std::vector<PanePoint> other{{0, 5}, {4, 1}};
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(other), 2), 3);
}

TEST(CurveThinning, KeepsAFewPointsWithinTheTolerance) {
    // A million points of a parabola and of a ball sinking straight down after it.
    std::vector<PanePoint> curve;
    for (int i = 0; i <= 1000000; ++i) {
        const double x = i < 500000 ? 2.0 * i / 500000 : 2;
        const double y = i < 500000 ? x * (2 - x) : -(i - 500000) * 1e-6;
        curve.push_back({float(x), float(y)});
    }
    const double tolerance = 2.0 / 8192;
    const std::vector<PanePoint> thin = model::thinnedCurve(CurveView(curve), tolerance, tolerance);
    EXPECT_LT(thin.size(), 400u);
    EXPECT_EQ(thin.front(), curve.front());
    EXPECT_EQ(thin.back(), curve.back());
    double worst = 0;
    for (std::size_t i = 0; i < curve.size(); i += 97)
        worst = std::max(worst, distance(curve[i], thin));
    EXPECT_LT(worst, 2 * tolerance);
}

TEST(KeptThrow, RangesGrowToHoldEveryKeptThrow) {
    model::Throw current(model::Inputs{});
    current.runToEnd();
    model::Inputs faster;
    faster.v0 = 6;
    model::Throw far(faster);
    far.runToEnd();
    const model::KeptThrow kept = model::keptThrow(far, 1);
    EXPECT_LT(kept.pointCount(), 3000u);
    EXPECT_EQ(model::grownTrajectoryRanges(current, {&kept}).top, far.trajectoryRanges().top);
    const auto v = model::grownVelocityRanges(current, {&kept});
    ASSERT_TRUE(v);
    EXPECT_EQ(v->vxTop, far.velocityRanges().vxTop);
    EXPECT_EQ(v->vyBottom,
              std::min(far.velocityRanges().vyBottom, current.velocityRanges().vyBottom));
}
