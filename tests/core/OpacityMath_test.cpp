// Opacity percentage to layered-window alpha.
#include <gtest/gtest.h>

#include "app/OpacityMath.h"

TEST(OpacityMath, AlphaIsPercentageOf255Truncated) {
    EXPECT_EQ(0, OpacityAlpha(0));
    EXPECT_EQ(25, OpacityAlpha(10));
    EXPECT_EQ(51, OpacityAlpha(20));
    EXPECT_EQ(127, OpacityAlpha(50));
    EXPECT_EQ(229, OpacityAlpha(90));
    EXPECT_EQ(255, OpacityAlpha(100));
}

TEST(OpacityMath, AboveHundredActsAsHundred) {
    EXPECT_EQ(255, OpacityAlpha(101));
    EXPECT_EQ(255, OpacityAlpha(150));
    EXPECT_EQ(255, OpacityAlpha(255));
}

TEST(OpacityMath, OnlyTheLowEightBitsCount) {
    EXPECT_EQ(0, OpacityAlpha(256));
    EXPECT_EQ(127, OpacityAlpha(256 + 50));
    // -1 is 255 in its low 8 bits, which is capped at 100.
    EXPECT_EQ(255, OpacityAlpha(-1));
}
