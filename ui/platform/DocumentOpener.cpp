#include "ui/platform/DocumentOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace ui {

namespace {

constexpr int queryTimeoutMs = 5000;

bool launchWithDesktop(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

DesktopDocumentOpener::DesktopDocumentOpener()
    : DesktopDocumentOpener(desktopApplication, launchWithDesktop) {}

QString DesktopDocumentOpener::desktopApplication(const QString& mimeType) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(queryTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        query.kill();
        query.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
#else
    // The shell itself reports a type without an application: the launcher then fails.
    Q_UNUSED(mimeType);
    return QStringLiteral("shell");
#endif
}

bool DesktopDocumentOpener::openDocument(const QString& name) {
    const QString path = QDir::current().absoluteFilePath(name);
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    return !query_(type).isEmpty() && launch_(path);
}

} // namespace ui
