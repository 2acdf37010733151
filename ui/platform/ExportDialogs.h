#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace ui {

// A kind of file a save dialog offers: its filter line and the suffix it stands for.
struct FileType {
    QString filter; // «Рисунок PNG (*.png)»
    QString suffix; // "png"

    friend bool operator==(const FileType&, const FileType&) = default;
};

// A check box a save dialog shows beside the file name, such as «с подписями».
struct SaveOption {
    QString text;
    bool checked = true; // as the dialog opens
};

// The file chosen in a save dialog, the type that was selected when it was accepted and the
// state of its check box.
struct SaveChoice {
    QString path;
    int type = 0; // index into the offered types
    bool optionChecked = false;
};

// The modal dialogs of the save and print commands. Behind an interface so that tests answer
// them without a modal loop.
class ExportDialogs {
public:
    virtual ~ExportDialogs() = default;

    // Asks for a file to write, starting at suggestedPath (folder and name), with the check box
    // if one is given. Nothing when the user cancels. An existing file is overwritten only after
    // the user has agreed.
    virtual std::optional<SaveChoice> chooseSaveFile(const QString& title,
                                                     const QString& suggestedPath,
                                                     const QList<FileType>& types,
                                                     const SaveOption* option = nullptr) = 0;
    // Lets the user pick the printer and its settings; false when the user cancels.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // Asks for an existing file to read, starting in folder; filters as «Таблицы (*.csv *.txt)».
    // Nothing when the user cancels.
    virtual std::optional<QString> chooseOpenFile(const QString& title, const QString& folder,
                                                  const QStringList& filters) = 0;
};

// Qt's file and print dialogs over the given parent window.
class DialogExportDialogs : public ExportDialogs {
public:
    explicit DialogExportDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    std::optional<SaveChoice> chooseSaveFile(const QString& title, const QString& suggestedPath,
                                             const QList<FileType>& types,
                                             const SaveOption* option = nullptr) override;
    bool choosePrinter(QPrinter& printer) override;
    std::optional<QString> chooseOpenFile(const QString& title, const QString& folder,
                                          const QStringList& filters) override;

private:
    QWidget* parent_;
};

} // namespace ui
