// The title bar in the user's app mode: dark when Windows asks apps to be
// dark and the system can draw a dark title bar (Windows 10 1809 and later),
// light otherwise. The window's own colours are not touched.
#pragma once
#include <windows.h>

#include "app/shell/SystemLook.h"
#include "framework/Handles.h"

// DwmSetWindowAttribute for a BOOL attribute, looked up at run time in the
// system folder's dwmapi.dll: the program does not import it, and starts on
// systems without it. Tests give a fake by overriding SetBool.
class CDwmAttributes {
public:
    CDwmAttributes();
    virtual ~CDwmAttributes();
    CDwmAttributes(const CDwmAttributes&) = delete;
    CDwmAttributes& operator=(const CDwmAttributes&) = delete;

    // E_NOTIMPL where there is no such function.
    virtual HRESULT SetBool(HWND window, DWORD attribute, BOOL value);

private:
    CModule m_dwmapi;
};

// The attribute that asks for a dark title bar on this build:
// DWMWA_USE_IMMERSIVE_DARK_MODE is 20 from Windows 10 2004 (build 19041), 19
// on builds 17763 to 19040; 0 (none) before.
DWORD DarkTitleBarAttribute(DWORD build);

// Gives the window's title bar the app mode `look` tells; nothing on systems
// without the attribute.
void ShowAppModeTitleBar(HWND window, const CSystemLook& look, CDwmAttributes& dwm);
