#include "tools/art/IcoWriter.h"

#include "tools/art/BmpWriter.h"

namespace art {

namespace {

const uint32_t kDirHeaderSize = 6;
const uint32_t kDirEntrySize = 16;
const uint32_t kInfoHeaderSize = 40;

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

uint32_t MaskStride(int width)
{
    return ((static_cast<uint32_t>(width) + 31) / 32) * 4;
}

uint32_t ImageBytes(const RgbaImage& image)
{
    const uint32_t h = static_cast<uint32_t>(image.height);
    const uint32_t colour = static_cast<uint32_t>(image.width) * 4 * h;
    return kInfoHeaderSize + colour + MaskStride(image.width) * h;
}

void AppendImage(std::vector<uint8_t>& out, const RgbaImage& image)
{
    const uint32_t w = static_cast<uint32_t>(image.width);
    const uint32_t h = static_cast<uint32_t>(image.height);
    const uint32_t maskStride = MaskStride(image.width);

    Put32(out, kInfoHeaderSize);         // biSize
    Put32(out, w);                       // biWidth
    Put32(out, h * 2);                   // biHeight: colour rows + mask rows
    Put16(out, 1);                       // biPlanes
    Put16(out, 32);                      // biBitCount
    Put32(out, 0);                       // biCompression = BI_RGB
    Put32(out, ImageBytes(image) - kInfoHeaderSize); // biSizeImage
    Put32(out, 0);                       // biXPelsPerMeter
    Put32(out, 0);                       // biYPelsPerMeter
    Put32(out, 0);                       // biClrUsed
    Put32(out, 0);                       // biClrImportant

    // Colour rows, bottom-up, BGRA.
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = &image.rgba[static_cast<size_t>(y) * w * 4];
        for (uint32_t x = 0; x < w; ++x) {
            const uint8_t* p = row + x * 4;
            if (p[3] == 0) {
                Put32(out, 0);
            } else {
                out.push_back(p[2]);
                out.push_back(p[1]);
                out.push_back(p[0]);
                out.push_back(p[3]);
            }
        }
    }

    // AND mask rows, bottom-up, most significant bit first; 1 = transparent.
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = &image.rgba[static_cast<size_t>(y) * w * 4];
        std::vector<uint8_t> bits(maskStride, 0);
        for (uint32_t x = 0; x < w; ++x) {
            if (row[x * 4 + 3] == 0)
                bits[x / 8] = static_cast<uint8_t>(bits[x / 8] | (0x80u >> (x % 8)));
        }
        out.insert(out.end(), bits.begin(), bits.end());
    }
}

} // namespace

std::vector<uint8_t> EncodeIco(const std::vector<RgbaImage>& images)
{
    std::vector<uint8_t> out;
    const uint32_t count = static_cast<uint32_t>(images.size());

    // ICONDIR
    Put16(out, 0);     // reserved
    Put16(out, 1);     // type: icon
    Put16(out, count); // image count

    // ICONDIRENTRY per image
    uint32_t offset = kDirHeaderSize + kDirEntrySize * count;
    for (const RgbaImage& image : images) {
        out.push_back(static_cast<uint8_t>(image.width >= 256 ? 0 : image.width));
        out.push_back(static_cast<uint8_t>(image.height >= 256 ? 0 : image.height));
        out.push_back(0);  // colour count: none (true colour)
        out.push_back(0);  // reserved
        Put16(out, 1);     // planes
        Put16(out, 32);    // bits per pixel
        Put32(out, ImageBytes(image));
        Put32(out, offset);
        offset += ImageBytes(image);
    }

    for (const RgbaImage& image : images)
        AppendImage(out, image);
    return out;
}

bool WriteIco(const std::string& path, const std::vector<RgbaImage>& images)
{
    return WriteFileBytes(path, EncodeIco(images));
}

} // namespace art
