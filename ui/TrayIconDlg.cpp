#include "ui/TrayIconDlg.h"

#include <cstring>

#include "framework/ShellMessages.h"
#include "framework/WinApp.h"

CTrayIconDlg::CTrayIconDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {
    std::memset(&m_iconData, 0, sizeof m_iconData);
    // The first record layout, which every shell understands: 88 bytes in a
    // 32-bit program, 104 in a 64-bit one; a 64-character tip.
    m_iconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_iconData.uID = kTrayIconId;
    m_iconData.uFlags = NIF_MESSAGE;
    m_iconData.uCallbackMessage = WM_TRAY_NOTIFY;
}

const MessageMap* CTrayIconDlg::ThisMessageMap() {
    using T = CTrayIconDlg;
    static const MessageEntry entries[] = {
        OnMessage(WM_CREATE, &msg::Create<T, &T::OnCreate>),
        OnMessage(WM_DESTROY, &msg::Void<T, &T::OnDestroy>),
        OnMessage(WM_SYSCOMMAND, &msg::SysCommand<T, &T::OnSysCommand>),
        OnMessage(WM_TRAY_NOTIFY, &msg::Raw<T, &T::OnIconNotify>),
        // Built at the first look-up, once the name is registered.
        OnMessage(TaskbarCreatedMessage(), &msg::Void<T, &T::OnTaskbarCreated>),
    };
    static const MessageMap map{CDialog::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CTrayIconDlg::GetMessageMap() const { return ThisMessageMap(); }

void CTrayIconDlg::OnTaskbarCreated() {
    // A window hidden in the notification area must never lose its icon, or
    // the user could not reach it again.
    if (m_bInTray) ::Shell_NotifyIconA(NIM_ADD, &m_iconData);
}

HICON CTrayIconDlg::LoadTrayIcon(UINT iconId) {
    HICON icon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(iconId));
    if (icon) {
        m_iconData.hIcon = icon;
        m_iconData.uFlags |= NIF_ICON;
    }
    return icon;
}

void CTrayIconDlg::LoadTrayMenu(UINT menuId) { m_trayMenu.LoadMenu(menuId); }

void CTrayIconDlg::SetTrayTipText(const std::string& text) {
    const std::size_t length = text.size() < kMaxTipLength ? text.size() : kMaxTipLength;
    std::memcpy(m_iconData.szTip, text.data(), length);
    m_iconData.szTip[length] = '\0';
    m_iconData.uFlags |= NIF_TIP;
}

BOOL CTrayIconDlg::AddTrayIcon() {
    if (m_bInTray) return FALSE;
    const BOOL added = ::Shell_NotifyIconA(NIM_ADD, &m_iconData);
    if (added) m_bInTray = true;
    return added;
}

BOOL CTrayIconDlg::RemoveTrayIcon() {
    if (!m_bInTray) return FALSE;
    const BOOL removed = ::Shell_NotifyIconA(NIM_DELETE, &m_iconData);
    if (removed) m_bInTray = false;
    return removed;
}

void CTrayIconDlg::ModifyTrayIcon() {
    if (m_bInTray) ::Shell_NotifyIconA(NIM_MODIFY, &m_iconData);
}

int CTrayIconDlg::OnCreate(CREATESTRUCTA*) {
    if (Default() == -1) return -1;
    m_iconData.hWnd = m_hWnd;
    m_iconData.uID = kTrayIconId;
    return 0;
}

void CTrayIconDlg::OnDestroy() {
    Default();
    if (m_iconData.hWnd && m_iconData.uID > 0 && m_bInTray) {
        ::Shell_NotifyIconA(NIM_DELETE, &m_iconData);
        m_bInTray = false;
    }
}

void CTrayIconDlg::OnSysCommand(UINT command, LPARAM) {
    if ((command & 0xFFF0) == SC_MINIMIZE) {
        // Hidden instead of minimised; without an icon the window stays.
        if (AddTrayIcon()) ShowWindow(SW_HIDE);
        return;
    }
    Default();
}

// The callback's number is also the dialog manager's DM_SETDEFID: anything
// that is not our icon's mouse notification goes on to the dialog.
LRESULT CTrayIconDlg::OnIconNotify(WPARAM wParam, LPARAM lParam) {
    const UINT event = static_cast<UINT>(lParam);
    const bool mouse = (event >= WM_MOUSEFIRST && event <= WM_MOUSELAST) || event == WM_CONTEXTMENU;
    if (wParam != kTrayIconId || !mouse) return Default();
    POINT pt{};
    ::GetCursorPos(&pt);
    switch (event) {
        case WM_CONTEXTMENU:
        case WM_RBUTTONDOWN: OnIconRightDown(pt.x, pt.y); break;
        case WM_MOUSEMOVE: OnIconMouseMove(pt.x, pt.y); break;
        case WM_LBUTTONDOWN: OnIconLeftDown(pt.x, pt.y); break;
        case WM_LBUTTONDBLCLK: OnIconLeftDoubleClick(pt.x, pt.y); break;
        case WM_RBUTTONDBLCLK: OnIconRightDoubleClick(pt.x, pt.y); break;
        default: break;
    }
    return 1;
}

void CTrayIconDlg::OnIconLeftDown(int, int) {}

void CTrayIconDlg::OnIconLeftDoubleClick(int, int) {
    if (RemoveTrayIcon()) ShowWindow(SW_SHOW);
}

void CTrayIconDlg::OnIconRightDown(int x, int y) {
    HMENU popup = m_trayMenu.GetSubMenu(0);
    if (!popup) return;
    // Foreground first, or the menu would not close when the user clicks
    // elsewhere.
    ::SetForegroundWindow(m_hWnd);
    ::TrackPopupMenu(popup, TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, x, y, 0, m_hWnd, nullptr);
    ::SetMenuDefaultItem(popup, 0, TRUE);
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

void CTrayIconDlg::OnIconRightDoubleClick(int, int) {}

void CTrayIconDlg::OnIconMouseMove(int, int) {}
