#include "model/FlushDenormals.h"
#include "model/ClosedForm.h"
#include "model/LinearDrag.h"
#include "model/QuadraticDragStepper.h"
#include "model/VelocityCurves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A ball 0.14 % heavier than a thick medium: it sinks at about 1 mm/s, so the flight takes about
// a million steps, and its horizontal velocity falls below the smallest normal double after
// about 45 000 of them. The expected figures were taken from the walks run without flushing
// subnormals to zero; flushing must not change any of them.
const model::Inputs longFlight{2, 10, 45, 0.05, 1001.4, 1000, 1.5};

std::vector<std::string> texts(const auto& labels) {
    std::vector<std::string> out;
    for (const auto& l : labels)
        out.push_back(l.label + " " + l.text);
    return out;
}

TEST(FlushDenormals, LongFlightGivesTheSameFigures) {
    const auto cf = model::parametr(longFlight);

    const auto lin = model::raschet1(longFlight, cf, 1000);
    ASSERT_EQ(lin.outcome, model::FlightOutcome::finished);
    EXPECT_EQ(lin.points, 1240258);
    EXPECT_EQ(lin.Tmax1, 2087.5612822353514);
    EXPECT_EQ(lin.Xmax1, 0.65564512158860089);
    EXPECT_EQ(texts(lin.labels), (std::vector<std::string>{
                                     "Label26 Tmax1= 2087.561 c", "Label27 Xmax1=  .656 м",
                                     "Label39 Vx1(y=0)=  0 м/c", "Label40 Vy1(y=0)= -.001 м/c"}));

    model::QuadraticDragStepper s(longFlight, cf, 1000);
    while (!s.done())
        s.step();
    ASSERT_EQ(s.outcome(), model::FlightOutcome::finished);
    EXPECT_EQ(s.stepCount(), 1026391);
    EXPECT_EQ(s.Tmax2(), 1727.5872697728269);
    EXPECT_EQ(s.Xmax2(), 0.19568765590137241);
    EXPECT_EQ(s.VyEnd2(), -0.001271060142517376);
    // Without flushing vx sticks at 1.3e-322 m/s; with it, a little above the normal limit.
    EXPECT_LT(std::abs(s.VxEnd2()), 1e-300);
    EXPECT_EQ(texts(s.apexLabels()),
              (std::vector<std::string>{"Label30 Ymax2= 2.195 м", "Label29 Tp2= 0.611 c",
                                        "Label35 Xp2= 0.196 м"}));
    EXPECT_EQ(
        texts(s.landingLabels()),
        (std::vector<std::string>{"Label31 Tmax2= 1727.587 c", "Label32 Xmax2=  .196 м",
                                  "Label41 Vx2(y=0)=  0 м/c", "Label42 Vy2(y=0)= -.001 м/c"}));

    const auto c = model::raschet3(longFlight, cf, lin.Tmax1, s.Tmax2(), s.dt(), 1000);
    ASSERT_EQ(c.outcome, model::FlightOutcome::finished);
    EXPECT_EQ(c.passes, 1026391);
    EXPECT_EQ(c.lastT, 1727.588111356644);
    EXPECT_EQ(c.lastVy, -0.0012710632395192892);
    EXPECT_LT(std::abs(c.lastVx), 1e-300);
    EXPECT_EQ(c.linearVx.back().y, 0.0f);
}

#if defined(__x86_64__) || defined(__SSE2__)
// The walks leave the caller's floating-point mode as they found it, whether or not the caller
// flushes subnormals itself, and subnormal arithmetic outside them works as usual. (The low six
// bits of the control register are exception flags, which any arithmetic may raise.)
unsigned mode() {
    return _mm_getcsr() & ~0x3Fu;
}

TEST(FlushDenormals, CallersModeComesBack) {
    const unsigned original = _mm_getcsr();
    const auto cf = model::parametr(model::Inputs{});
    for (const unsigned m : {original & ~0x8040u & ~0x3Fu, (original | 0x8040u) & ~0x3Fu}) {
        _mm_setcsr(m);
        model::raschet1(model::Inputs{}, cf, 1000);
        EXPECT_EQ(mode(), m);
        model::QuadraticDragStepper s(model::Inputs{}, cf, 1000);
        while (!s.done()) {
            s.step();
            ASSERT_EQ(mode(), m);
        }
        model::raschet3(model::Inputs{}, cf, 0.56, 0.56, s.dt(), 1000);
        EXPECT_EQ(mode(), m);
    }
    _mm_setcsr(original);
    volatile double tiny = 1e-310;
    EXPECT_EQ(tiny / 2, 5e-311);
    {
        const model::FlushDenormals flush;
        EXPECT_EQ(tiny / 2, 0.0);
    }
    EXPECT_EQ(tiny / 2, 5e-311);
}
#endif

} // namespace
