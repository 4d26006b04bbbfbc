#include "win/DialogAnswerer.h"

#include <algorithm>
#include <utility>

namespace {

struct Found {
    HWND ignore;
    std::vector<HWND> dialogs;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    char cls[16] = {};
    ::GetClassNameA(window, cls, sizeof cls);
    if (process == ::GetCurrentProcessId() && window != found->ignore && ::IsWindowVisible(window) &&
        std::string(cls) == "#32770")
        found->dialogs.push_back(window);
    return TRUE;
}

std::string Text(HWND window) {
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

DialogAnswerer::DialogAnswerer(int button, HWND ignore, Preparation prepare)
    : m_button(button), m_ignore(ignore), m_prepare(std::move(prepare)), m_thread([this] { Watch(); }) {}

DialogAnswerer::~DialogAnswerer() {
    m_stop = true;
    m_thread.join();
}

void DialogAnswerer::Watch() {
    while (!m_stop) {
        Found found{m_ignore, {}};
        ::EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&found));
        for (HWND dialog : found.dialogs) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (std::find(m_answered.begin(), m_answered.end(), dialog) != m_answered.end()) continue;
                m_answered.push_back(dialog);
                // A message box keeps its text in the static control 0xFFFF.
                const HWND owner = ::GetWindow(dialog, GW_OWNER);
                m_seen.push_back(
                    {dialog, Text(dialog), Text(::GetDlgItem(dialog, 0xFFFF)), owner, owner && ::IsWindowEnabled(owner)});
            }
            if (m_prepare) m_prepare(dialog);
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(m_button, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog, m_button)));
        }
        ::Sleep(50);
    }
}

std::vector<DialogAnswerer::Seen> DialogAnswerer::SeenSoFar() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

bool DialogAnswerer::WaitFor(std::size_t count, DWORD milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    while (SeenSoFar().size() < count) {
        if (::GetTickCount64() >= end) return false;
        ::Sleep(20);
    }
    return true;
}
