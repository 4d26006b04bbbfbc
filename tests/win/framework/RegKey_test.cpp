#include "framework/RegKey.h"

#include <gtest/gtest.h>

#include <string>

// String values come back whole and typed: an expandable one expanded, one
// stored without its terminator whole, another type or an oversized one not
// at all.
TEST(RegKey, StringValuesAreReadByTypeSizeAndTerminator) {
    const std::string path = "Software\\TallvoxTest\\RegKey";
    CRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_CURRENT_USER, path));
    ::SetEnvironmentVariableA("TALLVOX_TEST_FOLDER", "C:\\Tools");
    struct Case {
        const char* name;
        DWORD type;
        std::string bytes;  // as stored, terminator included or not
        std::size_t maxBytes;
        std::optional<std::string> expected;
    } cases[] = {
        {"plain", REG_SZ, std::string("\"C:\\T\\Tallvox.exe\"\0", 19), 100, "\"C:\\T\\Tallvox.exe\""},
        {"unterminated", REG_SZ, "abc", 100, "abc"},
        {"expandable", REG_EXPAND_SZ, std::string("%TALLVOX_TEST_FOLDER%\\Tallvox.exe\0", 34), 100,
         "C:\\Tools\\Tallvox.exe"},
        {"binary", REG_BINARY, "abc", 100, std::nullopt},
        {"too long", REG_SZ, std::string(200, 'x'), 100, std::nullopt},
        {"empty", REG_SZ, std::string(), 100, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key.Get(), c.name, 0, c.type,
                                                  reinterpret_cast<const BYTE*>(c.bytes.data()),
                                                  static_cast<DWORD>(c.bytes.size())));
        EXPECT_EQ(c.expected, key.ReadString(c.name, c.maxBytes));
    }
    EXPECT_EQ(std::nullopt, key.ReadString("missing"));
    ASSERT_EQ(ERROR_SUCCESS, key.WriteString("written", "x y"));
    EXPECT_EQ(std::optional<std::string>("x y"), key.ReadString("written"));
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TallvoxTest");
}
