// COwnerDrawButton: turns a push button of a dialog template into an
// owner-drawn one that still takes part in the dialog's default-button
// handling. An owner-drawn button no longer tells the dialog manager that it
// is a push button, so this class remembers the template's type and answers
// the manager's questions (WM_GETDLGCODE, BM_SETSTYLE) as that type would.
// It draws nothing itself; a derived class supplies DrawItem.
#pragma once
#include <windows.h>

#include "framework/Button.h"

class COwnerDrawButton : public CButton {
public:
    COwnerDrawButton() = default;
    ~COwnerDrawButton() override = default;

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    // Records the template's type and makes the button owner-drawn.
    void PreSubclassWindow() override;

    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);

    BOOL m_bCanBeDefault = FALSE;  // a push button: may become the default
    BOOL m_bIsDefault = FALSE;     // the dialog's default button right now
    int m_nType = 0x0F;            // template type; 0x0F until subclassed
};
