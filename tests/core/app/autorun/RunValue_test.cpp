#include "app/autorun/RunValue.h"

#include <gtest/gtest.h>

TEST(RunValue, TheProgramPathIsWrittenInQuotes) {
    EXPECT_EQ("\"C:\\path with blanks\\Tallvox.exe\"", RunValueFor("C:\\path with blanks\\Tallvox.exe"));
}

// Autorun counts as on only when the registered command starts this program.
TEST(RunValue, OnlyAValueNamingThisProgramCountsAsOn) {
    const std::string program = "C:\\path with blanks\\Tallvox.exe";
    const struct {
        const char* value;
        bool namesProgram;
    } cases[] = {
        {"\"C:\\path with blanks\\Tallvox.exe\"", true},
        {"C:\\path with blanks\\Tallvox.exe", true},
        {"\"c:\\PATH WITH BLANKS\\tallvox.EXE\"", true},
        {"c:\\path with blanks\\TALLVOX.exe", true},
        {"  \"C:\\path with blanks\\Tallvox.exe\"  ", true},
        {"\"C:\\path with blanks\\Tallvox.exe\" /minimized", true},
        {" C:\\path with blanks\\Tallvox.exe\t", true},
        {"\"C:\\path with blanks\\Tallvox.exe\"/x", false},
        {"\"C:\\path with blanks\\Tallvox.exe", false},  // never closed
        {"\"C:\\path with blanks\\Tallvox.exe /minimized", false},
        {"C:\\path with blanks\\Tallvox.exe /minimized", false},  // bare: the whole value is the path
        {"C:\\Somewhere\\Tallvox.exe", false},                    // the program has moved
        {"\"C:\\Somewhere\\Tallvox.exe\"", false},
        {"C:\\path with blanks\\Tallvox.exe.bak", false},
        {"C:\\path with blanks\\Tallvox", false},
        {"\"\"", false},
        {"\"", false},
        {"", false},
        {"   ", false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.namesProgram, RunValueNamesProgram(c.value, program)) << c.value;
}

// The ASCII letters match whatever their case, Z as much as A; the signs
// next to them in the code table ('@' and '`', '[' and '{') are not letters.
TEST(RunValue, LettersAToZAloneMatchWhateverTheirCase) {
    EXPECT_TRUE(RunValueNamesProgram("\"C:\\AZ\\Tallvox.exe\"", "c:\\az\\TALLVOX.EXE"));
    EXPECT_FALSE(RunValueNamesProgram("C:\\@\\Tallvox.exe", "C:\\`\\Tallvox.exe"));
    EXPECT_FALSE(RunValueNamesProgram("C:\\[\\Tallvox.exe", "C:\\{\\Tallvox.exe"));
}

TEST(RunValue, NoValueNamesAProgramWithoutAPath) {
    EXPECT_FALSE(RunValueNamesProgram("", ""));
    EXPECT_FALSE(RunValueNamesProgram("\"\"", ""));
}
