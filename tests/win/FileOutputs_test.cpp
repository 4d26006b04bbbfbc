// Writing the report, help and screenshot files: whole files or none.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/BitmapFileWriter.h"
#include "app/WholeFile.h"
#include "framework/Gdi.h"

namespace {

std::string Folder() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tallvox-file-outputs";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

TEST(FileOutputs, AWholeFileIsWrittenByteForByteOverALongerOne) {
    const std::string path = Folder() + "\\whole.txt";
    ASSERT_TRUE(WriteWholeFile(path, std::string(500, 'x')));
    ASSERT_TRUE(WriteWholeFile(path, "one\r\ntwo\n\xE9"));
    EXPECT_EQ("one\r\ntwo\n\xE9", Read(path)) << "no newline translation, old bytes gone";
    ::DeleteFileA(path.c_str());
}

TEST(FileOutputs, AFileThatCannotBeCreatedIsReported) {
    EXPECT_FALSE(WriteWholeFile(Folder() + "\\no such folder\\x.txt", "text"));
    const std::string folderInTheWay = Folder() + "\\in the way.txt";
    ::CreateDirectoryA(folderInTheWay.c_str(), nullptr);
    EXPECT_FALSE(WriteWholeFile(folderInTheWay, "text"));
    ::RemoveDirectoryA(folderInTheWay.c_str());
}

TEST(FileOutputs, ABitmapFileHasItsHeadersAndPaddedRows) {
    CClientDC screen(nullptr);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(screen, 3, 2));
    const std::string path = Folder() + "\\three-by-two.bmp";
    ASSERT_TRUE(WriteBitmapFile(screen, bitmap.Get(), path));
    const std::string bmp = Read(path);
    ASSERT_GE(bmp.size(), 54u);
    const int bits = static_cast<unsigned char>(bmp[28]);
    const size_t rowBytes = (3 * bits + 31) / 32 * 4;
    EXPECT_EQ(54 + rowBytes * 2, bmp.size());
    EXPECT_EQ("BM", bmp.substr(0, 2));
    ::DeleteFileA(path.c_str());
}

TEST(FileOutputs, NoBitmapNoFile) {
    CClientDC screen(nullptr);
    const std::string path = Folder() + "\\nothing.bmp";
    ::DeleteFileA(path.c_str());
    EXPECT_FALSE(WriteBitmapFile(screen, nullptr, path));
    EXPECT_FALSE(Exists(path));
}
