#include "app/LayoutMath.h"

#include <cstdio>

#include "display/DisplayScale.h"

CenteredRecord CaptureCentered(const LayoutRect& control) {
    CenteredRecord r;
    r.width = control.Width();
    r.halfWidth = r.width / 2;
    r.top = control.top;
    r.height = control.Height();
    return r;
}

LayoutRect PlaceCentered(const CenteredRecord& record, const LayoutRect& client) {
    LayoutRect r;
    r.left = client.Width() / 2 + client.left - record.halfWidth;
    r.top = record.top;
    r.right = r.left + record.width;
    r.bottom = r.top + record.height;
    return r;
}

ButtonRecord CaptureButton(const LayoutRect& button, const LayoutRect& clock) {
    ButtonRecord r;
    r.gap = button.left - clock.right;
    r.offset = button.top - clock.bottom;
    r.back = clock.left - button.right;
    r.height = button.Height();
    return r;
}

LayoutRect PlaceButton(const ButtonRecord& record, const LayoutRect& clock) {
    LayoutRect r;
    r.left = clock.right + record.gap;
    r.top = clock.bottom + record.offset;
    r.right = clock.left - record.back;
    r.bottom = r.top + record.height;
    return r;
}

CenteredRecord RescaleCentered(const CenteredRecord& record, int fromDpi, int toDpi) {
    CenteredRecord r;
    r.width = RescaleForDpi(record.width, fromDpi, toDpi);
    r.halfWidth = r.width / 2;
    r.top = RescaleForDpi(record.top, fromDpi, toDpi);
    r.height = RescaleForDpi(record.height, fromDpi, toDpi);
    return r;
}

ButtonRecord RescaleButton(const ButtonRecord& record, int capturedClockWidth, int clockWidth, int fromDpi,
                           int toDpi) {
    // The button's width follows from the distances to both edges of the
    // clock: width = -(clock width) - back - gap.
    const int buttonWidth = -capturedClockWidth - record.back - record.gap;
    ButtonRecord r;
    r.gap = RescaleForDpi(record.gap, fromDpi, toDpi);
    r.offset = RescaleForDpi(record.offset, fromDpi, toDpi);
    r.height = RescaleForDpi(record.height, fromDpi, toDpi);
    r.back = -clockWidth - RescaleForDpi(buttonWidth, fromDpi, toDpi) - r.gap;
    return r;
}

WindowSizes WindowSizesForDpi(int dpi) {
    WindowSizes s;
    s.smallWidth = ScaleForDpi(kSmallWindowWidth, dpi);
    s.smallHeight = ScaleForDpi(kSmallWindowHeight, dpi);
    s.largeWidth = ScaleForDpi(kLargeWindowWidth, dpi);
    s.largeHeight = ScaleForDpi(kLargeWindowHeight, dpi);
    s.minWidth = ScaleForDpi(kMinWindowWidth, dpi);
    s.minHeight = ScaleForDpi(kMinWindowHeight, dpi);
    s.maxWidth = ScaleForDpi(kMaxWindowWidth, dpi);
    s.maxHeight = ScaleForDpi(kMaxWindowHeight, dpi);
    return s;
}

LayoutRect LimitSizing(LayoutRect proposed, SizingEdge edge, int dpi) {
    const WindowSizes sizes = WindowSizesForDpi(dpi);
    LayoutRect r = proposed;
    if (r.Width() < sizes.minWidth) {
        if (edge == SizingEdge::Left || edge == SizingEdge::TopLeft || edge == SizingEdge::BottomLeft)
            r.left = r.right - sizes.minWidth;
        else
            r.right = r.left + sizes.minWidth;
    }
    if (r.Height() < sizes.minHeight) {
        if (edge == SizingEdge::Top || edge == SizingEdge::TopLeft || edge == SizingEdge::TopRight)
            r.top = r.bottom - sizes.minHeight;
        else
            r.bottom = r.top + sizes.minHeight;
    }
    return r;
}

std::string SizeCaption(int pixelWidth, int pixelHeight, int dpi) {
    // Below both of these (in 96-DPI units) the caption has no room.
    const int kCaptionMinWidth = 125, kCaptionMinHeight = 165;
    const int width = UnscaleForDpi(pixelWidth, dpi);
    const int height = UnscaleForDpi(pixelHeight, dpi);
    if (height < kCaptionMinHeight && width < kCaptionMinWidth) return std::string();
    const int shownWidth = width < kMaxWindowWidth ? width : kMaxWindowWidth;
    const int shownHeight = height < kMaxWindowHeight ? height : kMaxWindowHeight;
    char text[64];
    std::snprintf(text, sizeof text, "Tallvox x=%i; y=%i", shownWidth, shownHeight);
    return text;
}
