#include "ui/LayoutControls.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ui {
void PrintTo(const ControlRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
} // namespace ui

using ui::ControlRect;
using ui::layout;
using ui::toPixels;

namespace {

const char* const captions[] = {"Label1", "Label3",  "Label5", "Label7",
                                "Label9", "Label11", "Label13"};
const char* const fields[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"};
const char* const units[] = {"Label2",  "Label4",  "Label6", "Label8",
                             "Label10", "Label12", "Label14"};

} // namespace

TEST(LayoutControls, InitialClientSizeGivesTheTable) {
    const auto r = layout(720, 560);

    EXPECT_EQ(r.at("VScroll1"), (ControlRect{4, 4, 18, 234}));
    EXPECT_EQ(r.at("HScroll1"), (ControlRect{22, 238, 694, 18}));
    for (const char* p : {"Picture1", "Picture2", "Picture3"})
        EXPECT_EQ(r.at(p), (ControlRect{22, 4, 694, 234})) << p;
    EXPECT_EQ(r.at("Label36"), (ControlRect{8, 260, 144, 26}));

    for (int i = 0; i < 7; ++i) {
        const double top = 290 + 30 * i;
        EXPECT_EQ(r.at(captions[i]), (ControlRect{8, top, 36, 26})) << captions[i];
        EXPECT_EQ(r.at(fields[i]), (ControlRect{44, top, 72, 26})) << fields[i];
        EXPECT_DOUBLE_EQ(r.at(units[i]).left, 116) << units[i];
        EXPECT_DOUBLE_EQ(r.at(units[i]).top, top) << units[i];
        EXPECT_NEAR(r.at(units[i]).width, 43.2, 1e-12) << units[i];
    }
    // Overlays: 5 px above their captions, creation sizes kept.
    EXPECT_EQ(r.at("Label5_2"), (ControlRect{8, 345, 14, 26}));
    EXPECT_EQ(r.at("Label9_2"), (ControlRect{8, 405, 12, 26}));
    EXPECT_EQ(r.at("Label11_2"), (ControlRect{8, 435, 10, 26}));
    EXPECT_EQ(r.at("Label13_2"), (ControlRect{8, 465, 10, 26}));
    EXPECT_EQ(r.at("Label43"), (ControlRect{8, 530, 144, 26}));

    const double rowTop[] = {0, 260, 290, 320, 350, 380, 410, 440, 470, 500, 530};
    const std::pair<const char*, int> vacuum[] = {{"Label15", 1}, {"Label20", 2}, {"Label16", 4},
                                                  {"Label33", 5}, {"Label19", 6}, {"Label17", 7},
                                                  {"Label18", 8}, {"Label37", 9}, {"Label38", 10}};
    for (const auto& [name, row] : vacuum)
        EXPECT_EQ(r.at(name), (ControlRect{160, rowTop[row], 144, 26})) << name;
    const std::pair<const char*, int> linear[] = {
        {"Label21", 1}, {"Label22", 2}, {"Label23", 3}, {"Label24", 4}, {"Label34", 5},
        {"Label25", 6}, {"Label26", 7}, {"Label27", 8}, {"Label39", 9}, {"Label40", 10}};
    for (const auto& [name, row] : linear)
        EXPECT_EQ(r.at(name), (ControlRect{312, rowTop[row], 144, 26})) << name;
    const std::pair<const char*, int> quadratic[] = {
        {"Label28", 1}, {"Label45", 2}, {"Label44", 3}, {"Label29", 4}, {"Label35", 5},
        {"Label30", 6}, {"Label31", 7}, {"Label32", 8}, {"Label41", 9}, {"Label42", 10}};
    for (const auto& [name, row] : quadratic)
        EXPECT_EQ(r.at(name), (ControlRect{464, rowTop[row], 144, 26})) << name;

    EXPECT_EQ(r.at("CmdOK"), (ControlRect{616, 350, 72, 26}));
    EXPECT_EQ(r.at("Command1"), (ControlRect{668, 324, 108, 26}));
    EXPECT_DOUBLE_EQ(r.at("Frame1").left, 616);
    EXPECT_DOUBLE_EQ(r.at("Frame1").top, 410);
    EXPECT_NEAR(r.at("Frame1").width, 97.2, 1e-12);
    EXPECT_DOUBLE_EQ(r.at("Frame1").height, 78);

    // Every visible control of the window and nothing else: 8 graph-area and panel-control
    // entries, 7 × 3 input-row controls, 4 overlays, 4 headers, 27 results.
    EXPECT_EQ(r.size(), 8u + 21u + 4u + 4u + 27u);
}

TEST(LayoutControls, RoundsFractionsLikeTheWindowSystem) {
    const auto r = layout(720, 560);
    EXPECT_EQ(toPixels(r.at("Label2")), QRect(116, 290, 43, 26));
    EXPECT_EQ(toPixels(r.at("Frame1")), QRect(616, 410, 97, 78));
    // Half a pixel goes away from zero.
    EXPECT_EQ(toPixels(ControlRect{0.5, 2.5, 10.5, 1.49}), QRect(1, 3, 11, 1));
    EXPECT_EQ(toPixels(ControlRect{-0.5, -2.4, 3, 3}), QRect(-1, -2, 3, 3));
}

TEST(LayoutControls, GrowingOnlyEnlargesTheGraphArea) {
    const auto small = layout(720, 560);
    const auto big = layout(1000, 800);

    EXPECT_EQ(big.at("VScroll1"), (ControlRect{4, 4, 18, 474}));
    EXPECT_EQ(big.at("HScroll1"), (ControlRect{22, 478, 974, 18}));
    EXPECT_EQ(big.at("Picture1"), (ControlRect{22, 4, 974, 474}));
    // The panel keeps its size and columns and moves down with the bottom edge.
    for (const char* name : {"Label36", "Text4", "Label6", "Label9_2", "Label43", "Label38",
                             "Label40", "Label42", "CmdOK", "Frame1", "Command1"}) {
        ControlRect moved = small.at(name);
        moved.top += 240;
        EXPECT_EQ(big.at(name), moved) << name;
    }
    EXPECT_DOUBLE_EQ(big.at("Label43").top + big.at("Label43").height, 800 - 4);
}

TEST(LayoutControls, TinyWindowsClampSizesAtZero) {
    // Below 326 × 26 the graph area would get a negative height or width.
    for (const auto& [w, h] : {std::pair{25.0, 325.0}, {10.0, 100.0}, {0.0, 0.0}}) {
        const auto r = layout(w, h);
        for (const auto& [name, rect] : r) {
            EXPECT_GE(rect.width, 0) << name.toStdString() << " at " << w << "×" << h;
            EXPECT_GE(rect.height, 0) << name.toStdString() << " at " << w << "×" << h;
        }
        EXPECT_DOUBLE_EQ(r.at("Picture1").height, 0);
        EXPECT_DOUBLE_EQ(r.at("Picture1").width, 0);
        // The horizontal bar sits right under an empty graph area.
        EXPECT_DOUBLE_EQ(r.at("HScroll1").top, 4);
    }
    // Exactly at the limit nothing needs clamping.
    const auto edge = layout(26, 326);
    EXPECT_DOUBLE_EQ(edge.at("VScroll1").height, 0);
    EXPECT_DOUBLE_EQ(edge.at("HScroll1").width, 0);
}
