// A drawing surface for DrawAntialiasedLine over a device context it does not
// own: every pixel is one GetPixel or SetPixel call on the DC. The tests draw
// the same lines through it and through a DibSurface.
#pragma once
#include <windows.h>

#include "controls/Colorref.h"

class DcSurface {
public:
    explicit DcSurface(HDC dc = nullptr) : m_dc(dc) {}

    HDC GetSafeHdc() const { return m_dc; }

    // Off-surface reads give CLR_INVALID and off-surface writes are dropped,
    // as GDI does.
    Colorref GetPixel(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    void SetPixel(int x, int y, Colorref c) { ::SetPixel(m_dc, x, y, c); }

protected:
    HDC m_dc;
};
