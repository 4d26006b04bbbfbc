// The committed artwork (24-bit BMP files), to compare the screen with.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ArtBitmap {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // top-down
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Reads a 24-bit bottom-up BMP; an empty bitmap when the file is unreadable.
ArtBitmap ReadBmp(const std::string& path);
// A file of the committed artwork folder, e.g. "face_1066.bmp".
ArtBitmap ReadArt(const std::string& name);
