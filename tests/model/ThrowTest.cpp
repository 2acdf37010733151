// Throws: the closed forms, the walks and the flight, their texts, and their figures with
// subnormals flushed.
#include "model/Throw.h"
#include "cli/Report.h"
#include "model/curves/GraphRanges.h"
#include "model/curves/Rounding.h"
#include "model/physics/CancellationFree.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/Constants.h"
#include "model/physics/FlushDenormals.h"
#include "model/physics/LinearDrag.h"
#include "model/physics/QuadraticDragStepper.h"
#include "model/physics/VelocityCurves.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <vector>

using namespace model;

namespace {

// The label texts of a throw in catalogue order, "Tp= 0.153 c; Xp= 0.397 м; …", from one
// result to another (both included), so that a set of labels compares at once.
std::string texts(const model::Throw& t, model::Quantity from, model::Quantity to,
                  char separator = '.') {
    std::string out;
    for (int q = static_cast<int>(from); q <= static_cast<int>(to); ++q)
        out += (out.empty() ? "" : "; ") + t.text(static_cast<model::Quantity>(q), separator);
    return out;
}

const Inputs viscous{2, 10, 45, 0.05, 1200, 1000, 1.5};
// A light ball thrown fast into water: the medium stops it within the first step of Tmax/1000.
const Inputs stiff{5.787, 45.731, 58.73, 0.0233, 2152.1, 1221.1, 1.2770104};

// A throw run to its end; without curves it keeps the results only, as a study's throws do.
Throw whole(const Inputs& in, bool curves = true) {
    model::ThrowSettings settings;
    settings.curves = curves;
    Throw t(in, settings);
    t.runToEnd();
    return t;
}

} // namespace

TEST(Throw, DefaultAndViscousThrows) {
    // The second throw is a light ball in a viscous medium: it drifts down for a long time and
    // ends at the terminal speed of both drags together. A study's throws, without curves, give
    // the same 27 texts.
    const Throw t = whole(Inputs{}), v = whole(viscous);
    ASSERT_FALSE(t.failed() || v.failed());
    for (const Throw* full : {&t, &v}) {
        const Throw lean = whole(full->inputs(), false);
        EXPECT_EQ(texts(lean, Quantity::a_max, Quantity::VyEnd2),
                  texts(*full, Quantity::a_max, Quantity::VyEnd2));
        EXPECT_TRUE(lean.linearPath().empty() && lean.flightPieces().empty() &&
                    lean.vacuum().points.empty() && lean.velocityCurves().quadraticVy.empty());
    }
    const auto& c = t.velocityCurves();
    // clang-format off
    const std::pair<long long, long long> counts[] = {
        {std::ssize(c.quadraticVx), 1110}, {std::ssize(c.vacuumVx), 2},
        {std::ssize(t.vacuum().points), 660}, {std::ssize(t.linearPath()), 1106},
        {v.linear().points, 9174}, {v.flight().stepCount(), 8217}, {std::ssize(v.flightPieces()), 821}};
    for (const auto& [count, expected] : counts)
        EXPECT_EQ(count, expected);
    const double figures[][2] = {
        {c.lastT, 0.561995}, {c.lastVx, 2.143744}, {c.lastVy, -3.113040},
        {t.linear().lastY, -0.00144}, {t.vacuum().lastY, -0.00188},
        {*v.value(Quantity::Xmax1), 0.785674}, {*v.value(Quantity::VyEnd1), -0.181741},
        {*v.value(Quantity::Xmax2), 0.236538}, {*v.value(Quantity::VyEnd2), -0.163236},
        {*v.value(Quantity::VyEnd2), -*v.value(Quantity::Vp2)}};
    // clang-format on
    for (const auto& [value, expected] : figures)
        EXPECT_NEAR(value, expected, 1e-5);
    EXPECT_EQ(texts(v, Quantity::Tmax1, Quantity::VyEnd2),
              "Tmax1= 15.441 c; Xmax1=  .786 м; Vx1(y=0)=  0 м/c; Vy1(y=0)= -.182 м/c; "
              "Tp2= 0.231 c; Xp2= 0.223 м; Ymax2= 2.204 м; Tmax2= 13.830 c; Xmax2=  .237 м; "
              "Vx2(y=0)=  0 м/c; Vy2(y=0)= -.163 м/c");

    // The vacuum velocity lines end at Tmax (their start and the ranges: the window's tests).
    EXPECT_EQ(c.vacuumVx[1], (model::PanePoint{float(t.closed().Tmax), float(c.vx0)}));
    EXPECT_LE(c.vacuumVy.back().x, float(t.closed().Tmax));
    EXPECT_GT(c.vacuumVy.back().x, float(t.closed().Tmax * 0.998));
}

TEST(Throw, StagesAndGroups) {
    // Before the flight only the closed forms and the walk are known (the bare red column:
    // ThrowControllerTest).
    Throw t(Inputs{.alphaDeg = -30});
    ASSERT_TRUE(t.trajectoryReady());
    EXPECT_FALSE(t.value(Quantity::Tmax2));
    // A downward throw has its top in the first group, at the first step.
    model::FlightGroup g = t.flyGroup();
    EXPECT_TRUE(g.top && g.pieceEnds && !g.done);
    EXPECT_EQ(t.text(Quantity::Ymax2), "Ymax2= 0.500 м");
    EXPECT_EQ(*t.value(Quantity::Tp2), t.flight().dt());
    EXPECT_EQ(t.topMarker()->x, float(*t.value(Quantity::Xp2)));
    int tops = 1, groups = 1;
    while (!g.done) {
        g = t.flyGroup();
        tops += g.top;
        ++groups;
        EXPECT_EQ(g.pieceEnds, t.flightPieces().size() == std::size_t(groups));
    }
    EXPECT_EQ(tops, 1);
    EXPECT_TRUE(t.landed() && !t.velocitiesReady());
    EXPECT_EQ(t.flight().work(), t.flight().stepCount()); // ordinary throws need no sub-steps
    EXPECT_TRUE(t.flyGroup().done);                       // nothing more after the landing
    t.computeVelocities();
    ASSERT_TRUE(t.velocitiesReady());
    const auto& c = t.velocityCurves();
    EXPECT_LT(c.vy0, 0);
    for (const auto* curve : {&c.vacuumVy, &c.linearVy, &c.quadraticVy})
        EXPECT_EQ(curve->front(), (model::PanePoint{0, c.vy0}));

    // The drawn linear curve is the walk itself: from the start to Xmax1.
    EXPECT_EQ(t.linearPath().front(), (model::PanePoint{0, 0.5f}));
    EXPECT_EQ(t.linearPath().back().x, float(*t.value(Quantity::Xmax1)));
}

TEST(Throw, StiffStartIsSubSteppedAndAgreesWithFineIntegration) {
    // Plain RK4 at the step Tmax/1000 would blow up here.
    const Throw f = whole(stiff);
    ASSERT_FALSE(f.failed());
    EXPECT_GT(f.flight().work(), f.flight().stepCount());
    const model::ClosedForm& cf = f.closed();

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
    for (const auto& [q, expected] : {std::pair{Quantity::Xmax2, xRef},
                                      {Quantity::VyEnd2, y[3]},
                                      {Quantity::Ymax2, yHigh},
                                      {Quantity::Tmax2, t}})
        EXPECT_NEAR(*f.value(q), expected, 1e-3 * std::abs(expected)) << model::row(q).key;

    // The velocity walk stays bounded too and ends at the terminal speed of both drags.
    const auto& c = f.velocityCurves();
    for (const auto& p : c.quadraticVy)
        ASSERT_LT(std::abs(p.y), 50);
    EXPECT_NEAR(c.lastVy, -cf.Vp2, 1e-3 * cf.Vp2);
}

TEST(Throw, EndlessOrOverflowingThrowsStopWithAnOutcome) {
    // A tiny ball sinking slowly exceeds the work bound in the linear-drag walk: nothing after it
    // is computed (its outcome and bare labels in the window: FieldHandlingTest).
    const Throw slow = whole(Inputs{0.5, 3, 30, 0.001, 1100, 1000, 1});
    EXPECT_EQ(slow.failedAt(), model::ThrowStep::linearWalk);
    EXPECT_EQ(slow.linear().points, model::maxFlightWork);
    EXPECT_FALSE(slow.trajectoryReady() || slow.landed());

    // The velocity walk on its own: limits that are not finite, and a step too small for the
    // flight time, end it with an outcome instead of running for ever.
    const Inputs in;
    const auto cf = model::closedForms(in);
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [t1, t2, dt, outcome] :
         {std::tuple{inf, 0.5, 0.0005, FlightOutcome::notFinite},
          {0.5, inf, 0.0005, FlightOutcome::notFinite},
          {0.5, 1e6, 1e-6, FlightOutcome::tooLong}})
        EXPECT_EQ(model::velocityCurves(in, cf, t1, t2, dt, 1000).outcome, outcome) << t1 << t2;
}

TEST(Throw, VacuumPathStopsAfterTheFirstPointBelowGroundOrAtTheRange) {
    const Inputs in;
    const auto cf = model::closedForms(in);
    auto p = model::vacuumPath(in, cf, 0, 2, 1000);
    EXPECT_EQ(static_cast<double>(p.stepX), 0.0020000000949949026);
    EXPECT_EQ(p.lastLoopIndex, 659);
    // The abscissa is formed in single precision: 659 · 0.002f, not 659 · 0.002.
    EXPECT_EQ(p.lastX, static_cast<double>(659.0f * 0.002f));
    EXPECT_EQ(p.points.front(), (model::PanePoint{0, 0.5f}));

    // A range shorter than the flight draws every segment.
    p = model::vacuumPath(in, cf, 0, 1, 1000);
    EXPECT_EQ(p.points.size(), 1001u);
    EXPECT_NEAR(p.lastX, 1.0, 1e-6);
    EXPECT_GT(p.lastY, 0);
}

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

TEST(ClosedForm, DefaultThrow) {
    const auto r = closedForms(Inputs{});
    // Worked out by hand to six decimals with g = 9.814 and pi = 3.14159265; finer than the
    // labels, so a wrong constant shows.
    // clang-format off
    const double figures[][3] = {
        {r.Tp, 0.152843, 5e-7}, {r.Ymax, 0.614632, 5e-7}, {r.Tmax, 0.506758, 5e-7},
        {r.Xmax, 1.316597, 5e-7}, {r.VyEnd, -3.473327, 5e-7}, {r.tau, 68919.8, 0.05},
        {r.Tp1, 0.175320, 5e-7}, {r.Ymax1, 0.631490, 5e-7}, {r.Xp1, 0.455493, 5e-7}};
    // clang-format on
    for (const auto& [value, expected, tolerance] : figures)
        EXPECT_NEAR(value, expected, tolerance);

    // Seconds are the Latin c everywhere; only the Vp2 unit is all Cyrillic.
    const std::string expected =
        "a_max=  34.669 град; Tp= 0.153 c; Xp= 0.397 м; Ymax= 0.615 м; Tmax= 0.507 c; "
        "Xmax= 1.317 м; Vx(y=0)=  2.598 м/c; Vy(y=0)= -3.473 м/c; m= 2.614E+02 кг; "
        "tau= 6.892E+04 c; Vp1= 5.897E+05 м/c; Tp1= 0.175 c; Xp1= 0.455 м; Ymax1= 0.631 м; "
        "Vp2= 8.437 м/с; R2= 8.320 м; Tmax1= 0.560 c; Xmax1=  1.455 м; Vx1(y=0)=  2.598 м/c; "
        "Vy1(y=0)= -3.293 м/c; Tp2= 0.171 c; Xp2= 0.431 м; Ymax2= 0.627 м; Tmax2= 0.562 c; "
        "Xmax2=  1.335 м; Vx2(y=0)=  2.144 м/c; Vy2(y=0)= -3.113 м/c";
    const Throw t = whole(Inputs{});
    EXPECT_EQ(texts(t, Quantity::a_max, Quantity::VyEnd2), expected);
    // A comma separator changes the three scientific labels only.
    EXPECT_EQ(texts(t, Quantity::a_max, Quantity::VyEnd2, ','),
              std::regex_replace(expected, std::regex(R"((\d)\.(\d{3}E))"), "$1,$2"));
}

TEST(ClosedForm, TopsAndLandingsSatisfyTheirEquations) {
    // A throw that does not rise has its top at the start.
    for (double angle : {-20.0, 0.0}) {
        SCOPED_TRACE(angle);
        const Inputs in{.alphaDeg = angle};
        const auto r = closedForms(in);
        EXPECT_EQ((std::array{r.Tp, r.Xp, r.Tp1, r.Xp1, r.Ymax, r.Ymax1}),
                  (std::array{0.0, 0.0, 0.0, 0.0, in.h0, in.h0}));
        // The flight time still lands the parabola: h0 + v0·s·T − g·T²/2 = 0.
        EXPECT_GT(r.Tmax, 0);
        EXPECT_NEAR(in.h0 + in.v0 * std::sin(r.alpha) * r.Tmax - model::g * r.Tmax * r.Tmax / 2, 0,
                    1e-12);
    }

    // Without viscosity the linear drag keeps its previous values, and its top follows them.
    const Inputs in{.eta = 0};
    const auto r = closedForms(in, 12.5, 40.0);
    EXPECT_EQ(r.tau, 12.5);
    EXPECT_EQ(r.Vp1, 40.0);
    EXPECT_EQ(texts(model::Throw(in, {}, 12.5, 40.0), Quantity::tau, Quantity::Vp1),
              "tau ->00; Vp1 ->00");
    EXPECT_NEAR(r.Tp1, std::log(3 * std::sin(r.alpha) / 40 + 1) * 12.5, 1e-12);

    // A light ball in a thick medium, where drag shapes the flight (the default throw hardly
    // feels it): at the top the vertical speed (v0·s + Vp1)·e^(−t/tau) − Vp1 is zero; height and
    // distance are the integrals of the speeds up to Tp1.
    const Inputs light{2, 10, 45, 0.01, 2000, 1000, 0.5};
    const auto l = closedForms(light);
    const double s = std::sin(l.alpha), c = std::cos(l.alpha), e = std::exp(-l.Tp1 / l.tau);
    EXPECT_NEAR((light.v0 * s + l.Vp1) * e - l.Vp1, 0, 1e-12);
    EXPECT_NEAR(l.Ymax1, light.h0 + (light.v0 * s + l.Vp1) * l.tau * (1 - e) - l.Vp1 * l.Tp1,
                1e-12);
    EXPECT_NEAR(l.Xp1, light.v0 * c * l.tau * (1 - e), 1e-12);
}

TEST(ClosedForm, CancellationFreeFormsAgreeWithLongSeries) {
    // x − ln(1 + x) and u − (1 − e^(−u)) as alternating series summed in long double until the
    // terms vanish, or from the long-double library where nothing cancels much.
    auto seriesG = [](long double x) {
        long double sum = 0, power = x;
        for (int k = 2; k < 200; ++k)
            sum += ((k % 2) ? -1 : 1) * (power *= x) / k;
        return sum;
    };
    auto seriesF = [](long double u) {
        long double sum = 0, term = u;
        for (int k = 2; k < 200; ++k)
            sum += ((k % 2) ? -1 : 1) * (term *= u / k);
        return sum;
    };
    for (double v = 1e-12; v <= 10; v *= 1.37) {
        const long double g = v < 0.1 ? seriesG(v) : v - std::log1pl(v);
        const long double f = v < 0.1 ? seriesF(v) : v + std::expm1l(-(long double)v);
        EXPECT_LE(std::fabs((model::xMinusLog1p(v) - g) / g), 1e-13) << v;
        EXPECT_LE(std::fabs((model::uMinusOneMinusExp(v) - f) / f), 1e-13) << v;
    }
}

TEST(ClosedForm, BigTinyAndOverflowingBalls) {
    // Balls of 5 and 20 m: tau is days long against a flight of half a second. The top and the
    // linear-drag walk are those of the default ball, and the walk has no reversals.
    for (double d : {5.0, 20.0}) {
        SCOPED_TRACE(d);
        const model::Throw r = cli::computeThrow(Inputs{.d = d});
        ASSERT_EQ(cli::failureText(r), "");
        EXPECT_EQ(r.text(Quantity::Ymax1), "Ymax1= 0.631 м");
        EXPECT_EQ(r.linear().points, 1106);
        EXPECT_EQ(r.text(Quantity::Tmax1), "Tmax1= 0.560 c");
        const auto& path = r.linearPath();
        std::size_t turns = 0;
        for (std::size_t i = 2; i < path.size(); ++i)
            turns += (path[i].y - path[i - 1].y) * (path[i - 1].y - path[i - 2].y) < 0;
        EXPECT_EQ(turns, 1u);
    }

    // A tiny ball in a very thick medium falls at Stokes' speed g·d²·(rho − rho0)/(18·eta).
    const Inputs tiny{0.5, 3, 30, 0.0001, 7800, 1261, 1000};
    const double stokes = model::g * 1e-8 * (7800 - 1261) / (18 * 1000);
    EXPECT_NEAR(closedForms(tiny).Vp2 / stokes, 1, 1e-6);

    // Values beyond the double or single range show a dash and fail the run, naming them.
    EXPECT_EQ(model::Throw(Inputs{.v0 = 1e39}).text(Quantity::VyEnd), "Vy(y=0)= —");
    const model::Throw heavy = cli::computeThrow(Inputs{.d = 1e13});
    EXPECT_EQ(heavy.text(Quantity::m), "m= —");
    EXPECT_EQ(heavy.outcome(), model::FlightOutcome::notFinite);
    EXPECT_EQ(heavy.failedAt(), model::ThrowStep::closedForms);
    EXPECT_EQ(cli::failureText(heavy), "a value overflows: m");
}

// A ball 0.14 % heavier than a thick medium: it sinks at about 1 mm/s, so the flight takes about
// a million steps, and its horizontal velocity falls below the smallest normal double after
// about 45 000 of them. The expected figures were taken from the walks run without flushing
// subnormals to zero; flushing must not change any of them.
TEST(FlushDenormals, LongFlightGivesTheSameFigures) {
    const Throw t = whole({2, 10, 45, 0.05, 1001.4, 1000, 1.5});
    ASSERT_FALSE(t.failed());
    const auto& lin = t.linear();
    const auto& s = t.flight();
    const auto& c = t.velocityCurves();
    EXPECT_EQ((std::array{lin.points, s.stepCount(), c.passes}),
              (std::array<std::int64_t, 3>{1240258, 1026391, 1026391}));
    // clang-format off
    EXPECT_EQ((std::array{lin.Tmax1, lin.Xmax1, s.Tmax2(), s.Xmax2(), s.VyEnd2(), c.lastT, c.lastVy}),
              (std::array{2087.5612822353514, 0.65564512158860089, 1727.5872697728269,
                          0.19568765590137241, -0.001271060142517376, 1727.588111356644,
                          -0.0012710632395192892}));
    // clang-format on
    // Without flushing vx sticks at 1.3e-322 m/s; with it, a little above the normal limit.
    EXPECT_LT(std::abs(s.VxEnd2()), 1e-300);
    EXPECT_LT(std::abs(c.lastVx), 1e-300);
    EXPECT_EQ(c.linearVx.back().y, 0.0f);
}

#if defined(__x86_64__) || defined(__SSE2__)
// The walks leave the caller's floating-point mode as they found it, whether or not the caller
// flushes subnormals itself, and subnormal arithmetic outside them works as usual. (The low six
// bits of the control register are exception flags, which any arithmetic may raise.)
TEST(FlushDenormals, CallersModeComesBack) {
    const auto mode = [] { return _mm_getcsr() & ~0x3Fu; };
    const unsigned original = _mm_getcsr();
    const auto cf = closedForms(Inputs{});
    for (const unsigned m : {original & ~0x8040u & ~0x3Fu, (original | 0x8040u) & ~0x3Fu}) {
        _mm_setcsr(m);
        model::linearDragWalk(Inputs{}, cf, 1000);
        EXPECT_EQ(mode(), m);
        model::QuadraticDragStepper s(Inputs{}, cf, 1000);
        while (!s.done()) {
            s.step();
            ASSERT_EQ(mode(), m);
        }
        model::velocityCurves(Inputs{}, cf, 0.56, 0.56, s.dt(), 1000);
        EXPECT_EQ(mode(), m);
    }
    _mm_setcsr(original);
    volatile double tiny = 1e-310;
    {
        const model::FlushDenormals flush;
        EXPECT_EQ(tiny / 2, 0.0);
    }
    EXPECT_EQ(tiny / 2, 5e-311);
}
#endif
