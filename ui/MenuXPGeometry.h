// The owner-drawn menu's arithmetic, apart from any window: the side bar's
// gradient, the item sizes answered to the system, the check mark's strokes
// and the split of a label at its tab.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/Colorref.h"
#include "display/DisplayScale.h"

namespace menuxp {

// a * b / c through a 64-bit product, rounded to the nearest integer with
// halves away from zero; -1 when c is 0 or the result overflows. This is what
// MulDiv answers, so the drawn colours match the system's arithmetic.
int MulDivRound(int a, int b, int c);

constexpr int kGradientSteps = 256;
using GradientTable = std::array<Colorref, kGradientSteps>;

// Entry i holds from + MulDiv(to - from, i, 255) in each channel: entry 0 is
// `from`, entry 255 is `to`.
GradientTable MakeGradientTable(Colorref from, Colorref to);

// The table entry for row y, counted from the bottom, of a bar `height` rows
// tall: MulDiv(256, y, height), never above 255 (the top rows of a bar taller
// than 511 rows would otherwise run past the table).
int GradientRow(int y, int height);

// A 32-bit DIB pixel, 0x00RRGGBB (blue in the low byte).
constexpr std::uint32_t DibPixel(Colorref c) {
    return (static_cast<std::uint32_t>(RedOf(c)) << 16) | (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
           static_cast<std::uint32_t>(BlueOf(c));
}

// The pixels of a bottom-up 32-bit DIB, width x height, each row one colour:
// `from` at the bottom row, `to` at the top. Empty for an empty size.
std::vector<std::uint32_t> GradientPixels(int width, int height, Colorref from, Colorref to);

struct MenuPoint {
    int x;
    int y;
};
inline bool operator==(MenuPoint a, MenuPoint b) { return a.x == b.x && a.y == b.y; }

// Three parallel polylines of three points each, drawn one pixel apart, make
// the check mark; it fits an 8 x 8 box centred in the given rectangle. At a
// higher DPI the box and the spacing scale, and the strokes are drawn with a
// pen CheckMarkPenWidth wide.
constexpr int kCheckBox = 8;
using CheckStroke = std::array<MenuPoint, 3>;
std::array<CheckStroke, 3> CheckMarkStrokes(int left, int top, int width, int height, int dpi = kDefaultDpi);
int CheckMarkPenWidth(int dpi);

// The size an item would like, before the system's own additions.
struct ItemSize {
    int width;
    int height;
};

// The side bar is as wide as its entry says and takes a single row of its
// own: an item with no height at all is never painted by Wine, which skips
// items whose rectangle is empty. It paints the menu's whole height anyway.
ItemSize SideBarSize(int barWidth);
// A separator is half a check mark high and has no width.
ItemSize SeparatorSize(int menuCheckHeight);
// A label beside an icon box and a right margin of one icon each:
// 2 * iconSize + 12 + text width wide, at least iconSize + 4 high; the 12 and
// the 4 are 96-DPI pixels, scaled to the menu's DPI.
ItemSize TextItemSize(int iconSize, int textWidth, int textHeight, int dpi = kDefaultDpi);

// The width written to the measure request. The system adds the check-mark
// width (less one) to every owner-drawn menu item, so that much is taken off
// here. The arithmetic is unsigned 32-bit, as the request's field is: a width
// below the check-mark width wraps, and the system's addition wraps it back.
std::uint32_t ReportedItemWidth(int desiredWidth, int menuCheckWidth);

// A label "Copy\tCtrl+C" shows "Copy" at the left and "Ctrl+C" at the right.
struct LabelParts {
    std::string left;
    std::string right;
    bool hasTab;
};
LabelParts SplitLabel(const std::string& text);

}  // namespace menuxp
