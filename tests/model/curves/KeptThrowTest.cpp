#include "tests/model/curves/CurveTestSupport.h"

using namespace testing_model;

// The trajectory pane's range held for a kept throw: ToolCommandsTest's comparison.
TEST(KeptThrow, VelocityRangesGrowToHoldEveryKeptThrow) {
    Throw current(model::Inputs{}), far(model::Inputs{0.5, 6, 30, 0.4, 7800, 1000, 0.001006});
    current.runToEnd();
    far.runToEnd();
    const model::KeptThrow kept = model::keptThrow(far, 1);
    EXPECT_LT(kept.pointCount(), 3000u);
    const auto v = model::grownVelocityRanges(current, {&kept});
    ASSERT_TRUE(v);
    EXPECT_EQ(v->vxTop, far.velocityRanges().vxTop);
    EXPECT_EQ(v->vyBottom,
              std::min(far.velocityRanges().vyBottom, current.velocityRanges().vyBottom));
}
