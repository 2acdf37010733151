#pragma once

#include <atomic>
#include <functional>

namespace model {

// The one place where a study spreads its points over threads. Each worker takes the next
// index from a shared counter and calls work(index); it looks at stop between points, and
// work itself gets the flag so that a long point can give up early (it returns false then).
// progress(done) is called after every finished point, one call at a time, with done rising.
//
// Returns true when every point was worked; false when stop was raised before that. It returns only
// after every worker has ended, so nothing keeps running behind the caller. An exception from
// work stops the other workers and is thrown again here.
bool runPoints(int count, int threads, const std::atomic<bool>& stop,
               const std::function<bool(int index)>& work,
               const std::function<void(int done)>& progress = {});

// The processor cores the system offers (at least 1).
int allCores();

} // namespace model
