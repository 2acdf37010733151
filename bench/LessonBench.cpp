// lesson_bench: saving and opening a lesson with five kept long flights and 10 000 measured
// points (Google Benchmark, wall time); the curves of the kept flights, computed again when such
// a lesson is opened, are timed on their own. With --table only the rows of the figures table
// are printed (Markdown).
#include "Throws.h"
#include "model/Throw.h"
#include "model/curves/ThrowCurves.h"
#include "ui/lesson/LessonDisk.h"
#include "ui/lesson/LessonFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

ui::Lesson bigLesson() {
    ui::Lesson lesson;
    lesson.inputs = ui::fieldTexts(model::Inputs{});
    lesson.comparing = true;
    for (int n = 1; n <= 5; ++n) {
        model::Inputs in = bench::longFlightInputs();
        in.alphaDeg = 40 + n; // five different long flights
        lesson.kept.push_back({n, ui::fieldTexts(in)});
    }
    model::measure::Measurements m;
    for (int i = 0; i < 10000; ++i) {
        const double t = i * 1e-3;
        m.points.push_back({t, 2.6 * t, 0.5 + 1.5 * t - 4.905 * t * t});
    }
    m.source = "измерения.csv";
    lesson.measurements = m;
    lesson.studies.push_back({ui::fieldTexts(model::Inputs{}), model::Field::alphaDeg, "0", "89.5",
                              180, model::ResultFamily::range, true});
    return lesson;
}

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString lessonPath() {
    return folder().filePath(QStringLiteral("big.ballflight"));
}

void SaveLesson(benchmark::State& state) {
    const ui::Lesson lesson = bigLesson();
    for (auto _ : state)
        if (!ui::writeLessonFile(lessonPath(), ui::lessonJson(lesson)).isEmpty())
            state.SkipWithError("cannot write");
    state.counters["bytes"] = static_cast<double>(ui::lessonJson(lesson).size());
}

void OpenLesson(benchmark::State& state) {
    ui::writeLessonFile(lessonPath(), ui::lessonJson(bigLesson()));
    for (auto _ : state) {
        const auto lesson = ui::readLessonJson(ui::readLessonFile(lessonPath()).bytes);
        if (lesson.index() != 0)
            state.SkipWithError("cannot read");
        benchmark::DoNotOptimize(lesson);
    }
}

void RecomputeKept(benchmark::State& state) {
    const ui::Lesson lesson = bigLesson();
    for (auto _ : state)
        for (const ui::KeptInputs& k : lesson.kept) {
            const auto in = ui::settleFieldTexts(k.inputs);
            model::Throw t(std::get<ui::SettledInputs>(in).inputs);
            t.runToEnd();
            benchmark::DoNotOptimize(model::keptThrow(t, k.number));
        }
}

BENCHMARK(SaveLesson)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(OpenLesson)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
BENCHMARK(RecomputeKept)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

// Keeps the fastest repetition of each benchmark.
class Fastest : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration) {
                const double ms = r.GetAdjustedRealTime();
                auto [it, fresh] = best.emplace(r.run_name.function_name, ms);
                if (!fresh)
                    it->second = std::min(it->second, ms);
            }
        if (!quiet)
            ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> best;
    bool quiet = false;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool table = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--table") == 0) {
            table = true;
            std::memmove(argv + i, argv + i + 1,
                         sizeof(char*) * static_cast<std::size_t>(argc - i));
            --argc;
            break;
        }
    benchmark::Initialize(&argc, argv);
    Fastest reporter;
    reporter.quiet = table;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const char* what = "lesson with five kept long flights and 10000 measured points";
    std::printf("| Saving a %s (JSON, written whole) | %.1f ms | ≤ 100 ms |\n", what,
                reporter.best["SaveLesson"]);
    std::printf("| Opening a %s (read, checked; curves not counted) | %.1f ms | ≤ 100 ms |\n", what,
                reporter.best["OpenLesson"]);
    std::printf("| Curves of the five kept long flights computed again on opening (one thread; the "
                "window computes them off its thread, on every core) | %.0f ms | — |\n",
                reporter.best["RecomputeKept"]);
    return 0;
}
