#include "support/RecordingDocumentOpener.h"
#include "support/RecordingMessageBoxes.h"
#include "ui/window/AuthorsWindow.h"
#include "ui/window/MainWindow.h"
#include "ui/window/MenuCommands.h"
#include "ui/window/ProgramTexts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using ui::AuthorsWindow;

namespace {

struct Shown {
    Shown() {
        window.show();
        [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(&window);
    }
    AuthorsWindow* authors() {
        window.menuActions().mnuHelpAvtors->trigger();
        return commands.authorsWindow();
    }
    ui::MainWindow window;
    ui::RecordingDocumentOpener opener;
    ui::RecordingMessageBoxes boxes;
    ui::MenuCommands commands{window, opener, boxes};
};

int authorsWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += qobject_cast<AuthorsWindow*>(w) != nullptr;
    return n;
}

QPoint centredOver(const QWidget& main, const QWidget& form) {
    const QRect m = main.frameGeometry(), f = form.frameGeometry();
    return {m.left() + (m.width() - f.width()) / 2, m.top() + (m.height() - f.height()) / 2};
}

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(AuthorsCommand, OneWindowRewrittenAndCentredOnEveryChoice) {
    Shown s;
    s.window.move(40, 30);
    AuthorsWindow* form2 = s.authors();
    ASSERT_NE(form2, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2));
    EXPECT_EQ(form2->windowTitle(), "Авторы");
    EXPECT_EQ(form2->size(), QSize(222, 297));
    EXPECT_EQ(form2->findChild<QLabel*>("Image1")->geometry(), QRect(32, 8, 150, 180));
    EXPECT_EQ(form2->findChild<QLabel*>("Label1")->geometry(), QRect(8, 200, 209, 81));
    EXPECT_FALSE(form2->findChild<QLabel*>("Image1")->pixmap().isNull());
    EXPECT_FALSE(form2->isModal()); // the main window stays usable while Form2 is open
    EXPECT_EQ(form2->frameGeometry().topLeft(), centredOver(s.window, *form2));

    const QStringList lines = form2->authorsText().split("\r\n");
    ASSERT_EQ(lines.size(), 6);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lines[i].size(), 36) << i;
        EXPECT_FALSE(lines[i].trimmed().isEmpty()) << i; // padding only
    }
    EXPECT_TRUE(lines[5].contains("@example.org"));
    EXPECT_FALSE(lines[5].endsWith(QLatin1Char(' ')));

    // Moved away and scribbled on, it comes back over the middle with its text, still one.
    form2->move(0, 0);
    form2->setAuthorsText(QStringLiteral("Label1"));
    s.window.move(120, 90);
    EXPECT_EQ(s.authors(), form2);
    EXPECT_EQ(authorsWindows(), 1);
    EXPECT_EQ(form2->frameGeometry().topLeft(), centredOver(s.window, *form2));
    EXPECT_EQ(form2->authorsText(), ui::ProgramTexts::authorsText());
    form2->close();
    deleteClosedWindows();
}

TEST(AuthorsCommand, OutlivesTheMainWindowAndIsCreatedAgainAfterClosing) {
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<AuthorsWindow> form2;
    {
        Shown s;
        s.authors()->close(); // closing Form2 destroys it; the next "Авторы" makes a new one
        deleteClosedWindows();
        EXPECT_EQ(s.commands.authorsWindow(), nullptr);
        form2 = s.authors();
        ASSERT_NE(form2, nullptr);
        EXPECT_EQ(authorsWindows(), 1);
        s.window.close();
    }
    // Form1 is closed and destroyed; Form2 keeps the program running, and the event loop ends
    // only when Form2, the last window, is closed (a safety exit fails the test, not hangs it).
    ASSERT_NE(form2, nullptr);
    bool runningAfterForm1 = false;
    QTimer::singleShot(50, form2, [&] {
        runningAfterForm1 = form2->isVisible();
        form2->close();
    });
    QTimer safety;
    safety.callOnTimeout([] { QCoreApplication::exit(2); });
    safety.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(runningAfterForm1);
    EXPECT_EQ(lastClosed.count(), 1);
    deleteClosedWindows();
    EXPECT_EQ(form2, nullptr);
}
