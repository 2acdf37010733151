#include "LabelTexts.h"
#include "model/ClosedForm.h"
#include "model/LinearDrag.h"
#include "model/QuadraticDragFlight.h"
#include "model/QuadraticDragStepper.h"
#include "model/VacuumPath.h"
#include "model/VelocityCurves.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

using model::FlightOutcome;
using model::Inputs;

namespace {

const Inputs viscous{2, 10, 45, 0.05, 1200, 1000, 1.5};
// A light ball thrown fast into water: the medium stops it within the first step of Tmax/1000.
const Inputs stiff{5.787, 45.731, 58.73, 0.0233, 2152.1, 1221.1, 1.2770104};

model::VelocityCurves curvesFor(const Inputs& in) {
    const auto cf = model::parametr(in);
    const auto lin = model::raschet1(in, cf, 1000);
    const auto quad = model::flyQuadraticDrag(in, cf, 1000, 10);
    return model::raschet3(in, cf, lin.Tmax1, quad.Tmax2, quad.dt, 1000);
}

} // namespace

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

    // A range shorter than the flight draws every segment.
    p = model::raschet0(in, cf, 0, 1, 1000);
    EXPECT_EQ(p.points.size(), 1001u);
    EXPECT_EQ(p.lastLoopIndex, 1000);
    EXPECT_NEAR(p.lastX, 1.0, 1e-6);
    EXPECT_GT(p.lastY, 0);
}

TEST(Flights, DefaultAndViscousThrows) {
    // The second throw is a light ball in a viscous medium: it drifts down for a long time and
    // ends at the terminal speed of both drags together.
    const Inputs in;
    const auto cf = model::parametr(in), cfV = model::parametr(viscous);
    const auto r = model::raschet1(in, cf, 1000), rV = model::raschet1(viscous, cfV, 1000);
    const auto f = model::flyQuadraticDrag(in, cf, 1000, 10),
               fV = model::flyQuadraticDrag(viscous, cfV, 1000, 10);
    // The velocity walk repeats the quadratic flight with the step of its own time.
    const auto c = model::raschet3(in, cf, r.Tmax1, f.Tmax2, f.dt, 1000);
    for (const FlightOutcome o : {r.outcome, rV.outcome, f.outcome, fV.outcome, c.outcome})
        ASSERT_EQ(o, FlightOutcome::finished);
    // clang-format off
    const std::pair<long long, long long> counts[] = {
        {r.points, 1106}, {f.steps, 1109}, {std::ssize(f.pieces), 110}, {c.passes, 1109},
        {std::ssize(c.quadraticVx), 1110}, {std::ssize(c.vacuumVx), 2},
        {rV.points, 9174}, {fV.steps, 8217}, {std::ssize(fV.pieces), 821}};
    for (const auto& [count, expected] : counts)
        EXPECT_EQ(count, expected);
    const double figures[][2] = {
        {r.Tmax1, 0.560221}, {r.Xmax1, 1.454834}, {r.VxEnd1, 2.598055}, {r.VyEnd1, -3.293132f},
        {f.Tmax2, 0.561742}, {c.lastT, 0.561995}, {c.lastVx, 2.143744}, {c.lastVy, -3.113040},
        {rV.Xmax1, 0.785674}, {rV.VyEnd1, -0.181741}, {fV.Xmax2, 0.236538},
        {fV.VyEnd2, -0.163236}, {fV.VyEnd2, -cfV.Vp2}};
    // clang-format on
    for (const auto& [value, expected] : figures)
        EXPECT_NEAR(value, expected, 1e-6);
    EXPECT_NEAR(r.lastY, -0.00144, 1e-5);
    EXPECT_EQ(texts(r.labels), "Label26 Tmax1= 0.560 c; Label27 Xmax1=  1.455 м; "
                               "Label39 Vx1(y=0)=  2.598 м/c; Label40 Vy1(y=0)= -3.293 м/c");
    EXPECT_EQ(texts(f.labels),
              "Label30 Ymax2= 0.627 м; Label29 Tp2= 0.171 c; Label35 Xp2= 0.431 м; Label31 Tmax2= "
              "0.562 c; Label32 Xmax2=  1.335 м; Label41 Vx2(y=0)=  2.144 м/c; Label42 Vy2(y=0)= "
              "-3.113 м/c");
    EXPECT_EQ(c.vy0, 1.5f); // v0·sinα = 1.4999999984 rounds to exactly 1.5
    EXPECT_EQ(c.vacuumVx[1],
              (model::PanePoint{static_cast<float>(cf.Tmax), static_cast<float>(c.vx0)}));
    // The vacuum curve ends at or just before the flight time.
    EXPECT_LE(c.vacuumVy.back().x, static_cast<float>(cf.Tmax));
    EXPECT_GT(c.vacuumVy.back().x, static_cast<float>(cf.Tmax * 0.998));
}

// The drawing pass walks the points of the compute pass; the stepper finds one top and stops once
// done; all velocity curves start at the thrown velocity.
TEST(Flights, WalksAgreeOnTheirCommonPoints) {
    for (const Inputs& in : {Inputs{}, viscous, Inputs{0.5, 3, -30, 0.4, 7800, 1000, 0.001006}}) {
        const auto cf = model::parametr(in);
        const auto r = model::raschet1(in, cf, 1000);
        std::vector<model::PanePoint> pts;
        ASSERT_EQ(model::linearDragPoints(in, cf, 1000, pts), FlightOutcome::finished);
        ASSERT_EQ(static_cast<std::int64_t>(pts.size()), r.points);
        EXPECT_EQ(pts.front(), (model::PanePoint{0, static_cast<float>(in.h0)}));
        EXPECT_EQ(pts.back().x, static_cast<float>(r.Xmax1));
        EXPECT_EQ(pts.back().y, static_cast<float>(r.lastY));

        model::QuadraticDragStepper s(in, cf, 1000);
        int apexes = s.step().apex ? 1 : 0;
        if (in.alphaDeg < 0) { // a downward throw has its top on the first step
            EXPECT_EQ(apexes, 1);
            EXPECT_EQ(s.yHigh(), in.h0);
            EXPECT_EQ(s.Tp2(), s.dt());
            EXPECT_EQ(s.apexMarker().x, static_cast<float>(s.x()));
            EXPECT_EQ(s.apexLabels()[0].text, "Ymax2= 0.500 м");
        }
        while (!s.done())
            apexes += s.step().apex ? 1 : 0;
        EXPECT_EQ(apexes, 1);
        EXPECT_EQ(s.work(), s.stepCount()); // ordinary throws need no sub-steps
        const double x = s.x();
        const auto again = s.step(); // a step after the landing changes nothing
        EXPECT_TRUE(again.done && again.outcome == FlightOutcome::finished && s.x() == x);

        const auto c = curvesFor(in);
        ASSERT_EQ(c.outcome, FlightOutcome::finished);
        const model::PanePoint vx{0, static_cast<float>(c.vx0)}, vy{0, c.vy0};
        for (const auto* curve : {&c.vacuumVx, &c.linearVx, &c.quadraticVx})
            EXPECT_EQ(curve->front(), vx);
        for (const auto* curve : {&c.vacuumVy, &c.linearVy, &c.quadraticVy})
            EXPECT_EQ(curve->front(), vy);
        EXPECT_EQ(c.vy0 < 0, in.alphaDeg < 0);
    }
}

TEST(Flights, StiffStartIsSubSteppedAndAgreesWithFineIntegration) {
    // Plain RK4 at the step Tmax/1000 would blow up here.
    const auto cf = model::parametr(stiff);
    model::QuadraticDragStepper s(stiff, cf, 1000);
    s.step();
    EXPECT_GT(s.work(), 1); // the first step was split
    EXPECT_LT(std::abs(s.vy()), 1000);
    const auto f = model::flyQuadraticDrag(stiff, cf, 1000, 10);
    ASSERT_EQ(f.outcome, FlightOutcome::finished);

    // Reference: plain double RK4 with a step far below the medium's stopping time, the landing
    // interpolated linearly. State x, y, vx, vy; rate(s, k, h) is the derivative at s + h·k.
    using S = std::array<double, 4>;
    auto rate = [&cf](S p, const S& k, double h) {
        for (int i = 0; i < 4; ++i)
            p[i] += h * k[i];
        const double v = std::hypot(p[2], p[3]);
        return S{p[2], p[3], -(p[2] / cf.tau + v * p[2] / cf.R2),
                 -(cf.Vp1 / cf.tau + p[3] / cf.tau + v * p[3] / cf.R2)};
    };
    S y{0, stiff.h0, stiff.v0 * std::cos(cf.alpha), stiff.v0 * std::sin(cf.alpha)}, prev;
    double t = 0, h = 0, yHigh = y[1];
    while (y[1] >= 0) {
        prev = y;
        h = t < 0.05 ? 1e-7 : 1e-4;
        const S k1 = rate(y, y, 0), k2 = rate(y, k1, h / 2), k3 = rate(y, k2, h / 2),
                k4 = rate(y, k3, h);
        for (int i = 0; i < 4; ++i)
            y[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
        yHigh = std::max(yHigh, y[1]);
        t += h;
    }
    const double w = prev[1] / (prev[1] - y[1]), xRef = prev[0] + w * (y[0] - prev[0]);
    t -= (1 - w) * h;
    EXPECT_NEAR(f.Xmax2, xRef, 1e-3 * xRef);
    EXPECT_NEAR(f.VyEnd2, y[3], 1e-3 * std::abs(y[3]));
    EXPECT_NEAR(f.Ymax2, yHigh, 1e-3 * yHigh);
    EXPECT_NEAR(f.Tmax2, t, 1e-3 * t);

    // The velocity walk stays bounded too and ends at the terminal speed of both drags.
    const auto c = curvesFor(stiff);
    ASSERT_EQ(c.outcome, FlightOutcome::finished);
    for (const auto& p : c.quadraticVy)
        ASSERT_LT(std::abs(p.y), 50);
    EXPECT_NEAR(c.lastVy, -cf.Vp2, 1e-3 * cf.Vp2);
}

TEST(Flights, EndlessOrOverflowingFlightsReportAnOutcome) {
    // A tiny ball sinking slowly exceeds the work bound; the quadratic flight has passed its top.
    const Inputs tinyBall{0.5, 3, 30, 0.001, 1100, 1000, 1};
    const auto slow = model::raschet1(tinyBall, model::parametr(tinyBall), 1000);
    EXPECT_EQ(slow.outcome, FlightOutcome::tooLong);
    EXPECT_EQ(slow.points, model::maxFlightWork);
    EXPECT_TRUE(slow.labels.empty());
    const auto slow2 = model::flyQuadraticDrag(tinyBall, model::parametr(tinyBall), 1000, 10);
    EXPECT_EQ(slow2.outcome, FlightOutcome::tooLong);
    EXPECT_EQ(slow2.labels.size(), 3u); // no landing results are made up
    EXPECT_EQ(slow2.Tmax2, 0);

    Inputs huge;
    huge.v0 = 1e200;
    const auto hugeCf = model::parametr(huge);
    EXPECT_EQ(model::raschet1(huge, hugeCf, 1000).outcome, FlightOutcome::notFinite);
    std::vector<model::PanePoint> pts;
    EXPECT_EQ(model::linearDragPoints(huge, hugeCf, 1000, pts), FlightOutcome::notFinite);
    model::QuadraticDragStepper s(huge, hugeCf, 1000);
    EXPECT_TRUE(s.done());
    EXPECT_EQ(s.step().outcome, FlightOutcome::notFinite);
    EXPECT_EQ(model::raschet3(huge, hugeCf, 1, 1, 0.001, 1000).outcome, FlightOutcome::notFinite);

    const Inputs in;
    const auto cf = model::parametr(in);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(model::raschet3(in, cf, inf, 0.5, 0.0005, 1000).outcome, FlightOutcome::notFinite);
    EXPECT_EQ(model::raschet3(in, cf, 0.5, inf, 0.0005, 1000).outcome, FlightOutcome::notFinite);
    // A step too small for the flight time is bounded by the work limit.
    EXPECT_EQ(model::raschet3(in, cf, 0.5, 1e6, 1e-6, 1000).outcome, FlightOutcome::tooLong);
}
