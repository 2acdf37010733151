#include "ui/measure/MeasurementsPanel.h"

#include "graphs/PaneSurface.h"
#include "model/measure/Comparison.h"
#include "ui/measure/MeasuredData.h"
#include "ui/platform/Language.h"
#include "ui/platform/WorkPool.h"
#include "ui/run/ThrowController.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace ui {

namespace {

constexpr model::ModelKind kinds[] = {model::ModelKind::vacuum, model::ModelKind::linear,
                                      model::ModelKind::quadratic};

QString modelName(int model) {
    switch (model) {
    case 0:
        return Texts::tr("вакуум");
    case 1:
        return QStringLiteral("Fc~v");
    default:
        return QStringLiteral("Fc~v^2");
    }
}

QColor colourOf(int model) {
    return model == 0   ? graphs::vacuumColour
           : model == 1 ? graphs::linearDragColour
                        : graphs::quadraticDragColour;
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
    auto* heading = new QLabel(this);
    keepTranslated(heading, [heading] {
        heading->setText(Texts::tr("Среднеквадратичное отклонение моделей от точек:"));
    });
    layout->addWidget(heading);
    for (int m = 0; m < 3; ++m) {
        residuals_[m] = new QLabel(this);
        residuals_[m]->setObjectName(QStringLiteral("MeasuredResidual%1").arg(m + 1));
        QPalette p = residuals_[m]->palette();
        p.setColor(QPalette::WindowText, colourOf(m));
        residuals_[m]->setPalette(p);
        layout->addWidget(residuals_[m]);
    }
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

void MeasurementsPanel::refresh(bool recompute) {
    if (!data_.has()) {
        hide();
        return;
    }
    const model::measure::Measurements& m = data_.measurements();
    source_->setText(
        Texts::tr("Источник: %1").arg(QFileInfo(QString::fromStdString(m.source)).fileName()));
    counts_->setText(
        Texts::tr("Точек: %1, пропущено строк: %2").arg(m.points.size()).arg(m.skipped));
    if (!recompute && shown_ > 0) {
        showResiduals(shownRms_);
        return;
    }
    // Many points take a while: computed from copies on the pool; a later call's outcome wins.
    const int asked = ++asked_;
    auto* computed = new QFutureWatcher<std::array<double, 3>>(this);
    connect(computed, &QFutureWatcher<std::array<double, 3>>::finished, this,
            [this, computed, asked] {
                computed->deleteLater();
                if (asked != asked_)
                    return;
                shown_ = asked;
                shownRms_ = computed->result();
                showResiduals(shownRms_);
            });
    computed->setFuture(runOnWorkPool([points = m.points, inputs = controller_.inputs()] {
        yieldToTheWindow();
        std::array<double, 3> rms{};
        for (int i = 0; i < 3; ++i)
            rms[i] = model::measure::rmsResidual(points, inputs, kinds[i]);
        return rms;
    }));
}

void MeasurementsPanel::showResiduals(const std::array<double, 3>& rms) {
    for (int i = 0; i < 3; ++i)
        residuals_[i]->setText(std::isfinite(rms[i])
                                   ? Texts::tr("%1: %2 м").arg(modelName(i)).arg(rms[i], 0, 'f', 4)
                                   : QStringLiteral("%1: —").arg(modelName(i)));
}

} // namespace ui
