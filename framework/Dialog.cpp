#include "framework/Dialog.h"

#include "framework/WinApp.h"

namespace {

// The dialog object waiting for its window. The dialog's window is bound at
// its creation (HCBT_CREATEWND), so its table sees WM_NCCREATE and WM_CREATE.
thread_local CWnd* t_pendingDialog = nullptr;

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pendingDialog) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        ::GetClassNameA(hWnd, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0) {
            CWnd* dialog = t_pendingDialog;
            t_pendingDialog = nullptr;
            dialog->SubclassWindow(hWnd);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Installs the hook for the lifetime of one CreateDialog call.
class ScopedCreationHook {
public:
    explicit ScopedCreationHook(CWnd* dialog)
        : m_hook(::SetWindowsHookExA(WH_CBT, CreationHook, nullptr, ::GetCurrentThreadId())) {
        t_pendingDialog = dialog;
    }
    ~ScopedCreationHook() {
        t_pendingDialog = nullptr;
        if (m_hook) ::UnhookWindowsHookEx(m_hook);
    }
    ScopedCreationHook(const ScopedCreationHook&) = delete;
    ScopedCreationHook& operator=(const ScopedCreationHook&) = delete;

private:
    HHOOK m_hook;
};

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nTemplateId(templateId), m_pParentWnd(parent) {}

const MessageMap* CDialog::ThisMessageMap() {
    static const MessageEntry entries[] = {
        OnCommand(IDOK, &msg::Void<CDialog, &CDialog::OnOK>),
        OnCommand(IDCANCEL, &msg::Void<CDialog, &CDialog::OnCancel>),
    };
    static const MessageMap map{CWnd::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const { return ThisMessageMap(); }

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT message, WPARAM, LPARAM lParam) {
    // Everything else reaches the dialog object through its subclass; only
    // the initialisation is answered here, as the dialog manager expects.
    if (message == WM_INITDIALOG) {
        CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
        return dialog ? dialog->OnInitDialog() : TRUE;
    }
    return FALSE;
}

HWND CDialog::CreateFromTemplate(HWND parent) {
    HINSTANCE instance = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nTemplateId), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    auto* dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)) : nullptr;
    if (!dialogTemplate) return nullptr;
    ScopedCreationHook hook(this);
    return ::CreateDialogIndirectParamA(instance, dialogTemplate, parent, DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create() {
    return CreateFromTemplate(m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr) != nullptr;
}

INT_PTR CDialog::DoModal() {
    // Without a parent of its own the dialog is owned by the main window (or
    // the modal over it), which it disables while it runs: the user finishes
    // with the dialog before the window behind it takes commands again.
    const HWND owner = AfxGetSafeOwner(m_pParentWnd);
    const bool reenableOwner = owner && ::IsWindowEnabled(owner);
    m_nModalResult = -1;
    m_bContinueModal = true;

    if (reenableOwner) ::EnableWindow(owner, FALSE);
    HWND hWnd = CreateFromTemplate(owner);
    // A modal dialog shows even when its template is not WS_VISIBLE, as the
    // system's own modal dialogs do.
    if (hWnd && m_bContinueModal && !::IsWindowVisible(hWnd)) ::ShowWindow(hWnd, SW_SHOWNORMAL);
    if (hWnd && m_bContinueModal) RunModalLoop();

    if (reenableOwner) ::EnableWindow(owner, TRUE);
    if (hWnd) {
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        if (owner && ::IsWindowVisible(owner)) ::SetActiveWindow(owner);
        ::DestroyWindow(hWnd);
    } else {
        return -1;
    }
    return m_nModalResult;
}

void CDialog::RunModalLoop() {
    MSG msg;
    while (m_bContinueModal && m_hWnd) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Leave the quit request for whoever runs the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bContinueModal = false;
    if (m_hWnd) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the loop
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate != FALSE);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (m_hWnd && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd)))
        return ::IsDialogMessageA(m_hWnd, msg);
    return FALSE;
}
