// The picture a pane keeps and paints step by step against the whole drawing rendered afresh.
// The window tests run twice: at the screen's device pixel ratio and at 2 (QT_SCALE_FACTOR).
#include "graphs/DisplayList.h"
#include "graphs/GraphPane.h"
#include "graphs/PaneCache.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingExportDialogs.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SilentTone.h"
#include "ui/Program.h"
#include "ui/run/FlightAnimation.h"
#include "ui/window/InputField.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using graphs::DisplayList;
using graphs::PaneCache;

namespace {

const QColor black(0, 0, 0), red(255, 0, 0), blue(0, 0, 255);

struct Throw {
    const char* name;
    const char* fields[7]; // h0, v0, α, d, ρ, ρ0, η
};
const Throw defaultThrow{"default", {"0.5", "3", "30", "0.4", "7800", "1000", "0.001006"}};
const Throw viscousThrow{"viscous", {"2", "10", "45", "0.05", "1200", "1000", "1.5"}};

bool samePixels(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// A surface drawing into a display list whose picture catches up at every marker move, as a
// pane's does once an animation tick's drawing is over.
struct SteppedPicture : graphs::PaneSurface {
    SteppedPicture(QSize size, qreal ratio) : size(size), ratio(ratio) {
        font.setPointSizeF(11.25);
        cache.setDevice(size, ratio, QPoint(96, 96));
        cache.setFont(font);
    }
    void clear() override { list.clear(); }
    void setScale(double l, double t, double r, double b) override { list.setScale(l, t, r, b); }
    void setPenWidth(int pixels) override { list.setPenWidth(pixels); }
    void drawLine(float x1, float y1, float x2, float y2, const QColor& c) override {
        list.line(x1, y1, x2, y2, c);
    }
    void drawLineTo(float x, float y, const QColor& c) override { list.lineTo(x, y, c); }
    void drawPoint(float x, float y) override { list.dot(x, y, black); }
    void drawPoint(float x, float y, const QColor& c) override { list.dot(x, y, c); }
    void moveTo(float x, float y) override { list.moveTo(x, y); }
    void printText(const QString& text) override { list.text(text, black); }
    void placeMarker(double, double) override {
        cache.update(list);
        if (++ticks % 100 == 0)
            mismatchedTicks += !matchesWholeRender();
    }

    bool matchesWholeRender() {
        cache.update(list);
        QImage whole = graphs::blankPaneImage(size, ratio, QPoint(96, 96));
        QPainter painter(&whole);
        list.render(painter, size, font);
        return samePixels(cache.picture(), whole);
    }

    QSize size;
    qreal ratio;
    QFont font{QStringLiteral("Times New Roman")};
    DisplayList list;
    PaneCache cache;
    int ticks = 0, mismatchedTicks = 0;
};

// A shown main window that runs a throw with its animation ticking as fast as the loop runs,
// drawing its trajectory on the given surface (the window's pane when none).
struct WindowRun {
    explicit WindowRun(const Throw& t, graphs::PaneSurface* trajectory = nullptr) {
        using ui::Graph;
        run.setSurfaces(trajectory ? trajectory : window.pane(Graph::trajectory),
                        window.pane(Graph::vx), window.pane(Graph::vy));
        run.setDecimalSeparator('.');
        run.setTickInterval(0);
        program.start();
        for (const model::Field f : model::allFields) {
            window.field(f)->selectAll();
            window.field(f)->insert(QString::fromLatin1(t.fields[int(f)]));
        }
        QCoreApplication::processEvents();
    }
    void flyUntil(int ticks) {
        QElapsedTimer clock;
        clock.start();
        while (run.busy() && run.flight().ticks() < ticks && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    ui::RecordingDocumentOpener opener;
    ui::RecordingExportDialogs dialogs;
    QTemporaryDir settings;
    ui::Program program{boxes, tone, opener, dialogs, settings.filePath("ballflight.conf")};
    ui::MainWindow& window = program.window();
    ui::ThrowController& run = program.controller();
};

} // namespace

TEST(PanePictureWindow, AnimatedRunPaintsOnlyTheNewPiecesAndLooksAsAWholeRender) {
    for (const Throw& t : {defaultThrow, viscousThrow}) {
        WindowRun w(t);
        graphs::GraphPane& pane = *w.window.pane(ui::Graph::trajectory);
        w.run.fullRun();
        w.flyUntil(3);
        const int renders = pane.pictureRenders();
        w.flyUntil(INT_MAX);
        ASSERT_FALSE(w.run.busy()) << t.name;
        EXPECT_GT(w.run.flight().ticks(), 100) << t.name;
        EXPECT_EQ(pane.pictureRenders(), renders) << t.name << ": a tick rendered everything";
        pane.marker()->hide();
        const QRect interior = pane.contentsRect();
        EXPECT_TRUE(samePixels(pane.grab(interior).toImage(),
                               pane.toImage(interior.size(), pane.devicePixelRatioF())))
            << t.name;

        // The same drawing caught up at every tick, at both ratios.
        for (const qreal ratio : {1.0, 2.0}) {
            SteppedPicture stepped(interior.size(), ratio);
            WindowRun again(t, &stepped);
            const int rendersBefore = stepped.cache.renders();
            again.run.fullRun();
            again.flyUntil(INT_MAX);
            EXPECT_GT(stepped.ticks, 100);
            EXPECT_EQ(stepped.mismatchedTicks, 0) << t.name << " ×" << ratio;
            EXPECT_TRUE(stepped.matchesWholeRender()) << t.name << " ×" << ratio;
            EXPECT_EQ(stepped.cache.renders(), rendersBefore + 1) << t.name << " ×" << ratio;
        }
    }
}

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
        SteppedPicture stepped(QSize(240, 160), ratio);
        DisplayList& list = stepped.list;
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
                    stepped.cache.update(list);
            }
            list.text(QStringLiteral("v = 1"), black);
            stepped.cache.update(list);
            list.dot(20, 20 * width, blue);
            stepped.cache.update(list);
        }
        EXPECT_TRUE(stepped.matchesWholeRender()) << "×" << ratio;
    }
}
