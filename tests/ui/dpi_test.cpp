// Sizes in pixels written for 100 % scaled to a display's resolution.
#include "framework/dpi.h"

#include <gtest/gtest.h>

namespace {

TEST(ScaledPixels, GrowWithTheScaleRoundedAsTheSystemRounds) {
    EXPECT_EQ(framework::ScaledPixels(200, 96), 200);
    EXPECT_EQ(framework::ScaledPixels(200, 120), 250);
    EXPECT_EQ(framework::ScaledPixels(200, 144), 300);
    EXPECT_EQ(framework::ScaledPixels(200, 192), 400);
    // Halves go away from zero: 7.5 becomes 8, -7.5 becomes -8.
    EXPECT_EQ(framework::ScaledPixels(5, 144), 8);
    EXPECT_EQ(framework::ScaledPixels(-5, 144), -8);
    EXPECT_EQ(framework::ScaledPixels(3, 120), 4);  // 3.75
    EXPECT_EQ(framework::ScaledPixels(1, 108), 1);  // 1.125
}

TEST(ScaledPixels, AnUnknownResolutionCountsAs96) {
    EXPECT_EQ(framework::ScaledPixels(200, 0), 200);
    EXPECT_EQ(framework::ScaledPixels(200, -144), 200);
}

TEST(ScaledPixels, LargeSizesDoNotOverflow) {
    EXPECT_EQ(framework::ScaledPixels(100000000, 480), 500000000);
}

}  // namespace
