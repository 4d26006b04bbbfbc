// The GDI owners: a selection undone, objects deleted with their owner or
// when made again; moves are UniqueHandle's.
#include "framework/Gdi.h"

#include <gtest/gtest.h>

TEST(GdiWrappers, SelectionIsRestoredAndObjectsGoWithTheirOwner) {
    CBrush second(RGB(1, 2, 3));
    HBRUSH handle = second.Get();
    ASSERT_NE(nullptr, handle);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const HGDIOBJ original = ::GetCurrentObject(dc, OBJ_BRUSH);
    {
        CSelectObject selected(dc, second.Get());
        EXPECT_EQ(handle, ::GetCurrentObject(dc, OBJ_BRUSH));
    }
    EXPECT_EQ(original, ::GetCurrentObject(dc, OBJ_BRUSH));

    second.DeleteObject();
    LOGBRUSH lb{};
    EXPECT_EQ(0, ::GetObjectA(handle, sizeof lb, &lb)) << "deleted with its owner";

    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(9, 9, 9)));
    HPEN oldPen = pen.Get();
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(8, 8, 8)));
    LOGPEN lp{};
    EXPECT_EQ(0, ::GetObjectA(oldPen, sizeof lp, &lp)) << "re-creating releases the previous pen";
}
