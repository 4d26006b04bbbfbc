#include "app/autorun/AutorunDlg.h"

#include <vector>

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

// No command Windows could run is this long; a longer value is not ours.
const DWORD kMaxRunValueBytes = 64 * 1024;

// The value's text when it is a string (an expandable one with its
// environment variables filled in); false for a missing value or another type.
bool ReadStringValue(HKEY key, const char* name, std::string& text) {
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxRunValueBytes)
        return false;
    std::vector<char> data(size + 1, '\0');
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size >= data.size())
        return false;
    data[size] = '\0';  // a value stored without its terminator
    text = data.data();
    if (type == REG_EXPAND_SZ) {
        const DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
        if (needed == 0) return true;
        std::vector<char> expanded(needed + 1, '\0');
        if (::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed + 1) != 0) text = expanded.data();
    }
    return true;
}

}  // namespace

// The path is read whole, however long (and a UTF-8 path takes up to three
// bytes a character): one cut short would register a program that isn't there.
CAutorunDlg::CAutorunDlg(CWnd* parent) : CTrayIconDlg(IDD_AUTORUN, parent), m_strModulePath(AfxGetModulePath()) {}

CAutorunDlg::~CAutorunDlg() {
    if (m_hRunKey) ::RegCloseKey(m_hRunKey);
}

const MessageMap* CAutorunDlg::ThisMessageMap() {
    using T = CAutorunDlg;
    static const MessageEntry entries[] = {
        OnMessage(WM_ERASEBKGND, &msg::EraseBkgnd<T, &T::OnEraseBkgnd>),
        OnCommand(IDC_AUTORUN_BUTTON, &msg::Void<T, &T::OnToggle>),
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
    return TRUE;
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
    if (m_hRunKey) ::RegCloseKey(m_hRunKey);
    m_hRunKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ | KEY_WRITE, &m_hRunKey) != ERROR_SUCCESS) {
        m_hRunKey = nullptr;
        return false;
    }
    // A value left behind by a copy of Tallvox in another folder (or naming
    // another program) does not start this one: autorun is off for it.
    std::string value;
    return !m_strModulePath.empty() && ReadStringValue(m_hRunKey, kValueName, value) &&
           RunValueNamesProgram(value, m_strModulePath);
}

bool CAutorunDlg::EnableAutorun() {
    if (m_strModulePath.empty()) return false;
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return false;
    // Quoted: a path with blanks is otherwise read as a shorter program
    // followed by arguments.
    const std::string value = RunValueFor(m_strModulePath);
    const LONG set = ::RegSetValueExA(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
    return set == ERROR_SUCCESS;
}

bool CAutorunDlg::DisableAutorun() {
    return m_hRunKey && ::RegDeleteValueA(m_hRunKey, kValueName) == ERROR_SUCCESS;
}

BOOL CAutorunDlg::OnEraseBkgnd(HDC dc) { return PaintBackground(dc); }

BOOL CAutorunDlg::PaintBackground(HDC dc) {
    if (!m_penBack) m_penBack.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOW));
    FillRowByRow(dc, m_penBack.Get(), GetClientRect());
    return TRUE;
}
