#include "support/RecordingSurface.h"

#include <ostream>
#include <sstream>

namespace graphs {

namespace {

SurfaceCall make(SurfaceCall::Op op, std::array<double, 4> args = {}, QColor colour = {},
                 QString text = {}) {
    SurfaceCall call;
    call.op = op;
    call.args = args;
    call.colour = colour;
    call.text = std::move(text);
    return call;
}

const char* nameOf(SurfaceCall::Op op) {
    switch (op) {
    case SurfaceCall::Op::Clear:
        return "clear";
    case SurfaceCall::Op::SetScale:
        return "setScale";
    case SurfaceCall::Op::SetPenWidth:
        return "setPenWidth";
    case SurfaceCall::Op::DrawLine:
        return "drawLine";
    case SurfaceCall::Op::DrawLineTo:
        return "drawLineTo";
    case SurfaceCall::Op::DrawPoint:
    case SurfaceCall::Op::DrawPointColour:
        return "drawPoint";
    case SurfaceCall::Op::MoveTo:
        return "moveTo";
    case SurfaceCall::Op::PrintText:
        return "printText";
    case SurfaceCall::Op::PlaceMarker:
        return "placeMarker";
    }
    return "?";
}

int argumentCount(SurfaceCall::Op op) {
    switch (op) {
    case SurfaceCall::Op::Clear:
    case SurfaceCall::Op::PrintText:
        return 0;
    case SurfaceCall::Op::SetPenWidth:
        return 1;
    case SurfaceCall::Op::DrawLineTo:
    case SurfaceCall::Op::DrawPoint:
    case SurfaceCall::Op::DrawPointColour:
    case SurfaceCall::Op::MoveTo:
    case SurfaceCall::Op::PlaceMarker:
        return 2;
    case SurfaceCall::Op::SetScale:
    case SurfaceCall::Op::DrawLine:
        return 4;
    }
    return 0;
}

bool hasColour(SurfaceCall::Op op) {
    return op == SurfaceCall::Op::DrawLine || op == SurfaceCall::Op::DrawLineTo ||
           op == SurfaceCall::Op::DrawPointColour;
}

} // namespace

bool SurfaceCall::operator==(const SurfaceCall& other) const {
    return op == other.op && args == other.args && colour == other.colour && text == other.text;
}

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

std::string SurfaceCall::describe() const {
    std::ostringstream out;
    out.precision(9); // enough to tell neighbouring floats apart
    out << nameOf(op) << '(';
    const int n = argumentCount(op);
    for (int i = 0; i < n; ++i)
        out << (i ? ", " : "") << args[i];
    if (hasColour(op))
        out << ", " << colour.name().toStdString();
    if (op == Op::PrintText)
        out << '"' << text.toStdString() << '"';
    out << ')';
    return out.str();
}

std::ostream& operator<<(std::ostream& out, const SurfaceCall& call) {
    return out << call.describe();
}

std::string RecordingSurface::dump() const {
    std::string all;
    for (std::size_t i = 0; i < calls_.size(); ++i)
        all += std::to_string(i) + ": " + calls_[i].describe() + '\n';
    return all;
}

void RecordingSurface::clear() {
    calls_.push_back(SurfaceCall::clear());
}
void RecordingSurface::setScale(double left, double top, double right, double bottom) {
    calls_.push_back(SurfaceCall::setScale(left, top, right, bottom));
}
void RecordingSurface::setPenWidth(int pixels) {
    calls_.push_back(SurfaceCall::setPenWidth(pixels));
}
void RecordingSurface::drawLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    calls_.push_back(SurfaceCall::line(x1, y1, x2, y2, colour));
}
void RecordingSurface::drawLineTo(float x, float y, const QColor& colour) {
    calls_.push_back(SurfaceCall::lineTo(x, y, colour));
}
void RecordingSurface::drawPoint(float x, float y) {
    calls_.push_back(SurfaceCall::point(x, y));
}
void RecordingSurface::drawPoint(float x, float y, const QColor& colour) {
    calls_.push_back(SurfaceCall::point(x, y, colour));
}
void RecordingSurface::moveTo(float x, float y) {
    calls_.push_back(SurfaceCall::moveTo(x, y));
}
void RecordingSurface::printText(const QString& text) {
    calls_.push_back(SurfaceCall::print(text));
}
void RecordingSurface::placeMarker(double x, double y) {
    calls_.push_back(SurfaceCall::marker(x, y));
}

} // namespace graphs
