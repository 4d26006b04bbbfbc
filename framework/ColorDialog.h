// CColorDialog: the system's colour chooser, run modally.
#pragma once
#include <windows.h>

class CWnd;

class CColorDialog {
public:
    CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // IDOK when a colour was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

private:
    CHOOSECOLORA m_cc{};
    // The sixteen "custom colours" slots the dialog shows and edits.
    COLORREF m_customColors[16];
};
