#include "controls/ColorStatic.h"

namespace {
constexpr COLORREF kSystemColour = static_cast<COLORREF>(-1);
}

CColorStatic::CColorStatic()
    : m_crText(::GetSysColor(COLOR_BTNTEXT)), m_crBk(::GetSysColor(COLOR_BTNFACE)), m_brBk(m_crBk) {}

const MessageMap* CColorStatic::ThisMessageMap() {
    using T = CColorStatic;
    static const MessageEntry entries[] = {
        OnMessage(WM_REFLECT_CTLCOLOR, &msg::CtlColor<T, &T::CtlColor>),
        OnMessage(WM_DESTROY, &msg::Void<T, &T::OnDestroy>),
    };
    static const MessageMap map{CStatic::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CColorStatic::GetMessageMap() const { return ThisMessageMap(); }

bool CColorStatic::SubclassStyled(UINT id, CWnd* parent, COLORREF text, HFONT font, COLORREF background) {
    if (!SubclassDlgItem(id, parent)) return false;
    SetTextColor(text);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SetBkColor(background);
    return true;
}

void CColorStatic::SetTextColor(COLORREF colour) {
    m_crText = colour == kSystemColour ? ::GetSysColor(COLOR_BTNTEXT) : colour;
    Invalidate(TRUE);
}

void CColorStatic::SetBkColor(COLORREF colour) {
    m_crBk = colour == kSystemColour ? ::GetSysColor(COLOR_BTNFACE) : colour;
    m_brBk.CreateSolidBrush(m_crBk);
    Invalidate(TRUE);
}

HBRUSH CColorStatic::CtlColor(HDC dc, UINT) {
    ::SetTextColor(dc, m_crText);
    ::SetBkColor(dc, m_crBk);
    return m_brBk.Get();
}

void CColorStatic::OnDestroy() {
    Default();
    m_brBk.DeleteObject();
}
