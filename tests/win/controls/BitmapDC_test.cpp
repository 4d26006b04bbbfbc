// CBitmapDC: a resource bitmap selected into its own memory DC.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/BitmapDC.h"
#include "resource.h"

TEST(BitmapDC, LoadsAFaceWithItsSize)
{
    CClientDC screen(nullptr);
    CBitmapDC layer;
    EXPECT_FALSE(layer.IsLoaded());
    ASSERT_TRUE(layer.Load(IDB_FACE_SILVER, screen));
    EXPECT_TRUE(layer.IsLoaded());
    EXPECT_NE(layer.GetSafeHdc(), nullptr);
    EXPECT_NE(layer.GetBitmap(), nullptr);
    EXPECT_EQ(layer.GetResourceId(), IDB_FACE_SILVER);
    EXPECT_EQ(layer.GetWidth(), 100);
    EXPECT_EQ(layer.GetHeight(), 100);
    // The corners lie outside the dial, on the key colour.
    EXPECT_EQ(::GetPixel(layer, 0, 0), RGB(255, 0, 255));
}

TEST(BitmapDC, ReleaseKeepsTheDcAndLoadReplaces)
{
    CClientDC screen(nullptr);
    CBitmapDC layer;
    ASSERT_TRUE(layer.Load(IDB_FACE_SILVER, screen));
    layer.Release();
    EXPECT_FALSE(layer.IsLoaded());
    EXPECT_EQ(layer.GetBitmap(), nullptr);
    EXPECT_EQ(layer.GetWidth(), 0);
    EXPECT_NE(layer.GetSafeHdc(), nullptr);

    ASSERT_TRUE(layer.Load(IDB_DATE_GREY, screen));
    EXPECT_EQ(layer.GetWidth(), 18);
    EXPECT_EQ(layer.GetHeight(), 14);
}

TEST(BitmapDC, FailsWithoutBitmapOrDc)
{
    CClientDC screen(nullptr);
    CBitmapDC layer;
    EXPECT_FALSE(layer.Load(4242, screen));
    EXPECT_FALSE(layer.IsLoaded());
    EXPECT_FALSE(layer.Load(IDB_DATE_GREY, nullptr));
    EXPECT_FALSE(layer.IsLoaded());
}
