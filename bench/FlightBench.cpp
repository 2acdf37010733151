// Cost of the flight models per step, each next to a straight-line loop written from the same
// equations (ReferenceWalks.h), and the model part of whole full runs. Throws:
//   0 the default throw (1000 steps per vacuum flight time),
//   1 the viscous example: a light ball in a thick medium, about seven times the steps,
//   2 the default throw cut into 904 000 steps instead of 1000 (about a million steps),
//   3 a long flight: a ball barely heavier than a viscous medium at the window's 1000 steps,
//     about a million steps, the horizontal velocity decaying below the normal doubles.
// ExactQuadratic is the cost of the exact values of one quadratic-drag throw.
// The counter "per_step" is the time of one step (point, RK4 step or Euler pass). With
// --table the program prints only the rows of the figures table (see BenchTable.h).
#include "BenchTable.h"
#include "ReferenceWalks.h"
#include "Throws.h"

#include "model/Throw.h"
#include "model/exact/ExactFlight.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/LinearDrag.h"
#include "model/physics/QuadraticDragStepper.h"
#include "model/physics/VacuumPath.h"
#include "model/physics/VelocityCurves.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using bench::Throw;
using bench::throwOf;

bench::WalkParameters parametersOf(const Throw& t, const model::ClosedForm& cf) {
    return {t.in.h0,
            t.in.v0 * std::cos(cf.alpha),
            t.in.v0 * std::sin(cf.alpha),
            cf.tau,
            cf.Vp1,
            cf.R2,
            cf.Tmax / t.nSteps};
}

void perStep(benchmark::State& state, std::int64_t steps) {
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["per_step"] = benchmark::Counter(static_cast<double>(steps),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void Vacuum(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::closedForms(t.in);
    std::int64_t steps = 0;
    for (auto _ : state) {
        const auto p = model::vacuumPath(t.in, cf, 0, 2, t.nSteps);
        steps = static_cast<std::int64_t>(p.points.size());
        benchmark::DoNotOptimize(p.lastY);
    }
    perStep(state, steps);
}

void LinearCompute(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::closedForms(t.in);
    std::int64_t steps = 0;
    for (auto _ : state) {
        const auto r = model::linearDragWalk(t.in, cf, t.nSteps);
        steps = r.points;
        benchmark::DoNotOptimize(r.Xmax1);
    }
    perStep(state, steps);
}

void LinearReference(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto p = parametersOf(t, model::closedForms(t.in));
    std::int64_t steps = 0;
    for (auto _ : state) {
        double x = 0;
        steps = bench::referenceLinearWalk(p, x);
        benchmark::DoNotOptimize(x);
    }
    perStep(state, steps);
}

void LinearPoints(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::closedForms(t.in);
    std::vector<model::PanePoint> pts;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model::linearDragPoints(t.in, cf, t.nSteps, pts));
        benchmark::ClobberMemory();
    }
    perStep(state, static_cast<std::int64_t>(pts.size()));
}

void QuadraticRk4(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::closedForms(t.in);
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

void Rk4Reference(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto p = parametersOf(t, model::closedForms(t.in));
    std::int64_t steps = 0;
    for (auto _ : state) {
        double x = 0;
        steps = bench::referenceRk4(p, x);
        benchmark::DoNotOptimize(x);
    }
    perStep(state, steps);
}

struct FlightTimes {
    double Tmax1, Tmax2, dt;
};

FlightTimes flightTimes(const Throw& t, const model::ClosedForm& cf) {
    const auto lin = model::linearDragWalk(t.in, cf, t.nSteps);
    model::QuadraticDragStepper s(t.in, cf, t.nSteps);
    while (!s.done())
        s.step();
    return {lin.Tmax1, s.Tmax2(), s.dt()};
}

void VelocityCurves(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::closedForms(t.in);
    const FlightTimes f = flightTimes(t, cf);
    std::int64_t steps = 0;
    for (auto _ : state) {
        const auto c = model::velocityCurves(t.in, cf, f.Tmax1, f.Tmax2, f.dt, t.nSteps);
        steps = c.passes;
        benchmark::DoNotOptimize(c.lastVy);
    }
    perStep(state, steps);
}

void VelocityReference(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    const auto cf = model::closedForms(t.in);
    const FlightTimes f = flightTimes(t, cf);
    const auto p = parametersOf(t, cf);
    bench::VelocityLists lists;
    std::int64_t steps = 0;
    for (auto _ : state) {
        steps = bench::referenceVelocityWalk(p, cf.Tmax, f.Tmax1, f.Tmax2, t.nSteps, lists);
        benchmark::DoNotOptimize(lists.quadraticVy.data());
    }
    perStep(state, steps);
}

// Everything a full run computes, without the pauses of the animation and without drawing:
// the whole throw pipeline with its curves.
void FullRun(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    model::ThrowSettings settings;
    settings.nSteps = t.nSteps;
    std::int64_t steps = 0;
    for (auto _ : state) {
        model::Throw whole(t.in, settings);
        whole.runToEnd();
        steps = whole.flight().stepCount();
        benchmark::DoNotOptimize(whole.velocityCurves().lastVy);
    }
    state.counters["steps"] = static_cast<double>(steps);
}

} // namespace

// The exact values of the quadratic-drag flight: its top and landing by the adaptive
// integration with dense output (model/exact), as a study's mark or a fit asks for them.
void ExactQuadratic(benchmark::State& state) {
    const Throw t = throwOf(state.range(0));
    for (auto _ : state) {
        const model::exact::ExactFlight flight(t.in, model::ModelKind::quadratic);
        benchmark::DoNotOptimize(flight.landing().x);
    }
}

// Argument: the throw (see the top of the file).
BENCHMARK(Vacuum)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(LinearCompute)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(LinearReference)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(LinearPoints)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(QuadraticRk4)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(Rk4Reference)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(VelocityCurves)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(VelocityReference)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExactQuadratic)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(FullRun)->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return bench::runWithTable(argc, argv);
}
