// One-pixel anti-aliased line of the Wu kind, drawn through nothing but
// GetPixel/SetPixel so that it works on a device context, a DIB section or a
// plain pixel buffer alike.
//
// Surface requirements:
//   Colorref GetPixel(int x, int y);
//   void     SetPixel(int x, int y, Colorref c);
// No clipping is done here: pixels off the surface are whatever the surface
// makes of them.
#pragma once
#include <cstdint>
#include <utility>

#include "controls/Colorref.h"

namespace aaline {

inline double Luminance(Colorref c)
{
    return 0.299 * RedOf(c) + 0.587 * GreenOf(c) + 0.114 * BlueOf(c);
}

// Moves one channel from the smaller of the two values toward the larger by
// weight/255. Kept in floating point and in this order: the product can land
// just below a whole number that integer arithmetic would reach exactly, and
// the truncation of that product decides the blended pixels the line tests
// pin down.
inline int BlendChannel(int line, int pixel, int weight)
{
    const int lo = line < pixel ? line : pixel;
    const int hi = line < pixel ? pixel : line;
    return static_cast<int>((weight / 255.0) * (hi - lo) + lo);
}

inline Colorref BlendColour(Colorref line, Colorref pixel, int weight)
{
    return MakeRgb(BlendChannel(RedOf(line), RedOf(pixel), weight),
                   BlendChannel(GreenOf(line), GreenOf(pixel), weight),
                   BlendChannel(BlueOf(line), BlueOf(pixel), weight));
}

// The primary pixel of a step takes the step weight when the line is darker
// than what is under it, the paired pixel takes the complement; a line as
// bright or brighter swaps the two.
template <class Surface>
void BlendPixel(Surface& s, int x, int y, Colorref colour, double lineLuminance,
                int stepWeight, bool primary)
{
    const Colorref pixel = s.GetPixel(x, y);
    const bool lineDarker = lineLuminance < Luminance(pixel);
    const int weight = (lineDarker == primary) ? stepWeight : (stepWeight ^ 0xFF);
    s.SetPixel(x, y, BlendColour(colour, pixel, weight));
}

// Horizontal, vertical and diagonal lines need no blending: every pixel past
// the first is the colour, down to the end point. False for any other line.
template <class Surface>
bool DrawStraightLine(Surface& s, int x, int y, int xstep, uint32_t dx, uint32_t dy, Colorref colour)
{
    if (dx != 0 && dy != 0 && dx != dy)
        return false;
    const int stepX = dx == 0 ? 0 : xstep;
    const int stepY = dy == 0 ? 0 : 1;
    const uint32_t length = dx > dy ? dx : dy;
    for (uint32_t i = 0; i < length; ++i) {
        x += stepX;
        y += stepY;
        s.SetPixel(x, y, colour);
    }
    return true;
}

// The pixels between the end points of a line that is neither straight nor
// diagonal, one step along the major axis at a time, each blended with its
// neighbour across the line. The accumulator is 16 bits wide on purpose: its
// wrap-around marks the step on the minor axis and its high byte is the
// intensity split.
template <class Surface>
void DrawWuSteps(Surface& s, int x, int y, int xstep, uint32_t dx, uint32_t dy, Colorref colour)
{
    const double lineLuminance = Luminance(colour);
    const bool steep = dy > dx;
    const uint32_t major = steep ? dy : dx;
    const uint32_t minor = steep ? dx : dy;
    const uint16_t adj = static_cast<uint16_t>((static_cast<uint64_t>(minor) << 16) / major);
    uint16_t acc = 0;
    for (uint32_t i = 1; i < major; ++i) {
        const uint16_t old = acc;
        acc = static_cast<uint16_t>(acc + adj);
        const bool minorStep = acc <= old;
        if (steep) {
            if (minorStep)
                x += xstep;
            ++y;
        } else {
            if (minorStep)
                ++y;
            x += xstep;
        }
        const int w = acc >> 8;
        BlendPixel(s, x, y, colour, lineLuminance, w, true);
        if (steep)
            BlendPixel(s, x + xstep, y, colour, lineLuminance, w, false);
        else
            BlendPixel(s, x, y + 1, colour, lineLuminance, w, false);
    }
}

} // namespace aaline

template <class Surface>
void DrawAntialiasedLine(Surface& s, int x1, int y1, int x2, int y2, Colorref colour)
{
    // Always walk downward.
    if (y1 > y2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }

    s.SetPixel(x1, y1, colour);

    const int xstep = (x2 >= x1) ? 1 : -1;
    // Unsigned differences cannot overflow even for far-apart end points.
    const uint32_t dx = (xstep > 0) ? static_cast<uint32_t>(x2) - static_cast<uint32_t>(x1)
                                    : static_cast<uint32_t>(x1) - static_cast<uint32_t>(x2);
    const uint32_t dy = static_cast<uint32_t>(y2) - static_cast<uint32_t>(y1);

    if (aaline::DrawStraightLine(s, x1, y1, xstep, dx, dy, colour))
        return;
    aaline::DrawWuSteps(s, x1, y1, xstep, dx, dy, colour);
    s.SetPixel(x2, y2, colour);
}

// The same line `weight` pixels thick, for pictures drawn at a larger display
// scale: `weight` one-pixel lines side by side, one pixel apart across the
// line (along x for a steep line, along y for a flat one), centred on the
// given points. A weight of 1 (or less) is exactly DrawAntialiasedLine.
template <class Surface>
void DrawAntialiasedStroke(Surface& s, int x1, int y1, int x2, int y2, Colorref colour, int weight)
{
    if (weight <= 1) {
        DrawAntialiasedLine(s, x1, y1, x2, y2, colour);
        return;
    }
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const bool steep = (dy < 0 ? -dy : dy) > (dx < 0 ? -dx : dx);
    for (int k = 0; k < weight; ++k) {
        const int offset = k - (weight - 1) / 2;
        if (steep)
            DrawAntialiasedLine(s, x1 + offset, y1, x2 + offset, y2, colour);
        else
            DrawAntialiasedLine(s, x1, y1 + offset, x2, y2 + offset, colour);
    }
}
