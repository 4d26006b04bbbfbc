#include "controls/DibSurface.h"

bool DibSurface::Create(int width, int height, HDC reference)
{
    Destroy();
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first in memory
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    void* bits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_dc.Attach(::CreateCompatibleDC(reference));
    if (!m_bitmap || !bits || !m_dc) {
        Destroy();
        return false;
    }
    m_oldBitmap = ::SelectObject(m_dc.Get(), m_bitmap.Get());
    m_bits = static_cast<uint32_t*>(bits);
    m_width = width;
    m_height = height;
    return true;
}

void DibSurface::Destroy()
{
    if (m_dc && m_oldBitmap)
        ::SelectObject(m_dc.Get(), m_oldBitmap);
    m_oldBitmap = nullptr;
    m_bitmap.Close();
    m_dc.Close();
    m_bits = nullptr;
    m_width = 0;
    m_height = 0;
}

void DibSurface::Fill(Colorref c)
{
    Flush();
    const uint32_t v = Swap(c);
    const std::size_t count = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
    for (std::size_t i = 0; i < count; ++i)
        m_bits[i] = v;
}
