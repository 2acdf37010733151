#include "graphs/GraphPane.h"
#include "graphs/Axes.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>

using graphs::GraphPane;

// Readable failure messages.
void PrintTo(const QColor& c, std::ostream* out) {
    *out << "rgba(" << c.red() << ", " << c.green() << ", " << c.blue() << ", " << c.alpha() << ")";
}
void PrintTo(const QRect& r, std::ostream* out) {
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

namespace {

const QColor white(255, 255, 255);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// A pane 200 × 100 px showing x from 0 to 2 and y from 0 to 1 (the default trajectory pane).
void setUp(GraphPane& pane) {
    pane.resize(200, 100);
    pane.setScale(0, 1, 2, 0);
}

// Whether a dark pixel (as text leaves) lies in the rectangle.
bool hasDark(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

} // namespace

TEST(GraphPane, KeepsItsForegroundColour) {
    graphs::GraphPane pane;
    pane.setForegroundColour(QColor(1, 2, 3));
    EXPECT_EQ(pane.foregroundColour(), QColor(1, 2, 3));
}

TEST(GraphPane, ReplaysLinesOnWhiteAndClipsAtTheEdge) {
    GraphPane pane;
    setUp(pane);
    pane.setPenWidth(5);
    pane.drawLine(0.5f, 0.5f, 5, 0.5f, blue); // runs far beyond the right edge
    const QImage image = pane.toImage();
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(at(image, 10, 10), white);
    EXPECT_EQ(at(image, 20, 50), white); // left of the start
    for (int row : {48, 50, 52})         // 5 px centred on row 50
        EXPECT_EQ(at(image, 120, row), blue) << row;
    EXPECT_EQ(at(image, 120, 46), white);
    EXPECT_EQ(at(image, 120, 54), white);
    EXPECT_EQ(at(image, 199, 50), blue);

    // On the screen the pane's parent keeps its own colour beside the pane.
    QWidget parent;
    parent.resize(300, 100);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(10, 200, 10));
    parent.setPalette(pal);
    pane.setParent(&parent);
    pane.move(0, 0);
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixelColor(150, 50), blue);
    EXPECT_EQ(shot.pixelColor(250, 50), QColor(10, 200, 10));
    pane.setParent(nullptr); // the pane lives on the stack
}

TEST(GraphPane, KeepsItsDrawingWhileHiddenAndRedrawsAfterResize) {
    QWidget window;
    window.resize(500, 300);
    auto* pane = new GraphPane(&window);
    setUp(*pane);
    window.show();
    pane->setPenWidth(3);
    pane->drawLine(0, 0.5f, 2, 0.5f, blue);
    pane->hide();
    pane->drawLine(1, 0, 1, 1, red); // drawn while hidden
    pane->show();
    QImage shot = pane->grab().toImage();
    EXPECT_EQ(shot.pixelColor(50, 50), blue);
    EXPECT_EQ(shot.pixelColor(100, 20), red);

    const std::size_t items = pane->itemCount();
    pane->resize(400, 200);
    shot = pane->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(400, 200));
    EXPECT_EQ(shot.pixelColor(100, 100), blue);
    EXPECT_EQ(shot.pixelColor(200, 40), red);
    EXPECT_EQ(shot.pixelColor(100, 50), white);
    EXPECT_EQ(pane->itemCount(), items); // nothing was recomputed

    pane->clear();
    EXPECT_EQ(pane->itemCount(), 0u);
    EXPECT_EQ(pane->toImage().pixelColor(100, 100), white);
}

TEST(GraphPane, ZeroSpanKeepsTheCoordinateSystem) {
    GraphPane pane;
    setUp(pane);
    pane.setPenWidth(3);
    pane.drawLine(0, 0.5f, 1, 0.5f, blue);
    pane.setScale(0, 1, 0, 0); // horizontal factor 0
    pane.setScale(0, 0, 2, 0); // vertical factor 0
    EXPECT_EQ(pane.transform().right(), 2);
    EXPECT_EQ(pane.transform().top(), 1);
    pane.drawLine(1, 0.25f, 2, 0.25f, red); // still lands where the old system puts it
    const QImage image = pane.toImage();
    EXPECT_EQ(at(image, 50, 50), blue);
    EXPECT_EQ(at(image, 150, 75), red);

    // Coordinates far outside or not numbers at all are skipped, the rest still shows.
    pane.drawLine(-1e30f, 0.75f, 1e30f, 0.75f, red);
    pane.drawLineTo(std::numeric_limits<float>::quiet_NaN(), 0.5f, blue);
    pane.drawLineTo(1, 0.9f, blue);
    const QImage again = pane.toImage();
    EXPECT_EQ(at(again, 30, 25), red);
    EXPECT_EQ(at(again, 50, 50), blue);

    // Nothing breaks on a pane without pixels either.
    pane.resize(0, 0);
    EXPECT_TRUE(pane.toImage().isNull());
    pane.repaint();
}

TEST(GraphPane, LaterCoordinateSystemsDoNotMoveEarlierDrawing) {
    GraphPane pane;
    setUp(pane);
    pane.setPenWidth(3);
    pane.drawLine(0, 0.5f, 1, 0.5f, blue); // left half, mid-height
    pane.setScale(0, 10, 10, 0);
    pane.drawLine(5, 2, 10, 2, red); // right half, row 80
    const QImage image = pane.toImage();
    EXPECT_EQ(at(image, 50, 50), blue);
    EXPECT_EQ(at(image, 150, 80), red);
    EXPECT_EQ(at(image, 150, 50), white);
}

TEST(GraphPane, JoinsLinePiecesOfOneColourAndWidth) {
    GraphPane pane;
    setUp(pane);
    pane.setPenWidth(3);
    pane.drawPoint(0, 0.1f, blue);
    for (int i = 1; i <= 1000; ++i)
        pane.drawLineTo(i * 0.002f, 0.1f + i * 0.0005f, blue);
    EXPECT_EQ(pane.itemCount(), 2u); // the dot and one polyline
    EXPECT_EQ(pane.currentPosition(), QPointF(2.0f, 0.6f));
    pane.drawLine(2.0f, 0.6f, 2.0f, 0.0f, blue); // continues from the current position
    EXPECT_EQ(pane.itemCount(), 2u);
    pane.drawLineTo(1, 0, red); // another colour
    pane.setPenWidth(1);
    pane.drawLineTo(0, 0, red); // another width
    pane.moveTo(1, 1);
    pane.drawLineTo(0, 1, red);
    EXPECT_EQ(pane.itemCount(), 5u);

    // Thinning at paint time leaves the long curve unbroken.
    const QImage image = pane.toImage();
    for (int x : {10, 60, 110, 160, 195}) {
        const double y = 0.1 + x / 100.0 * 0.25; // the curve's height at column x
        const int row = int((1 - y) * 100);
        EXPECT_EQ(at(image, x, row), blue) << x;
    }
}

TEST(GraphPane, NearlyFlatLongCurveOverALineHasTheEdgeOfAStraightLine) {
    // A curve of 1100 points, all but level, over a black line of the same height and width
    // (a velocity that hardly changes, over the vacuum one) must look like one straight line:
    // no beads along its edge where the line beneath shows through.
    auto paint = [](float y, int points) {
        GraphPane pane;
        pane.resize(420, 60);
        pane.setScale(0, 60, 420, 0); // one unit per pixel
        pane.setPenWidth(3);
        pane.drawLine(0, y, 420, y, QColor(0, 0, 0));
        pane.drawPoint(10, y, blue);
        for (int i = 1; i <= points; ++i)
            pane.drawLineTo(float(10 + 400.0 * i / points), y - 0.0015f * i / points, blue);
        return pane.toImage();
    };
    for (const float y : {30.0f, 30.25f, 30.5f, 30.37f}) {
        const QImage straight = paint(y, 1), curve = paint(y, 1100);
        int differing = 0;
        for (int row = 0; row < 60; ++row)
            for (int x = 20; x < 400; ++x)
                differing +=
                    std::abs(qBlue(curve.pixel(x, row)) - qBlue(straight.pixel(x, row))) +
                        std::abs(qRed(curve.pixel(x, row)) - qRed(straight.pixel(x, row))) >
                    8;
        EXPECT_EQ(differing, 0) << y;
    }
}

TEST(GraphPane, ThinnedCurveKeepsItsSpikesAndTurns) {
    GraphPane pane;
    pane.resize(200, 100);
    pane.setScale(0, 100, 200, 0);
    pane.setPenWidth(1);
    pane.drawPoint(10, 50, blue);
    for (int i = 1; i <= 340; ++i) // out to x = 180 and back along itself to x = 100 ...
        pane.drawLineTo(10 + i * 0.5f, 50, blue);
    for (int i = 1; i <= 80; ++i)
        pane.drawLineTo(float(180 - i), 50, blue);
    pane.drawLineTo(100, 90, blue); // ... then up
    for (int i = 1; i <= 60; ++i)   // a level run with a one-point spike 5 px high
        pane.drawLineTo(100 + i * 0.5f, i == 30 ? 85.0f : 90.0f, blue);
    const QImage image = pane.toImage();
    EXPECT_LT(qRed(image.pixel(178, 50)), 60); // the far end before the turn back
    EXPECT_EQ(at(image, 100, 30), blue);
    EXPECT_LT(qRed(image.pixel(115, 15)), 128); // the spike's tip
    EXPECT_EQ(at(image, 120, 10), blue);
    EXPECT_EQ(at(image, 110, 15), white);
}

TEST(GraphPane, DotsAreRoundAndTextHangsFromTheCurrentPosition) {
    GraphPane pane;
    pane.resize(200, 100);
    pane.setScale(0, 0, 200, 100); // one unit per pixel, y downward
    pane.setPenWidth(9);
    pane.drawPoint(100, 50); // foreground black by default
    EXPECT_EQ(pane.currentPosition(), QPointF(100, 50));
    pane.setForegroundColour(red);
    pane.moveTo(20, 30);
    pane.printText(QStringLiteral("Шм"));
    const QImage image = pane.toImage();
    EXPECT_EQ(at(image, 100, 50), QColor(0, 0, 0));
    EXPECT_LT(qGray(image.pixel(100, 46)), 40); // 4 px up: inside the 9 px disc
    EXPECT_EQ(at(image, 96, 46), white);        // the corner of its square is not
    EXPECT_TRUE(hasDark(image, QRect(20, 30, 30, 20)));
    EXPECT_FALSE(hasDark(image, QRect(0, 0, 200, 30)));
    EXPECT_FALSE(hasDark(image, QRect(0, 30, 20, 20)));
    QColor reddest = white;
    for (int y = 30; y < 50; ++y)
        for (int x = 20; x < 50; ++x)
            if (at(image, x, y).green() < reddest.green())
                reddest = at(image, x, y);
    EXPECT_GT(reddest.red(), 200);
    EXPECT_LT(reddest.green(), 60);

    EXPECT_EQ(pane.font().family(), QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(pane.font().pointSizeF(), 11.25);
}

TEST(GraphPane, RendersSharplyAtTwiceThePixelDensity) {
    GraphPane pane;
    setUp(pane);
    pane.setPenWidth(1);
    pane.drawLine(0, 0.5f, 2, 0.5f, blue);
    const QImage image = pane.toImage(QSize(200, 100), 2.0);
    ASSERT_EQ(image.size(), QSize(400, 200));
    EXPECT_EQ(at(image, 100, 101), blue); // one logical pixel = rows 100 and 101
    EXPECT_EQ(at(image, 100, 100), blue);
    EXPECT_EQ(at(image, 100, 98), white);
}

TEST(GraphPane, MarkerIsARedCircleCentredOnItsUserPoint) {
    GraphPane pane;
    EXPECT_EQ(pane.marker(), nullptr);
    pane.placeMarker(1, 0.5); // ignored without a marker
    pane.enableMarker();
    QWidget* marker = pane.marker();
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->objectName(), QStringLiteral("Shape1"));
    EXPECT_EQ(marker->size(), QSize(10, 10));
    EXPECT_EQ(marker->parentWidget(), &pane);
    EXPECT_EQ(marker->grab().toImage().pixelColor(5, 5), red);

    setUp(pane);
    pane.show(); // a hidden widget learns its new size only when shown
    pane.placeMarker(1, 0.5);
    EXPECT_EQ(marker->geometry(), QRect(95, 45, 10, 10));
    pane.resize(400, 200); // follows the pane
    EXPECT_EQ(marker->geometry(), QRect(195, 95, 10, 10));
    pane.setScale(0, 1, 4, 0);
    EXPECT_EQ(marker->pos(), QPoint(95, 95));
    pane.setScale(0, 1, 0, 0); // ignored
    EXPECT_EQ(marker->pos(), QPoint(95, 95));
    pane.placeMarker(1e300, -1e300); // far off the pane, where it cannot be seen
    EXPECT_FALSE(pane.rect().intersects(marker->geometry()));
}

TEST(GraphPane, DownwardThrowHidesTheLabelsHangingFromTheTimeAxis) {
    // Time labels hang down from y = 0: seen when the pane's top is 0, clipped when it is -1.
    auto labelsShow = [](double top) {
        GraphPane pane;
        pane.resize(200, 200);
        pane.setScale(0, top, 1, top - 4);
        graphs::axes_3(pane, 0, top, 1, top - 4, '.');
        return hasDark(pane.toImage(), QRect(100, 0, 80, 8));
    };
    EXPECT_TRUE(labelsShow(0));
    EXPECT_FALSE(labelsShow(-1));
}
