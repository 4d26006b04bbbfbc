#include <gtest/gtest.h>

#include "framework/ModuleName.h"

TEST(ModuleName, FolderAndBaseNameOfTheProgramFile) {
    EXPECT_EQ("C:\\Tools", ModuleFolder("C:\\Tools\\Tallvox.exe"));
    EXPECT_EQ("Tallvox", ModuleBaseName("C:\\Tools\\Tallvox.exe"));
    EXPECT_EQ("Other", ModuleBaseName("Z:\\a.b\\Other.exe"));
    EXPECT_EQ("Tallvox.exe", ModuleFolder("Tallvox.exe"));
    EXPECT_EQ("C:", ModuleFolder("C:\\Tallvox.exe"));
}
