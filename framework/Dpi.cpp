#include "framework/Dpi.h"

#include "framework/Gdi.h"
#include "framework/SystemFolder.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn LookUpGetDpiForWindow() {
    // Windows 10 1607 and later only.
    return ProcAddress<GetDpiForWindowFn>(::GetModuleHandleA("user32.dll"), "GetDpiForWindow");
}

}  // namespace

int SystemDpi() {
    const CClientDC screen(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) {
    static const GetDpiForWindowFn getDpiForWindow = LookUpGetDpiForWindow();
    if (window && getDpiForWindow) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return SystemDpi();
}
