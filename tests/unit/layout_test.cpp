#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>

namespace hue::ui {
namespace {

TEST(Layout, WindowIs309By159PixelsAt96DpiAndScalesWithIt) {
    EXPECT_EQ(FormRect(96), (PixelRect{0, 0, 309, 159}));
    EXPECT_EQ(FormRect(120), (PixelRect{0, 0, 386, 199}));
    EXPECT_EQ(FormRect(144), (PixelRect{0, 0, 464, 239}));
}

TEST(Layout, TwipsToPixelsRoundsToTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(135, 120), 11);  // 11.25
    EXPECT_EQ(TwipsToPixels(135, 144), 14);  // 13.5 rounds up
    EXPECT_EQ(TwipsToPixels(-15, 96), -1);
}

TEST(Layout, EveryControlLiesInsideTheWindowAtEveryDpi) {
    for (int dpi : {96, 120, 144, 192}) {
        const PixelRect window = FormRect(dpi);
        for (const ControlSpec& row : kControls) {
            const PixelRect rect = ControlRect(row.id, dpi);
            EXPECT_GE(rect.left, 0) << row.name;
            EXPECT_GE(rect.top, 0) << row.name;
            EXPECT_LE(rect.right, window.right) << row.name << " at " << dpi;
            EXPECT_LE(rect.bottom, window.bottom) << row.name << " at " << dpi;
            EXPECT_GT(rect.Width(), 0) << row.name;
            EXPECT_GT(rect.Height(), 0) << row.name;
        }
    }
}

TEST(Layout, GroupSlidersStackTopToBottomBesideTheirSwatch) {
    for (const ColourGroup& group : kColourGroups) {
        const PixelRect top = ControlRect(group.top, 96);
        const PixelRect middle = ControlRect(group.middle, 96);
        const PixelRect bottom = ControlRect(group.bottom, 96);
        const PixelRect swatch = ControlRect(group.swatch, 96);
        EXPECT_EQ(middle.top - top.top, 8);
        EXPECT_EQ(bottom.top - middle.top, 8);
        EXPECT_EQ(swatch.top, top.top);
        EXPECT_EQ(swatch.bottom, bottom.bottom);
        EXPECT_EQ(top.right - swatch.left, 1) << "neighbours overlap by one pixel";
    }
}

TEST(Layout, TabOrderFollowsTheTableAndSkipsWhatCannotTakeTheFocus) {
    const std::vector<ControlId> order = TabOrder();
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front(), ControlId::red1);
    const std::vector<ControlId> firstGroups = {ControlId::red1,   ControlId::green1, ControlId::blue1,
                                                ControlId::green2, ControlId::red2,   ControlId::blue2};
    EXPECT_EQ(std::vector<ControlId>(order.begin(), order.begin() + 6), firstGroups);
    EXPECT_EQ(order.back(), ControlId::Option5);
    EXPECT_EQ(order.size(), 15u + 2 + 4 + 5 - 1);  // Text2 is hidden
    for (ControlId id : order) EXPECT_TRUE(CanTakeFocus(Spec(id))) << Spec(id).name;
}

TEST(Layout, TheShadowTitleLiesBelowTheWhiteTitleAndTheSwatchesAboveBoth) {
    // The first row of swatches overlaps Label1's box; the press there belongs to the swatch.
    const PixelRect swatch = ControlRect(ControlId::color1, 96);
    EXPECT_EQ(WindowlessControlAt(swatch.left + 1, swatch.top + 1, 96), ControlId::color1);
    const PixelRect white = ControlRect(ControlId::Label4, 96);
    EXPECT_EQ(WindowlessControlAt(white.left + 10, white.bottom - 1, 96), ControlId::Label4);
    EXPECT_EQ(WindowlessControlAt(white.left + 10, white.bottom + 1, 96), ControlId::Label1);
    EXPECT_EQ(WindowlessControlAt(1, 158, 96), std::nullopt);
    EXPECT_EQ(WindowlessControlAt(275, 5, 96), ControlId::Label2);
    EXPECT_EQ(WindowlessControlAt(292, 5, 96), ControlId::Label3);
}

TEST(Layout, NamesAreUniqueAndInStackingOrder) {
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(kControls[i].id), i);
        EXPECT_TRUE(names.insert(kControls[i].name).second) << kControls[i].name;
    }
}

}  // namespace
}  // namespace hue::ui
