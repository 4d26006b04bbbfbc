// Multi-image .ico files: one 32-bit BGRA DIB per size, each with a
// BITMAPINFOHEADER whose height counts the colour rows and the 1-bit AND
// mask together, the layout the resource compiler and the shell expect.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/art/Image.h"

namespace art {

// The complete file image, directory entries in the order of `images`.
// Sizes from 1 to 256 pixels; 256 is stored as 0 in the directory as usual.
// A pixel with alpha 0 is written as black with its mask bit set.
std::vector<uint8_t> EncodeIco(const std::vector<RgbaImage>& images);

// Writes EncodeIco(images) to path; false when the file cannot be written.
bool WriteIco(const std::string& path, const std::vector<RgbaImage>& images);

} // namespace art
