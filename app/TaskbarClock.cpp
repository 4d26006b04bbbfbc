#include "app/TaskbarClock.h"

#include <windows.h>

namespace {

struct ClockChain {
    HWND tray = nullptr;
    HWND clock = nullptr;
};

ClockChain FindClockChain() {
    ClockChain chain;
    HWND tray = ::FindWindowA("Shell_TrayWnd", nullptr);
    HWND notify = tray ? ::FindWindowExA(tray, nullptr, "TrayNotifyWnd", nullptr) : nullptr;
    HWND clock = notify ? ::FindWindowExA(notify, nullptr, "TrayClockWClass", nullptr) : nullptr;
    if (clock) {
        chain.tray = ::GetParent(notify);
        chain.clock = clock;
    }
    return chain;
}

void SetClockShown(int showCommand) {
    const ClockChain chain = FindClockChain();
    if (!chain.clock) return;
    ::ShowWindow(chain.clock, showCommand);
    ::PostMessageA(chain.tray, WM_SIZE, 0, 0);
}

}  // namespace

void HideTaskbarClock() { SetClockShown(SW_HIDE); }
void ShowTaskbarClock() { SetClockShown(SW_SHOWDEFAULT); }
