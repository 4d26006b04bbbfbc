#include "controls/BitmapDC.h"

#include "display/PackedArt.h"

BOOL CBitmapDC::Load(int resourceId, HDC dc)
{
    Release();
    m_bitmap.Attach(LoadPackedBitmap(resourceId));
    if (!m_bitmap || !dc)
        return FALSE;
    if (!CreateCompatibleDC(dc))
        return FALSE;

    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.Get());
    m_nResourceId = resourceId;
    m_bLoaded = TRUE;
    m_nWidth = 0;
    m_nHeight = 0;
    BITMAP info{};
    if (::GetObjectA(m_bitmap.Get(), sizeof info, &info)) {
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
    m_bitmap.Close();
    m_bLoaded = FALSE;
    m_nWidth = 0;
    m_nHeight = 0;
}
