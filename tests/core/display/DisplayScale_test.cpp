#include "display/DisplayScale.h"

#include <gtest/gtest.h>

// DPI arithmetic and the choice of artwork for a DPI.
TEST(DisplayScale, ScalingRoundsLikeMulDivAndTheNearestArtIsChosen) {
    EXPECT_EQ(18, ScaleForDpi(12, 144));
    EXPECT_EQ(-15, ScaleForDpi(-10, 144));
    EXPECT_EQ(204, ScaleForDpi(163, 120));  // 203.75
    EXPECT_EQ(513, ScaleForDpi(410, 120));  // 512.5, half away from zero
    EXPECT_EQ(-14, ScaleForDpi(-11, 120));  // -13.75
    EXPECT_EQ(163, UnscaleForDpi(204, 120));
    EXPECT_EQ(23, ScaleForPercent(18, 125));  // 22.5
    EXPECT_EQ(18, ScaleForPercent(14, 125));  // 17.5

    struct Case {
        int dpi;
        int percent;
    };
    const Case cases[] = {{72, 100}, {96, 100}, {107, 100}, {108, 125}, {120, 125}, {132, 150},
                          {144, 150}, {168, 200}, {192, 200}, {288, 200}};
    for (const Case& c : cases) EXPECT_EQ(c.percent, NearestArtScale(c.dpi)) << c.dpi;

    EXPECT_EQ(1066, ScaledArtId(1066, 100));
    EXPECT_EQ(11066, ScaledArtId(1066, 125));
    EXPECT_EQ(21066, ScaledArtId(1066, 150));
    EXPECT_EQ(30128, ScaledArtId(128, 200));
}
