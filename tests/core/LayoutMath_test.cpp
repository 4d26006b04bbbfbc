// Centring, the size button's place and the size caption of the main window.
#include <gtest/gtest.h>

#include "app/LayoutMath.h"

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
