#pragma once

#include "model/measure/TableImport.h"
#include "ui/measure/ImportDialog.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
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
    // A table's text from source (a file name or «буфер обмена»): the dialog confirms how it is
    // read (and for a project file, which of its tracks), then its points replace those loaded.
    // False when it was not read.
    bool importText(const std::string& text, const QString& source, const TrackChoice& tracks = {});

    // How the import dialog is answered: the real dialog by default; tests answer it directly.
    struct Confirmed {
        model::measure::ImportSettings settings;
        std::shared_ptr<const std::string> table; // another track's table; null: the text given
    };
    using Confirm = std::function<std::optional<Confirmed>(
        const std::string& text, const model::measure::TablePreview& preview, const QString& source,
        const TrackChoice& tracks)>;
    void setConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

    QAction* action(Command c) const { return actions_[int(c)]; }
    MeasurementsPanel* panel() const { return panel_; }
    // Null until the fit was first opened.
    FitDialog* fitDialog() const { return fitDialog_; }

private:
    void dataChanged();
    void fileRead();

    MainWindow& window_;
    ThrowController& controller_;
    MeasuredData& data_;
    SessionObject& session_;
    MessageBoxes& boxes_;
    ExportDialogs& dialogs_;
    Confirm confirm_;
    QMenu* menu_ = nullptr;
    QAction* actions_[4] = {};
    MeasurementsPanel* panel_ = nullptr;
    FitDialog* fitDialog_ = nullptr;
    QString folder_;
    QFutureWatcher<model::measure::FileText> reading_;
    QString readingPath_;
};

} // namespace ui
