#include "model/exact/ExactFlight.h"
#include "model/measure/Comparison.h"
#include "model/measure/TableImport.h"
#include "model/measure/TrackFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace model::measure;
using model::ModelKind;

namespace {

std::vector<Point> pointsOf(const std::string& text, const ImportSettings& fallback = {}) {
    const ImportResult r = importDetected(text, fallback, "test");
    EXPECT_TRUE(r.error.empty()) << r.error;
    return r.measurements ? r.measurements->points : std::vector<Point>{};
}

void expectPoint(const Point& p, double t, double x, double y) {
    EXPECT_NEAR(p.t, t, 1e-12);
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
}

} // namespace

TEST(MeasureImport, EveryUsualShapeReadsWithItsColumnsAndUnits) {
    // A video-analysis export: the tracked object, a bare header, tabs and decimal commas; the
    // caller's unit (cm) stands, the launch moves to t = 0, x = 0, the height stays.
    ImportSettings cm;
    cm.length = LengthUnit::cm;
    const std::string video = "Мяч A\nt\tx\ty\n0,40\t35,2\t120\n0,45\t40,2\t125,5\r\n";
    const TablePreview v = previewTable(video, cm);
    EXPECT_EQ(v.title, "Мяч A");
    EXPECT_EQ(v.header, (std::vector<std::string>{"t", "x", "y"}));
    EXPECT_TRUE(v.decimalComma);
    EXPECT_TRUE(v.columnsFromHeader);
    EXPECT_FALSE(v.lengthFromHeader);
    auto p = pointsOf(video, cm);
    ASSERT_EQ(p.size(), 2u);
    expectPoint(p[0], 0, 0, 1.2);
    expectPoint(p[1], 0.05, 0.05, 1.255);

    // A phone app's CSV: quoted names, a speed column before x and y (its unit is no length),
    // exponents; columns and units from the names.
    const std::string phone = "\"Time (s)\",\"Speed x (m/s)\",\"X (cm)\",\"Y (cm)\"\n"
                              "0,1.5,10,5E1\n0.1,1.4,20,60\n";
    const TablePreview ph = previewTable(phone);
    EXPECT_EQ(ph.separator, ',');
    EXPECT_EQ((std::array{ph.detected.columnT, ph.detected.columnX, ph.detected.columnY}),
              (std::array{0, 2, 3}));
    EXPECT_EQ(ph.detected.length, LengthUnit::cm);
    expectPoint(pointsOf(phone)[1], 0.1, 0.1, 0.6);

    // Semicolons with decimal commas, Russian names with units after a comma.
    const auto ru = pointsOf("Время, мс;y, мм;x, мм\n0;1000;0\n20;1010,5;30\n");
    expectPoint(ru[1], 0.02, 0.03, 1.0105);

    // Names above their units; a CSV with decimal commas in quoted cells.
    const TablePreview two = previewTable("Мяч\nt\tx\ty\nms\tcm\tcm\n0\t0\t1\n");
    EXPECT_EQ(two.title, "Мяч");
    EXPECT_EQ(two.header[1], "x (cm)");
    EXPECT_TRUE(two.lengthFromHeader && two.timeFromHeader && two.columnsFromHeader);
    EXPECT_EQ(two.detected.time, TimeUnit::ms);
    expectPoint(pointsOf("\"t\",\"x\",\"y\"\n\"0\",\"0\",\"1\"\n\"0,5\",\"1,5\",\"2\"\n")[1], 0.5,
                1.5, 2);

    // Blanks without a header, a leading frame count: the first three numeric columns.
    const auto plain = pointsOf("  0   0,0 1,0 0,5\n  1   0,1 1,5 0,9  \n");
    expectPoint(plain[1], 1, 0.1, 1.5); // the frame count is t, as nothing names the columns

    // Rows with a missing or text cell and a repeated time are skipped and counted; the rows are
    // put in time order; the ground may be the lowest point.
    ImportSettings lowest;
    lowest.groundAtLowest = true;
    const auto r = importDetected("t;x;y\n0.2;2;1\n0.1;1;3\n0.3;;1\n0.4;x;1\n0.2;9;9\n0.5;5;0.5\n",
                                  lowest, "test");
    ASSERT_TRUE(r.measurements) << r.error;
    EXPECT_EQ(r.measurements->skipped, 3u);
    ASSERT_EQ(r.measurements->points.size(), 3u);
    expectPoint(r.measurements->points[1], 0.1, 1, 0.5);
    expectPoint(r.measurements->points[2], 0.4, 4, 0);
}

TEST(MeasureImport, MalformedTablesGiveAMessageAndNoPoints) {
    std::string wide = "t";
    for (int i = 0; i < 1000000; ++i)
        wide += "\t1";
    std::string many = "t x y\n";
    for (int i = 0; i <= 100000; ++i)
        many += std::to_string(i) + " 1 2\n";
    constexpr char elf[] = "\x7f"
                           "ELF\x02\x01\x01\0\0\0 1 2 3\n";
    const std::string binary(elf, sizeof elf - 1); // with its zero bytes
    for (const std::string& bad : {std::string(), std::string(" \n\n"), std::string("1\n2\n3\n"),
                                   std::string("1;2\n"), std::string("t x y\nмного текста\n"),
                                   std::string("t x y\n1 2 3\n"), wide, many, binary}) {
        const ImportResult r = importDetected(bad, {}, "test");
        EXPECT_FALSE(r.measurements) << bad.substr(0, 40);
        EXPECT_GT(r.error.size(), 10u) << bad.substr(0, 40); // a sentence, in Russian
        EXPECT_NE(r.error.find("\xD0"), std::string::npos) << r.error;
    }
    // Columns the caller chose that the table does not have, or the same column twice.
    EXPECT_FALSE(importTable("1 2 3\n4 5 6\n", {0, 1, 7}, "test").measurements);
    EXPECT_FALSE(importTable("1 2 3\n4 5 6\n", {0, 1, 1}, "test").measurements);
    EXPECT_FALSE(readTableFile("/nonexistent/throw.tsv").error.empty());
}

TEST(MeasureCompare, VelocitiesAndResiduals) {
    // Central differences are exact on a parabola with uneven spacing; the ends are one-sided.
    std::vector<Point> pts;
    for (const double t : {0.0, 0.1, 0.3, 0.4})
        pts.push_back({t, 2 * t, 1 + 3 * t - 5 * t * t});
    const auto v = velocities(pts);
    ASSERT_EQ(v.size(), 4u);
    EXPECT_NEAR(v[1].vy, (pts[2].y - pts[0].y) / 0.3, 1e-12);
    EXPECT_NEAR(v[0].vy, (pts[1].y - pts[0].y) / 0.1, 1e-12);
    EXPECT_NEAR(v[3].vx, 2, 1e-12);

    // Points on the vacuum flight: no residual for vacuum, a growing one for the media.
    model::Inputs in;
    std::vector<Point> vacuum;
    const double a = in.alphaDeg * 3.14159265 / 180;
    for (double t = 0; t < 0.3; t += 0.01)
        vacuum.push_back(
            {t, in.v0 * std::cos(a) * t, in.h0 + in.v0 * std::sin(a) * t - 9.814 * t * t / 2});
    const Residuals r = residuals(vacuum, in);
    EXPECT_LT(r.vacuum, 1e-9);
    EXPECT_GT(r.quadratic, r.linear);
    EXPECT_GT(r.linear, 1e-6);

    // A stray time of a billion seconds (a typing slip) is compared with where each model's ball
    // lies after landing, and costs no more than any other point; no point is before the launch.
    std::vector<Point> stray = vacuum;
    stray.push_back({1e9, 50, 20});
    for (const ModelKind m : {ModelKind::vacuum, ModelKind::linear, ModelKind::quadratic}) {
        const auto landing = model::exact::flightEnds(in, m).landing;
        const OutsideFlight o = outsideFlight(stray, in, m);
        EXPECT_EQ(o.afterLanding, 1u);
        EXPECT_EQ(o.beforeLaunch, 0u);
        const double n = static_cast<double>(stray.size());
        const double rest = std::hypot(landing.x - 50, 20);
        const double rms = rmsResidual(stray, in, m), before = rmsResidual(vacuum, in, m);
        EXPECT_NEAR(rms * rms * n, before * before * (n - 1) + rest * rest, 1e-9);
    }
}

TEST(MeasureImport, ProjectFilesAndLoggerExports) {
    // A project file written here in the shape its program saves: the calibration changes at
    // frame 4 (turned axes, 4 px/cm), frame 3 has no point, the second track is not read.
    const auto frame = [](int f, const std::string& props) {
        return "<property name=\"[" + std::to_string(f) + "]\" type=\"object\"><object " +
               "class=\"FrameData\">" + props + "</object></property>";
    };
    const auto value = [](const char* name, double v) {
        return std::string("<property name=\"") + name + "\" type=\"double\">" + std::to_string(v) +
               "</property>";
    };
    const auto calibration = [&](int f, double angle, double scale) {
        return frame(f, value("xorigin", 100) + value("yorigin", 400) + value("angle", angle) +
                            value("xscale", scale) + value("yscale", scale));
    };
    const std::string trk =
        "<?xml version=\"1.0\"?>\n<object class=\"TrackerPanel\"><object class=\"VideoClip\">" +
        value("startframe", 2) + value("starttime", 100) + value("frameduration", 40) +
        "</object><object class=\"ImageCoordSystem\"><property name=\"lengthunit\">cm</property>"
        "<property name=\"framedata\" type=\"array\">" +
        calibration(0, 0, 2) + calibration(4, 90, 4) +
        "</property></object><object class=\"PointMass\"><property name=\"name\">mass A"
        "</property><property name=\"framedata\" type=\"array\">" +
        frame(2, value("x", 100) + value("y", 380)) + frame(3, "") +
        frame(4, value("x", 120) + value("y", 360)) +
        "</property></object><object class=\"PointMass\"><property name=\"name\">mass B"
        "</property></object></object>";
    ASSERT_TRUE(looksLikeXml(trk));
    const TrackTable track = trackTable(trk);
    ASSERT_TRUE(track.error.empty()) << track.error;
    EXPECT_EQ(track.tracks, (std::vector<std::string>{"mass A", "mass B"}));
    const ImportResult r = importDetected(track.table, {}, "test");
    ASSERT_TRUE(r.measurements) << r.error;
    const Measurements& m = *r.measurements;
    ASSERT_EQ(m.points.size(), 2u);
    // Frame 2: 20 px above the origin at 2 px/cm; frame 4: the x axis points up, 4 px/cm.
    expectPoint({m.points[0].t + m.origin.t, m.points[0].x + m.origin.x, m.points[0].y}, 0.1, 0,
                0.1);
    EXPECT_NEAR(m.points[1].t + m.origin.t, 0.18, 1e-12);
    EXPECT_NEAR(m.points[1].x + m.origin.x, 0.1, 1e-12);
    EXPECT_NEAR(m.points[1].y, -0.05, 1e-12);
    EXPECT_FALSE(trackTable("<?xml version=\"1.0\"?><object/>").error.empty());
    EXPECT_FALSE(trackTable("<?xml version=\"1.0\"?><object").error.empty());

    // Loggers name the run before a colon; the columns are found by their names in any order.
    const TablePreview logger = previewTable(
        "Data Set 1:Y(m),Data Set 1:Time(s),Run 1: X (cm)\n1,0,0\n1.4,0.1,20\n1.6,0.2,40\n");
    EXPECT_TRUE(logger.columnsFromHeader);
    EXPECT_EQ(
        (std::array{logger.detected.columnT, logger.detected.columnX, logger.detected.columnY}),
        (std::array{1, 2, 0}));
    // A video-analysis export under a decimal-comma locale, with trailing separators.
    const auto va = pointsOf("mass A\nt\tx\ty\t\n0,0\t0,10\t1,00\t\n0,1\t0,20\t1,40\t\n");
    ASSERT_EQ(va.size(), 2u);
    expectPoint(va[1], 0.1, 0.1, 1.4);
}
