#include "model/ClosedForm.h"
#include "model/QuadraticDragFlight.h"
#include "model/QuadraticDragStepper.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using model::FlightOutcome;
using model::Inputs;

namespace {

const Inputs viscous{2, 10, 45, 0.05, 1200, 1000, 1.5};

} // namespace

TEST(QuadraticDrag, DefaultAndViscousThrows) {
    const Inputs in;
    auto f = model::flyQuadraticDrag(in, model::parametr(in), 1000, 10);
    ASSERT_EQ(f.outcome, FlightOutcome::finished);
    EXPECT_EQ(f.steps, 1109);
    EXPECT_EQ(f.pieces.size(), 110u);
    EXPECT_NEAR(f.Tmax2, 0.561742, 1e-6);
    const std::vector<model::LabelText> labels{
        {"Label30", "Ymax2= 0.627 м"},      {"Label29", "Tp2= 0.171 c"},
        {"Label35", "Xp2= 0.431 м"},        {"Label31", "Tmax2= 0.562 c"},
        {"Label32", "Xmax2=  1.335 м"},     {"Label41", "Vx2(y=0)=  2.144 м/c"},
        {"Label42", "Vy2(y=0)= -3.113 м/c"}};
    EXPECT_EQ(f.labels, labels);

    // The light ball ends its long fall at the terminal speed of both drags together.
    const auto cf = model::parametr(viscous);
    f = model::flyQuadraticDrag(viscous, cf, 1000, 10);
    ASSERT_EQ(f.outcome, FlightOutcome::finished);
    EXPECT_EQ(f.steps, 8217);
    EXPECT_EQ(f.pieces.size(), 821u);
    EXPECT_NEAR(f.Tmax2, 13.8297, 1e-4);
    EXPECT_NEAR(f.Xmax2, 0.236538, 1e-6);
    EXPECT_NEAR(f.VyEnd2, -0.163236, 1e-6);
    EXPECT_NEAR(f.VyEnd2, -cf.Vp2, 1e-6);
}

TEST(QuadraticDrag, StepperFindsOneTopAndStopsOnceDone) {
    for (const Inputs& in : {Inputs{}, viscous}) {
        model::QuadraticDragStepper s(in, model::parametr(in), 1000);
        int apexes = 0;
        while (!s.done())
            apexes += s.step().apex ? 1 : 0;
        EXPECT_EQ(apexes, 1);
        EXPECT_EQ(s.work(), s.stepCount()); // ordinary throws need no sub-steps
        const double x = s.x();
        const auto again = s.step();
        EXPECT_TRUE(again.done);
        EXPECT_EQ(again.outcome, FlightOutcome::finished);
        EXPECT_EQ(s.x(), x);
    }
    // A downward throw has its top on the first step.
    Inputs in;
    in.alphaDeg = -30;
    model::QuadraticDragStepper s(in, model::parametr(in), 1000);
    EXPECT_TRUE(s.step().apex);
    EXPECT_EQ(s.yHigh(), in.h0);
    EXPECT_EQ(s.Tp2(), s.dt());
    EXPECT_EQ(s.apexMarker().x, static_cast<float>(s.x()));
    EXPECT_EQ(s.apexLabels()[0].text, "Ymax2= 0.500 м");
}

TEST(QuadraticDrag, StiffStartIsSubSteppedAndAgreesWithFineIntegration) {
    // A light ball thrown fast into water: the medium stops it within the first step of
    // Tmax/1000, which plain RK4 at that step would blow up.
    const Inputs stiff{5.787, 45.731, 58.73, 0.0233, 2152.1, 1221.1, 1.2770104};
    const auto cf = model::parametr(stiff);
    model::QuadraticDragStepper s(stiff, cf, 1000);
    s.step();
    EXPECT_GT(s.work(), 1); // the first step was split
    EXPECT_LT(std::abs(s.vy()), 1000);
    const auto f = model::flyQuadraticDrag(stiff, cf, 1000, 10);
    ASSERT_EQ(f.outcome, FlightOutcome::finished);

    // Reference: plain double RK4 with a step far below the medium's stopping time, the landing
    // interpolated linearly. State x, y, vx, vy.
    using S = std::array<double, 4>;
    auto rate = [&cf](const S& s) {
        const double v = std::hypot(s[2], s[3]);
        return S{s[2], s[3], -(s[2] / cf.tau + v * s[2] / cf.R2),
                 -(cf.Vp1 / cf.tau + s[3] / cf.tau + v * s[3] / cf.R2)};
    };
    auto add = [](S a, const S& b, double h) {
        for (int i = 0; i < 4; ++i)
            a[i] += h * b[i];
        return a;
    };
    S y{0, stiff.h0, stiff.v0 * std::cos(cf.alpha), stiff.v0 * std::sin(cf.alpha)};
    double t = 0, yHigh = y[1];
    while (true) {
        const double h = t < 0.05 ? 1e-7 : 1e-4;
        const S k1 = rate(y), k2 = rate(add(y, k1, h / 2)), k3 = rate(add(y, k2, h / 2)),
                k4 = rate(add(y, k3, h));
        S n = y;
        for (int i = 0; i < 4; ++i)
            n[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
        yHigh = std::max(yHigh, n[1]);
        if (n[1] < 0) {
            const double w = y[1] / (y[1] - n[1]);
            t += w * h;
            const double xRef = y[0] + w * (n[0] - y[0]);
            EXPECT_NEAR(f.Xmax2, xRef, 1e-3 * xRef);
            EXPECT_NEAR(f.VyEnd2, n[3], 1e-3 * std::abs(n[3]));
            break;
        }
        y = n;
        t += h;
    }
    EXPECT_NEAR(f.Ymax2, yHigh, 1e-3 * yHigh);
    EXPECT_NEAR(f.Tmax2, t, 1e-3 * t);
}

TEST(QuadraticDrag, EndlessOrOverflowingFlightsReportAnOutcome) {
    const Inputs tinyBall{0.5, 3, 30, 0.001, 1100, 1000, 1};
    const auto slow = model::flyQuadraticDrag(tinyBall, model::parametr(tinyBall), 1000, 10);
    EXPECT_EQ(slow.outcome, FlightOutcome::tooLong);
    EXPECT_EQ(slow.labels.size(), 3u); // the top was passed; no landing results are made up
    EXPECT_EQ(slow.Tmax2, 0);

    Inputs huge;
    huge.v0 = 1e200;
    model::QuadraticDragStepper s(huge, model::parametr(huge), 1000);
    EXPECT_TRUE(s.done());
    EXPECT_EQ(s.step().outcome, FlightOutcome::notFinite);
}
