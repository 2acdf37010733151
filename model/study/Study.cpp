#include "model/study/Study.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "model/NumberText.h"
#include "model/TextMarks.h"
#include "model/Throw.h"
#include "model/Translation.h"
#include "model/exact/Reynolds.h"
#include "model/study/StudyRunner.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace model {

namespace {

// The shortest text that reads back to the same double, as a person would type it.
std::string typedText(double value) {
    return shortestText(value);
}

const char* modelOf(ThrowStep step) {
    switch (step) {
    case ThrowStep::closedForms:
        return QT_TRANSLATE_NOOP("Texts", "формул");
    case ThrowStep::linearWalk:
    case ThrowStep::trajectoryRanges:
    case ThrowStep::vacuumPath:
    case ThrowStep::linearPath:
        return QT_TRANSLATE_NOOP("Texts", "в среде (Fc~v)");
    case ThrowStep::flight:
    case ThrowStep::velocityRanges:
    case ThrowStep::velocityCurves:
        return QT_TRANSLATE_NOOP("Texts", "в среде (Fc~v^2)");
    }
    return "";
}

// Why a throw has no results to show, or nothing when it has them all.
std::optional<std::string> unfinishedText(const Throw& t) {
    if (t.failed()) {
        const char* why = t.outcome() == FlightOutcome::tooLong
                              ? QT_TRANSLATE_NOOP("Texts", "полёт требует больше 10 000 000 шагов")
                              : QT_TRANSLATE_NOOP("Texts", "числа выходят за пределы представимых");
        return translated(QT_TRANSLATE_NOOP("Texts", "не рассчитано (%1): %2"),
                          {translated(modelOf(*t.failedAt())), translated(why)});
    }
    std::string names;
    for (const Quantity q : t.notFinite())
        names += (names.empty() ? "" : ", ") + std::string(row(q).key);
    if (!names.empty())
        return translated(QT_TRANSLATE_NOOP("Texts", "не рассчитано: не конечные значения %1"),
                          {names});
    return std::nullopt;
}

} // namespace

StudySpecProblem checkStudySpec(const StudySpec& plan) {
    if (plan.count < 2)
        return StudySpecProblem::tooFewPoints;
    if (plan.count > maxStudyPoints)
        return StudySpecProblem::tooManyPoints;
    if (!std::isfinite(plan.from) || !std::isfinite(plan.to) || !std::isfinite(plan.to - plan.from))
        return StudySpecProblem::notFinite;
    if (plan.from == plan.to)
        return StudySpecProblem::emptyRange;
    return StudySpecProblem::none;
}

double studySpacing(const StudySpec& plan) {
    return (plan.to - plan.from) / (plan.count - 1);
}

double studyValue(const StudySpec& plan, int index) {
    if (index >= plan.count - 1)
        return plan.to;
    const double span = plan.to - plan.from;
    const double scaled = span * index;
    // Near the top of the double range the product overflows; the spacing itself never does.
    if (!std::isfinite(scaled))
        return plan.from + studySpacing(plan) * index;
    return plan.from + scaled / (plan.count - 1);
}

std::optional<StudyPoint> studyPoint(const StudySpec& plan, int index,
                                     const std::atomic<bool>* stop) {
    StudyPoint p;
    p.requested = studyValue(plan, index);
    Inputs in = plan.base;
    const FieldSettlement settled = settleField(plan.field, typedText(p.requested), in);
    if (!settled.rejections.empty()) {
        p.input = p.requested;
        p.state = PointState::refused;
        p.message = settled.rejections.front().message;
        return p;
    }
    p.input = settled.value;

    ThrowSettings settings;
    settings.curves = false;
    settings.pauseEvery = 100; // how often a long flight looks at stop
    Throw t(in, settings);
    while (!t.flightDone()) {
        if (stop && stop->load(std::memory_order_relaxed))
            return std::nullopt;
        t.flyGroup();
    }
    t.computeVelocities();
    if (auto why = unfinishedText(t)) {
        p.state = PointState::unfinished;
        p.message = std::move(*why);
        return p;
    }
    for (const QuantityRow& r : quantityRows())
        p.values[static_cast<std::size_t>(r.id)] = t.value(r.id).value_or(NAN);
    const exact::ReynoldsNumbers re = exact::reynoldsNumbers(in);
    p.values[static_cast<std::size_t>(Quantity::Re)] = re.start;
    p.values[static_cast<std::size_t>(Quantity::Re1)] = re.end1;
    p.values[static_cast<std::size_t>(Quantity::Re2)] = re.end2;
    return p;
}

std::optional<std::vector<StudyPoint>> runStudy(const StudySpec& plan, int threads,
                                                const std::atomic<bool>& stop,
                                                const std::function<void(int done)>& progress) {
    if (checkStudySpec(plan) != StudySpecProblem::none)
        return std::nullopt;
    std::vector<StudyPoint> points(static_cast<std::size_t>(plan.count));
    const bool complete = runPoints(
        plan.count, threads, stop,
        [&](int index) {
            auto p = studyPoint(plan, index, &stop);
            if (!p)
                return false;
            points[static_cast<std::size_t>(index)] = std::move(*p);
            return true;
        },
        progress);
    if (!complete)
        return std::nullopt;
    return points;
}

std::optional<double> readStudyNumber(std::string_view text) {
    if (!isWholeNumber(text))
        return std::nullopt;
    // The field rule reads a number beyond the double range as the largest double.
    const double v = readNumber(text);
    if (std::fabs(v) == std::numeric_limits<double>::max())
        return std::nullopt;
    return v;
}

std::optional<int> readStudyCount(std::string_view text) {
    const auto n = readStudyNumber(text);
    if (!n || *n != std::trunc(*n))
        return std::nullopt;
    return static_cast<int>(std::clamp(*n, double(INT_MIN), double(INT_MAX)));
}

} // namespace model
