// An owned 32-bit top-down DIB section, selected into its own memory DC. GDI
// can draw on it through the DC, and its pixels can be read and written
// directly, which is far cheaper than a GetPixel/SetPixel round trip each.
// It is a drawing surface for DrawAntialiasedLine.
#pragma once
#include <windows.h>

#include "framework/Handles.h"

#include <cstddef>
#include <cstdint>

#include "controls/Colorref.h"

class DibSurface {
public:
    DibSurface() = default;
    ~DibSurface() { Destroy(); }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // A width x height canvas whose DC is compatible with reference (the
    // screen when null). Its content is undefined until drawn or filled.
    bool Create(int width, int height, HDC reference = nullptr);
    void Destroy();

    HDC GetSafeHdc() const { return m_dc.Get(); }
    operator HDC() const { return m_dc.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // GDI may still hold queued drawing for the bitmap; call this after
    // drawing through the DC and before touching pixels directly.
    static void Flush() { ::GdiFlush(); }

    bool Contains(int x, int y) const
    {
        return static_cast<unsigned>(x) < static_cast<unsigned>(m_width) &&
               static_cast<unsigned>(y) < static_cast<unsigned>(m_height);
    }

    // Pixels are COLORREF values; memory holds them as BGRA. Off-surface
    // reads give CLR_INVALID and writes are dropped, as on a DC.
    Colorref GetPixel(int x, int y) const
    {
        return Contains(x, y) ? Swap(m_bits[Index(x, y)]) : CLR_INVALID;
    }
    void SetPixel(int x, int y, Colorref c)
    {
        if (Contains(x, y))
            m_bits[Index(x, y)] = Swap(c);
    }

    // Writes every pixel directly (waits for pending GDI drawing first).
    void Fill(Colorref c);

private:
    // COLORREF 0x00BBGGRR <-> memory 0x00RRGGBB; the alpha byte is dropped.
    static uint32_t Swap(uint32_t v)
    {
        return ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
    }
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    // The DC goes last, after the bitmap is selected out and deleted.
    CUniqueHandle<MemoryDCTraits> m_dc;
    CUniqueHandle<GdiObjectTraits<HBITMAP>> m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    uint32_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};
