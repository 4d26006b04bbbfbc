// The antialiased line on the two Windows surfaces the clock can draw on: a
// device context (one GetPixel/SetPixel call per pixel) and a DIB section
// (direct memory access). Both must match the pixel buffer exactly.
#include <windows.h>

#include <memory>

#include "controls/DibSurface.h"
#include "framework/Gdi.h"
#include "tests/support/DcSurface.h"
#include "tests/core/controls/AntialiasedLineCases.h"

namespace {

// A DcSurface over a memory DC holding a screen-compatible bitmap, as the
// classic paint path would use.
class MemoryDcSurface : public DcSurface {
public:
    MemoryDcSurface(int width, int height, Colorref fill)
    {
        CClientDC screen(nullptr);
        m_memory.CreateCompatibleDC(screen);
        m_bitmap.CreateCompatibleBitmap(screen, width, height);
        m_select = std::make_unique<CSelectObject>(m_memory, m_bitmap.Get());
        m_dc = m_memory;
        RECT all{0, 0, width, height};
        CBrush brush(fill);
        ::FillRect(m_dc, &all, brush.Get());
    }

private:
    // Destroyed bottom up: the selection is undone before the bitmap and DC go.
    CDC m_memory;
    CBitmap m_bitmap;
    std::unique_ptr<CSelectObject> m_select;
};

} // namespace

template <>
struct SurfaceTraits<MemoryDcSurface> {
    static std::unique_ptr<MemoryDcSurface> Make(int width, int height, Colorref fill)
    {
        return std::make_unique<MemoryDcSurface>(width, height, fill);
    }
};

template <>
struct SurfaceTraits<DibSurface> {
    static std::unique_ptr<DibSurface> Make(int width, int height, Colorref fill)
    {
        auto surface = std::make_unique<DibSurface>();
        if (surface->Create(width, height))
            surface->Fill(fill);
        return surface;
    }
};

using WinSurfaces = ::testing::Types<MemoryDcSurface, DibSurface>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win, AntialiasedLineTest, WinSurfaces);
