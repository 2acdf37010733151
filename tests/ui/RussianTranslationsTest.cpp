#include "ui/platform/RussianTranslations.h"
#include "ui/platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList texts(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions)
        out.append(a->text().remove('&').section('\t', 0, 0));
    return out;
}

// Runs `look` on the popup or modal box that `open` brings up, then closes it.
template <class Open, class Look> void whileShown(Open open, Look look) {
    QTimer::singleShot(0, [look] {
        QWidget* shown = QApplication::activePopupWidget();
        if (!shown)
            shown = QApplication::activeModalWidget();
        ASSERT_TRUE(shown);
        look(shown);
        if (auto* dialog = qobject_cast<QDialog*>(shown))
            dialog->reject();
        else
            shown->close();
    });
    open();
}

} // namespace

// Qt's own menus and buttons speak Russian whatever the system's language.
TEST(RussianTranslations, StandardMenusAndButtons) {
    ASSERT_TRUE(ui::installRussianTranslations(*qApp));
    ASSERT_TRUE(ui::installRussianTranslations(*qApp)); // a second call changes nothing

    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    const QStringList fieldItems = texts(menu->actions());
    EXPECT_TRUE(fieldItems.contains("Вставить")) << fieldItems.join(", ").toStdString();
    EXPECT_TRUE(fieldItems.contains("Копировать"));

    QScrollBar bar(Qt::Horizontal);
    bar.resize(200, 20);
    bar.show();
    whileShown(
        [&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 10), QPoint(100, 10));
            QApplication::sendEvent(&bar, &event);
        },
        [](QWidget* popup) {
            EXPECT_TRUE(texts(popup->actions()).contains("Прокрутить сюда"))
                << texts(popup->actions()).join(", ").toStdString();
        });

    ui::DialogMessageBoxes boxes;
    QStringList buttons;
    auto collect = [&](QWidget* box) {
        for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
            buttons.append(b->text().remove('&'));
    };
    whileShown([&] { boxes.confirm("Вопрос", "Заголовок"); }, collect);
    whileShown([&] { boxes.inform("Сообщение", "Заголовок"); }, collect);
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"OK", "Да", "Нет"}));
}
