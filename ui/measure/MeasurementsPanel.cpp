#include "ui/measure/MeasurementsPanel.h"

#include "graphs/PaneSurface.h"
#include "model/measure/MeasuredTexts.h"
#include "ui/measure/MeasuredData.h"
#include "ui/platform/Language.h"
#include "ui/platform/WorkPool.h"
#include "ui/run/ThrowController.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QColor colourOf(int model) {
    return model == 0   ? graphs::vacuumColour
           : model == 1 ? graphs::linearDragColour
                        : graphs::quadraticDragColour;
}

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

MeasurementsPanel::MeasurementsPanel(const MeasuredData& data, const ThrowController& controller,
                                     QWidget* parent)
    : QWidget(parent, Qt::Tool), data_(data), controller_(controller) {
    setObjectName(QStringLiteral("MeasurementsPanel"));
    keepTranslated(this, [this] { setWindowTitle(Texts::tr("Измерения")); });
    auto* layout = new QVBoxLayout(this);
    source_ = new QLabel(this);
    counts_ = new QLabel(this);
    layout->addWidget(source_);
    layout->addWidget(counts_);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("MeasuredResidualHeading"));
    layout->addWidget(heading_);
    for (int m = 0; m < 3; ++m) {
        residuals_[m] = new QLabel(this);
        residuals_[m]->setObjectName(QStringLiteral("MeasuredResidual%1").arg(m + 1));
        QPalette p = residuals_[m]->palette();
        p.setColor(QPalette::WindowText, colourOf(m));
        residuals_[m]->setPalette(p);
        layout->addWidget(residuals_[m]);
    }
    outside_ = new QLabel(this);
    outside_->setObjectName(QStringLiteral("MeasuredOutsideFlight"));
    outside_->setWordWrap(true);
    outside_->hide();
    layout->addWidget(outside_);
    auto* buttons = new QHBoxLayout;
    auto* fit = new QPushButton(this);
    keepTranslated(fit, [fit] { fit->setText(Texts::tr("Подогнать модели…")); });
    auto* remove = new QPushButton(this);
    keepTranslated(remove, [remove] { remove->setText(Texts::tr("Убрать измерения")); });
    buttons->addWidget(fit);
    buttons->addWidget(remove);
    layout->addLayout(buttons);
    connect(fit, &QPushButton::clicked, this, &MeasurementsPanel::fitRequested);
    connect(remove, &QPushButton::clicked, this, &MeasurementsPanel::removeRequested);
    connect(&data_, &MeasuredData::changed, this, [this] { refresh(); });
    connect(&controller_, &ThrowController::throwReplaced, this, [this] { refresh(); });
    // A switch of language writes the distances shown again, without computing them.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this,
            [this] { refresh(false); });
    refresh();
}

QString MeasurementsPanel::residualText(int model) const {
    return residuals_[model]->text();
}

QString MeasurementsPanel::outsideText() const {
    return outside_->text();
}

void MeasurementsPanel::refresh(bool recompute) {
    if (!data_.has()) {
        hide();
        return;
    }
    const model::measure::Measurements& m = data_.measurements();
    source_->setText(fromStd(model::measure::sourceText(m)));
    counts_->setText(fromStd(model::measure::countsText(m)));
    heading_->setText(fromStd(model::measure::distancesHeading(m)));
    if (!recompute && shown_ > 0) {
        showResiduals(shownResiduals_);
        return;
    }
    // Many points take a while: computed from copies on the pool; a later call's outcome wins.
    const int asked = ++asked_;
    auto* computed = new QFutureWatcher<model::measure::ModelDistances>(this);
    connect(computed, &QFutureWatcher<model::measure::ModelDistances>::finished, this,
            [this, computed, asked] {
                computed->deleteLater();
                if (asked != asked_)
                    return;
                shown_ = asked;
                shownResiduals_ = computed->result();
                showResiduals(shownResiduals_);
            });
    computed->setFuture(runOnWorkPool([measured = m, inputs = controller_.inputs()] {
        yieldToTheWindow();
        return model::measure::modelDistances(measured, inputs);
    }));
}

void MeasurementsPanel::showResiduals(const model::measure::ModelDistances& d) {
    for (int i = 0; i < 3; ++i)
        residuals_[i]->setText(fromStd(model::measure::distanceText(i, d.rms[std::size_t(i)])));
    const std::size_t n = data_.has() ? data_.measurements().points.size() : 0;
    const QString outside = fromStd(model::measure::outsideFlightText(d, n));
    outside_->setText(outside);
    outside_->setVisible(!outside.isEmpty());
}

} // namespace ui
