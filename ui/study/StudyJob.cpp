#include "ui/study/StudyJob.h"

#include "model/curves/Legend.h"
#include "model/study/StudyRunner.h"
#include "ui/platform/WorkPool.h"

#include <QPromise>

namespace ui {

namespace {

// Studies that took less than this are computed again at once when the inputs change.
constexpr qint64 quickStudyMs = 100;

bool sameInputs(const model::Inputs& a, const model::Inputs& b) {
    return model::differingInputs(a, b).empty();
}

} // namespace

StudyJob::StudyJob(const model::Inputs& base, QObject* parent) : QObject(parent), base_(base) {
    connect(&watcher_, &QFutureWatcher<Result>::progressValueChanged, this, &StudyJob::progressed);
    connect(&watcher_, &QFutureWatcher<Result>::finished, this, &StudyJob::finished);
}

StudyJob::~StudyJob() {
    cancel();
}

void StudyJob::setInputs(const model::Inputs& inputs) {
    base_ = inputs;
    if (outcome_ && !sameInputs(outcome_->plan.base, base_))
        stale_ = true;
    emit inputsChanged();
}

void StudyJob::restore(const model::Inputs& inputs) {
    base_ = inputs;
    stale_ = false;
    emit inputsChanged();
}

void StudyJob::mainInputsChanged() {
    if (following_)
        takeMainInputs();
}

void StudyJob::takeMainInputs() {
    if (!mainInputs_ || sameInputs(mainInputs_(), base_))
        return;
    setInputs(mainInputs_());
    if (stale_ && lastRunMs_ >= 0 && lastRunMs_ < quickStudyMs && !isRunning()) {
        runClock_.start();
        emit rerunWanted();
    }
}

void StudyJob::start(const model::StudySpec& plan) {
    if (running_)
        return;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    running_ = true;
    future_ = runOnWorkPool([plan, stop = stop_](QPromise<Result>& promise) {
        yieldToTheWindow();
        promise.setProgressRange(0, plan.count);
        auto points = model::runStudy(plan, model::allCores(), *stop,
                                      [&promise](int done) { promise.setProgressValue(done); });
        if (!points)
            return;
        auto outcome = std::make_shared<StudyOutcome>(StudyOutcome{plan, std::move(*points), {}});
        const bool marked = model::runPoints(
            static_cast<int>(model::familyCount), model::allCores(), *stop, [&](int family) {
                outcome->marks[static_cast<std::size_t>(family)] = model::studyMarks(
                    plan, outcome->points, static_cast<model::ResultFamily>(family), stop.get());
                return !stop->load();
            });
        if (marked)
            promise.addResult(Result(std::move(outcome)));
    });
    watcher_.setFuture(future_);
}

void StudyJob::cancel() {
    if (stop_)
        stop_->store(true);
}

void StudyJob::finished() {
    running_ = false;
    const bool complete = future_.resultCount() > 0;
    if (complete)
        outcome_ = future_.result();
    emit arrived(complete);
    if (outcome_ && sameInputs(outcome_->plan.base, base_)) {
        if (runClock_.isValid())
            lastRunMs_ = runClock_.elapsed();
        runClock_.invalidate();
        stale_ = false;
    }
    emit ended();
}

} // namespace ui
