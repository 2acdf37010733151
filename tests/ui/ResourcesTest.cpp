#include <QIcon>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include <vector>

namespace {

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            set.insert(image.pixel(x, y));
    return set;
}

} // namespace

TEST(Resources, EveryPictureLoadsAtItsSizeAndIsNotBlank) {
    // The window icon, the nine menu images and the authors portrait, at their shown sizes.
    std::vector<std::pair<QString, QSize>> pictures{{"engraving", {21, 32}},
                                                    {"authors_portrait", {150, 180}}};
    for (const char* name : {"app_icon", "book", "table", "power", "booklet_globe", "gear",
                             "portrait", "question", "seal"})
        pictures.push_back({name, {32, 32}});
    for (const auto& [name, size] : pictures) {
        SCOPED_TRACE(name.toStdString());
        const QString path = QStringLiteral(":/images/%1.svg").arg(name);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), size);
        // Menus ask the icon for a pixmap, at the usual and the small menu size.
        EXPECT_EQ(QIcon(path).pixmap(size).size(), size);
        EXPECT_FALSE(QIcon(path).pixmap(16, 16).isNull());
        EXPECT_GT(colours(image).size(), 1); // not blank
        if (name == "table") {
            EXPECT_EQ(colours(image), (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        }
    }
}
