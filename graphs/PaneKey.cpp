#include "graphs/PaneKey.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace graphs {

namespace {

constexpr double smallestPixels = 6;

struct Sizes {
    double margin, padding, sample, gap;
};

Sizes sizesOf(const QFontMetricsF& m) {
    const double h = m.height();
    return {0.5 * h, 0.35 * h, 2.2 * h, 0.4 * h};
}

// The lines of an entry within maxWidth: the label and the pieces, wrapped between pieces.
// Returns the widest line; no line is wider than maxWidth unless one piece alone is.
double wrapEntry(const KeyEntry& e, const QFontMetricsF& m, double maxWidth,
                 std::vector<QString>& lines, double& indent) {
    const QString label = e.label.isEmpty() ? QString() : e.label + QLatin1Char(' ');
    indent = m.horizontalAdvance(label);
    QString line = label;
    bool first = true;
    double widest = 0;
    for (qsizetype n = 0; n < e.pieces.size(); ++n) {
        const QString piece = e.pieces[n] + (n + 1 < e.pieces.size() ? QStringLiteral(",") : "");
        const QString joined = first ? line + piece : line + QLatin1Char(' ') + piece;
        if (!first && m.horizontalAdvance(joined) > maxWidth) {
            widest = std::max(widest, m.horizontalAdvance(line));
            lines.push_back(line);
            line = piece; // continuation lines are indented under the first piece
            widest = std::max(widest, indent + m.horizontalAdvance(line));
            continue;
        }
        line = joined;
        first = false;
    }
    if (!line.isEmpty() || lines.empty()) {
        widest = std::max(widest, (lines.empty() ? 0 : indent) + m.horizontalAdvance(line));
        lines.push_back(line);
    }
    return widest;
}

} // namespace

KeyLayout layoutKey(const std::vector<KeyEntry>& entries, QSizeF interior, const QFont& font,
                    int corner) {
    KeyLayout out;
    if (entries.empty() || interior.width() < 1 || interior.height() < 1)
        return out;
    QFont f = font;
    double pixels = QFontInfo(font).pixelSize();
    for (;;) {
        f.setPixelSize(std::max(1, int(std::lround(pixels))));
        const QFontMetricsF m(f);
        const Sizes s = sizesOf(m);
        // The text keeps to about half the pane, or what the widest piece needs.
        const double room = interior.width() - 2 * s.margin - 2 * s.padding - s.sample - s.gap;
        double maxWidth = std::max(0.5 * interior.width() - s.sample, 0.0);
        for (const KeyEntry& e : entries)
            for (const QString& p : e.pieces)
                maxWidth = std::max(maxWidth, m.horizontalAdvance(e.label + QLatin1Char(' ') + p +
                                                                  QLatin1Char(',')));
        maxWidth = std::min(maxWidth, room);

        struct Wrapped {
            std::vector<QString> lines;
            double indent;
        };
        std::vector<Wrapped> wrapped(entries.size());
        double widest = 0;
        std::size_t lineCount = 0;
        for (std::size_t n = 0; n < entries.size(); ++n) {
            widest = std::max(widest, wrapEntry(entries[n], m, std::max(maxWidth, 1.0),
                                                wrapped[n].lines, wrapped[n].indent));
            lineCount += wrapped[n].lines.size();
        }
        const double width = 2 * s.padding + s.sample + s.gap + widest;
        const double height = 2 * s.padding + lineCount * m.lineSpacing();
        const bool fits =
            width + 2 * s.margin <= interior.width() && height + 2 * s.margin <= interior.height();
        if (!fits && pixels > smallestPixels) {
            pixels = std::max(smallestPixels, pixels * 0.9);
            continue;
        }
        const bool right = corner == 0 || corner == 1, top = corner == 0 || corner == 2;
        const double x = right ? interior.width() - s.margin - width : s.margin;
        const double y = top ? s.margin : interior.height() - s.margin - height;
        out.box = QRectF(std::max(x, 0.0), std::max(y, 0.0), width, height);
        out.font = f;
        double baseline = out.box.top() + s.padding + m.ascent();
        const double textLeft = out.box.left() + s.padding + s.sample + s.gap;
        for (std::size_t n = 0; n < entries.size(); ++n) {
            const double middle = baseline - 0.5 * m.xHeight();
            out.samples.push_back({QLineF(out.box.left() + s.padding, middle,
                                          out.box.left() + s.padding + s.sample, middle),
                                   &entries[n]});
            for (std::size_t l = 0; l < wrapped[n].lines.size(); ++l) {
                out.lines.push_back({QPointF(textLeft + (l > 0 ? wrapped[n].indent : 0), baseline),
                                     wrapped[n].lines[l], entries[n].textColour});
                baseline += m.lineSpacing();
            }
        }
        return out;
    }
}

void paintKey(QPainter& painter, const KeyLayout& layout) {
    if (layout.box.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(layout.box, Qt::white);
    painter.setPen(QPen(QColor(80, 80, 80), 0));
    painter.drawRect(layout.box.adjusted(0, 0, -1, -1));
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const KeyLayout::Sample& s : layout.samples) {
        const KeyEntry& e = *s.entry;
        QPen pen(e.colour, std::max(2.0, layout.font.pixelSize() / 7.0));
        pen.setCapStyle(Qt::FlatCap);
        if (e.sample == KeyEntry::Sample::dots) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(e.colour);
            const double r = layout.font.pixelSize() / 5.0;
            for (const double share : {0.2, 0.5, 0.8})
                painter.drawEllipse(s.line.pointAt(share), r, r);
            painter.setBrush(Qt::NoBrush);
            continue;
        }
        if (!e.dashes.empty()) {
            // Pen dash patterns count in pen widths.
            QList<qreal> pattern;
            for (const double d : e.dashes)
                pattern << d / pen.widthF();
            pen.setDashPattern(pattern);
        }
        painter.setPen(pen);
        painter.drawLine(s.line);
    }
    painter.setFont(layout.font);
    for (const KeyLayout::Line& l : layout.lines) {
        painter.setPen(l.colour);
        painter.drawText(l.baseline, l.text);
    }
    painter.restore();
}

} // namespace graphs
