#include "graphs/StrokePainter.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace graphs {

namespace {

// A polyline point closer than this (in device pixels, both ways) to the last one kept is not
// drawn on its own; the run's final point always is.
constexpr double thinning = 0.7;

// A run is drawn through as few vertices as stay within this many device pixels of every point.
// Many nearly collinear vertices are not harmless: the antialiased fill of a wide stroke adds up
// the coverage of the outline's overlapping join pieces, so edge pixels near a vertex come out
// fuller than those between; over another line the one beneath shows as beads along the edge.
constexpr double straightness = 0.25;

// A bending run is stroked in pieces of at most this many vertices and about this length (px,
// summed |dx| + |dy|): the antialiased fill of one huge outline costs many times more than that
// of its pieces. The length exceeds a full-screen pane, so a level curve is never cut.
constexpr qsizetype pieceVertices = 1024;
constexpr double pieceLength = 2048;

constexpr double nowhere = std::numeric_limits<double>::infinity();

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Cohen–Sutherland: cuts the segment a–b to the rectangle; false when nothing of it is inside.
// Each cut puts the moved end exactly on the edge, so even ends far out (1e30 px) land right.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    auto outcode = [&](QPointF p) {
        int c = 0;
        if (p.x() < r.left())
            c |= 1;
        else if (p.x() > r.right())
            c |= 2;
        if (p.y() < r.top())
            c |= 4;
        else if (p.y() > r.bottom())
            c |= 8;
        return c;
    };
    int ca = outcode(a), cb = outcode(b);
    for (int cuts = 0; cuts < 8; ++cuts) {
        if (!(ca | cb))
            return true;
        if (ca & cb)
            return false;
        const bool moveA = ca != 0;
        QPointF& p = moveA ? a : b;
        const QPointF q = moveA ? b : a;
        const int c = moveA ? ca : cb;
        if (c & 3) {
            const double x = (c & 1) ? r.left() : r.right();
            p = QPointF(x, p.y() + (q.y() - p.y()) * ((x - p.x()) / (q.x() - p.x())));
        } else {
            const double y = (c & 4) ? r.top() : r.bottom();
            p = QPointF(p.x() + (q.x() - p.x()) * ((y - p.y()) / (q.y() - p.y())), y);
        }
        (moveA ? ca : cb) = outcode(p);
    }
    return false;
}

} // namespace

PixelMapping::PixelMapping(const PaneTransform& t, QSizeF interior) {
    sx = interior.width() / (t.right() - t.left());
    sy = -interior.height() / (t.top() - t.bottom());
    ox = -t.left() * sx;
    oy = -t.top() * sy;
}

void paintDot(QPainter& painter, QPointF centre, int width, QColor colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double r = width / 2.0;
    painter.drawEllipse(centre, r, r);
}

void StrokePainter::Straightener::reset(QPointF p) {
    anchor_ = last_ = p;
    cone_ = false;
    reach_ = 0;
}

bool StrokePainter::Straightener::add(QPointF p, QPointF& vertex) {
    if (place(p))
        return false;
    // The chord cannot reach p: the last point becomes a vertex.
    vertex = last_;
    reset(last_);
    place(p);
    return true;
}

bool StrokePainter::Straightener::finish(QPointF& vertex) const {
    vertex = last_;
    return last_ != anchor_;
}

bool StrokePainter::Straightener::place(QPointF p) {
    const double dx = p.x() - anchor_.x(), dy = p.y() - anchor_.y();
    const double r = std::hypot(dx, dy);
    if (r < reach_ - tol_) // turns back along the chord
        return false;
    if (r > tol_) {
        if (!cone_) {
            refX_ = dx / r;
            refY_ = dy / r;
            lo_ = -std::numbers::pi;
            hi_ = std::numbers::pi;
            cone_ = true;
        }
        const double angle = std::atan2(refX_ * dy - refY_ * dx, refX_ * dx + refY_ * dy);
        if (angle < lo_ || angle > hi_)
            return false;
        const double half = std::asin(tol_ / r);
        lo_ = std::max(lo_, angle - half);
        hi_ = std::min(hi_, angle + half);
    }
    reach_ = std::max(reach_, r);
    last_ = p;
    return true;
}

StrokePainter::StrokePainter(const PixelMapping& map, QSizeF interior, int width, QColor colour,
                             qreal devicePixelRatio)
    : map_(map), thin_(thinning / std::max(1.0, devicePixelRatio)),
      pen_(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), colour_(colour),
      width_(width), straight_(straightness / std::max(1.0, devicePixelRatio)),
      changedLeft_(nowhere), changedTop_(nowhere), changedRight_(-nowhere),
      changedBottom_(-nowhere) {
    // Segments are cut a little outside the interior so that caps and joins at the edge look
    // the same as unclipped ones.
    const double margin = width + 2.0;
    reach_ =
        QRectF(-margin, -margin, interior.width() + 2 * margin, interior.height() + 2 * margin);
}

void StrokePainter::setPen(QPainter& painter) const {
    painter.setPen(pen_);
    painter.setBrush(Qt::NoBrush);
}

void StrokePainter::include(QPointF p) {
    changedLeft_ = std::min(changedLeft_, p.x());
    changedRight_ = std::max(changedRight_, p.x());
    changedTop_ = std::min(changedTop_, p.y());
    changedBottom_ = std::max(changedBottom_, p.y());
}

// A vertex of the current run is final: it joins the piece, which is painted once complete.
void StrokePainter::vertex(QPainter& painter, QPointF v) {
    include(v);
    ++runVertices_;
    if (!piece_.isEmpty())
        pieceLength_ += std::abs(v.x() - piece_.last().x()) + std::abs(v.y() - piece_.last().y());
    piece_.append(v);
    if (piece_.size() == pieceVertices || pieceLength_ >= pieceLength) {
        // Pieces overlap at their shared ends, where the antialiased edges blend twice, so
        // they are kept few.
        painter.drawPolyline(piece_);
        piece_.clear();
        piece_.append(v);
        pieceLength_ = 0;
    }
}

void StrokePainter::startRun(QPainter& painter, double x, double y) {
    endRun(painter);
    inRun_ = true;
    straight_.start(QPointF(x, y));
    vertex(painter, QPointF(x, y));
    keptX_ = endX_ = x;
    keptY_ = endY_ = y;
}

void StrokePainter::addToRun(QPainter& painter, double x, double y) {
    endX_ = x;
    endY_ = y;
    if (std::abs(x - keptX_) >= thin_ || std::abs(y - keptY_) >= thin_) {
        QPointF v;
        if (straight_.add(QPointF(x, y), v))
            vertex(painter, v);
        keptX_ = x;
        keptY_ = y;
        pending_ = false;
    } else {
        pending_ = !(x == keptX_ && y == keptY_);
    }
}

void StrokePainter::endRun(QPainter& painter) {
    if (!inRun_)
        return;
    QPointF v;
    if (pending_ && straight_.add(QPointF(endX_, endY_), v))
        vertex(painter, v);
    if (straight_.finish(v))
        vertex(painter, v);
    if (runVertices_ == 1) { // a line of zero length still shows as a dot
        paintDot(painter, piece_.front(), width_, colour_);
        setPen(painter);
    } else if (piece_.size() > 1) {
        painter.drawPolyline(piece_);
    }
    piece_.clear();
    pieceLength_ = 0;
    runVertices_ = 0;
    inRun_ = false;
    pending_ = false;
}

void StrokePainter::add(QPainter& painter, const UserPoint* points, std::size_t count) {
    if (count == 0)
        return;
    setPen(painter);
    auto inside = [&](double x, double y) { // false for NaN too
        return x >= reach_.left() && x <= reach_.right() && y >= reach_.top() &&
               y <= reach_.bottom();
    };
    std::size_t i = 0;
    if (!started_) {
        started_ = true;
        px_ = points[0].x * map_.sx + map_.ox + pixelCentre;
        py_ = points[0].y * map_.sy + map_.oy + pixelCentre;
        prevInside_ = inside(px_, py_);
        if (prevInside_)
            startRun(painter, px_, py_);
        i = 1;
    }
    for (; i < count; ++i) {
        const double nx = points[i].x * map_.sx + map_.ox + pixelCentre;
        const double ny = points[i].y * map_.sy + map_.oy + pixelCentre;
        const bool nextInside = inside(nx, ny);
        if (prevInside_ && nextInside) { // the common case: the run goes on
            addToRun(painter, nx, ny);
        } else {
            QPointF a(px_, py_), b(nx, ny);
            if (finite(a) && finite(b) && clipSegment(a, b, reach_)) {
                if (!prevInside_ || !inRun_)
                    startRun(painter, a.x(), a.y());
                addToRun(painter, b.x(), b.y());
            }
            if (!nextInside)
                endRun(painter);
        }
        px_ = nx;
        py_ = ny;
        prevInside_ = nextInside;
    }
}

void StrokePainter::paintOpenEnd(QPainter& painter) const {
    if (!inRun_)
        return;
    StrokePainter rest = *this;
    rest.setPen(painter);
    rest.endRun(painter);
}

void StrokePainter::finish(QPainter& painter) {
    setPen(painter);
    endRun(painter);
}

QRectF StrokePainter::openArea() const {
    if (!inRun_)
        return {};
    double left = piece_.last().x(), right = left, top = piece_.last().y(), bottom = top;
    for (const QPointF p : {straight_.last(), QPointF(endX_, endY_)}) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QRectF StrokePainter::takeChangedArea() {
    if (inRun_) {
        const QRectF open = openArea();
        include(open.topLeft());
        include(open.bottomRight());
    }
    QRectF changed;
    if (changedLeft_ <= changedRight_) {
        const double reach = width_ / 2.0 + 2.0; // the pen's half width and the antialiasing
        changed = QRectF(QPointF(changedLeft_ - reach, changedTop_ - reach),
                         QPointF(changedRight_ + reach, changedBottom_ + reach));
    }
    changedLeft_ = changedTop_ = nowhere;
    changedRight_ = changedBottom_ = -nowhere;
    // The open end as it is now is where the next change begins.
    if (inRun_) {
        const QRectF open = openArea();
        include(open.topLeft());
        include(open.bottomRight());
    }
    return changed;
}

} // namespace graphs
