// The screenshot file's layout for any width, height and depth: a picture is
// either refused or gets padded rows that hold its pixels and headers whose
// size fields agree with one another.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/outputs/BmpFile.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

uint32_t Read32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 10) return 0;
    int32_t width, height;
    uint16_t bits;
    std::memcpy(&width, data, 4);
    std::memcpy(&height, data + 4, 4);
    std::memcpy(&bits, data + 8, 2);

    uint32_t image = 0;
    if (!BmpImageSize(width, height, bits, &image)) return 0;
    FUZZ_CHECK(image <= UINT32_MAX - kBmpHeadersSize);

    const uint64_t absWidth = width < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(width)) : width;
    const uint64_t absHeight = height < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(height)) : height;
    const uint32_t row = BmpRowBytes(width, bits);
    FUZZ_CHECK(row % 4 == 0);
    FUZZ_CHECK(static_cast<uint64_t>(row) * 8 >= absWidth * bits);          // every pixel fits
    FUZZ_CHECK(static_cast<uint64_t>(row) * 8 < absWidth * bits + 32 + 1);  // at most 3 padding bytes
    FUZZ_CHECK(static_cast<uint64_t>(row) * absHeight == image);

    const auto headers = BmpHeaders(width, height, bits, image);
    FUZZ_CHECK(headers[0] == 'B' && headers[1] == 'M');
    FUZZ_CHECK(Read32(&headers[2]) == kBmpHeadersSize + image);
    FUZZ_CHECK(Read32(&headers[34]) == image);

    // The pixels after the layout fields, cleared in place within their bounds.
    std::vector<uint8_t> pixels(data + 10, data + size);
    ClearUnusedPixelBytes(pixels.data(), static_cast<uint32_t>(pixels.size()), bits);
    if (bits == 32)
        for (size_t i = 3; i < pixels.size(); i += 4) FUZZ_CHECK(pixels[i] == 0);
    return 0;
}
