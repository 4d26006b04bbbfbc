// The settings file's reader and writer agree with the profile functions on
// ASCII files with CRLF, no blank lines and no blanks around '=' (Wine's
// profile functions write the whole file anew without them).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/WholeFile.h"
#include "app/settings/IniDocument.h"

TEST(IniDocumentProfile, AgreesWithTheProfileFunctions) {
    const struct {
        const char* file;
        const char* key;  // set to "2"
    } kCases[] = {
        {"", "Skin"},
        {"[Other]\r\nx=1", "Skin"},
        {"[TALLVOX]\r\nskin=1\r\nOpacity=5\r\n", "Skin"},
        {"[Tallvox]\r\nSkin=1\r\n[Other]\r\nOpacity=3\r\n", "Opacity"},
        {"[Tallvox]\r\nSkin=\"1\"\r\nMax_Wnd='0'\r\n", "Max_Wnd"},
        {"; mine\r\n[Tallvox]\r\nSkin=1\r\n; yours\r\n", "Opacity"},
        {"[Tallvox]\r\nSkin\r\n", "Skin"},
        {"Skin=0\r\n[Tallvox]\r\nMax_Wnd=1\r\n[tallvox]\r\nSkin=3\r\n", "Skin"},
    };
    char temp[MAX_PATH + 1] = {};
    ASSERT_NE(0u, ::GetTempPathA(MAX_PATH, temp));
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.file);
        // A file of its own for each row: the profile functions keep what they have read.
        const std::string path = std::string(temp) + "tallvox-profile-" + std::to_string(::GetCurrentProcessId()) +
                                 "-" + std::to_string(&row - kCases) + ".ini";
        ASSERT_TRUE(WriteWholeFile(path, row.file));
        CIniDocument document(row.file);
        for (const char* key : {"Skin", "Opacity", "Max_Wnd"}) {
            char value[64] = {};
            ::GetPrivateProfileStringA("Tallvox", key, "none", value, sizeof value, path.c_str());
            EXPECT_EQ(value, document.Get("Tallvox", key).value_or("none")) << key;
        }
        ASSERT_TRUE(::WritePrivateProfileStringA("Tallvox", row.key, "2", path.c_str()));
        document.Set("Tallvox", row.key, "2");
        std::string written;
        EXPECT_EQ(WholeFileRead::kRead, ReadWholeFile(path, written));
        EXPECT_EQ(written, document.Bytes());
        ::DeleteFileA(path.c_str());
    }
}
