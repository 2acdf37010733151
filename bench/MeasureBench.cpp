// Measured throws: a fit of v0, α and η of the three models to 200 points of the viscous
// example, and the import of a table of 100 000 points. With --table only the rows of the
// figures table are printed (processor time, the fastest of the repetitions).
#include "model/Throw.h"
#include "model/exact/ExactFlight.h"
#include "model/measure/Fit.h"
#include "model/measure/TableImport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
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
BENCHMARK(Import)->Unit(benchmark::kMillisecond);

// Keeps the fastest time per iteration of each benchmark; quiet with --table.
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
            const double ms = r.cpu_accumulated_time / static_cast<double>(r.iterations) * 1e3;
            auto& best = results[r.run_name.function_name];
            if (best.first == 0 || ms < best.first)
                best = {ms, r.counters.count("iterations") ? r.counters.at("iterations").value
                                                           : r.counters.at("bytes").value};
        }
        if (!quiet_)
            ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, std::pair<double, double>> results; // ms, counter

private:
    bool quiet_;
};

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> args;
    bool table = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--table") == 0)
            table = true;
        else
            args.push_back(argv[i]);
    }
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    Collector collector(table);
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    if (!table)
        return 0;
    if (const auto it = collector.results.find("FitThreeModels"); it != collector.results.end())
        std::printf("| Fit of v0, α and η to 200 points of the viscous example, three models "
                    "(%.0f iterations in all) | %.0f ms | ≤ 1000 ms |\n",
                    it->second.second, it->second.first);
    if (const auto it = collector.results.find("Import"); it != collector.results.end())
        std::printf("| Import of a table of 100 000 points (%.1f MB, columns and units from "
                    "the header) | %.0f ms | ≤ 200 ms |\n",
                    it->second.second / 1e6, it->second.first);
    return 0;
}
