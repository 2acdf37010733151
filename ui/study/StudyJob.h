#pragma once

#include "model/physics/Inputs.h"
#include "model/study/Study.h"
#include "model/study/StudyMarks.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

// A finished study: what was asked, every point in order, and the marks of every result family
// (found with the points: refining them on exact values is too long for the window's thread).
struct StudyOutcome {
    model::StudySpec plan;
    std::vector<model::StudyPoint> points;
    std::array<std::vector<model::StudyMark>, model::familyCount> marks;
};

// The work of a study window, without a widget: the inputs it studies, a run on the program's
// work pool with its progress and its cancelling, the last complete outcome, whether that one is
// of other inputs («устарело»), and following the main window's inputs. While following, a
// change of them becomes the study's; the study is computed again at once when its last timed
// run took under 100 ms.
class StudyJob : public QObject {
    Q_OBJECT
public:
    using Result = std::shared_ptr<const StudyOutcome>;

    explicit StudyJob(const model::Inputs& base, QObject* parent = nullptr);
    // The work holds nothing of the job: once stopped, it ends by itself on the work pool, and
    // the window's thread never waits for it.
    ~StudyJob() override;

    const model::Inputs& inputs() const { return base_; }
    // New inputs: the outcome on show is stale unless it is of them.
    void setInputs(const model::Inputs& inputs);
    // Inputs a study of them is about to be run for (a lesson opened): nothing is stale.
    void restore(const model::Inputs& inputs);
    bool stale() const { return stale_; }

    // The main window's inputs, for following and for «Взять из главного окна».
    void setMainInputs(std::function<model::Inputs()> source) { mainInputs_ = std::move(source); }
    void setFollowing(bool on) { following_ = on; }
    // The main window's inputs have changed; taken when following.
    void mainInputsChanged();
    void takeMainInputs();

    // The run started next is timed, for deciding whether a change of inputs computes the study
    // again at once.
    void timeNextRun() { runClock_.start(); }
    // A run of a checked plan, unless one is running.
    void start(const model::StudySpec& plan);
    void cancel();
    bool isRunning() const { return running_; }
    // The last complete study (null before one).
    const StudyOutcome* outcome() const { return outcome_.get(); }
    const Result& result() const { return outcome_; }

signals:
    void progressed(int done);
    // A run's end: a new outcome when complete, else the previous one stays. The view shows it
    // on `arrived`; `ended` follows once the run is timed and the staleness settled.
    void arrived(bool complete);
    void ended();
    // inputs() changed.
    void inputsChanged();
    // A change of the inputs wants the study computed again at once, from the view's plan.
    void rerunWanted();

private:
    void finished();

    model::Inputs base_;
    Result outcome_;
    std::shared_ptr<std::atomic<bool>> stop_;
    QFuture<Result> future_;
    QFutureWatcher<Result> watcher_;
    bool running_ = false; // from the start until its end is handled (the outcome is on show)
    std::function<model::Inputs()> mainInputs_;
    bool following_ = true;
    bool stale_ = false;
    QElapsedTimer runClock_;
    qint64 lastRunMs_ = -1; // the last complete run; -1 before one
};

} // namespace ui
