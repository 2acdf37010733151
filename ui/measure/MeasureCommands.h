#pragma once

#include "model/measure/TableImport.h"
#include "ui/measure/ImportDialog.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>

#include <string>

class QAction;
class QMenu;

namespace ui {

class ExportDialogs;
class FitDialog;
class MainWindow;
class MeasuredData;
class MeasurementsPanel;
class MessageBoxes;
class SessionObject;
class ThrowController;
class WorkPool;

// «Инструменты → Измерения ▸»: «Открыть…» and «Вставить из буфера обмена» read a measured table
// (the import dialog confirms its columns and units) and put its points beside the models;
// «Подогнать модели…» opens the fit; «Убрать измерения» takes the points away. A table that
// cannot be read is reported in a box and changes nothing.
class MeasureCommands : public QObject {
    Q_OBJECT
public:
    enum class Command { open, paste, fit, remove };

    MeasureCommands(MainWindow& window, ThrowController& controller, MeasuredData& data,
                    SessionObject& session, MessageBoxes& boxes, ExportDialogs& dialogs,
                    QObject* parent = nullptr);
    ~MeasureCommands() override;

    // Asks for a file and reads it off the window's thread; the import follows when it is read.
    void open();
    void paste();
    void fit();
    void remove();
    // A table's text from source (a file name or «буфер обмена»): the import dialog opens at
    // once and confirms how it is read (and for a project file, which of its tracks), then its
    // points replace those loaded. The table is looked at and read on the work pool; a new
    // import replaces one not yet confirmed. importEnded() tells how it ended.
    void startImport(std::string text, const QString& source, TrackChoice tracks = {});
    // The import dialog of the import pending, or null.
    ImportDialog* importDialog() const { return dialog_; }

    QAction* action(Command c) const { return actions_[int(c)]; }
    MeasurementsPanel* panel() const { return panel_; }
    // Null until the fit was first opened.
    FitDialog* fitDialog() const { return fitDialog_; }

signals:
    // The import started last ended: its points are shown (read), or it was cancelled, refused
    // (told in a box) or replaced.
    void importEnded(bool read);

private:
    void dataChanged();
    void fileRead();
    void endImport();

    MainWindow& window_;
    ThrowController& controller_;
    MeasuredData& data_;
    SessionObject& session_;
    MessageBoxes& boxes_;
    ExportDialogs& dialogs_;
    QMenu* menu_ = nullptr;
    QAction* actions_[4] = {};
    MeasurementsPanel* panel_ = nullptr;
    FitDialog* fitDialog_ = nullptr;
    QString folder_;
    QFutureWatcher<model::measure::FileText> reading_;
    QString readingPath_;
    QPointer<ImportDialog> dialog_;
};

} // namespace ui
