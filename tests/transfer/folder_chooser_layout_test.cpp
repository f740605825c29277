#include "transfer/folder_chooser_layout.h"

#include <gtest/gtest.h>

#include <tuple>

using PixelRect = framework::Rect;

namespace {

auto Tied(const PixelRect& r) {
    return std::tie(r.left, r.top, r.right, r.bottom);
}

struct LayoutCase {
    const char* name;
    int dpi;
    long width, height, cancelWidth, cancelHeight;
    PixelRect cancel, ok, tree;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.name;
}

class ChooserLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ChooserLayout, PutsTheButtonsBottomRightAndTheTreeAbove) {
    const LayoutCase& c = GetParam();
    const transfer::FolderChooserLayout layout =
        transfer::LayOutFolderChooser(c.width, c.height, c.cancelWidth, c.cancelHeight, c.dpi);
    EXPECT_EQ(Tied(layout.cancel), Tied(c.cancel));
    EXPECT_EQ(Tied(layout.ok), Tied(c.ok));
    EXPECT_EQ(Tied(layout.tree), Tied(c.tree));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ChooserLayout,
    ::testing::Values(
        // The client area of the enlarged chooser as Wine opens it, buttons 75 x 23.
        LayoutCase{"Enlarged",
                   96,
                   325,
                   347,
                   75,
                   23,
                   {245, 319, 320, 342},
                   {160, 319, 235, 342},
                   {5, 5, 320, 314}},
        // At 150 %: margins of 8 (7.5 rounded up), a gap of 15, buttons of 113 x 35.
        LayoutCase{"At150Percent",
                   144,
                   488,
                   521,
                   113,
                   35,
                   {367, 478, 480, 513},
                   {239, 478, 352, 513},
                   {8, 8, 480, 470}},
        // At 200 %: every margin and the gap twice their size.
        LayoutCase{"At200Percent",
                   192,
                   650,
                   694,
                   150,
                   46,
                   {490, 638, 640, 684},
                   {320, 638, 470, 684},
                   {10, 10, 640, 628}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(ChooserWindow, GrowsRightAndDownFromItsCorner) {
    EXPECT_EQ(Tied(transfer::EnlargedChooserRect({366, 213, 657, 555}, 96)),
              Tied(PixelRect{366, 213, 697, 585}));
    EXPECT_EQ(Tied(transfer::EnlargedChooserRect({-10, -20, 0, 0}, 96)),
              Tied(PixelRect{-10, -20, 40, 30}));
}

TEST(ChooserWindow, GrowsWithTheDisplayScale) {
    EXPECT_EQ(Tied(transfer::EnlargedChooserRect({100, 50, 537, 563}, 144)),
              Tied(PixelRect{100, 50, 597, 608}));
    EXPECT_EQ(Tied(transfer::EnlargedChooserRect({100, 50, 682, 734}, 192)),
              Tied(PixelRect{100, 50, 762, 794}));
    // 125 %: 50 and 37.5, rounded as the system rounds its own sizes.
    EXPECT_EQ(Tied(transfer::EnlargedChooserRect({0, 0, 364, 428}, 120)),
              Tied(PixelRect{0, 0, 414, 466}));
}

}  // namespace
