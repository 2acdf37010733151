#include <QIcon>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

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
    const std::pair<const char*, QSize> pictures[] = {{"app_icon", {32, 32}},
                                                      {"book", {32, 32}},
                                                      {"table", {32, 32}},
                                                      {"power", {32, 32}},
                                                      {"booklet_globe", {32, 32}},
                                                      {"gear", {32, 32}},
                                                      {"portrait", {32, 32}},
                                                      {"question", {32, 32}},
                                                      {"seal", {32, 32}},
                                                      {"engraving", {21, 32}},
                                                      {"authors_portrait", {150, 180}}};
    QSet<QByteArray> seen;
    for (const auto& [name, size] : pictures) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral(":/images/%1.svg").arg(name);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), size);
        // Menus ask the icon for a pixmap, at the usual and the small menu size.
        EXPECT_EQ(QIcon(path).pixmap(size).size(), size);
        EXPECT_FALSE(QIcon(path).pixmap(16, 16).isNull());
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, image.width() * image.height() / 8);
        EXPECT_GT(colours(image).size(), 1);
        // Two entries that load the same file would give the same pixels.
        const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                              image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bits)) << "same picture as an earlier entry";
        seen.insert(bits);
        if (QByteArray(name) == "table") {
            EXPECT_EQ(colours(image), (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        }
    }
}
