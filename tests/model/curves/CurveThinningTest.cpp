#include "tests/model/curves/CurveTestSupport.h"

using namespace testing_model;

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
