// The picture a pane keeps and paints step by step against the whole drawing rendered afresh.
// The window test runs twice: at the screen's device pixel ratio and at 2 (QT_SCALE_FACTOR).
#include "graphs/DisplayList.h"
#include "graphs/GraphPane.h"
#include "graphs/PaneCache.h"

#include <QCoreApplication>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QColor black(0, 0, 0), red(255, 0, 0), blue(0, 0, 255);

bool samePixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(PanePictureWindow, ChangesOfSizeAndClearsRenderOnceAndOverlaysRenderNothing) {
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

    QPoint crosshair(-1, -1);
    pane->setOverlayPainter([&](QPainter& p, QSize size) {
        p.setPen(red);
        p.drawLine(crosshair.x(), 0, crosshair.x(), size.height());
    });
    for (int x : {40, 120}) {
        crosshair = QPoint(x, 0);
        pane->updateOverlay();
        QCoreApplication::processEvents();
    }
    QImage shot = pane->grab().toImage();
    EXPECT_EQ(shot.pixelColor(120, 20), red);
    EXPECT_EQ(shot.pixelColor(40, 20), QColor(255, 255, 255)); // the old one is gone
    EXPECT_EQ(shot.pixelColor(60, 50), blue);
    EXPECT_EQ(pane->pictureRenders(), 1);

    pane->resize(220, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->pictureRenders(), 2);
    pane->clear();
    pane->drawLine(0, 20, 200, 20, red);
    pane->drawLine(0, 80, 200, 80, red);
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->pictureRenders(), 3);
    pane->setOverlayPainter({});
    pane->resize(150, 80); // on the memory of the larger picture
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->pictureRenders(), 4);
    shot = pane->grab().toImage();
    EXPECT_TRUE(samePixels(shot, pane->toImage(pane->size(), pane->devicePixelRatioF())));
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
