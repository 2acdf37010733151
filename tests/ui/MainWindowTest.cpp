#include "ui/window/MainWindow.h"
#include "graphs/GraphPane.h"
#include "ui/window/InputField.h"
#include "ui/window/ResultLabel.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

using ui::MainWindow;

TEST(MainWindow, TitleClientAreaAndLook) {
    MainWindow w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Траектория движения шара, брошенного с "
                                              "высоты под углом к горизонту в вязкой среде"));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.clientArea()->size(), QSize(720, 560));
    const auto colour = [](const QWidget* widget, QPalette::ColorRole role) {
        return widget->palette().color(role);
    };
    EXPECT_EQ(colour(w.clientArea(), QPalette::Window), QColor(224, 224, 224));

    EXPECT_EQ(w.field(model::Field::v0)->toolTip(), "начальная скорость "); // trailing space
    EXPECT_EQ(w.findChild<QLabel*>("Label11")->text(), "ρ o ="); // Greek, spaced small Latin o
    // Results sit in cyan boxes, linear drag in blue, quadratic drag in red.
    const QLabel* quadratic = w.result(model::Quantity::VyEnd2);
    EXPECT_EQ(colour(quadratic, QPalette::Window), QColor(192, 255, 255));
    EXPECT_EQ(quadratic->frameShape(), QFrame::Box);
    EXPECT_EQ(colour(quadratic, quadratic->foregroundRole()), QColor(255, 0, 0));
    const QLabel* linear = w.result(model::Quantity::Tmax1);
    EXPECT_EQ(colour(linear, linear->foregroundRole()), QColor(0, 0, 255));
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
    EXPECT_EQ(chain.join(' '), "CmdOK Text2 Text1 Text3 Text4 Text5 Text6 Text7 Option1 Option2 "
                               "Option3 HScroll1 VScroll1 Command1");
    window.layoutControls();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.cmdOK());
}

// The menus in order ("-" a separator) with their shortcuts: the real-window tests and the
// instructions count on these places. «Файл» and «Помощь» show images; every graph pane offers
// «Инструменты» in its context menu; each menu has its own Alt letter.
TEST(MainWindow, MenusInOrder) {
    MainWindow window;
    QStringList menus;
    QSet<QChar> letters;
    for (const QAction* title : window.menuBar()->actions()) {
        letters.insert(title->text().at(title->text().indexOf('&') + 1).toLower());
        QStringList items;
        for (const QAction* a : title->menu()->actions()) {
            items << (a->isSeparator() ? QStringLiteral("-")
                                       : (a->text() + ' ' + a->shortcut().toString()).trimmed());
            EXPECT_EQ(a->icon().isNull(), a->isSeparator() || title->menu() == window.toolsMenu())
                << a->text().toStdString();
        }
        menus << title->text() + ": " + items.join('|');
    }
    EXPECT_EQ(menus.join('\n').toStdString(),
              "&Файл: Справка1|Справка2|История|-|Выход\n"
              "&Инструменты: Сохранить график… Ctrl+S|Копировать график|Сохранить данные…|-|"
              "Копировать результаты Ctrl+Shift+C|-|Печать… Ctrl+P|Сохранить отчёт (PDF)…|-|"
              "Сравнивать броски|Очистить сравнение|-|Исследование зависимости…\n"
              "&Помощь: Инструкция|Управление|-|Авторы|О программе|Регистрация");
    EXPECT_EQ(letters.size(), 3);
    for (const ui::Graph g : {ui::Graph::trajectory, ui::Graph::vx, ui::Graph::vy}) {
        EXPECT_EQ(window.pane(g)->contextMenuPolicy(), Qt::ActionsContextMenu);
        EXPECT_EQ(window.pane(g)->actions(), window.toolsMenu()->actions());
    }
}
