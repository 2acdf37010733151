#include "model/LinearDrag.h"
#include "model/ClosedForm.h"

#include <gtest/gtest.h>

#include <vector>

using model::FlightOutcome;
using model::Inputs;

TEST(LinearDrag, DefaultAndViscousThrows) {
    const Inputs in;
    auto r = model::raschet1(in, model::parametr(in), 1000);
    ASSERT_EQ(r.outcome, FlightOutcome::finished);
    EXPECT_EQ(r.points, 1106);
    EXPECT_NEAR(r.lastY, -0.00144, 1e-5);
    EXPECT_NEAR(r.Tmax1, 0.560221, 1e-6);
    EXPECT_NEAR(r.Xmax1, 1.454834, 1e-6);
    EXPECT_NEAR(r.VxEnd1, 2.598055, 1e-6);
    EXPECT_NEAR(r.VyEnd1, -3.293132f, 1e-6);
    const std::vector<model::LabelText> labels{{"Label26", "Tmax1= 0.560 c"},
                                               {"Label27", "Xmax1=  1.455 м"},
                                               {"Label39", "Vx1(y=0)=  2.598 м/c"},
                                               {"Label40", "Vy1(y=0)= -3.293 м/c"}};
    EXPECT_EQ(r.labels, labels);

    // A light ball in a viscous medium drifts down at the terminal speed for a long time.
    const Inputs viscous{2, 10, 45, 0.05, 1200, 1000, 1.5};
    r = model::raschet1(viscous, model::parametr(viscous), 1000);
    ASSERT_EQ(r.outcome, FlightOutcome::finished);
    EXPECT_EQ(r.points, 9174);
    EXPECT_NEAR(r.Tmax1, 15.4405, 1e-4);
    EXPECT_NEAR(r.Xmax1, 0.785674, 1e-6);
    EXPECT_NEAR(r.VyEnd1, -0.181741, 1e-6);
}

TEST(LinearDrag, DrawingPassWalksTheSamePoints) {
    for (const Inputs& in : {Inputs{}, Inputs{2, 10, 45, 0.05, 1200, 1000, 1.5},
                             Inputs{0.5, 3, -30, 0.4, 7800, 1000, 0.001006}}) {
        const auto cf = model::parametr(in);
        const auto r = model::raschet1(in, cf, 1000);
        std::vector<model::PanePoint> pts;
        ASSERT_EQ(model::linearDragPoints(in, cf, 1000, pts), FlightOutcome::finished);
        ASSERT_EQ(static_cast<std::int64_t>(pts.size()), r.points);
        EXPECT_EQ(pts.front(), (model::PanePoint{0, static_cast<float>(in.h0)}));
        EXPECT_EQ(pts.back().x, static_cast<float>(r.Xmax1));
        EXPECT_EQ(pts.back().y, static_cast<float>(r.lastY));
    }
}

TEST(LinearDrag, EndlessOrOverflowingFlightsReportAnOutcome) {
    const Inputs tinyBall{0.5, 3, 30, 0.001, 1100, 1000, 1};
    const auto slow = model::raschet1(tinyBall, model::parametr(tinyBall), 1000);
    EXPECT_EQ(slow.outcome, FlightOutcome::tooLong);
    EXPECT_EQ(slow.points, model::maxFlightWork);
    EXPECT_TRUE(slow.labels.empty());

    Inputs huge;
    huge.v0 = 1e200;
    const auto cf = model::parametr(huge);
    EXPECT_EQ(model::raschet1(huge, cf, 1000).outcome, FlightOutcome::notFinite);
    std::vector<model::PanePoint> pts;
    EXPECT_EQ(model::linearDragPoints(huge, cf, 1000, pts), FlightOutcome::notFinite);
}
