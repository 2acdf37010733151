#include "model/VelocityCurves.h"
#include "model/ClosedForm.h"
#include "model/LinearDrag.h"
#include "model/QuadraticDragFlight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using model::FlightOutcome;
using model::Inputs;

namespace {

model::VelocityCurves curvesFor(const Inputs& in) {
    const auto cf = model::parametr(in);
    const auto lin = model::raschet1(in, cf, 1000);
    const auto quad = model::flyQuadraticDrag(in, cf, 1000, 10);
    return model::raschet3(in, cf, lin.Tmax1, quad.Tmax2, quad.dt, 1000);
}

} // namespace

TEST(VelocityCurves, DefaultThrow) {
    const Inputs in;
    const auto cf = model::parametr(in);
    const auto c = curvesFor(in);
    ASSERT_EQ(c.outcome, FlightOutcome::finished);
    EXPECT_EQ(c.vy0, 1.5f); // v0·sinα = 1.4999999984 rounds to exactly 1.5
    ASSERT_EQ(c.vacuumVx.size(), 2u);
    EXPECT_EQ(c.vacuumVx[1], (model::PanePoint{static_cast<float>(cf.Tmax), c.vacuumVx[0].y}));
    EXPECT_EQ(c.passes, 1109);
    EXPECT_NEAR(c.lastT, 0.561995, 1e-6);
    EXPECT_NEAR(c.lastVx, 2.143744, 1e-6);
    EXPECT_NEAR(c.lastVy, -3.113040, 1e-6);
    EXPECT_EQ(c.quadraticVx.size(), 1110u);
    // Every curve ends at or just before its model's flight time.
    EXPECT_LE(c.vacuumVy.back().x, static_cast<float>(cf.Tmax));
    EXPECT_GT(c.vacuumVy.back().x, static_cast<float>(cf.Tmax * 0.998));
    EXPECT_EQ(c.linearVx.size(), c.linearVy.size());
    EXPECT_GE(c.linearVx.size(), 1001u);
}

TEST(VelocityCurves, AllModelsStartAtTheSamePoint) {
    for (const double angle : {30.0, -40.0}) {
        Inputs in;
        in.alphaDeg = angle;
        const auto c = curvesFor(in);
        ASSERT_EQ(c.outcome, FlightOutcome::finished);
        const model::PanePoint vx{0, static_cast<float>(c.vx0)}, vy{0, c.vy0};
        for (const auto* curve : {&c.vacuumVx, &c.linearVx, &c.quadraticVx})
            EXPECT_EQ(curve->front(), vx);
        for (const auto* curve : {&c.vacuumVy, &c.linearVy, &c.quadraticVy})
            EXPECT_EQ(curve->front(), vy);
        EXPECT_EQ(c.vy0 < 0, angle < 0);
    }
}

TEST(VelocityCurves, StiffStartStaysBoundedAndEndlessWalksEnd) {
    const Inputs stiff{5.787, 45.731, 58.73, 0.0233, 2152.1, 1221.1, 1.2770104};
    auto cf = model::parametr(stiff);
    const auto c = curvesFor(stiff);
    ASSERT_EQ(c.outcome, FlightOutcome::finished);
    for (const auto& p : c.quadraticVy)
        ASSERT_LT(std::abs(p.y), 50);
    // The fall ends at the terminal speed of both drags together.
    EXPECT_NEAR(c.lastVy, -cf.Vp2, 1e-3 * cf.Vp2);

    const Inputs in;
    cf = model::parametr(in);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(model::raschet3(in, cf, inf, 0.5, 0.0005, 1000).outcome, FlightOutcome::notFinite);
    EXPECT_EQ(model::raschet3(in, cf, 0.5, inf, 0.0005, 1000).outcome, FlightOutcome::notFinite);
    Inputs huge;
    huge.v0 = 1e200;
    EXPECT_EQ(model::raschet3(huge, model::parametr(huge), 1, 1, 0.001, 1000).outcome,
              FlightOutcome::notFinite);
    // A step too small for the flight time is bounded by the work limit.
    EXPECT_EQ(model::raschet3(in, cf, 0.5, 1e6, 1e-6, 1000).outcome, FlightOutcome::tooLong);
}
