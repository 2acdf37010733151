#pragma once

#include <cstdint>

namespace model {

// How a step-by-step walk of a flight ended.
enum class FlightOutcome {
    finished,  // the ball reached the ground; the results are real
    tooLong,   // the walk needed more than maxFlightWork steps; no results
    notFinite, // an input or an intermediate value was infinite or not a number; no results
};

// Upper bound on the work of one walk, counted in evaluated points, steps or sub-steps. A small
// ball in a thick medium can need far more; the walk then stops with tooLong instead of freezing
// the window for minutes.
inline constexpr std::int64_t maxFlightWork = 10'000'000;

} // namespace model
