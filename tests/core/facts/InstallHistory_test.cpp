// The original installation date: the oldest InstallDate among the current
// installation and the earlier ones that feature updates left behind.
#include "facts/InstallHistory.h"

#include <gtest/gtest.h>

namespace {

using N = RegistryNumber;

struct OriginalCase {
    const char* name;
    RegistryNumber current;
    std::vector<RegistryNumber> earlier;
    std::optional<int64_t> expected;
};

const int64_t kCurrent = 1700000000;  // 14 Nov 2023

}  // namespace

TEST(InstallHistory, OriginalDateIsTheOldestReadableInstallDate) {
    const OriginalCase cases[] = {
        {"no keys, no current value", N(), {}, std::nullopt},
        {"the current value alone", N::Dword(kCurrent), {}, kCurrent},
        {"one earlier key", N::Dword(kCurrent), {N::Dword(1500000000)}, 1500000000},
        {"several keys out of order",
         N::Dword(kCurrent),
         {N::Dword(1550000000), N::Dword(1400000000), N::Dword(1600000000)},
         1400000000},
        {"a key without InstallDate", N::Dword(kCurrent), {N(), N::Dword(1500000000)}, 1500000000},
        {"a value of the wrong type", N::Dword(kCurrent), {N::Other(), N::Dword(1600000000)}, 1600000000},
        {"only a value of the wrong type", N::Dword(kCurrent), {N::Other()}, kCurrent},
        {"the current value unreadable", N(), {N::Dword(1500000000), N::Dword(1450000000)}, 1450000000},
        {"the current value of the wrong type", N::Other(), {N::Dword(1500000000)}, 1500000000},
        {"nothing readable at all", N::Other(), {N(), N::Other()}, std::nullopt},
        {"a zero is no date", N::Dword(kCurrent), {N::Dword(0)}, kCurrent},
        {"an earlier key newer than the current value", N::Dword(1400000000), {N::Dword(1500000000)}, 1400000000},
    };
    for (const OriginalCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, OriginalInstallDate(InstallDateValues{c.current, c.earlier}));
    }
}

TEST(InstallHistory, CurrentDatePrefersTheRegistryValueOverTheShownOne) {
    EXPECT_EQ(kCurrent, CurrentInstallDate(InstallDateValues{N::Dword(kCurrent), {}}, int64_t{1388534400}));
    EXPECT_EQ(1388534400, CurrentInstallDate(InstallDateValues{N(), {}}, int64_t{1388534400}));
    EXPECT_EQ(1388534400, CurrentInstallDate(InstallDateValues{N::Other(), {}}, int64_t{1388534400}));
    EXPECT_EQ(std::nullopt, CurrentInstallDate(InstallDateValues{N(), {N::Dword(1)}}, std::nullopt));
}

TEST(InstallHistory, OnlySourceOsKeysRecordEarlierInstallations) {
    const struct {
        const char* name;
        bool expected;
    } cases[] = {
        {"Source OS (Updated on 5/12/2021 10:21:48)", true},
        {"Source OS (Updated on 10/9/2019 10:34:14)", true},
        {"SOURCE os (whatever)", true},
        {"Source OS", false},
        {"Source OSX (Updated on 5/12/2021)", false},
        {"OOBE", false},
        {"Status", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, IsSourceOsKeyName(c.name)) << c.name;
}
