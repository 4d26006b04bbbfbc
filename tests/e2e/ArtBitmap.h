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
// The same picture as drawn for the art scale the program picks at this
// run's display DPI: "face_1066.bmp" at 144 DPI reads face_1066_150.bmp.
ArtBitmap ReadArtForSession(const std::string& name);
