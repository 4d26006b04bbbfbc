#include "app/shell/LayeredWindow.h"

#include "app/shell/OpacityMath.h"
#include "framework/SystemFolder.h"

namespace {
typedef BOOL(WINAPI* SetLayeredWindowAttributesFn)(HWND, COLORREF, BYTE, DWORD);
}

CLayeredWindow::CLayeredWindow() : m_hUser32(LoadSystemLibrary("USER32.dll")) {}

CLayeredWindow::~CLayeredWindow()
{
    if (m_hUser32) ::FreeLibrary(m_hUser32);
}

void CLayeredWindow::AddLayeredStyle(HWND window)
{
    const LONG style = ::GetWindowLongA(window, GWL_EXSTYLE);
    ::SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
}

BOOL CLayeredWindow::SetLayeredAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags)
{
    if (!m_hUser32) return TRUE;
    const FARPROC proc = ::GetProcAddress(m_hUser32, "SetLayeredWindowAttributes");
    if (!proc) return FALSE;
    // Through a plain function pointer type: FARPROC's own signature is unrelated.
    const auto setAttributes =
        reinterpret_cast<SetLayeredWindowAttributesFn>(reinterpret_cast<void (*)()>(proc));
    return setAttributes(window, key, alpha, flags);
}

BOOL CLayeredWindow::SetOpacity(HWND window, int percentage)
{
    return SetLayeredAttributes(window, 0, static_cast<BYTE>(OpacityAlpha(percentage)), LWA_ALPHA);
}
