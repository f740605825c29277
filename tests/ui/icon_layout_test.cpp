// The minimised main window's icon is centred with the quotient rounded toward zero.
#include "ui/icon_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Case {
    const char* name;
    int clientWidth, clientHeight, iconWidth, iconHeight;
    int x, y;
};

// Failures name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class IconLayoutTest : public testing::TestWithParam<Case> {};

TEST_P(IconLayoutTest, CentresTheIcon) {
    const Case& c = GetParam();
    const ui::IconOrigin origin =
        ui::CenteredIconOrigin(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
    EXPECT_EQ(c.x, origin.x);
    EXPECT_EQ(c.y, origin.y);
}

const Case kCases[] = {
    {"EvenRoomSplitsEvenly", 36, 36, 32, 32, 2, 2},
    {"OddRoomGivesTheExtraPixelToTheRight", 35, 35, 32, 32, 2, 2},
    {"MinusOneHalfRoundsTowardZero", 30, 36, 32, 32, 0, 2},
    {"SmallerStillStartsOutside", 29, 29, 32, 32, -1, -1},
    {"ExactlyTheIconsSize", 32, 32, 32, 32, 0, 0},
    {"AxesAreIndependent", 100, 40, 16, 32, 42, 4},
};

INSTANTIATE_TEST_SUITE_P(Sizes, IconLayoutTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
