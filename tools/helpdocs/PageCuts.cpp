#include "PageCuts.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

namespace helpdocs {

namespace {

constexpr double kTouch = 0.5; // lines that merely touch a cut do not cross it

// Calls visit(layout, line index, top, bottom) for every laid-out text line, table cells
// included, with top and bottom in document coordinates.
template <class Visit> void forEachLine(const QTextDocument& doc, Visit visit) {
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextLayout* text = block.layout();
        if (!text || !block.isVisible())
            continue;
        const double origin = layout->blockBoundingRect(block).top() - text->boundingRect().top();
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            visit(*text, i, origin + line.y(), origin + line.y() + line.height());
        }
    }
}

} // namespace

std::vector<double> pageCuts(const QTextDocument& doc, double spare) {
    const double height = doc.pageSize().height();
    const int pages = doc.pageCount();
    std::vector<std::pair<double, double>> spans;
    forEachLine(doc, [&spans](QTextLayout&, int, double top, double bottom) {
        spans.emplace_back(top, bottom);
    });
    std::vector<double> cuts{0};
    for (int page = 1; page < pages; ++page) {
        const double nominal = page * height;
        double cut = nominal;
        // Moving the cut up to a crossing line's top may make a line of another cell cross it.
        for (bool moved = true; moved;) {
            moved = false;
            for (const auto& [top, bottom] : spans)
                if (top < cut - kTouch && bottom > cut + kTouch) {
                    cut = top;
                    moved = true;
                }
        }
        // A line taller than the spare room (a large picture) keeps the layout's own cut.
        if (nominal - cut > spare || cut <= cuts.back())
            cut = nominal;
        cuts.push_back(cut);
    }
    cuts.push_back(pages * height);
    return cuts;
}

LinesAboveHidden::LinesAboveHidden(QTextDocument& doc, double cut) {
    if (cut <= 0)
        return;
    // Far above the page, where no reader of the PDF looks for text.
    const double away = 20 * doc.pageSize().height();
    QTextLayout* current = nullptr;
    int lastAbove = -1;
    forEachLine(doc, [&](QTextLayout& text, int i, double top, double bottom) {
        if (&text != current) {
            current = &text;
            lastAbove = -1;
        }
        if (bottom <= cut + kTouch) {
            lastAbove = i;
        } else if (lastAbove >= 0 && top >= cut - kTouch) {
            QTextLine line = text.lineAt(lastAbove);
            moved_.push_back({&text, lastAbove, line.position()});
            line.setPosition(line.position() - QPointF(0, away));
            lastAbove = -1;
        }
    });
}

LinesAboveHidden::~LinesAboveHidden() {
    for (const Moved& m : moved_)
        m.layout->lineAt(m.line).setPosition(m.position);
}

} // namespace helpdocs
