#include <QIcon>
#include <QImage>
#include <QPixmap>
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
    const std::pair<const char*, QSize> pictures[] = {
        {":/images/app_icon.svg", {32, 32}},
        {":/images/book.svg", {32, 32}},
        {":/images/table.svg", {32, 32}},
        {":/images/power.svg", {32, 32}},
        {":/images/booklet_globe.svg", {32, 32}},
        {":/images/gear.svg", {32, 32}},
        {":/images/portrait.svg", {32, 32}},
        {":/images/question.svg", {32, 32}},
        {":/images/seal.svg", {32, 32}},
        {":/images/engraving.svg", {21, 32}},
        {":/images/authors_portrait.svg", {150, 180}}};
    QSet<QByteArray> seen;
    for (const auto& [path, size] : pictures) {
        SCOPED_TRACE(path);
        const QImage image =
            QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), size);
        // Menus ask the icon for a pixmap, at the usual and the small menu size.
        EXPECT_EQ(QIcon(QString::fromLatin1(path)).pixmap(size).size(), size);
        EXPECT_FALSE(QIcon(QString::fromLatin1(path)).pixmap(16, 16).isNull());
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
    }
    const QImage table =
        QImage(QStringLiteral(":/images/table.svg")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(colours(table), (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
}
