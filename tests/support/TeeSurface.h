#pragma once

#include "graphs/PaneSurface.h"
#include "support/RecordingSurface.h"

namespace testing_ui {

// Passes every operation to a real pane and keeps a record of it.
class TeeSurface : public graphs::PaneSurface {
public:
    explicit TeeSurface(graphs::PaneSurface* real) : real_(real ? real : &none_) {}
    graphs::RecordingSurface record;

    void clear() override { record.clear(), real_->clear(); }
    void setScale(double l, double t, double r, double b) override {
        record.setScale(l, t, r, b), real_->setScale(l, t, r, b);
    }
    void setPenWidth(int p) override { record.setPenWidth(p), real_->setPenWidth(p); }
    void drawLine(float x1, float y1, float x2, float y2, const QColor& c) override {
        record.drawLine(x1, y1, x2, y2, c), real_->drawLine(x1, y1, x2, y2, c);
    }
    void drawLineTo(float x, float y, const QColor& c) override {
        record.drawLineTo(x, y, c), real_->drawLineTo(x, y, c);
    }
    void drawPoint(float x, float y) override { record.drawPoint(x, y), real_->drawPoint(x, y); }
    void drawPoint(float x, float y, const QColor& c) override {
        record.drawPoint(x, y, c), real_->drawPoint(x, y, c);
    }
    void moveTo(float x, float y) override { record.moveTo(x, y), real_->moveTo(x, y); }
    void printText(const QString& t) override { record.printText(t), real_->printText(t); }
    void placeMarker(double x, double y) override {
        record.placeMarker(x, y), real_->placeMarker(x, y);
    }

private:
    graphs::RecordingSurface none_;
    graphs::PaneSurface* real_;
};

} // namespace testing_ui
