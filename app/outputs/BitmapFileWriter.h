// Writes a bitmap of the screen as an uncompressed BMP file.
#pragma once
#include <windows.h>

#include <string>

// The pixels are read through `dc` in the bitmap's own depth (24 bits for
// palette depths, which this file layout has no colour table for). True when
// the whole file was written.
bool WriteBitmapFile(HDC dc, HBITMAP bitmap, const std::string& path);
