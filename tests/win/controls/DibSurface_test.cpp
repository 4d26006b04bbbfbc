#include "controls/DibSurface.h"

#include <gtest/gtest.h>

TEST(DibSurface, PixelsAreColorrefsAndGdiSeesThem)
{
    DibSurface surface;
    ASSERT_TRUE(surface.Create(4, 3));
    EXPECT_EQ(surface.Width(), 4);
    EXPECT_EQ(surface.Height(), 3);
    surface.Fill(RGB(10, 20, 30));
    surface.SetPixel(1, 2, RGB(200, 100, 50));
    EXPECT_EQ(::GetPixel(surface, 1, 2), RGB(200, 100, 50));
    EXPECT_EQ(::GetPixel(surface, 0, 0), RGB(10, 20, 30));

    // GDI drawing becomes visible to direct reads after a flush.
    ::SetPixel(surface, 3, 0, RGB(1, 2, 3));
    DibSurface::Flush();
    EXPECT_EQ(surface.GetPixel(3, 0), RGB(1, 2, 3));
    EXPECT_EQ(surface.GetPixel(4, 0), CLR_INVALID);
    EXPECT_EQ(surface.GetPixel(-1, 0), CLR_INVALID);
}

TEST(DibSurface, DestroyRestoresAndEmpties)
{
    DibSurface surface;
    EXPECT_FALSE(surface.Create(0, 5));
    ASSERT_TRUE(surface.Create(2, 2));
    surface.Destroy();
    EXPECT_EQ(surface.GetSafeHdc(), nullptr);
    EXPECT_EQ(surface.Width(), 0);
    surface.SetPixel(0, 0, 0);  // dropped, no crash
}
