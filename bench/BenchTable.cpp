#include "BenchTable.h"

#include "Collect.h"

#include <cstdio>
#include <string>

namespace bench {

namespace {

double nsPerStep(const Measured& m) {
    const double steps = m.counter("steps");
    return steps > 0 ? m.seconds * 1e9 / steps : 0;
}

} // namespace

int runWithTable(int argc, char** argv) {
    const Collected collected = runAndCollect(argc, argv);
    auto find = [&collected](const std::string& name) { return collected.find(name); };
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
                        w.title, name, m->counter("steps"), a, b, b > 0 ? a / b : 0.0);
        }
    }
    const std::pair<const char*, const char*> runs[] = {{"FullRun/0", "default throw"},
                                                        {"FullRun/1", "viscous example"},
                                                        {"FullRun/3", "long flight"}};
    for (const auto& [key, name] : runs)
        if (const Measured* m = find(key))
            std::printf("| Full run without pauses (model only), %s, %.0f RK4 steps | %.3f ms | "
                        "— |\n",
                        name, m->counter("steps"), m->seconds * 1e3);
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
