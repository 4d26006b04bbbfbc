// Opacity percentage to layered-window alpha.
#include <gtest/gtest.h>

#include "app/shell/OpacityMath.h"

// The percentage of 255, truncated; beyond 100 % as 100 % (never wrapped to
// a transparent window), below 0 as transparent as 0.
TEST(OpacityMath, AlphaIsPercentageOf255TruncatedAndHeldToTheEnds) {
    const struct {
        int percentage;
        int alpha;
    } cases[] = {
        {0, 0},     {10, 25},   {20, 51},   {50, 127},        {90, 229},          {100, 255},
        {101, 255}, {150, 255}, {255, 255}, {256, 255},       {256 + 50, 255},    {2147483647, 255},
        {-1, 0},    {-2147483647 - 1, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.alpha, OpacityAlpha(c.percentage)) << c.percentage;
}
