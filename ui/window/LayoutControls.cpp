#include "ui/window/LayoutControls.h"

#include "model/Quantities.h"
#include "ui/window/ControlPlaces.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr double colWidth = 72;
constexpr double rowHeight = 26;
constexpr double gapX = 4;
constexpr double gapY = 4;

double nonNegative(double v) {
    return std::max(0.0, v);
}

QString name(const char* control) {
    return QString::fromLatin1(control);
}

} // namespace

std::map<QString, ControlRect> layout(double clientWidth, double clientHeight) {
    const double W = colWidth, H = rowHeight, gx = gapX, gy = gapY;
    // Ten rows of the parameter panel, the last one gapY above the bottom edge.
    auto rowTop = [&](int k) { return clientHeight - (11 - k) * (H + gy); };
    // Column 0 holds the inputs; columns 1 to 3 the results of the three models, two units wide.
    auto columnLeft = [&](int column) { return 2 * column * W + (2 * column + 2) * gx; };
    std::map<QString, ControlRect> r;

    for (const model::ColumnRow& c : model::columnRows())
        r[name(placeOf(c.model).header)] = {columnLeft(static_cast<int>(c.model)), rowTop(1), 2 * W,
                                            H};

    const double captionWidth = 0.5 * W, fieldWidth = W, unitWidth = 0.6 * W;
    const double captionLeft = columnLeft(0);
    const double fieldLeft = captionLeft + captionWidth;
    const double unitLeft = fieldLeft + fieldWidth;
    for (const model::Field f : model::allFields) {
        const FieldPlace& at = placeOf(f);
        const double top = rowTop(at.row);
        r[name(at.caption)] = {captionLeft, top, captionWidth, H};
        r[name(at.field)] = {fieldLeft, top, fieldWidth, H};
        r[name(at.unit)] = {unitLeft, top, unitWidth, H};
        // The Greek letter lies 5 px higher than the caption it covers, at its own size.
        if (at.overlay)
            r[name(at.overlay)] = {captionLeft, top - 5, double(at.overlayWidth), H};
    }
    for (const model::QuantityRow& q : model::quantityRows())
        r[name(placeOf(q.id).label)] = {columnLeft(columnOf(q.id)), rowTop(placeOf(q.id).row),
                                        2 * W, H};

    r["CmdOK"] = {8 * W + 10 * gx, rowTop(4), W, H};
    r["Command1"] = {9 * W + 5 * gx, clientHeight - 8 * H - 7 * gy, 1.5 * W, H};
    r["Frame1"] = {r["CmdOK"].left, rowTop(6), 1.35 * W, 3 * H};

    // Graph area: vertical bar on the left, horizontal bar under the panes, which take the rest.
    const double panelTop = rowTop(1);
    ControlRect v, h;
    v.width = W / 4;
    h.height = v.width;
    v.height = nonNegative(panelTop - h.height - 2 * gy);
    h.width = nonNegative(clientWidth - v.width - 2 * gx);
    v.left = gx;
    v.top = gy;
    h.left = v.left + v.width;
    h.top = v.top + v.height;
    r["VScroll1"] = v;
    r["HScroll1"] = h;
    const ControlRect pane{h.left, v.top, h.width, v.height};
    for (const char* p : {"Picture1", "Picture2", "Picture3"})
        r[p] = pane;
    return r;
}

QRect toPixels(const ControlRect& r) {
    auto px = [](double v) { return static_cast<int>(std::round(v)); };
    return QRect(px(r.left), px(r.top), std::max(0, px(r.width)), std::max(0, px(r.height)));
}

} // namespace ui
