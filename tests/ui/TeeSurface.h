#pragma once

#include "graphs/PaneSurface.h"
#include "graphs/RecordingSurface.h"

namespace testing_ui {

// Passes every operation to a real pane and keeps a record of it.
class TeeSurface : public graphs::PaneSurface {
public:
    explicit TeeSurface(graphs::PaneSurface* real) : real_(real) {}
    graphs::RecordingSurface record;

    void clear() override {
        both([](auto& s) { s.clear(); });
    }
    void setScale(double l, double t, double r, double b) override {
        both([&](auto& s) { s.setScale(l, t, r, b); });
    }
    void setPenWidth(int p) override {
        both([&](auto& s) { s.setPenWidth(p); });
    }
    void drawLine(float x1, float y1, float x2, float y2, const QColor& c) override {
        both([&](auto& s) { s.drawLine(x1, y1, x2, y2, c); });
    }
    void drawLineTo(float x, float y, const QColor& c) override {
        both([&](auto& s) { s.drawLineTo(x, y, c); });
    }
    void drawPoint(float x, float y) override {
        both([&](auto& s) { s.drawPoint(x, y); });
    }
    void drawPoint(float x, float y, const QColor& c) override {
        both([&](auto& s) { s.drawPoint(x, y, c); });
    }
    void moveTo(float x, float y) override {
        both([&](auto& s) { s.moveTo(x, y); });
    }
    void printText(const QString& t) override {
        both([&](auto& s) { s.printText(t); });
    }
    void placeMarker(double x, double y) override {
        both([&](auto& s) { s.placeMarker(x, y); });
    }

private:
    template <class F> void both(F f) {
        f(record);
        if (real_)
            f(*real_);
    }
    graphs::PaneSurface* real_;
};

} // namespace testing_ui
