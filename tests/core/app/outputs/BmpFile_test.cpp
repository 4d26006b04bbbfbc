// The bitmap file headers and row padding of the screenshot file.
#include "app/outputs/BmpFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

uint32_t U32(const std::array<uint8_t, kBmpHeadersSize>& h, size_t at) {
    return h[at] | h[at + 1] << 8 | h[at + 2] << 16 | static_cast<uint32_t>(h[at + 3]) << 24;
}
uint16_t U16(const std::array<uint8_t, kBmpHeadersSize>& h, size_t at) {
    return static_cast<uint16_t>(h[at] | h[at + 1] << 8);
}

}  // namespace

TEST(BmpFile, SmallWindowOnATrueColourScreen) {
    const uint32_t image = BmpRowBytes(200, 32) * 163;
    const auto h = BmpHeaders(200, 163, 32, image);
    EXPECT_EQ('B', h[0]);
    EXPECT_EQ('M', h[1]);
    EXPECT_EQ(130454u, U32(h, 2));
    EXPECT_EQ(0u, U32(h, 6));
    EXPECT_EQ(54u, U32(h, 10));
    EXPECT_EQ(40u, U32(h, 14));
    EXPECT_EQ(200u, U32(h, 18));
    EXPECT_EQ(163u, U32(h, 22)) << "positive: rows bottom-up";
    EXPECT_EQ(1, U16(h, 26));
    EXPECT_EQ(32, U16(h, 28));
    EXPECT_EQ(0u, U32(h, 30));
    EXPECT_EQ(130400u, U32(h, 34));
    for (size_t i = 38; i < 54; ++i) EXPECT_EQ(0, h[i]) << "at " << i;
}

TEST(BmpFile, RowsArePaddedToFourBytes) {
    EXPECT_EQ(800u, BmpRowBytes(200, 32));
    EXPECT_EQ(12u, BmpRowBytes(3, 24));   // 9 bytes of pixels
    EXPECT_EQ(604u, BmpRowBytes(201, 24));  // 603
    EXPECT_EQ(404u, BmpRowBytes(201, 16));  // 402
    EXPECT_EQ(4u, BmpRowBytes(1, 16));
    EXPECT_EQ(0u, BmpRowBytes(0, 32));
    const auto h = BmpHeaders(201, 10, 24, BmpRowBytes(201, 24) * 10);
    EXPECT_EQ(54u + 6040u, U32(h, 2));
}

TEST(BmpFile, OnlyTheFourthByteOfThirtyTwoBitPixelsIsCleared) {
    uint8_t pixels[8] = {1, 2, 3, 0xFF, 4, 5, 6, 0x80};
    ClearUnusedPixelBytes(pixels, 8, 32);
    const uint8_t cleared[8] = {1, 2, 3, 0, 4, 5, 6, 0};
    EXPECT_TRUE(std::equal(pixels, pixels + 8, cleared));

    uint8_t row24[8] = {1, 2, 3, 0xFF, 4, 5, 6, 0x80};
    ClearUnusedPixelBytes(row24, 8, 24);
    EXPECT_EQ(0xFF, row24[3]) << "24-bit pixels have no unused byte";
}

TEST(BmpFile, PicturesTooLargeForTheSizeFieldsAreRefused) {
    struct Case {
        int32_t width, height;
        uint16_t bits;
        bool fits;
        uint32_t size;
    };
    const Case cases[] = {
        {200, 163, 32, true, 130400},
        {201, -10, 24, true, 6040},      // top-down rows count the same
        {0, 1000, 32, true, 0},
        {INT32_MAX, 1, 32, false, 0},    // a row alone overflows 32 bits
        {INT32_MIN, 1, 1, true, 268435456},
        {65536, 65536, 32, false, 0},    // 16 GiB of pixels
        {32768, 32767, 32, true, 4294836224u},
        {1, INT32_MIN, 8, false, 0},
    };
    for (const Case& c : cases) {
        uint32_t size = 12345;
        EXPECT_EQ(c.fits, BmpImageSize(c.width, c.height, c.bits, &size)) << c.width << " x " << c.height;
        if (c.fits) {
            EXPECT_EQ(c.size, size) << c.width << " x " << c.height;
        }
    }
}
