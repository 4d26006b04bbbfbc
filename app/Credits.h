// The About box: the program's name, what it tells, who made it, a picture
// and a button to the home page, all on white.
#pragma once
#include <windows.h>

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

private:
    CPen m_penWhite;
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
