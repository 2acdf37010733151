#include "ui/MenuCommands.h"
#include "ui/MainWindow.h"
#include "ui/RecordingDocumentOpener.h"
#include "ui/RecordingMessageBoxes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using ui::MainWindow;
using ui::MenuCommands;

namespace {

// Runs the test inside a fresh empty working directory and returns to the old one afterwards.
class InTemporaryDirectory {
public:
    InTemporaryDirectory() : old_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~InTemporaryDirectory() { QDir::setCurrent(old_); }
    QString path() const { return dir_.path(); }
    void create(const QString& name) const {
        QFile f(dir_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4\n");
    }

private:
    QTemporaryDir dir_;
    QString old_;
};

struct Fixture {
    MainWindow window;
    ui::RecordingDocumentOpener opener;
    ui::RecordingMessageBoxes boxes;
    MenuCommands commands{window, opener, boxes};
    const ui::MenuActions& m = window.menuActions();
};

QStringList lines(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

} // namespace

TEST(MenuCommands, DocumentsByBareNameFromTheWorkingDirectoryMissingOnesSilently) {
    InTemporaryDirectory here;
    Fixture f;
    f.window.show();
    const auto triggerAll = [&f] {
        for (QAction* a :
             {f.m.mnuFilespravka, f.m.mnuFilespravka2, f.m.mnuFilesHistory, f.m.mnuHelpUprav})
            a->trigger();
    };
    const QStringList names{"spravka.pdf", "spravka2.pdf", "history.pdf", "uprav.pdf"};
    for (const QString& name : names)
        here.create(name);
    triggerAll();
    EXPECT_EQ(f.opener.documents, names);
    // The instruction goes to the editor whether or not the file is there.
    f.m.mnuHelpInstruction->trigger();
    EXPECT_EQ(f.opener.edited, QStringList({"instruction.txt"}));

    // Another working directory: the documents are looked for there, not where they were; a
    // folder that carries a document's name is no document either.
    InTemporaryDirectory elsewhere;
    ASSERT_TRUE(QDir(elsewhere.path()).mkdir(QStringLiteral("history.pdf")));
    triggerAll();
    EXPECT_EQ(f.opener.documents.size(), 4);
    f.m.mnuHelpInstruction->trigger();
    EXPECT_EQ(f.opener.edited.size(), 2);

    // Present, but the desktop cannot open it: still not a word.
    elsewhere.create(QStringLiteral("spravka.pdf"));
    f.opener.documentsOpen = false;
    f.m.mnuFilespravka->trigger();
    EXPECT_EQ(f.opener.documents.size(), 5);
    EXPECT_TRUE(f.boxes.boxes.isEmpty());
    EXPECT_TRUE(f.window.isVisible());
}

TEST(MenuCommands, EditorThatCannotStartIsReportedAndTheProgramGoesOn) {
    Fixture f;
    f.window.show();
    f.opener.editorStarts = false;
    f.m.mnuHelpInstruction->trigger();
    ASSERT_EQ(f.boxes.boxes.size(), 1);
    EXPECT_FALSE(f.boxes.boxes[0].question);
    EXPECT_TRUE(f.boxes.boxes[0].text.contains(QStringLiteral("instruction.txt")));
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
        EXPECT_EQ(box.text.count(QLatin1Char('\n')), box.text.count(QStringLiteral("\r\n")));
        EXPECT_EQ(box.text.count(QLatin1Char('\r')), box.text.count(QStringLiteral("\r\n")));
    }

    const auto& about = f.boxes.boxes[0];
    EXPECT_EQ(about.title, QStringLiteral("О ПРОГРАММЕ"));
    const QStringList a = lines(about.text);
    ASSERT_EQ(a.size(), 11);
    EXPECT_EQ(a[0], QStringLiteral("Программа моделирует движение шара в среде вблизи "
                                   "поверхности Земли"));
    EXPECT_EQ(a[1], QStringLiteral("с учётом силы Архимеда и сил сопротивления, линейно и "
                                   "квадратично зависящих от скорости."));
    EXPECT_EQ(a[2], QStringLiteral(" "));
    EXPECT_EQ(a[3], QStringLiteral("История версий:"));
    // Oldest first, each of the first three versions followed by who made it.
    const char* versions[] = {"0.1", "1.0", "2.0", "2.1"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(a[4 + 2 * i].startsWith(QStringLiteral("Версия %1 ").arg(versions[i])))
            << a[4 + 2 * i].toStdString();
    for (int i : {5, 7, 9})
        EXPECT_FALSE(a[i].startsWith(QStringLiteral("Версия"))) << i;

    const auto& registration = f.boxes.boxes[1];
    EXPECT_EQ(registration.title, QStringLiteral("РЕГИСТРАЦИЯ"));
    const QStringList r = lines(registration.text);
    ASSERT_EQ(r.size(), 6);
    for (const QString& line : r)
        EXPECT_FALSE(line.trimmed().isEmpty());
    // Addresses stay within the reserved example domain.
    EXPECT_TRUE(r[4].contains(QStringLiteral("example.org")));
}
