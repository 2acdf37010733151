#include "model/ClosedForm.h"
#include "model/QuadraticDragFlight.h"
#include "model/QuadraticDragStepper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using model::FlightOutcome;
using model::Inputs;

namespace {

const Inputs viscous{2, 10, 45, 0.05, 1200, 1000, 1.5};
// A light ball thrown fast into water: the medium stops it within the first step of Tmax/1000.
const Inputs stiff{5.787, 45.731, 58.73, 0.0233, 2152.1, 1221.1, 1.2770104};

struct Reference {
    double Ymax, Tmax, Xmax, vx, vy;
};

// Plain double-precision RK4 with a step far below the stopping time of the medium; the landing
// is interpolated linearly.
Reference fineFlight(const Inputs& in) {
    const auto cf = model::parametr(in);
    const double tau = cf.tau, Vp = cf.Vp1, R = cf.R2;
    struct S {
        double x, y, vx, vy;
    };
    auto f = [&](const S& s) {
        const double v = std::sqrt(s.vx * s.vx + s.vy * s.vy);
        return S{s.vx, s.vy, -(s.vx / tau + v * s.vx / R), -(Vp / tau + s.vy / tau + v * s.vy / R)};
    };
    auto add = [](const S& a, const S& b, double h) {
        return S{a.x + h * b.x, a.y + h * b.y, a.vx + h * b.vx, a.vy + h * b.vy};
    };
    S s{0, in.h0, in.v0 * std::cos(cf.alpha), in.v0 * std::sin(cf.alpha)};
    double t = 0, yHigh = s.y;
    while (true) {
        const double h = t < 0.05 ? 1e-7 : 1e-4;
        const S k1 = f(s), k2 = f(add(s, k1, h / 2)), k3 = f(add(s, k2, h / 2)),
                k4 = f(add(s, k3, h));
        S n = s;
        n.x += h / 6 * (k1.x + 2 * k2.x + 2 * k3.x + k4.x);
        n.y += h / 6 * (k1.y + 2 * k2.y + 2 * k3.y + k4.y);
        n.vx += h / 6 * (k1.vx + 2 * k2.vx + 2 * k3.vx + k4.vx);
        n.vy += h / 6 * (k1.vy + 2 * k2.vy + 2 * k3.vy + k4.vy);
        yHigh = std::max(yHigh, n.y);
        if (n.y < 0) {
            const double w = s.y / (s.y - n.y);
            return {yHigh, t + w * h, s.x + w * (n.x - s.x), n.vx, n.vy};
        }
        s = n;
        t += h;
    }
}

void expectRelative(double value, double reference, double tolerance) {
    EXPECT_LE(std::abs(value - reference), tolerance * std::abs(reference))
        << value << " vs " << reference;
}

} // namespace

TEST(QuadraticDrag, DefaultThrow) {
    const Inputs in;
    const auto f = model::flyQuadraticDrag(in, model::parametr(in), 1000, 10);
    ASSERT_EQ(f.outcome, FlightOutcome::finished);
    EXPECT_EQ(f.steps, 1109);
    EXPECT_EQ(f.pieces.size(), 110u);
    EXPECT_NEAR(f.Tp2, 0.170778, 1e-6);
    EXPECT_NEAR(f.Xp2, 0.431380, 1e-6);
    EXPECT_NEAR(f.Ymax2, 0.626525, 1e-6);
    EXPECT_NEAR(f.Tmax2, 0.561742, 1e-6);
    EXPECT_NEAR(f.Xmax2, 1.335420, 1e-6);
    EXPECT_NEAR(f.VxEnd2, 2.143741, 1e-6);
    EXPECT_NEAR(f.VyEnd2, -3.112584, 1e-6);
    const std::vector<model::LabelText> labels{
        {"Label30", "Ymax2= 0.627 м"},      {"Label29", "Tp2= 0.171 c"},
        {"Label35", "Xp2= 0.431 м"},        {"Label31", "Tmax2= 0.562 c"},
        {"Label32", "Xmax2=  1.335 м"},     {"Label41", "Vx2(y=0)=  2.144 м/c"},
        {"Label42", "Vy2(y=0)= -3.113 м/c"}};
    EXPECT_EQ(f.labels, labels);
}

TEST(QuadraticDrag, LightBallInViscousMedium) {
    const auto cf = model::parametr(viscous);
    const auto f = model::flyQuadraticDrag(viscous, cf, 1000, 10);
    ASSERT_EQ(f.outcome, FlightOutcome::finished);
    EXPECT_EQ(f.steps, 8217);
    EXPECT_EQ(f.pieces.size(), 821u);
    EXPECT_NEAR(f.Tmax2, 13.8297, 1e-4);
    EXPECT_NEAR(f.Xmax2, 0.236538, 1e-6);
    EXPECT_NEAR(f.VxEnd2, 0, 1e-12);
    EXPECT_NEAR(f.VyEnd2, -0.163236, 1e-6);
    EXPECT_NEAR(f.VyEnd2, -cf.Vp2, 1e-6);
}

TEST(QuadraticDrag, StepperIsPlainRk4ForOrdinaryThrowsAndStopsOnceDone) {
    for (const Inputs& in : {Inputs{}, viscous}) {
        model::QuadraticDragStepper s(in, model::parametr(in), 1000);
        int apexes = 0;
        while (!s.done())
            apexes += s.step().apex ? 1 : 0;
        EXPECT_EQ(apexes, 1);
        EXPECT_EQ(s.work(), s.stepCount()); // no sub-steps
        const double x = s.x();
        const auto again = s.step();
        EXPECT_TRUE(again.done);
        EXPECT_EQ(again.outcome, FlightOutcome::finished);
        EXPECT_EQ(s.x(), x);
    }
}

TEST(QuadraticDrag, DownwardThrowFindsTheTopOnTheFirstStep) {
    Inputs in;
    in.alphaDeg = -30;
    model::QuadraticDragStepper s(in, model::parametr(in), 1000);
    const auto r = s.step();
    EXPECT_TRUE(r.apex);
    EXPECT_EQ(s.yHigh(), in.h0);
    EXPECT_EQ(s.Tp2(), s.dt());
    EXPECT_EQ(s.apexMarker().x, static_cast<float>(s.x()));
    EXPECT_EQ(s.apexLabels()[0].text, "Ymax2= 0.500 м");
}

TEST(QuadraticDrag, StiffStartIsSubSteppedAndAgreesWithFineIntegration) {
    const auto cf = model::parametr(stiff);
    model::QuadraticDragStepper s(stiff, cf, 1000);
    s.step();
    EXPECT_GT(s.work(), 1); // the first step was split
    EXPECT_LT(std::abs(s.vy()), 1000);

    const auto f = model::flyQuadraticDrag(stiff, cf, 1000, 10);
    ASSERT_EQ(f.outcome, FlightOutcome::finished);
    const Reference ref = fineFlight(stiff);
    expectRelative(f.Ymax2, ref.Ymax, 1e-3);
    expectRelative(f.Tmax2, ref.Tmax, 1e-3);
    expectRelative(f.Xmax2, ref.Xmax, 1e-3);
    expectRelative(f.VyEnd2, ref.vy, 1e-3);
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
