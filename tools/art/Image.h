// Plain pixel buffers handed from the drawing code to the file writers.
#pragma once
#include <cstdint>
#include <vector>

namespace art {

// 8-bit RGB pixels, rows from top to bottom, 3 bytes per pixel (R, G, B).
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

// 8-bit RGBA pixels with straight (non-premultiplied) alpha, rows from top to
// bottom, 4 bytes per pixel (R, G, B, A).
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

} // namespace art
