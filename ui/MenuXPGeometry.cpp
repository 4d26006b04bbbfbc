#include "ui/MenuXPGeometry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace menuxp {

int MulDivRound(int a, int b, int c) {
    if (c == 0) return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    // Division truncates toward zero, so half the divisor moved away from
    // zero first rounds halves away from zero.
    const std::int64_t half = divisor / 2;
    const std::int64_t result = (product >= 0 ? product + half : product - half) / divisor;
    if (result > std::numeric_limits<int>::max() || result < -std::numeric_limits<int>::max()) return -1;
    return static_cast<int>(result);
}

GradientTable MakeGradientTable(Colorref from, Colorref to) {
    GradientTable table{};
    const int last = kGradientSteps - 1;
    for (int i = 0; i < kGradientSteps; ++i) {
        const int r = RedOf(from) + MulDivRound(RedOf(to) - RedOf(from), i, last);
        const int g = GreenOf(from) + MulDivRound(GreenOf(to) - GreenOf(from), i, last);
        const int b = BlueOf(from) + MulDivRound(BlueOf(to) - BlueOf(from), i, last);
        table[static_cast<std::size_t>(i)] = MakeRgb(r, g, b);
    }
    return table;
}

int GradientRow(int y, int height) { return std::min(kGradientSteps - 1, MulDivRound(kGradientSteps, y, height)); }

std::vector<std::uint32_t> GradientPixels(int width, int height, Colorref from, Colorref to) {
    if (width <= 0 || height <= 0) return {};
    const GradientTable table = MakeGradientTable(from, to);
    const std::size_t w = static_cast<std::size_t>(width);
    std::vector<std::uint32_t> pixels(w * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint32_t pixel = DibPixel(table[static_cast<std::size_t>(GradientRow(y, height))]);
        std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * w), w, pixel);
    }
    return pixels;
}

std::array<CheckStroke, 3> CheckMarkStrokes(int left, int top, int width, int height, int dpi) {
    const auto px = [dpi](int v) { return ScaleForDpi(v, dpi); };
    const int x = left + (width - px(kCheckBox)) / 2;
    const int y = top + (height - px(kCheckBox)) / 2;
    const int step = CheckMarkPenWidth(dpi);
    std::array<CheckStroke, 3> strokes{};
    for (int k = 0; k < 3; ++k) {
        const int down = k * step;
        strokes[static_cast<std::size_t>(k)] = CheckStroke{
            MenuPoint{x, y + px(3) + down}, MenuPoint{x + px(2), y + px(5) + down}, MenuPoint{x + px(7), y + down}};
    }
    return strokes;
}

int CheckMarkPenWidth(int dpi) { return std::max(1, ScaleForDpi(1, dpi)); }

ItemSize SideBarSize(int barWidth) { return ItemSize{barWidth, 1}; }

ItemSize SeparatorSize(int menuCheckHeight) { return ItemSize{0, menuCheckHeight / 2}; }

ItemSize TextItemSize(int iconSize, int textWidth, int textHeight, int dpi) {
    return ItemSize{2 * iconSize + ScaleForDpi(12, dpi) + textWidth, std::max(textHeight, iconSize + ScaleForDpi(4, dpi))};
}

std::uint32_t ReportedItemWidth(int desiredWidth, int menuCheckWidth) {
    return static_cast<std::uint32_t>(desiredWidth) - static_cast<std::uint32_t>(menuCheckWidth - 1);
}

LabelParts SplitLabel(const std::string& text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) return LabelParts{text, std::string(), false};
    return LabelParts{text.substr(0, tab), text.substr(tab + 1), true};
}

}  // namespace menuxp
