#include "ui/AuthorsWindow.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

TEST(AuthorsWindow, PortraitAndTextInPlace) {
    ui::AuthorsWindow form;
    EXPECT_EQ(form.objectName(), "Form2");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Авторы"));
    EXPECT_TRUE(form.isWindow());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.size(), QSize(222, 297));

    const auto* image = form.findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(32, 8, 150, 180));
    // The portrait is shown whenever it is compiled in.
    if (QFile::exists(QStringLiteral(":/images/authors_portrait.svg")))
        EXPECT_FALSE(image->pixmap().isNull());

    const auto* text = form.findChild<QLabel*>("Label1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(), QRect(8, 200, 209, 81));
    EXPECT_EQ(form.authorsText(), "Label1");
    form.setAuthorsText(QStringLiteral("Авторы программы"));
    EXPECT_EQ(text->text(), QStringLiteral("Авторы программы"));
}
