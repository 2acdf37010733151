// Exact model values against independent references: the vacuum polynomial in long double, the
// drag equations integrated in long double by a Runge–Kutta–Fehlberg 7(8) at 1e-16; the
// Reynolds numbers taken from them.
#include "model/exact/ExactFlight.h"
#include "model/exact/ExactResults.h"
#include "model/exact/Reynolds.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/Constants.h"
// Copying a default-made long-double stepper reads members nothing has written yet, harmlessly.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include "model/exact/QuadraticDragOde.h"
#pragma GCC diagnostic pop

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace model;
using namespace model::exact;

namespace {

using LVec = std::array<long double, 4>;

// The state at t of the model, computed without anything ExactFlight uses but the equations.
LVec reference(const Inputs& in, ModelKind model, double t) {
    const ClosedForm cf = closedForms(in);
    const long double vx0 = in.v0 * std::cos(cf.alpha), vy0 = in.v0 * std::sin(cf.alpha);
    const long double T = t;
    if (model == ModelKind::vacuum)
        return {vx0 * T, in.h0 + vy0 * T - static_cast<long double>(g) * T * T / 2, vx0,
                vy0 - static_cast<long double>(g) * T};
    const long double R2 = model == ModelKind::quadratic
                               ? static_cast<long double>(cf.R2)
                               : std::numeric_limits<long double>::infinity();
    const QuadraticDragEquations<long double> eq{cf.tau, cf.Vp1, R2};
    LVec s{0, in.h0, vx0, vy0};
    if (t > 0) {
        using namespace boost::numeric::odeint;
        integrate_adaptive(
            make_controlled(1e-18L, 1e-16L, runge_kutta_fehlberg78<LVec, long double>()), eq, s,
            0.0L, T, T / 1000);
    }
    return s;
}

// |a − b| within 1e-9 of |b|, or of scale for a value that is itself close to 0.
::testing::AssertionResult close(double a, long double b, long double scale, const char* what) {
    const long double allowed = 1e-9L * std::max(std::fabs(b), scale);
    if (std::fabs(a - b) <= allowed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << what << " = " << a << ", reference " << static_cast<double>(b) << " (relative "
           << static_cast<double>(std::fabs(a - b) / std::max(std::fabs(b), scale)) << ")";
}

} // namespace

TEST(ExactFlight, AgreesWithIndependentReferencesToOnePartInABillion) {
    const std::vector<Inputs> throws{
        Inputs{},                                 // steel ball in water: drags are tiny
        Inputs{2, 10, 45, 0.05, 1200, 1000, 1.5}, // viscous: vx dies out long before the landing
        Inputs{0, 5, 60, 0.4, 7800, 1.2, 1.8e-5}, // from the ground, tau of days
        Inputs{0.5, 3, 1e-4, 0.4, 7800, 1.2, 1.8e-5},   // a flat throw: the top a moment after
        Inputs{1e-6, 50, -89, 0.01, 2000, 1.2, 1.8e-5}, // steeply down from a hair's height
        Inputs{3, 20, -30, 0.003, 1100, 1000, 0.05},    // down into a thick medium
        Inputs{1, 40, 70, 0.02, 8000, 1000, 0.001},     // fast: the quadratic drag rules
        Inputs{2, 10, 45, 0.05, 1001.4, 1000, 1.5},     // sinks for 26 minutes at 1.3 mm/s
    };
    for (const Inputs& in : throws)
        for (const ModelKind model : {ModelKind::vacuum, ModelKind::linear, ModelKind::quadratic}) {
            SCOPED_TRACE(::testing::Message() << "h0 " << in.h0 << ", α " << in.alphaDeg << ", d "
                                              << in.d << ", model " << static_cast<int>(model));
            const ExactFlight flight(in, model);
            const Landing l = flight.landing();
            const Top top = flight.top();
            ASSERT_TRUE(l.reached);
            ASSERT_GT(l.t, top.t); // never the start on the ground
            const double speed = std::hypot(l.vx, l.vy) + in.v0;

            // The landing: the reference is on the ground there, moving as the landing says.
            const LVec land = reference(in, model, l.t);
            EXPECT_LE(std::fabs(land[1] / land[3]), 1e-9 * l.t);
            EXPECT_TRUE(close(l.x, land[0], 1e-12L * l.x, "x landing"));
            EXPECT_TRUE(close(l.vx, land[2], 1e-3L * speed, "vx landing"));
            EXPECT_TRUE(close(l.vy, land[3], 1e-3L * speed, "vy landing"));

            // The top: the reference moves horizontally there, at that height.
            const LVec high = reference(in, model, top.t);
            if (in.alphaDeg > 0) {
                EXPECT_LE(std::fabs(high[3]), 1e-9 * speed);
            }
            EXPECT_TRUE(close(top.y, high[1], 0, "top y"));
            EXPECT_TRUE(close(top.x, high[0], 1e-12L * l.x, "top x"));

            // States at any times, one call for all of them or one call each, past the
            // landing too.
            std::vector<double> times;
            for (const double f : {0.0, 0.1, 0.37, 0.5, 0.99, 1.3})
                times.push_back(f * l.t);
            const std::vector<State> states = flight.at(times);
            ASSERT_EQ(states.size(), times.size());
            for (std::size_t i = 0; i < times.size(); ++i) {
                const LVec r = reference(in, model, times[i]);
                for (const State& s : {states[i], flight.at(times[i])}) {
                    EXPECT_EQ(s.t, times[i]);
                    EXPECT_TRUE(close(s.x, r[0], 1e-3L * l.x, "x"));
                    EXPECT_TRUE(close(s.y, r[1], 1e-3L * top.y, "y"));
                    EXPECT_TRUE(close(s.vx, r[2], 1e-3L * speed, "vx"));
                    EXPECT_TRUE(close(s.vy, r[3], 1e-3L * speed, "vy"));
                }
            }
        }
}

TEST(ExactFlight, ThrownDownFromTheGroundLandsAtOnce) {
    const Inputs in{0, 3, -20, 0.05, 1200, 1000, 1.5};
    for (const ModelKind model : {ModelKind::vacuum, ModelKind::linear, ModelKind::quadratic}) {
        const Landing l = ExactFlight(in, model).landing();
        EXPECT_TRUE(l.reached);
        EXPECT_EQ(l.t, 0);
        EXPECT_NEAR(l.vy, 3 * std::sin(-20 * pi / 180), 1e-15);
    }
}

// A 0.1 mm ball in a medium of 1000 Pa·s would sink for months in steps of nanoseconds: it has
// its top (where the quadratic drag is nothing beside the linear one) and no landing, at once.
TEST(ExactFlight, TooStiffAFlightHasItsTopAndNoLanding) {
    const Inputs in{0.5, 3, 30, 1e-4, 7800, 1000, 1000};
    const ExactFlight quadratic(in, ModelKind::quadratic);
    EXPECT_FALSE(quadratic.landing().reached);
    EXPECT_NEAR(quadratic.top().t / ExactFlight(in, ModelKind::linear).top().t, 1, 1e-6);
    EXPECT_FALSE(exactValue(Quantity::Xmax2, in));
    EXPECT_TRUE(std::isnan(reynoldsNumbers(in).end2));
    // Past where it was given up its states are not numbers, at once: stepping on in nanoseconds
    // held a fit of such a trial for hours.
    const std::vector<State> later = statesOnFlight(in, ModelKind::quadratic, {0.01, 0.2});
    ASSERT_EQ(later.size(), 2U);
    EXPECT_TRUE(std::isnan(later[0].y) && std::isnan(later[1].x));
    EXPECT_TRUE(std::isnan(quadratic.at(0.2).y));
}

// A flight followed only as far as the points' latest time gives their states to the last bit:
// a ball that rises for ever, one that lands before the last point, one that lands after it.
TEST(ExactFlight, StatesOnFlightAreTheWholeFlightsOwn) {
    const std::vector<double> times{-0.1, 0, 0.05, 0.3, 0.7, 1.4};
    for (const Inputs& in :
         {Inputs{0.5, 3, 30, 0.05, 500, 1000, 0.001}, Inputs{0.5, 3, 30, 0.4, 7800, 1000, 0.001006},
          Inputs{20, 3, 30, 0.05, 1200, 1000, 1.5}}) {
        const std::vector<State> bounded = statesOnFlight(in, ModelKind::quadratic, times);
        const std::vector<State> whole = ExactFlight(in, ModelKind::quadratic).onFlight(times);
        ASSERT_EQ(bounded.size(), whole.size());
        for (std::size_t i = 0; i < times.size(); ++i)
            for (const auto& [a, b] : {std::pair{bounded[i].x, whole[i].x},
                                       {bounded[i].y, whole[i].y},
                                       {bounded[i].vx, whole[i].vx},
                                       {bounded[i].vy, whole[i].vy}})
                EXPECT_EQ(a, b) << in.rho << " at " << times[i];
    }
}

// The ends found without keeping the states are the flight's own, to the last bit: a long
// viscous fall of thousands of kept states, one thrown down from the ground, one too stiff.
TEST(ExactFlight, EndsAloneAreTheFlightsOwn) {
    for (const Inputs& in :
         {Inputs{1500, 10, 45, 0.05, 1200, 1000, 1.5}, Inputs{0, 3, -20, 0.05, 1200, 1000, 1.5},
          Inputs{0.5, 3, 30, 1e-4, 7800, 1000, 1000}})
        for (const ModelKind model : {ModelKind::vacuum, ModelKind::linear, ModelKind::quadratic}) {
            const ExactFlight flight(in, model);
            const FlightEnds ends = flightEnds(in, model);
            const Landing l = flight.landing();
            const Top top = flight.top();
            EXPECT_EQ(ends.landing.reached, l.reached) << in.h0;
            for (const auto& [a, b] : {std::pair{ends.landing.t, l.t},
                                       {ends.landing.x, l.x},
                                       {ends.landing.vx, l.vx},
                                       {ends.landing.vy, l.vy},
                                       {ends.top.t, top.t},
                                       {ends.top.x, top.x},
                                       {ends.top.y, top.y}})
                EXPECT_EQ(a, b) << in.h0;
        }
}

// Re = ρo·v·d/η at the launch and at each exact landing; the regime changes at 1, above 1000 and
// above 2·10⁵.
TEST(Reynolds, NumbersAndRegimes) {
    const Inputs in{2, 10, 45, 0.05, 1200, 1000, 1.5};
    const ReynoldsNumbers re = reynoldsNumbers(in);
    EXPECT_DOUBLE_EQ(re.start, 1000 * 10 * 0.05 / 1.5);
    const Landing l = ExactFlight(in, ModelKind::quadratic).landing();
    EXPECT_DOUBLE_EQ(re.end2, 1000 * std::hypot(l.vx, l.vy) * 0.05 / 1.5);
    EXPECT_GT(re.end1, re.end2); // the quadratic drag brings it down slower
    EXPECT_EQ(exactValue(Quantity::Re2, in), re.end2);
    const std::pair<double, FlowRegime> regimes[] = {
        {0.99, FlowRegime::stokes},       {1, FlowRegime::transitional},
        {1000, FlowRegime::transitional}, {1000.5, FlowRegime::quadratic},
        {2e5, FlowRegime::quadratic},     {2.0001e5, FlowRegime::pastDragCrisis}};
    for (const auto& [value, regime] : regimes)
        EXPECT_EQ(flowRegime(value), regime) << value;
    // A smooth sphere's drag law: Stokes' 24/Re when slow, 0.4–0.5 below the crisis, a fall
    // past it, and no reading outside the correlation's range.
    EXPECT_NEAR(smoothSphereDragCoefficient(0.1), 240, 1);
    EXPECT_NEAR(smoothSphereDragCoefficient(1e4), 0.393, 0.001);
    EXPECT_NEAR(smoothSphereDragCoefficient(1e5), 0.426, 0.001);
    EXPECT_LT(smoothSphereDragCoefficient(4e5), 0.1);
    EXPECT_TRUE(std::isnan(smoothSphereDragCoefficient(0.09)));
    EXPECT_TRUE(std::isnan(smoothSphereDragCoefficient(1.1e6)));
}
