#include "controls/ButtonFaceLayout.h"

namespace buttonface {

Rect Offset(const Rect& r, int dx, int dy)
{
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

Rect Inset(const Rect& r, int d)
{
    return Rect{r.left + d, r.top + d, r.right - d, r.bottom - d};
}

unsigned TextFormat(bool hasIcon)
{
    const unsigned format = kDtVCenter | kDtWordBreak | kDtSingleLine;
    return hasIcon ? format : format | kDtCenter;
}

int PushButtonState(bool pressed, bool hover, bool focused)
{
    if (pressed)
        return kStatePressed;
    if (hover)
        return kStateHot;
    if (focused)
        return kStateDefaulted;
    return kStateNormal;
}

Rect BackgroundRect(const Rect& item, bool classicFocused)
{
    return classicFocused ? Inset(item, 1) : item;
}

Rect FocusRect(const Rect& background)
{
    return Inset(background, 3);
}

Placement PlaceIconAndText(const Rect& item, int iconWidth, int iconHeight, bool hasText)
{
    Rect icon = item;
    Rect text = item;
    if (hasText) {
        // The item starts at (0,0), so widths double as right edges.
        icon.left = iconWidth / 2;
        text.right = Width(item) - iconWidth / 2;
        text.left = 2 * iconWidth;
    } else {
        icon.left += (Width(item) - iconWidth) / 2;
    }
    icon.top += (Height(item) - iconHeight) / 2;
    icon.right = icon.left + iconWidth;
    icon.bottom = icon.top + iconHeight;
    return Placement{icon, text};
}

int CentringShift(int boxHeight, int contentHeight)
{
    return (boxHeight - contentHeight) / 2;
}

}  // namespace buttonface
