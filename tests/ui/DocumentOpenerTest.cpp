#include "ui/platform/DocumentOpener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The desktop is asked for the file's type; its application starts only when there is one, and
// a start that fails counts as not opened.
TEST(DesktopDocumentOpener, LaunchesOnlyWhatTheDesktopHasAnApplicationFor) {
    QStringList asked, launched;
    QString application;
    bool starts = true;
    ui::DesktopDocumentOpener opener(
        [&](const QString& type) { return asked << type, application; },
        [&](const QString& path) { return launched << path, starts; });
    EXPECT_FALSE(opener.openDocument("spravka.pdf"));
    application = "viewer.desktop";
    EXPECT_TRUE(opener.openDocument("instruction.txt"));
    starts = false;
    EXPECT_FALSE(opener.openDocument("uprav.pdf"));
    EXPECT_EQ(asked, QStringList({"application/pdf", "text/plain", "application/pdf"}));
    EXPECT_EQ(launched, QStringList({QDir::current().absoluteFilePath("instruction.txt"),
                                     QDir::current().absoluteFilePath("uprav.pdf")}));
}

#ifdef Q_OS_LINUX
// The real query, through a stand-in xdg-mime on PATH and without any.
TEST(DesktopDocumentOpener, AsksXdgMimeAndTakesSilenceAsNoApplication) {
    QTemporaryDir bin, empty;
    QFile script(bin.filePath("xdg-mime"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\n[ \"$*\" = 'query default application/pdf' ] && echo ' pdf.desktop'\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    EXPECT_EQ(ui::DesktopDocumentOpener::desktopApplication("application/pdf"), "pdf.desktop");
    EXPECT_EQ(ui::DesktopDocumentOpener::desktopApplication("text/plain"), "");
    qputenv("PATH", empty.path().toLocal8Bit());
    EXPECT_EQ(ui::DesktopDocumentOpener::desktopApplication("application/pdf"), "");
    qputenv("PATH", path);
}
#endif
