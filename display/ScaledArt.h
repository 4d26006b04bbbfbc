// The program's pictures and icons at the art scale nearest a window's DPI
// (display/DisplayScale.h): drawn for that scale, never stretched.
#pragma once
#include <windows.h>

// A private copy of icon resource `id`, `size` pixels square at 96 DPI and
// the art scale's multiple of that at `dpi`; the caller destroys it. Null
// when the resource is missing.
HICON LoadScaledIcon(int id, int size, int dpi);

// The pixel size LoadScaledIcon gives an icon of `size` at `dpi`.
int ScaledIconSize(int size, int dpi);

// Bitmap resource `id` at the art scale nearest `dpi`, as a device-dependent
// bitmap the caller deletes; null when it is missing.
HBITMAP LoadScaledBitmap(int id, int dpi);

// The resource id of a picture or icon at the art scale nearest `dpi`.
int ScaledArtIdForDpi(int id, int dpi);
