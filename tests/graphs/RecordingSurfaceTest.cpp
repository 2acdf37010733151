#include "graphs/RecordingSurface.h"

#include <gtest/gtest.h>

using graphs::RecordingSurface;
using graphs::SurfaceCall;

TEST(RecordingSurface, KeepsEveryCallInOrderWithItsArguments) {
    RecordingSurface s;
    s.clear();
    s.setScale(0, 1, 2, 0);
    s.setPenWidth(3);
    s.drawLine(0, 1, 0.1f, 0, QColor(0, 0, 255));
    s.drawLineTo(2, 0.5f, QColor(255, 0, 0));
    s.drawPoint(0.25f, 0.07f);
    s.drawPoint(0.25f, 0.07f, QColor(0, 0, 0));
    s.moveTo(1, 1);
    s.printText(QStringLiteral("Х, м"));
    s.placeMarker(0, 0.1);

    const std::vector<SurfaceCall> expected{
        SurfaceCall::clear(),
        SurfaceCall::setScale(0, 1, 2, 0),
        SurfaceCall::setPenWidth(3),
        SurfaceCall::line(0, 1, 0.1f, 0, QColor(0, 0, 255)),
        SurfaceCall::lineTo(2, 0.5f, QColor(255, 0, 0)),
        SurfaceCall::point(0.25f, 0.07f),
        SurfaceCall::point(0.25f, 0.07f, QColor(0, 0, 0)),
        SurfaceCall::moveTo(1, 1),
        SurfaceCall::print(QStringLiteral("Х, м")),
        SurfaceCall::marker(0, 0.1),
    };
    EXPECT_EQ(s.calls(), expected) << s.dump();

    // Single precision is kept: 0.1f is not 0.1, and a dot without colour differs from a black one.
    EXPECT_NE(SurfaceCall::line(0, 1, 0.1f, 0, Qt::blue).args[2], 0.1);
    EXPECT_FALSE(s.calls()[5] == s.calls()[6]);
    EXPECT_FALSE(SurfaceCall::print("a") == SurfaceCall::print("b"));

    EXPECT_EQ(s.calls()[3].describe(), "drawLine(0, 1, 0.100000001, 0, #0000ff)");
    EXPECT_EQ(s.calls()[8].describe(), "printText(\"Х, м\")");
    EXPECT_EQ(s.dump().substr(0, 20), "0: clear()\n1: setSca");

    s.forget();
    EXPECT_TRUE(s.calls().empty());
}
