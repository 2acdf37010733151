#include "ui/measure/FitDialog.h"

#include "graphs/GraphPane.h"
#include "graphs/PaneSurface.h"
#include "model/NumberFormat.h"
#include "model/measure/MeasuredTexts.h"
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

QColor colourOf(int model) {
    return model == 0   ? graphs::vacuumColour
           : model == 1 ? graphs::linearDragColour
                        : graphs::quadraticDragColour;
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
    request.motion = data_.measurements().settings.motion;
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
    setTranslatedText(status_, [cancelled = result.cancelled, best = result.best] {
        return QString::fromStdString(model::measure::fitStatusText(cancelled, best));
    });
    showResults();
    table_->setCurrentCell(result.best ? int(*result.best) - 1 : -1, 0);
    showResiduals(table_->currentRow());
    emit finished();
}

void FitDialog::showResults() {
    const model::measure::FitTable texts = model::measure::fitTable(*data_.fit());
    QStringList headers;
    for (const std::string& h : texts.headers)
        headers << QString::fromStdString(h);
    table_->clear();
    table_->setColumnCount(int(headers.size()));
    table_->setRowCount(3);
    table_->setHorizontalHeaderLabels(headers);
    for (int m = 0; m < 3; ++m) {
        const std::vector<std::string>& cells = texts.rows[std::size_t(m)];
        for (int column = 0; column < int(cells.size()); ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[std::size_t(column)]));
            item->setForeground(colourOf(m));
            if (texts.best == m) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table_->setItem(m, column, item);
        }
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
    // A vertical motion's models ran straight down or up, which the angle field refuses.
    if (std::fabs(fit.inputs.alphaDeg) == 90) {
        setTranslatedText(status_, [angle = int(fit.inputs.alphaDeg)] {
            return QString::fromStdString(model::measure::verticalAngleNotWrittenText(angle));
        });
    }
}

} // namespace ui
