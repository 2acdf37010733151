#include "ui/measure/MeasureCommands.h"

#include "ui/measure/FitDialog.h"
#include "ui/measure/ImportDialog.h"
#include "ui/measure/MeasuredData.h"
#include "ui/measure/MeasurementsPanel.h"
#include "ui/platform/ExportDialogs.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/WorkPool.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace ui {

namespace {

QString fromStd(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

MeasureCommands::MeasureCommands(MainWindow& window, ThrowController& controller,
                                 MeasuredData& data, SessionObject& session, MessageBoxes& boxes,
                                 ExportDialogs& dialogs, QObject* parent)
    : QObject(parent), window_(window), controller_(controller), data_(data), session_(session),
      boxes_(boxes), dialogs_(dialogs) {
    confirm_ = [this](const std::string& text, const model::measure::TablePreview& preview,
                      const QString& source,
                      const TrackChoice& tracks) -> std::optional<Confirmed> {
        ImportDialog dialog(text, preview, source, &window_, tracks);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return Confirmed{dialog.settings(), dialog.table()};
    };
    window_.toolsMenu()->addSeparator();
    menu_ = window_.toolsMenu()->addMenu(QString());
    keepTranslated(menu_, [m = menu_] { m->setTitle(Texts::tr("Измерения")); });
    menu_->setObjectName(QStringLiteral("mnuToolsMeasure"));
    struct Row {
        Command id;
        const char* name;
        const char* text;
        void (MeasureCommands::*run)();
    };
    const Row rows[] = {
        {Command::open, "mnuToolsMeasureOpen", QT_TRANSLATE_NOOP("Texts", "Открыть…"),
         &MeasureCommands::open},
        {Command::paste, "mnuToolsMeasurePaste",
         QT_TRANSLATE_NOOP("Texts", "Вставить из буфера обмена"), &MeasureCommands::paste},
        {Command::fit, "mnuToolsMeasureFit", QT_TRANSLATE_NOOP("Texts", "Подогнать модели…"),
         &MeasureCommands::fit},
        {Command::remove, "mnuToolsMeasureRemove", QT_TRANSLATE_NOOP("Texts", "Убрать измерения"),
         &MeasureCommands::remove},
    };
    for (const Row& row : rows) {
        QAction* a = menu_->addAction(QString());
        keepTranslated(a, [a, text = row.text] { a->setText(Texts::tr(text)); });
        a->setObjectName(QLatin1String(row.name));
        connect(a, &QAction::triggered, this, row.run);
        actions_[int(row.id)] = a;
    }
    panel_ = new MeasurementsPanel(data_, controller_, &window_);
    connect(panel_, &MeasurementsPanel::fitRequested, this, &MeasureCommands::fit);
    connect(panel_, &MeasurementsPanel::removeRequested, this, &MeasureCommands::remove);
    connect(&data_, &MeasuredData::changed, this, &MeasureCommands::dataChanged);
    connect(&reading_, &QFutureWatcher<model::measure::FileText>::finished, this,
            &MeasureCommands::fileRead);
    dataChanged();
}

MeasureCommands::~MeasureCommands() = default;

void MeasureCommands::dataChanged() {
    actions_[int(Command::fit)]->setEnabled(data_.has());
    actions_[int(Command::remove)]->setEnabled(data_.has());
    if (data_.has() && !panel_->isVisible()) {
        panel_->adjustSize();
        panel_->move(window_.frameGeometry().topRight() + QPoint(8, 0));
        panel_->show();
    }
}

void MeasureCommands::open() {
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QString> path =
        dialogs_.chooseOpenFile(Texts::tr("Открыть измерения"), folder_,
                                {Texts::tr("Таблицы измерений (*.txt *.csv *.tsv *.dat *.trk)"),
                                 Texts::tr("Все файлы (*)")});
    if (!path)
        return;
    folder_ = QFileInfo(*path).absolutePath();
    // Read on the work pool: a slow or hung disk (a network folder) must not stop the window.
    // Another «Открыть…» while one is read replaces it.
    const QString chosen = *path;
    reading_.setFuture(runOnWorkPool([file = QFile::encodeName(chosen).toStdString()] {
        yieldToTheWindow();
        return model::measure::readTableFile(file);
    }));
    readingPath_ = chosen;
}

void MeasureCommands::fileRead() {
    if (reading_.isCanceled() || reading_.future().resultCount() == 0)
        return;
    model::measure::FileText file = reading_.result();
    if (!file.error.empty()) {
        boxes_.inform(Texts::tr("Файл «%1» не прочитан: %2")
                          .arg(QDir::toNativeSeparators(readingPath_), fromStd(file.error)),
                      Texts::tr("Измерения"));
        return;
    }
    TrackChoice tracks;
    if (!file.xml.empty())
        tracks = {std::make_shared<const std::string>(std::move(file.xml)), std::move(file.tracks)};
    importText(file.text, readingPath_, tracks);
}

void MeasureCommands::paste() {
    const QString text = QApplication::clipboard()->text();
    importText(text.toStdString(), Texts::tr("буфер обмена"));
}

bool MeasureCommands::importText(const std::string& text, const QString& source,
                                 const TrackChoice& tracks) {
    const model::measure::TablePreview preview = model::measure::previewTable(text);
    const QString name =
        QFileInfo(source).fileName().isEmpty() ? source : QFileInfo(source).fileName();
    if (!preview.error.empty()) {
        boxes_.inform(Texts::tr("«%1» не прочитан: %2").arg(name, fromStd(preview.error)),
                      Texts::tr("Измерения"));
        return false;
    }
    const std::optional<Confirmed> confirmed = confirm_(text, preview, name, tracks);
    if (!confirmed)
        return false;
    model::measure::ImportResult r = model::measure::importTable(
        confirmed->table ? *confirmed->table : text, confirmed->settings, source.toStdString());
    if (!r.measurements) {
        boxes_.inform(Texts::tr("«%1» не прочитан: %2").arg(name, fromStd(r.error)),
                      Texts::tr("Измерения"));
        return false;
    }
    data_.set(std::move(*r.measurements));
    return true;
}

void MeasureCommands::fit() {
    if (!data_.has())
        return;
    if (!fitDialog_)
        fitDialog_ = new FitDialog(window_, controller_, data_, session_, &window_);
    fitDialog_->show();
    fitDialog_->raise();
    fitDialog_->activateWindow();
}

void MeasureCommands::remove() {
    data_.clear();
    if (fitDialog_)
        fitDialog_->hide();
}

} // namespace ui
