#include "tests/support/PixelBuffer.h"

#include <algorithm>
#include <cstring>

namespace {

// Shrinks one axis of a block so that it lies inside both buffers; false when
// nothing is left. 64-bit arithmetic keeps extreme arguments from overflowing.
bool ClipAxis(int dstLen, int srcLen, int& dst, int& src, int& len)
{
    int64_t d = dst;
    int64_t s = src;
    int64_t n = len;
    if (d < 0) {
        s -= d;
        n += d;
        d = 0;
    }
    if (s < 0) {
        d -= s;
        n += s;
        s = 0;
    }
    n = std::min<int64_t>(n, static_cast<int64_t>(dstLen) - d);
    n = std::min<int64_t>(n, static_cast<int64_t>(srcLen) - s);
    if (n <= 0)
        return false;
    dst = static_cast<int>(d);
    src = static_cast<int>(s);
    len = static_cast<int>(n);
    return true;
}

} // namespace

PixelBuffer::PixelBuffer(int width, int height, Colorref fill)
{
    if (width > 0 && height > 0) {
        m_width = width;
        m_height = height;
        m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    }
}

void PixelBuffer::Fill(Colorref c)
{
    std::fill(m_pixels.begin(), m_pixels.end(), c);
}

void PixelBuffer::CopyFrom(const PixelBuffer& src, int dx, int dy, int sx, int sy, int w, int h)
{
    if (!ClipAxis(m_width, src.m_width, dx, sx, w) || !ClipAxis(m_height, src.m_height, dy, sy, h))
        return;

    // Rows go bottom-up when copying downward within one buffer, and memmove
    // takes care of overlap inside a row.
    const bool bottomUp = (&src == this) && dy > sy;
    for (int i = 0; i < h; ++i) {
        const int row = bottomUp ? h - 1 - i : i;
        std::memmove(&m_pixels[Index(dx, dy + row)], &src.m_pixels[src.Index(sx, sy + row)],
                     static_cast<std::size_t>(w) * sizeof(uint32_t));
    }
}

void PixelBuffer::CopyKeyed(const PixelBuffer& src, int dx, int dy, int sx, int sy, int w, int h,
                            Colorref key)
{
    if (&src == this) {
        // A snapshot keeps an overlapping block from reading its own output.
        const PixelBuffer snapshot(src);
        CopyKeyed(snapshot, dx, dy, sx, sy, w, h, key);
        return;
    }
    if (!ClipAxis(m_width, src.m_width, dx, sx, w) || !ClipAxis(m_height, src.m_height, dy, sy, h))
        return;

    const uint32_t rgbMask = 0x00FFFFFFu;
    const uint32_t rgbKey = key & rgbMask;
    for (int row = 0; row < h; ++row) {
        const uint32_t* from = &src.m_pixels[src.Index(sx, sy + row)];
        uint32_t* to = &m_pixels[Index(dx, dy + row)];
        for (int i = 0; i < w; ++i) {
            const uint32_t p = from[i];
            if ((p & rgbMask) != rgbKey)
                to[i] = p;
        }
    }
}
