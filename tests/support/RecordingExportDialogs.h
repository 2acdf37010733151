#pragma once

#include "ui/platform/ExportDialogs.h"

#include <QList>
#include <QPrinter>
#include <QString>

namespace ui {

// Save and print dialogs for tests: nothing is shown; each is answered from what the test has set.
class RecordingExportDialogs : public ExportDialogs {
public:
    std::optional<SaveChoice> chooseSaveFile(const QString&, const QString& suggestedPath,
                                             const QList<FileType>&,
                                             const SaveOption* option) override {
        suggested.append(suggestedPath);
        offered = option ? std::optional(*option) : std::nullopt;
        SaveChoice choice = answer;
        choice.optionChecked = optionAnswer.value_or(option && option->checked);
        return answer.path.isEmpty() ? std::nullopt : std::optional(choice);
    }
    bool choosePrinter(QPrinter& printer) override {
        if (printTo.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
    std::optional<QString> chooseOpenFile(const QString&, const QString&,
                                          const QStringList&) override {
        return openAnswer.isEmpty() ? std::nullopt : std::optional(openAnswer);
    }

    QStringList suggested;             // the path each save dialog was opened with
    QString openAnswer;                // the file every open dialog chooses; empty cancels
    SaveChoice answer;                 // the file every save dialog chooses; an empty path cancels
    std::optional<SaveOption> offered; // the check box the last save dialog showed
    std::optional<bool> optionAnswer;  // the state the user leaves it in; unset: untouched
    QString printTo;                   // the PDF file the chosen printer writes; empty cancels
};

} // namespace ui
