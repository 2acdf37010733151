#include "tests/model/ThrowTestSupport.h"

using namespace testing_model;

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
