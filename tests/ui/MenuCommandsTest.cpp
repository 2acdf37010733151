#include "ui/window/MenuCommands.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingMessageBoxes.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Fixture {
    ui::MainWindow window;
    ui::RecordingDocumentOpener opener;
    ui::RecordingMessageBoxes boxes;
    ui::MenuCommands commands{window, opener, boxes};
    const ui::MenuActions& m = window.menuActions();
};

} // namespace

TEST(MenuCommands, DocumentsByBareNameFromTheWorkingDirectoryMissingOnesSilently) {
    QTemporaryDir dir;
    for (const char* name : {"spravka.pdf", "uprav.pdf"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("history.pdf")); // a folder is no document
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Fixture f;
    f.window.show();
    for (QAction* a :
         {f.m.mnuFilespravka, f.m.mnuFilespravka2, f.m.mnuFilesHistory, f.m.mnuHelpUprav})
        a->trigger();
    EXPECT_EQ(f.opener.documents, QStringList({"spravka.pdf", "uprav.pdf"}));
    // The instruction goes to the editor whether or not the file is there.
    f.m.mnuHelpInstruction->trigger();
    EXPECT_EQ(f.opener.edited, QStringList({"instruction.txt"}));
    // Present, but the desktop cannot open it: still not a word.
    f.opener.documentsOpen = false;
    f.m.mnuFilespravka->trigger();
    EXPECT_EQ(f.opener.documents.size(), 3);
    EXPECT_TRUE(f.boxes.boxes.isEmpty());
    EXPECT_TRUE(f.window.isVisible());
    QDir::setCurrent(old);
}

TEST(MenuCommands, EditorThatCannotStartIsReportedAndTheProgramGoesOn) {
    Fixture f;
    f.window.show();
    f.opener.editorStarts = false;
    f.m.mnuHelpInstruction->trigger();
    ASSERT_EQ(f.boxes.boxes.size(), 1);
    EXPECT_FALSE(f.boxes.boxes[0].question);
    EXPECT_TRUE(f.boxes.boxes[0].text.contains("instruction.txt"));
    EXPECT_FALSE(f.boxes.boxes[0].title.isEmpty());
    EXPECT_TRUE(f.window.isVisible());
    f.m.mnuHelpAbout->trigger(); // the menu keeps working
    EXPECT_EQ(f.boxes.boxes.size(), 2);
}

TEST(MenuCommands, AboutAndRegistrationBoxes) {
    Fixture f;
    f.m.mnuHelpAbout->trigger();
    f.m.mnuHelpAbout2->trigger();
    ASSERT_EQ(f.boxes.boxes.size(), 2);
    for (const auto& box : f.boxes.boxes) {
        EXPECT_FALSE(box.question);
        // Every line break is CR LF.
        EXPECT_EQ(box.text.count('\n'), box.text.count("\r\n"));
        EXPECT_EQ(box.text.count('\r'), box.text.count("\r\n"));
    }

    EXPECT_EQ(f.boxes.boxes[0].title, "О ПРОГРАММЕ");
    const QStringList a = f.boxes.boxes[0].text.split("\r\n");
    ASSERT_EQ(a.size(), 11);
    EXPECT_EQ(a[0], "Программа моделирует движение шара в среде вблизи поверхности Земли");
    EXPECT_EQ(a[1], "с учётом силы Архимеда и сил сопротивления, линейно и квадратично "
                    "зависящих от скорости.");
    EXPECT_EQ(a[2], " ");
    EXPECT_EQ(a[3], "История версий:");

    EXPECT_EQ(f.boxes.boxes[1].title, "РЕГИСТРАЦИЯ");
    const QStringList r = f.boxes.boxes[1].text.split("\r\n");
    ASSERT_EQ(r.size(), 6);
    for (const QString& line : r)
        EXPECT_FALSE(line.trimmed().isEmpty());
    EXPECT_TRUE(r[4].contains("example.org")); // the reserved example domain
}
