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

class InDirectory {
public:
    explicit InDirectory(const QString& path) : old_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~InDirectory() { QDir::setCurrent(old_); }

private:
    QString old_;
};

} // namespace

TEST(DesktopDocumentOpener, NoEditorThatStartsIsAFailure) {
    DesktopDocumentOpener opener({QStringLiteral("/nonexistent/ballflight-editor"),
                                  QStringLiteral("ballflight-no-such-editor")},
                                 false);
    EXPECT_FALSE(opener.openInEditor(QStringLiteral("instruction.txt")));
    EXPECT_FALSE(DesktopDocumentOpener({}, false).openInEditor(QStringLiteral("instruction.txt")));
}

TEST(DesktopDocumentOpener, EditorGetsTheBareNameVerbatimInTheWorkingDirectory) {
    FakeEditor editor;
    QTemporaryDir work;
    InDirectory here(work.path());
    // The first editor that starts gets the file, whether or not it exists.
    DesktopDocumentOpener opener({QStringLiteral("/nonexistent/ballflight-editor"), editor.path()},
                                 true);
    ASSERT_TRUE(opener.openInEditor(QStringLiteral("instruction.txt")));
    EXPECT_EQ(editor.call(),
              QStringList({QDir(work.path()).canonicalPath(), "1", "instruction.txt"}));
    EXPECT_TRUE(QDir(work.path()).entryList(QDir::Files).isEmpty());
}

#endif
