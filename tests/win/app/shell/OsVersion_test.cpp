#include "app/shell/OsVersion.h"

#include <gtest/gtest.h>

TEST(OsVersion, RecordIsFilledWithTheExtendedLayout) {
    static_assert(sizeof(OSVERSIONINFOA) == 148, "plain record");
    static_assert(sizeof(OSVERSIONINFOEXA) == 156, "extended record");
    COsVersion version;
    ASSERT_TRUE(COsVersion::IsFilled());
    const OSVERSIONINFOEXA& record = COsVersion::Record();
    EXPECT_EQ(156u, record.dwOSVersionInfoSize);
    EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_NT), record.dwPlatformId);
    EXPECT_GE(record.dwMajorVersion, 5u);
    EXPECT_TRUE(version.IsNt5OrLater());
    EXPECT_TRUE(COsVersion().IsNt5OrLater()) << "a second object shares the record";
}
