#include "tools/art/BmpWriter.h"

#include <fstream>

namespace art {

namespace {

const uint32_t kFileHeaderSize = 14;
const uint32_t kInfoHeaderSize = 40;
const int32_t kPixelsPerMetre = 2835; // 72 dpi

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, (v >> 16) & 0xFFFF);
}

uint32_t Get16(const std::vector<uint8_t>& in, size_t at)
{
    return static_cast<uint32_t>(in[at]) | (static_cast<uint32_t>(in[at + 1]) << 8);
}

uint32_t Get32(const std::vector<uint8_t>& in, size_t at)
{
    return Get16(in, at) | (Get16(in, at + 2) << 16);
}

uint32_t RowStride(int width)
{
    return (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
}

} // namespace

std::vector<uint8_t> EncodeBmp24(const RgbImage& image)
{
    const uint32_t stride = RowStride(image.width);
    const uint32_t pixelBytes = stride * static_cast<uint32_t>(image.height);
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<uint8_t> out;
    out.reserve(offset + pixelBytes);

    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + pixelBytes); // bfSize
    Put16(out, 0);                   // bfReserved1
    Put16(out, 0);                   // bfReserved2
    Put32(out, offset);              // bfOffBits

    // BITMAPINFOHEADER
    Put32(out, kInfoHeaderSize);                         // biSize
    Put32(out, static_cast<uint32_t>(image.width));      // biWidth
    Put32(out, static_cast<uint32_t>(image.height));     // biHeight (> 0: bottom-up)
    Put16(out, 1);                                       // biPlanes
    Put16(out, 24);                                      // biBitCount
    Put32(out, 0);                                       // biCompression = BI_RGB
    Put32(out, pixelBytes);                              // biSizeImage
    Put32(out, static_cast<uint32_t>(kPixelsPerMetre));  // biXPelsPerMeter
    Put32(out, static_cast<uint32_t>(kPixelsPerMetre));  // biYPelsPerMeter
    Put32(out, 0);                                       // biClrUsed
    Put32(out, 0);                                       // biClrImportant

    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = &image.rgb[static_cast<size_t>(y) * image.width * 3];
        for (int x = 0; x < image.width; ++x) {
            out.push_back(row[x * 3 + 2]); // B
            out.push_back(row[x * 3 + 1]); // G
            out.push_back(row[x * 3 + 0]); // R
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

bool WriteBmp24(const std::string& path, const RgbImage& image)
{
    return WriteFileBytes(path, EncodeBmp24(image));
}

bool DecodeBmp24(const std::vector<uint8_t>& bytes, RgbImage& image)
{
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize)
        return false;
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const uint32_t offset = Get32(bytes, 10);
    const uint32_t infoSize = Get32(bytes, 14);
    const int32_t width = static_cast<int32_t>(Get32(bytes, 18));
    const int32_t rawHeight = static_cast<int32_t>(Get32(bytes, 22));
    const uint32_t planes = Get16(bytes, 26);
    const uint32_t bitCount = Get16(bytes, 28);
    const uint32_t compression = Get32(bytes, 30);
    if (infoSize < kInfoHeaderSize || planes != 1 || bitCount != 24 || compression != 0)
        return false;
    if (width <= 0 || rawHeight == 0 || width > 0x4000 || rawHeight > 0x4000 || rawHeight < -0x4000)
        return false;

    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const uint32_t stride = RowStride(width);
    if (offset > bytes.size() || bytes.size() - offset < static_cast<size_t>(stride) * height)
        return false;

    image.width = width;
    image.height = height;
    image.rgb.assign(static_cast<size_t>(width) * height * 3, 0);
    for (int row = 0; row < height; ++row) {
        const int y = bottomUp ? height - 1 - row : row;
        const size_t src = offset + static_cast<size_t>(row) * stride;
        uint8_t* dst = &image.rgb[static_cast<size_t>(y) * width * 3];
        for (int x = 0; x < width; ++x) {
            dst[x * 3 + 0] = bytes[src + x * 3 + 2];
            dst[x * 3 + 1] = bytes[src + x * 3 + 1];
            dst[x * 3 + 2] = bytes[src + x * 3 + 0];
        }
    }
    return true;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    if (!bytes.empty())
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

} // namespace art
