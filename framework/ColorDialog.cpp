#include "framework/ColorDialog.h"

#include <commdlg.h>

#include "framework/WinApp.h"

COLORREF* CColorDialog::GetSavedCustomColors() {
    static COLORREF saved[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    };
    return saved;
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : m_pParentWnd(parent) {
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = GetSavedCustomColors();
    // The initial colour is the one shown selected.
    m_cc.Flags = flags | CC_RGBINIT;
}

// The system's chooser disables its owner while it runs.
INT_PTR CColorDialog::DoModal() {
    m_cc.hwndOwner = AfxGetSafeOwner(m_pParentWnd);
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
