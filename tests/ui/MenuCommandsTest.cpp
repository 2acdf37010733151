#include "ui/window/MenuCommands.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingMessageBoxes.h"
#include "ui/platform/DocumentOpener.h"
#include "ui/platform/DocumentViewer.h"
#include "ui/window/AuthorsWindow.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ProgramTexts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
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

// Documents by bare name from the working directory, missing ones silently. Without an
// application on the desktop the program's own windows show them, one each.
TEST(MenuCommands, DocumentsOnTheDesktopOrInTheProgramsOwnWindows) {
    QTemporaryDir folder; // the working directory for the test, left again even on a failure
    const auto restore = qScopeGuard([before = QDir::currentPath()] { QDir::setCurrent(before); });
    QDir::setCurrent(folder.path());
    {
        QPdfWriter writer("spravka.pdf"); // three pages
        QPainter painter(&writer);
        for (int page = 1; page <= 3; ++page) {
            painter.drawText(100, 100, QString::number(page));
            EXPECT_TRUE(page == 3 || writer.newPage());
        }
    }
    for (const auto& [name, content] :
         {std::pair{"uprav.pdf", "%PDF-1.4 damaged"},
          {"instruction.txt", "\xEF\xBB\xBFКраткая инструкция\nПУСК"}}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(content) > 0);
    }
    ASSERT_TRUE(QDir().mkdir("history.pdf")); // a folder is no document
    Fixture f;
    ui::MenuCommands& commands = f.commands;
    const auto all = {f.m.referenceAction, f.m.theoryAction, f.m.historyAction,
                      f.m.controlsGuideAction, f.m.instructionAction};
    for (QAction* a : all)
        a->trigger();
    EXPECT_EQ(f.opener.documents, QStringList({"spravka.pdf", "uprav.pdf", "instruction.txt"}));
    EXPECT_FALSE(commands.viewer("spravka.pdf") || commands.viewer("instruction.txt"));
    EXPECT_TRUE(f.boxes.boxes.isEmpty());

    f.opener.desktopOpens = false;
    for (QAction* a : all)
        a->trigger();
    ui::DocumentViewer* pdf = commands.viewer("spravka.pdf");
    ui::DocumentViewer* text = commands.viewer("instruction.txt");
    ASSERT_TRUE(pdf && pdf->pdfView() && text && text->textView());
    EXPECT_TRUE(pdf->isVisible() && text->isVisible());
    EXPECT_EQ(pdf->windowTitle(), "spravka.pdf");
    EXPECT_EQ(pdf->windowModality(), Qt::NonModal);
    EXPECT_EQ(text->textView()->toPlainText(), "Краткая инструкция\nПУСК");
    EXPECT_TRUE(text->textView()->isReadOnly());
    // Damaged: a box names it; missing: nothing at all.
    EXPECT_FALSE(commands.viewer("uprav.pdf") || commands.viewer("history.pdf"));
    ASSERT_EQ(f.boxes.boxes.size(), 1);
    EXPECT_TRUE(f.boxes.boxes[0].text.contains("uprav.pdf"));

    // Pages by number and by the tools, scrolling moves the number, printing takes a range.
    auto* page = pdf->findChild<QSpinBox*>("PageNumber");
    const QPdfPageNavigator* navigator = pdf->pdfView()->pageNavigator();
    auto tool = [pdf](const char* text) {
        for (QAction* a : pdf->findChild<QToolBar*>()->actions())
            if (a->text() == text)
                a->trigger();
    };
    page->setValue(3);
    tool("Следующая"); // past the last page: stays
    EXPECT_EQ(navigator->currentPage(), 2);
    tool("Предыдущая");
    EXPECT_EQ(page->value(), 2);
    pdf->pdfView()->verticalScrollBar()->setValue(0);
    EXPECT_EQ(page->value(), 1);
    for (auto [from, to, pages] : {std::tuple{0, 0, 3}, {2, 3, 2}, {3, 0, 1}}) {
        QPrinter printer;
        printer.setOutputFileName(folder.filePath("printed.pdf"));
        ASSERT_TRUE(pdf->printPdf(printer, from, to));
        QPdfDocument printed;
        printed.load(printer.outputFileName());
        EXPECT_EQ(printed.pageCount(), pages) << from << "-" << to;
    }

    // The same choice brings back the same window; a closed one is gone and comes anew.
    f.m.referenceAction->trigger();
    EXPECT_EQ(commands.viewer("spravka.pdf"), pdf);
    pdf->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(commands.viewer("spravka.pdf"));
    f.m.referenceAction->trigger();
    EXPECT_TRUE(commands.viewer("spravka.pdf"));
}

// Both boxes: lines broken by CR LF, the reserved example domain for the address.
TEST(MenuCommands, AboutAndRegistrationBoxes) {
    Fixture f;
    f.m.aboutAction->trigger();
    f.m.registrationAction->trigger();
    ASSERT_EQ(f.boxes.boxes.size(), 2);
    for (const auto& [box, title, lines] :
         {std::tuple{f.boxes.boxes[0], "О ПРОГРАММЕ", 11}, {f.boxes.boxes[1], "РЕГИСТРАЦИЯ", 6}}) {
        EXPECT_FALSE(box.question);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.text.split("\r\n").size(), lines); // and no lone CR or LF:
        EXPECT_EQ(box.text.count('\n') + box.text.count('\r'), 2 * (lines - 1));
    }
    EXPECT_TRUE(f.boxes.boxes[1].text.split("\r\n")[4].contains("example.org"));
}

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

    // The real query, through a stand-in xdg-mime on PATH and without any.
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

using ui::AuthorsWindow;

// One window, not modal, rewritten and centred over the main window on every choice; closing
// destroys it. (That it outlives the main window: the real-window tests.)
TEST(AuthorsCommand, OneWindowRewrittenAndCentredOnEveryChoice) {
    Fixture f;
    ui::MainWindow& window = f.window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto authors = [&] {
        window.menuActions().authorsAction->trigger();
        return f.commands.authorsWindow();
    };
    const auto centred = [&](const AuthorsWindow& form) {
        const QRect m = window.frameGeometry(), f = form.frameGeometry();
        return f.topLeft() == QPoint(m.left() + (m.width() - f.width()) / 2,
                                     m.top() + (m.height() - f.height()) / 2);
    };
    window.move(40, 30);
    QPointer<AuthorsWindow> form2 = authors();
    ASSERT_NE(form2, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2));
    EXPECT_EQ(form2->findChild<QLabel*>("Image1")->geometry(), QRect(32, 8, 150, 180));
    EXPECT_EQ(form2->findChild<QLabel*>("Label1")->geometry(), QRect(8, 200, 209, 81));
    EXPECT_FALSE(form2->findChild<QLabel*>("Image1")->pixmap().isNull());
    EXPECT_EQ(form2->size(), QSize(222, 297));
    EXPECT_FALSE(form2->isModal()); // (its title: the real-window tests)
    EXPECT_TRUE(centred(*form2));
    // Five lines padded to 36 characters, then the address.
    const QStringList lines = form2->authorsText().split("\r\n");
    ASSERT_EQ(lines.size(), 6);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lines[i].size(), 36) << i;
        EXPECT_FALSE(lines[i].trimmed().isEmpty()) << i;
    }
    EXPECT_TRUE(lines[5].contains("@example.org") && !lines[5].endsWith(' '));

    // Moved away and scribbled on, it comes back over the middle with its text, still one.
    form2->move(0, 0);
    form2->setAuthorsText(QStringLiteral("Label1"));
    window.move(120, 90);
    EXPECT_EQ(authors(), form2);
    EXPECT_TRUE(centred(*form2));
    EXPECT_EQ(form2->authorsText(), ui::ProgramTexts::authorsText());

    form2->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form2.isNull() && f.commands.authorsWindow() == nullptr);
    ASSERT_NE(authors(), nullptr);
    f.commands.authorsWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
