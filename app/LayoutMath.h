// Arithmetic of the main window's layout, size limits and caption. No
// platform calls: the window code measures rectangles and applies results.
#pragma once
#include <string>

struct LayoutRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// What is kept of a centred control: its size and its top.
struct CenteredRecord {
    int width = 0, halfWidth = 0, top = 0, height = 0;
};

// What is kept of the size button, relative to the clock.
struct ButtonRecord {
    int gap = 0;     // button left - clock right
    int offset = 0;  // button top - clock bottom
    int back = 0;    // clock left - button right (negative)
    int height = 0;
};

CenteredRecord CaptureCentered(const LayoutRect& control);
// The control's rectangle centred horizontally in `client`, at its kept top.
LayoutRect PlaceCentered(const CenteredRecord& record, const LayoutRect& client);

ButtonRecord CaptureButton(const LayoutRect& button, const LayoutRect& clock);
// The button's rectangle at the kept distances from the (moved) clock.
LayoutRect PlaceButton(const ButtonRecord& record, const LayoutRect& clock);

// The records kept at one DPI, for the window now shown at another: every
// length scaled. The clock's width is that of its face at the new DPI, which
// need not be the old width scaled (faces come in four sizes); the button
// keeps its own scaled width beside it. At the same DPI and clock width the
// records come back unchanged.
CenteredRecord RescaleCentered(const CenteredRecord& record, int fromDpi, int toDpi);
ButtonRecord RescaleButton(const ButtonRecord& record, int capturedClockWidth, int clockWidth, int fromDpi,
                           int toDpi);

// Window size limits at 96 DPI: the largest outer size after any change, the
// smallest while a border is dragged, and the two sizes of the size button.
constexpr int kMaxWindowWidth = 410, kMaxWindowHeight = 230;
constexpr int kMinWindowWidth = 100, kMinWindowHeight = 150;
constexpr int kSmallWindowWidth = 200, kSmallWindowHeight = 163;
constexpr int kLargeWindowWidth = 370, kLargeWindowHeight = 212;

// The same sizes in pixels at a DPI.
struct WindowSizes {
    int smallWidth, smallHeight;
    int largeWidth, largeHeight;
    int minWidth, minHeight;
    int maxWidth, maxHeight;
};
WindowSizes WindowSizesForDpi(int dpi);

// Edges a border drag can move (the WMSZ_ values of WM_SIZING).
enum class SizingEdge { Left = 1, Right, Top, TopLeft, TopRight, Bottom, BottomLeft, BottomRight };

// Keeps a dragged window at least kMinWindowWidth x kMinWindowHeight
// (scaled to the DPI): the dragged edge gives way, the opposite edge stays
// where it is.
LayoutRect LimitSizing(LayoutRect proposed, SizingEdge edge, int dpi = 96);

// The caption that shows the window's outer size, held to kMaxWindowWidth x
// kMaxWindowHeight; empty for a window too small to show it. The size is told
// in 96-DPI units, so the caption reads the same at every display scale
// ("Tallvox x=370; y=212" for the large window); `pixelWidth` and
// `pixelHeight` are pixels at `dpi`.
std::string SizeCaption(int pixelWidth, int pixelHeight, int dpi = 96);
