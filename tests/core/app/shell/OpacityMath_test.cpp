// Opacity percentage to layered-window alpha.
#include <gtest/gtest.h>

#include "app/shell/OpacityMath.h"

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

TEST(OpacityMath, OutOfRangeIsHeldToTheNearestEndNeverWrapped) {
    EXPECT_EQ(255, OpacityAlpha(256)) << "not 0, a transparent window";
    EXPECT_EQ(255, OpacityAlpha(256 + 50));
    EXPECT_EQ(255, OpacityAlpha(2147483647));
    EXPECT_EQ(0, OpacityAlpha(-1)) << "below 0 is as transparent as 0";
    EXPECT_EQ(0, OpacityAlpha(-2147483647 - 1));
}
