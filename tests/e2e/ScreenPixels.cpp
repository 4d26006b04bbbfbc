#include "e2e/ScreenPixels.h"

ScreenPixels::ScreenPixels(const RECT& area) : m_area(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, dib);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const auto* bgra = static_cast<const unsigned char*>(bits);
    m_pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < m_pixels.size(); ++i)
        m_pixels[i] = RGB(bgra[i * 4 + 2], bgra[i * 4 + 1], bgra[i * 4]);
    ::SelectObject(memory, old);
    ::DeleteObject(dib);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

COLORREF ScreenPixels::At(int x, int y) const {
    const int width = m_area.right - m_area.left;
    if (x < m_area.left || y < m_area.top || x >= m_area.right || y >= m_area.bottom) return CLR_INVALID;
    return m_pixels[static_cast<size_t>(y - m_area.top) * width + (x - m_area.left)];
}

int ScreenPixels::Count(COLORREF colour) const {
    int n = 0;
    for (COLORREF c : m_pixels)
        if (c == colour) ++n;
    return n;
}

RECT ControlScreenRect(HWND dialog, int id) {
    RECT rc{};
    ::GetWindowRect(::GetDlgItem(dialog, id), &rc);
    return rc;
}
