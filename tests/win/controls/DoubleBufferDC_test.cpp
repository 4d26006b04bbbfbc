// The off-screen buffer: nothing reaches the target before the buffer ends,
// then exactly its area does, at the same logical coordinates.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/DoubleBufferDC.h"
#include "win/controls/ButtonTestSupport.h"

using buttontest::Canvas;
using buttontest::kSentinel;

namespace {

constexpr COLORREF kBack = RGB(20, 120, 220);
constexpr COLORREF kInk = RGB(250, 10, 10);

void Fill(HDC dc, RECT rc, COLORREF colour)
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rc, brush);
    ::DeleteObject(brush);
}

} // namespace

TEST(DoubleBufferDC, DrawingReachesTheTargetOnlyWhenTheBufferEnds)
{
    Canvas target(40, 30);
    ::SetBkColor(target.Dc(), kBack);
    {
        CDoubleBufferDC buffer(target.Dc());
        EXPECT_TRUE(buffer.IsOffScreen());
        EXPECT_EQ(buffer.GetRect().right, 40);
        EXPECT_EQ(buffer.GetRect().bottom, 30);
        Fill(buffer, RECT{5, 6, 15, 16}, kInk);
        EXPECT_EQ(target.Count(kSentinel), 40 * 30);
    }
    EXPECT_EQ(target.Count(kInk), 100);
    EXPECT_EQ(target.Bounds(kInk).left, 5);
    EXPECT_EQ(target.Bounds(kInk).top, 6);
    EXPECT_EQ(target.Count(kBack), 40 * 30 - 100) << "the rest starts in the target's background colour";
    EXPECT_EQ(::GetBkColor(target.Dc()), kBack);
}

TEST(DoubleBufferDC, AGivenRectangleIsAllThatChanges)
{
    Canvas target(40, 30);
    ::SetBkColor(target.Dc(), kBack);
    {
        const RECT area{10, 5, 30, 20};
        CDoubleBufferDC buffer(target.Dc(), &area);
        Fill(buffer, RECT{0, 0, 40, 30}, kInk);  // spills past the area on purpose
        Fill(buffer, RECT{12, 7, 14, 9}, kBack);
    }
    const RECT ink = target.Bounds(kInk);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(ink.right, 30);
    EXPECT_EQ(ink.bottom, 20);
    EXPECT_EQ(target.At(12, 7), kBack) << "same logical coordinates as the target";
    EXPECT_EQ(target.Count(kSentinel), 40 * 30 - 20 * 15);
}

TEST(DoubleBufferDC, FollowsTheTargetsClipBoxAndOrigin)
{
    Canvas target(40, 30);
    ::SetBkColor(target.Dc(), kBack);
    ::SetViewportOrgEx(target.Dc(), 4, 3, nullptr);
    HRGN clip = ::CreateRectRgn(10, 10, 30, 20);  // device units
    ::SelectClipRgn(target.Dc(), clip);
    ::DeleteObject(clip);
    {
        CDoubleBufferDC buffer(target.Dc());
        EXPECT_EQ(buffer.GetRect().left, 6);  // logical
        EXPECT_EQ(buffer.GetRect().top, 7);
        Fill(buffer, RECT{6, 7, 8, 9}, kInk);
    }
    ::SelectClipRgn(target.Dc(), nullptr);
    EXPECT_EQ(target.Count(kInk), 4);
    EXPECT_EQ(target.Bounds(kInk).left, 10) << "device position";
    EXPECT_EQ(target.Bounds(kInk).top, 10);
    EXPECT_EQ(target.Count(kBack), 20 * 10 - 4);
}

TEST(DoubleBufferDC, WithoutMemoryForTheBitmapItDrawsStraightOnTheTarget)
{
    Canvas target(40, 30);
    ::SetBkColor(target.Dc(), kBack);
    const RECT huge{0, 0, 100000, 100000};
    {
        CDoubleBufferDC buffer(target.Dc(), &huge);
        EXPECT_FALSE(buffer.IsOffScreen());
        EXPECT_EQ(buffer.GetSafeHdc(), target.Dc());
        Fill(buffer, RECT{1, 1, 3, 3}, kInk);
        EXPECT_EQ(target.Count(kInk), 4);
    }
    EXPECT_EQ(target.Count(kBack), 40 * 30 - 4);
    // The target's context outlives the buffer.
    EXPECT_NE(::GetDeviceCaps(target.Dc(), TECHNOLOGY), 0);
}
