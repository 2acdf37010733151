#include "ui/window/LayoutControls.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ui {
void PrintTo(const ControlRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
} // namespace ui

using ui::ControlRect;
using ui::layout;

TEST(LayoutControls, InitialClientSizeGivesTheTable) {
    const auto r = layout(720, 560);
    const std::pair<const char*, ControlRect> odd[] = {
        {"VScroll1", {4, 4, 18, 234}},    {"HScroll1", {22, 238, 694, 18}},
        {"Picture1", {22, 4, 694, 234}},  {"Picture3", {22, 4, 694, 234}},
        {"Label36", {8, 260, 144, 26}},   {"Label5_2", {8, 345, 14, 26}}, // overlays: 5 px up
        {"Label9_2", {8, 405, 12, 26}},   {"Label13_2", {8, 465, 10, 26}},
        {"Label43", {8, 530, 144, 26}},   {"CmdOK", {616, 350, 72, 26}},
        {"Command1", {668, 324, 108, 26}}};
    for (const auto& [name, rect] : odd)
        EXPECT_EQ(r.at(name), rect) << name;

    // Input rows k = 0…6: caption Label(2k+1), field Text(k+1), unit Label(2k+2) 43.2 wide.
    for (int k = 0; k < 7; ++k) {
        const double top = 290 + 30 * k;
        const QString caption = QStringLiteral("Label%1").arg(2 * k + 1),
                      unit = QStringLiteral("Label%1").arg(2 * k + 2);
        EXPECT_EQ(r.at(caption), (ControlRect{8, top, 36, 26})) << k;
        EXPECT_EQ(r.at(QStringLiteral("Text%1").arg(k + 1)), (ControlRect{44, top, 72, 26})) << k;
        EXPECT_DOUBLE_EQ(r.at(unit).left, 116);
        EXPECT_NEAR(r.at(unit).width, 43.2, 1e-12);
        EXPECT_EQ(ui::toPixels(r.at(unit)), QRect(116, int(top), 43, 26)) << k;
    }
    // Results in three columns, row k at 260 + 30k.
    const char* const results[][3] = {
        {"Label15", "Label21", "Label28"}, {"Label20", "Label22", "Label45"},
        {nullptr, "Label23", "Label44"},   {"Label16", "Label24", "Label29"},
        {"Label33", "Label34", "Label35"}, {"Label19", "Label25", "Label30"},
        {"Label17", "Label26", "Label31"}, {"Label18", "Label27", "Label32"},
        {"Label37", "Label39", "Label41"}, {"Label38", "Label40", "Label42"}};
    for (int k = 0; k < 10; ++k)
        for (int col = 0; col < 3; ++col)
            if (const char* name = results[k][col]) {
                EXPECT_EQ(r.at(name), (ControlRect{160.0 + 152 * col, 260.0 + 30 * k, 144, 26}))
                    << name;
            }
    EXPECT_EQ(ui::toPixels(r.at("Frame1")), QRect(616, 410, 97, 78));
    EXPECT_NEAR(r.at("Frame1").width, 97.2, 1e-12);
    // Half a pixel goes away from zero.
    EXPECT_EQ(ui::toPixels(ControlRect{0.5, 2.5, 10.5, 1.49}), QRect(1, 3, 11, 1));
    EXPECT_EQ(ui::toPixels(ControlRect{-0.5, -2.4, 3, 3}), QRect(-1, -2, 3, 3));
    // Every visible control and nothing else: graph area and panel controls, input rows,
    // overlays, headers, results.
    EXPECT_EQ(r.size(), 8u + 21u + 4u + 4u + 27u);
}

TEST(LayoutControls, GrowingOnlyEnlargesTheGraphAreaAndTinySizesClampAtZero) {
    const auto small = layout(720, 560), big = layout(1000, 800);
    EXPECT_EQ(big.at("HScroll1"), (ControlRect{22, 478, 974, 18}));
    EXPECT_EQ(big.at("Picture1"), (ControlRect{22, 4, 974, 474}));
    // The panel keeps its size and columns and moves down with the bottom edge.
    for (const char* name :
         {"Label36", "Text4", "Label6", "Label9_2", "Label42", "CmdOK", "Frame1"}) {
        ControlRect moved = small.at(name);
        moved.top += 240;
        EXPECT_EQ(big.at(name), moved) << name;
    }

    // Below 326 × 26 the graph area would get a negative height or width.
    const auto tiny = layout(10, 100);
    for (const auto& [name, rect] : tiny) {
        EXPECT_GE(rect.width, 0) << name.toStdString();
        EXPECT_GE(rect.height, 0) << name.toStdString();
    }
    EXPECT_EQ(tiny.at("Picture1").width + tiny.at("Picture1").height, 0);
    EXPECT_DOUBLE_EQ(tiny.at("HScroll1").top, 4); // right under the empty graph area
}
