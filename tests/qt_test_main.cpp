#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// GUI tests need a QApplication; they run on the offscreen platform unless told otherwise, and
// keep their settings away from the user's.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    // The program speaks the machine's language at its first start: tests expect its own first,
    // Russian, whatever the machine's (C for messages), and choose English where they want it.
    // The locale for numbers stays the machine's.
    if (const QByteArray all = qgetenv("LC_ALL"); !all.isEmpty()) {
        qputenv("LANG", all);
        qunsetenv("LC_ALL");
    }
    qunsetenv("LANGUAGE");
    qputenv("LC_MESSAGES", "C");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
