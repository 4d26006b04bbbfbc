#include "app/shell/LayeredWindow.h"

#include "app/shell/OpacityMath.h"
#include "framework/SystemFolder.h"

namespace {
typedef BOOL(WINAPI* SetLayeredWindowAttributesFn)(HWND, COLORREF, BYTE, DWORD);
}

CLayeredWindow::CLayeredWindow() : m_user32(LoadSystemLibrary("USER32.dll")) {}

CLayeredWindow::~CLayeredWindow() = default;

void CLayeredWindow::AddLayeredStyle(HWND window)
{
    const LONG style = ::GetWindowLongA(window, GWL_EXSTYLE);
    ::SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
}

BOOL CLayeredWindow::SetLayeredAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags)
{
    if (!m_user32) return TRUE;
    const auto setAttributes =
        ProcAddress<SetLayeredWindowAttributesFn>(m_user32.Get(), "SetLayeredWindowAttributes");
    return setAttributes ? setAttributes(window, key, alpha, flags) : FALSE;
}

BOOL CLayeredWindow::SetOpacity(HWND window, int percentage)
{
    return SetLayeredAttributes(window, 0, static_cast<BYTE>(OpacityAlpha(percentage)), LWA_ALPHA);
}
