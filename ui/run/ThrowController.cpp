#include "ui/run/ThrowController.h"

#include "graphs/PaneSurface.h"
#include "ui/platform/DecimalSeparator.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Tone.h"
#include "ui/platform/WorkPool.h"
#include "ui/run/AnimationSpeed.h"
#include "ui/run/FailureTexts.h"
#include "ui/run/FlightAnimation.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowDrawing.h"
#include "ui/run/ThrowView.h"

#include <cmath>
#include <utility>

namespace ui {

namespace {

// The landing tone: 50 × 12 ms.
constexpr int kLandingTone = 50;

} // namespace

ThrowController::ThrowController(SessionObject& session, ThrowView& view,
                                 const std::array<graphs::PaneSurface*, 3>& panes,
                                 MessageBoxes& boxes, Tone& tone, QObject* parent)
    : QObject(parent), session_(session), view_(view), boxes_(boxes), tone_(tone), panes_(panes),
      separator_(systemDecimalSeparator()) {
    flight_ = new FlightAnimation(run_.flight(), this);
    connect(flight_, &FlightAnimation::topFound, this,
            [this] { writeLabels(model::Stage::flightTop); });
    connect(flight_, &FlightAnimation::landed, this, &ThrowController::flightLanded);
    connect(flight_, &FlightAnimation::failed, this,
            [this](model::FlightOutcome outcome) { report(outcome, true); });

    landingTimer_.setSingleShot(true);
    landingTimer_.setTimerType(Qt::PreciseTimer);
    connect(&landingTimer_, &QTimer::timeout, this, &ThrowController::landingToneEnded);

    connect(&background_, &QFutureWatcherBase::finished, this,
            &ThrowController::backgroundThrowDone);

    connect(&session_, &SessionObject::inputsChanged, this, &ThrowController::inputsChanged);
    connect(&session_, &SessionObject::scaleChanged, this, &ThrowController::scaleChanged);
    connect(&session_, &SessionObject::lessonReplaced, this, &ThrowController::lessonReplaced);
}

ThrowController::~ThrowController() {
    abandonFlight();
}

const model::Inputs& ThrowController::inputs() const {
    return session_.session().inputs();
}

double ThrowController::scaleX() const {
    return session_.session().scaleX();
}

float ThrowController::scaleY() const {
    return session_.session().scaleY();
}

void ThrowController::setTickInterval(int ms) {
    flight_->setTickInterval(ms);
}

void ThrowController::setGroupsPerTick(int groups) {
    flight_->setGroupsPerTick(groups);
}

void ThrowController::setSpeed(double factor) {
    session_.session().setSpeed(factor);
    const Pace pace = paceFor(factor);
    flight_->setTickInterval(pace.tickMs);
    flight_->setGroupsPerTick(pace.groupsPerTick);
}

double ThrowController::speed() const {
    return session_.session().speed();
}

void ThrowController::setPaused(bool paused) {
    if (paused)
        flight_->pause();
    else
        flight_->resume();
}

bool ThrowController::paused() const {
    return flight_->paused();
}

void ThrowController::setSurfaces(graphs::PaneSurface* trajectory, graphs::PaneSurface* vx,
                                  graphs::PaneSurface* vy) {
    abandonFlight();
    panes_ = {trajectory, vx, vy};
}

bool ThrowController::busy() const {
    return flight_->running() || landingTimer_.isActive() || runWhenReady_;
}

void ThrowController::writeLabels(model::Stage stage) {
    view_.showStage(*run_.current(), stage, separator_);
}

void ThrowController::layOutWindow() {
    view_.layOut();
}

void ThrowController::redrawInLanguage() {
    if (!run_.current())
        return;
    redrawTrajectory();
    if (const model::KeptThrow* earlier = run_.earlierVelocities()) {
        pane(1).clear();
        pane(2).clear();
        drawKeptVelocityPanes(pane(1), pane(2), *earlier, separator_, &underlays_, earlierRanges_);
    } else {
        redrawVelocityPanes();
    }
}

void ThrowController::load() {
    loaded_ = false;
    view_.showStart();
    ++throwRequests_;
    backgroundWanted_ = false;
    run_.recompute(inputs(), scaleX(), scaleY());
    writeLabels(model::Stage::closedForms);
    loaded_ = true;
}

void ThrowController::firstShown() {
    // The first size report normally brings it; make sure it happens once anyway.
    QTimer::singleShot(0, this, [this] {
        if (shortRecomputes_ == 0)
            shortRecompute();
    });
}

void ThrowController::writeFlightLabels() {
    writeLabels(model::Stage::flightTop);
    if (!landingTimer_.isActive())
        writeLabels(model::Stage::flightLanding);
}

// A landing whose tone still sounds is completed at once: its labels and velocity panes.
void ThrowController::completeLanding() {
    if (landingTimer_.isActive()) {
        landingTimer_.stop();
        landingToneEnded();
    }
}

void ThrowController::inputsAboutToChange() {
    if (!loaded_)
        return;
    completeLanding();
    abandonFlight();
}

void ThrowController::inputsChanged() {
    if (!loaded_)
        return;
    inputsAboutToChange();
    shortRecompute();
    emit inputsUpdated();
}

void ThrowController::settleField(model::Field f, std::string_view text,
                                  const session::FieldState& before,
                                  const std::function<void(const model::FieldSettlement&)>& show) {
    inputsAboutToChange();
    const model::FieldSettlement settled = session_.session().previewField(f, text);
    show(settled);
    const int recomputes = shortRecomputes_;
    session_.editField(f, before, {settled.value, settled.text});
    // The handling ends with a recompute even when the text changed nothing.
    if (shortRecomputes_ == recomputes)
        inputsChanged();
}

// Another lesson: the throw on show belongs to the one replaced, so it is neither kept nor
// shown; the new one's inputs and scale bars are computed once.
void ThrowController::lessonReplaced() {
    inputsAboutToChange();
    run_.forgetShown();
    if (loaded_) {
        shortRecompute();
        velocitiesWhenReady_ = backgroundWanted_;
        redrawVelocityPanes();
        emit inputsUpdated();
    }
}

void ThrowController::viewResized() {
    if (!loaded_)
        return;
    if (!run_.current() || shortRecomputes_ == 0) {
        shortRecompute(); // the first showing draws the trajectory pane
        return;
    }
    completeLanding();
    ++shortRecomputes_;
    layOutWindow();
    writeFlightLabels();
}

// The stretch of the trajectory pane changed: the same throw, redrawn at the new scale.
void ThrowController::scaleChanged() {
    if (!loaded_ || !run_.current())
        return;
    completeLanding();
    ++shortRecomputes_;
    layOutWindow();
    writeFlightLabels();
    run_.rescale(scaleX(), scaleY());
    redrawTrajectory();
}

std::size_t ThrowController::flightPiecesShown() const {
    return run_.flightStarted() ? static_cast<std::size_t>(flight_->piecesDrawn()) : 0;
}

void ThrowController::redrawPanes() {
    if (!run_.current())
        return;
    redrawTrajectory();
    redrawVelocityPanes();
}

void ThrowController::redrawTrajectory() {
    const model::Throw& t = *run_.current();
    graphs::PaneSurface& p1 = pane(0);
    p1.clear();
    drawTrajectoryPane(p1, t, separator_, &underlays_);
    if (run_.flightStarted())
        drawFlightSoFar(p1, t, flight_->piecesDrawn());
    if (t.failed())
        drawFailureLine(p1, FailureTexts::line(t.outcome()), failedBeforeRanges(),
                        t.trajectoryRanges());
}

void ThrowController::abandonFlight() {
    runWhenReady_ = false;
    flight_->abandon();
    landingTimer_.stop();
    run_.abandon();
}

void ThrowController::shortRecompute() {
    if (!loaded_)
        return;
    ++shortRecomputes_;
    abandonFlight();
    layOutWindow();
    if (run_.current() && longWalk()) {
        ++throwRequests_;
        backgroundWanted_ = true;
        computeInBackground();
        return;
    }
    showTrajectory(false);
}

// A cheap lower bound of the linear-drag walk's points: the time to its top and a fall from
// there at no more than the terminal speed, in steps of Tmax/nSteps. A ball that does not sink
// walks to the limit; one whose closed forms fail fails at once, on the window's thread.
bool ThrowController::longWalk() const {
    const model::ClosedForm c =
        model::closedForms(inputs(), run_.previousTau(), run_.previousVp1());
    const double dt = c.Tmax / model::ThrowSettings{}.nSteps;
    if (!(dt > 0) || !std::isfinite(dt) || !std::isfinite(c.Vp1) || !std::isfinite(c.Tp1))
        return false; // such a throw fails at once, where it is asked for
    if (!(c.Vp1 > 0))
        return true;
    const double points = (c.Tp1 + std::max(c.Ymax1, 0.0) / c.Vp1) / dt;
    return std::isfinite(points) && points > backgroundWalk_;
}

// The task gets copies only; its throw is shown when it is done, unless a later request came
// meanwhile. One throw is computed at a time: the latest request starts when it ends.
void ThrowController::computeInBackground() {
    if (background_.isRunning())
        return;
    backgroundRequest_ = throwRequests_;
    const model::Inputs in = inputs();
    const model::ThrowSettings settings = session::Run::settingsFor(scaleX(), scaleY());
    const double tau = run_.previousTau(), Vp1 = run_.previousVp1();
    background_.setFuture(runOnWorkPool([in, settings, tau, Vp1] {
        yieldToTheWindow();
        auto next = std::make_unique<model::Throw>(in, settings, tau, Vp1);
        // Finer than a pixel of any screen, even with the scale bars stretched tenfold.
        next->thinLinearPath(1.0 / 65536);
        return next;
    }));
}

void ThrowController::backgroundThrowDone() {
    std::unique_ptr<model::Throw> ready = background_.future().takeResult();
    if (!backgroundWanted_)
        return;
    if (backgroundRequest_ != throwRequests_) {
        computeInBackground();
        return;
    }
    backgroundWanted_ = false;
    if (ready->settings().scaleX != scaleX() || ready->settings().scaleY != scaleY())
        ready->setTrajectoryScale(scaleX(), scaleY());
    const bool fly = std::exchange(runWhenReady_, false);
    if (showTrajectory(fly, std::move(ready)) && fly && run_.startFlight())
        flight_->start(pane(0), inputs().h0);
    if (std::exchange(velocitiesWhenReady_, false))
        redrawVelocityPanes();
}

void ThrowController::fullRun() {
    emit aboutToRun();
    completeLanding();
    abandonFlight();
    layOutWindow();
    if (backgroundWanted_) {
        runWhenReady_ = true;
        return;
    }
    if (showTrajectory(true) && run_.startFlight())
        flight_->start(pane(0), inputs().h0);
}

// A new throw from the current inputs, its labels, and the trajectory pane with the vacuum and
// linear-drag curves. A throw whose velocity curves are shown goes beneath the panes, or its
// curves stay on the velocity panes until the next landing.
bool ThrowController::showTrajectory(bool fullRun, std::unique_ptr<model::Throw> ready) {
    if (!ready) {
        ++throwRequests_;
        backgroundWanted_ = runWhenReady_ = velocitiesWhenReady_ = false;
    }
    const session::Run::Keep keep = [this](const model::Throw& landed, const model::Inputs& next) {
        // As the panes show it now, should its curves stay there.
        earlierRanges_ = landed.velocityRanges();
        if (!underlays_.empty())
            earlierRanges_ = underlays_.velocityRanges(landed);
        return underlays_.keep(landed, next);
    };
    bool kept = false;
    const model::Throw& t = ready ? run_.adopt(std::move(ready), keep, &kept)
                                  : run_.recompute(inputs(), scaleX(), scaleY(), keep, &kept);
    writeLabels(model::Stage::closedForms);
    writeLabels(model::Stage::linearWalk);

    graphs::PaneSurface& p1 = pane(0);
    p1.clear();
    if (fullRun)
        view_.chooseTrajectoryGraph();
    drawTrajectoryPane(p1, t, separator_, &underlays_);
    if (kept)
        redrawVelocityPanes();
    emit throwReplaced();
    if (t.failed()) {
        report(t.outcome(), fullRun);
        return false;
    }
    return true;
}

void ThrowController::flightLanded() {
    run_.landed();
    // The window keeps running while the tone sounds; the run goes on when it has ended.
    landingTimer_.start(tone_.startBeep(kLandingTone));
}

// The end of the full run, after the landing tone: the landing labels and the velocity panes.
void ThrowController::landingToneEnded() {
    writeLabels(model::Stage::flightLanding);
    graphs::PaneSurface& p2 = pane(1);
    graphs::PaneSurface& p3 = pane(2);
    p2.clear();
    p3.clear();
    const model::Throw& t = *run_.current();
    if (run_.finishLanding())
        drawVelocityPanes(p2, p3, t, separator_, &underlays_);
    if (t.failed()) {
        report(t.outcome(), true);
        return;
    }
    emit runFinished();
}

// The velocity panes afresh: what lies beneath, and the current throw's curves once drawn.
void ThrowController::redrawVelocityPanes() {
    graphs::PaneSurface& p2 = pane(1);
    graphs::PaneSurface& p3 = pane(2);
    p2.clear();
    p3.clear();
    run_.dropEarlierVelocities();
    if (run_.velocitiesShown() || !underlays_.empty())
        drawVelocityPanes(p2, p3, *run_.current(), separator_, &underlays_, run_.velocitiesShown());
}

// Before the trajectory ranges exist a failure line goes into a unit square of its own.
bool ThrowController::failedBeforeRanges() const {
    using Step = model::ThrowStep;
    const auto step = run_.current()->failedAt();
    return step && (*step == Step::closedForms || *step == Step::linearWalk ||
                    *step == Step::trajectoryRanges);
}

void ThrowController::report(model::FlightOutcome outcome, bool withBox) {
    drawFailureLine(pane(0), FailureTexts::line(outcome), failedBeforeRanges(),
                    run_.current()->trajectoryRanges());
    const QString message = FailureTexts::message(outcome);
    emit failureReported(message);
    if (withBox)
        boxes_.inform(message, FailureTexts::title());
}

} // namespace ui
