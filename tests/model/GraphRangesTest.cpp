#include "model/GraphRanges.h"
#include "model/ClosedForm.h"
#include "model/Rounding.h"

#include <gtest/gtest.h>

#include <array>

using model::Inputs;

// The default throw's ranges: ThrowTest. Here the edges that fall on whole numbers.
TEST(GraphRanges, VelocityEdges) {
    Inputs in;
    in.v0 = 2;
    in.alphaDeg = 0;
    auto cf = model::closedForms(in);
    auto v = model::velocityRanges(in, cf, 0.4, 0.4, 1, 1);
    EXPECT_EQ(v.vxTop, 2); // a whole-number Vx lies on the top edge
    EXPECT_EQ(v.tRange, 1);
    in.alphaDeg = -30;
    cf = model::closedForms(in);
    v = model::velocityRanges(in, cf, 2.2, 2.7, 1, 1);
    EXPECT_EQ(v.vyTop, -1); // the Vy pane's top edge lies below zero
    EXPECT_EQ(v.tRange, 3); // Tmax2 is the larger here; the vacuum time plays no part
}

TEST(GraphRanges, LargerValueAndSinglePrecisionDecide) {
    model::ClosedForm cf;
    cf.Xmax = 1.32;
    cf.Ymax = 3.0;
    cf.Ymax1 = 2.5;
    auto t = model::trajectoryRanges(cf, 1.45, 1, 1.0f);
    EXPECT_EQ((std::array<double, 2>{t.trajRangeX, t.trajRangeY}), (std::array<double, 2>{2, 3}));
    // The height is taken in single precision before rounding up, the range is not.
    cf.Ymax = cf.Xmax = 2.00000001;
    cf.Ymax1 = 0;
    t = model::trajectoryRanges(cf, 1, 1, 1.0f);
    EXPECT_EQ((std::array<double, 2>{t.trajRangeX, t.trajRangeY}), (std::array<double, 2>{3, 2}));
    // Scale factors: scaleX moves the right edge, scaleY the top edge only.
    t = model::trajectoryRanges(cf, 1, 0.5, 2.5f);
    EXPECT_EQ((std::array<double, 4>{t.left, t.top, t.right, t.bottom}),
              (std::array<double, 4>{0, 5, 1.5, 0}));
}

TEST(Rounding, WholeNumbersAndGridSteps) {
    // Rounding up corrects the nearest even (0.5 → 0 → 1); 1.5 − 9.814·0.5068 is a default Vy.
    const std::pair<double, double> ups[] = {{1.3, 2}, {2.5, 3}, {2.0, 2}, {-3.7, -3}, {0.5, 1}};
    for (const auto& [x, whole] : ups)
        EXPECT_EQ(model::roundUp(x), whole) << x;
    const std::pair<double, double> downs[] = {
        {-3.47, -4}, {-3.0, -3}, {1.5, 1}, {-2.5, -3}, {1.5 - 9.814 * 0.5068, -4}};
    for (const auto& [x, whole] : downs)
        EXPECT_EQ(model::roundDown(x), whole) << x;

    const std::pair<double, double> steps[] = {{1, 0.25}, {2, 0.25}, {2.5, 0.25}, {3, 0.5},
                                               {5, 0.5},  {6, 1},    {14, 1},     {15, 2},
                                               {25, 2},   {35, 4},   {36, 4}};
    for (const auto& [span, step] : steps)
        EXPECT_EQ(model::gridStep(span), step) << span;
}
