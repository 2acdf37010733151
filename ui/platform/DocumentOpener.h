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

// The real opener: QDesktopServices for documents; for text, the first editor of a list that
// starts, then (where wanted, and if the file exists) the desktop's association. Editors come
// first because a started editor is certain, while the desktop accepts a file even when it has
// no application for it and then shows nothing.
class DesktopDocumentOpener : public DocumentOpener {
public:
    // Windows: notepad.exe. Elsewhere: common graphical editors found on PATH, then the
    // desktop's association.
    DesktopDocumentOpener();
    DesktopDocumentOpener(QStringList editors, bool desktopFallback)
        : editors_(std::move(editors)), desktopFallback_(desktopFallback) {}

    bool openDocument(const QString& name) override;
    bool openInEditor(const QString& name) override;

    static QStringList defaultEditors();

private:
    QStringList editors_;
    bool desktopFallback_ = true;
};

} // namespace ui
