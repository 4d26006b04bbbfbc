// A colour in the Win32 COLORREF layout, usable without the Windows headers:
// red in bits 0-7, green in bits 8-15, blue in bits 16-23.
#pragma once
#include <cstdint>

using Colorref = uint32_t;

constexpr Colorref MakeRgb(int r, int g, int b)
{
    return static_cast<Colorref>(r & 0xFF) |
           (static_cast<Colorref>(g & 0xFF) << 8) |
           (static_cast<Colorref>(b & 0xFF) << 16);
}

constexpr int RedOf(Colorref c) { return static_cast<int>(c & 0xFFu); }
constexpr int GreenOf(Colorref c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int BlueOf(Colorref c) { return static_cast<int>((c >> 16) & 0xFFu); }
