#include "Collect.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace bench {

namespace {

// Keeps the fastest processor and wall times per iteration of each benchmark; passes the runs on to
// the console unless quiet.
class Collector : public benchmark::ConsoleReporter {
public:
    explicit Collector(Collected& into) : into_(into) {}

    bool ReportContext(const Context& context) override {
        return into_.tableOnly || ConsoleReporter::ReportContext(context);
    }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred || r.iterations == 0 || r.run_type != Run::RT_Iteration)
                continue;
            Measured m;
            const auto iterations = static_cast<double>(r.iterations);
            m.seconds = r.cpu_accumulated_time / iterations;
            m.realSeconds = r.real_accumulated_time / iterations;
            for (const auto& [name, counter] : r.counters)
                m.counters[name] = counter.value;
            const std::string& args = r.run_name.args;
            const std::string key =
                args.empty() ? r.run_name.function_name : r.run_name.function_name + "/" + args;
            const auto [it, fresh] = into_.results.emplace(key, m);
            if (!fresh) {
                Measured& best = it->second;
                const double real = std::min(best.realSeconds, m.realSeconds);
                if (m.seconds < best.seconds)
                    best = m;
                best.realSeconds = real;
            }
        }
        if (!into_.tableOnly)
            ConsoleReporter::ReportRuns(runs);
    }

private:
    Collected& into_;
};

} // namespace

double Measured::counter(const std::string& name) const {
    const auto it = counters.find(name);
    return it == counters.end() ? 0 : it->second;
}

const Measured* Collected::find(const std::string& name) const {
    const auto it = results.find(name);
    return it == results.end() ? nullptr : &it->second;
}

Collected runAndCollect(int argc, char** argv) {
    Collected collected;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--table") == 0)
            collected.tableOnly = true;
        else
            args.push_back(argv[i]);
    }
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    Collector collector(collected);
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    return collected;
}

} // namespace bench
