#include "support/RecordingSurface.h"

namespace graphs {

namespace {

SurfaceCall make(SurfaceCall::Op op, std::array<double, 4> args = {}, QColor colour = {},
                 QString text = {}) {
    return {op, args, colour, text};
}

} // namespace

using Op = SurfaceCall::Op;

SurfaceCall SurfaceCall::clear() {
    return make(Op::Clear);
}
SurfaceCall SurfaceCall::setScale(double left, double top, double right, double bottom) {
    return make(Op::SetScale, {left, top, right, bottom});
}
SurfaceCall SurfaceCall::setPenWidth(int pixels) {
    return make(Op::SetPenWidth, {double(pixels)});
}
SurfaceCall SurfaceCall::line(float x1, float y1, float x2, float y2, const QColor& colour) {
    return make(Op::DrawLine, {x1, y1, x2, y2}, colour);
}
SurfaceCall SurfaceCall::lineTo(float x, float y, const QColor& colour) {
    return make(Op::DrawLineTo, {x, y}, colour);
}
SurfaceCall SurfaceCall::point(float x, float y) {
    return make(Op::DrawPoint, {x, y});
}
SurfaceCall SurfaceCall::point(float x, float y, const QColor& colour) {
    return make(Op::DrawPointColour, {x, y}, colour);
}
SurfaceCall SurfaceCall::moveTo(float x, float y) {
    return make(Op::MoveTo, {x, y});
}
SurfaceCall SurfaceCall::print(const QString& text) {
    return make(Op::PrintText, {}, {}, text);
}
SurfaceCall SurfaceCall::marker(double x, double y) {
    return make(Op::PlaceMarker, {x, y});
}

} // namespace graphs
