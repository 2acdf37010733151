#pragma once

#include <map>
#include <string>

namespace bench {

// One benchmark's fastest run (its counters those of the run fastest on the processor): of
// repeated runs the others lost time to other processes.
struct Measured {
    double seconds = 0;     // processor time of one iteration
    double realSeconds = 0; // wall time of one iteration
    std::map<std::string, double> counters;

    double counter(const std::string& name) const; // 0 when the benchmark did not set it
};

struct Collected {
    bool tableOnly = false;                  // --table: only the figures table is wanted
    std::map<std::string, Measured> results; // by "Function", or "Function/args"

    const Measured* find(const std::string& name) const;
};

// Runs the registered benchmarks like BENCHMARK_MAIN and keeps the fastest run of each; with
// --table their console report is left out.
Collected runAndCollect(int argc, char** argv);

} // namespace bench
