// Paints a rectangle one horizontal line per pixel row with the given pen:
// the program's way of painting a window's background in a solid colour.
#pragma once
#include <windows.h>

void FillRowByRow(HDC dc, HPEN pen, const RECT& area);
