// CDoubleBufferDC: an off-screen copy of part of a target device context.
// Drawing goes to a bitmap the size of that part, at the same logical
// coordinates as on the target, and the destructor copies the picture onto
// the target in one blit, so the target never shows a half-drawn state. A
// printer context is drawn on directly.
#pragma once
#include <windows.h>

#include "framework/Gdi.h"

class CDoubleBufferDC : public CDC {
public:
    // rect is in the target's logical units; without one the target's clip
    // box is used. The area starts filled with the target's background colour.
    explicit CDoubleBufferDC(HDC target, const RECT* rect = nullptr);
    // Copies the picture to the target, then lets go of bitmap and context.
    ~CDoubleBufferDC() override;

    // The area drawn, in logical units.
    const RECT& GetRect() const { return m_rect; }
    // FALSE when drawing goes straight to the target.
    BOOL IsOffScreen() const { return m_bMemDC; }

private:
    bool CreateOffScreen();

    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    CDCHandle m_target;
    RECT m_rect{};
    BOOL m_bMemDC = FALSE;
};
