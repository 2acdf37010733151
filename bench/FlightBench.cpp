// Cost of the flight models per step on three throws: the default one, a light ball in a
// viscous medium (about ten times the steps) and the default throw cut into 904 000 steps
// instead of 1000 (about a million steps). The counter "per_step" is the time of one step
// (point, RK4 step or Euler pass).
#include "model/ClosedForm.h"
#include "model/LinearDrag.h"
#include "model/QuadraticDragStepper.h"
#include "model/VacuumPath.h"
#include "model/VelocityCurves.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

struct Throw {
    model::Inputs in;
    int nSteps;
};

Throw throwOf(std::int64_t which) {
    switch (which) {
    case 1:
        return {{2, 10, 45, 0.05, 1200, 1000, 1.5}, 1000};
    case 2:
        return {{}, 904000};
    default:
        return {{}, 1000};
    }
}

void perStep(benchmark::State& state, std::int64_t steps) {
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["per_step"] = benchmark::Counter(static_cast<double>(steps),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void Vacuum(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::parametr(t.in);
    std::int64_t steps = 0;
    for (auto _ : state) {
        const auto p = model::raschet0(t.in, cf, 0, 2, t.nSteps);
        steps = static_cast<std::int64_t>(p.points.size());
        benchmark::DoNotOptimize(p.lastY);
    }
    perStep(state, steps);
}

void LinearCompute(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::parametr(t.in);
    std::int64_t steps = 0;
    for (auto _ : state) {
        const auto r = model::raschet1(t.in, cf, t.nSteps);
        steps = r.points;
        benchmark::DoNotOptimize(r.Xmax1);
    }
    perStep(state, steps);
}

void LinearPoints(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::parametr(t.in);
    std::vector<model::PanePoint> pts;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model::linearDragPoints(t.in, cf, t.nSteps, pts));
        benchmark::ClobberMemory();
    }
    perStep(state, static_cast<std::int64_t>(pts.size()));
}

void QuadraticRk4(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::parametr(t.in);
    std::int64_t steps = 0;
    for (auto _ : state) {
        model::QuadraticDragStepper s(t.in, cf, t.nSteps);
        while (!s.done())
            s.step();
        steps = s.stepCount();
        benchmark::DoNotOptimize(s.x());
    }
    perStep(state, steps);
}

void VelocityCurves(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::parametr(t.in);
    const auto lin = model::raschet1(t.in, cf, t.nSteps);
    model::QuadraticDragStepper s(t.in, cf, t.nSteps);
    while (!s.done())
        s.step();
    std::int64_t steps = 0;
    for (auto _ : state) {
        const auto c = model::raschet3(t.in, cf, lin.Tmax1, s.Tmax2(), s.dt(), t.nSteps);
        steps = c.passes;
        benchmark::DoNotOptimize(c.lastVy);
    }
    perStep(state, steps);
}

} // namespace

// Argument: 0 default throw, 1 viscous example, 2 a million steps.
BENCHMARK(Vacuum)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(LinearCompute)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(LinearPoints)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(QuadraticRk4)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(VelocityCurves)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
