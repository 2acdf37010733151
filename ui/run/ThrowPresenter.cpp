#include "ui/run/ThrowPresenter.h"

#include "model/NumberFormat.h"
#include "model/Throw.h"
#include "model/exact/ReynoldsText.h"
#include "ui/platform/Language.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"
#include "ui/window/ControlPlaces.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <tuple>

namespace ui {

ThrowPresenter::ThrowPresenter(MainWindow& window, SessionObject& session, QObject* parent)
    : QObject(parent), window_(window), session_(session) {
    for (const model::ModelKind model : {model::ModelKind::linear, model::ModelKind::quadratic})
        if (auto* header = window_.findChild<QLabel*>(QLatin1String(placeOf(model).header)))
            header->installEventFilter(this);
    // The graph shown is the session's; a click on an option button is the user's choice.
    for (const Graph g : allGraphs) {
        QRadioButton* option = window_.option(g);
        connect(option, &QRadioButton::toggled, this, [this, g](bool checked) {
            if (checked)
                session_.session().setGraph(int(g));
        });
        connect(option, &QRadioButton::pressed, this,
                [this] { graphBefore_ = session_.session().graph(); });
        connect(option, &QRadioButton::clicked, this,
                [this, g] { session_.recordGraphChoice(graphBefore_, int(g)); });
    }
    connect(&window_, &MainWindow::scaleBarMoved, this, [this] {
        if (!writingBars_)
            session_.moveScaleBars(window_.hScroll()->value(), window_.vScroll()->value());
    });
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this,
            &ThrowPresenter::retranslate);
    connect(&session_, &SessionObject::scaleChanged, this, &ThrowPresenter::showScaleBars);
    connect(&session_, &SessionObject::graphChanged, this, &ThrowPresenter::showGraph);
    connect(&session_, &SessionObject::lessonReplaced, this, [this] {
        showScaleBars();
        showGraph();
    });
}

void ThrowPresenter::drive(ThrowController& controller) {
    controller_ = &controller;
    connect(window_.runButton(), &QPushButton::clicked, &controller, &ThrowController::fullRun);
    connect(&window_, &MainWindow::resized, &controller, &ThrowController::viewResized);
    connect(&window_, &MainWindow::closing, &controller, &ThrowController::abandonFlight);
    connect(&window_, &MainWindow::firstShown, &controller, &ThrowController::firstShown);
}

void ThrowPresenter::showStart() {
    window_.placeOnScreen();
    showScaleBars();
    // The fields' own handling settles each text into its pattern.
    const model::Inputs& in = session_.session().inputs();
    for (const model::FieldRow& f : model::fieldRows())
        window_.field(f.id)->setText(
            QString::fromStdString(model::formatGeneral(model::inputOf(in, f.id))));
}

void ThrowPresenter::showScaleBars() {
    writingBars_ = true;
    window_.hScroll()->setValue(session_.session().scaleBarX());
    window_.vScroll()->setValue(session_.session().scaleBarY());
    writingBars_ = false;
}

void ThrowPresenter::showGraph() {
    const auto g = static_cast<Graph>(session_.session().graph());
    if (!window_.option(g)->isChecked())
        window_.option(g)->setChecked(true);
}

void ThrowPresenter::layOut() {
    window_.layoutControls();
    for (const model::Stage stage : {model::Stage::flightTop, model::Stage::flightLanding})
        labelsShown_[static_cast<std::size_t>(stage)] = Shown::placeholders;
}

void ThrowPresenter::showStage(const model::Throw& t, model::Stage stage, char separator) {
    for (const model::QuantityRow& q : model::quantityRows())
        if (q.stage == stage)
            window_.showResult(q.id, QString::fromStdString(t.text(q.id, separator)));
    labelsShown_[static_cast<std::size_t>(stage)] = Shown::values;
}

void ThrowPresenter::chooseTrajectoryGraph() {
    window_.option(Graph::trajectory)->setChecked(true);
}

void ThrowPresenter::retranslate() {
    const model::Throw* t = controller_ ? controller_->currentThrow() : nullptr;
    if (!t)
        return;
    // The labels: the model writes them again, in the new language.
    for (const model::QuantityRow& q : model::quantityRows()) {
        const Shown shown = labelsShown_[static_cast<std::size_t>(q.stage)];
        if (shown == Shown::values)
            window_.showResult(
                q.id, QString::fromStdString(t->text(q.id, controller_->decimalSeparator())));
        else if (shown == Shown::placeholders)
            window_.showResult(q.id, QString::fromStdString(model::placeholderText(q.id)));
    }
    // The panes' captions and failure lines: the same drawing again.
    controller_->redrawInLanguage();
    // The headers' Reynolds tooltips, if written, are written again.
    if (reynoldsFor_) {
        reynoldsFor_.reset();
        writeReynolds();
    }
}

// The Reynolds numbers of the throw in the tooltips of the drag columns' headers, after the
// header's own tooltip text. They need the exact landings, so they are written when a tooltip is
// about to show, not at every change of a field; they depend on the inputs only.
void ThrowPresenter::writeReynolds() {
    const model::Inputs& in = session_.session().inputs();
    auto key = [](const model::Inputs& i) {
        return std::tie(i.h0, i.v0, i.alphaDeg, i.d, i.rho, i.rho0, i.eta, i.cd);
    };
    if (reynoldsFor_ && key(*reynoldsFor_) == key(in))
        return;
    reynoldsFor_ = in;
    const model::exact::ReynoldsNumbers re = model::exact::reynoldsNumbers(in);
    const char separator = controller_ ? controller_->decimalSeparator() : '.';
    for (const auto& [model, end] : {std::pair{model::ModelKind::linear, re.end1},
                                     std::pair{model::ModelKind::quadratic, re.end2}}) {
        auto* header = window_.findChild<QLabel*>(QLatin1String(placeOf(model).header));
        if (!header)
            continue;
        // The header's own tooltip as the window made it, before the first numbers were added.
        const QString& own = headerTips_.try_emplace(model, header->toolTip()).first->second;
        QStringList lines;
        for (const std::string& line : model::exact::reynoldsToolTipLines(re.start, end, separator))
            lines.append(QString::fromStdString(line));
        if (!own.isEmpty())
            lines.prepend(own);
        header->setToolTip(lines.join(QLatin1Char('\n')));
    }
}

bool ThrowPresenter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        writeReynolds();
    return QObject::eventFilter(watched, event);
}

} // namespace ui
