// Files written whole or not at all: the report, help, settings and
// screenshot files all go through these.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/WholeFile.h"

namespace {

std::string Folder() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tallvox-whole-file";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A fresh, empty folder of its own inside Folder().
std::string EmptyFolder(const std::string& name) {
    const std::string folder = Folder() + "\\" + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((folder + "\\" + found.cFileName).c_str());
        while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    return folder;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

}  // namespace

TEST(WholeFile, AWholeFileIsWrittenByteForByteOverALongerOne) {
    const std::string path = Folder() + "\\whole.txt";
    ASSERT_TRUE(WriteWholeFile(path, std::string(500, 'x')));
    ASSERT_TRUE(WriteWholeFile(path, "one\r\ntwo\n\xE9"));
    EXPECT_EQ("one\r\ntwo\n\xE9", Read(path)) << "no newline translation, old bytes gone";
    ::DeleteFileA(path.c_str());
}

TEST(WholeFile, AFileThatCannotBeCreatedIsReported) {
    EXPECT_FALSE(WriteWholeFile(Folder() + "\\no such folder\\x.txt", "text"));
    const std::string folder = EmptyFolder("in the way");
    const std::string folderInTheWay = folder + "\\in the way.txt";
    ::CreateDirectoryA(folderInTheWay.c_str(), nullptr);
    EXPECT_FALSE(WriteWholeFile(folderInTheWay, "text"));
    EXPECT_EQ(std::vector<std::string>{"in the way.txt"}, Names(folder)) << "no temporary file left behind";
    ::RemoveDirectoryA(folderInTheWay.c_str());
}

TEST(WholeFile, TheOldFileStaysWholeUntilTheNewOneIsCompleteAndAnAbandonedOneLeavesNoTrace) {
    const std::string folder = EmptyFolder("abandoned");
    const std::string path = folder + "\\photo.bmp";
    ASSERT_TRUE(WriteWholeFile(path, "old photo"));
    {
        CReplacementFile file(path);
        ASSERT_TRUE(file.IsOpen());
        EXPECT_EQ(folder + "\\", file.TemporaryPath().substr(0, folder.size() + 1)) << "in the same folder";
        ASSERT_TRUE(file.Write("new ph", 6));
        EXPECT_EQ("old photo", Read(path)) << "nothing of the new content yet";
        EXPECT_EQ(2u, Names(folder).size());
        // A writer failing half way (a full disk) never gets to Commit.
    }
    EXPECT_EQ("old photo", Read(path));
    EXPECT_EQ(std::vector<std::string>{"photo.bmp"}, Names(folder));

    {
        CReplacementFile file(path);
        ASSERT_TRUE(file.Write("new photo", 9));
        ASSERT_TRUE(file.Commit());
        EXPECT_TRUE(file.TemporaryPath().empty());
    }
    EXPECT_EQ("new photo", Read(path));
    EXPECT_EQ(std::vector<std::string>{"photo.bmp"}, Names(folder));
}

TEST(WholeFile, AFileThatCannotBeReplacedKeepsItsOldContent) {
    const std::string folder = EmptyFolder("held");
    const std::string path = folder + "\\report.txt";
    ASSERT_TRUE(WriteWholeFile(path, "old report"));
    // Held open by a program that lets others write but not delete it: the
    // file could be truncated in place but can't be replaced whole.
    CFileHandle held(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(WriteWholeFile(path, "new report"));
    held.Close();
    EXPECT_EQ("old report", Read(path));
    EXPECT_EQ(std::vector<std::string>{"report.txt"}, Names(folder)) << "no temporary file left behind";
}

TEST(WholeFile, APathTooLongForTheBuffersIsNotWrittenAnywhere) {
    const std::string folder = EmptyFolder("too long");
    // Cut to the 8-bit calls' limit, this would name a file in `folder`.
    const std::string path = folder + "\\" + std::string(300, 'n') + ".txt";
    EXPECT_FALSE(WriteWholeFile(path, "text"));
    EXPECT_TRUE(Names(folder).empty());
    EXPECT_FALSE(WriteWholeFile("relative.txt", "text")) << "a name without a folder is no place either";
}
