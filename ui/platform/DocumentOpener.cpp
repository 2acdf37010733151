#include "ui/platform/DocumentOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace ui {

namespace {

QString inWorkingDirectory(const QString& name) {
    return QDir::current().absoluteFilePath(name);
}

} // namespace

DesktopDocumentOpener::DesktopDocumentOpener() : DesktopDocumentOpener(defaultEditors(), true) {}

QStringList DesktopDocumentOpener::defaultEditors() {
#ifdef Q_OS_WIN
    return {QStringLiteral("notepad.exe")};
#else
    // Graphical editors only: a terminal editor started without a terminal shows nothing.
    return {QStringLiteral("gnome-text-editor"),
            QStringLiteral("gedit"),
            QStringLiteral("kwrite"),
            QStringLiteral("kate"),
            QStringLiteral("mousepad"),
            QStringLiteral("pluma"),
            QStringLiteral("xed"),
            QStringLiteral("featherpad"),
            QStringLiteral("leafpad"),
            QStringLiteral("geany"),
            QStringLiteral("xedit")};
#endif
}

bool DesktopDocumentOpener::openDocument(const QString& name) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(inWorkingDirectory(name)));
}

bool DesktopDocumentOpener::openInEditor(const QString& name) {
    // Program and argument list, no shell: the editor resolves the bare name in the working
    // directory it inherits, and may start on a file that is not there yet.
    for (const QString& editor : editors_) {
        if (QProcess::startDetached(editor, {name}, QDir::currentPath()))
            return true;
    }
    // The desktop cannot associate a file that is not there.
    return desktopFallback_ && QFileInfo::exists(inWorkingDirectory(name)) && openDocument(name);
}

} // namespace ui
