#include "ui/platform/ExportDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

namespace ui {

std::optional<SaveChoice> DialogExportDialogs::chooseSaveFile(const QString& title,
                                                              const QString& suggestedPath,
                                                              const QList<FileType>& types) {
    QStringList filters;
    for (const FileType& t : types)
        filters << t.filter;
    QFileDialog dialog(parent_, title, suggestedPath, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!types.isEmpty()) {
        dialog.selectNameFilter(types.front().filter);
        dialog.setDefaultSuffix(types.front().suffix);
    }
    // A name typed without a suffix gets the one of the type selected.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const qsizetype n = filters.indexOf(filter);
        if (n >= 0)
            dialog.setDefaultSuffix(types[n].suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{
        dialog.selectedFiles().front(),
        static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

bool DialogExportDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

QString DialogExportDialogs::chooseOpenFile(const QString& title, const QString& folder,
                                            const QList<FileType>& types) {
    QStringList filters;
    for (const FileType& t : types)
        filters << t.filter;
    return QFileDialog::getOpenFileName(parent_, title, folder, filters.join(QStringLiteral(";;")));
}

} // namespace ui
