#include "app/autorun/AutorunDlg.h"

#include "app/autorun/RunValue.h"
#include "display/DisplayScale.h"
#include "framework/DataExchange.h"
#include "framework/Dpi.h"
#include "framework/WinApp.h"
#include "resource.h"
#include "ui/RowFill.h"

const char CAutorunDlg::kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char CAutorunDlg::kValueName[] = "Tallvox";

namespace {

const char kEnableText[] = "Enable Autorun and Tallvox will start on each Windows startup.";
const char kDisableText[] = "Disable Autorun...";

}  // namespace

// The path is read whole, however long (and a UTF-8 path takes up to three
// bytes a character): one cut short would register a program that isn't there.
CAutorunDlg::CAutorunDlg(CWnd* parent) : CTrayIconDlg(IDD_AUTORUN, parent), m_strModulePath(AfxGetModulePath()) {}

CAutorunDlg::~CAutorunDlg() = default;

const MessageMap* CAutorunDlg::ThisMessageMap() {
    using T = CAutorunDlg;
    static const MessageEntry entries[] = {
        OnMessage(WM_ERASEBKGND, &msg::EraseBkgnd<T, &T::OnEraseBkgnd>),
        OnCommand(IDC_AUTORUN_BUTTON, &msg::Void<T, &T::OnToggle>),
        OnMessage(WM_SETTINGCHANGE, &msg::Raw<T, &T::OnSettingChange>),
        OnMessage(WM_SYSCOLORCHANGE, &msg::Void<T, &T::OnSysColorChange>),
    };
    static const MessageMap map{CTrayIconDlg::ThisMessageMap(), entries, sizeof entries / sizeof entries[0]};
    return &map;
}

const MessageMap* CAutorunDlg::GetMessageMap() const { return ThisMessageMap(); }

void CAutorunDlg::DoDataExchange(CDataExchange* dx) {
    CTrayIconDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_AUTORUN_BUTTON, m_btnToggle);
}

BOOL CAutorunDlg::OnInitDialog() {
    CTrayIconDlg::OnInitDialog();
    m_font.CreateFont(ScaleForDpi(13, WindowDpi(m_hWnd)), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Tahoma");
    m_lineText.SubclassStyled(IDC_AUTORUN_TEXT, this, ::GetSysColor(COLOR_WINDOWTEXT), m_font.Get(),
                              ::GetSysColor(COLOR_WINDOW));
    m_btnToggle.SetThemed(TRUE);
    ShowState(IsAutorunEnabled());
    ApplySystemLook();
    return TRUE;
}

void CAutorunDlg::ApplySystemLook() {
    m_lineText.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    m_lineText.SetBkColor(::GetSysColor(COLOR_WINDOW));
    m_penBack.DeleteObject();
    ShowAppModeTitleBar(m_hWnd, m_look, m_dwm);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CAutorunDlg::OnSettingChange(WPARAM action, LPARAM area) {
    const LRESULT result = Default();
    if (SettingChangeAltersLook(action, area)) ApplySystemLook();
    return result;
}

void CAutorunDlg::OnSysColorChange() {
    Default();
    ApplySystemLook();
}

void CAutorunDlg::ShowState(bool enabled) {
    m_btnToggle.SetWindowText(enabled ? "Disable" : "Enable");
    m_lineText.SetWindowText(enabled ? kDisableText : kEnableText);
    m_btnToggle.SetIcon(enabled ? IDI_EXIT : IDI_AUTORUN_ENABLE, 1);
}

// The texts follow what the registry holds after the click, so a change that
// could not be made is never shown as made.
void CAutorunDlg::OnToggle() {
    const bool wasEnabled = IsAutorunEnabled();
    const bool done = wasEnabled ? DisableAutorun() : EnableAutorun();
    ShowState(IsAutorunEnabled());
    if (!done)
        ::MessageBoxA(m_hWnd,
                      wasEnabled ? "Tallvox could not be removed from the programs started with Windows."
                                 : "Tallvox could not be added to the programs started with Windows.",
                      "Autorun", MB_ICONERROR | MB_OK);
}

bool CAutorunDlg::IsAutorunEnabled() {
    if (m_runKey.Open(HKEY_CURRENT_USER, kRunKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return false;
    // A value left behind by a copy of Tallvox in another folder (or naming
    // another program) does not start this one: autorun is off for it. An
    // expandable value is compared as Windows runs it, expanded.
    const std::optional<std::string> value = m_runKey.ReadString(kValueName);
    return !m_strModulePath.empty() && value && RunValueNamesProgram(*value, m_strModulePath);
}

bool CAutorunDlg::EnableAutorun() {
    if (m_strModulePath.empty()) return false;
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, kRunKey, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
    // Quoted: a path with blanks is otherwise read as a shorter program
    // followed by arguments.
    return key.WriteString(kValueName, RunValueFor(m_strModulePath)) == ERROR_SUCCESS;
}

bool CAutorunDlg::DisableAutorun() {
    return m_runKey.DeleteValue(kValueName) == ERROR_SUCCESS;
}

BOOL CAutorunDlg::OnEraseBkgnd(HDC dc) { return PaintBackground(dc); }

BOOL CAutorunDlg::PaintBackground(HDC dc) {
    if (!m_penBack) m_penBack.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOW));
    FillRowByRow(dc, m_penBack.Get(), GetClientRect());
    return TRUE;
}
