// The About box: the program's name, what it tells, who made it, a picture
// and a button to the home page, all on white (in the system's colours while
// high contrast is on). Every control has a name for assistive technology:
// its text, and for the picture (read as a graphic) "Tallvox logo".
#pragma once
#include <windows.h>

#include "app/shell/DarkTitleBar.h"
#include "app/shell/SystemLook.h"
#include "controls/HoverButton.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "controls/ColorStatic.h"

class CCredits : public CDialog {
public:
    explicit CCredits(CWnd* parent = nullptr);

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    virtual BOOL PaintBackground(HDC dc);
    BOOL OnEraseBkgnd(HDC dc);
    void OnHomepage();
    // High contrast and the app mode, read anew and shown.
    void ApplySystemLook();
    LRESULT OnSettingChange(WPARAM action, LPARAM area);
    void OnSysColorChange();

private:
    CSystemLook m_look;
    CDwmAttributes m_dwm;
    COLORREF m_crBack = RGB(255, 255, 255);
    CPen m_penBack;
    CHoverButton m_btnHomepage;
    CColorStatic m_lblTitle;
    CColorStatic m_lblFeatures;
    CColorStatic m_lblAuthor;
    CFont m_fontTitle;
    CFont m_fontFeatures;
    CFont m_fontAuthor;
    // The picture drawn for the display scale, when it is not the one the
    // template loads (the 100 % picture).
    CBitmap m_bmpPicture;
};
