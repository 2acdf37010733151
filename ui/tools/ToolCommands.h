#pragma once

#include "ui/platform/BackgroundSaves.h"
#include "ui/platform/ExportDialogs.h"
#include "ui/tools/PictureCaption.h"
#include "ui/window/MainWindow.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace ui {

class MessageBoxes;
struct ReportPage;
class ThrowController;

// The save, copy and print commands of «Инструменты» (and of the panes' context menus).
// Connects itself to the window's tool actions when constructed. They read the throw the
// window shows and the panes' drawings; none of them changes anything.
//
// What takes long runs on the work pool from a snapshot, the window answering meanwhile: the
// files are made and written in the background (saves()), the copied results are put on the
// clipboard once made. Files are written whole or not at all; a file that cannot be written is
// reported in a box naming it and the reason.
class ToolCommands : public QObject {
    Q_OBJECT
public:
    ToolCommands(MainWindow& window, const ThrowController& controller, MessageBoxes& boxes,
                 ExportDialogs& dialogs, QObject* parent = nullptr);

    // «Сохранить график…»: the shown graph as PNG (twice its pixel size) or SVG; the dialog's
    // check «с подписями» adds the key of the models and the inputs beneath it.
    void saveGraph();
    // «Копировать график»: the same picture to the clipboard, raster and SVG, with the
    // captions as last chosen.
    void copyGraph();
    // «Сохранить данные…»: the curves of the shown graph as CSV.
    void saveData();
    // «Копировать результаты»: inputs and results as a tab-separated table.
    void copyResults();
    // «Печать…» and «Сохранить отчёт (PDF)…»: the one-page report.
    void print();
    void saveReport();

    // The graph whose pane is shown.
    Graph shownGraph() const;

    // The saves in the background, the lesson's too.
    BackgroundSaves& saves() { return saves_; }
    // A save or a copy is still being made.
    bool busy() const { return saves_.running() > 0 || copying_ > 0; }

    // The folder the save dialogs open in: the folder of the file chosen last; before the first
    // choice (empty) the user's pictures for pictures and documents for data and reports.
    // Settings that outlive the session read and set it here.
    QString lastFolder() const { return lastFolder_; }
    void setLastFolder(const QString& folder) { lastFolder_ = folder; }
    // Whether saved and copied pictures carry captions («с подписями»).
    bool pictureCaptions() const { return pictureCaptions_; }
    void setPictureCaptions(bool on) { pictureCaptions_ = on; }

signals:
    // A file was chosen in another folder than before.
    void lastFolderChanged(const QString& folder);
    // «с подписями» was switched in the save dialog.
    void pictureCaptionsChanged(bool on);

private:
    // The file chosen in the save dialog, with the index of its type, or nothing.
    std::optional<SaveChoice> askFile(const QString& title, const QString& name,
                                      const QList<FileType>& types,
                                      const SaveOption* option = nullptr);
    // The captions of the pictures for the throw shown, unless they are off.
    std::optional<PictureCaption> captionNow() const;
    // Writes the file whole, or tells why it could not.
    void write(const QString& path, const QByteArray& bytes, const QString& title);
    // Makes the report page of the throw shown, its exact flights on the pool, and hands it to
    // `use` when ready.
    void withReportPage(const std::function<void(const ReportPage&)>& use);
    // True, after telling the user, when the shown pane has nothing drawn.
    bool shownPaneIsEmpty(const QString& title);

    MainWindow& window_;
    const ThrowController& controller_;
    MessageBoxes& boxes_;
    ExportDialogs& dialogs_;
    BackgroundSaves saves_;
    QString lastFolder_;
    bool pictureCaptions_ = true;
    int copying_ = 0;        // copies and report pages being made
    int copies_ = 0;         // copies asked for: only the latest reaches the clipboard
    int throwsReplaced_ = 0; // since the start
};

} // namespace ui
