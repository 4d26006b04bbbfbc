#include "framework/ColorDialog.h"

#include <commdlg.h>

#include "framework/Wnd.h"

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) {
    for (COLORREF& c : m_customColors) c = RGB(255, 255, 255);
    m_cc.lStructSize = sizeof m_cc;
    m_cc.hwndOwner = parent ? parent->GetSafeHwnd() : nullptr;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = m_customColors;
    // The initial colour is the one shown selected.
    m_cc.Flags = flags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() { return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL; }
