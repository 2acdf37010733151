// The pane's drawing in pixels, and the picture it keeps and paints step by step against the
// whole drawing rendered afresh. The PanePictureWindow tests run twice: at the screen's device
// pixel ratio and at 2 (QT_SCALE_FACTOR).

#include "graphs/GraphPane.h"
#include "graphs/DisplayList.h"
#include "graphs/PaneCache.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPromise>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <tuple>
#include <vector>

using graphs::GraphPane;

namespace {

const QColor white(255, 255, 255), black(0, 0, 0), blue(0, 0, 255), red(255, 0, 0);

// A pane w × h px whose user units are pixels (y upward) or the default trajectory pane.
void setUp(GraphPane& pane, int w = 200, int h = 100, bool pixels = false) {
    pane.resize(w, h);
    pane.setScale(0, pixels ? h : 1, pixels ? w : 2, 0);
}

// Whether a pixel in the rectangle is dark (as text leaves), or of the text's red.
bool hasDark(const QImage& image, const QRect& area, bool red = false) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (red ? qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 60
                    : qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

// Pixels x, y of the image and the colours they must have.
void expectPixels(const QImage& image, std::initializer_list<std::tuple<int, int, QColor>> pixels) {
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(image.pixelColor(x, y), colour) << x << ", " << y;
}

bool samePixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// A pane's background renders, held until the test runs them on its own thread.
struct HeldJobs {
    std::vector<std::pair<std::function<void()>, std::shared_ptr<QPromise<void>>>> jobs;

    GraphPane::BackgroundRunner runner() {
        return [this](std::function<void()> job) {
            auto promise = std::make_shared<QPromise<void>>();
            promise->start();
            jobs.emplace_back(std::move(job), promise);
            return promise->future();
        };
    }
    std::size_t runAll() {
        const auto held = std::move(jobs);
        jobs.clear();
        for (const auto& [job, promise] : held) {
            job();
            promise->finish();
        }
        QCoreApplication::processEvents(); // the ends reach the pane
        return held.size();
    }
};

} // namespace

TEST(GraphPane, ReplaysOnWhiteClipsAndKeepsDrawingWhileHiddenAndAfterResize) {
    QWidget window; // its own colour shows beside the pane
    window.resize(300, 200);
    window.setAutoFillBackground(true);
    const QColor green(10, 200, 10);
    window.setPalette(QPalette(green));
    auto* pane = new GraphPane(&window);
    setUp(*pane);
    window.show();
    pane->setPenWidth(5);
    pane->drawLine(0.5f, 0.5f, 5, 0.5f, blue); // runs far beyond the right edge
    pane->hide();
    pane->setPenWidth(3);
    pane->drawLine(1.5f, 0, 1.5f, 1, red); // drawn while hidden
    pane->show();
    QImage shot = window.grab().toImage();
    // White left of the start; 5 px centred on row 50 up to the pane's edge; the window beyond.
    expectPixels(shot, {{10, 10, white}, {20, 50, white}, {120, 48, blue}, {120, 52, blue}});
    expectPixels(shot, {{120, 46, white}, {199, 50, blue}, {150, 20, red}, {250, 50, green}});

    pane->resize(300, 200); // replayed at the new size, nothing recomputed
    shot = pane->grab().toImage();
    expectPixels(shot, {{180, 100, blue}, {225, 40, red}, {180, 50, white}});
    pane->clear();
    EXPECT_EQ(pane->toImage().pixelColor(180, 100), white);
}

TEST(GraphPane, ZeroSpanAndLaterSystemsDoNotMoveTheDrawing) {
    GraphPane pane;
    setUp(pane);
    pane.setPenWidth(3);
    pane.drawLine(0, 0.5f, 1, 0.5f, blue);
    pane.setScale(0, 1, 0, 0); // horizontal factor 0: ignored
    pane.setScale(0, 0, 2, 0); // vertical factor 0: ignored
    const double inf = std::numeric_limits<double>::infinity();
    pane.setScale(0, inf, 2, 0); // spans that are not finite numbers: ignored too
    pane.setScale(std::nan(""), 1, 2, 0);
    pane.setScale(-inf, 1, inf, 0);
    pane.drawLine(1, 0.25f, 2, 0.25f, red);
    pane.setScale(0, 10, 10, 0); // a later system leaves earlier drawing where it is
    pane.drawLine(5, 9, 10, 9, red);
    // Coordinates far outside or not numbers at all are skipped, the rest still shows.
    pane.drawLine(-1e30f, 7.5f, 1e30f, 7.5f, red);
    pane.drawLineTo(std::numeric_limits<float>::quiet_NaN(), 5, blue);
    expectPixels(pane.toImage(),
                 {{50, 50, blue}, {150, 75, red}, {150, 10, red}, {30, 25, red}, {150, 50, white}});
}

TEST(GraphPane, NearlyFlatLongCurveOverALineHasTheEdgeOfAStraightLine) {
    // A curve of 1100 points, all but level, over a black line of the same height and width
    // (a velocity that hardly changes, over the vacuum one) must look like one straight line:
    // no beads along its edge where the line beneath shows through.
    auto paint = [](float y, int points) {
        GraphPane pane;
        setUp(pane, 420, 60, true);
        pane.setPenWidth(3);
        pane.drawLine(0, y, 420, y, black);
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
    setUp(pane, 200, 100, true);
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
    EXPECT_LT(qRed(image.pixel(178, 50)), 60);  // the far end before the turn back
    EXPECT_LT(qRed(image.pixel(115, 15)), 128); // the spike's tip
    expectPixels(image, {{100, 30, blue}, {120, 10, blue}, {110, 15, white}});
}

TEST(GraphPane, RoundDotsTextFromTheCurrentPositionAndSharpAtDoubleDensity) {
    GraphPane pane;
    pane.resize(200, 100);
    pane.setScale(0, 0, 200, 100); // one unit per pixel, y downward
    pane.setPenWidth(9);
    pane.drawPoint(100, 50); // foreground black by default
    pane.setForegroundColour(red);
    pane.moveTo(20, 30);
    pane.printText(QStringLiteral("Шм"));
    pane.setPenWidth(1);
    pane.drawLine(0, 80, 200, 80, blue);
    const QImage image = pane.toImage();
    EXPECT_EQ(image.pixelColor(100, 50), black);
    EXPECT_LT(qGray(image.pixel(100, 46)), 40); // 4 px up: inside the 9 px disc
    EXPECT_EQ(image.pixelColor(96, 46), white); // the corner of its square is not
    EXPECT_FALSE(hasDark(image, QRect(0, 0, 200, 30)));
    EXPECT_FALSE(hasDark(image, QRect(0, 30, 20, 20)));
    EXPECT_TRUE(hasDark(image, QRect(20, 30, 30, 20), true)); // in the foreground colour
    EXPECT_EQ(pane.font().family(), QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(pane.font().pointSizeF(), 11.25);

    const QImage doubled = pane.toImage(QSize(200, 100), 2.0);
    ASSERT_EQ(doubled.size(), QSize(400, 200));
    // One logical pixel is rows 160 and 161.
    expectPixels(doubled, {{100, 160, blue}, {100, 161, blue}, {100, 163, white}});
}

TEST(GraphPane, MarkerIsCentredOnItsUserPoint) {
    GraphPane pane;
    pane.placeMarker(1, 0.5); // ignored without a marker
    pane.enableMarker();
    QWidget* marker = pane.marker();
    ASSERT_NE(marker, nullptr); // a red disc: the real-window test of the window at start
    setUp(pane);
    pane.show(); // a hidden widget learns its new size only when shown
    pane.placeMarker(1, 0.5);
    EXPECT_EQ(marker->geometry(), QRect(95, 45, 10, 10));
    pane.resize(400, 200); // follows the pane
    EXPECT_EQ(marker->geometry(), QRect(195, 95, 10, 10));
    pane.setScale(0, 1, 4, 0); // and the coordinate system
    EXPECT_EQ(marker->pos(), QPoint(95, 95));
    pane.placeMarker(1e300, -1e300); // far off the pane, where it cannot be seen
    EXPECT_FALSE(pane.rect().intersects(marker->geometry()));
}

// Overlays (the readout's crosshair) render nothing: ToolCommandsTest's readout and the
// real-window readout test.
TEST(PanePictureWindow, ChangesOfSizeAndClearsRenderOnce) {
    QWidget window;
    window.resize(300, 200);
    auto* pane = new graphs::GraphPane(&window);
    pane->setGeometry(10, 10, 200, 100);
    pane->setScale(0, 100, 200, 0);
    pane->setPenWidth(3);
    pane->drawLine(0, 50, 200, 50, blue);
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->pictureRenders(), 1);
    pane->resize(220, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->pictureRenders(), 2);
    pane->clear();
    pane->drawLine(0, 20, 200, 20, red);
    pane->drawLine(0, 80, 200, 80, red);
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->pictureRenders(), 3);
    pane->resize(150, 80); // on the memory of the larger picture
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->pictureRenders(), 4);
    EXPECT_TRUE(
        samePixels(pane->grab().toImage(), pane->toImage(pane->size(), pane->devicePixelRatioF())));
}

TEST(PanePictureWindow, LargePicturesAreRenderedElsewhereAndTheEarlierOneShownMeanwhile) {
    HeldJobs held;
    QWidget window;
    window.resize(2000, 1200);
    auto* pane = new graphs::GraphPane(&window);
    pane->setGeometry(0, 0, 400, 200);
    pane->setScale(0, 200, 400, 0);
    pane->setPenWidth(3);
    pane->drawLine(0, 100, 400, 100, blue);
    pane->renderLargePicturesWith(held.runner());
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->pictureRenders(), 1); // a small one at once
    EXPECT_TRUE(held.jobs.empty());

    pane->resize(1800, 1200);
    QImage shot = pane->grab().toImage();
    ASSERT_EQ(held.jobs.size(), 1u);
    EXPECT_TRUE(pane->awaitsPicture());
    // The earlier picture stretched: its line across the middle, white above it.
    expectPixels(shot, {{shot.width() / 2, shot.height() / 2, blue},
                        {shot.width() / 2, shot.height() / 4, white}});
    pane->resize(1900, 1200); // while it renders: the pane's latest size wins
    pane->grab();
    EXPECT_EQ(held.runAll(), 1u);
    EXPECT_EQ(pane->pictureRenders(), 1);
    ASSERT_EQ(held.jobs.size(), 1u);
    pane->drawLine(0, 50, 400, 50, red); // drawn while it renders: painted on when it ends
    held.runAll();
    EXPECT_FALSE(pane->awaitsPicture());
    EXPECT_EQ(pane->pictureRenders(), 2);
    EXPECT_TRUE(
        samePixels(pane->grab().toImage(), pane->toImage(pane->size(), pane->devicePixelRatioF())));

    pane->resize(2000, 1200);
    pane->grab();
    ASSERT_EQ(held.jobs.size(), 1u);
    delete pane; // what it rendered finds no pane
    held.runAll();
}

TEST(PanePicture, CurvesGrowingInAnyStepsGiveTheSamePixels) {
    // Zigzags, turns, runs leaving the interior and coming back, thin and wide pens, pieces of
    // more than a thousand vertices, dots and text after a curve: painted in steps of a few
    // points, and at once.
    for (const qreal ratio : {1.0, 2.0}) {
        const QSize size(240, 160);
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(11.25);
        graphs::PaneCache cache;
        cache.setDevice(size, ratio, QPoint(96, 96));
        cache.setFont(font);
        graphs::DisplayList list;
        list.setScale(0, 160, 240, 0);
        unsigned seed = 7;
        auto random = [&] { return (seed = seed * 1103515245u + 12345u) >> 16 & 0x7fff; };
        for (const int width : {1, 3}) {
            list.setPenWidth(width);
            list.dot(120, 80, blue);
            double t = 0;
            for (int i = 0; i < 6000; ++i) {
                t += i % 1500 < 700 ? 0.0002 : 0.02; // stretches of dense points, some coarse
                const float jitter = (random() % 100) / 400.0f;
                const bool away = i % 2000 >= 1000 && i % 2000 < 1010;
                list.lineTo(float(120 + 110 * std::sin(1.3 * t)) + jitter,
                            float(80 + 70 * std::sin(1.7 * t + width)) + (away ? 300 : 0),
                            width == 1 ? blue : red);
                if (random() % 7 == 0)
                    cache.update(list);
            }
            list.text(QStringLiteral("v = 1"), black);
            cache.update(list);
            list.dot(20, 20 * width, blue);
            cache.update(list);
        }
        QImage whole = graphs::blankPaneImage(size, ratio, QPoint(96, 96));
        QPainter painter(&whole);
        list.render(painter, size, font);
        EXPECT_TRUE(samePixels(cache.picture(), whole)) << "×" << ratio;
        EXPECT_EQ(cache.renders(), 1) << "×" << ratio;
    }
}
