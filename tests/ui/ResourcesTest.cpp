#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

namespace {

struct Picture {
    const char* path;
    QSize size;
};

// The window icon, the nine menu images and the authors portrait, at the sizes they are shown.
const Picture kPictures[] = {
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
    {":/images/authors_portrait.svg", {150, 180}},
};

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255;
    return count;
}

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            set.insert(image.pixel(x, y));
    return set;
}

} // namespace

TEST(Resources, SvgSupportIsAvailable) {
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("svg"));
    // Menus ask the icon for a pixmap; both the usual and the small menu size must come out.
    const QIcon gear(QStringLiteral(":/images/gear.svg"));
    EXPECT_FALSE(gear.pixmap(32, 32).isNull());
    EXPECT_FALSE(gear.pixmap(16, 16).isNull());
    EXPECT_FALSE(QPixmap(QStringLiteral(":/images/authors_portrait.svg")).isNull());
}

TEST(Resources, EveryPictureLoadsAtItsSizeAndIsNotBlank) {
    QSet<QByteArray> seen;
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.path);
        const QImage image(QString::fromLatin1(picture.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);

        const QPixmap fromIcon = QIcon(QString::fromLatin1(picture.path)).pixmap(picture.size);
        ASSERT_FALSE(fromIcon.isNull());
        EXPECT_EQ(fromIcon.size(), picture.size);

        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        EXPECT_GT(opaquePixels(argb), argb.width() * argb.height() / 8);
        EXPECT_GT(colours(argb).size(), 1);

        // Two entries that load the same file would give the same pixels.
        const QByteArray bits(reinterpret_cast<const char*>(argb.constBits()), argb.sizeInBytes());
        EXPECT_FALSE(seen.contains(bits)) << "same picture as an earlier entry";
        seen.insert(bits);
    }
}

TEST(Resources, TableIsBlackAndWhiteOnly) {
    const QImage image =
        QImage(QStringLiteral(":/images/table.svg")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    const QSet<QRgb> found = colours(image);
    EXPECT_EQ(found, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
}
