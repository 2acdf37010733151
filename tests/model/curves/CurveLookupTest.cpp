#include "tests/model/curves/CurveTestSupport.h"

using namespace testing_model;

TEST(CurveLookup, InterpolatesWithinRunsFollowsAGrowingCurveAndAnswersNothingOutside) {
    const std::vector<PanePoint> rising{{0, 1}, {1, 3}, {2, 3}, {4, -1}};
    EXPECT_DOUBLE_EQ(*at(rising, 0.5), 2);
    EXPECT_DOUBLE_EQ(*at(rising, 3), 1);
    for (const double outside : {-0.01, 4.01, std::nan("")})
        EXPECT_FALSE(at(rising, outside)) << outside;

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

    // One lookup follows a curve that grows (and may move in memory), and notices another one.
    std::vector<PanePoint> flight{{0, 0}, {1, 1}};
    EXPECT_FALSE(lookup.valueAt(CurveView(flight), 1.5));
    flight.push_back({2, 0}); // may move the list elsewhere
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(flight), 1.5), 0.5);
    flight.push_back({1, -1}); // turns back
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(flight), 1.5), 0.5);
    const std::vector<PanePoint> other{{0, 5}, {4, 1}};
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(other), 2), 3);
}
