// Window opacity through SetLayeredWindowAttributes, looked up at run time
// so the program still starts on systems without layered windows.
#pragma once
#include <windows.h>

#include "framework/Handles.h"

class CLayeredWindow {
public:
    CLayeredWindow();
    ~CLayeredWindow();
    CLayeredWindow(const CLayeredWindow&) = delete;
    CLayeredWindow& operator=(const CLayeredWindow&) = delete;

    // Adds WS_EX_LAYERED to the window's extended style.
    void AddLayeredStyle(HWND window);
    // TRUE without doing anything when USER32.dll could not be loaded; FALSE
    // when the function is missing; otherwise the function's own result.
    BOOL SetLayeredAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags);
    // Percentage held to 0..100 (see OpacityAlpha).
    BOOL SetOpacity(HWND window, int percentage);

private:
    CModule m_user32;
};
