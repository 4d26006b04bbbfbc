// CColorStatic: a static text control in a text and background colour of its
// own. It answers the control-colour request that its parent reflects to it.
#pragma once
#include <windows.h>

#include "framework/Gdi.h"
#include "framework/Static.h"

class CColorStatic : public CStatic {
public:
    CColorStatic();

    // -1 stands for the system's button-text colour.
    void SetTextColor(COLORREF colour);
    // -1 stands for the system's button-face colour.
    void SetBkColor(COLORREF colour);

    // Binds to the parent's control `id` and styles it, in the order the
    // control repaints best: text colour, font (redrawn), background.
    bool SubclassStyled(UINT id, CWnd* parent, COLORREF text, HFONT font, COLORREF background);

    COLORREF TextColor() const { return m_crText; }
    COLORREF BkColor() const { return m_crBk; }
    HBRUSH BkBrush() const { return m_brBk.Get(); }

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    HBRUSH CtlColor(HDC dc, UINT controlType);
    void OnDestroy();

private:
    COLORREF m_crText;
    COLORREF m_crBk;
    CBrush m_brBk;
};
