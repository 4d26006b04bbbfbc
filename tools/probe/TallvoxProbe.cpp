// TallvoxProbe: prints what the running Tallvox window shows, one line per
// text line, for headless runs. Exit code 1 when no window is found.
#include <windows.h>

#include <cstdio>

#include "resource.h"
#include "tools/probe/Probe.h"

int main() {
    HWND window = probe::FindMainWindow();
    if (!window) {
        std::puts("(no Tallvox window)");
        return 1;
    }
    const int lines[] = {IDC_LINE_UPTIME, IDC_LINE_BOOT_TIME, IDC_LINE_INSTALL_DATE, IDC_LINE_INSTALL_TIME};
    char caption[256] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    std::printf("[%s]%s\n", caption, ::IsWindowVisible(window) ? "" : " (in the notification area)");
    for (int id : lines) std::printf("  %s\n", probe::ControlText(window, id).c_str());
    return 0;
}
