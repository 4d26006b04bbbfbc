// The registry reader of the installation dates, on keys of the test's own
// under HKCU.
#include "facts/InstallHistoryReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/RegKey.h"

namespace {

// Registry keys under HKCU for one test, removed with everything below them.
class ScratchKeys {
public:
    ScratchKeys() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot); }
    ~ScratchKeys() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot); }
    ScratchKeys(const ScratchKeys&) = delete;
    ScratchKeys& operator=(const ScratchKeys&) = delete;

    static bool Set(const std::string& key, DWORD type, const void* data, DWORD size) {
        CRegKey h;
        if (h.Create(HKEY_CURRENT_USER, std::string(kRoot) + "\\" + key, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
        return size == 0 ||
               ::RegSetValueExA(h.Get(), "InstallDate", 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    }
    static InstallDateKeys Keys() {
        InstallDateKeys keys;
        keys.root = HKEY_CURRENT_USER;
        keys.currentKey = std::string(kRoot) + "\\Current";
        keys.setupKey = std::string(kRoot) + "\\Setup";
        return keys;
    }

    static constexpr const char* kRoot = "Software\\TallvoxTest\\InstallHistory";
};

std::vector<std::string> Describe(const std::vector<RegistryNumber>& numbers) {
    std::vector<std::string> out;
    for (const RegistryNumber& n : numbers)
        out.push_back(n.kind == RegistryNumber::Kind::Dword       ? "dword " + std::to_string(n.value)
                      : n.kind == RegistryNumber::Kind::OtherType ? "other"
                                                                  : "missing");
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

TEST(InstallHistoryReader, ReadsEachSourceOsKeyWithTheTypeOfItsValue) {
    ScratchKeys scratch;
    {
        const InstallDateValues none = ReadInstallDateValues(ScratchKeys::Keys());
        EXPECT_EQ(RegistryNumber::Kind::Missing, none.current.kind);
        EXPECT_TRUE(none.earlier.empty());
    }
    const DWORD current = 1400000000, oldest = 1104654600, other = 900000000;
    const ULONGLONG wide = 130000000000000000ULL;
    const char text[] = "1000000000";
    ASSERT_TRUE(ScratchKeys::Set("Current", REG_DWORD, &current, sizeof current));
    ASSERT_TRUE(ScratchKeys::Set("Setup\\Source OS (Updated on 1/2/2005 08:30:00)", REG_DWORD, &oldest, sizeof oldest));
    ASSERT_TRUE(ScratchKeys::Set("Setup\\Source OS (Updated on 6/7/2008 09:00:00)", REG_SZ, text, sizeof text));
    ASSERT_TRUE(ScratchKeys::Set("Setup\\Source OS (Updated on 7/8/2009 10:00:00)", REG_QWORD, &wide, sizeof wide));
    ASSERT_TRUE(ScratchKeys::Set("Setup\\Source OS (Updated on 8/9/2010 11:00:00)", REG_DWORD, nullptr, 0));
    ASSERT_TRUE(ScratchKeys::Set("Setup\\Other", REG_DWORD, &other, sizeof other));

    const InstallDateValues values = ReadInstallDateValues(ScratchKeys::Keys());
    EXPECT_EQ(RegistryNumber::Kind::Dword, values.current.kind);
    EXPECT_EQ(current, values.current.value);
    EXPECT_EQ((std::vector<std::string>{"dword 1104654600", "missing", "other", "other"}), Describe(values.earlier));
    EXPECT_EQ(std::optional<int64_t>(oldest), OriginalInstallDate(values));
}
