#include "app/outputs/BmpFile.h"

namespace {

void Put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

uint32_t BmpRowBytes(int32_t width, uint16_t bitsPerPixel) {
    const uint64_t bits = static_cast<uint64_t>(width < 0 ? -static_cast<int64_t>(width) : width) * bitsPerPixel;
    const uint64_t bytes = (bits + 31) / 32 * 4;
    return bytes > UINT32_MAX - kBmpHeadersSize ? 0 : static_cast<uint32_t>(bytes);
}

bool BmpImageSize(int32_t width, int32_t height, uint16_t bitsPerPixel, uint32_t* imageSize) {
    const uint64_t row = BmpRowBytes(width, bitsPerPixel);
    if (row == 0 && width != 0 && bitsPerPixel != 0) return false;
    const uint64_t rows = static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
    const uint64_t size = row * rows;  // both below 2^32: no overflow
    if (size > UINT32_MAX - kBmpHeadersSize) return false;
    *imageSize = static_cast<uint32_t>(size);
    return true;
}

void ClearUnusedPixelBytes(uint8_t* pixels, uint32_t size, uint16_t bitsPerPixel) {
    if (bitsPerPixel != 32) return;
    for (uint32_t i = 3; i < size; i += 4) pixels[i] = 0;
}

std::array<uint8_t, kBmpHeadersSize> BmpHeaders(int32_t width, int32_t height, uint16_t bitsPerPixel,
                                                uint32_t imageSize) {
    std::array<uint8_t, kBmpHeadersSize> h{};
    uint8_t* p = h.data();
    p[0] = 'B';
    p[1] = 'M';
    Put32(p + 2, kBmpHeadersSize + imageSize);
    Put32(p + 10, kBmpHeadersSize);
    Put32(p + 14, 40);
    Put32(p + 18, static_cast<uint32_t>(width));
    Put32(p + 22, static_cast<uint32_t>(height));
    Put16(p + 26, 1);
    Put16(p + 28, bitsPerPixel);
    Put32(p + 30, 0);  // uncompressed
    Put32(p + 34, imageSize);
    // Resolution and colour counts stay 0.
    return h;
}
