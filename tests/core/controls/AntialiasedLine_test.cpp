#include <memory>

#include "tests/support/PixelBuffer.h"
#include "tests/core/controls/AntialiasedLineCases.h"

template <>
struct SurfaceTraits<PixelBuffer> {
    static std::unique_ptr<PixelBuffer> Make(int width, int height, Colorref fill)
    {
        return std::make_unique<PixelBuffer>(width, height, fill);
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(PixelBuffer, AntialiasedLineTest, ::testing::Types<PixelBuffer>);
