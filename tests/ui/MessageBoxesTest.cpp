#include "ui/platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// What a modal box showed: title, text, whether it had an icon, its buttons in order.
QStringList seen;

// Looks at the modal box once it is up, then presses the button with the given text.
void answerNextBox(const QString& press) {
    QTimer::singleShot(50, [press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = QStringList{box->windowTitle(), box->text(),
                           box->icon() == QMessageBox::NoIcon ? "no icon" : "icon"};
        QStringList buttons;
        for (QAbstractButton* b : box->buttons())
            buttons << b->text();
        buttons.sort();
        seen << buttons;
        for (QAbstractButton* b : box->buttons())
            if (b->text() == press)
                b->click();
    });
}

} // namespace

TEST(DialogMessageBoxes, ModalWithoutIconAndTheirButtons) {
    ui::DialogMessageBoxes boxes;
    answerNextBox("Нет");
    EXPECT_FALSE(boxes.confirm("Вы абсолютно уверены?", "На Выход"));
    EXPECT_EQ(seen, (QStringList{"На Выход", "Вы абсолютно уверены?", "no icon", "Да", "Нет"}));
    answerNextBox("Да");
    EXPECT_TRUE(boxes.confirm("Вы абсолютно уверены?", "На Выход"));
    answerNextBox("OK");
    boxes.inform("Уже упало!!!", "Ошибка");
    EXPECT_EQ(seen, (QStringList{"Ошибка", "Уже упало!!!", "no icon", "OK"}));
}
