#include "app/outputs/BitmapFileWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/outputs/BmpFile.h"
#include "framework/WholeFile.h"

namespace {

// The header with room for what GetDIBits may add after it: three colour
// masks for bit-field formats, or a palette of up to 256 entries.
struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

}  // namespace

bool WriteBitmapFile(HDC dc, HBITMAP bitmap, const std::string& path) {
    DibInfo info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biBitCount = 0;  // ask for the bitmap's own format
    BITMAPINFO* bmi = reinterpret_cast<BITMAPINFO*>(&info);
    if (!::GetDIBits(dc, bitmap, 0, 0, nullptr, bmi, DIB_RGB_COLORS)) return false;

    if (info.header.biBitCount <= 8) info.header.biBitCount = 24;
    info.header.biCompression = BI_RGB;
    const int32_t width = info.header.biWidth;
    const int32_t height = std::abs(info.header.biHeight);
    info.header.biHeight = height;  // rows from the bottom up
    // The file's size fields are 32 bits wide; the buffer below holds 5 more.
    uint32_t imageSize = 0;
    if (!BmpImageSize(width, height, info.header.biBitCount, &imageSize) ||
        imageSize > UINT32_MAX - kBmpHeadersSize - 5)
        return false;
    info.header.biSizeImage = imageSize;

    // Headers and pixels in one buffer, written in one go; GetDIBits may
    // write a little past the image, hence the spare bytes.
    std::string file(kBmpHeadersSize + info.header.biSizeImage + 5, '\0');
    auto* pixels = reinterpret_cast<uint8_t*>(&file[kBmpHeadersSize]);
    if (!::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels, bmi, DIB_RGB_COLORS)) return false;
    ClearUnusedPixelBytes(pixels, info.header.biSizeImage, info.header.biBitCount);
    const auto headers = BmpHeaders(width, height, info.header.biBitCount, info.header.biSizeImage);
    file.replace(0, headers.size(), reinterpret_cast<const char*>(headers.data()), headers.size());
    file.resize(kBmpHeadersSize + info.header.biSizeImage);
    return WriteWholeFile(path, file);
}
