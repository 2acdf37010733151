#include "ui/AuthorsWindow.h"
#include "ui/MainWindow.h"
#include "ui/MenuCommands.h"
#include "ui/ProgramTexts.h"
#include "ui/RecordingDocumentOpener.h"
#include "ui/RecordingMessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using ui::AuthorsWindow;
using ui::MainWindow;
using ui::MenuCommands;

namespace {

QList<AuthorsWindow*> authorsWindows() {
    QList<AuthorsWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* a = qobject_cast<AuthorsWindow*>(w))
            found.append(a);
    return found;
}

QPoint centredOver(const QWidget& main, const QWidget& form) {
    const QRect m = main.frameGeometry();
    const QRect f = form.frameGeometry();
    return {m.left() + (m.width() - f.width()) / 2, m.top() + (m.height() - f.height()) / 2};
}

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(AuthorsCommand, OneWindowRewrittenAndCentredOnEveryChoice) {
    MainWindow window;
    ui::RecordingDocumentOpener opener;
    ui::RecordingMessageBoxes boxes;
    MenuCommands commands(window, opener, boxes);
    window.move(40, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(commands.authorsWindow(), nullptr);

    window.menuActions().mnuHelpAvtors->trigger();
    AuthorsWindow* form2 = commands.authorsWindow();
    ASSERT_NE(form2, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2));
    EXPECT_EQ(form2->parentWidget(), nullptr);
    EXPECT_EQ(form2->frameGeometry().topLeft(), centredOver(window, *form2));

    const QStringList lines = form2->authorsText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(lines[i].size(), 36) << i;
        // Padding only: the wording itself ends in a visible character.
        EXPECT_FALSE(lines[i].trimmed().isEmpty()) << i;
    }
    EXPECT_TRUE(lines[5].contains(QStringLiteral("@example.org")));
    EXPECT_FALSE(lines[5].endsWith(QLatin1Char(' ')));

    // Moved away and scribbled on, it comes back over the middle with its text, still one.
    form2->move(0, 0);
    form2->setAuthorsText(QStringLiteral("Label1"));
    window.move(120, 90);
    window.menuActions().mnuHelpAvtors->trigger();
    EXPECT_EQ(commands.authorsWindow(), form2);
    EXPECT_EQ(authorsWindows().size(), 1);
    EXPECT_EQ(form2->frameGeometry().topLeft(), centredOver(window, *form2));
    EXPECT_EQ(form2->authorsText(), ui::ProgramTexts::authorsText());
    EXPECT_TRUE(form2->isVisible());
    // The main window stays usable while Form2 is open.
    EXPECT_FALSE(form2->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    form2->close();
    deleteClosedWindows();
}

TEST(AuthorsCommand, OutlivesTheMainWindowAndIsCreatedAgainAfterClosing) {
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<AuthorsWindow> form2;
    {
        MainWindow window;
        ui::RecordingDocumentOpener opener;
        ui::RecordingMessageBoxes boxes;
        MenuCommands commands(window, opener, boxes);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.menuActions().mnuHelpAvtors->trigger();
        form2 = commands.authorsWindow();

        // Closing Form2 destroys it; the next "Авторы" makes a new one.
        form2->close();
        deleteClosedWindows();
        EXPECT_EQ(commands.authorsWindow(), nullptr);
        window.menuActions().mnuHelpAvtors->trigger();
        form2 = commands.authorsWindow();
        ASSERT_NE(form2, nullptr);
        EXPECT_EQ(authorsWindows().size(), 1);
        window.close();
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
