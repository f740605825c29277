// The minimised main window's icon is centred with the quotient rounded toward zero.
#include "ui/icon_layout.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    int clientWidth, clientHeight, iconWidth, iconHeight;
    int x, y;
};

class IconLayoutTest : public testing::TestWithParam<Case> {};

TEST_P(IconLayoutTest, CentresTheIcon) {
    const Case& c = GetParam();
    const ui::IconOrigin origin =
        ui::CenteredIconOrigin(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
    EXPECT_EQ(c.x, origin.x);
    EXPECT_EQ(c.y, origin.y);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, IconLayoutTest,
    testing::Values(Case{36, 36, 32, 32, 2, 2},    // even room: the middle
                    Case{35, 35, 32, 32, 2, 2},    // odd room: the extra pixel goes right
                    Case{30, 36, 32, 32, 0, 2},    // -1 / 2 rounds toward zero
                    Case{29, 29, 32, 32, -1, -1},  // too small by more: starts outside
                    Case{32, 32, 32, 32, 0, 0},    // exactly the icon's size
                    Case{100, 40, 16, 32, 42, 4}   // the axes are independent
                    ));

}  // namespace
