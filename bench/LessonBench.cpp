// lesson_bench: saving and opening a lesson with five kept long flights and 10 000 measured
// points (Google Benchmark, wall time); the curves of the kept flights, computed again when such
// a lesson is opened, are timed on their own. With --table only the rows of the figures table
// are printed (Markdown).
#include "Collect.h"
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bench::Collected collected = bench::runAndCollect(argc, argv);
    const auto ms = [&collected](const char* name) {
        const bench::Measured* m = collected.find(name);
        return m ? m->realSeconds * 1e3 : 0.0;
    };
    const char* what = "lesson with five kept long flights and 10000 measured points";
    std::printf("| Saving a %s (JSON, written whole) | %.1f ms | ≤ 100 ms |\n", what,
                ms("SaveLesson"));
    std::printf("| Opening a %s (read, checked; curves not counted) | %.1f ms | ≤ 100 ms |\n", what,
                ms("OpenLesson"));
    std::printf("| Curves of the five kept long flights computed again on opening (one thread; the "
                "window computes them off its thread, on every core) | %.0f ms | — |\n",
                ms("RecomputeKept"));
    return 0;
}
