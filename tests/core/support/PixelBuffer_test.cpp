#include <gtest/gtest.h>

#include "tests/support/PixelBuffer.h"

namespace {

const Colorref kMagenta = 0x00FF00FF;
const Colorref kWhite = 0x00FFFFFF;

// Every pixel distinct and non-zero, so a copy from the wrong place shows.
PixelBuffer Numbered(int w, int h)
{
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, static_cast<Colorref>(100 * y + x + 1));
    return b;
}

Colorref Number(int x, int y) { return static_cast<Colorref>(100 * y + x + 1); }

} // namespace

TEST(PixelBuffer, StartsFilledAndNegativeSizeIsEmpty)
{
    const PixelBuffer b(3, 2, kWhite);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.GetPixel(2, 1), kWhite);

    const PixelBuffer empty(-4, 5);
    EXPECT_EQ(empty.Width(), 0);
    EXPECT_EQ(empty.Height(), 0);
    EXPECT_EQ(empty.GetPixel(0, 0), 0u);
}

TEST(PixelBuffer, OffCanvasReadsAreBlackAndWritesAreDropped)
{
    PixelBuffer b(3, 2, kWhite);
    EXPECT_EQ(b.GetPixel(-1, 0), 0u);
    EXPECT_EQ(b.GetPixel(3, 0), 0u);
    EXPECT_EQ(b.GetPixel(0, -1), 0u);
    EXPECT_EQ(b.GetPixel(0, 2), 0u);

    // x = 3 on row 0 must not spill into (0,1), nor x = -1 on row 1 into (2,0).
    b.SetPixel(3, 0, kMagenta);
    b.SetPixel(-1, 1, kMagenta);
    b.SetPixel(0, 2, kMagenta);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(b.GetPixel(x, y), kWhite) << x << "," << y;
}

TEST(PixelBuffer, FillSetsEveryPixel)
{
    PixelBuffer b = Numbered(4, 3);
    b.Fill(kMagenta);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(b.GetPixel(x, y), kMagenta);
}

TEST(PixelBufferCopy, CopiesBlockBetweenOffsets)
{
    const PixelBuffer src = Numbered(4, 4);
    PixelBuffer dst(5, 5);
    dst.CopyFrom(src, 1, 2, 2, 1, 2, 2);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool inside = x >= 1 && x < 3 && y >= 2 && y < 4;
            const Colorref want = inside ? Number(x + 1, y - 1) : 0;
            EXPECT_EQ(dst.GetPixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(PixelBufferCopy, ClipsToBothBuffers)
{
    const PixelBuffer src = Numbered(3, 3);
    PixelBuffer dst(4, 4);
    // Starts above-left of dst and runs past the right of src.
    dst.CopyFrom(src, -1, -1, 0, 0, 10, 10);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const Colorref want = (x < 2 && y < 2) ? Number(x + 1, y + 1) : 0;
            EXPECT_EQ(dst.GetPixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(PixelBufferCopy, BlockFullyOutsideChangesNothing)
{
    const PixelBuffer src = Numbered(3, 3);
    PixelBuffer dst(3, 3, kWhite);
    dst.CopyFrom(src, 3, 0, 0, 0, 3, 3);
    dst.CopyKeyed(src, 0, 0, 0, -5, 3, 3, kMagenta);
    dst.CopyFrom(src, 0, 0, 0, 0, 0, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(dst.GetPixel(x, y), kWhite);
}

TEST(PixelBufferCopy, OverlappingCopyWithinOneBufferUsesOriginalPixels)
{
    PixelBuffer b = Numbered(4, 4);
    b.CopyFrom(b, 1, 1, 0, 0, 3, 3);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 4; ++x)
            EXPECT_EQ(b.GetPixel(x, y), Number(x - 1, y - 1)) << x << "," << y;
    EXPECT_EQ(b.GetPixel(0, 0), Number(0, 0));
}

TEST(PixelBufferKeyed, LeavesOutKeyColouredSourcePixels)
{
    PixelBuffer src(2, 2, kMagenta);
    src.SetPixel(1, 0, 0x00123456);
    src.SetPixel(0, 1, 0);
    PixelBuffer dst(2, 2, kWhite);
    dst.CopyKeyed(src, 0, 0, 0, 0, 2, 2, kMagenta);
    EXPECT_EQ(dst.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dst.GetPixel(1, 0), 0x00123456u);
    EXPECT_EQ(dst.GetPixel(0, 1), 0u);
    EXPECT_EQ(dst.GetPixel(1, 1), kWhite);
}

TEST(PixelBufferKeyed, ComparesRgbOnly)
{
    PixelBuffer src(2, 1, kMagenta | 0xFF000000u);
    src.SetPixel(1, 0, 0x00FF00FE);
    PixelBuffer dst(2, 1, kWhite);
    dst.CopyKeyed(src, 0, 0, 0, 0, 2, 1, kMagenta | 0x01000000u);
    EXPECT_EQ(dst.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dst.GetPixel(1, 0), 0x00FF00FEu);
}

TEST(PixelBufferKeyed, OverlappingCopyWithinOneBufferUsesOriginalPixels)
{
    PixelBuffer b = Numbered(4, 1);
    b.SetPixel(1, 0, kMagenta);
    // Shifted right by one: (1,0) takes (0,0); the key pixel that was at
    // (1,0) leaves (2,0) as it was; (3,0) takes the original (2,0).
    b.CopyKeyed(b, 1, 0, 0, 0, 3, 1, kMagenta);
    EXPECT_EQ(b.GetPixel(0, 0), Number(0, 0));
    EXPECT_EQ(b.GetPixel(1, 0), Number(0, 0));
    EXPECT_EQ(b.GetPixel(2, 0), Number(2, 0));
    EXPECT_EQ(b.GetPixel(3, 0), Number(2, 0));
}
