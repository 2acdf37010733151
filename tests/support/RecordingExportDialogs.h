#pragma once

#include "ui/platform/ExportDialogs.h"

#include <QList>
#include <QPrinter>
#include <QString>

namespace ui {

// Save and print dialogs for tests: nothing is shown; every request is kept and answered from
// what the test has set.
class RecordingExportDialogs : public ExportDialogs {
public:
    struct Request {
        QString title;
        QString suggestedPath;
        QList<FileType> types;
    };

    std::optional<SaveChoice> chooseSaveFile(const QString& title, const QString& suggestedPath,
                                             const QList<FileType>& types) override {
        requests.append({title, suggestedPath, types});
        if (answer.path.isEmpty())
            return std::nullopt;
        return answer;
    }
    bool choosePrinter(QPrinter& printer) override {
        if (printTo.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }

    QList<Request> requests;
    SaveChoice answer; // the file every save dialog chooses; an empty path cancels
    QString printTo;   // the PDF file the chosen printer writes; empty cancels
};

} // namespace ui
