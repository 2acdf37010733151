#include "BenchTable.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace bench {

namespace {

struct Measured {
    double seconds = 0; // processor time of one iteration
    double steps = 0;
};

// Keeps every run's time per iteration; passes the runs on to the console unless quiet.
class Collector : public benchmark::ConsoleReporter {
public:
    explicit Collector(bool quiet) : quiet_(quiet) {}

    bool ReportContext(const Context& context) override {
        return quiet_ || ConsoleReporter::ReportContext(context);
    }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred || r.iterations == 0 || r.run_type != Run::RT_Iteration)
                continue;
            Measured m;
            m.seconds = r.cpu_accumulated_time / static_cast<double>(r.iterations);
            if (auto it = r.counters.find("steps"); it != r.counters.end())
                m.steps = it->second.value;
            // Of repeated runs the fastest counts: the others lost time to other processes.
            const auto [it, fresh] =
                results.emplace(r.run_name.function_name + "/" + r.run_name.args, m);
            if (!fresh && m.seconds < it->second.seconds)
                it->second = m;
        }
        if (!quiet_)
            ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, Measured> results;

private:
    bool quiet_;
};

double nsPerStep(const Measured& m) {
    return m.steps > 0 ? m.seconds * 1e9 / m.steps : 0;
}

} // namespace

int runWithTable(int argc, char** argv) {
    bool tableOnly = false;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--table") == 0)
            tableOnly = true;
        else
            args.push_back(argv[i]);
    }
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    Collector collector(tableOnly);
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();

    const auto& res = collector.results;
    auto find = [&res](const std::string& name) -> const Measured* {
        const auto it = res.find(name);
        return it == res.end() ? nullptr : &it->second;
    };
    struct Walk {
        const char* title;
        const char* model;
        const char* reference;
    };
    const Walk walks[] = {
        {"Linear-drag walk (compute pass)", "LinearCompute", "LinearReference"},
        {"RK4 stepper", "QuadraticRk4", "Rk4Reference"},
        {"Velocity walk (all six curves, per Euler pass)", "VelocityCurves", "VelocityReference"}};
    const std::pair<const char*, const char*> throws[] = {{"0", "default throw"},
                                                          {"3", "long flight"}};
    for (const Walk& w : walks) {
        for (const auto& [arg, name] : throws) {
            const Measured* m = find(std::string(w.model) + "/" + arg);
            const Measured* r = find(std::string(w.reference) + "/" + arg);
            if (!m || !r)
                continue;
            const double a = nsPerStep(*m), b = nsPerStep(*r);
            std::printf("| %s, %s (%.0f steps) | %.1f ns/step; reference %.1f ns, ratio %.2f× "
                        "| ≤ 1.2× reference |\n",
                        w.title, name, m->steps, a, b, b > 0 ? a / b : 0.0);
        }
    }
    const std::pair<const char*, const char*> runs[] = {{"FullRun/0", "default throw"},
                                                        {"FullRun/1", "viscous example"},
                                                        {"FullRun/3", "long flight"}};
    for (const auto& [key, name] : runs)
        if (const Measured* m = find(key))
            std::printf("| Full run without pauses (model only), %s, %.0f RK4 steps | %.3f ms | "
                        "— |\n",
                        name, m->steps, m->seconds * 1e3);
    const std::pair<const char*, const char*> exact[] = {{"ExactQuadratic/0", "default throw"},
                                                         {"ExactQuadratic/1", "viscous example"},
                                                         {"ExactQuadratic/3", "long flight"}};
    for (const auto& [key, name] : exact)
        if (const Measured* m = find(key))
            std::printf("| Exact values of one quadratic-drag throw (top and landing), %s | "
                        "%.3f ms | ≤ 5 ms |\n",
                        name, m->seconds * 1e3);
    return 0;
}

} // namespace bench
