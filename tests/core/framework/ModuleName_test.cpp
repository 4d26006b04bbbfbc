#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/ModuleName.h"

TEST(ModuleName, FolderAndBaseNameOfTheProgramFile) {
    EXPECT_EQ("C:\\Tools", ModuleFolder("C:\\Tools\\Tallvox.exe"));
    EXPECT_EQ("Tallvox", ModuleBaseName("C:\\Tools\\Tallvox.exe"));
    EXPECT_EQ("Other", ModuleBaseName("Z:\\a.b\\Other.exe"));
    EXPECT_EQ("Tallvox.exe", ModuleFolder("Tallvox.exe"));
    EXPECT_EQ("C:", ModuleFolder("C:\\Tallvox.exe"));
}

TEST(ModuleName, AFileBesideTheProgramGetsOneBackslash) {
    EXPECT_EQ("C:\\Tools\\Help.txt", FileInFolder("C:\\Tools", "Help.txt"));
    EXPECT_EQ("C:\\Help.txt", FileInFolder("C:\\", "Help.txt"));
    EXPECT_EQ("C:\\Help.txt", FileInFolder("C:", "Help.txt"));
    // A folder longer than any buffer stays whole.
    const std::string deep = "C:\\" + std::string(400, 'd');
    EXPECT_EQ(deep + "\\Help.txt", FileInFolder(deep, "Help.txt"));
}

TEST(ModuleName, OnlyFullPathsThatFitTheEightBitCallsAreUsable) {
    const struct {
        std::string path;
        bool usable;
    } cases[] = {
        {"C:\\Tools\\Tallvox.ini", true},
        {"z:/tools/Tallvox.ini", true},
        {"\\\\server\\share\\Tallvox.ini", true},
        {"C:\\" + std::string(255, 'x'), true},  // 258 characters and the zero
        {"C:\\" + std::string(256, 'x'), true},
        {"C:\\" + std::string(257, 'x'), false},  // 260 characters: no room for the zero
        {"C:\\" + std::string(400, 'x') + "\\Tallvox.ini", false},
        // Relative names would be looked for in the Windows folder.
        {"Tallvox.ini", false},
        {".ini", false},
        {"", false},
        {"C:Tallvox.ini", false},
        {"\\Tallvox.ini", false},
        {"\\\\\\x", false},
        {"1:\\x.ini", false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.usable, IsUsableFilePath(c.path)) << c.path;
}

namespace {

// A system call that copies `text` into the caller's buffer the way
// GetModuleFileNameA does on older systems: cut short to the buffer's size,
// without a terminating zero, returning that size.
struct CuttingCall {
    std::string text;
    std::vector<std::size_t> sizesAsked;
    std::size_t operator()(char* buffer, std::size_t size) {
        sizesAsked.push_back(size);
        const std::size_t copied = text.size() < size ? text.size() : size;
        std::memcpy(buffer, text.data(), copied);
        if (copied < size) buffer[copied] = '\0';
        return copied;
    }
};

}  // namespace

TEST(ModuleName, ALongTextIsReadWholeThroughAGrowingBuffer) {
    for (const std::size_t length : {std::size_t{1}, std::size_t{259}, std::size_t{260}, std::size_t{261},
                                     std::size_t{285}, std::size_t{1000}, std::size_t{32767}}) {
        CuttingCall call{"Z:\\" + std::string(length - 1, 'p'), {}};
        call.text.resize(length);
        const std::string read = ReadTextGrowing(std::ref(call), 260, 32768);
        EXPECT_EQ(call.text, read) << length;
        EXPECT_EQ(260u, call.sizesAsked.front());
        // Each further call with twice the room, until the text fits.
        for (std::size_t i = 1; i < call.sizesAsked.size(); ++i)
            EXPECT_EQ(std::min<std::size_t>(call.sizesAsked[i - 1] * 2, 32768), call.sizesAsked[i]);
    }
}

TEST(ModuleName, ATextThatNeverFitsOrAFailedCallReadsAsNothing) {
    CuttingCall tooLong{std::string(40000, 'p'), {}};
    EXPECT_EQ("", ReadTextGrowing(std::ref(tooLong), 260, 32768)) << "never a text cut short";
    EXPECT_EQ(32768u, tooLong.sizesAsked.back());
    CuttingCall exactlyTheLimit{std::string(32768, 'p'), {}};
    EXPECT_EQ("", ReadTextGrowing(std::ref(exactlyTheLimit), 260, 32768));
    EXPECT_EQ("", ReadTextGrowing([](char*, std::size_t) -> std::size_t { return 0; }, 260, 32768));
}
