#include "ui/MainWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

TEST(Menus, TwoMenusWithTheirItemsInPosition) {
    ui::MainWindow window;
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&Файл");
    EXPECT_EQ(bar[1]->text(), "&Помощь");
    ASSERT_TRUE(bar[0]->menu() && bar[1]->menu());
    ASSERT_EQ(bar[0]->menu()->actions().size(), 5);
    ASSERT_EQ(bar[1]->menu()->actions().size(), 6);

    // Positions count separators ("" here), since the images are put on the items by position.
    const std::tuple<int, int, const char*, const char*> items[] = {
        {0, 0, "Справка1", "mnuFilespravka"},  {0, 1, "Справка2", "mnuFilespravka2"},
        {0, 2, "История", "mnuFilesHistory"},  {0, 3, "", "mnuHelpSep1"},
        {0, 4, "Выход", "mnuFileExit"},        {1, 0, "Инструкция", "mnuHelpInstruction"},
        {1, 1, "Управление", "mnuHelpUprav"},  {1, 2, "", "mnuHelpSep2"},
        {1, 3, "Авторы", "mnuHelpAvtors"},     {1, 4, "О программе", "mnuHelpAbout"},
        {1, 5, "Регистрация", "mnuHelpAbout2"}};
    for (const auto& [menu, position, text, name] : items) {
        const QAction* a = bar[menu]->menu()->actions()[position];
        EXPECT_EQ(a->objectName(), name) << menu << "/" << position;
        EXPECT_EQ(a->isSeparator(), !*text) << name;
        EXPECT_EQ(a->text(), text) << name;
        EXPECT_TRUE(a->shortcut().isEmpty()) << name;
    }
}
