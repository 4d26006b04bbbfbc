// CTrayIconDlg: a dialog that can live in the notification area. Minimising
// hides the dialog and shows its icon; a double-click on the icon brings the
// dialog back; a right click opens the tray menu.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/Dialog.h"
#include "framework/Menu.h"

class CTrayIconDlg : public CDialog {
public:
    CTrayIconDlg(UINT templateId, CWnd* parent);

    static constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;
    static constexpr UINT kTrayIconId = 1;
    static constexpr std::size_t kMaxTipLength = 63;

    HICON LoadTrayIcon(UINT iconId);
    void LoadTrayMenu(UINT menuId);
    // Stores the tip (cut to 63 characters); the shell learns it at the next
    // ModifyTrayIcon.
    void SetTrayTipText(const std::string& text);
    BOOL AddTrayIcon();
    BOOL RemoveTrayIcon();
    void ModifyTrayIcon();
    bool IsTrayIconShown() const { return m_bInTray; }
    const NOTIFYICONDATAA& IconData() const { return m_iconData; }
    HMENU TrayMenu() const { return m_trayMenu.GetSafeHmenu(); }

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    // Mouse events on the icon, with the cursor position in screen coordinates.
    virtual void OnIconLeftDown(int x, int y);
    virtual void OnIconLeftDoubleClick(int x, int y);
    virtual void OnIconRightDown(int x, int y);
    virtual void OnIconRightDoubleClick(int x, int y);
    virtual void OnIconMouseMove(int x, int y);

    int OnCreate(CREATESTRUCTA* create);
    void OnDestroy();
    void OnSysCommand(UINT command, LPARAM lParam);
    LRESULT OnIconNotify(WPARAM wParam, LPARAM lParam);
    // The taskbar came up anew: the icon goes back in.
    virtual void OnTaskbarCreated();

private:
    bool m_bInTray = false;
    NOTIFYICONDATAA m_iconData;
    CMenu m_trayMenu;
};
