#include "RunFixture.h"
#include "ui/MenuCommands.h"
#include "ui/RecordingDocumentOpener.h"

#include <QAction>

namespace {

using testing_ui::RunFixture;

// Every text the user can read in the window's fields and labels.
QStringList visibleTexts(const ui::MainWindow& window) {
    QStringList texts;
    for (const QLineEdit* field : window.findChildren<QLineEdit*>())
        texts.append(field->objectName() + QLatin1Char('=') + field->text());
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.append(label->objectName() + QLatin1Char('=') + label->text());
    return texts;
}

class ExitCommand : public RunFixture {
protected:
    ui::RecordingDocumentOpener opener;
    ui::MenuCommands commands{window, opener, boxes};
};

} // namespace

TEST_F(ExitCommand, AsksFirstAndNoKeepsEverything) {
    clickRun();
    ASSERT_TRUE(finish());
    paste(1, QStringLiteral("12"));
    QCoreApplication::processEvents();

    const QStringList before = visibleTexts(window);
    const QImage pane = window.pane(1)->grab().toImage();
    const QRect geometry = window.geometry();
    const int boxesBefore = boxes.boxes.size();
    const ui::RecordingMessageBoxes::Box question{QStringLiteral("Вы абсолютно уверены?"),
                                                  QStringLiteral("На Выход"), true};

    boxes.answer = false;
    window.menuActions().mnuFileExit->trigger();
    ASSERT_EQ(boxes.boxes.size(), boxesBefore + 1);
    EXPECT_EQ(boxes.boxes.back(), question);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), geometry);
    EXPECT_EQ(visibleTexts(window), before);
    EXPECT_EQ(window.pane(1)->grab().toImage(), pane);

    // Yes closes it, after the very same question.
    boxes.answer = true;
    window.menuActions().mnuFileExit->trigger();
    ASSERT_EQ(boxes.boxes.size(), boxesBefore + 2);
    EXPECT_EQ(boxes.boxes.back(), question);
    EXPECT_FALSE(window.isVisible());
}
