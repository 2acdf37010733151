#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <vector>

class QPainter;

namespace graphs {

// A key drawn on a pane: a box with an opaque background in a corner, one entry per curve or
// throw, each a short sample of its line and its text. An entry's text is a label and pieces
// parted by commas; where the pane is too narrow for it, it wraps between pieces onto further
// lines, indented under the first. No text is ever cut: a key too large for the pane is set in a
// smaller type until it fits.
struct KeyEntry {
    enum class Sample { line, dots };
    Sample sample = Sample::line;
    QColor colour;
    std::vector<double> dashes; // dash, gap … in pixels; empty: a solid line
    QString label;              // «2:»; may be empty
    QStringList pieces;
    QColor textColour{0, 0, 0};

    friend bool operator==(const KeyEntry&, const KeyEntry&) = default;
};

// The parts of a pane's key, drawn in this order: the models, the throws kept for comparison,
// measured points. Each part is set by whoever draws those curves.
enum class KeyPart { models, throws, measured };
inline constexpr std::size_t keyPartCount = 3;

// Where a key's box and texts lie on an interior, in its pixels.
struct KeyLayout {
    struct Line {
        QPointF baseline;
        QString text;
        QColor colour;
    };
    struct Sample {
        QLineF line;
        const KeyEntry* entry;
    };
    QRectF box; // empty: nothing to draw
    QFont font;
    std::vector<Line> lines;
    std::vector<Sample> samples;
};

// Lays the entries out in the corner of the interior given by `corner` (0 top right, 1 bottom
// right, 2 top left, 3 bottom left), in the font or a smaller one. The entries must outlive the
// layout.
KeyLayout layoutKey(const std::vector<KeyEntry>& entries, QSizeF interior, const QFont& font,
                    int corner = 0);
void paintKey(QPainter& painter, const KeyLayout& layout);

} // namespace graphs
