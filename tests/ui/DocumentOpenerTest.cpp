#include "ui/platform/DocumentOpener.h"

#include <gtest/gtest.h>

// Editors that cannot be started are passed over; when none starts the menu must be told.
TEST(DesktopDocumentOpener, FirstEditorThatStartsOrFalse) {
    const QString missing = QStringLiteral("/nonexistent/ballflight-editor");
    const QString file = QStringLiteral("instruction.txt");
    EXPECT_FALSE(
        ui::DesktopDocumentOpener({missing, QStringLiteral("ballflight-no-such-editor")}, false)
            .openInEditor(file));
    EXPECT_FALSE(ui::DesktopDocumentOpener({}, false).openInEditor(file));
#ifndef Q_OS_WIN
    EXPECT_TRUE(ui::DesktopDocumentOpener({missing, QStringLiteral("/bin/true")}, false)
                    .openInEditor(file));
#endif
}
