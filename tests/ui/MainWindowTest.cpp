#include "ui/window/MainWindow.h"
#include "graphs/GraphPane.h"
#include "ui/window/InputField.h"
#include "ui/window/ResultLabel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using ui::MainWindow;

namespace {

QColor background(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

} // namespace

TEST(MainWindow, TitleClientAreaAndLook) {
    MainWindow w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Траектория движения шара, брошенного с "
                                              "высоты под углом к горизонту в вязкой среде"));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.clientArea()->size(), QSize(720, 560));
    EXPECT_EQ(background(w.clientArea()), QColor(224, 224, 224));

    EXPECT_EQ(w.field(model::Field::v0)->toolTip(), "начальная скорость "); // trailing space
    EXPECT_EQ(w.findChild<QLabel*>("Label11")->text(), "ρ o ="); // Greek, spaced small Latin o
    // Results sit in cyan boxes, linear drag in blue, quadratic drag in red.
    const QLabel* quadratic = w.result(model::Quantity::VyEnd2);
    EXPECT_EQ(background(quadratic), QColor(192, 255, 255));
    EXPECT_EQ(quadratic->frameShape(), QFrame::Box);
    EXPECT_EQ(quadratic->palette().color(quadratic->foregroundRole()), QColor(255, 0, 0));
    const QLabel* linear = w.result(model::Quantity::Tmax1);
    EXPECT_EQ(linear->palette().color(linear->foregroundRole()), QColor(0, 0, 255));

    for (const auto& [widget, weight] :
         {std::pair<QWidget*, int>{w.cmdOK(), 700}, {w.field(model::Field::rho), 400}}) {
        EXPECT_EQ(widget->font().family(), "Times New Roman");
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), 12);
        EXPECT_EQ(widget->font().weight(), weight);
    }
}

TEST(MainWindow, TabOrderAndInitialFocus) {
    MainWindow window;
    QStringList chain;
    QWidget* w = window.cmdOK();
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != window.cmdOK());
    // Labels never take the focus.
    EXPECT_EQ(chain,
              QStringList({"CmdOK", "Text2", "Text1", "Text3", "Text4", "Text5", "Text6", "Text7",
                           "Option1", "Option2", "Option3", "HScroll1", "VScroll1", "Command1"}));

    window.layoutControls();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.cmdOK());
}

TEST(Menus, FileAndHelpWithTheirItemsInPositionAroundTools) {
    MainWindow window;
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "&Файл");
    EXPECT_EQ(bar[1]->text(), "&Инструменты");
    EXPECT_EQ(bar[2]->text(), "&Помощь");
    ASSERT_TRUE(bar[0]->menu() && bar[1]->menu() && bar[2]->menu());
    ASSERT_EQ(bar[0]->menu()->actions().size(), 5);
    ASSERT_EQ(bar[2]->menu()->actions().size(), 6);

    // Positions count separators ("" here), since the images are put on the items by position.
    const std::tuple<int, int, const char*, const char*> items[] = {
        {0, 0, "Справка1", "mnuFilespravka"},  {0, 1, "Справка2", "mnuFilespravka2"},
        {0, 2, "История", "mnuFilesHistory"},  {0, 3, "", "mnuHelpSep1"},
        {0, 4, "Выход", "mnuFileExit"},        {2, 0, "Инструкция", "mnuHelpInstruction"},
        {2, 1, "Управление", "mnuHelpUprav"},  {2, 2, "", "mnuHelpSep2"},
        {2, 3, "Авторы", "mnuHelpAvtors"},     {2, 4, "О программе", "mnuHelpAbout"},
        {2, 5, "Регистрация", "mnuHelpAbout2"}};
    for (const auto& [menu, position, text, name] : items) {
        const QAction* a = bar[menu]->menu()->actions()[position];
        EXPECT_EQ(a->objectName(), name) << menu << "/" << position;
        EXPECT_EQ(a->isSeparator(), !*text) << name;
        EXPECT_EQ(a->text(), text) << name;
        EXPECT_TRUE(a->shortcut().isEmpty()) << name;
    }
}

TEST(Menus, ToolsInTheMenuBarAndOnEveryPane) {
    MainWindow window;
    QStringList items; // "text shortcut", "-" for a separator
    for (const QAction* a : window.toolsMenu()->actions())
        items << (a->isSeparator() ? QStringLiteral("-")
                                   : (a->text() + ' ' + a->shortcut().toString()).trimmed());
    EXPECT_EQ(items,
              QStringList({"Сохранить график… Ctrl+S", "Копировать график", "Сохранить данные…",
                           "-", "Копировать результаты Ctrl+Shift+C", "-", "Печать… Ctrl+P",
                           "Сохранить отчёт (PDF)…", "-", "Сравнивать броски", "Очистить сравнение",
                           "-", "Исследование зависимости…"}));
    for (const ui::ToolCommandRow& row : ui::toolCommandRows())
        EXPECT_EQ(window.toolAction(row.id)->objectName(), row.name);
    for (const ui::Graph g : {ui::Graph::trajectory, ui::Graph::vx, ui::Graph::vy}) {
        EXPECT_EQ(window.pane(g)->contextMenuPolicy(), Qt::ActionsContextMenu);
        EXPECT_EQ(window.pane(g)->actions(), window.toolsMenu()->actions());
    }
    // Each menu has its own Alt letter.
    QSet<QChar> letters;
    for (const QAction* a : window.menuBar()->actions())
        letters.insert(a->text().at(a->text().indexOf('&') + 1).toLower());
    EXPECT_EQ(letters.size(), 3);
}
