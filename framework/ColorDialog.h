// CColorDialog: the system's colour chooser, run modally.
#pragma once
#include <windows.h>

class CWnd;

class CColorDialog {
public:
    // Without a parent the chooser is owned by the main window
    // (AfxGetSafeOwner), decided when it opens.
    CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // IDOK when a colour was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    // The sixteen "custom colours" slots that every chooser of the process
    // shows and edits: a colour the user keeps there under one command is
    // still there under the next. White until the user sets them.
    static COLORREF* GetSavedCustomColors();

private:
    CHOOSECOLORA m_cc{};
    CWnd* m_pParentWnd;
};
