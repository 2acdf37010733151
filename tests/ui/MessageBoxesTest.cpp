#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QStringList buttons;
};

// Looks at the modal box once it is up, then presses the button with the given text.
void answerNextBox(Seen& seen, const QString& press) {
    QTimer::singleShot(50, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == press)
                b->click();
    });
}

} // namespace

TEST(DialogMessageBoxes, ModalWithoutIconAndTheirButtons) {
    ui::DialogMessageBoxes boxes;
    Seen seen;
    answerNextBox(seen, "Нет");
    EXPECT_FALSE(boxes.confirm("Вы абсолютно уверены?", "На Выход"));
    EXPECT_EQ(seen.title, "На Выход");
    EXPECT_EQ(seen.text, "Вы абсолютно уверены?");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    seen.buttons.sort();
    EXPECT_EQ(seen.buttons, (QStringList{"Да", "Нет"}));

    answerNextBox(seen, "Да");
    EXPECT_TRUE(boxes.confirm("Вы абсолютно уверены?", "На Выход"));

    answerNextBox(seen, "OK");
    boxes.inform("Уже упало!!!", "Ошибка");
    EXPECT_EQ(seen.title, "Ошибка");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons.size(), 1);
}
