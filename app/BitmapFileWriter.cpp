#include "app/BitmapFileWriter.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/BmpFile.h"

namespace {

// The header with room for what GetDIBits may add after it: three colour
// masks for bit-field formats, or a palette of up to 256 entries.
struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

}  // namespace

bool WriteBitmapFile(HDC dc, HBITMAP bitmap, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;

    DibInfo info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biBitCount = 0;  // ask for the bitmap's own format
    BITMAPINFO* bmi = reinterpret_cast<BITMAPINFO*>(&info);
    bool ok = ::GetDIBits(dc, bitmap, 0, 0, nullptr, bmi, DIB_RGB_COLORS) != 0;
    if (ok) {
        if (info.header.biBitCount <= 8) info.header.biBitCount = 24;
        info.header.biCompression = BI_RGB;
        const int32_t width = info.header.biWidth;
        const int32_t height = std::abs(info.header.biHeight);
        info.header.biHeight = height;  // rows from the bottom up
        info.header.biSizeImage = BmpRowBytes(width, info.header.biBitCount) * static_cast<uint32_t>(height);

        std::vector<uint8_t> pixels(info.header.biSizeImage + 5);
        ok = ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), bmi, DIB_RGB_COLORS) != 0;
        if (ok) {
            ClearUnusedPixelBytes(pixels.data(), info.header.biSizeImage, info.header.biBitCount);
            const auto headers = BmpHeaders(width, height, info.header.biBitCount, info.header.biSizeImage);
            ok = std::fwrite(headers.data(), 1, headers.size(), file) == headers.size() &&
                 std::fwrite(pixels.data(), 1, info.header.biSizeImage, file) == info.header.biSizeImage;
        }
    }
    // A file that could not be closed cleanly did not reach the disk whole.
    return std::fclose(file) == 0 && ok;
}
