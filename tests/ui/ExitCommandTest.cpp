#include "RunFixture.h"
#include "support/RecordingDocumentOpener.h"
#include "ui/window/MenuCommands.h"

#include <QAction>

namespace {

using testing_ui::RunFixture;

class ExitCommand : public RunFixture {
protected:
    // Every text the user can read in the window's fields and labels.
    QStringList visibleTexts() const {
        QStringList texts;
        for (const QLineEdit* field : window.findChildren<QLineEdit*>())
            texts.append(field->objectName() + '=' + field->text());
        for (const QLabel* label : window.findChildren<QLabel*>())
            texts.append(label->objectName() + '=' + label->text());
        return texts;
    }
    ui::RecordingDocumentOpener opener;
    ui::MenuCommands commands{window, opener, boxes};
};

} // namespace

TEST_F(ExitCommand, AsksFirstAndNoKeepsEverything) {
    clickRun();
    ASSERT_TRUE(finish());
    paste(1, "12");
    QCoreApplication::processEvents();
    const QStringList before = visibleTexts();
    const QImage pane = window.pane(1)->grab().toImage();
    const QRect geometry = window.geometry();
    const ui::RecordingMessageBoxes::Box question{"Вы абсолютно уверены?", "На Выход", true};

    boxes.answer = false;
    window.menuActions().mnuFileExit->trigger();
    EXPECT_EQ(boxes.boxes, QList{question});
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), geometry);
    EXPECT_EQ(visibleTexts(), before);
    EXPECT_EQ(window.pane(1)->grab().toImage(), pane);

    // Yes closes it, after the very same question.
    boxes.answer = true;
    window.menuActions().mnuFileExit->trigger();
    EXPECT_EQ(boxes.boxes, QList({question, question}));
    EXPECT_FALSE(window.isVisible());
}
