// Pixel-exact cases for DrawAntialiasedLine, written once for every surface
// type. A test binary instantiates them for its surfaces with
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, AntialiasedLineTest, ::testing::Types<...>);
// after specialising SurfaceTraits for each type in the list.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>

#include "controls/AntialiasedLine.h"
#include "controls/Colorref.h"

// Specialise for each surface type:
//   static std::unique_ptr<T> Make(int width, int height, Colorref fill);
// returning a canvas of that size with every pixel set to fill.
template <class T>
struct SurfaceTraits;

// Passes everything through to a surface and counts the calls.
template <class S>
class CountingSurface {
public:
    explicit CountingSurface(S& surface) : m_surface(surface) {}
    Colorref GetPixel(int x, int y)
    {
        ++reads;
        return m_surface.GetPixel(x, y);
    }
    void SetPixel(int x, int y, Colorref c)
    {
        ++writes;
        m_surface.SetPixel(x, y, c);
    }
    int reads = 0;
    int writes = 0;

private:
    S& m_surface;
};

struct ExpectedPixel {
    int x;
    int y;
    Colorref colour;
};

constexpr Colorref Grey(int g) { return MakeRgb(g, g, g); }

// Every pixel of the w x h area must equal fill, except the listed ones.
template <class S>
::testing::AssertionResult CanvasMatches(S& surface, int w, int h, Colorref fill,
                                         std::initializer_list<ExpectedPixel> changed)
{
    std::string mismatches;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Colorref want = fill;
            for (const ExpectedPixel& e : changed)
                if (e.x == x && e.y == y)
                    want = e.colour;
            const Colorref got = surface.GetPixel(x, y);
            if (got != want) {
                char line[80];
                std::snprintf(line, sizeof line, "\n  (%d,%d): got 0x%06X, want 0x%06X", x, y,
                              static_cast<unsigned>(got), static_cast<unsigned>(want));
                mismatches += line;
            }
        }
    }
    if (mismatches.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixels differ:" << mismatches;
}

template <class T>
class AntialiasedLineTest : public ::testing::Test {
protected:
    static constexpr int kSize = 12;
    static constexpr Colorref kWhite = 0x00FFFFFF;
    static constexpr Colorref kBlack = 0;
    static constexpr Colorref kRed = 0x000000FF;

    static std::unique_ptr<T> Canvas(Colorref fill) { return SurfaceTraits<T>::Make(kSize, kSize, fill); }
};

TYPED_TEST_SUITE_P(AntialiasedLineTest);

// Lines that need no blending are set outright, without reading the surface.

TYPED_TEST_P(AntialiasedLineTest, SinglePointSetsOnePixel)
{
    auto canvas = this->Canvas(this->kWhite);
    CountingSurface<TypeParam> counted(*canvas);
    DrawAntialiasedLine(counted, 3, 3, 3, 3, this->kRed);
    EXPECT_EQ(counted.reads, 0);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite, {{3, 3, this->kRed}}));
}

TYPED_TEST_P(AntialiasedLineTest, HorizontalLineRunningLeftCoversBothEnds)
{
    auto canvas = this->Canvas(this->kWhite);
    CountingSurface<TypeParam> counted(*canvas);
    DrawAntialiasedLine(counted, 10, 5, 2, 5, this->kRed);
    EXPECT_EQ(counted.reads, 0);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite,
                              {{2, 5, this->kRed}, {3, 5, this->kRed}, {4, 5, this->kRed},
                               {5, 5, this->kRed}, {6, 5, this->kRed}, {7, 5, this->kRed},
                               {8, 5, this->kRed}, {9, 5, this->kRed}, {10, 5, this->kRed}}));
}

TYPED_TEST_P(AntialiasedLineTest, VerticalLineDrawnUpwardCoversBothEnds)
{
    auto canvas = this->Canvas(this->kWhite);
    CountingSurface<TypeParam> counted(*canvas);
    DrawAntialiasedLine(counted, 5, 9, 5, 2, this->kRed);
    EXPECT_EQ(counted.reads, 0);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite,
                              {{5, 2, this->kRed}, {5, 3, this->kRed}, {5, 4, this->kRed},
                               {5, 5, this->kRed}, {5, 6, this->kRed}, {5, 7, this->kRed},
                               {5, 8, this->kRed}, {5, 9, this->kRed}}));
}

TYPED_TEST_P(AntialiasedLineTest, DiagonalDownRightIsSolidWithoutReads)
{
    auto canvas = this->Canvas(this->kWhite);
    CountingSurface<TypeParam> counted(*canvas);
    DrawAntialiasedLine(counted, 0, 0, 3, 3, this->kRed);
    EXPECT_EQ(counted.reads, 0);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite,
                              {{0, 0, this->kRed}, {1, 1, this->kRed}, {2, 2, this->kRed},
                               {3, 3, this->kRed}}));
}

TYPED_TEST_P(AntialiasedLineTest, DiagonalDownLeftIsSolidWithoutReads)
{
    auto canvas = this->Canvas(this->kWhite);
    CountingSurface<TypeParam> counted(*canvas);
    DrawAntialiasedLine(counted, 3, 0, 0, 3, this->kRed);
    EXPECT_EQ(counted.reads, 0);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite,
                              {{3, 0, this->kRed}, {2, 1, this->kRed}, {1, 2, this->kRed},
                               {0, 3, this->kRed}}));
}

// Blended lines: the primary pixel of each step is above (flat) or beside
// (steep) its paired pixel, and the two weights add up to 255.

TYPED_TEST_P(AntialiasedLineTest, DarkFlatLineOnLightSplitsWeights)
{
    auto canvas = this->Canvas(this->kWhite);
    DrawAntialiasedLine(*canvas, 0, 0, 4, 1, this->kBlack);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite,
                              {{0, 0, this->kBlack},
                               {1, 0, Grey(64)}, {1, 1, Grey(191)},
                               {2, 0, Grey(128)}, {2, 1, Grey(127)},
                               {3, 0, Grey(192)}, {3, 1, Grey(63)},
                               {4, 1, this->kBlack}}));
}

TYPED_TEST_P(AntialiasedLineTest, LightFlatLineOnDarkSwapsWeights)
{
    auto canvas = this->Canvas(this->kBlack);
    DrawAntialiasedLine(*canvas, 0, 0, 4, 1, this->kWhite);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kBlack,
                              {{0, 0, this->kWhite},
                               {1, 0, Grey(191)}, {1, 1, Grey(64)},
                               {2, 0, Grey(127)}, {2, 1, Grey(128)},
                               {3, 0, Grey(63)}, {3, 1, Grey(192)},
                               {4, 1, this->kWhite}}));
}

TYPED_TEST_P(AntialiasedLineTest, FlatLineRunningLeftStepsLeft)
{
    auto canvas = this->Canvas(this->kWhite);
    DrawAntialiasedLine(*canvas, 4, 0, 0, 1, this->kBlack);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite,
                              {{4, 0, this->kBlack},
                               {3, 0, Grey(64)}, {3, 1, Grey(191)},
                               {2, 0, Grey(128)}, {2, 1, Grey(127)},
                               {1, 0, Grey(192)}, {1, 1, Grey(63)},
                               {0, 1, this->kBlack}}));
}

TYPED_TEST_P(AntialiasedLineTest, FlatLineMovesDownWhenAccumulatorWraps)
{
    // adj = 2 * 65536 / 3 = 43690: the first step stays on row 0 with
    // weight 170, the second wraps to row 1 with weight 85.
    auto canvas = this->Canvas(this->kWhite);
    DrawAntialiasedLine(*canvas, 0, 0, 3, 2, this->kBlack);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite,
                              {{0, 0, this->kBlack},
                               {1, 0, Grey(170)}, {1, 1, Grey(85)},
                               {2, 1, Grey(85)}, {2, 2, Grey(170)},
                               {3, 2, this->kBlack}}));
}

TYPED_TEST_P(AntialiasedLineTest, SteepLineGivenUpwardRunsDownAndStepsLeft)
{
    // Swapped to (3,0)-(0,4); adj = 3 * 65536 / 4 = 49152, so the
    // accumulator wraps on the second and third steps.
    auto canvas = this->Canvas(this->kWhite);
    DrawAntialiasedLine(*canvas, 0, 4, 3, 0, this->kBlack);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, this->kWhite,
                              {{3, 0, this->kBlack},
                               {3, 1, Grey(192)}, {2, 1, Grey(63)},
                               {2, 2, Grey(128)}, {1, 2, Grey(127)},
                               {1, 3, Grey(64)}, {0, 3, Grey(191)},
                               {0, 4, this->kBlack}}));
}

TYPED_TEST_P(AntialiasedLineTest, ChannelsBlendFromSmallerToLargerValue)
{
    // The line is darker than the grey in luminance, so the primary pixel
    // takes the step weight, yet its blue is above the grey's: blue moves up
    // from the grey's 100 while red and green move up from the line's 0.
    const Colorref line = MakeRgb(0, 0, 200);
    const Colorref grey = Grey(100);
    auto canvas = this->Canvas(grey);
    DrawAntialiasedLine(*canvas, 0, 0, 4, 1, line);
    EXPECT_TRUE(CanvasMatches(*canvas, this->kSize, this->kSize, grey,
                              {{0, 0, line},
                               {1, 0, MakeRgb(25, 25, 125)}, {1, 1, MakeRgb(74, 74, 174)},
                               {2, 0, MakeRgb(50, 50, 150)}, {2, 1, MakeRgb(49, 49, 149)},
                               {3, 0, MakeRgb(75, 75, 175)}, {3, 1, MakeRgb(24, 24, 124)},
                               {4, 1, line}}));
}

TYPED_TEST_P(AntialiasedLineTest, LuminanceDecidesWhichWeightTheFirstPixelTakes)
{
    // Step one of (0,0)-(4,1) has weight 64: a darker line gives the primary
    // pixel 64, one as bright or brighter 191. Pure blue (29.07) sits between
    // green 49 (28.76) and green 50 (29.35); pure red (76.25) between green
    // 129 (75.72) and green 130 (76.31). The last pair has equal luminance.
    struct Case {
        Colorref line;
        Colorref background;
        Colorref firstPixel;
    };
    const Case cases[] = {
        {MakeRgb(0, 0, 255), MakeRgb(0, 49, 0), MakeRgb(0, 36, 191)},        // 191
        {MakeRgb(0, 0, 255), MakeRgb(0, 50, 0), MakeRgb(0, 12, 64)},         // 64
        {MakeRgb(255, 0, 0), MakeRgb(0, 129, 0), MakeRgb(191, 96, 0)},       // 191
        {MakeRgb(255, 0, 0), MakeRgb(0, 130, 0), MakeRgb(64, 32, 0)},        // 64
        {MakeRgb(171, 0, 100), MakeRgb(0, 57, 255), MakeRgb(128, 42, 216)},  // 191
    };
    for (const Case& c : cases) {
        auto canvas = this->Canvas(c.background);
        DrawAntialiasedLine(*canvas, 0, 0, 4, 1, c.line);
        EXPECT_EQ(canvas->GetPixel(1, 0), c.firstPixel)
            << std::hex << "line 0x" << c.line << " on 0x" << c.background;
    }
}

TYPED_TEST_P(AntialiasedLineTest, BlendScalesInDoublePrecision)
{
    // (0,0)-(15,4): adj = 17476, so step one has weight 68 and its paired
    // pixel 187. On grey 75, 187 / 255.0 * 75 comes out just below 55 and
    // is cut to 54 (an all-integer blend would give 55).
    auto canvas = SurfaceTraits<TypeParam>::Make(16, 16, Grey(75));
    DrawAntialiasedLine(*canvas, 0, 0, 15, 4, this->kBlack);
    EXPECT_EQ(canvas->GetPixel(1, 0), Grey(20));
    EXPECT_EQ(canvas->GetPixel(1, 1), Grey(54));
}

TYPED_TEST_P(AntialiasedLineTest, LineLeavingTheCanvasIsNotShortened)
{
    // The part on the canvas must look exactly like the same stretch of the
    // line drawn wholly inside a wider canvas.
    const int shift = 6;
    auto clipped = this->Canvas(this->kWhite);
    auto whole = SurfaceTraits<TypeParam>::Make(this->kSize * 2, this->kSize, this->kWhite);
    DrawAntialiasedLine(*clipped, -3, 1, 8, 4, this->kBlack);
    DrawAntialiasedLine(*whole, -3 + shift, 1, 8 + shift, 4, this->kBlack);
    for (int y = 0; y < this->kSize; ++y)
        for (int x = 0; x < this->kSize; ++x)
            EXPECT_EQ(clipped->GetPixel(x, y), whole->GetPixel(x + shift, y)) << "at " << x << "," << y;
}

// A thicker stroke for a larger display scale: one-pixel lines side by side
// across the line, and weight 1 draws exactly the one-pixel line.
TYPED_TEST_P(AntialiasedLineTest, StrokeOfWeightOneIsTheLineAndHeavierStrokesLieSideBySide)
{
    auto line = this->Canvas(this->kWhite);
    auto stroke = this->Canvas(this->kWhite);
    DrawAntialiasedLine(*line, 1, 1, 9, 4, this->kBlack);
    DrawAntialiasedStroke(*stroke, 1, 1, 9, 4, this->kBlack, 1);
    for (int y = 0; y < this->kSize; ++y)
        for (int x = 0; x < this->kSize; ++x)
            EXPECT_EQ(line->GetPixel(x, y), stroke->GetPixel(x, y)) << "at " << x << "," << y;

    // Steep: neighbours along x, the extra one to the right for weight 2 and
    // one each side for weight 3.
    auto steep = this->Canvas(this->kWhite);
    DrawAntialiasedStroke(*steep, 5, 2, 5, 6, this->kRed, 2);
    EXPECT_TRUE(CanvasMatches(*steep, this->kSize, this->kSize, this->kWhite,
                              {{5, 2, this->kRed}, {5, 3, this->kRed}, {5, 4, this->kRed}, {5, 5, this->kRed},
                               {5, 6, this->kRed}, {6, 2, this->kRed}, {6, 3, this->kRed}, {6, 4, this->kRed},
                               {6, 5, this->kRed}, {6, 6, this->kRed}}));
    // Flat: neighbours along y.
    auto flat = this->Canvas(this->kWhite);
    DrawAntialiasedStroke(*flat, 2, 5, 4, 5, this->kRed, 3);
    EXPECT_TRUE(CanvasMatches(*flat, this->kSize, this->kSize, this->kWhite,
                              {{2, 4, this->kRed}, {3, 4, this->kRed}, {4, 4, this->kRed}, {2, 5, this->kRed},
                               {3, 5, this->kRed}, {4, 5, this->kRed}, {2, 6, this->kRed}, {3, 6, this->kRed},
                               {4, 6, this->kRed}}));
}

REGISTER_TYPED_TEST_SUITE_P(AntialiasedLineTest,
                            SinglePointSetsOnePixel,
                            HorizontalLineRunningLeftCoversBothEnds,
                            VerticalLineDrawnUpwardCoversBothEnds,
                            DiagonalDownRightIsSolidWithoutReads,
                            DiagonalDownLeftIsSolidWithoutReads,
                            DarkFlatLineOnLightSplitsWeights,
                            LightFlatLineOnDarkSwapsWeights,
                            FlatLineRunningLeftStepsLeft,
                            FlatLineMovesDownWhenAccumulatorWraps,
                            SteepLineGivenUpwardRunsDownAndStepsLeft,
                            ChannelsBlendFromSmallerToLargerValue,
                            LuminanceDecidesWhichWeightTheFirstPixelTakes,
                            BlendScalesInDoublePrecision,
                            LineLeavingTheCanvasIsNotShortened,
                            StrokeOfWeightOneIsTheLineAndHeavierStrokesLieSideBySide);
