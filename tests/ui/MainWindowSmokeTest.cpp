#include "ui/MainWindow.h"

#include <gtest/gtest.h>

TEST(MainWindow, HasTheProgramTitle) {
    ui::MainWindow window;
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("Траектория движения шара")));
}
