// lesson_bench: saving and opening a lesson with five kept long flights and 10 000 measured
// points (Google Benchmark, wall time); the curves of the kept flights, computed again when such
// a lesson is opened, are timed on their own. With --table only the rows of the figures table
// are printed (Markdown).
#include "Collect.h"
#include "Throws.h"
#include "model/Throw.h"
#include "model/curves/ThrowCurves.h"
#include "model/session/LessonFile.h"
#include "ui/lesson/LessonDisk.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

session::Lesson bigLesson() {
    session::Lesson lesson;
    lesson.inputs = session::fieldTexts(model::Inputs{});
    lesson.comparing = true;
    for (int n = 1; n <= 5; ++n) {
        model::Inputs in = bench::longFlightInputs();
        in.alphaDeg = 40 + n; // five different long flights
        lesson.kept.push_back({n, session::fieldTexts(in)});
    }
    model::measure::Measurements m;
    for (int i = 0; i < 10000; ++i) {
        const double t = i * 1e-3;
        m.points.push_back({t, 2.6 * t, 0.5 + 1.5 * t - 4.905 * t * t});
    }
    m.source = "измерения.csv";
    lesson.measurements = m;
    session::StudySettings study;
    study.inputs = session::fieldTexts(model::Inputs{});
    study.from = "0";
    study.to = "89.5";
    lesson.studies.push_back(study);
    return lesson;
}

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString lessonPath() {
    return folder().filePath(QStringLiteral("big.ballflight"));
}

QByteArray bytesOf(const session::Lesson& lesson) {
    return QByteArray::fromStdString(session::lessonJson(lesson));
}

void SaveLesson(benchmark::State& state) {
    const session::Lesson lesson = bigLesson();
    for (auto _ : state)
        if (!ui::writeLessonFile(lessonPath(), bytesOf(lesson)).isEmpty())
            state.SkipWithError("cannot write");
    state.counters["bytes"] = static_cast<double>(bytesOf(lesson).size());
}

void OpenLesson(benchmark::State& state) {
    ui::writeLessonFile(lessonPath(), bytesOf(bigLesson()));
    for (auto _ : state) {
        const QByteArray bytes = ui::readLessonFile(lessonPath()).bytes;
        const auto lesson = session::readLessonJson({bytes.constData(), std::size_t(bytes.size())});
        if (!lesson.lesson)
            state.SkipWithError("cannot read");
        benchmark::DoNotOptimize(lesson);
    }
}

void RecomputeKept(benchmark::State& state) {
    const session::Lesson lesson = bigLesson();
    for (auto _ : state)
        for (const session::KeptInputs& k : lesson.kept) {
            model::Throw t(session::settleFieldTexts(k.inputs, k.cd).inputs);
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
