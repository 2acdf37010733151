#pragma once

#include <QPointF>

#include <vector>

class QTextDocument;
class QTextLayout;

namespace helpdocs {

// Where the pages of a laid-out document begin and end, in document coordinates: page k shows
// [cuts[k], cuts[k + 1]). The document is paginated by its own page size; a text line that the
// layout still leaves across a page's lower edge (in a table cell, a list item) moves whole to
// the next page, which may grow by up to `spare` for it. Without this the line would be painted
// on both pages, and the PDF's text layer would hold it twice.
std::vector<double> pageCuts(const QTextDocument& doc, double spare);

// While it lives, the last line above `cut` of each paragraph that goes on below the cut lies far
// outside the page. Qt paints that one line when it paints the rest of its paragraph from the
// cut on; the clip hides it from the eye, but its text would still enter the page's text layer.
class LinesAboveHidden {
public:
    LinesAboveHidden(QTextDocument& doc, double cut);
    ~LinesAboveHidden();
    LinesAboveHidden(const LinesAboveHidden&) = delete;
    LinesAboveHidden& operator=(const LinesAboveHidden&) = delete;

private:
    struct Moved {
        QTextLayout* layout;
        int line;
        QPointF position;
    };
    std::vector<Moved> moved_;
};

} // namespace helpdocs
