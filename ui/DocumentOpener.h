#pragma once

#include <QString>
#include <QStringList>

#include <utility>

namespace ui {

// Hands documents to the desktop's applications. Names are bare file names ("spravka.pdf"),
// resolved against the current working directory, never passed through a shell.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;

    // Opens the document with the application the desktop associates with its type; false when
    // it could not be handed over. The program does not wait for the application.
    virtual bool openDocument(const QString& name) = 0;
    // Starts a text editor on the file (which need not exist); false when no editor started.
    virtual bool openInEditor(const QString& name) = 0;
};

// The real opener: QDesktopServices for documents; for text, the desktop's association first
// (where that is wanted and the file exists), then the first editor of a list that starts.
class DesktopDocumentOpener : public DocumentOpener {
public:
    // Windows: notepad.exe only, as the help menu has always done. Elsewhere: the desktop's
    // association, then common graphical editors found on PATH.
    DesktopDocumentOpener();
    DesktopDocumentOpener(QStringList editors, bool desktopFirst)
        : editors_(std::move(editors)), desktopFirst_(desktopFirst) {}

    bool openDocument(const QString& name) override;
    bool openInEditor(const QString& name) override;

    static QStringList defaultEditors();

private:
    QStringList editors_;
    bool desktopFirst_ = true;
};

} // namespace ui
