#include "support/RecordingSurface.h"

namespace graphs {

using Op = SurfaceCall::Op;

SurfaceCall SurfaceCall::clear() {
    return {Op::Clear};
}
SurfaceCall SurfaceCall::setScale(double left, double top, double right, double bottom) {
    return {Op::SetScale, {left, top, right, bottom}};
}
SurfaceCall SurfaceCall::setPenWidth(int pixels) {
    return {Op::SetPenWidth, {double(pixels)}};
}
SurfaceCall SurfaceCall::line(float x1, float y1, float x2, float y2, const QColor& colour) {
    return {Op::DrawLine, {x1, y1, x2, y2}, colour};
}
SurfaceCall SurfaceCall::lineTo(float x, float y, const QColor& colour) {
    return {Op::DrawLineTo, {x, y}, colour};
}
SurfaceCall SurfaceCall::point(float x, float y) {
    return {Op::DrawPoint, {x, y}};
}
SurfaceCall SurfaceCall::point(float x, float y, const QColor& colour) {
    return {Op::DrawPointColour, {x, y}, colour};
}
SurfaceCall SurfaceCall::moveTo(float x, float y) {
    return {Op::MoveTo, {x, y}};
}
SurfaceCall SurfaceCall::print(const QString& text) {
    return {Op::PrintText, {}, {}, text};
}
SurfaceCall SurfaceCall::marker(double x, double y) {
    return {Op::PlaceMarker, {x, y}};
}

} // namespace graphs
