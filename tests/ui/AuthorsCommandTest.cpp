#include "support/RecordingDocumentOpener.h"
#include "support/RecordingMessageBoxes.h"
#include "ui/window/AuthorsWindow.h"
#include "ui/window/MainWindow.h"
#include "ui/window/MenuCommands.h"
#include "ui/window/ProgramTexts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using ui::AuthorsWindow;

// One window, not modal, rewritten and centred over the main window on every choice; closing
// destroys it and the next choice makes a new one. (That it outlives the main window: the
// real-window tests.)
TEST(AuthorsCommand, OneWindowRewrittenAndCentredOnEveryChoice) {
    ui::MainWindow window;
    ui::RecordingDocumentOpener opener;
    ui::RecordingMessageBoxes boxes;
    ui::MenuCommands commands{window, opener, boxes};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto authors = [&] {
        window.menuActions().mnuHelpAvtors->trigger();
        return commands.authorsWindow();
    };
    const auto centred = [&](const AuthorsWindow& form) {
        const QRect m = window.frameGeometry(), f = form.frameGeometry();
        return f.topLeft() == QPoint(m.left() + (m.width() - f.width()) / 2,
                                     m.top() + (m.height() - f.height()) / 2);
    };
    const auto windows = [] {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<AuthorsWindow*>(w) != nullptr;
        return n;
    };
    window.move(40, 30);
    AuthorsWindow* form2 = authors();
    ASSERT_NE(form2, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2));
    EXPECT_EQ(form2->windowTitle(), "Авторы");
    EXPECT_EQ(form2->size(), QSize(222, 297));
    EXPECT_EQ(form2->findChild<QLabel*>("Image1")->geometry(), QRect(32, 8, 150, 180));
    EXPECT_EQ(form2->findChild<QLabel*>("Label1")->geometry(), QRect(8, 200, 209, 81));
    EXPECT_FALSE(form2->findChild<QLabel*>("Image1")->pixmap().isNull());
    EXPECT_FALSE(form2->isModal());
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
    EXPECT_EQ(windows(), 1);
    EXPECT_TRUE(centred(*form2));
    EXPECT_EQ(form2->authorsText(), ui::ProgramTexts::authorsText());

    form2->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(commands.authorsWindow(), nullptr);
    EXPECT_EQ(windows(), 0);
    ASSERT_NE(authors(), nullptr);
    EXPECT_EQ(windows(), 1);
    commands.authorsWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
