#include "framework/SystemFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ModuleFile(HMODULE module) {
    char path[MAX_PATH] = {};
    return std::string(path, ::GetModuleFileNameA(module, path, MAX_PATH));
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

// System DLLs come from the system folder. A DLL beside the program, which
// the ordinary search by name finds first, is never loaded in their place.
TEST(SystemFolder, SystemLibrariesComeFromTheSystemFolderOnly) {
    char folder[MAX_PATH] = {};
    ASSERT_NE(0u, ::GetSystemDirectoryA(folder, MAX_PATH));
    EXPECT_EQ(std::string(folder) + "\\uxtheme.dll", SystemFolderPath("uxtheme.dll"));

    const HMODULE theme = LoadSystemLibrary("UXTHEME.DLL");
    ASSERT_NE(nullptr, theme);
    EXPECT_EQ(Lower(SystemFolderPath("uxtheme.dll")), Lower(ModuleFile(theme)));
    ::FreeLibrary(theme);

    // tallvox_planted.dll is built beside this test program.
    const HMODULE planted = ::LoadLibraryA("tallvox_planted.dll");
    ASSERT_NE(nullptr, planted) << "the ordinary search finds the planted DLL";
    ::FreeLibrary(planted);
    EXPECT_EQ(nullptr, LoadSystemLibrary("tallvox_planted.dll"));
}

TEST(SystemFolder, AProgramThatIsNotThereIsNotStarted) {
    EXPECT_FALSE(StartSystemCommand(SystemCommand{}, SW_SHOWDEFAULT));
    EXPECT_FALSE(StartSystemCommand(SystemProgramCommand("tallvox-no-such-program.exe", ""), SW_SHOWDEFAULT));
}
