// An owned 32-bit canvas in plain memory holding COLORREF values, row by row
// from the top, with opaque and keyed block copies. The tests draw on it with
// DrawAntialiasedLine where no window system is at hand.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/Colorref.h"

class PixelBuffer {
public:
    PixelBuffer() = default;
    // Negative sizes give an empty buffer.
    PixelBuffer(int width, int height, Colorref fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const uint32_t* Data() const { return m_pixels.data(); }
    uint32_t* Data() { return m_pixels.data(); }

    bool Contains(int x, int y) const
    {
        return static_cast<unsigned>(x) < static_cast<unsigned>(m_width) &&
               static_cast<unsigned>(y) < static_cast<unsigned>(m_height);
    }

    // Off-canvas reads return 0 (black) and off-canvas writes are ignored,
    // so lines may run past the edge.
    Colorref GetPixel(int x, int y) const
    {
        return Contains(x, y) ? m_pixels[Index(x, y)] : 0;
    }
    void SetPixel(int x, int y, Colorref c)
    {
        if (Contains(x, y))
            m_pixels[Index(x, y)] = c;
    }

    void Fill(Colorref c);

    // Opaque copy of a w x h block from src (sx, sy) to this buffer at
    // (dx, dy). The block is clipped to both buffers; src may be this buffer,
    // overlapping blocks included.
    void CopyFrom(const PixelBuffer& src, int dx, int dy, int sx, int sy, int w, int h);

    // Like CopyFrom, but source pixels whose RGB equals the key's are left
    // out (the high byte is ignored, as TransparentBlt does).
    void CopyKeyed(const PixelBuffer& src, int dx, int dy, int sx, int sy, int w, int h,
                   Colorref key);

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};
