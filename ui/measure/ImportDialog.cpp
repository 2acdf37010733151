#include "ui/measure/ImportDialog.h"

#include "ui/platform/Language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

using model::measure::LengthUnit;
using model::measure::Motion;
using model::measure::TimeUnit;

QString cellText(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

ImportDialog::ImportDialog(const std::string& text, const model::measure::TablePreview& preview,
                           const QString& source, QWidget* parent)
    : QDialog(parent), text_(text) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(Texts::tr("Измерения: %1").arg(source));
    auto* layout = new QVBoxLayout(this);
    if (!preview.title.empty())
        layout->addWidget(new QLabel(Texts::tr("Объект: %1").arg(cellText(preview.title)), this));

    const int columns = int(preview.columnCount);
    auto* table = new QTableWidget(int(preview.rows.size()), columns, this);
    table->setObjectName(QStringLiteral("ImportPreview"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList names;
    for (int c = 0; c < columns; ++c)
        names << (std::size_t(c) < preview.header.size() && !preview.header[c].empty()
                      ? QStringLiteral("%1: %2").arg(c + 1).arg(cellText(preview.header[c]))
                      : QString::number(c + 1));
    table->setHorizontalHeaderLabels(names);
    for (int r = 0; r < int(preview.rows.size()); ++r)
        for (int c = 0; c < int(preview.rows[r].size()) && c < columns; ++c)
            table->setItem(r, c, new QTableWidgetItem(cellText(preview.rows[r][c])));
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table);

    auto* form = new QFormLayout;
    motion_ = new QComboBox(this);
    motion_->setObjectName(QStringLiteral("ImportMotion"));
    motion_->addItems({Texts::tr("бросок (t, x, y)"), Texts::tr("вертикальное движение (t и y)"),
                       Texts::tr("траектория без времени (x, y)")});
    motion_->setCurrentIndex(int(preview.detected.motion));
    form->addRow(Texts::tr("Что измерено:"), motion_);
    const int chosen[3] = {preview.detected.columnT, preview.detected.columnX,
                           preview.detected.columnY};
    const char* captions[3] = {QT_TRANSLATE_NOOP("Texts", "Столбец t:"),
                               QT_TRANSLATE_NOOP("Texts", "Столбец x:"),
                               QT_TRANSLATE_NOOP("Texts", "Столбец y:")};
    for (int i = 0; i < 3; ++i) {
        columns_[i] = new QComboBox(this);
        columns_[i]->addItems(names);
        columns_[i]->setCurrentIndex(chosen[i]);
        form->addRow(Texts::tr(captions[i]), columns_[i]);
    }
    length_ = new QComboBox(this);
    length_->addItems({Texts::tr("м"), Texts::tr("см"), Texts::tr("мм")});
    length_->setCurrentIndex(int(preview.detected.length));
    form->addRow(Texts::tr("Единица длины:"), length_);
    time_ = new QComboBox(this);
    time_->addItems({Texts::tr("с"), Texts::tr("мс")});
    time_->setCurrentIndex(int(preview.detected.time));
    form->addRow(Texts::tr("Единица времени:"), time_);
    // Guessed from the column's name and the motion; the user can turn it.
    axis_ = new QComboBox(this);
    axis_->setObjectName(QStringLiteral("ImportAxis"));
    axis_->addItems({Texts::tr("вверх (высота)"), Texts::tr("вниз (растёт при падении)")});
    axis_->setCurrentIndex(preview.detected.axisDown ? 1 : 0);
    form->addRow(Texts::tr("Столбец положения направлен:"), axis_);
    ground_ = new QCheckBox(Texts::tr("земля — самая низкая точка"), this);
    ground_->setChecked(preview.detected.groundAtLowest);
    form->addRow(QString(), ground_);
    layout->addLayout(form);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("ImportCount"));
    count_->setWordWrap(true);
    layout->addWidget(count_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    accept_ = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    // The box writes its standard buttons again at a switch of language; ours follow.
    keepTranslated(buttons, [this, cancel] {
        accept_->setText(Texts::tr("Открыть"));
        cancel->setText(Texts::tr("Отмена"));
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    for (QComboBox* box : {columns_[0], columns_[1], columns_[2], length_, time_, axis_})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportDialog::recount);
    connect(motion_, &QComboBox::currentIndexChanged, this, &ImportDialog::motionChosen);
    connect(ground_, &QCheckBox::toggled, this, &ImportDialog::recount);
    motionChosen();
}

void ImportDialog::motionChosen() {
    const auto motion = static_cast<Motion>(motion_->currentIndex());
    columns_[0]->setEnabled(motion != Motion::path);
    columns_[1]->setEnabled(motion != Motion::vertical);
    axis_->setEnabled(motion == Motion::vertical);
    if (motion == Motion::vertical) {
        // A column chosen for the first time as a vertical motion's: its way and zero guessed.
        const model::measure::ImportSettings guess = model::measure::asVertical(text_, settings());
        const QSignalBlocker axisQuiet(axis_), groundQuiet(ground_);
        axis_->setCurrentIndex(guess.axisDown ? 1 : 0);
        ground_->setChecked(guess.groundAtLowest);
    }
    recount();
}

model::measure::ImportSettings ImportDialog::settings() const {
    model::measure::ImportSettings s;
    s.columnT = columns_[0]->currentIndex();
    s.columnX = columns_[1]->currentIndex();
    s.columnY = columns_[2]->currentIndex();
    s.length = static_cast<LengthUnit>(length_->currentIndex());
    s.time = static_cast<TimeUnit>(time_->currentIndex());
    s.groundAtLowest = ground_->isChecked();
    s.motion = static_cast<Motion>(motion_->currentIndex());
    s.axisDown = axis_->currentIndex() == 1;
    // The columns a motion does not read follow the position's, as the import reads them.
    if (s.motion == Motion::vertical)
        s.columnX = s.columnY;
    else if (s.motion == Motion::path)
        s.columnT = s.columnY;
    return s;
}

void ImportDialog::recount() {
    const model::measure::ImportResult r = model::measure::importTable(text_, settings(), {});
    if (!r.measurements) {
        count_->setText(cellText(r.error));
        accept_->setEnabled(false);
        return;
    }
    count_->setText(Texts::tr("Будет прочитано точек: %1, пропущено строк: %2")
                        .arg(r.measurements->points.size())
                        .arg(r.measurements->skipped));
    accept_->setEnabled(true);
}

} // namespace ui
