// Reads what is on the screen now, for checks of colours that a window shows.
#pragma once
#include <windows.h>

#include <vector>

class ScreenPixels {
public:
    // Captures the screen rectangle `area` (screen coordinates).
    explicit ScreenPixels(const RECT& area);
    COLORREF At(int screenX, int screenY) const;
    // How many captured pixels have exactly this colour.
    int Count(COLORREF colour) const;

private:
    RECT m_area;
    std::vector<COLORREF> m_pixels;
};

// A control's rectangle in screen coordinates.
RECT ControlScreenRect(HWND dialog, int id);
