#include "controls/DoubleBufferDC.h"

CDoubleBufferDC::CDoubleBufferDC(HDC target, const RECT* rect) : m_target(target)
{
    m_rect = rect ? *rect : m_target.GetClipBox();
    // A printer has no screen to flicker on.
    m_bMemDC = ::GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER;
    // Without the memory for a bitmap the picture still gets drawn, directly.
    if (m_bMemDC && !CreateOffScreen())
        m_bMemDC = FALSE;
    if (!m_bMemDC)
        m_hDC = target;
    FillSolidRect(m_rect, ::GetBkColor(target));
}

bool CDoubleBufferDC::CreateOffScreen()
{
    const HDC target = m_target;
    if (!CreateCompatibleDC(target))
        return false;
    RECT device = m_rect;
    ::LPtoDP(target, reinterpret_cast<POINT*>(&device), 2);
    if (!m_bitmap.CreateCompatibleBitmap(target, device.right - device.left, device.bottom - device.top)) {
        DeleteDC();
        return false;
    }
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.Get());

    // The same mapping as the target, with the area's corner at the bitmap's
    // origin, so callers draw in the target's logical coordinates.
    ::SetMapMode(m_hDC, ::GetMapMode(target));
    SIZE extent{};
    ::GetWindowExtEx(target, &extent);
    ::SetWindowExtEx(m_hDC, extent.cx, extent.cy, nullptr);
    ::GetViewportExtEx(target, &extent);
    ::SetViewportExtEx(m_hDC, extent.cx, extent.cy, nullptr);
    ::DPtoLP(target, reinterpret_cast<POINT*>(&device), 2);
    m_rect = device;
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
    return true;
}

CDoubleBufferDC::~CDoubleBufferDC()
{
    if (m_bMemDC) {
        m_target.BitBlt(m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_hDC,
                        m_rect.left, m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_hOldBitmap);
    } else {
        m_hDC = nullptr;  // the target's own context: not ours to delete
    }
    m_bitmap.DeleteObject();
    DeleteDC();
}
