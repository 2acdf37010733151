#include "graphs/Axes.h"
#include "graphs/GraphPane.h"

#include <QElapsedTimer>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

// Paint times of a full-screen pane holding a smooth arc (thins to a few vertices) or a wave
// (about one vertex per pixel). Run with --gtest_also_run_disabled_tests.
TEST(GraphPaneSpeed, DISABLED_PaintTimes) {
    for (const int points : {10000, 1000000, -10000, -1000000}) {
        graphs::GraphPane pane;
        pane.resize(1920, 1080);
        pane.setScale(0, 1, 2, 0);
        graphs::axes(pane, 0, 1, 2, 0, 0.1, '.');
        pane.setPenWidth(3);
        pane.drawPoint(0, 0.1f, graphs::quadraticDragColour);
        const int n = std::abs(points);
        for (int i = 1; i <= n; ++i) {
            const double x = 1.5 * i / n;
            const double y = points < 0 ? 0.5 + 0.4 * std::sin(x * 250) : 0.1 + x - x * x * 0.6;
            pane.drawLineTo(float(x), float(y), graphs::quadraticDragColour);
        }
        QImage image(pane.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        QElapsedTimer timer;
        timer.start();
        pane.paintDrawing(painter, image.size());
        std::printf("%d points: %.2f ms\n", points, timer.nsecsElapsed() / 1e6);
    }
}
