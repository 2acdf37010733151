// The study window's inputs: the line that names them, the controls of following the main
// window, and the settings a lesson keeps.
#include "model/curves/Legend.h"
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

    connect(takeButton_, &QPushButton::clicked, &job_, &StudyJob::takeMainInputs);
    // Every control a lesson keeps tells of its changes.
    connect(fieldBox_, &QComboBox::currentIndexChanged, this, &StudyWindow::settingsChanged);
    connect(familyBox_, &QComboBox::currentIndexChanged, this, &StudyWindow::settingsChanged);
    connect(fromEdit_, &QLineEdit::textChanged, this, &StudyWindow::settingsChanged);
    connect(toEdit_, &QLineEdit::textChanged, this, &StudyWindow::settingsChanged);
    connect(countBox_, &QSpinBox::valueChanged, this, &StudyWindow::settingsChanged);
    connect(followBox_, &QCheckBox::toggled, this, &StudyWindow::settingsChanged);
    connect(followBox_, &QCheckBox::toggled, this, [this](bool on) {
        job_.setFollowing(on);
        if (on)
            takeMainInputs();
    });
    // Each run started by the button is timed.
    connect(runButton_, &QPushButton::clicked, &job_, &StudyJob::timeNextRun);
    connect(&job_, &StudyJob::ended, this, [this] {
        showInputsLine();
        emit studyEnded();
    });
    connect(&job_, &StudyJob::inputsChanged, this, [this] {
        showInputsLine();
        emit settingsChanged();
    });
    connect(&job_, &StudyJob::rerunWanted, this, &StudyWindow::start);
    showInputsLine();
}

void StudyWindow::showInputsLine() {
    QString line = QString::fromStdString(model::inputsLine(job_.inputs()));
    if (job_.stale())
        line += QStringLiteral(" — ") + Texts::tr("устарело");
    inputsLine_->setText(line);
}

session::StudySettings StudyWindow::settings() const {
    session::StudySettings s;
    s.inputs = session::fieldTexts(job_.inputs());
    s.cd = job_.inputs().cd;
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
    job_.setFollowing(settings.following);
    fieldBox_->setCurrentIndex(fieldBox_->findData(static_cast<int>(settings.field)));
    familyBox_->setCurrentIndex(familyBox_->findData(static_cast<int>(settings.family)));
    fromEdit_->setText(QString::fromStdString(settings.from));
    toEdit_->setText(QString::fromStdString(settings.to));
    countBox_->setValue(settings.count);
    job_.restore(inputs);
    job_.timeNextRun();
    start();
}

} // namespace ui
