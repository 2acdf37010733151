#include "tests/model/ThrowTestSupport.h"

using namespace testing_model;

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

TEST(Throw, CurvesCheckedWithoutKeepingThem) {
    // Checked but not kept (the report tool): the same results, counts and failing step as with
    // the curves kept, from a finished throw to one whose velocity panes have no usable range.
    model::ThrowSettings checked;
    checked.curves = false;
    checked.checkCurves = true;
    for (const Inputs& in :
         {Inputs{}, viscous, stiff, Inputs{1e26, 9.5e23, 82, 6.8e-4, 1374, 4.5e-3, 2.3e-6},
          Inputs{2.75e25, 5.7e17, 21.55, 9.66, 38, 4.31, 1.07e-6},
          Inputs{3.5e-3, 1.65e7, -12.9, 8.2e-5, 53863, 2.95, 2.3e-4}}) {
        const Throw kept = whole(in);
        Throw lean(in, checked);
        lean.runToEnd();
        EXPECT_EQ(lean.failedAt(), kept.failedAt()) << in.h0;
        EXPECT_EQ(lean.outcome(), kept.outcome());
        EXPECT_EQ(texts(lean, Quantity::a_max, Quantity::VyEnd2),
                  texts(kept, Quantity::a_max, Quantity::VyEnd2));
        EXPECT_EQ(lean.linear().points, kept.linear().points);
        EXPECT_EQ(lean.flight().stepCount(), kept.flight().stepCount());
        EXPECT_EQ(lean.velocityCurves().passes, kept.velocityCurves().passes);
        EXPECT_TRUE(lean.linearPath().empty() && lean.flightPieces().empty() &&
                    lean.vacuum().points.empty() && lean.velocityCurves().quadraticVy.empty());
    }

    // A point beyond single precision is caught by the walks that keep nothing: a height on the
    // linear-drag curve, a speed on the velocity curves (which still walk every pass).
    Inputs high;
    high.h0 = 1e39;
    high.eta = 1e-30;
    bool drawable = true;
    model::linearDragWalk(high, model::closedForms(high), 1000, drawable);
    EXPECT_FALSE(drawable);
    model::linearDragWalk(viscous, model::closedForms(viscous), 1000, drawable);
    EXPECT_TRUE(drawable);
    Inputs fast{0.5, 1e39, 0, 0.4, 7800, 1e-300, 1e-30};
    for (const double v0 : {1e39, 3e38}) {
        fast.v0 = v0;
        const auto cf = model::closedForms(fast);
        const auto unkept = model::velocityCurves(fast, cf, 0.5, 0.5, 0.0005, 1000, false);
        const auto all = model::velocityCurves(fast, cf, 0.5, 0.5, 0.0005, 1000);
        EXPECT_EQ(unkept.drawable, v0 < 3.4e38) << v0;
        EXPECT_EQ(std::isfinite(all.vacuumVx.front().y), v0 < 3.4e38);
        EXPECT_EQ(unkept.passes, all.passes);
        EXPECT_TRUE(unkept.quadraticVx.empty());
    }
}
