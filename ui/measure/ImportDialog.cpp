#include "ui/measure/ImportDialog.h"

#include "model/measure/TrackFile.h"
#include "ui/platform/Language.h"
#include "ui/platform/WorkPool.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFutureWatcher>
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

// What a count on the pool found: the points of the settings asked for, and, when asked, the
// chosen track's table with its preview and the guessed way and zero of a vertical column.
struct ImportDialog::Counted {
    std::string error;
    std::size_t points = 0, skipped = 0;
    std::shared_ptr<const std::string> track;
    model::measure::TablePreview preview;
    std::optional<model::measure::ImportSettings> guess;
};

ImportDialog::ImportDialog(const std::string& text, const model::measure::TablePreview& preview,
                           const QString& source, QWidget* parent, TrackChoice tracks)
    : QDialog(parent), text_(std::make_shared<const std::string>(text)),
      tracks_(std::move(tracks)) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(Texts::tr("Измерения: %1").arg(source));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    layout->addWidget(title_);
    if (tracks_.xml && tracks_.names.size() > 1) {
        // The first point-mass track comes by default; the others are read when chosen.
        auto* row = new QFormLayout;
        track_ = new QComboBox(this);
        track_->setObjectName(QStringLiteral("ImportTrack"));
        for (const std::string& name : tracks_.names)
            track_->addItem(cellText(name));
        row->addRow(Texts::tr("Трек:"), track_);
        layout->addLayout(row);
    }

    const int columns = int(preview.columnCount);
    auto* table = table_ = new QTableWidget(int(preview.rows.size()), columns, this);
    table->setObjectName(QStringLiteral("ImportPreview"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList names;
    for (int c = 0; c < columns; ++c)
        names << (std::size_t(c) < preview.header.size() && !preview.header[c].empty()
                      ? QStringLiteral("%1: %2").arg(c + 1).arg(cellText(preview.header[c]))
                      : QString::number(c + 1));
    table->setHorizontalHeaderLabels(names);
    showPreview(preview);
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
    if (track_)
        connect(track_, &QComboBox::currentIndexChanged, this, &ImportDialog::trackChosen);
    // The preview has guessed the way and zero of the first columns already.
    enableForMotion();
    recount();
}

void ImportDialog::showPreview(const model::measure::TablePreview& preview) {
    title_->setText(preview.title.empty() ? QString()
                                          : Texts::tr("Объект: %1").arg(cellText(preview.title)));
    title_->setVisible(!preview.title.empty());
    table_->setRowCount(int(preview.rows.size()));
    for (int r = 0; r < int(preview.rows.size()); ++r)
        for (int c = 0; c < int(preview.rows[r].size()) && c < table_->columnCount(); ++c)
            table_->setItem(r, c, new QTableWidgetItem(cellText(preview.rows[r][c])));
}

void ImportDialog::enableForMotion() {
    const auto motion = static_cast<Motion>(motion_->currentIndex());
    columns_[0]->setEnabled(motion != Motion::path);
    columns_[1]->setEnabled(motion != Motion::vertical);
    axis_->setEnabled(motion == Motion::vertical);
}

void ImportDialog::motionChosen() {
    enableForMotion();
    // A column chosen for the first time as a vertical motion's: its way and zero guessed.
    guessPending_ = static_cast<Motion>(motion_->currentIndex()) == Motion::vertical;
    recount();
}

void ImportDialog::trackChosen() {
    trackPending_ = true;
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
    const int asked = ++asked_;
    accept_->setEnabled(false);
    count_->setText(Texts::tr("Подсчёт точек…"));
    auto* counted = new QFutureWatcher<Counted>(this);
    connect(counted, &QFutureWatcher<Counted>::finished, this, [this, counted, asked] {
        counted->deleteLater();
        if (asked != asked_)
            return;
        shown_ = asked;
        showCounted(counted->result());
    });
    // A table may hold 64 MB: read from shared copies on the pool, never on the window's thread.
    const std::shared_ptr<const std::string> xml = trackPending_ ? tracks_.xml : nullptr;
    counted->setFuture(runOnWorkPool([text = text_, xml,
                                      track = track_ ? track_->currentIndex() : 0, s = settings(),
                                      guess = guessPending_]() mutable {
        yieldToTheWindow();
        Counted c;
        if (xml) {
            model::measure::TrackTable read = model::measure::trackTable(*xml, std::size_t(track));
            if (!read.error.empty()) {
                c.error = std::move(read.error);
                return c;
            }
            text = c.track = std::make_shared<const std::string>(std::move(read.table));
            c.preview = model::measure::previewTable(*text);
        }
        if (guess)
            s = *(c.guess = model::measure::asVertical(*text, s));
        const model::measure::ImportResult r = model::measure::importTable(*text, s, {});
        if (!r.measurements) {
            c.error = r.error;
            return c;
        }
        c.points = r.measurements->points.size();
        c.skipped = r.measurements->skipped;
        return c;
    }));
}

void ImportDialog::showCounted(const Counted& c) {
    if (c.track) {
        text_ = c.track;
        trackPending_ = false;
        showPreview(c.preview);
    }
    if (c.guess) {
        guessPending_ = false;
        const QSignalBlocker axisQuiet(axis_), groundQuiet(ground_);
        axis_->setCurrentIndex(c.guess->axisDown ? 1 : 0);
        ground_->setChecked(c.guess->groundAtLowest);
    }
    if (!c.error.empty()) {
        count_->setText(cellText(c.error));
        return;
    }
    count_->setText(
        Texts::tr("Будет прочитано точек: %1, пропущено строк: %2").arg(c.points).arg(c.skipped));
    accept_->setEnabled(true);
}

} // namespace ui
