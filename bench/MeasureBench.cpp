// Measured throws: a fit of v0, α and η of the three models to 200 points of the viscous
// example, a fit of v0, α and Cd of the quadratic drag to 300 points of a ball in air, and the
// import of a table of 100 000 points. With --table only the rows of the
// figures table are printed (processor time, the fastest of the repetitions).
#include "Collect.h"
#include "model/Throw.h"
#include "model/exact/ExactFlight.h"
#include "model/measure/Fit.h"
#include "model/measure/TableImport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

using namespace model::measure;

const model::Inputs kViscous{2, 10, 45, 0.05, 1200, 1000, 1.5};

// 200 points over the whole flight of the quadratic-drag model, 2 mm of noise on each.
std::vector<Point> viscousPoints() {
    model::Throw flight(kViscous);
    flight.runToEnd();
    const double end = *flight.value(model::Quantity::Tmax2);
    std::vector<double> times;
    for (int i = 0; i < 200; ++i)
        times.push_back(end * i / 200);
    std::mt19937 random(1);
    std::normal_distribution<double> noise(0, 0.002);
    std::vector<Point> pts;
    for (const auto& s : model::exact::ExactFlight(kViscous, model::ModelKind::quadratic).at(times))
        pts.push_back({s.t, s.x + noise(random), s.y + noise(random)});
    return pts;
}

void FitThreeModels(benchmark::State& state) {
    const auto pts = viscousPoints();
    FitRequest request;
    request.start = kViscous;
    request.start.v0 = 8;
    request.start.alphaDeg = 40;
    request.start.eta = 1;
    request.free = {model::Field::v0, model::Field::alphaDeg, model::Field::eta};
    const std::atomic<bool> never{false};
    int iterations = 0;
    for (auto _ : state) {
        const FitResult r = fitModels(pts, request, never);
        iterations = r.models[0].iterations + r.models[1].iterations + r.models[2].iterations;
        if (!r.best)
            state.SkipWithError("no model fitted");
    }
    state.counters["iterations"] = iterations;
}

// A table-tennis ball in air (40 mm, 2.7 g) thrown with Cd 0.35: 300 points over its whole
// flight with 1 cm of noise, fitted for v0, α and Cd from v0 9, α 40, Cd 0.5.
void FitDragCoefficient(benchmark::State& state) {
    model::Inputs truth{1, 12, 30, 0.04, 80.6, 1.204, 0.0000181};
    truth.cd = 0.35;
    model::Throw flight(truth);
    flight.runToEnd();
    const double end = *flight.value(model::Quantity::Tmax2);
    std::vector<double> times;
    for (int i = 0; i < 300; ++i)
        times.push_back(end * i / 300);
    std::mt19937 random(3);
    std::normal_distribution<double> noise(0, 0.01);
    std::vector<Point> pts;
    for (const auto& s : model::exact::ExactFlight(truth, model::ModelKind::quadratic).at(times))
        pts.push_back({s.t, s.x + noise(random), s.y + noise(random)});
    FitRequest request;
    request.start = truth;
    request.start.v0 = 9;
    request.start.alphaDeg = 40;
    request.start.cd = 0.5;
    request.freeCd = true;
    const std::atomic<bool> never{false};
    ModelFit fit;
    for (auto _ : state) {
        fit = fitModel(pts, model::ModelKind::quadratic, request, never);
        if (!fit.converged)
            state.SkipWithError("not fitted");
    }
    state.counters["iterations"] = fit.iterations;
    state.counters["cd"] = fit.inputs.cd;
}

void Import(benchmark::State& state) {
    std::string text = "Мяч\nt (s)\tx (cm)\ty (cm)\n";
    char row[64];
    for (int i = 0; i < 100000; ++i) {
        std::snprintf(row, sizeof row, "%.4f\t%.1f\t%.1f\n", i / 30.0, 0.1 * i, 200 - 1e-3 * i);
        text += row;
    }
    for (auto _ : state) {
        const ImportResult r = importDetected(text, {}, "bench");
        if (!r.measurements || r.measurements->points.size() != 100000)
            state.SkipWithError("import failed");
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}

BENCHMARK(FitThreeModels)->Unit(benchmark::kMillisecond);
BENCHMARK(FitDragCoefficient)->Unit(benchmark::kMillisecond);
BENCHMARK(Import)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const bench::Collected collected = bench::runAndCollect(argc, argv);
    if (!collected.tableOnly)
        return 0;
    if (const bench::Measured* m = collected.find("FitThreeModels"))
        std::printf("| Fit of v0, α and η to 200 points of the viscous example, three models "
                    "(%.0f iterations in all) | %.0f ms | ≤ 1000 ms |\n",
                    m->counter("iterations"), m->seconds * 1e3);
    if (const bench::Measured* m = collected.find("FitDragCoefficient"))
        std::printf("| Fit of v0, α and Cd of the quadratic drag to 300 points of a table-tennis "
                    "ball in air (Cd 0.35 found as %.3f, %.0f iterations) | %.0f ms | ≤ 100 ms |\n",
                    m->counter("cd"), m->counter("iterations"), m->seconds * 1e3);
    if (const bench::Measured* m = collected.find("Import"))
        std::printf("| Import of a table of 100 000 points (%.1f MB, columns and units from "
                    "the header) | %.0f ms | ≤ 200 ms |\n",
                    m->counter("bytes") / 1e6, m->seconds * 1e3);
    return 0;
}
