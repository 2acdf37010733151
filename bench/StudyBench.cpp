// study_bench: wall time of the study of α (180 throws, results only) on one thread and on every
// core, measured in one run, and the speed-up; printed as rows of the figures table (Markdown).
#include "Throws.h"
#include "model/Throw.h"
#include "model/study/Study.h"
#include "model/study/StudyRunner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int repetitions = 7;

double secondsFor(const model::StudySpec& plan, int threads) {
    const std::atomic<bool> stop{false};
    const auto start = std::chrono::steady_clock::now();
    const auto points = model::runStudy(plan, threads, stop);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!points)
        std::fprintf(stderr, "study_bench: the study did not finish\n");
    return took.count();
}

// Mean RK4 steps and linear-drag points per throw of the study.
void meanWork(const model::StudySpec& plan, double& steps, double& points) {
    steps = points = 0;
    model::ThrowSettings settings;
    settings.curves = false;
    for (int i = 0; i < plan.count; ++i) {
        model::Inputs in = plan.base;
        model::inputOf(in, plan.field) = model::studyValue(plan, i);
        model::Throw t(in, settings);
        t.runToEnd();
        steps += static_cast<double>(t.flight().stepCount()) / plan.count;
        points += static_cast<double>(t.linear().points) / plan.count;
    }
}

void row(const char* name, const model::StudySpec& plan, const char* target) {
    const int cores = model::allCores();
    double one = 1e9, all = 1e9;
    // Alternating, so that both see the same load of the shared machine; the fastest counts.
    for (int r = 0; r < repetitions; ++r) {
        one = std::min(one, secondsFor(plan, 1));
        all = std::min(all, secondsFor(plan, cores));
    }
    double steps = 0, points = 0;
    meanWork(plan, steps, points);
    std::printf("| Study of α, %s (%d throws, mean %.0f RK4 steps and %.0f linear points), "
                "1 thread / %d threads | %.1f ms / %.1f ms, speed-up %.2f× | %s |\n",
                name, plan.count, steps, points, cores, one * 1e3, all * 1e3, one / all, target);
}

} // namespace

int main() {
    model::StudySpec plan; // α from 0 to 89.5 in 180 points
    row("default throw", plan, "≤ 100 ms on all cores; ≥ 1.7× on 2 cores");
    plan.base = bench::viscousInputs();
    row("viscous example", plan, "≤ 2 s on all cores; ≥ 1.7× on 2 cores");
    return 0;
}
