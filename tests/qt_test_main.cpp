#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// GUI tests need a QApplication; they run on the offscreen platform unless told otherwise, and
// keep their settings away from the user's.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
