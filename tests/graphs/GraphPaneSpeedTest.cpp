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
    for (const int points : {0, 10000, 1000000}) {
        graphs::GraphPane pane;
        pane.resize(1920, 1080);
        pane.setScale(0, 1, 2, 0);
        graphs::axes(pane, 0, 1, 2, 0, 0.1, '.');
        pane.setPenWidth(3);
        pane.drawPoint(0, 0.1f, graphs::quadraticDragColour);
        for (int i = 1; i <= points; ++i) {
            const double x = 1.5 * i / points;
            pane.drawLineTo(float(x), float(0.1 + x - x * x / 1.5 * 0.9),
                            graphs::quadraticDragColour);
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
        std::printf("%d points at 1920 x 1080: %.2f ms\n", points, best);
        if (const QByteArray name = qgetenv("BALLFLIGHT_PANE_IMAGE"); !name.isEmpty())
            pane.toImage(QSize(720, 400)).save(QString::fromLocal8Bit(name));
    }
}
