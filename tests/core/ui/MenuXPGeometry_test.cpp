// The owner-drawn menu's arithmetic: gradient, row index, item sizes, check
// mark, label split.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "ui/MenuXPGeometry.h"

using namespace menuxp;

namespace {

constexpr Colorref kDefaultStart = MakeRgb(0, 0, 192);
constexpr Colorref kDefaultEnd = MakeRgb(0, 0, 0);
constexpr Colorref kProgramStart = MakeRgb(100, 5, 255);
constexpr Colorref kProgramEnd = MakeRgb(0, 50, 0);

}  // namespace

TEST(MenuXPMulDiv, RoundsHalvesAwayFromZeroThrough64BitsAndReportsFailures) {
    EXPECT_EQ(1, MulDivRound(1, 1, 2));
    EXPECT_EQ(2, MulDivRound(3, 1, 2));
    EXPECT_EQ(-1, MulDivRound(-1, 1, 2));
    EXPECT_EQ(-2, MulDivRound(-3, 1, 2));
    EXPECT_EQ(-1, MulDivRound(1, 1, -2));
    EXPECT_EQ(0, MulDivRound(1, 1, 3));
    EXPECT_EQ(-1, MulDivRound(-2, 1, 3));
    EXPECT_EQ(100000, MulDivRound(100000, 100000, 100000));
    EXPECT_EQ(-1, MulDivRound(INT_MAX, 2, 1));
    EXPECT_EQ(-1, MulDivRound(5, 1, 0));
}

TEST(MenuXPGradient, TableRunsFromStartToEndInclusive) {
    const GradientTable table = MakeGradientTable(kProgramStart, kProgramEnd);
    EXPECT_EQ(kProgramStart, table[0]);
    EXPECT_EQ(kProgramEnd, table[255]);
    const GradientTable same = MakeGradientTable(kDefaultEnd, kDefaultEnd);
    for (Colorref c : same) EXPECT_EQ(kDefaultEnd, c);
}

TEST(MenuXPGradient, TableRoundsEachChannelToNearest) {
    const GradientTable program = MakeGradientTable(kProgramStart, kProgramEnd);
    // red 100 - 100*2/255 = 99.2: 99 (truncating the step would keep 100)
    EXPECT_EQ(99, RedOf(program[2]));
    EXPECT_EQ(100, RedOf(program[1]));
    // green 5 + 45*3/255 = 5.53: 6
    EXPECT_EQ(6, GreenOf(program[3]));
    EXPECT_EQ(5, GreenOf(program[2]));
    EXPECT_EQ(127, BlueOf(program[128]));

    const GradientTable classic = MakeGradientTable(kDefaultStart, kDefaultEnd);
    // blue 192 - 192/255 = 191.25, 192 - 192*128/255 = 95.6
    EXPECT_EQ(MakeRgb(0, 0, 191), classic[1]);
    EXPECT_EQ(MakeRgb(0, 0, 96), classic[128]);
}

TEST(MenuXPGradient, RowIndexRoundsAndNeverPassesTheTable) {
    EXPECT_EQ(0, GradientRow(0, 512));
    EXPECT_EQ(1, GradientRow(1, 512)) << "256/512 is a half, rounded up";
    EXPECT_EQ(255, GradientRow(510, 512));
    EXPECT_EQ(255, GradientRow(511, 512)) << "255.5 would round to 256";
    EXPECT_EQ(128, GradientRow(10, 20));
    for (int height = 1; height <= 1500; ++height) {
        int previous = 0;
        for (int y = 0; y < height; ++y) {
            const int row = GradientRow(y, height);
            ASSERT_GE(row, previous) << y << " of " << height;
            ASSERT_LE(row, 255) << y << " of " << height;
            previous = row;
        }
    }
}

TEST(MenuXPGradient, TallBarGivesItsTopRowsTheEndColour) {
    // 600 rows: MulDiv(256, y, 600) reaches 255 at y = 597.
    EXPECT_EQ(254, GradientRow(596, 600));
    EXPECT_EQ(255, GradientRow(597, 600));
    EXPECT_EQ(255, GradientRow(599, 600));

    const std::vector<std::uint32_t> pixels = GradientPixels(2, 600, kDefaultStart, MakeRgb(10, 20, 30));
    ASSERT_EQ(1200u, pixels.size());
    EXPECT_EQ(0x0A141Eu, pixels[599 * 2]);
    EXPECT_EQ(0x0A141Eu, pixels[597 * 2 + 1]);
    EXPECT_NE(0x0A141Eu, pixels[596 * 2]);
}

TEST(MenuXPGradient, PixelsAreBottomUpRowsOfDibColour) {
    EXPECT_EQ(0x00010203u, DibPixel(MakeRgb(1, 2, 3)));
    const GradientTable table = MakeGradientTable(kProgramStart, kProgramEnd);
    const std::vector<std::uint32_t> pixels = GradientPixels(3, 4, kProgramStart, kProgramEnd);
    ASSERT_EQ(12u, pixels.size());
    // Four rows take entries 0, 64, 128 and 192: a short bar never reaches
    // the end colour (that needs 171 rows).
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(0x006405FFu, pixels[x]) << "the first row in memory is the bottom one";
        EXPECT_EQ(DibPixel(table[64]), pixels[3 + x]);
        EXPECT_EQ(DibPixel(table[128]), pixels[6 + x]);
        EXPECT_EQ(DibPixel(table[192]), pixels[9 + x]);
    }
    EXPECT_EQ(254, GradientRow(169, 170));
    EXPECT_EQ(255, GradientRow(170, 171));
    EXPECT_TRUE(GradientPixels(0, 10, kProgramStart, kProgramEnd).empty());
    EXPECT_TRUE(GradientPixels(10, 0, kProgramStart, kProgramEnd).empty());
}

TEST(MenuXPMeasure, TextItemIsAtLeastIconPlusFourHigh) {
    const ItemSize small = TextItemSize(16, 50, 13);
    EXPECT_EQ(20, small.height);
    EXPECT_EQ(2 * 16 + 12 + 50, small.width);
    const ItemSize tall = TextItemSize(16, 50, 25);
    EXPECT_EQ(25, tall.height);
    EXPECT_EQ(94, tall.width);
    EXPECT_EQ(44, TextItemSize(16, 0, 0).width);
    EXPECT_EQ(28, TextItemSize(24, 0, 0).height);
    EXPECT_EQ(60, TextItemSize(24, 0, 0).width);
}

// At a higher DPI the paddings around the label scale; the icon size comes
// scaled with the entry.
TEST(MenuXPMeasure, PaddingsScaleWithTheDpi) {
    EXPECT_EQ(2 * 24 + 18 + 50, TextItemSize(24, 50, 13, 144).width);
    EXPECT_EQ(24 + 6, TextItemSize(24, 50, 13, 144).height);
    EXPECT_EQ(2 * 32 + 24 + 50, TextItemSize(32, 50, 13, 192).width);
    EXPECT_EQ(32 + 8, TextItemSize(32, 50, 13, 192).height);
    EXPECT_EQ(TextItemSize(16, 50, 13).width, TextItemSize(16, 50, 13, 96).width);
}

TEST(MenuXPMeasure, SeparatorAndSideBar) {
    EXPECT_EQ(0, SeparatorSize(13).width);
    EXPECT_EQ(6, SeparatorSize(13).height) << "half the check mark, rounded down";
    EXPECT_EQ(7, SeparatorSize(15).height);
    EXPECT_EQ(15, SideBarSize(15).width);
    EXPECT_EQ(1, SideBarSize(15).height) << "an empty item would never be painted";
}

TEST(MenuXPMeasure, ReportedWidthLeavesRoomForTheSystemsCheckMarkAddition) {
    EXPECT_EQ(82u, ReportedItemWidth(94, 13));
    EXPECT_EQ(15u, ReportedItemWidth(15, 1));
    // A separator's 0 wraps below zero; the system's addition of the same
    // amount in the same 32-bit field brings it back to 0.
    const std::uint32_t separator = ReportedItemWidth(0, 13);
    EXPECT_EQ(0xFFFFFFF4u, separator);
    EXPECT_EQ(0u, static_cast<std::uint32_t>(separator + (13u - 1u)));
}

TEST(MenuXPCheckMark, ThreeStrokesOnePixelApartInTheCentredBox) {
    const auto strokes = CheckMarkStrokes(2, 2, 16, 16);
    EXPECT_EQ((MenuPoint{6, 9}), strokes[0][0]);
    EXPECT_EQ((MenuPoint{8, 11}), strokes[0][1]);
    EXPECT_EQ((MenuPoint{13, 6}), strokes[0][2]);
    EXPECT_EQ((MenuPoint{6, 11}), strokes[2][0]);
    EXPECT_EQ((MenuPoint{8, 13}), strokes[2][1]);
    EXPECT_EQ((MenuPoint{13, 8}), strokes[2][2]);
}

// At 200 % the mark is twice as large, its strokes two pixels apart and drawn
// with a two-pixel pen.
TEST(MenuXPCheckMark, ScalesWithTheDpi) {
    const auto strokes = CheckMarkStrokes(4, 4, 32, 32, 192);
    EXPECT_EQ((MenuPoint{12, 18}), strokes[0][0]);
    EXPECT_EQ((MenuPoint{16, 22}), strokes[0][1]);
    EXPECT_EQ((MenuPoint{26, 12}), strokes[0][2]);
    EXPECT_EQ((MenuPoint{12, 22}), strokes[2][0]);
    EXPECT_EQ(2, CheckMarkPenWidth(192));
    EXPECT_EQ(1, CheckMarkPenWidth(96));
    EXPECT_EQ(1, CheckMarkPenWidth(120));
}

TEST(MenuXPCheckMark, OffsetsTruncateTowardZero) {
    EXPECT_EQ(13, CheckMarkStrokes(10, 20, 15, 17)[0][0].x);   // (15-8)/2 = 3
    EXPECT_EQ(27, CheckMarkStrokes(10, 20, 15, 17)[0][0].y);   // 20 + 4 + 3
    EXPECT_EQ(9, CheckMarkStrokes(10, 20, 5, 5)[0][0].x) << "(5-8)/2 is -1, not -2";
}

TEST(MenuXPLabel, SplitsAtTheFirstTab) {
    const LabelParts shortcut = SplitLabel("Copy\tCtrl+C");
    EXPECT_TRUE(shortcut.hasTab);
    EXPECT_EQ("Copy", shortcut.left);
    EXPECT_EQ("Ctrl+C", shortcut.right);
    const LabelParts two = SplitLabel("A\tB\tC");
    EXPECT_EQ("A", two.left);
    EXPECT_EQ("B\tC", two.right);
    const LabelParts plain = SplitLabel("Plain");
    EXPECT_FALSE(plain.hasTab);
    EXPECT_EQ("Plain", plain.left);
    EXPECT_EQ("", plain.right);
}
