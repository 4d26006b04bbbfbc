#include "tools/probe/Probe.h"

#include <vector>

#include "resource.h"

namespace probe {

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0) return TRUE;
    if (search->processId) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hWnd, &owner);
        if (owner != search->processId) return TRUE;
    }
    if (!::GetDlgItem(hWnd, IDC_LINE_UPTIME) || !::GetDlgItem(hWnd, IDC_CLOCK)) return TRUE;
    search->found = hWnd;
    return FALSE;
}

}  // namespace

HWND FindMainWindow(DWORD processId) {
    Search search{processId, nullptr};
    ::EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ControlText(HWND window, int id) {
    HWND control = ::GetDlgItem(window, id);
    if (!control) return std::string();
    std::vector<char> text(1024, '\0');
    ::SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string result = "Z:" + path;
    for (char& c : result)
        if (c == '/') c = '\\';
    return result;
}

}  // namespace probe
