// Screenshots written as BMP files.
#include "app/outputs/BitmapFileWriter.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/Gdi.h"
#include "framework/WholeFile.h"

namespace {

std::string TempPath(const char* name) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

}  // namespace

TEST(BitmapFileWriter, ABitmapFileHasItsHeadersAndPaddedRows) {
    CClientDC screen(nullptr);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(screen, 3, 2));
    const std::string path = TempPath("tallvox-three-by-two.bmp");
    ASSERT_TRUE(WriteBitmapFile(screen, bitmap.Get(), path));
    std::string bmp;
    ASSERT_EQ(WholeFileRead::kRead, ReadWholeFile(path, bmp));
    ASSERT_GE(bmp.size(), 54u);
    const int bits = static_cast<unsigned char>(bmp[28]);
    const size_t rowBytes = (3 * bits + 31) / 32 * 4;
    EXPECT_EQ(54 + rowBytes * 2, bmp.size());
    EXPECT_EQ("BM", bmp.substr(0, 2));
    ::DeleteFileA(path.c_str());
}

TEST(BitmapFileWriter, NoBitmapNoFile) {
    CClientDC screen(nullptr);
    const std::string path = TempPath("tallvox-nothing.bmp");
    ::DeleteFileA(path.c_str());
    EXPECT_FALSE(WriteBitmapFile(screen, nullptr, path));
    std::string bytes;
    EXPECT_EQ(WholeFileRead::kMissing, ReadWholeFile(path, bytes));
}
