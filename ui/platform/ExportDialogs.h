#pragma once

#include <QList>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace ui {

// A kind of file a save dialog offers: its filter line and the suffix it stands for.
struct FileType {
    QString filter; // «Рисунок PNG (*.png)»
    QString suffix; // "png"
};

// The file chosen in a save dialog and the type that was selected when it was accepted.
struct SaveChoice {
    QString path;
    int type = 0; // index into the offered types
};

// The modal dialogs of the save and print commands. Behind an interface so that tests answer
// them without a modal loop.
class ExportDialogs {
public:
    virtual ~ExportDialogs() = default;

    // Asks for a file to write, starting at suggestedPath (folder and name). Nothing when the
    // user cancels. An existing file is overwritten only after the user has agreed.
    virtual std::optional<SaveChoice> chooseSaveFile(const QString& title,
                                                     const QString& suggestedPath,
                                                     const QList<FileType>& types) = 0;
    // Lets the user pick the printer and its settings; false when the user cancels.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // Asks for an existing file to open, starting in folder; empty when the user cancels.
    virtual QString chooseOpenFile(const QString& title, const QString& folder,
                                   const QList<FileType>& types) = 0;
};

// Qt's file and print dialogs over the given parent window.
class DialogExportDialogs : public ExportDialogs {
public:
    explicit DialogExportDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    std::optional<SaveChoice> chooseSaveFile(const QString& title, const QString& suggestedPath,
                                             const QList<FileType>& types) override;
    bool choosePrinter(QPrinter& printer) override;
    QString chooseOpenFile(const QString& title, const QString& folder,
                           const QList<FileType>& types) override;

private:
    QWidget* parent_;
};

} // namespace ui
