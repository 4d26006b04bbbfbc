// Centring, the size button's place and the size caption of the main window.
#include <gtest/gtest.h>

#include "app/LayoutMath.h"
#include "display/DisplayScale.h"

TEST(LayoutMath, CentredControlsFollowTheClientWidth) {
    const CenteredRecord clock = CaptureCentered(LayoutRect{140, 8, 240, 108});
    EXPECT_EQ(50, clock.halfWidth);
    LayoutRect placed = PlaceCentered(clock, LayoutRect{0, 0, 184, 124});
    EXPECT_EQ(42, placed.left);
    EXPECT_EQ(142, placed.right);
    EXPECT_EQ(8, placed.top);
    EXPECT_EQ(108, placed.bottom);
    // An odd width truncates toward zero.
    const CenteredRecord line = CaptureCentered(LayoutRect{5, 117, 382, 130});
    EXPECT_EQ(188, line.halfWidth);
    placed = PlaceCentered(line, LayoutRect{0, 0, 354, 178});
    EXPECT_EQ(177 - 188, placed.left);
    EXPECT_EQ(377, placed.Width());
}

TEST(LayoutMath, SizeButtonKeepsItsOffsetFromTheClock) {
    const LayoutRect clock{140, 8, 240, 108};
    const ButtonRecord button = CaptureButton(LayoutRect{254, 39, 282, 62}, clock);
    const LayoutRect placed = PlaceButton(button, LayoutRect{42, 8, 142, 108});
    EXPECT_EQ(156, placed.left);
    EXPECT_EQ(39, placed.top);
    EXPECT_EQ(28, placed.Width());
    EXPECT_EQ(23, placed.Height());
}

TEST(LayoutMath, SizeCaption) {
    EXPECT_EQ("", SizeCaption(120, 160));
    EXPECT_EQ("Tallvox x=130; y=160", SizeCaption(130, 160));
    EXPECT_EQ("Tallvox x=120; y=165", SizeCaption(120, 165));
    EXPECT_EQ("Tallvox x=200; y=163", SizeCaption(200, 163));
    EXPECT_EQ("Tallvox x=410; y=230", SizeCaption(500, 300));
    EXPECT_EQ("Tallvox x=410; y=200", SizeCaption(500, 200));
    EXPECT_EQ("Tallvox x=300; y=230", SizeCaption(300, 300));
}

TEST(LayoutMath, DraggingBelowTheMinimumMovesOnlyTheDraggedEdge) {
    // The left border dragged too far right: the right border stays.
    LayoutRect r = LimitSizing(LayoutRect{150, 10, 230, 300}, SizingEdge::Left);
    EXPECT_EQ(130, r.left);
    EXPECT_EQ(230, r.right);
    // The right border dragged too far left: the left border stays.
    r = LimitSizing(LayoutRect{150, 10, 230, 300}, SizingEdge::Right);
    EXPECT_EQ(150, r.left);
    EXPECT_EQ(250, r.right);
    // The top-left corner: both limits, from the far edges.
    r = LimitSizing(LayoutRect{150, 200, 200, 300}, SizingEdge::TopLeft);
    EXPECT_EQ(100, r.left);
    EXPECT_EQ(150, r.top);
    EXPECT_EQ(300, r.bottom);
    // The bottom edge: the top stays.
    r = LimitSizing(LayoutRect{0, 50, 300, 120}, SizingEdge::Bottom);
    EXPECT_EQ(50, r.top);
    EXPECT_EQ(200, r.bottom);
    EXPECT_EQ(300, r.right);
    // Large enough: unchanged.
    r = LimitSizing(LayoutRect{0, 0, 370, 212}, SizingEdge::BottomRight);
    EXPECT_EQ(370, r.right);
    EXPECT_EQ(212, r.bottom);
}

// Every size of the window is a 96-DPI size scaled by the window's DPI, and
// the caption tells the size in 96-DPI units at every scale.
TEST(LayoutMath, SizesScaleWithTheDpiAndTheCaptionReadsTheSameAtEveryScale) {
    struct Case {
        int dpi;
        WindowSizes sizes;
    };
    const Case cases[] = {
        {96, {200, 163, 370, 212, 100, 150, 410, 230}},
        {120, {250, 204, 463, 265, 125, 188, 513, 288}},
        {144, {300, 245, 555, 318, 150, 225, 615, 345}},
        {192, {400, 326, 740, 424, 200, 300, 820, 460}},
    };
    for (const Case& c : cases) {
        const WindowSizes s = WindowSizesForDpi(c.dpi);
        EXPECT_EQ(c.sizes.smallWidth, s.smallWidth) << c.dpi;
        EXPECT_EQ(c.sizes.smallHeight, s.smallHeight) << c.dpi;
        EXPECT_EQ(c.sizes.largeWidth, s.largeWidth) << c.dpi;
        EXPECT_EQ(c.sizes.largeHeight, s.largeHeight) << c.dpi;
        EXPECT_EQ(c.sizes.minWidth, s.minWidth) << c.dpi;
        EXPECT_EQ(c.sizes.minHeight, s.minHeight) << c.dpi;
        EXPECT_EQ(c.sizes.maxWidth, s.maxWidth) << c.dpi;
        EXPECT_EQ(c.sizes.maxHeight, s.maxHeight) << c.dpi;

        EXPECT_EQ("Tallvox x=200; y=163", SizeCaption(s.smallWidth, s.smallHeight, c.dpi)) << c.dpi;
        EXPECT_EQ("Tallvox x=370; y=212", SizeCaption(s.largeWidth, s.largeHeight, c.dpi)) << c.dpi;
        EXPECT_EQ("Tallvox x=410; y=230", SizeCaption(s.maxWidth, s.maxHeight, c.dpi)) << c.dpi;
        EXPECT_EQ("Tallvox x=410; y=230", SizeCaption(s.maxWidth + 90, s.maxHeight + 70, c.dpi)) << c.dpi;
        // The thresholds of the empty caption are 96-DPI sizes too.
        EXPECT_EQ("", SizeCaption(ScaleForDpi(120, c.dpi), ScaleForDpi(160, c.dpi), c.dpi)) << c.dpi;
        EXPECT_EQ("Tallvox x=130; y=160", SizeCaption(ScaleForDpi(130, c.dpi), ScaleForDpi(160, c.dpi), c.dpi))
            << c.dpi;

        // Dragging below the scaled minimum.
        const LayoutRect r = LimitSizing(LayoutRect{500, 10, 510, 20}, SizingEdge::TopLeft, c.dpi);
        EXPECT_EQ(510 - s.minWidth, r.left) << c.dpi;
        EXPECT_EQ(20 - s.minHeight, r.top) << c.dpi;
    }
}

// The layout captured at one DPI, placed after the window moved to a screen
// of another: lengths scale, the clock takes its new face's width and the
// size button keeps its own scaled width beside it.
TEST(LayoutMath, RecordsFollowTheWindowToAnotherDpi) {
    const CenteredRecord line{377, 188, 117, 13};
    EXPECT_EQ(377, RescaleCentered(line, 96, 96).width);
    const CenteredRecord big = RescaleCentered(line, 96, 144);
    EXPECT_EQ(566, big.width);
    EXPECT_EQ(283, big.halfWidth);
    EXPECT_EQ(176, big.top);
    EXPECT_EQ(20, big.height);

    // Captured at 96 DPI beside a 100-pixel clock: 28 wide, 14 right of it.
    const LayoutRect clock{140, 8, 240, 108};
    const ButtonRecord button = CaptureButton(LayoutRect{254, 39, 282, 62}, clock);
    const ButtonRecord same = RescaleButton(button, 100, 100, 96, 96);
    EXPECT_EQ(button.gap, same.gap);
    EXPECT_EQ(button.offset, same.offset);
    EXPECT_EQ(button.back, same.back);
    EXPECT_EQ(button.height, same.height);

    // At 168 DPI the nearest face is 200 pixels, not 175: the button still
    // comes out 28 x 1.75 = 49 wide.
    const ButtonRecord moved = RescaleButton(button, 100, 200, 96, 168);
    const LayoutRect placed = PlaceButton(moved, LayoutRect{100, 14, 300, 214});
    EXPECT_EQ(300 + 25, placed.left);
    EXPECT_EQ(49, placed.Width());
    EXPECT_EQ(40, placed.Height());
}
