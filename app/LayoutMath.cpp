#include "app/LayoutMath.h"

#include <cstdio>

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

LayoutRect LimitSizing(LayoutRect r, SizingEdge edge) {
    if (r.Width() < kMinWindowWidth) {
        if (edge == SizingEdge::Left || edge == SizingEdge::TopLeft || edge == SizingEdge::BottomLeft)
            r.left = r.right - kMinWindowWidth;
        else
            r.right = r.left + kMinWindowWidth;
    }
    if (r.Height() < kMinWindowHeight) {
        if (edge == SizingEdge::Top || edge == SizingEdge::TopLeft || edge == SizingEdge::TopRight)
            r.top = r.bottom - kMinWindowHeight;
        else
            r.bottom = r.top + kMinWindowHeight;
    }
    return r;
}

std::string SizeCaption(int width, int height) {
    if (height < 165 && width < 125) return std::string();
    char text[64];
    if (width > kMaxWindowWidth)
        std::snprintf(text, sizeof text, "Tallvox x=410; y=%i", height < kMaxWindowHeight ? height : kMaxWindowHeight);
    else if (height > kMaxWindowHeight)
        std::snprintf(text, sizeof text, "Tallvox x=%i; y=230", width);
    else
        std::snprintf(text, sizeof text, "Tallvox x=%i; y=%i", width, height);
    return text;
}
