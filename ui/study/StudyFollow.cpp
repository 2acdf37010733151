// The study window's inputs: the line that names them, following the main window, and the
// settings a lesson keeps.
#include "model/curves/Legend.h"
#include "model/curves/ThrowCurves.h"
#include "model/session/Lesson.h"
#include "ui/platform/Language.h"
#include "ui/study/StudyWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

namespace {

// Studies that took less than this are computed again at once when the inputs change.
constexpr qint64 quickStudyMs = 100;

bool sameInputs(const model::Inputs& a, const model::Inputs& b) {
    return model::differingInputs(a, b).empty();
}

} // namespace

void StudyWindow::buildFollowing(QVBoxLayout* layout) {
    inputsLine_ = new QLabel;
    inputsLine_->setObjectName(QStringLiteral("StudyInputs"));
    keepTranslated(inputsLine_, [l = inputsLine_] {
        l->setAccessibleName(Texts::tr("Исходные данные исследования"));
    });
    inputsLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The seven inputs wrap rather than widen the window beyond a small screen.
    inputsLine_->setWordWrap(true);
    followBox_ = new QCheckBox;
    keepTranslated(followBox_,
                   [b = followBox_] { b->setText(Texts::tr("следовать за главным окном")); });
    followBox_->setObjectName(QStringLiteral("StudyFollow"));
    followBox_->setChecked(true);
    takeButton_ = new QPushButton;
    keepTranslated(takeButton_,
                   [b = takeButton_] { b->setText(Texts::tr("Взять из главного окна")); });
    takeButton_->setObjectName(QStringLiteral("StudyTake"));
    auto* row = new QHBoxLayout;
    row->addWidget(inputsLine_, 1);
    row->addWidget(followBox_);
    row->addWidget(takeButton_);
    layout->addLayout(row);

    connect(takeButton_, &QPushButton::clicked, this, &StudyWindow::takeMainInputs);
    // Every control a lesson keeps tells of its changes.
    connect(fieldBox_, &QComboBox::currentIndexChanged, this, &StudyWindow::settingsChanged);
    connect(familyBox_, &QComboBox::currentIndexChanged, this, &StudyWindow::settingsChanged);
    connect(fromEdit_, &QLineEdit::textChanged, this, &StudyWindow::settingsChanged);
    connect(toEdit_, &QLineEdit::textChanged, this, &StudyWindow::settingsChanged);
    connect(countBox_, &QSpinBox::valueChanged, this, &StudyWindow::settingsChanged);
    connect(followBox_, &QCheckBox::toggled, this, &StudyWindow::settingsChanged);
    connect(followBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            takeMainInputs();
    });
    // The length of each run started by the button, for deciding whether a change of inputs
    // computes the study again at once.
    connect(runButton_, &QPushButton::clicked, this, [this] { runClock_.start(); });
    connect(this, &StudyWindow::studyEnded, this, [this] {
        if (!outcome_ || !sameInputs(outcome_->plan.base, base_))
            return;
        if (runClock_.isValid())
            lastRunMs_ = runClock_.elapsed();
        runClock_.invalidate();
        stale_ = false;
        showInputsLine();
    });
    showInputsLine();
}

void StudyWindow::showInputsLine() {
    QString line = QString::fromStdString(model::inputsLine(base_));
    if (stale_)
        line += QStringLiteral(" — ") + Texts::tr("устарело");
    inputsLine_->setText(line);
}

void StudyWindow::setInputs(const model::Inputs& inputs) {
    base_ = inputs;
    if (outcome_ && !sameInputs(outcome_->plan.base, base_))
        stale_ = true;
    showInputsLine();
    emit settingsChanged();
}

void StudyWindow::mainInputsChanged() {
    if (followBox_->isChecked())
        takeMainInputs();
}

void StudyWindow::takeMainInputs() {
    if (!mainInputs_ || sameInputs(mainInputs_(), base_))
        return;
    setInputs(mainInputs_());
    if (stale_ && lastRunMs_ >= 0 && lastRunMs_ < quickStudyMs && !isRunning()) {
        runClock_.start();
        start();
    }
}

session::StudySettings StudyWindow::settings() const {
    session::StudySettings s;
    s.inputs = session::fieldTexts(base_);
    s.cd = base_.cd;
    s.field = static_cast<model::Field>(fieldBox_->currentData().toInt());
    s.from = fromEdit_->text().toStdString();
    s.to = toEdit_->text().toStdString();
    s.count = countBox_->value();
    s.family = static_cast<model::ResultFamily>(familyBox_->currentData().toInt());
    s.following = followBox_->isChecked();
    return s;
}

void StudyWindow::apply(const session::StudySettings& settings, const model::Inputs& inputs) {
    followBox_->blockSignals(true);
    followBox_->setChecked(settings.following);
    followBox_->blockSignals(false);
    fieldBox_->setCurrentIndex(fieldBox_->findData(static_cast<int>(settings.field)));
    familyBox_->setCurrentIndex(familyBox_->findData(static_cast<int>(settings.family)));
    fromEdit_->setText(QString::fromStdString(settings.from));
    toEdit_->setText(QString::fromStdString(settings.to));
    countBox_->setValue(settings.count);
    base_ = inputs;
    stale_ = false;
    showInputsLine();
    emit settingsChanged();
    runClock_.start();
    start();
}

} // namespace ui
