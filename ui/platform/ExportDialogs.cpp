#include "ui/platform/ExportDialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

namespace ui {

std::optional<SaveChoice> DialogExportDialogs::chooseSaveFile(const QString& title,
                                                              const QString& suggestedPath,
                                                              const QList<FileType>& types,
                                                              const SaveOption* option) {
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
    QCheckBox* check = nullptr;
    if (option) {
        // The check box goes under the file type; the platform's own dialog has no room for it.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            check = new QCheckBox(option->text, &dialog);
            check->setObjectName(QStringLiteral("saveOption"));
            check->setChecked(option->checked);
            grid->addWidget(check, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{
        dialog.selectedFiles().front(),
        static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))),
        check ? check->isChecked() : option && option->checked};
}

bool DialogExportDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> DialogExportDialogs::chooseOpenFile(const QString& title,
                                                           const QString& folder,
                                                           const QStringList& filters) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, title, folder, filters.join(QStringLiteral(";;")));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace ui
