#include "ui/measure/MeasurementsPanel.h"

#include "graphs/PaneSurface.h"
#include "model/measure/VerticalMotion.h"
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

// Points first to last by their numbers in time order: «3» or «118–120».
QString numbers(std::size_t first, std::size_t last) {
    return first == last ? QString::number(first) : QStringLiteral("%1–%2").arg(first).arg(last);
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
    source_->setText(
        Texts::tr("Источник: %1").arg(QFileInfo(QString::fromStdString(m.source)).fileName()));
    counts_->setText(
        Texts::tr("Точек: %1, пропущено строк: %2").arg(m.points.size()).arg(m.skipped));
    // Points without times are compared with the models' paths, not with their positions.
    heading_->setText(m.withoutTimes()
                          ? Texts::tr("Среднеквадратичное расстояние от точек до траекторий "
                                      "моделей:")
                          : Texts::tr("Среднеквадратичное отклонение моделей от точек:"));
    if (!recompute && shown_ > 0) {
        showResiduals(shownResiduals_);
        return;
    }
    // Many points take a while: computed from copies on the pool; a later call's outcome wins.
    const int asked = ++asked_;
    auto* computed = new QFutureWatcher<Compared>(this);
    connect(computed, &QFutureWatcher<Compared>::finished, this, [this, computed, asked] {
        computed->deleteLater();
        if (asked != asked_)
            return;
        shown_ = asked;
        shownResiduals_ = computed->result();
        showResiduals(shownResiduals_);
    });
    // As the points are compared: a vertical motion straight down or up, a path across (its
    // points have no times, so none lies outside a flight).
    computed->setFuture(runOnWorkPool([measured = m, inputs = controller_.inputs()] {
        yieldToTheWindow();
        const model::measure::Residuals r = model::measure::residuals(measured, inputs);
        Compared c{{r.vacuum, r.linear, r.quadratic}, {}};
        const model::Inputs at = model::measure::inputsFor(measured, inputs);
        const model::ModelKind kinds[3] = {model::ModelKind::vacuum, model::ModelKind::linear,
                                           model::ModelKind::quadratic};
        if (!measured.withoutTimes())
            for (int i = 0; i < 3; ++i)
                c.outside[i] = model::measure::outsideFlight(measured.points, at, kinds[i]);
        return c;
    }));
}

void MeasurementsPanel::showResiduals(const Compared& c) {
    for (int i = 0; i < 3; ++i)
        residuals_[i]->setText(
            std::isfinite(c.rms[i])
                ? Texts::tr("%1: %2 м").arg(modelName(i)).arg(c.rms[i], 0, 'f', 4)
                : QStringLiteral("%1: —").arg(modelName(i)));
    // The points are in time order: those before the launch come first, those after the
    // landing last.
    const std::size_t n = data_.has() ? data_.measurements().points.size() : 0;
    QStringList lines;
    for (int i = 0; i < 3; ++i) {
        const model::measure::OutsideFlight& o = c.outside[i];
        QStringList parts;
        if (o.beforeLaunch > 0)
            parts << Texts::tr("до броска: %1 (№ %2)")
                         .arg(o.beforeLaunch)
                         .arg(numbers(1, o.beforeLaunch));
        if (o.afterLanding > 0 && o.afterLanding <= n)
            parts << Texts::tr("после приземления: %1 (№ %2)")
                         .arg(o.afterLanding)
                         .arg(numbers(n - o.afterLanding + 1, n));
        if (!parts.isEmpty())
            lines << QStringLiteral("%1 — %2").arg(modelName(i), parts.join(QStringLiteral(", ")));
    }
    if (!lines.isEmpty())
        lines.prepend(Texts::tr("Точки вне полёта модели (сравниваются с точкой броска или "
                                "приземления):"));
    outside_->setText(lines.join(QLatin1Char('\n')));
    outside_->setVisible(!lines.isEmpty());
}

} // namespace ui
