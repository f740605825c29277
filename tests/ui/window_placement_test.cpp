// Dialogs open centred over their owner and inside the work area.
#include "framework/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Case {
    const char* name;
    framework::Rect over;
    int width, height;
    framework::Rect bounds;
    int x, y;
};

// Failures name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class WindowPlacementTest : public testing::TestWithParam<Case> {};

TEST_P(WindowPlacementTest, CentresWithinTheWorkArea) {
    const Case& c = GetParam();
    const framework::Point origin = framework::CenteredOrigin(c.over, c.width, c.height, c.bounds);
    EXPECT_EQ(c.x, origin.x);
    EXPECT_EQ(c.y, origin.y);
}

const framework::Rect kScreen = {0, 0, 1024, 768};

const Case kCases[] = {
    {"OverTheOwner", {100, 100, 500, 400}, 200, 100, kScreen, 200, 200},
    {"OverTheWholeScreen", kScreen, 363, 268, kScreen, 330, 250},
    {"OddRoomRoundsDown", {0, 0, 101, 101}, 50, 50, kScreen, 25, 25},
    {"OwnerAtTheRightEdge", {900, 0, 1100, 100}, 300, 50, kScreen, 724, 25},
    {"OwnerAtTheBottomEdge", {0, 700, 200, 800}, 100, 200, kScreen, 50, 568},
    {"OwnerPartlyOffTheLeft", {-300, 10, 100, 110}, 300, 50, kScreen, 0, 35},
    {"LargerThanTheScreenKeepsTheCaptionVisible", kScreen, 1200, 900, kScreen, 0, 0},
    {"WorkAreaNotAtTheOrigin", {-1024, 0, 0, 768}, 200, 100, {-1024, 30, 0, 768}, -612, 334},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowPlacementTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
