#include "ui/window/LayoutControls.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ui {

namespace {

constexpr double colWidth = 72;
constexpr double rowHeight = 26;
constexpr double gapX = 4;
constexpr double gapY = 4;

struct InputRow {
    int row;
    const char* caption;
    const char* field;
    const char* unit;
    const char* overlay; // Greek letter label lying over the caption's first letter, or null
};

constexpr std::array<InputRow, 7> inputRows{{
    {2, "Label1", "Text1", "Label2", nullptr},
    {3, "Label3", "Text2", "Label4", nullptr},
    {4, "Label5", "Text3", "Label6", "Label5_2"},
    {5, "Label7", "Text4", "Label8", nullptr},
    {6, "Label9", "Text5", "Label10", "Label9_2"},
    {7, "Label11", "Text6", "Label12", "Label11_2"},
    {8, "Label13", "Text7", "Label14", "Label13_2"},
}};

// The overlays keep the sizes they were created with.
struct OverlaySize {
    const char* name;
    double width, height;
};
constexpr std::array<OverlaySize, 4> overlaySizes{{
    {"Label5_2", 14, 26},
    {"Label9_2", 12, 26},
    {"Label11_2", 10, 26},
    {"Label13_2", 10, 26},
}};

struct ResultCell {
    const char* name;
    int row;
};

double nonNegative(double v) {
    return std::max(0.0, v);
}

} // namespace

std::map<QString, ControlRect> layout(double clientWidth, double clientHeight) {
    const double W = colWidth, H = rowHeight, gx = gapX, gy = gapY;
    auto rowTop = [&](int k) { return clientHeight - (11 - k) * (H + gy); };
    std::map<QString, ControlRect> r;

    r["Label36"] = {2 * gx, rowTop(1), 2 * W, H};
    const double captionWidth = 0.5 * W, fieldWidth = W, unitWidth = 0.6 * W;
    const double fieldLeft = r["Label36"].left + captionWidth;
    const double unitLeft = fieldLeft + fieldWidth;
    for (const InputRow& row : inputRows) {
        const double top = rowTop(row.row);
        r[row.caption] = {r["Label36"].left, top, captionWidth, H};
        r[row.field] = {fieldLeft, top, fieldWidth, H};
        r[row.unit] = {unitLeft, top, unitWidth, H};
        if (row.overlay) {
            for (const OverlaySize& o : overlaySizes)
                if (QLatin1String(o.name) == QLatin1String(row.overlay))
                    r[row.overlay] = {r[row.caption].left, top - 5, o.width, o.height};
        }
    }
    r["Label43"] = {r["Label36"].left, rowTop(10), 2 * W, H};

    auto column = [&](const char* header, double left, std::initializer_list<ResultCell> cells) {
        r[header] = {left, rowTop(1), 2 * W, H};
        for (const ResultCell& c : cells)
            r[c.name] = {left, rowTop(c.row), 2 * W, H};
    };
    column("Label15", 2 * W + 4 * gx,
           {{"Label20", 2},
            {"Label16", 4},
            {"Label33", 5},
            {"Label19", 6},
            {"Label17", 7},
            {"Label18", 8},
            {"Label37", 9},
            {"Label38", 10}});
    column("Label21", 4 * W + 6 * gx,
           {{"Label22", 2},
            {"Label23", 3},
            {"Label24", 4},
            {"Label34", 5},
            {"Label25", 6},
            {"Label26", 7},
            {"Label27", 8},
            {"Label39", 9},
            {"Label40", 10}});
    column("Label28", 6 * W + 8 * gx,
           {{"Label29", 4},
            {"Label35", 5},
            {"Label30", 6},
            {"Label31", 7},
            {"Label32", 8},
            {"Label41", 9},
            {"Label42", 10},
            {"Label44", 3},
            {"Label45", 2}});

    r["CmdOK"] = {8 * W + 10 * gx, rowTop(4), W, H};
    r["Command1"] = {9 * W + 5 * gx, clientHeight - 8 * H - 7 * gy, 1.5 * W, H};
    r["Frame1"] = {r["CmdOK"].left, rowTop(6), 1.35 * W, 3 * H};

    // Graph area: vertical bar on the left, horizontal bar under the panes.
    ControlRect v, h;
    v.width = W / 4;
    h.height = v.width;
    v.height = nonNegative(r["Label36"].top - h.height - 2 * gy);
    h.width = nonNegative(clientWidth - v.width - 2 * gx);
    v.left = gx;
    v.top = gy;
    h.left = v.left + v.width;
    h.top = v.top + v.height;
    r["VScroll1"] = v;
    r["HScroll1"] = h;
    const ControlRect pane{h.left, v.top, h.width, v.height};
    r["Picture1"] = pane;
    r["Picture2"] = pane;
    r["Picture3"] = pane;
    return r;
}

QRect toPixels(const ControlRect& r) {
    auto px = [](double v) { return static_cast<int>(std::round(v)); };
    return QRect(px(r.left), px(r.top), std::max(0, px(r.width)), std::max(0, px(r.height)));
}

} // namespace ui
