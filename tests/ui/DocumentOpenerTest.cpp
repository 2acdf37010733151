#include "ui/DocumentOpener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using ui::DesktopDocumentOpener;

#ifndef Q_OS_WIN

namespace {

// A stand-in editor: a script that writes its working directory and arguments to a file.
class FakeEditor {
public:
    FakeEditor() {
        QFile script(path());
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$#\" \"$@\" > '%1.tmp'\n"
                                    "mv '%1.tmp' '%1'\n")
                         .arg(outputPath())
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }
    QString path() const { return dir_.filePath(QStringLiteral("editor.sh")); }
    QString outputPath() const { return dir_.filePath(QStringLiteral("called.txt")); }
    // What the editor was started with: working directory, argument count, arguments.
    QStringList call() const {
        if (!QTest::qWaitFor([this] { return QFile::exists(outputPath()); }, 5000))
            return {};
        QFile out(outputPath());
        EXPECT_TRUE(out.open(QIODevice::ReadOnly));
        return QString::fromUtf8(out.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir dir_;
};

} // namespace

TEST(DesktopDocumentOpener, FirstEditorThatStartsGetsTheBareNameInTheWorkingDirectory) {
    const QString missing = QStringLiteral("/nonexistent/ballflight-editor");
    EXPECT_FALSE(
        DesktopDocumentOpener({missing, QStringLiteral("ballflight-no-such-editor")}, false)
            .openInEditor(QStringLiteral("instruction.txt")));
    EXPECT_FALSE(DesktopDocumentOpener({}, false).openInEditor(QStringLiteral("instruction.txt")));

    FakeEditor editor;
    QTemporaryDir work;
    const QString old = QDir::currentPath();
    QDir::setCurrent(work.path());
    // The file need not exist.
    DesktopDocumentOpener opener({missing, editor.path()}, true);
    ASSERT_TRUE(opener.openInEditor(QStringLiteral("instruction.txt")));
    EXPECT_EQ(editor.call(),
              QStringList({QDir(work.path()).canonicalPath(), "1", "instruction.txt"}));
    EXPECT_TRUE(QDir(work.path()).entryList(QDir::Files).isEmpty());
    QDir::setCurrent(old);
}

#endif
