#include "ui/run/RunSequence.h"

#include "graphs/Axes.h"
#include "graphs/GraphPane.h"
#include "model/LinearDrag.h"
#include "model/NumberFormat.h"
#include "model/QuadraticDragStepper.h"
#include "model/VacuumPath.h"
#include "model/VelocityCurves.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Tone.h"
#include "ui/run/CurveDrawing.h"
#include "ui/run/FieldHandling.h"
#include "ui/run/FlightAnimation.h"
#include "ui/window/MainWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <utility>

namespace ui {

namespace {

// The landing tone: 50 × 12 ms.
constexpr int kLandingTone = 50;
// Linear-drag points kept between recomputes (an ordinary throw has about a thousand).
constexpr std::size_t keptLinearPoints = 1 << 16;

char systemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? char(point[0].unicode()) : '.';
}

bool finiteSingle(double v) {
    return std::isfinite(static_cast<float>(v));
}

// A coordinate system a pane can take: finite in single precision, non-zero spans.
bool usableRect(double left, double top, double right, double bottom) {
    return finiteSingle(left) && finiteSingle(top) && finiteSingle(right) && finiteSingle(bottom) &&
           right != left && top != bottom;
}

// The closed-form values the curves and ranges are built from.
bool usable(const model::ClosedForm& c) {
    for (double v : {c.alpha, c.a_max, c.Tp, c.Xp, c.Ymax, c.Tmax, c.Xmax, c.VxEnd, double(c.VyEnd),
                     double(c.m), c.tau, c.Vp1, c.Tp1, c.Xp1, c.Ymax1, double(c.Vp2), c.R2})
        if (!std::isfinite(v))
            return false;
    return c.Tmax > 0;
}

} // namespace

RunSequence::RunSequence(MainWindow& window, MessageBoxes& boxes, Tone& tone, QObject* parent)
    : QObject(parent), window_(window), boxes_(boxes), tone_(tone),
      separator_(systemDecimalSeparator()) {
    for (int n = 1; n <= 3; ++n)
        panes_[n - 1] = window_.pane(n);

    flight_ = new FlightAnimation([this](const model::LabelText& l) { writeLabel(l); }, this);
    connect(flight_, &FlightAnimation::landed, this, &RunSequence::flightLanded);
    connect(flight_, &FlightAnimation::failed, this, &RunSequence::flightFailed);

    landingTimer_.setSingleShot(true);
    landingTimer_.setTimerType(Qt::PreciseTimer);
    connect(&landingTimer_, &QTimer::timeout, this, &RunSequence::landingToneEnded);

    fields_ = new FieldHandling(
        window_, boxes_, tone_,
        [this] {
            if (window_.state().zagruzka)
                abandonFlight();
        },
        [this] { shortRecompute(); }, this);

    connect(window_.cmdOK(), &QPushButton::clicked, this, &RunSequence::fullRun);
    connect(&window_, &MainWindow::shortRecomputeRequested, this, &RunSequence::shortRecompute);
    window_.installEventFilter(this);
}

RunSequence::~RunSequence() {
    window_.removeEventFilter(this);
    abandonFlight();
}

void RunSequence::setTickInterval(int ms) {
    flight_->setTickInterval(ms);
}

void RunSequence::setSurfaces(graphs::PaneSurface* trajectory, graphs::PaneSurface* vx,
                              graphs::PaneSurface* vy) {
    abandonFlight();
    panes_ = {trajectory, vx, vy};
}

bool RunSequence::busy() const {
    return flight_->running() || landingTimer_.isActive();
}

void RunSequence::writeLabel(const model::LabelText& l) {
    if (QLabel* label = window_.label(QString::fromStdString(l.label)))
        label->setText(QString::fromStdString(l.text));
}

void RunSequence::load() {
    model::ModelState& s = window_.state();
    s.zagruzka = false;
    window_.placeOnScreen();
    setDefaults();
    s.closed = model::parametr(s.in, s.closed.tau, s.closed.Vp1, separator_);
    for (const model::LabelText& l : s.closed.labels)
        writeLabel(l);
    s.zagruzka = true;
}

void RunSequence::setDefaults() {
    model::ModelState& s = window_.state();
    s.setDefaults();
    // The scale bars and the fields run their own handlers on these writes; with loading not
    // complete those recompute nothing.
    window_.hScroll()->setValue(static_cast<int>(std::lround(s.scaleX * 100)));
    window_.vScroll()->setValue(static_cast<int>(std::lround(s.scaleY * 100.0)));
    s.scaleVx = 1;
    s.scaleT = 1;
    const model::Inputs defaults = s.in;
    for (int i = 0; i < int(model::allFields.size()); ++i) {
        const double value = model::inputOf(defaults, model::allFields[i]);
        window_.field(i + 1)->setText(QString::fromStdString(model::formatGeneral(value)));
    }
}

void RunSequence::abandonFlight() {
    flight_->abandon();
    landingTimer_.stop();
}

void RunSequence::shortRecompute() {
    if (!window_.state().zagruzka)
        return;
    ++shortRecomputes_;
    abandonFlight();
    window_.layoutControls();
    trajectoryPane(false);
}

void RunSequence::fullRun() {
    ++fullRuns_;
    abandonFlight();
    window_.layoutControls();
    if (!trajectoryPane(true))
        return;
    const model::ModelState& s = window_.state();
    flight_->start(pane(1), s.in, s.closed, s.nSteps, s.pauseEvery);
}

// Steps 2 to 9 of a run: parametr, clear, (option 1), minmax with the compute pass of the
// linear drag, axes, vacuum curve, drawing pass of the linear drag.
bool RunSequence::trajectoryPane(bool fullRun) {
    model::ModelState& s = window_.state();
    graphs::PaneSurface& p1 = pane(1);

    s.closed = model::parametr(s.in, s.closed.tau, s.closed.Vp1, separator_);
    for (const model::LabelText& l : s.closed.labels)
        writeLabel(l);
    p1.clear();
    if (fullRun)
        window_.option(1)->setChecked(true);
    if (!usable(s.closed))
        return report(model::FlightOutcome::notFinite, fullRun, p1, false);

    s.drawFlag = 0;
    const model::LinearDragResult linear = model::raschet1(s.in, s.closed, s.nSteps);
    if (linear.outcome != model::FlightOutcome::finished) {
        // No results: the labels must not keep those of other inputs.
        static const std::pair<const char*, const char*> prefixes[] = {{"Label26", "Tmax1= "},
                                                                       {"Label27", "Xmax1= "},
                                                                       {"Label39", "Vx1(y=0)= "},
                                                                       {"Label40", "Vy1(y=0)= "}};
        for (const auto& [name, text] : prefixes)
            writeLabel({name, text});
        return report(linear.outcome, fullRun, p1, false);
    }
    s.dt = linear.dt;
    s.Tmax1 = linear.Tmax1;
    s.Xmax1 = linear.Xmax1;
    s.VxEnd1 = linear.VxEnd1;
    s.VyEnd1 = linear.VyEnd1;
    for (const model::LabelText& l : linear.labels)
        writeLabel(l);
    for (double v : {s.Tmax1, s.Xmax1, s.VxEnd1, double(s.VyEnd1)})
        if (!std::isfinite(v))
            return report(model::FlightOutcome::notFinite, fullRun, p1, false);

    // A scale bar at 0 would give a pane without width or height: the smallest step stands in.
    const double scaleX = s.scaleX > 0 ? s.scaleX : 0.1;
    const float scaleY = s.scaleY > 0 ? s.scaleY : 0.1f;
    trajectory_ = model::minmax(s.closed, s.Xmax1, scaleX, scaleY);
    const model::TrajectoryRanges& r = trajectory_;
    if (!usableRect(r.left, r.top, r.right, r.bottom))
        return report(model::FlightOutcome::notFinite, fullRun, p1, false);
    p1.setScale(r.left, r.top, r.right, r.bottom);
    graphs::axes(p1, r.left, r.top, r.right, r.bottom, s.in.h0, separator_);

    const model::VacuumPath vacuum =
        model::raschet0(s.in, s.closed, r.trajOriginX, r.trajRangeX, s.nSteps);
    if (!drawVacuumPath(p1, s.closed, s.in.h0, vacuum))
        return report(model::FlightOutcome::notFinite, fullRun, p1, true);

    s.drawFlag = 1;
    const model::FlightOutcome drawn =
        model::linearDragPoints(s.in, s.closed, s.nSteps, linearPoints_);
    if (!drawLinearDragPath(p1, s.closed, s.in.h0, linearPoints_) ||
        drawn != model::FlightOutcome::finished)
        return report(drawn != model::FlightOutcome::finished ? drawn
                                                              : model::FlightOutcome::notFinite,
                      fullRun, p1, true);
    // The pane keeps its own copy; a long flight's buffer is not worth holding on to.
    if (linearPoints_.capacity() > keptLinearPoints)
        std::vector<model::PanePoint>().swap(linearPoints_);
    return true;
}

void RunSequence::flightLanded() {
    const model::QuadraticDragStepper& st = *flight_->stepper();
    landing_.labels = st.landingLabels();
    landing_.Tmax2 = st.Tmax2();
    landing_.VxEnd2 = st.VxEnd2();
    landing_.VyEnd2 = st.VyEnd2();
    landing_.dt = st.dt();
    // The window keeps running while the tone sounds; the run goes on when it has ended.
    landingTimer_.start(tone_.startBeepTone(kLandingTone));
}

void RunSequence::flightFailed(model::FlightOutcome outcome) {
    report(outcome, true, pane(1), true);
}

// Steps 11 to 15 of the full run, after the landing labels.
void RunSequence::landingToneEnded() {
    model::ModelState& s = window_.state();
    s.Tmax2 = landing_.Tmax2;
    s.VxEnd2 = landing_.VxEnd2;
    s.VyEnd2 = landing_.VyEnd2;
    s.dt = landing_.dt;
    for (const model::LabelText& l : landing_.labels)
        writeLabel(l);

    graphs::PaneSurface& p2 = pane(2);
    graphs::PaneSurface& p3 = pane(3);
    p2.clear();
    p3.clear();
    velocity_ = model::minmax_2(s.in, s.closed, s.Tmax1, s.Tmax2, s.scaleVx, s.scaleT);
    const model::VelocityRanges& v = velocity_;
    if (!usableRect(v.left, v.vxTop, v.right, v.vxBottom) ||
        !usableRect(v.left, v.vyTop, v.right, v.vyBottom)) {
        report(model::FlightOutcome::notFinite, true, pane(1), true);
        return;
    }
    p2.setScale(v.left, v.vxTop, v.right, v.vxBottom);
    p3.setScale(v.left, v.vyTop, v.right, v.vyBottom);
    graphs::axes_2(p2, v.left, v.vxTop, v.right, v.vxBottom, separator_);
    graphs::axes_3(p3, v.left, v.vyTop, v.right, v.vyBottom, separator_);

    const model::VelocityCurves curves =
        model::raschet3(s.in, s.closed, s.Tmax1, s.Tmax2, s.dt, s.nSteps);
    const bool whole = drawVelocityCurves(p2, p3, curves);
    if (curves.outcome != model::FlightOutcome::finished || !whole) {
        report(curves.outcome != model::FlightOutcome::finished ? curves.outcome
                                                                : model::FlightOutcome::notFinite,
               true, pane(1), true);
        return;
    }
    emit runFinished();
}

bool RunSequence::report(model::FlightOutcome outcome, bool withBox, graphs::PaneSurface& p,
                         bool useTrajectorySystem) {
    // A line of text in the top-left corner of the pane, in the system it already has or, when
    // it has none that fits, in the unit square.
    double left = 0, top = 1, right = 1, bottom = 0;
    if (useTrajectorySystem) {
        left = trajectory_.left;
        top = trajectory_.top;
        right = trajectory_.right;
        bottom = trajectory_.bottom;
    } else {
        p.setScale(left, top, right, bottom);
    }
    p.moveTo(static_cast<float>(left + 0.02 * (right - left)),
             static_cast<float>(top - 0.02 * (top - bottom)));
    p.printText(failureLine(outcome));

    lastFailure_ = failureMessage(outcome);
    emit failureReported(lastFailure_);
    if (withBox)
        boxes_.inform(lastFailure_, failureTitle());
    return false;
}

QString RunSequence::failureTitle() {
    return QStringLiteral("Ошибка");
}

QString RunSequence::failureMessage(model::FlightOutcome outcome) {
    if (outcome == model::FlightOutcome::tooLong)
        return QStringLiteral(
            "Полёт слишком долгий: расчёт остановлен. Шар почти не падает в такой среде. "
            "Уменьшите вязкость среды или увеличьте диаметр шара или его плотность.");
    return QStringLiteral("Числа вышли за пределы расчёта: при таких данных результат не "
                          "может быть вычислен. Уменьшите начальную скорость или высоту.");
}

QString RunSequence::failureLine(model::FlightOutcome outcome) {
    if (outcome == model::FlightOutcome::tooLong)
        return QStringLiteral("Полёт слишком долгий: расчёт остановлен");
    return QStringLiteral("Числа вышли за пределы расчёта");
}

bool RunSequence::requestClose() {
    return window_.close();
}

bool RunSequence::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Close) {
            // A second close request while the question is open is refused.
            if (confirming_) {
                event->ignore();
                return true;
            }
            confirming_ = true;
            const bool yes =
                boxes_.confirm(QStringLiteral("Вы абсолютно уверены?"), QStringLiteral("На Выход"));
            confirming_ = false;
            if (!yes) {
                event->ignore();
                return true;
            }
            abandonFlight();
        } else if (event->type() == QEvent::Show && !shownOnce_) {
            shownOnce_ = true;
            // The first size report normally brings this; make sure it happens once anyway.
            QTimer::singleShot(0, this, [this] {
                if (shortRecomputes_ == 0)
                    shortRecompute();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
