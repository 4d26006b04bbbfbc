#include "ui/RowFill.h"

#include "framework/Gdi.h"

void FillRowByRow(HDC dc, HPEN pen, const RECT& area) {
    CSelectObject selected(dc, pen);
    for (int y = area.top; y < area.bottom; ++y) {
        ::MoveToEx(dc, area.left, y, nullptr);
        ::LineTo(dc, area.right, y);
    }
}
