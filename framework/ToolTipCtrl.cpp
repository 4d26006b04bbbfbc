#include "framework/ToolTipCtrl.h"

#include <commctrl.h>

#include <vector>

#include "framework/WinApp.h"

namespace {

// Wide enough for a tip of two lines; a maximum width is also what makes the
// control break lines at CR LF.
constexpr int kMaxTipWidth = 480;
// Room for a tip's text wherever the control copies one out.
constexpr std::size_t kTextRoom = 1024;

RECT ChildArea(HWND window, HWND child) {
    RECT rc{};
    ::GetWindowRect(child, &rc);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

TOOLINFOA ToolInfo(HWND window, UINT id) {
    TOOLINFOA info{};
    // The older record size is understood by every version of the control.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = window;
    info.uId = id;
    return info;
}

}  // namespace

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(HWND window) {
    if (m_hWnd || !window) return false;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    // Not owned by the window it serves: a topmost popup owned by a window
    // keeps that window from being put on top of the others (measured under
    // Wine), and the tip puts itself on top whenever it shows.
    HWND tip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                 AfxGetInstanceHandle(), nullptr);
    if (!tip) return false;
    if (!SubclassWindow(tip)) {
        ::DestroyWindow(tip);
        return false;
    }
    m_hServed = window;
    SendMessage(TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    return true;
}

bool CToolTipCtrl::HasTool(UINT id) const {
    // Some versions of the control copy the tip into the record: give room.
    std::vector<char> text(kTextRoom, '\0');
    TOOLINFOA info = ToolInfo(m_hServed, id);
    info.lpszText = text.data();
    return m_hWnd && SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::SetToolText(UINT id, const std::string& text) {
    if (!m_hWnd) return;
    TOOLINFOA info = ToolInfo(m_hServed, id);
    if (text.empty()) {
        if (HasTool(id)) SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
        return;
    }
    if (text == GetToolText(id)) return;  // an unchanged tip is not redrawn
    info.lpszText = const_cast<char*>(text.c_str());
    if (HasTool(id)) {
        SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
        return;
    }
    info.uFlags = TTF_SUBCLASS;
    info.rect = ChildArea(m_hServed, ::GetDlgItem(m_hServed, static_cast<int>(id)));
    SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string CToolTipCtrl::GetToolText(UINT id) const {
    if (!HasTool(id)) return std::string();
    // The wide request honours the buffer's size; the narrow one may stop at
    // 80 characters.
    std::vector<wchar_t> wide(kTextRoom, L'\0');
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = m_hServed;
    info.uId = id;
    info.lpszText = wide.data();
    SendMessage(TTM_GETTEXTW, wide.size(), reinterpret_cast<LPARAM>(&info));
    const int length = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, &text[0], length, nullptr, nullptr);
    text.resize(static_cast<size_t>(length) - 1);
    return text;
}

void CToolTipCtrl::FollowTools() {
    if (!m_hWnd) return;
    const int count = static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
    for (int i = 0; i < count; ++i) {
        std::vector<char> text(kTextRoom, '\0');
        TOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.lpszText = text.data();
        if (!SendMessage(TTM_ENUMTOOLSA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info))) continue;
        const RECT now = ChildArea(m_hServed, ::GetDlgItem(m_hServed, static_cast<int>(info.uId)));
        if (::EqualRect(&now, &info.rect)) continue;
        info.rect = now;
        SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
    }
}
