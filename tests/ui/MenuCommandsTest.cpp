#include "ui/window/MenuCommands.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingMessageBoxes.h"
#include "ui/platform/DocumentOpener.h"
#include "ui/tools/DocumentViewer.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPlainTextEdit>
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

// A folder with the given files, made the working directory for the test's lifetime.
struct DocumentFolder {
    explicit DocumentFolder(std::initializer_list<std::pair<const char*, QByteArray>> files) {
        for (const auto& [name, content] : files) {
            QFile f(dir.filePath(name));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        }
        QDir::setCurrent(dir.path());
    }
    ~DocumentFolder() { QDir::setCurrent(old); }
    QString old = QDir::currentPath();
    QTemporaryDir dir;
};

QByteArray twoPagePdf() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    painter.drawText(100, 100, "Справка 1");
    writer.newPage();
    painter.drawText(100, 100, "Страница 2");
    painter.end();
    return buffer.data();
}

int openViewers() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += qobject_cast<ui::DocumentViewer*>(w) && w->isVisible();
    return n;
}

} // namespace

TEST(MenuCommands, DocumentsByBareNameFromTheWorkingDirectoryMissingOnesSilently) {
    DocumentFolder folder({{"spravka.pdf", {}}, {"uprav.pdf", {}}, {"instruction.txt", {}}});
    ASSERT_TRUE(QDir().mkdir("history.pdf")); // a folder is no document
    Fixture f;
    f.window.show();
    for (QAction* a : {f.m.mnuFilespravka, f.m.mnuFilespravka2, f.m.mnuFilesHistory,
                       f.m.mnuHelpUprav, f.m.mnuHelpInstruction})
        a->trigger();
    EXPECT_EQ(f.opener.documents, QStringList({"spravka.pdf", "uprav.pdf", "instruction.txt"}));
    EXPECT_EQ(openViewers(), 0);
    EXPECT_TRUE(f.boxes.boxes.isEmpty());
    EXPECT_TRUE(f.window.isVisible());
}

// No application on the desktop: the program's own windows show the documents, one each.
TEST(MenuCommands, WithoutADesktopApplicationTheProgramShowsTheDocumentItself) {
    DocumentFolder folder({{"spravka.pdf", twoPagePdf()},
                           {"uprav.pdf", "%PDF-1.4 damaged"},
                           {"instruction.txt", "\xEF\xBB\xBFКраткая инструкция\nПУСК"}});
    bool launched = false;
    ui::DesktopDocumentOpener noApplication([](const QString&) { return QString(); },
                                            [&](const QString&) { return launched = true; });
    ui::MainWindow window;
    ui::RecordingMessageBoxes boxes;
    ui::MenuCommands commands(window, noApplication, boxes);
    const ui::MenuActions& m = window.menuActions();
    window.show();

    m.mnuFilespravka->trigger();
    ui::DocumentViewer* pdf = commands.viewer("spravka.pdf");
    ASSERT_TRUE(pdf);
    EXPECT_TRUE(pdf->isVisible());
    EXPECT_EQ(pdf->windowTitle(), "spravka.pdf");
    EXPECT_EQ(pdf->windowModality(), Qt::NonModal);
    ASSERT_TRUE(pdf->pdf() && pdf->pdfView());
    EXPECT_EQ(pdf->pdf()->pageCount(), 2);
    m.mnuFilespravka->trigger(); // the same window again
    EXPECT_EQ(commands.viewer("spravka.pdf"), pdf);

    m.mnuHelpInstruction->trigger();
    ui::DocumentViewer* text = commands.viewer("instruction.txt");
    ASSERT_TRUE(text && text->textView());
    EXPECT_EQ(text->textView()->toPlainText(), "Краткая инструкция\nПУСК");
    EXPECT_TRUE(text->textView()->isReadOnly());
    EXPECT_EQ(openViewers(), 2);

    // Damaged: a box names it; missing: nothing at all.
    m.mnuHelpUprav->trigger();
    m.mnuFilesHistory->trigger();
    EXPECT_FALSE(commands.viewer("uprav.pdf"));
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_TRUE(boxes.boxes[0].text.contains("uprav.pdf"));
    EXPECT_EQ(openViewers(), 2);
    EXPECT_FALSE(launched);

    // Closing a viewer deletes it; the next choice opens a new one.
    pdf->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(commands.viewer("spravka.pdf"));
    m.mnuFilespravka->trigger();
    EXPECT_TRUE(commands.viewer("spravka.pdf"));
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
