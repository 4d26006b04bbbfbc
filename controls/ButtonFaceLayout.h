// Where the hover button puts its background, icon, text and focus
// rectangle, apart from any window. The item rectangle of a draw request
// starts at (0,0); all arithmetic is integer, halves cut toward zero.
#pragma once

namespace buttonface {

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

inline bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

inline int Width(const Rect& r) { return r.right - r.left; }
inline int Height(const Rect& r) { return r.bottom - r.top; }
Rect Offset(const Rect& r, int dx, int dy);
// Shrinks by d on every side (grows for negative d).
Rect Inset(const Rect& r, int d);

// DrawText format bits (the Win32 values).
constexpr unsigned kDtCenter = 0x01;
constexpr unsigned kDtVCenter = 0x04;
constexpr unsigned kDtWordBreak = 0x10;
constexpr unsigned kDtSingleLine = 0x20;

// One vertically centred line, also centred across when there is no icon.
unsigned TextFormat(bool hasIcon);

// The push button's theme part and the states the hover button draws.
constexpr int kPartPushButton = 1;
constexpr int kStateNormal = 1;
constexpr int kStateHot = 2;
constexpr int kStatePressed = 3;
constexpr int kStateDefaulted = 5;

// Pressed wins over hover, hover over focus.
int PushButtonState(bool pressed, bool hover, bool focused);

// The classic look frames a focused button in one black pixel and draws the
// face inside it; the themed look uses the whole item.
Rect BackgroundRect(const Rect& item, bool classicFocused);
// The focus rectangle lies 3 pixels inside the background rectangle.
Rect FocusRect(const Rect& background);

struct Placement {
    Rect icon;  // iconWidth x iconHeight, at its drawing position
    Rect text;  // the box the text is drawn into
};

// With text the icon sits half an icon width from the left edge, the text
// starts two icon widths in and ends half an icon width before the right
// edge. Without text the icon is centred. The icon is always centred
// vertically. The pressed classic look moves both by (1,1) afterwards.
Placement PlaceIconAndText(const Rect& item, int iconWidth, int iconHeight, bool hasText);

// How far down a text of contentHeight moves to sit centred in a box of
// boxHeight (negative when it is taller than the box).
int CentringShift(int boxHeight, int contentHeight);

}  // namespace buttonface
