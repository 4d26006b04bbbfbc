#include "e2e/ArtBitmap.h"

#include <fstream>
#include <iterator>

#include "display/DisplayScale.h"
#include "e2e/TallvoxProcess.h"

ArtBitmap ReadBmp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ArtBitmap bmp;
    if (d.size() < 54) return bmp;
    auto u32 = [&](size_t o) { return d[o] | d[o + 1] << 8 | d[o + 2] << 16 | static_cast<unsigned>(d[o + 3]) << 24; };
    const size_t offset = u32(10);
    bmp.width = static_cast<int>(u32(18));
    bmp.height = static_cast<int>(u32(22));
    const size_t stride = (static_cast<size_t>(bmp.width) * 3 + 3) & ~static_cast<size_t>(3);
    if (d.size() < offset + stride * bmp.height) return ArtBitmap();
    bmp.pixels.resize(static_cast<size_t>(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x) {
            const size_t p = offset + (bmp.height - 1 - y) * stride + x * 3;
            bmp.pixels[static_cast<size_t>(y) * bmp.width + x] = RGB(d[p + 2], d[p + 1], d[p]);
        }
    return bmp;
}

ArtBitmap ReadArt(const std::string& name) { return ReadBmp(TallvoxProcess::ArtFolder() + "\\" + name); }

ArtBitmap ReadArtForSession(const std::string& name) {
    const int percent = NearestArtScale(TallvoxProcess::SessionDpi());
    if (percent == 100) return ReadArt(name);
    const size_t dot = name.rfind('.');
    return ReadArt(name.substr(0, dot) + "_" + std::to_string(percent) + name.substr(dot));
}
