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

#include <utility>

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

MeasureCommands::~MeasureCommands() {
    delete dialog_;
}

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
    startImport(std::move(file.text), readingPath_, std::move(tracks));
}

void MeasureCommands::paste() {
    const QString text = QApplication::clipboard()->text();
    startImport(text.toStdString(), Texts::tr("буфер обмена"));
}

void MeasureCommands::startImport(std::string text, const QString& source, TrackChoice tracks) {
    if (dialog_) {
        endImport();
        emit importEnded(false);
    }
    const QString name =
        QFileInfo(source).fileName().isEmpty() ? source : QFileInfo(source).fileName();
    // The dialog shows that the table is being looked at until its preview comes from the pool.
    auto* dialog = new ImportDialog(std::make_shared<const std::string>(std::move(text)), name,
                                    &window_, std::move(tracks));
    dialog_ = dialog;
    connect(dialog, &ImportDialog::unreadable, this, [this, name](const QString& problem) {
        endImport();
        boxes_.inform(Texts::tr("«%1» не прочитан: %2").arg(name, problem), Texts::tr("Измерения"));
        emit importEnded(false);
    });
    connect(dialog, &QDialog::finished, this, [this, dialog, source](int result) {
        if (dialog != dialog_)
            return;
        // «Открыть» waits for the count of the settings shown: its points are those confirmed.
        std::optional<model::measure::Measurements> m =
            result == QDialog::Accepted ? dialog->takeMeasurements() : std::nullopt;
        endImport();
        if (m) {
            m->source = source.toStdString();
            data_.set(std::move(*m));
        }
        emit importEnded(m.has_value());
    });
    dialog->open();
}

void MeasureCommands::endImport() {
    ImportDialog* dialog = dialog_;
    dialog_ = nullptr;
    dialog->disconnect(this);
    dialog->hide();
    dialog->deleteLater();
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
