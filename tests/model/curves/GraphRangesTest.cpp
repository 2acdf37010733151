#include "tests/model/ThrowTestSupport.h"

using namespace testing_model;

// The default throw's ranges: ThrowControllerTest. Here the edges that fall on whole numbers.
TEST(GraphRanges, EdgesLargerValueAndSinglePrecision) {
    // A whole-number Vx lies on the top edge; the Vy pane's top edge may lie below zero; the
    // time edge follows the larger of Tmax1 and Tmax2, the vacuum time plays no part.
    Inputs in{.v0 = 2, .alphaDeg = 0};
    auto v = model::velocityRanges(in, model::closedForms(in), 0.4, 0.4, 1, 1);
    EXPECT_EQ((std::array{v.vxTop, v.tRange}), (std::array{2.0, 1.0}));
    in.alphaDeg = -30;
    v = model::velocityRanges(in, model::closedForms(in), 2.2, 2.7, 1, 1);
    EXPECT_EQ((std::array{v.vyTop, v.tRange}), (std::array{-1.0, 3.0}));

    auto t = model::trajectoryRanges({.Ymax = 3.0, .Xmax = 1.32, .Ymax1 = 2.5}, 1.45, 1, 1.0f);
    EXPECT_EQ((std::array<double, 2>{t.trajRangeX, t.trajRangeY}), (std::array<double, 2>{2, 3}));
    // The height is taken in single precision before rounding up, the range is not.
    t = model::trajectoryRanges({.Ymax = 2.00000001, .Xmax = 2.00000001}, 1, 1, 1.0f);
    EXPECT_EQ((std::array<double, 2>{t.trajRangeX, t.trajRangeY}), (std::array<double, 2>{3, 2}));
}
