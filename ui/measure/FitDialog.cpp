#include "ui/measure/FitDialog.h"

#include "graphs/GraphPane.h"
#include "graphs/PaneSurface.h"
#include "model/NumberFormat.h"
#include "model/exact/ExactFlight.h"
#include "model/exact/Reynolds.h"
#include "model/exact/ReynoldsText.h"
#include "ui/measure/MeasuredData.h"
#include "ui/measure/ResidualPlot.h"
#include "ui/platform/DecimalSeparator.h"
#include "ui/platform/Language.h"
#include "ui/platform/WorkPool.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr const char* modelNames[3] = {QT_TRANSLATE_NOOP("Texts", "вакуум"), "Fc~v", "Fc~v^2"};

QColor colourOf(int model) {
    return model == 0   ? graphs::vacuumColour
           : model == 1 ? graphs::linearDragColour
                        : graphs::quadraticDragColour;
}

QString number(double v, int digits = 5) {
    return std::isfinite(v) ? QString::number(v, 'g', digits) : QStringLiteral("—");
}

// The value and its standard error in the input's unit, «10.02 ± 0.03 м/с».
QString withError(double value, double error, const model::FieldRow& f) {
    const QString unit = modelText(f.unit);
    if (!std::isfinite(error))
        return QStringLiteral("%1 %2").arg(number(value), unit);
    return QStringLiteral("%1 ± %2 %3").arg(number(value, 6), number(error, 2), unit);
}

// The fitted ball's Re at the launch and at the landing, with the regime (once when both
// agree): «38000 → 23000 — сопротивление ~v²».
QString reynoldsText(const model::Inputs& in, model::ModelKind kind) {
    const model::exact::ReynoldsNumbers re = model::exact::reynoldsNumbers(in);
    const double landing = kind == model::ModelKind::linear ? re.end1 : re.end2;
    const auto number = [](double r) {
        return QString::fromStdString(model::exact::reynoldsNumberText(r));
    };
    const auto regime = [](double r) {
        return QString::fromStdString(model::exact::regimeText(model::exact::flowRegime(r)));
    };
    if (!std::isfinite(landing)) // a ball that does not come down
        return QStringLiteral("%1 — %2").arg(number(re.start), regime(re.start));
    if (regime(re.start) == regime(landing))
        return QStringLiteral("%1 → %2 — %3")
            .arg(number(re.start), number(landing), regime(re.start));
    return QStringLiteral("%1 → %2 — %3 → %4")
        .arg(number(re.start), number(landing), regime(re.start), regime(landing));
}

// The correlations of each pair of fitted inputs, «Vo–α −0.93; Vo–Cd 0.71»: near ±1 the points
// fix a combination of the two, not each of them.
QString correlationText(const model::measure::ModelFit& fit) {
    QStringList names;
    for (const model::Field f : fit.fitted)
        names << modelText(model::row(f).accessibleName).section(QStringLiteral(", "), 0, 0);
    if (fit.cdFitted)
        names << QStringLiteral("Cd");
    const auto q = std::size_t(names.size());
    if (q < 2 || fit.correlation.size() != q * q)
        return QStringLiteral("—");
    QStringList pairs;
    for (std::size_t i = 0; i < q; ++i)
        for (std::size_t j = i + 1; j < q; ++j) {
            const double r = fit.correlation[i * q + j];
            pairs << QStringLiteral("%1–%2 %3")
                         .arg(names[int(i)], names[int(j)],
                              std::isfinite(r) ? QString::number(r, 'f', 2).replace('-', u'−')
                                               : QStringLiteral("—"));
        }
    return pairs.join(QStringLiteral("; "));
}

} // namespace

FitDialog::FitDialog(MainWindow& window, const ThrowController& controller, MeasuredData& data,
                     SessionObject& session, QWidget* parent)
    : QDialog(parent), window_(window), controller_(controller), data_(data), session_(session) {
    setObjectName(QStringLiteral("FitDialog"));
    keepTranslated(this, [this] { setWindowTitle(Texts::tr("Подгонка моделей к измерениям")); });
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(this);
    keepTranslated(heading,
                   [heading] { heading->setText(Texts::tr("Подбирать входные данные:")); });
    layout->addWidget(heading);
    auto* boxes = new QGridLayout;
    for (const model::FieldRow& f : model::fieldRows()) {
        auto* box = new QCheckBox(this);
        keepTranslated(box, [box, &f] {
            box->setText(
                QStringLiteral("%1 (%2)").arg(modelText(f.title), modelText(f.accessibleName)));
        });
        box->setObjectName(QStringLiteral("FitFree_%1").arg(QLatin1String(f.key)));
        const int i = int(f.id);
        boxes->addWidget(box, i % 4, i / 4);
        freeBoxes_[std::size_t(i)] = box;
    }
    cdBox_ = new QCheckBox(this);
    keepTranslated(cdBox_, [box = cdBox_] {
        box->setText(Texts::tr("коэффициент сопротивления (Cd, только Fc~v^2)"));
    });
    cdBox_->setObjectName(QStringLiteral("FitFree_cd"));
    boxes->addWidget(cdBox_, int(model::fieldCount % 4), int(model::fieldCount / 4));
    layout->addLayout(boxes);
    setFree({model::Field::v0, model::Field::alphaDeg});

    auto* row = new QHBoxLayout;
    run_ = new QPushButton(this);
    keepTranslated(run_, [b = run_] { b->setText(Texts::tr("Подогнать")); });
    run_->setObjectName(QStringLiteral("FitRun"));
    stop_ = new QPushButton(this);
    keepTranslated(stop_, [b = stop_] { b->setText(Texts::tr("Отмена")); });
    stop_->setObjectName(QStringLiteral("FitCancel"));
    stop_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    row->addWidget(run_);
    row->addWidget(stop_);
    row->addWidget(progress_, 1);
    layout->addLayout(row);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("FitStatus"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("FitResults"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(table_, 1);
    residualPlot_ = new graphs::GraphPane(this);
    residualPlot_->setObjectName(QStringLiteral("FitResiduals"));
    keepTranslated(residualPlot_, [p = residualPlot_] {
        p->setAccessibleName(Texts::tr("Отклонения модели от точек"));
    });
    residualPlot_->setMinimumHeight(260);
    layout->addWidget(residualPlot_, 1);
    auto* bottom = new QHBoxLayout;
    auto* hint = new QLabel(this);
    keepTranslated(hint, [hint] {
        hint->setText(Texts::tr("Выберите строку модели и нажмите «Применить»."));
    });
    bottom->addWidget(hint, 1);
    apply_ = new QPushButton(this);
    keepTranslated(apply_, [b = apply_] { b->setText(Texts::tr("Применить")); });
    apply_->setObjectName(QStringLiteral("FitApply"));
    apply_->setEnabled(false);
    bottom->addWidget(apply_);
    layout->addLayout(bottom);

    connect(run_, &QPushButton::clicked, this, &FitDialog::start);
    connect(stop_, &QPushButton::clicked, this, &FitDialog::cancel);
    // Results of other points would be applied to these: new points start afresh.
    connect(&data_, &MeasuredData::changed, this, &FitDialog::pointsChanged);
    connect(apply_, &QPushButton::clicked, this, [this] { apply(table_->currentRow()); });
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        apply_->setEnabled(result() && row >= 0 && row < 3 &&
                           result()->models[std::size_t(row)].converged);
        showResiduals(row);
    });
    connect(&watcher_, &QFutureWatcher<model::measure::FitResult>::finished, this,
            &FitDialog::fitDone);
    connect(&watcher_, &QFutureWatcher<model::measure::FitResult>::progressValueChanged, progress_,
            &QProgressBar::setValue);
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, &FitDialog::retranslate);
    resize(900, 680);
}

FitDialog::~FitDialog() {
    cancel();
}

void FitDialog::done(int result) {
    cancel(); // the fit ends at its next iteration and reports itself cancelled
    QDialog::done(result);
}

void FitDialog::setFree(const std::vector<model::Field>& free) {
    for (QCheckBox* box : freeBoxes_)
        box->setChecked(false);
    for (model::Field f : free)
        freeBoxes_[std::size_t(f)]->setChecked(true);
}

std::vector<model::Field> FitDialog::free() const {
    std::vector<model::Field> out;
    for (model::Field f : model::allFields)
        if (freeBoxes_[std::size_t(f)]->isChecked())
            out.push_back(f);
    return out;
}

bool FitDialog::running() const {
    return watcher_.isRunning();
}

void FitDialog::start() {
    if (running() || !data_.has())
        return;
    model::measure::FitRequest request;
    request.start = controller_.inputs();
    request.free = free();
    request.freeCd = cdBox_->isChecked();
    if (request.free.empty() && !request.freeCd) {
        setTranslatedText(status_,
                          [] { return Texts::tr("Отметьте хотя бы одну величину для подгонки."); });
        return;
    }
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    run_->setEnabled(false);
    stop_->setEnabled(true);
    progress_->setValue(0);
    setTranslatedText(status_, [] { return Texts::tr("Идёт подгонка…"); });
    // The task holds nothing of the dialog: progress comes back through its future, so the
    // dialog may close (and the window end) while a cancelled fit finishes its last step.
    auto cancel = cancel_;
    auto points = data_.measurements().points;
    watcher_.setFuture(runOnWorkPool([points = std::move(points), request,
                                      cancel](QPromise<model::measure::FitResult>& promise) {
        yieldToTheWindow();
        promise.setProgressRange(0, 1000);
        promise.addResult(
            model::measure::fitModels(points, request, *cancel, [&promise](double done) {
                promise.setProgressValue(int(done * 1000));
            }));
    }));
}

const std::optional<model::measure::FitResult>& FitDialog::result() const {
    return data_.fit();
}

void FitDialog::pointsChanged() {
    cancel();
    watcher_.setFuture(QFuture<model::measure::FitResult>()); // the old fit is not awaited
    run_->setEnabled(true);
    stop_->setEnabled(false);
    if (result()) { // an undo brought the points back with their fit
        progress_->setValue(1000);
        showResults();
        table_->setCurrentCell(result()->best ? int(*result()->best) - 1 : -1, 0);
        showResiduals(table_->currentRow());
        return;
    }
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(0);
    showResiduals(-1);
    apply_->setEnabled(false);
    progress_->setValue(0);
    setTranslatedText(status_, {});
}

void FitDialog::cancel() {
    if (cancel_)
        cancel_->store(true);
}

void FitDialog::fitDone() {
    if (watcher_.future().resultCount() == 0) // dropped for new points
        return;
    run_->setEnabled(true);
    stop_->setEnabled(false);
    data_.setFit(watcher_.result());
    const model::measure::FitResult& result = *data_.fit();
    progress_->setValue(result.cancelled ? 0 : 1000);
    if (result.cancelled)
        setTranslatedText(
            status_, [] { return Texts::tr("Подгонка отменена; входные данные не изменились."); });
    else if (!result.best)
        setTranslatedText(status_, [] {
            return Texts::tr("Ни одна модель не подогнана; входные данные не изменились.");
        });
    else
        setTranslatedText(status_, [best = int(*result.best) - 1] {
            return Texts::tr("Готово. Лучшая модель: %1.").arg(Texts::tr(modelNames[best]));
        });
    showResults();
    table_->setCurrentCell(result.best ? int(*result.best) - 1 : -1, 0);
    showResiduals(table_->currentRow());
    emit finished();
}

void FitDialog::showResults() {
    const model::measure::FitResult& result = *data_.fit();
    // The free inputs of the fit: every model fitted those of them it depends on.
    std::vector<model::Field> fields;
    for (const model::Field f : model::allFields)
        if (std::any_of(result.models.begin(), result.models.end(), [f](const auto& m) {
                return std::find(m.fitted.begin(), m.fitted.end(), f) != m.fitted.end();
            }))
            fields.push_back(f);
    const bool cd = std::any_of(result.models.begin(), result.models.end(),
                                [](const auto& m) { return m.cdFitted; });
    QStringList headers{Texts::tr("Модель")};
    for (model::Field f : fields)
        headers << modelText(model::row(f).accessibleName);
    if (cd)
        headers << QStringLiteral("Cd");
    headers << Texts::tr("Корреляции") << Texts::tr("СКО, м") << Texts::tr("Итераций")
            << Texts::tr("Re при броске → при падении");
    table_->clear();
    table_->setColumnCount(int(headers.size()));
    table_->setRowCount(3);
    table_->setHorizontalHeaderLabels(headers);
    for (int m = 0; m < 3; ++m) {
        const model::measure::ModelFit& fit = result.models[std::size_t(m)];
        const bool best = result.best && int(*result.best) - 1 == m;
        auto put = [&](int column, const QString& text) {
            auto* item = new QTableWidgetItem(text);
            item->setForeground(colourOf(m));
            if (best) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table_->setItem(m, column, item);
        };
        put(0, Texts::tr(modelNames[m]) + (best ? Texts::tr(" ★ лучшая") : QString()));
        int column = 1;
        for (model::Field f : fields) {
            const bool used =
                std::find(fit.fitted.begin(), fit.fitted.end(), f) != fit.fitted.end();
            put(column++, !fit.converged ? QStringLiteral("—")
                          : used         ? withError(model::inputOf(fit.inputs, f),
                                                     fit.errors[std::size_t(f)], model::row(f))
                                         : Texts::tr("не влияет"));
        }
        if (cd)
            put(column++, !fit.converged ? QStringLiteral("—")
                          : fit.cdFitted ? QStringLiteral("%1 ± %2").arg(number(fit.inputs.cd, 6),
                                                                         number(fit.cdError, 2))
                                         : Texts::tr("не влияет"));
        if (!fit.converged) {
            put(column, Texts::tr("не сошлась: %1").arg(QString::fromStdString(fit.problem)));
            continue;
        }
        put(column++, correlationText(fit));
        put(column++, number(fit.rms));
        put(column++, QString::number(fit.iterations));
        const model::Inputs& in = fit.inputs; // vacuum has no medium to speak of
        put(column++, m == 0 ? QStringLiteral("—") : reynoldsText(in, fit.model));
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void FitDialog::showResiduals(int row) {
    if (!result() || row < 0 || row > 2) {
        residualPlot_->clear();
        return;
    }
    drawResiduals(*residualPlot_, result()->models[std::size_t(row)], colourOf(row),
                  systemDecimalSeparator());
}

// The table in the language just chosen (the status line follows by itself); the chosen row
// stays. While a fit runs the table keeps the last results, written again when the fit ends.
void FitDialog::retranslate() {
    if (result() && !running()) {
        const int row = table_->currentRow();
        showResults();
        table_->setCurrentCell(row, 0);
        showResiduals(row);
    }
}

void FitDialog::apply(int m) {
    if (!result() || m < 0 || m > 2 || !result()->models[std::size_t(m)].converged)
        return;
    const model::measure::ModelFit fit = result()->models[std::size_t(m)];
    session_.beginEdits();
    for (model::Field f : fit.fitted)
        window_.field(f)->setText(QString::fromStdString(
            model::formatPattern(model::inputOf(fit.inputs, f), model::row(f).pattern)));
    if (fit.cdFitted) // to the dialog's three decimals
        session_.editCd(std::max(0.01, std::round(fit.inputs.cd * 1000) / 1000));
    session_.endEdits();
}

} // namespace ui
