#include "model/VacuumPath.h"
#include "model/ClosedForm.h"

#include <gtest/gtest.h>

using model::Inputs;

TEST(VacuumPath, StopsAfterTheFirstPointBelowGroundOrAtTheRange) {
    const Inputs in;
    const auto cf = model::parametr(in);
    auto p = model::raschet0(in, cf, 0, 2, 1000);
    EXPECT_EQ(static_cast<double>(p.stepX), 0.0020000000949949026);
    EXPECT_EQ(p.lastLoopIndex, 659);
    EXPECT_EQ(p.points.size(), 660u);
    EXPECT_NEAR(p.lastY, -0.00188, 1e-5);
    // The abscissa is formed in single precision: 659 · 0.002f, not 659 · 0.002.
    EXPECT_EQ(p.lastX, static_cast<double>(659.0f * 0.002f));
    EXPECT_EQ(p.points.front(), (model::PanePoint{0, 0.5f}));
    for (std::size_t i = 0; i + 1 < p.points.size(); ++i)
        ASSERT_GE(p.points[i].y, 0) << i;

    // A range shorter than the flight draws every segment.
    p = model::raschet0(in, cf, 0, 1, 1000);
    EXPECT_EQ(p.points.size(), 1001u);
    EXPECT_EQ(p.lastLoopIndex, 1000);
    EXPECT_NEAR(p.lastX, 1.0, 1e-6);
    EXPECT_GT(p.lastY, 0);
}
