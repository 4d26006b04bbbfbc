#include <gtest/gtest.h>

#include <ostream>

#include "controls/ButtonFaceLayout.h"

using namespace buttonface;

namespace buttonface {
void PrintTo(const Rect& r, std::ostream* os)
{
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}
} // namespace buttonface

TEST(ButtonFacePlacement, IconOnlyIsCentredBothWays)
{
    // The main window's size button: a 16 x 16 icon, no text.
    const Placement p = PlaceIconAndText(Rect{0, 0, 29, 23}, 16, 16, false);
    EXPECT_EQ(p.icon, (Rect{6, 3, 22, 19}));
    EXPECT_EQ(Offset(p.icon, 1, 1), (Rect{7, 4, 23, 20})) << "pressed classic look";

    EXPECT_EQ(PlaceIconAndText(Rect{0, 0, 40, 30}, 16, 16, false).icon, (Rect{12, 7, 28, 23}));
    EXPECT_EQ(PlaceIconAndText(Rect{0, 0, 32, 32}, 32, 32, false).icon, (Rect{0, 0, 32, 32}));
}

TEST(ButtonFacePlacement, IconBesideTextSitsHalfAnIconInAndTheTextTwoIconsIn)
{
    const Placement p = PlaceIconAndText(Rect{0, 0, 75, 23}, 16, 16, true);
    EXPECT_EQ(p.icon, (Rect{8, 3, 24, 19}));
    EXPECT_EQ(p.text, (Rect{32, 0, 67, 23})) << "ends 8 pixels before the right edge";

    const Placement big = PlaceIconAndText(Rect{0, 0, 100, 40}, 32, 32, true);
    EXPECT_EQ(big.icon, (Rect{16, 4, 48, 36}));
    EXPECT_EQ(big.text, (Rect{64, 0, 84, 40}));
}

TEST(ButtonFacePlacement, OddSizesAndIconsLargerThanTheButtonCutTowardZero)
{
    EXPECT_EQ(PlaceIconAndText(Rect{0, 0, 27, 21}, 16, 16, false).icon, (Rect{5, 2, 21, 18}));
    EXPECT_EQ(PlaceIconAndText(Rect{0, 0, 27, 21}, 15, 15, true).icon, (Rect{7, 3, 22, 18}));
    // (10 - 16) / 2 is -3; (9 - 16) / 2 is -3 too, not -4.
    EXPECT_EQ(PlaceIconAndText(Rect{0, 0, 10, 9}, 16, 16, false).icon, (Rect{-3, -3, 13, 13}));
}

TEST(ButtonFacePlacement, TextCentringShiftIsSignedAndCutTowardZero)
{
    EXPECT_EQ(CentringShift(23, 13), 5);
    EXPECT_EQ(CentringShift(24, 13), 5);
    EXPECT_EQ(CentringShift(13, 13), 0);
    EXPECT_EQ(CentringShift(10, 13), -1);
    EXPECT_EQ(CentringShift(10, 15), -2);
}

TEST(ButtonFaceBackground, ClassicFocusGivesUpOnePixelAndTheFocusRectangleSitsThreeInside)
{
    const Rect item{0, 0, 60, 24};
    EXPECT_EQ(BackgroundRect(item, true), (Rect{1, 1, 59, 23}));
    EXPECT_EQ(BackgroundRect(item, false), item);
    EXPECT_EQ(FocusRect(BackgroundRect(item, true)), (Rect{4, 4, 56, 20})) << "classic: 4 from the edge";
    EXPECT_EQ(FocusRect(BackgroundRect(item, false)), (Rect{3, 3, 57, 21})) << "themed: 3 from the edge";
    EXPECT_EQ(Inset(item, -2), (Rect{-2, -2, 62, 26}));
}

TEST(ButtonFaceText, CentredAcrossOnlyWithoutAnIcon)
{
    EXPECT_EQ(TextFormat(true), 0x34u);
    EXPECT_EQ(TextFormat(false), 0x35u);
}

TEST(ButtonFaceTheme, PressedBeatsHoverBeatsFocus)
{
    EXPECT_EQ(PushButtonState(false, false, false), kStateNormal);
    EXPECT_EQ(PushButtonState(false, false, true), kStateDefaulted);
    EXPECT_EQ(PushButtonState(false, true, false), kStateHot);
    EXPECT_EQ(PushButtonState(false, true, true), kStateHot);
    EXPECT_EQ(PushButtonState(true, false, false), kStatePressed);
    EXPECT_EQ(PushButtonState(true, true, true), kStatePressed);
}
