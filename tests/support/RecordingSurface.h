#pragma once

#include "graphs/PaneSurface.h"

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

namespace graphs {

// One call made on a PaneSurface, with its arguments exactly as they arrived (single-precision
// coordinates are widened to double without change). Unused arguments stay 0.
struct SurfaceCall {
    enum class Op {
        Clear,
        SetScale,
        SetPenWidth,
        DrawLine,
        DrawLineTo,
        DrawPoint,       // in the foreground colour
        DrawPointColour, // in the given colour
        MoveTo,
        PrintText,
        PlaceMarker,
    };

    Op op = Op::Clear;
    std::array<double, 4> args{};
    QColor colour;
    QString text;

    bool operator==(const SurfaceCall& other) const;

    // Builders, for writing expected sequences in tests.
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

    // One readable line, e.g. `drawLine(0, 1, 2, 0, #000000)`.
    std::string describe() const;
};

std::ostream& operator<<(std::ostream& out, const SurfaceCall& call);

// A surface that draws nothing and keeps the exact sequence of calls made on it.
class RecordingSurface : public PaneSurface {
public:
    const std::vector<SurfaceCall>& calls() const { return calls_; }
    void forget() { calls_.clear(); }
    // Every call on its own numbered line.
    std::string dump() const;

    void clear() override;
    void setScale(double left, double top, double right, double bottom) override;
    void setPenWidth(int pixels) override;
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) override;
    void drawLineTo(float x, float y, const QColor& colour) override;
    void drawPoint(float x, float y) override;
    void drawPoint(float x, float y, const QColor& colour) override;
    void moveTo(float x, float y) override;
    void printText(const QString& text) override;
    void placeMarker(double x, double y) override;

private:
    std::vector<SurfaceCall> calls_;
};

} // namespace graphs
