#include "ui/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

    EXPECT_EQ(w.field(2)->toolTip(), "начальная скорость "); // with its trailing space
    EXPECT_EQ(w.label("Label11")->text(), "ρ o =");          // Greek, spaced small Latin o
    // Results sit in cyan boxes, linear drag in blue, quadratic drag in red.
    const QLabel* quadratic = w.label("Label42");
    EXPECT_EQ(background(quadratic), QColor(192, 255, 255));
    EXPECT_EQ(quadratic->frameShape(), QFrame::Box);
    EXPECT_EQ(quadratic->palette().color(quadratic->foregroundRole()), QColor(255, 0, 0));
    const QLabel* linear = w.label("Label26");
    EXPECT_EQ(linear->palette().color(linear->foregroundRole()), QColor(0, 0, 255));

    for (const auto& [widget, weight] :
         {std::pair<QWidget*, int>{w.cmdOK(), 700}, {w.field(5), 400}}) {
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
