// The hover button's picture: background, icon, text and focus rectangle,
// composed off-screen and copied to the draw request's context at the end.
#include "controls/HoverButton.h"

#include <vsstyle.h>

#include <string>

#include "controls/ButtonFaceLayout.h"
#include "controls/DoubleBufferDC.h"

static_assert(buttonface::kDtCenter == DT_CENTER && buttonface::kDtVCenter == DT_VCENTER &&
                  buttonface::kDtWordBreak == DT_WORDBREAK && buttonface::kDtSingleLine == DT_SINGLELINE,
              "text format bits");
static_assert(buttonface::kPartPushButton == BP_PUSHBUTTON && buttonface::kStateNormal == PBS_NORMAL &&
                  buttonface::kStateHot == PBS_HOT && buttonface::kStatePressed == PBS_PRESSED &&
                  buttonface::kStateDefaulted == PBS_DEFAULTED,
              "push button theme part and states");

namespace {

buttonface::Rect FromRect(const RECT& r) { return buttonface::Rect{r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const buttonface::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The icon's size as its colour bitmap tells it; 32 x 32 when that cannot be
// read (a monochrome icon has none).
SIZE IconSize(HICON icon)
{
    SIZE size{32, 32};
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return size;
    // GetIconInfo hands out copies of both bitmaps; these release them.
    const CGdiObject<HBITMAP> colour(info.hbmColor);
    const CGdiObject<HBITMAP> mask(info.hbmMask);
    BITMAP bitmap{};
    if (colour && ::GetObjectA(colour.Get(), sizeof bitmap, &bitmap))
        size = SIZE{bitmap.bmWidth, bitmap.bmHeight};
    return size;
}

} // namespace

void CHoverButton::OpenThemeIfNeeded()
{
    if (!m_bReopenTheme)
        return;
    m_bReopenTheme = FALSE;
    if (m_theme.Styles().IsAvailable())
        m_theme.Open(m_hWnd, "Button");
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item)
        return;
    OpenThemeIfNeeded();

    CDoubleBufferDC buffer(item->hDC);
    const CDCHandle dc(buffer.GetSafeHdc());
    const auto parentFont = reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0));
    const CSelectObject font(dc, parentFont);

    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const bool focused = (item->itemState & ODS_FOCUS) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    const bool showFocus = (item->itemState & ODS_NOFOCUSRECT) == 0;
    const bool themed = IsThemed() != FALSE;
    dc.SetBkMode(TRANSPARENT);

    const RECT background = DrawBackground(dc, item->rcItem, pressed, focused, themed);

    const std::string text = m_bTextShown ? GetWindowText() : std::string();
    const bool hasText = !text.empty();
    const bool hasIcon = m_icon.Get() != nullptr;
    RECT textBox = item->rcItem;
    if (hasIcon) {
        const SIZE size = IconSize(m_icon.Get());
        const buttonface::Placement place =
            buttonface::PlaceIconAndText(FromRect(item->rcItem), size.cx, size.cy, hasText);
        // The classic look sinks the face's content when pressed; the theme
        // draws its own pressed look.
        const buttonface::Rect iconRect = pressed && !themed ? buttonface::Offset(place.icon, 1, 1) : place.icon;
        DrawIcon(dc, ToRect(iconRect), disabled);
        textBox = ToRect(place.text);
    }
    if (hasText) {
        if (pressed && !themed)
            ::OffsetRect(&textBox, 1, 1);
        DrawLabel(dc, text, textBox, buttonface::TextFormat(hasIcon), hasIcon, disabled, themed);
    }
    if (focused && showFocus) {
        const RECT focusRect = ToRect(buttonface::FocusRect(FromRect(background)));
        ::DrawFocusRect(dc, &focusRect);
    }
}

// Answers the rectangle the face was drawn in: the classic focused look
// gives up its outer pixel to a black frame.
RECT CHoverButton::DrawBackground(CDCHandle dc, const RECT& item, bool pressed, bool focused, bool themed) const
{
    if (themed) {
        const int state = buttonface::PushButtonState(pressed, m_bHover != FALSE, focused);
        m_theme.Styles().DrawThemeBackground(m_theme.Get(), dc, buttonface::kPartPushButton, state, item, nullptr);
        return item;
    }
    const RECT face = ToRect(buttonface::BackgroundRect(FromRect(item), focused));
    if (focused)
        ::FrameRect(dc, &item, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::FillRect(dc, &face, ::GetSysColorBrush(COLOR_BTNFACE));
    if (pressed) {
        ::FrameRect(dc, &face, ::GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        RECT edge = face;
        ::DrawFrameControl(dc, &edge, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    return face;
}

void CHoverButton::DrawIcon(CDCHandle dc, const RECT& iconRect, bool disabled) const
{
    const UINT flags = DST_ICON | (disabled ? DSS_DISABLED : 0u);
    ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(m_icon.Get()), 0, iconRect.left, iconRect.top, 0, 0,
                 flags);
}

void CHoverButton::DrawLabel(CDCHandle dc, const std::string& text, RECT box, UINT format, bool hasIcon,
                             bool disabled, bool themed) const
{
    if (hasIcon) {
        // Beside an icon the text box is cut to the text and centred down
        // the button.
        RECT measured = box;
        dc.DrawText(text, measured, format | DT_CALCRECT);
        const int shift = buttonface::CentringShift(box.bottom - box.top, measured.bottom - measured.top);
        box = measured;
        ::OffsetRect(&box, 0, shift);
    }
    if (themed) {
        m_theme.Styles().DrawThemeText(m_theme.Get(), dc, buttonface::kPartPushButton, buttonface::kStateNormal, text,
                                       format, 0, box);
        return;
    }
    dc.SetBkMode(TRANSPARENT);
    if (disabled) {
        // Engraved: a highlight copy one pixel down and right, shadow on top.
        ::OffsetRect(&box, 1, 1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.DrawText(text, box, format);
        ::OffsetRect(&box, -1, -1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    } else {
        dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        dc.SetBkColor(::GetSysColor(COLOR_BTNFACE));
    }
    dc.DrawText(text, box, format);
}
