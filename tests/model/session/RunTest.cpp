#include "model/session/Run.h"

#include <gtest/gtest.h>

using Kind = session::FlightEvent::Kind;
using Phase = session::Run::Phase;

namespace {

// Ticks until the flight ends; the kinds of everything it brought, in order.
std::vector<Kind> fly(session::Run& run, int groups) {
    std::vector<Kind> kinds;
    while (run.flight().running())
        for (const session::FlightEvent& e : run.flight().tick(groups))
            kinds.push_back(e.kind);
    return kinds;
}

int countOf(const std::vector<Kind>& kinds, Kind k) {
    return int(std::count(kinds.begin(), kinds.end(), k));
}

} // namespace

// The default throw's flight, tick by tick: 110 pieces, each shown one tick after its group, one
// top, the landing last; a held flight brings nothing. Then the landing's velocities; the next
// throw offers the landed one to be kept, or keeps its velocity curves on show.
TEST(Run, SequenceOfAFullRun) {
    session::Run run;
    EXPECT_EQ(run.phase(), Phase::none);
    run.recompute({}, 1, 1.0f);
    EXPECT_EQ(run.phase(), Phase::trajectory);
    ASSERT_TRUE(run.startFlight());
    EXPECT_TRUE(run.flight().tick(1).empty()); // the first group, its piece comes next
    EXPECT_TRUE(run.flight().pause());
    EXPECT_TRUE(run.flight().tick(1).empty());
    EXPECT_EQ(run.flight().ticks(), 1);
    run.flight().resume();
    const std::vector<Kind> kinds = fly(run, 1);
    EXPECT_EQ(countOf(kinds, Kind::piece), 110);
    EXPECT_EQ(countOf(kinds, Kind::top), 1);
    EXPECT_EQ(kinds.back(), Kind::landed);
    EXPECT_EQ(run.flight().ticks(), 111); // each piece a tick after its group; the landing last

    run.landed();
    EXPECT_EQ(run.phase(), Phase::landing);
    EXPECT_TRUE(run.finishLanding());
    EXPECT_TRUE(run.velocitiesShown());

    model::Inputs next;
    next.v0 = 4;
    bool kept = false;
    run.recompute(
        next, 1, 1.0f, [](const model::Throw&, const model::Inputs&) { return false; }, &kept);
    EXPECT_FALSE(kept);
    ASSERT_TRUE(run.earlierVelocities());
    EXPECT_EQ(run.earlierVelocities()->inputs.v0, 3);
    EXPECT_FALSE(run.velocitiesShown());

    // All at once: the same pieces in one tick.
    ASSERT_TRUE(run.startFlight());
    const std::vector<Kind> atOnce = fly(run, 0);
    EXPECT_EQ(run.flight().ticks(), 1);
    EXPECT_EQ(atOnce.back(), Kind::landed);
    run.abandon();
    EXPECT_TRUE(run.flightStarted()); // its pieces stay shown
}
