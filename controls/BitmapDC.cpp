#include "controls/BitmapDC.h"

#include "display/PackedArt.h"

BOOL CBitmapDC::Load(int resourceId, HDC dc)
{
    Release();
    m_hBitmap = LoadPackedBitmap(resourceId);
    if (!m_hBitmap || !dc)
        return FALSE;
    if (!CreateCompatibleDC(dc))
        return FALSE;

    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    m_nResourceId = resourceId;
    m_bLoaded = TRUE;
    m_nWidth = 0;
    m_nHeight = 0;
    BITMAP info{};
    if (::GetObjectA(m_hBitmap, sizeof info, &info)) {
        m_nWidth = info.bmWidth;
        m_nHeight = info.bmHeight;
    }
    return TRUE;
}

void CBitmapDC::Release()
{
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    m_hOldBitmap = nullptr;
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_bLoaded = FALSE;
    m_nWidth = 0;
    m_nHeight = 0;
}
