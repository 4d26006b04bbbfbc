// A window's device context held across calls: the whole window's
// (GetWindowDC) or the client area's (GetDC), given back with ReleaseDC.
#pragma once
#include <windows.h>

class CWindowDC {
public:
    CWindowDC() = default;
    ~CWindowDC() { Release(); }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

    HDC Acquire(HWND window, bool wholeWindow) {
        Release();
        m_hWnd = window;
        m_hDC = wholeWindow ? ::GetWindowDC(window) : ::GetDC(window);
        return m_hDC;
    }
    void Release() {
        if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
        m_hDC = nullptr;
        m_hWnd = nullptr;
    }
    HDC GetSafeHdc() const { return m_hDC; }

private:
    HWND m_hWnd = nullptr;
    HDC m_hDC = nullptr;
};
