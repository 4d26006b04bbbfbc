// CDialog: a dialog created from a resource template and run modally by a
// message loop of our own, so PreTranslateMessage of the dialog sees every
// message before the dialog manager does.
#pragma once
#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd* parent);

    // Creates the dialog, runs its modal loop and returns the result given to
    // EndDialog; -1 when the dialog could not be created. The owner (the
    // parent, or else the main window: AfxGetSafeOwner) is disabled
    // meanwhile and enabled again before the dialog goes.
    virtual INT_PTR DoModal();
    // Creates the dialog without a loop of its own (it runs in the caller's
    // loop); the caller destroys it with DestroyWindow.
    BOOL Create();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx);
    BOOL UpdateData(BOOL saveAndValidate);

    // The dialog manager's keyboard handling (Tab, Enter, Escape).
    BOOL PreTranslateMessage(MSG* msg) override;

    UINT TemplateId() const { return m_nTemplateId; }

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    UINT m_nTemplateId;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    HWND CreateFromTemplate(HWND parent);
    void RunModalLoop();

    bool m_bContinueModal = false;
    int m_nModalResult = -1;
};
