// Uncompressed 24-bit Windows bitmaps (BITMAPFILEHEADER + BITMAPINFOHEADER,
// bottom-up rows padded to 4 bytes), the format the resource compiler takes
// for BITMAP resources.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/art/Image.h"

namespace art {

// The complete file image. Every field is written byte by byte in
// little-endian order, so the result does not depend on the host.
std::vector<uint8_t> EncodeBmp24(const RgbImage& image);

// Writes EncodeBmp24(image) to path; false when the file cannot be written.
bool WriteBmp24(const std::string& path, const RgbImage& image);

// Reads back a 24-bit uncompressed bitmap (bottom-up or top-down). False for
// anything else or for a truncated file.
bool DecodeBmp24(const std::vector<uint8_t>& bytes, RgbImage& image);

// Shared by the writers: whole-file output in binary mode.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace art
