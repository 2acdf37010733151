#include "ui/run/ThrowController.h"

#include "graphs/GraphPane.h"
#include "model/NumberFormat.h"
#include "ui/platform/DecimalSeparator.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Tone.h"
#include "ui/run/AnimationSpeed.h"
#include "ui/run/FailureTexts.h"
#include "ui/run/FlightAnimation.h"
#include "ui/run/ThrowDrawing.h"
#include "ui/tools/ReynoldsText.h"
#include "ui/window/ControlPlaces.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ResultLabel.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <tuple>

namespace ui {

namespace {

// The landing tone: 50 × 12 ms.
constexpr int kLandingTone = 50;

} // namespace

ThrowController::ThrowController(MainWindow& window, MessageBoxes& boxes, Tone& tone,
                                 QObject* parent)
    : QObject(parent), window_(window), boxes_(boxes), tone_(tone),
      separator_(systemDecimalSeparator()) {
    panes_ = {window_.pane(Graph::trajectory), window_.pane(Graph::vx), window_.pane(Graph::vy)};

    flight_ = new FlightAnimation(this);
    connect(flight_, &FlightAnimation::topFound, this,
            [this] { writeLabels(model::Stage::flightTop); });
    connect(flight_, &FlightAnimation::landed, this, &ThrowController::flightLanded);
    connect(flight_, &FlightAnimation::failed, this,
            [this](model::FlightOutcome outcome) { report(outcome, true); });

    landingTimer_.setSingleShot(true);
    landingTimer_.setTimerType(Qt::PreciseTimer);
    connect(&landingTimer_, &QTimer::timeout, this, &ThrowController::landingToneEnded);

    connect(window_.runButton(), &QPushButton::clicked, this, &ThrowController::fullRun);
    connect(&window_, &MainWindow::resized, this, &ThrowController::viewResized);
    connect(&window_, &MainWindow::scaleBarMoved, this, &ThrowController::scaleBarMoved);
    connect(&window_, &MainWindow::closing, this, &ThrowController::abandonFlight);
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this,
            &ThrowController::retranslate);
    connect(&window_, &MainWindow::firstShown, this, [this] {
        // The first size report normally brings it; make sure it happens once anyway.
        QTimer::singleShot(0, this, [this] {
            if (shortRecomputes_ == 0)
                shortRecompute();
        });
    });
}

ThrowController::~ThrowController() {
    abandonFlight();
}

void ThrowController::setTickInterval(int ms) {
    flight_->setTickInterval(ms);
}

void ThrowController::setGroupsPerTick(int groups) {
    flight_->setGroupsPerTick(groups);
}

void ThrowController::setSpeed(double factor) {
    speed_ = factor;
    const Pace pace = paceFor(factor);
    flight_->setTickInterval(pace.tickMs);
    flight_->setGroupsPerTick(pace.groupsPerTick);
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
    return flight_->running() || landingTimer_.isActive();
}

void ThrowController::writeLabels(model::Stage stage) {
    for (const model::QuantityRow& q : model::quantityRows())
        if (q.stage == stage)
            window_.showResult(q.id, QString::fromStdString(throw_->text(q.id, separator_)));
    labelsShown_[static_cast<std::size_t>(stage)] = Shown::values;
}

void ThrowController::layOutWindow() {
    window_.layoutControls();
    for (const model::Stage stage : {model::Stage::flightTop, model::Stage::flightLanding})
        labelsShown_[static_cast<std::size_t>(stage)] = Shown::placeholders;
}

void ThrowController::retranslate() {
    if (!throw_)
        return;
    // The labels: the model writes them again, in the new language.
    for (const model::QuantityRow& q : model::quantityRows()) {
        const Shown shown = labelsShown_[static_cast<std::size_t>(q.stage)];
        if (shown == Shown::values)
            window_.showResult(q.id, QString::fromStdString(throw_->text(q.id, separator_)));
        else if (shown == Shown::placeholders)
            window_.showResult(q.id, QString::fromStdString(model::placeholderText(q.id)));
    }
    // The panes' captions and failure lines: the same drawing again.
    redrawTrajectory();
    if (earlierVelocities_) {
        pane(1).clear();
        pane(2).clear();
        drawKeptVelocityPanes(pane(1), pane(2), *earlierVelocities_, separator_, &underlays_);
    } else {
        redrawVelocityPanes();
    }
    // The headers' Reynolds tooltips, if written, are written again.
    if (reynoldsFor_) {
        reynoldsFor_.reset();
        writeReynolds();
    }
}

// The Reynolds numbers of the throw in the tooltips of the drag columns' headers, after the
// header's own tooltip text. They need the exact landings, so they are written when a tooltip is
// about to show, not at every change of a field; they depend on the inputs only.
void ThrowController::writeReynolds() {
    const model::Inputs& in = inputs_;
    auto key = [](const model::Inputs& i) {
        return std::tie(i.h0, i.v0, i.alphaDeg, i.d, i.rho, i.rho0, i.eta);
    };
    if (reynoldsFor_ && key(*reynoldsFor_) == key(in))
        return;
    reynoldsFor_ = in;
    const model::exact::ReynoldsNumbers re = model::exact::reynoldsNumbers(in);
    const QChar separator = QLatin1Char(separator_);
    for (const auto& [model, end] : {std::pair{model::ModelKind::linear, re.end1},
                                     std::pair{model::ModelKind::quadratic, re.end2}}) {
        auto* header = window_.findChild<QLabel*>(QLatin1String(placeOf(model).header));
        if (!header)
            continue;
        // The header's own tooltip as the window made it, before the first numbers were added.
        const QString& own = headerTips_.try_emplace(model, header->toolTip()).first->second;
        QStringList lines = reynoldsToolTipLines(re.start, end, separator);
        if (!own.isEmpty())
            lines.prepend(own);
        header->setToolTip(lines.join(QLatin1Char('\n')));
    }
}

bool ThrowController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        writeReynolds();
    return QObject::eventFilter(watched, event);
}

void ThrowController::load() {
    loaded_ = false;
    window_.placeOnScreen();
    setDefaults();
    throw_ = std::make_unique<model::Throw>(inputs_);
    writeLabels(model::Stage::closedForms);
    for (const model::ModelKind model : {model::ModelKind::linear, model::ModelKind::quadratic})
        if (auto* header = window_.findChild<QLabel*>(QLatin1String(placeOf(model).header)))
            header->installEventFilter(this);
    loaded_ = true;
}

void ThrowController::setDefaults() {
    inputs_ = model::Inputs{};
    // The scale bars and the fields run their own handlers on these writes; with loading not
    // complete those recompute nothing.
    const double scaleX = 1;
    const float scaleY = 1.0f;
    scaleX_ = scaleX;
    scaleY_ = scaleY;
    window_.hScroll()->setValue(static_cast<int>(std::lround(scaleX * 100)));
    window_.vScroll()->setValue(static_cast<int>(std::lround(scaleY * 100.0)));
    const model::Inputs defaults = inputs_;
    for (const model::FieldRow& f : model::fieldRows())
        window_.field(f.id)->setText(
            QString::fromStdString(model::formatGeneral(model::inputOf(defaults, f.id))));
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

void ThrowController::setInput(model::Field f, double value) {
    if (model::inputOf(inputs_, f) == value)
        return;
    model::inputOf(inputs_, f) = value;
    inputsChanged();
}

void ThrowController::settleField(model::Field f, std::string_view text,
                                  const std::function<void(const model::FieldSettlement&)>& show) {
    inputsAboutToChange();
    show(model::settleField(f, text, inputs_));
    inputsChanged();
}

void ThrowController::restore(const model::Inputs& inputs,
                              const std::array<QString, model::fieldCount>& texts, int scaleBarX,
                              int scaleBarY) {
    const bool wasLoaded = loaded_;
    inputsAboutToChange();
    // The throw on show belongs to the lesson being replaced: it is neither kept nor shown.
    velocitiesShown_ = false;
    loaded_ = false;
    inputs_ = inputs;
    window_.hScroll()->setValue(scaleBarX);
    window_.vScroll()->setValue(scaleBarY);
    for (const model::Field f : model::allFields)
        window_.field(f)->setText(texts[static_cast<std::size_t>(f)]);
    inputs_ = inputs; // the field handlers settled each text against the others as they came
    loaded_ = wasLoaded;
    if (loaded_) {
        shortRecompute();
        redrawVelocityPanes();
        emit inputsUpdated();
    }
}

void ThrowController::viewResized() {
    if (!loaded_)
        return;
    if (!throw_ || shortRecomputes_ == 0) {
        shortRecompute(); // the first showing draws the trajectory pane
        return;
    }
    completeLanding();
    ++shortRecomputes_;
    layOutWindow();
    writeFlightLabels();
}

// The stretch of the trajectory pane changed: the same throw, redrawn at the new scale.
void ThrowController::scaleBarMoved() {
    scaleX_ = window_.hScroll()->value() * 0.01;
    scaleY_ = static_cast<float>(window_.vScroll()->value() * 0.01);
    if (!loaded_ || !throw_)
        return;
    completeLanding();
    ++shortRecomputes_;
    layOutWindow();
    writeFlightLabels();
    throw_->setTrajectoryScale(scaleX_, scaleY_);
    redrawTrajectory();
}

std::size_t ThrowController::flightPiecesShown() const {
    return flying_ ? static_cast<std::size_t>(flight_->piecesDrawn()) : 0;
}

void ThrowController::redrawPanes() {
    if (!throw_)
        return;
    redrawTrajectory();
    redrawVelocityPanes();
}

void ThrowController::redrawTrajectory() {
    graphs::PaneSurface& p1 = pane(0);
    p1.clear();
    drawTrajectoryPane(p1, *throw_, separator_, &underlays_);
    if (flying_)
        drawFlightSoFar(p1, *throw_, flight_->piecesDrawn());
    if (throw_->failed())
        drawFailureLine(p1, FailureTexts::line(throw_->outcome()), failedBeforeRanges(),
                        throw_->trajectoryRanges());
}

void ThrowController::abandonFlight() {
    flight_->abandon();
    landingTimer_.stop();
}

void ThrowController::shortRecompute() {
    if (!loaded_)
        return;
    ++shortRecomputes_;
    abandonFlight();
    layOutWindow();
    showTrajectory(false);
}

void ThrowController::fullRun() {
    emit aboutToRun();
    completeLanding();
    abandonFlight();
    layOutWindow();
    if (showTrajectory(true)) {
        flying_ = true;
        flight_->start(pane(0), *throw_);
    }
}

// A new throw from the current inputs, its labels, and the trajectory pane with the vacuum and
// linear-drag curves.
bool ThrowController::showTrajectory(bool fullRun) {
    model::ThrowSettings settings;
    settings.scaleX = scaleX_;
    settings.scaleY = scaleY_;
    // A throw whose velocity curves are shown goes beneath the panes, or its curves stay on the
    // velocity panes until the next landing.
    bool kept = false;
    if (throw_ && velocitiesShown_) {
        kept = underlays_.keep(*throw_, inputs_);
        if (!kept)
            earlierVelocities_ = model::keptThrow(*throw_, 0);
    }
    velocitiesShown_ = false;
    const double tau = throw_ ? throw_->closed().tau : 0, Vp1 = throw_ ? throw_->closed().Vp1 : 0;
    throw_.reset(); // its curves go before the new ones are computed
    throw_ = std::make_unique<model::Throw>(inputs_, settings, tau, Vp1);
    flying_ = false;
    writeLabels(model::Stage::closedForms);
    writeLabels(model::Stage::linearWalk);

    graphs::PaneSurface& p1 = pane(0);
    p1.clear();
    if (fullRun)
        window_.option(Graph::trajectory)->setChecked(true);
    drawTrajectoryPane(p1, *throw_, separator_, &underlays_);
    if (kept)
        redrawVelocityPanes();
    emit throwReplaced();
    if (throw_->failed()) {
        report(throw_->outcome(), fullRun);
        return false;
    }
    return true;
}

void ThrowController::flightLanded() {
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
    earlierVelocities_.reset();
    throw_->computeVelocities();
    if (throw_->failedAt() != model::ThrowStep::velocityRanges) {
        drawVelocityPanes(p2, p3, *throw_, separator_, &underlays_);
        velocitiesShown_ = true;
    }
    if (throw_->failed()) {
        report(throw_->outcome(), true);
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
    earlierVelocities_.reset();
    if (velocitiesShown_ || !underlays_.empty())
        drawVelocityPanes(p2, p3, *throw_, separator_, &underlays_, velocitiesShown_);
}

// Before the trajectory ranges exist a failure line goes into a unit square of its own.
bool ThrowController::failedBeforeRanges() const {
    using Step = model::ThrowStep;
    const auto step = throw_->failedAt();
    return step && (*step == Step::closedForms || *step == Step::linearWalk ||
                    *step == Step::trajectoryRanges);
}

void ThrowController::report(model::FlightOutcome outcome, bool withBox) {
    drawFailureLine(pane(0), FailureTexts::line(outcome), failedBeforeRanges(),
                    throw_->trajectoryRanges());
    const QString message = FailureTexts::message(outcome);
    emit failureReported(message);
    if (withBox)
        boxes_.inform(message, FailureTexts::title());
}

} // namespace ui
