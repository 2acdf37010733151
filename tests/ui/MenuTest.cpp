#include "ui/MainWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using ui::MainWindow;

namespace {

struct Item {
    QString name, text;
};

void expectMenu(const QMenu* menu, const QList<Item>& expected) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), expected.size()) << menu->objectName().toStdString();
    for (int i = 0; i < actions.size(); ++i) {
        const QAction* a = actions[i];
        const Item& e = expected[i];
        EXPECT_EQ(a->objectName(), e.name) << "position " << i;
        EXPECT_EQ(a->isSeparator(), e.text.isEmpty()) << e.name.toStdString();
        EXPECT_EQ(a->text(), e.text) << e.name.toStdString();
        EXPECT_TRUE(a->shortcut().isEmpty()) << e.name.toStdString();
    }
}

} // namespace

TEST(Menus, TwoMenusWithTheirItemsInPosition) {
    MainWindow window;
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&Файл"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Помощь"));
    ASSERT_NE(bar[0]->menu(), nullptr);
    ASSERT_NE(bar[1]->menu(), nullptr);

    // Positions count separators, since the images are put on the items by position.
    expectMenu(bar[0]->menu(), {{"mnuFilespravka", "Справка1"},
                                {"mnuFilespravka2", "Справка2"},
                                {"mnuFilesHistory", "История"},
                                {"mnuHelpSep1", ""},
                                {"mnuFileExit", "Выход"}});
    expectMenu(bar[1]->menu(), {{"mnuHelpInstruction", "Инструкция"},
                                {"mnuHelpUprav", "Управление"},
                                {"mnuHelpSep2", ""},
                                {"mnuHelpAvtors", "Авторы"},
                                {"mnuHelpAbout", "О программе"},
                                {"mnuHelpAbout2", "Регистрация"}});
}
