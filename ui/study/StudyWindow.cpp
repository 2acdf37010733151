#include "ui/study/StudyWindow.h"

#include "graphs/GraphPane.h"
#include "ui/platform/DecimalSeparator.h"
#include "ui/platform/Language.h"
#include "ui/platform/ScaledFont.h"
#include "ui/platform/ScreenFit.h"
#include "ui/study/StudyCommands.h"
#include "ui/study/StudyPlot.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int defaultCount = 180;

// An end of the range as typed; a comma is taken for the decimal point.
std::optional<double> readEnd(const QLineEdit* edit) {
    QString text = edit->text();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return model::readStudyNumber(text.toStdString());
}

QString problemText(model::StudySpecProblem problem) {
    switch (problem) {
    case model::StudySpecProblem::tooFewPoints:
    case model::StudySpecProblem::tooManyPoints:
        return Texts::tr("Число точек должно быть от 2 до %1.").arg(model::maxStudyPoints);
    case model::StudySpecProblem::notFinite:
        return Texts::tr("Диапазон слишком велик.");
    case model::StudySpecProblem::emptyRange:
        return Texts::tr("Начало и конец диапазона совпадают: изменять нечего.");
    case model::StudySpecProblem::none:
        break;
    }
    return {};
}

template <typename T> T chosen(const QComboBox* box) {
    return static_cast<T>(box->currentData().toInt());
}

} // namespace

StudyWindow* StudyWindow::open(const model::Inputs& base, QWidget* anchor, double textScale) {
    static QPointer<StudyWindow> last;
    auto* window = new StudyWindow(base);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setTextScale(textScale);
    // At most 85 % of the free area, so that the next one, offset, fits beside it.
    const QRect area = availableArea(anchor ? anchor : window);
    QSize size = (QSizeF(1200, 680) * textScale).toSize();
    if (!area.isEmpty())
        size = size.boundedTo((QSizeF(area.size()) * 0.85).toSize().shrunkBy(frameMargins(window)));
    window->resize(size);
    const QPoint step(40, 40);
    if (last && last->isVisible()) {
        const QPoint at = last->frameGeometry().topLeft() + step;
        placeOnScreen(window, at);
        // Where the steps reach the screen's edge they start again from its corner.
        if (window->pos() != at)
            placeOnScreen(window, availableArea(window).topLeft());
    } else if (anchor) {
        placeOnScreen(window, anchor->frameGeometry().topLeft() + step);
    } else {
        fitOnScreen(window);
    }
    last = window;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

StudyWindow::StudyWindow(const model::Inputs& base, QWidget* parent)
    : QWidget(parent, Qt::Window), job_(base) {
    setObjectName(QStringLiteral("StudyWindow"));
    keepTranslated(this, [this] { setWindowTitle(Texts::tr("Исследование зависимости")); });
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon.svg")));
    connect(&job_, &StudyJob::progressed, this, [this](int done) { progress_->setValue(done); });
    connect(&job_, &StudyJob::arrived, this, &StudyWindow::arrived);
    buildControls();
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, &StudyWindow::retranslate);
    basePaneFont_ = pane_->font();
    resize(1200, 680);
}

void StudyWindow::setTextScale(double factor) {
    if (factor == textScale_)
        return;
    textScale_ = factor;
    setFont(factor == 1 ? QFont() : scaledFont(QApplication::font(this), factor));
    pane_->setFont(scaledFont(basePaneFont_, factor));
    tableView_->verticalHeader()->setDefaultSectionSize(tableView_->fontMetrics().height() + 6);
}

StudyWindow::~StudyWindow() {
    cancel();
}

void StudyWindow::buildControls() {
    auto named = [](QWidget* w, const char* name, const char* accessible) {
        w->setObjectName(QLatin1String(name));
        keepTranslated(w, [w, accessible] { w->setAccessibleName(Texts::tr(accessible)); });
    };
    fieldBox_ = new QComboBox;
    named(fieldBox_, "StudyField", QT_TRANSLATE_NOOP("Texts", "Изменяемая величина"));
    for (const model::FieldRow& f : model::fieldRows())
        fieldBox_->addItem(QString(), static_cast<int>(f.id));
    // The items are named again in place: the choice and the range typed stay.
    keepTranslated(fieldBox_, [box = fieldBox_] {
        for (const model::FieldRow& f : model::fieldRows())
            box->setItemText(box->findData(static_cast<int>(f.id)),
                             QStringLiteral("%1, %2").arg(modelText(f.title), modelText(f.unit)));
    });
    fromEdit_ = new QLineEdit;
    named(fromEdit_, "StudyFrom", QT_TRANSLATE_NOOP("Texts", "от"));
    toEdit_ = new QLineEdit;
    named(toEdit_, "StudyTo", QT_TRANSLATE_NOOP("Texts", "до"));
    countBox_ = new QSpinBox;
    named(countBox_, "StudyCount", QT_TRANSLATE_NOOP("Texts", "Число точек"));
    countBox_->setRange(2, model::maxStudyPoints);
    countBox_->setValue(defaultCount);
    familyBox_ = new QComboBox;
    named(familyBox_, "StudyResult", QT_TRANSLATE_NOOP("Texts", "Результат"));
    for (const model::FamilyRow& f : model::familyRows())
        familyBox_->addItem(QString(), static_cast<int>(f.id));
    keepTranslated(familyBox_, [box = familyBox_] {
        for (const model::FamilyRow& f : model::familyRows())
            box->setItemText(box->findData(static_cast<int>(f.id)), modelText(f.title));
    });
    auto button = [&named](const char* name, const char* text) {
        auto* b = new QPushButton;
        keepTranslated(b, [b, text] { b->setText(Texts::tr(text)); });
        named(b, name, text);
        return b;
    };
    runButton_ = button("StudyRun", QT_TRANSLATE_NOOP("Texts", "Рассчитать"));
    runButton_->setDefault(true);
    cancelButton_ = button("StudyCancel", QT_TRANSLATE_NOOP("Texts", "Отмена"));
    progress_ = new QProgressBar;
    named(progress_, "StudyProgress", QT_TRANSLATE_NOOP("Texts", "Ход расчёта"));
    keepTranslated(progress_, [p = progress_] { p->setFormat(Texts::tr("%v из %m")); });
    progress_->setRange(0, defaultCount);
    progress_->setValue(0);
    status_ = new QLabel;
    named(status_, "StudyStatus", QT_TRANSLATE_NOOP("Texts", "Состояние"));
    status_->setWordWrap(true);

    auto* form = new QGridLayout;
    auto label = [](const char* text, QWidget* buddy) {
        auto* l = new QLabel;
        keepTranslated(l, [l, text] { l->setText(Texts::tr(text)); });
        l->setBuddy(buddy);
        return l;
    };
    form->addWidget(label(QT_TRANSLATE_NOOP("Texts", "&Величина:"), fieldBox_), 0, 0);
    form->addWidget(fieldBox_, 0, 1);
    form->addWidget(label(QT_TRANSLATE_NOOP("Texts", "о&т"), fromEdit_), 0, 2);
    form->addWidget(fromEdit_, 0, 3);
    form->addWidget(label(QT_TRANSLATE_NOOP("Texts", "&до"), toEdit_), 0, 4);
    form->addWidget(toEdit_, 0, 5);
    form->addWidget(label(QT_TRANSLATE_NOOP("Texts", "&точек"), countBox_), 0, 6);
    form->addWidget(countBox_, 0, 7);
    form->addWidget(runButton_, 0, 8);
    form->addWidget(label(QT_TRANSLATE_NOOP("Texts", "&Результат:"), familyBox_), 1, 0);
    form->addWidget(familyBox_, 1, 1);
    form->addWidget(progress_, 1, 2, 1, 6);
    form->addWidget(cancelButton_, 1, 8);
    form->setColumnStretch(1, 2);
    form->setColumnStretch(3, 1);
    form->setColumnStretch(5, 1);

    pane_ = new graphs::GraphPane;
    pane_->setObjectName(QStringLiteral("StudyGraph"));
    keepTranslated(pane_, [p = pane_] { p->setAccessibleName(Texts::tr("График зависимости")); });
    pane_->setMinimumSize(560, 400);
    table_ = new StudyTable(this);
    tableView_ = new QTableView;
    named(tableView_, "StudyTable", QT_TRANSLATE_NOOP("Texts", "Точки"));
    tableView_->setModel(table_);
    tableView_->verticalHeader()->setDefaultSectionSize(tableView_->fontMetrics().height() + 6);
    tableView_->horizontalHeader()->setStretchLastSection(true);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(pane_);
    split->addWidget(tableView_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({640, 500});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    buildFollowing(layout);
    layout->addWidget(split, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    layout->addLayout(bottom);

    connect(fieldBox_, &QComboBox::currentIndexChanged, this, &StudyWindow::fieldChosen);
    connect(familyBox_, &QComboBox::currentIndexChanged, this, &StudyWindow::familyChosen);
    connect(runButton_, &QPushButton::clicked, this, &StudyWindow::start);
    connect(cancelButton_, &QPushButton::clicked, this, &StudyWindow::cancel);
    fieldBox_->setCurrentIndex(static_cast<int>(model::Field::alphaDeg));
    fieldChosen();
    setRunning(false);
    commands_ = new StudyCommands(*this, bottom);
}

void StudyWindow::fieldChosen() {
    const auto field = chosen<model::Field>(fieldBox_);
    double from = 0, to = 89.5;
    if (field != model::Field::alphaDeg) {
        const double v = model::inputOf(job_.inputs(), field);
        from = v / 2;
        to = v * 2;
    }
    fromEdit_->setText(QString::number(from, 'g', 10));
    toEdit_->setText(QString::number(to, 'g', 10));
}

void StudyWindow::familyChosen() {
    if (!outcome())
        return;
    table_->setFamily(chosen<model::ResultFamily>(familyBox_));
    showStudy();
}

void StudyWindow::setRunning(bool running) {
    runButton_->setEnabled(!running);
    cancelButton_->setEnabled(running);
}

void StudyWindow::start() {
    if (isRunning())
        return;
    const auto from = readEnd(fromEdit_);
    const auto to = readEnd(toEdit_);
    if (!from || !to) {
        setTranslatedText(status_, [ended = bool(from)] {
            return ended ? Texts::tr("Конец диапазона — не число.")
                         : Texts::tr("Начало диапазона — не число.");
        });
        return;
    }
    const model::StudySpec plan{chosen<model::Field>(fieldBox_), *from, *to, countBox_->value(),
                                job_.inputs()};
    if (const auto problem = model::checkStudySpec(plan);
        problem != model::StudySpecProblem::none) {
        setTranslatedText(status_, [problem] { return problemText(problem); });
        return;
    }

    progress_->setRange(0, plan.count);
    progress_->setValue(0);
    setTranslatedText(status_, [] { return Texts::tr("Идёт расчёт…"); });
    job_.start(plan);
    setRunning(true);
}

void StudyWindow::arrived(bool complete) {
    setRunning(false);
    if (!complete) {
        setTranslatedText(status_, [shown = bool(outcome())] {
            return shown ? Texts::tr("Расчёт отменён; показан прежний результат.")
                         : Texts::tr("Расчёт отменён.");
        });
        return;
    }
    const StudyOutcome* shown = outcome();
    table_->setStudy(job_.result(), chosen<model::ResultFamily>(familyBox_));
    tableView_->resizeColumnsToContents();
    showStudy();

    int refused = 0, unfinished = 0;
    for (const model::StudyPoint& p : shown->points) {
        refused += p.state == model::PointState::refused;
        unfinished += p.state == model::PointState::unfinished;
    }
    setTranslatedText(status_, [refused, unfinished, all = int(shown->points.size())] {
        QString text =
            Texts::tr("Рассчитано точек: %1 из %2.").arg(all - refused - unfinished).arg(all);
        if (refused > 0)
            text += Texts::tr(" Значений, которые поле не принимает: %1.").arg(refused);
        if (unfinished > 0)
            text += Texts::tr(" Бросков, расчёт которых не закончен: %1.").arg(unfinished);
        return text;
    });
}

void StudyWindow::showStudy() {
    const StudyOutcome* shown = outcome();
    const auto family = chosen<model::ResultFamily>(familyBox_);
    marks_ = shown->marks[static_cast<std::size_t>(family)];
    for (model::StudyMark& m : marks_) // in the language of the moment
        m.text = model::markText(shown->plan, m);
    drawStudy(*pane_, shown->plan, shown->points, family, marks_, systemDecimalSeparator());
    // A screen reader finds the marks in the graph's description.
    QStringList texts;
    for (const model::StudyMark& m : marks_)
        texts << QString::fromStdString(m.text);
    pane_->setAccessibleDescription(texts.join('\n'));
}

// Everything the window writes itself from its state, in the language just chosen; the choices,
// the ranges typed and the study stay.
void StudyWindow::retranslate() {
    showInputsLine();
    table_->retranslate();
    if (outcome())
        showStudy();
}

void StudyWindow::closeEvent(QCloseEvent* event) {
    cancel();
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closing();
}

void StudyWindow::setServices(MessageBoxes* boxes, ExportDialogs* dialogs, const QString& folder) {
    commands_->setServices(boxes, dialogs, folder);
}

void StudyWindow::saveGraph() {
    commands_->saveGraph();
}

void StudyWindow::saveTable() {
    commands_->saveTable();
}

void StudyWindow::copyTable() {
    commands_->copyTable();
}

void StudyWindow::copySelection() {
    commands_->copySelection();
}

void StudyWindow::print() {
    commands_->print();
}

} // namespace ui
