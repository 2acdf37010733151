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

#include <initializer_list>
#include <utility>

namespace ui {

namespace {

using model::measure::LengthUnit;
using model::measure::Motion;
using model::measure::TimeUnit;

QString cellText(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The settings as the dialog shows them: the columns a motion does not read follow the
// position's, as the import reads them.
model::measure::ImportSettings asShown(model::measure::ImportSettings s) {
    if (s.motion == Motion::vertical)
        s.columnX = s.columnY;
    else if (s.motion == Motion::path)
        s.columnT = s.columnY;
    return s;
}

// The header's names of a preview's columns, numbered.
QStringList columnNames(const model::measure::TablePreview& preview) {
    QStringList names;
    for (std::size_t c = 0; c < preview.columnCount; ++c)
        names << (c < preview.header.size() && !preview.header[c].empty()
                      ? QStringLiteral("%1: %2").arg(c + 1).arg(cellText(preview.header[c]))
                      : QString::number(c + 1));
    return names;
}

} // namespace

// What a count on the pool found: the points of the settings asked for, and, when asked, the
// table's first preview (previewed), the chosen track's table with its preview, and the
// guessed way and zero of a vertical column.
struct ImportDialog::Counted {
    std::string error;
    bool unreadable = false; // the preview found no table: error says why
    std::shared_ptr<model::measure::Measurements> points;
    bool previewed = false;
    std::shared_ptr<const std::string> track;
    model::measure::TablePreview preview;
    std::optional<model::measure::ImportSettings> guess;
};

ImportDialog::ImportDialog(std::shared_ptr<const std::string> text, const QString& source,
                           QWidget* parent, TrackChoice tracks)
    : QDialog(parent), text_(std::move(text)), tracks_(std::move(tracks)) {
    build(source);
    previewPending_ = true;
    for (QWidget* w : std::initializer_list<QWidget*>{motion_, columns_[0], columns_[1],
                                                      columns_[2], length_, time_, axis_, ground_})
        w->setEnabled(false);
    if (track_)
        track_->setEnabled(false);
    recount();
}

ImportDialog::ImportDialog(const std::string& text, const model::measure::TablePreview& preview,
                           const QString& source, QWidget* parent, TrackChoice tracks)
    : QDialog(parent), text_(std::make_shared<const std::string>(text)),
      tracks_(std::move(tracks)) {
    build(source);
    applyPreview(preview);
    // The preview has guessed the way and zero of the first columns already.
    recount();
}

void ImportDialog::build(const QString& source) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(Texts::tr("Измерения: %1").arg(source));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setVisible(false);
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

    auto* table = table_ = new QTableWidget(0, 0, this);
    table->setObjectName(QStringLiteral("ImportPreview"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table);

    auto* form = new QFormLayout;
    motion_ = new QComboBox(this);
    motion_->setObjectName(QStringLiteral("ImportMotion"));
    motion_->addItems({Texts::tr("бросок (t, x, y)"), Texts::tr("вертикальное движение (t и y)"),
                       Texts::tr("траектория без времени (x, y)")});
    form->addRow(Texts::tr("Что измерено:"), motion_);
    const char* captions[3] = {QT_TRANSLATE_NOOP("Texts", "Столбец t:"),
                               QT_TRANSLATE_NOOP("Texts", "Столбец x:"),
                               QT_TRANSLATE_NOOP("Texts", "Столбец y:")};
    for (int i = 0; i < 3; ++i) {
        columns_[i] = new QComboBox(this);
        form->addRow(Texts::tr(captions[i]), columns_[i]);
    }
    length_ = new QComboBox(this);
    length_->addItems({Texts::tr("м"), Texts::tr("см"), Texts::tr("мм")});
    form->addRow(Texts::tr("Единица длины:"), length_);
    time_ = new QComboBox(this);
    time_->addItems({Texts::tr("с"), Texts::tr("мс")});
    form->addRow(Texts::tr("Единица времени:"), time_);
    // Guessed from the column's name and the motion; the user can turn it.
    axis_ = new QComboBox(this);
    axis_->setObjectName(QStringLiteral("ImportAxis"));
    axis_->addItems({Texts::tr("вверх (высота)"), Texts::tr("вниз (растёт при падении)")});
    form->addRow(Texts::tr("Столбец положения направлен:"), axis_);
    ground_ = new QCheckBox(Texts::tr("земля — самая низкая точка"), this);
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
}

// The table's columns with the preview's guesses, chosen without a count of their own.
void ImportDialog::applyPreview(const model::measure::TablePreview& preview) {
    const QStringList names = columnNames(preview);
    table_->setColumnCount(int(names.size()));
    table_->setHorizontalHeaderLabels(names);
    showPreview(preview);
    const model::measure::ImportSettings& d = preview.detected;
    const int chosen[3] = {d.columnT, d.columnX, d.columnY};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker quiet(columns_[i]);
        columns_[i]->clear();
        columns_[i]->addItems(names);
        columns_[i]->setCurrentIndex(chosen[i]);
    }
    const QSignalBlocker motionQuiet(motion_), lengthQuiet(length_), timeQuiet(time_),
        axisQuiet(axis_), groundQuiet(ground_);
    motion_->setCurrentIndex(int(d.motion));
    length_->setCurrentIndex(int(d.length));
    time_->setCurrentIndex(int(d.time));
    axis_->setCurrentIndex(d.axisDown ? 1 : 0);
    ground_->setChecked(d.groundAtLowest);
    for (QWidget* w : std::initializer_list<QWidget*>{motion_, length_, time_, ground_})
        w->setEnabled(true);
    if (track_)
        track_->setEnabled(true);
    enableForMotion();
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
    columns_[2]->setEnabled(true);
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
    return asShown(s);
}

std::optional<model::measure::Measurements> ImportDialog::takeMeasurements() {
    if (counting() || !counted_)
        return std::nullopt;
    std::optional<model::measure::Measurements> m(std::move(*counted_));
    counted_.reset();
    return m;
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
                                      guess = guessPending_, preview = previewPending_]() mutable {
        yieldToTheWindow();
        Counted c;
        if (preview) {
            c.preview = model::measure::previewTable(*text);
            c.previewed = true;
            if (!c.preview.error.empty()) {
                c.error = c.preview.error;
                c.unreadable = true;
                return c;
            }
            // The first count reads what the preview guessed, as the dialog will show it.
            s = asShown(c.preview.detected);
        }
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
        model::measure::ImportResult r = model::measure::importTable(*text, s, {});
        if (!r.measurements) {
            c.error = r.error;
            return c;
        }
        c.points = std::make_shared<model::measure::Measurements>(std::move(*r.measurements));
        return c;
    }));
}

void ImportDialog::showCounted(const Counted& c) {
    counted_ = c.points;
    if (c.previewed) {
        previewPending_ = false;
        if (c.unreadable) {
            count_->setText(cellText(c.error));
            emit unreadable(cellText(c.error));
            return;
        }
        applyPreview(c.preview);
    }
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
    count_->setText(Texts::tr("Будет прочитано точек: %1, пропущено строк: %2")
                        .arg(c.points->points.size())
                        .arg(c.points->skipped));
    accept_->setEnabled(true);
}

} // namespace ui
