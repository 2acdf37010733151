#include "graphs/Axes.h"
#include "graphs/GraphPane.h"

#include <QElapsedTimer>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

// Paint times of a full-screen pane holding long curves. Not part of the regular run (times
// depend on the machine): run with --gtest_also_run_disabled_tests; set BALLFLIGHT_PANE_IMAGE
// to a file name to keep the picture.
TEST(GraphPaneSpeed, DISABLED_PaintTimes) {
    // The smooth arc thins to a few vertices; the wave (60 swings across the pane) keeps
    // about one vertex per pixel.
    for (const int points : {0, 10000, 1000000, -10000, -1000000}) {
        const bool wave = points < 0;
        graphs::GraphPane pane;
        pane.resize(1920, 1080);
        pane.setScale(0, 1, 2, 0);
        graphs::axes(pane, 0, 1, 2, 0, 0.1, '.');
        pane.setPenWidth(3);
        pane.drawPoint(0, 0.1f, graphs::quadraticDragColour);
        const int n = std::abs(points);
        for (int i = 1; i <= n; ++i) {
            const double x = 1.5 * i / n;
            const double y = wave ? 0.5 + 0.4 * std::sin(x * 250) : 0.1 + x - x * x / 1.5 * 0.9;
            pane.drawLineTo(float(x), float(y), graphs::quadraticDragColour);
        }
        QImage image(pane.size(), QImage::Format_ARGB32_Premultiplied);
        double best = 1e9;
        for (int round = 0; round < 5; ++round) {
            QPainter painter(&image);
            QElapsedTimer timer;
            timer.start();
            pane.paintDrawing(painter, image.size());
            painter.end();
            best = std::min(best, timer.nsecsElapsed() / 1e6);
        }
        std::printf("%d points (%s) at 1920 x 1080: %.2f ms\n", n, wave ? "wave" : "arc", best);
        if (const QByteArray name = qgetenv("BALLFLIGHT_PANE_IMAGE"); !name.isEmpty())
            pane.toImage(QSize(720, 400)).save(QString::fromLocal8Bit(name));
    }
}
