#pragma once

#include <QString>

#include <functional>
#include <utility>

namespace ui {

// Hands documents to the desktop's applications. Names are bare file names ("spravka.pdf"),
// resolved against the current working directory, never passed through a shell.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;

    // Opens the document with the application the desktop associates with its type. False when
    // the desktop has no application for it or the application could not be started: the
    // program then shows the document itself. The program does not wait for the application.
    virtual bool openDocument(const QString& name) = 0;
};

// The real opener. It first asks which application the desktop has for the file's type,
// because the desktop's launcher accepts a file even when nothing can show it and then shows
// nothing at all.
class DesktopDocumentOpener : public DocumentOpener {
public:
    // The desktop's application for a MIME type ("org.gnome.Evince.desktop"), empty for none.
    using ApplicationQuery = std::function<QString(const QString& mimeType)>;
    // Starts the desktop's application on a file given by its absolute path; false on failure.
    using Launcher = std::function<bool(const QString& path)>;

    // xdg-mime and QDesktopServices.
    DesktopDocumentOpener();
    DesktopDocumentOpener(ApplicationQuery query, Launcher launch)
        : query_(std::move(query)), launch_(std::move(launch)) {}

    bool openDocument(const QString& name) override;

    // "xdg-mime query default <type>": empty when xdg-mime is missing, fails or names nothing.
    static QString desktopApplication(const QString& mimeType);

private:
    ApplicationQuery query_;
    Launcher launch_;
};

} // namespace ui
