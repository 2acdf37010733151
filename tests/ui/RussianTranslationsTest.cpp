#include "ui/platform/RussianTranslations.h"
#include "ui/platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

// Qt's own menus and the program's boxes speak Russian whatever the system's language.
TEST(RussianTranslations, FieldMenuAndQuestionBox) {
    ASSERT_TRUE(ui::installRussianTranslations(*qApp));
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (const QAction* a : menu->actions())
        items.append(a->text().remove('&').section('\t', 0, 0));
    EXPECT_TRUE(items.contains("Вставить")) << items.join(", ").toStdString();

    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        for (const QAbstractButton* b : box->buttons())
            buttons.append(b->text().remove('&'));
        box->reject();
    });
    ui::DialogMessageBoxes().confirm("Вопрос", "Заголовок");
    EXPECT_EQ(buttons, QStringList({"Да", "Нет"}));
}
