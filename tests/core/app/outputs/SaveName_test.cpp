// The name a report or screenshot is saved under.
#include "app/outputs/SaveName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SaveNameCase {
    const char* chosen;
    const char* extension;
    const char* saved;
};

const SaveNameCase kCases[] = {
    // A bare name gets the extension.
    {"C:\\out\\facts", ".txt", "C:\\out\\facts.txt"},
    {"C:\\out\\shot", ".bmp", "C:\\out\\shot.bmp"},
    // A name that has it keeps it, in any letter case: never x.txt.txt.
    {"C:\\out\\x.txt", ".txt", "C:\\out\\x.txt"},
    {"C:\\out\\a.bmp", ".bmp", "C:\\out\\a.bmp"},
    {"C:\\out\\X.TXT", ".txt", "C:\\out\\X.TXT"},
    {"C:\\out\\a.Bmp", ".bmp", "C:\\out\\a.Bmp"},
    // Another extension is part of the name.
    {"C:\\out\\notes.old", ".txt", "C:\\out\\notes.old.txt"},
    {"C:\\out\\a.bmp", ".txt", "C:\\out\\a.bmp.txt"},
    {"C:\\out\\x.txt.bak", ".txt", "C:\\out\\x.txt.bak.txt"},
    // Almost the extension.
    {"C:\\out\\xtxt", ".txt", "C:\\out\\xtxt.txt"},
    {"C:\\out\\x.tx", ".txt", "C:\\out\\x.tx.txt"},
    {"C:\\folder.txt\\x", ".txt", "C:\\folder.txt\\x.txt"},
    // Shorter than the extension, or nothing at all.
    {"a", ".txt", "a.txt"},
    {"", ".txt", ".txt"},
    {".txt", ".txt", ".txt"},
};

}  // namespace

TEST(SaveName, TheExtensionIsAddedOnlyWhenTheNameLacksIt) {
    for (const SaveNameCase& c : kCases)
        EXPECT_EQ(c.saved, SaveFileName(c.chosen, c.extension)) << c.chosen << " + " << c.extension;
}
