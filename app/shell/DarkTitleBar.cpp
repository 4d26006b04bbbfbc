#include "app/shell/DarkTitleBar.h"

#include "framework/SystemFolder.h"

namespace {
typedef HRESULT(WINAPI* DwmSetWindowAttributeFn)(HWND, DWORD, LPCVOID, DWORD);

constexpr DWORD kFirstBuildWithAttribute19 = 17763;
constexpr DWORD kFirstBuildWithAttribute20 = 19041;
}  // namespace

CDwmAttributes::CDwmAttributes() : m_dwmapi(LoadSystemLibrary("dwmapi.dll")) {}

CDwmAttributes::~CDwmAttributes() = default;

HRESULT CDwmAttributes::SetBool(HWND window, DWORD attribute, BOOL value) {
    const auto set = ProcAddress<DwmSetWindowAttributeFn>(m_dwmapi.Get(), "DwmSetWindowAttribute");
    return set ? set(window, attribute, &value, sizeof value) : E_NOTIMPL;
}

DWORD DarkTitleBarAttribute(DWORD build) {
    if (build >= kFirstBuildWithAttribute20) return 20;
    if (build >= kFirstBuildWithAttribute19) return 19;
    return 0;
}

void ShowAppModeTitleBar(HWND window, const CSystemLook& look, CDwmAttributes& dwm) {
    const DWORD attribute = DarkTitleBarAttribute(look.BuildNumber());
    if (attribute) dwm.SetBool(window, attribute, look.AppsUseDarkMode() ? TRUE : FALSE);
}
