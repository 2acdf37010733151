#include "graphs/DisplayList.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace graphs {

namespace {

// Pixel offset from a column/row number to the centre of that pixel: a one-pixel line on a
// whole column then covers exactly that column instead of half of two.
constexpr double pixelCentre = 0.5;

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

struct Mapping {
    double sx, ox, sy, oy;
    QPointF operator()(double x, double y) const { return {x * sx + ox, y * sy + oy}; }
};

Mapping mappingOf(const PaneTransform& t, QSizeF size) {
    const double sx = size.width() / (t.right() - t.left());
    const double sy = -size.height() / (t.top() - t.bottom());
    return {sx, -t.left() * sx, sy, -t.top() * sy};
}

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

// Collects the vertices of a run, dropping each point that the chord from the last vertex kept
// to a later point passes closer than `straightness`: the allowed directions of that chord
// narrow with every point (a cone from the vertex), and a point outside the cone ends the chord.
class Straightener {
public:
    explicit Straightener(QPolygonF& out, double tolerance) : out_(out), tol_(tolerance) {}

    void start(QPointF p) {
        out_.append(p);
        reset(p);
    }
    void add(QPointF p) {
        if (!place(p)) { // the chord cannot reach p: the last point becomes a vertex
            out_.append(last_);
            reset(last_);
            place(p);
        }
    }
    // Ends the run at the last point added.
    void finish() {
        if (last_ != anchor_)
            out_.append(last_);
    }

private:
    void reset(QPointF p) {
        anchor_ = last_ = p;
        cone_ = false;
        reach_ = 0;
    }
    bool place(QPointF p) {
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

    QPolygonF& out_;
    double tol_;
    QPointF anchor_, last_;
    bool cone_ = false;
    double refX_ = 1, refY_ = 0, lo_ = 0, hi_ = 0, reach_ = 0;
};

void paintDot(QPainter& painter, QPointF centre, int width, QColor colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double r = width / 2.0;
    painter.drawEllipse(centre, r, r);
}

} // namespace

DisplayList::DisplayList() : systems_(1) {}

void DisplayList::clear() {
    const PaneTransform current = systems_.back();
    systems_.assign(1, current);
    items_.clear();
    points_.clear();
    texts_.clear();
}

bool DisplayList::setScale(double left, double top, double right, double bottom) {
    PaneTransform next = systems_.back();
    if (!next.setRect(left, top, right, bottom))
        return false;
    const bool inUse = !items_.empty() && items_.back().system == systems_.size() - 1;
    if (inUse)
        systems_.push_back(next);
    else
        systems_.back() = next;
    return true;
}

void DisplayList::setPenWidth(int pixels) {
    penWidth_ = std::max(pixels, 1);
}

bool DisplayList::extendsLastStroke(QColor colour) const {
    if (items_.empty())
        return false;
    const Item& last = items_.back();
    return last.kind == Kind::Stroke && last.system == systems_.size() - 1 &&
           last.width == penWidth_ && last.colour == colour.rgba() &&
           points_.back() == Point{curX_, curY_};
}

void DisplayList::startStroke(Point from, Point to, QColor colour) {
    items_.push_back({Kind::Stroke, std::uint32_t(systems_.size() - 1), penWidth_, colour.rgba(),
                      std::uint32_t(points_.size()), 2, 0});
    points_.push_back(from);
    points_.push_back(to);
}

void DisplayList::line(float x1, float y1, float x2, float y2, QColor colour) {
    if (Point{x1, y1} == Point{curX_, curY_} && extendsLastStroke(colour)) {
        points_.push_back({x2, y2});
        ++items_.back().count;
    } else {
        startStroke({x1, y1}, {x2, y2}, colour);
    }
    curX_ = x2;
    curY_ = y2;
}

void DisplayList::lineTo(float x, float y, QColor colour) {
    line(curX_, curY_, x, y, colour);
}

void DisplayList::dot(float x, float y, QColor colour) {
    items_.push_back({Kind::Dot, std::uint32_t(systems_.size() - 1), penWidth_, colour.rgba(),
                      std::uint32_t(points_.size()), 1, 0});
    points_.push_back({x, y});
    curX_ = x;
    curY_ = y;
}

void DisplayList::moveTo(float x, float y) {
    curX_ = x;
    curY_ = y;
}

void DisplayList::text(const QString& text, QColor colour) {
    items_.push_back({Kind::Text, std::uint32_t(systems_.size() - 1), penWidth_, colour.rgba(),
                      std::uint32_t(points_.size()), 1, std::uint32_t(texts_.size())});
    points_.push_back({curX_, curY_});
    texts_.push_back(text);
}

void DisplayList::render(QPainter& painter, QSizeF interior, const QFont& font) const {
    if (interior.isEmpty() || items_.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(QRectF(QPointF(0, 0), interior), Qt::IntersectClip);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double ascent = metrics.ascent();

    std::vector<Mapping> maps;
    maps.reserve(systems_.size());
    for (const PaneTransform& t : systems_)
        maps.push_back(mappingOf(t, interior));

    // Far-away points are brought near before painting; text never reaches this far.
    const QRectF sane(-1e6, -1e6, 2e6 + interior.width(), 2e6 + interior.height());
    for (const Item& item : items_) {
        const Mapping& map = maps[item.system];
        const QColor colour = QColor::fromRgba(item.colour);
        if (item.kind == Kind::Stroke) {
            renderStroke(painter, item, interior);
            continue;
        }
        const Point p = points_[item.first];
        if (item.kind == Kind::Dot) {
            const QPointF centre = map(p.x, p.y) + QPointF(pixelCentre, pixelCentre);
            const double reach = item.width;
            if (finite(centre) && centre.x() > -reach && centre.y() > -reach &&
                centre.x() < interior.width() + reach && centre.y() < interior.height() + reach)
                paintDot(painter, centre, item.width, colour);
        } else {
            const QPointF corner = map(p.x, p.y);
            if (!finite(corner) || !sane.contains(corner))
                continue;
            painter.setPen(colour);
            painter.drawText(corner + QPointF(0, ascent), texts_[item.text]);
        }
    }
    painter.restore();
}

void DisplayList::renderStroke(QPainter& painter, const Item& item, QSizeF interior) const {
    const Mapping map = mappingOf(systems_[item.system], interior);
    const QColor colour = QColor::fromRgba(item.colour);
    // Segments are cut a little outside the interior so that caps and joins at the edge look
    // the same as unclipped ones.
    const double margin = item.width + 2.0;
    const double minX = -margin, minY = -margin;
    const double maxX = interior.width() + margin, maxY = interior.height() + margin;
    const QRectF reach(minX, minY, maxX - minX, maxY - minY);
    auto inside = [&](double x, double y) { // false for NaN too
        return x >= minX && x <= maxX && y >= minY && y <= maxY;
    };
    const double thin = thinning / std::max(1.0, painter.device()->devicePixelRatio());
    const QPen pen(colour, item.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    // The vertices of the current unbroken run. Points closer than `thin` to the last one
    // passed on are skipped outright (cheap, and bounds the work to about the pixel count);
    // the others go through the straightener. The run's true last point may be pending.
    QPolygonF run;
    Straightener straight(run, straightness / std::max(1.0, painter.device()->devicePixelRatio()));
    double keptX = 0, keptY = 0, endX = 0, endY = 0;
    bool pending = false;
    auto flush = [&] {
        if (run.isEmpty())
            return;
        if (pending)
            straight.add(QPointF(endX, endY));
        straight.finish();
        if (run.size() == 1) { // a line of zero length still shows as a dot
            paintDot(painter, run.front(), item.width, colour);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
        } else {
            // Mostly one polyline. Pieces overlap at their shared ends, where the antialiased
            // edges blend twice, so they are kept few.
            qsizetype from = 0;
            double length = 0;
            for (qsizetype i = 1; i < run.size(); ++i) {
                length +=
                    std::abs(run[i].x() - run[i - 1].x()) + std::abs(run[i].y() - run[i - 1].y());
                if (i + 1 == run.size() || i - from + 1 == pieceVertices || length >= pieceLength) {
                    painter.drawPolyline(run.constData() + from, int(i - from + 1));
                    from = i;
                    length = 0;
                }
            }
        }
        run.clear();
        pending = false;
    };
    auto start = [&](double x, double y) {
        flush();
        straight.start(QPointF(x, y));
        keptX = endX = x;
        keptY = endY = y;
    };
    auto add = [&](double x, double y) {
        endX = x;
        endY = y;
        if (std::abs(x - keptX) >= thin || std::abs(y - keptY) >= thin) {
            straight.add(QPointF(x, y));
            keptX = x;
            keptY = y;
            pending = false;
        } else {
            pending = !(x == keptX && y == keptY);
        }
    };

    const Point* pts = points_.data() + item.first;
    double px = pts[0].x * map.sx + map.ox + pixelCentre;
    double py = pts[0].y * map.sy + map.oy + pixelCentre;
    bool prevInside = inside(px, py);
    if (prevInside)
        start(px, py);
    for (std::uint32_t i = 1; i < item.count; ++i) {
        const double nx = pts[i].x * map.sx + map.ox + pixelCentre;
        const double ny = pts[i].y * map.sy + map.oy + pixelCentre;
        const bool nextInside = inside(nx, ny);
        if (prevInside && nextInside) { // the common case: the run goes on
            add(nx, ny);
        } else {
            QPointF a(px, py), b(nx, ny);
            if (finite(a) && finite(b) && clipSegment(a, b, reach)) {
                if (!prevInside || run.isEmpty())
                    start(a.x(), a.y());
                add(b.x(), b.y());
            }
            if (!nextInside)
                flush();
        }
        px = nx;
        py = ny;
        prevInside = nextInside;
    }
    flush();
}

} // namespace graphs
