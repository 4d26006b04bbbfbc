// The Autorun dialog: whether Tallvox starts when the user logs on, and one
// button that switches it. The registration is the string value "Tallvox"
// under the current user's Run key, holding the program file's full path in
// double quotes. It is drawn in the system's window colours, read again when
// they change (high contrast), and its title bar follows the app mode.
#pragma once
#include <windows.h>

#include <string>

#include "app/shell/DarkTitleBar.h"
#include "app/shell/SystemLook.h"
#include "controls/HoverButton.h"
#include "framework/Gdi.h"
#include "framework/RegKey.h"
#include "controls/ColorStatic.h"
#include "ui/TrayIconDlg.h"

class CAutorunDlg : public CTrayIconDlg {
public:
    explicit CAutorunDlg(CWnd* parent = nullptr);
    ~CAutorunDlg() override;

    static const char kRunKey[];
    static const char kValueName[];

    // Opens the Run key (kept open until the dialog object goes) and tells
    // whether the value is there as a string naming this program file.
    virtual bool IsAutorunEnabled();
    // False when the value could not be written.
    virtual bool EnableAutorun();
    // False when the value could not be deleted.
    virtual bool DisableAutorun();

protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* ThisMessageMap();

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnToggle();
    BOOL OnEraseBkgnd(HDC dc);
    virtual BOOL PaintBackground(HDC dc);
    // The system's colours and the app mode, read anew and shown.
    void ApplySystemLook();
    LRESULT OnSettingChange(WPARAM action, LPARAM area);
    void OnSysColorChange();

private:
    // The texts and icon of the on or off state.
    void ShowState(bool enabled);

    CColorStatic m_lineText;
    CHoverButton m_btnToggle;
    CRegKey m_runKey;  // the Run key, as last read
    CSystemLook m_look;
    CDwmAttributes m_dwm;
    CFont m_font;
    CPen m_penBack;
    std::string m_strModulePath;  // whole, however long; empty when unreadable
};
