#pragma once

#include "graphs/PaneSurface.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace graphs {

// One call on a PaneSurface, its arguments exactly as they arrived (floats widened; unused: 0).
struct SurfaceCall {
    // DrawPoint is in the foreground colour, DrawPointColour in a given one.
    // clang-format off
    enum class Op { Clear, SetScale, SetPenWidth, DrawLine, DrawLineTo, DrawPoint, DrawPointColour,
                    MoveTo, PrintText, PlaceMarker };
    // clang-format on

    Op op = Op::Clear;
    std::array<double, 4> args{};
    QColor colour{};
    QString text{};

    bool operator==(const SurfaceCall&) const = default;

    // Builders, for writing expected sequences in tests. They are defined out of line on
    // purpose: inlined into a test, GCC 12 at -O2 (its SLP vectorizer) drops the rounding of
    // an argument such as float(0.07 * span) to single precision.
    static SurfaceCall clear();
    static SurfaceCall setScale(double left, double top, double right, double bottom);
    static SurfaceCall setPenWidth(int pixels);
    static SurfaceCall line(float x1, float y1, float x2, float y2, const QColor& colour);
    static SurfaceCall lineTo(float x, float y, const QColor& colour);
    static SurfaceCall point(float x, float y);
    static SurfaceCall point(float x, float y, const QColor& colour);
    static SurfaceCall moveTo(float x, float y);
    static SurfaceCall print(const QString& text);
    static SurfaceCall marker(double x, double y);
};

// One readable line for failure messages, e.g. `3(0, 1, 2, 0 #000000 "")` (3: the Op).
inline std::ostream& operator<<(std::ostream& out, const SurfaceCall& c) {
    out.precision(9); // enough to tell neighbouring floats apart
    return out << int(c.op) << '(' << c.args[0] << ", " << c.args[1] << ", " << c.args[2] << ", "
               << c.args[3] << ' ' << c.colour.name().toStdString() << " \"" << c.text.toStdString()
               << "\")";
}

// Keeps every call made on it in order, passing each on to another surface when given one.
class RecordingSurface : public PaneSurface {
public:
    explicit RecordingSurface(PaneSurface* passTo = nullptr) : next_(passTo) {}

    const std::vector<SurfaceCall>& calls() const { return calls_; }
    void forget() { calls_.clear(); }

    void clear() override {
        keep(SurfaceCall::clear(), [](PaneSurface& s) { s.clear(); });
    }
    void setScale(double l, double t, double r, double b) override {
        keep(SurfaceCall::setScale(l, t, r, b), [&](PaneSurface& s) { s.setScale(l, t, r, b); });
    }
    void setPenWidth(int p) override {
        keep(SurfaceCall::setPenWidth(p), [&](PaneSurface& s) { s.setPenWidth(p); });
    }
    void drawLine(float x1, float y1, float x2, float y2, const QColor& c) override {
        keep(SurfaceCall::line(x1, y1, x2, y2, c),
             [&](PaneSurface& s) { s.drawLine(x1, y1, x2, y2, c); });
    }
    void drawLineTo(float x, float y, const QColor& c) override {
        keep(SurfaceCall::lineTo(x, y, c), [&](PaneSurface& s) { s.drawLineTo(x, y, c); });
    }
    void drawPoint(float x, float y) override {
        keep(SurfaceCall::point(x, y), [&](PaneSurface& s) { s.drawPoint(x, y); });
    }
    void drawPoint(float x, float y, const QColor& c) override {
        keep(SurfaceCall::point(x, y, c), [&](PaneSurface& s) { s.drawPoint(x, y, c); });
    }
    void moveTo(float x, float y) override {
        keep(SurfaceCall::moveTo(x, y), [&](PaneSurface& s) { s.moveTo(x, y); });
    }
    void printText(const QString& t) override {
        keep(SurfaceCall::print(t), [&](PaneSurface& s) { s.printText(t); });
    }
    void placeMarker(double x, double y) override {
        keep(SurfaceCall::marker(x, y), [&](PaneSurface& s) { s.placeMarker(x, y); });
    }

private:
    template <class Pass> void keep(const SurfaceCall& call, Pass pass) {
        calls_.push_back(call);
        if (next_)
            pass(*next_);
    }

    std::vector<SurfaceCall> calls_;
    PaneSurface* next_;
};

} // namespace graphs
