// The layout of an uncompressed bottom-up Windows bitmap file: a 14-byte file
// header, a 40-byte information header, then the pixel rows, no colour table.
#pragma once
#include <array>
#include <cstdint>

constexpr uint32_t kBmpHeadersSize = 14 + 40;

// Bytes of one pixel row, padded to a multiple of 4; 0 when a row of that
// width and depth would not fit the file's 32-bit size fields.
uint32_t BmpRowBytes(int32_t width, uint16_t bitsPerPixel);

// Bytes of all pixel rows. False when the picture, with its headers, would not
// fit the file's 32-bit size fields (the caller then writes nothing).
bool BmpImageSize(int32_t width, int32_t height, uint16_t bitsPerPixel, uint32_t* imageSize);

// At 32 bits per pixel the fourth byte of each pixel is unused; drawing
// leaves stray values there, which some viewers take for transparency.
// Clears it so the picture shows as captured.
void ClearUnusedPixelBytes(uint8_t* pixels, uint32_t size, uint16_t bitsPerPixel);

// The two headers for rows stored from the bottom up (positive height).
std::array<uint8_t, kBmpHeadersSize> BmpHeaders(int32_t width, int32_t height, uint16_t bitsPerPixel,
                                                uint32_t imageSize);
