// CBitmapDC: a memory device context owning one bitmap loaded from the
// program's resources. The clock keeps its face, date window and composed
// picture in these.
#pragma once
#include <windows.h>

#include "framework/Gdi.h"

class CBitmapDC : public CDC {
public:
    CBitmapDC() = default;
    // The bitmap goes first, then the CDC base deletes the DC.
    ~CBitmapDC() override { Release(); }

    // Loads bitmap resource id and selects it into a new memory DC
    // compatible with dc. FALSE when the bitmap or the DC is missing.
    BOOL Load(int resourceId, HDC dc);
    // Deletes the bitmap (the size reads 0 again); the DC stays until the
    // next Load or the destructor.
    void Release();

    HBITMAP GetBitmap() const { return m_bitmap.Get(); }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    BOOL IsLoaded() const { return m_bLoaded; }
    int GetResourceId() const { return m_nResourceId; }

private:
    CBitmap m_bitmap;
    int m_nWidth = 0;
    int m_nHeight = 0;
    BOOL m_bLoaded = FALSE;
    HGDIOBJ m_hOldBitmap = nullptr;
    int m_nResourceId = 0;
};
