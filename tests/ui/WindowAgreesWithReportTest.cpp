#include "ProgramFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace testing_ui;

namespace {

// Seeded texts of the seven fields, of every kind they accept, for flights of a few thousand steps.
QStringList randomThrow(std::uint64_t& seed) {
    auto below = [&seed](int n) { return testing_ui::below(seed, n); };
    const double media[] = {1.2, 1000, 1261};
    const char* diameters[] = {"0.05", "0.1", "0.4", "1.5"};
    const char* viscosities[] = {"0.0000181", "0.001006", "0.01"};
    const double rho0 = media[below(3)];
    return QStringList() << QString::number(0.01 + below(20000) / 1000.0)
                         << QString::number(0.1 + below(400) / 10.0)
                         << QString::number(below(17800) / 100.0 - 89) << diameters[below(4)]
                         << QString::number(rho0 * (1.5 + below(90) / 10.0), 'f', 1)
                         << QString::number(rho0) << viscosities[below(3)];
}

} // namespace

using Agreement = ProgramFixture;

// The window and the report tool give the same 27 texts, step counts and ranges for 200 throws.
TEST_F(Agreement, WindowAndReportToolGiveTheSameFigures) {
    run.setGroupsPerTick(0); // the animation finished at once
    std::uint64_t seed = 20261207;
    for (int i = 0; i < 200; ++i) {
        const QStringList t = randomThrow(seed);
        QStringList args;
        // A ball far too dense for any medium first, so that no density check fires on the way.
        paste(Field::rho, QStringLiteral("1e9"));
        for (const Field f : {Field::h0, Field::v0, Field::alphaDeg, Field::d, Field::rho0,
                              Field::rho, Field::eta}) {
            paste(f, t[int(f)]);
            args << QStringLiteral("--") + model::row(f).key << t[int(f)];
        }
        SCOPED_TRACE(args.join(' ').toStdString());
        ASSERT_TRUE(boxes.boxes.isEmpty());
        clickRun();
        ASSERT_TRUE(finish(60000));
        QProcess tool;
        tool.start(QStringLiteral(BALLFLIGHT_REPORT_EXE), args);
        tool.waitForFinished(30000);
        const QJsonObject report = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
        ASSERT_FALSE(report.isEmpty());
        const QJsonObject results = report["results"].toObject();
        for (const model::QuantityRow& q : model::quantityRows())
            EXPECT_EQ(text(q.id).toStdString(),
                      results[q.key].toObject()["text"].toString().toStdString());

        const model::Throw& w = *run.currentThrow();
        const QJsonObject steps = report["steps"].toObject();
        EXPECT_EQ(w.linear().points, steps["linear"].toInteger());
        EXPECT_EQ(w.flight().stepCount(), steps["quadratic"].toInteger());
        EXPECT_EQ(w.velocityCurves().passes, steps["velocity"].toInteger());
        const QJsonObject ranges = report["ranges"].toObject();
        const auto& r = w.trajectoryRanges();
        const auto& v = w.velocityRanges();
        EXPECT_EQ(QJsonArray({r.left, r.top, r.right, r.bottom}), ranges["trajectory"].toArray());
        EXPECT_EQ(QJsonArray({v.left, v.vxTop, v.right, v.vxBottom}), ranges["vx"].toArray());
        EXPECT_EQ(QJsonArray({v.left, v.vyTop, v.right, v.vyBottom}), ranges["vy"].toArray());
        boxes.boxes.clear();
    }
}
