// The window's uptime state fed with tick counts, including counts past the
// 2^32 ms at which a 32-bit millisecond counter would wrap to zero.
#include <gtest/gtest.h>

#include "core/facts/TimeZoneForTest.h"
#include "facts/TimeFacts.h"

TEST(TimeFacts, UptimePastTheThirtyTwoBitWrapKeepsCounting) {
    TimeFacts facts;
    EXPECT_EQ("- Uptime : 49 days 17 hours 2 min 47 sec", facts.UptimeText(4294967295ULL));
    // One second later a 32-bit counter would read 999 ms.
    EXPECT_EQ("- Uptime : 49 days 17 hours 2 min 48 sec", facts.UptimeText(4294968295ULL));
    EXPECT_EQ("- Uptime : 57 days 20 hours 53 min 20 sec", facts.UptimeText(5000000000ULL));
    EXPECT_EQ(57, facts.Parts().days);
}

TEST(TimeFacts, UnderOneSecondKeepsThePreviousText) {
    TimeFacts facts;
    EXPECT_EQ("", facts.UptimeText(999));
    EXPECT_EQ("- Uptime : 5 seconds", facts.UptimeText(5000));
    EXPECT_EQ("- Uptime : 5 seconds", facts.UptimeText(0));
}

TEST(TimeFacts, BootTimeStaysRightPastTheWrap) {
    TimeZoneForTest zone("UTC0");
    TimeFacts facts;
    // 2026-12-07 05:00:00 UTC, 5,000,000 s (57 d 20 h 53 min 20 s) after boot.
    const int64_t now = 1796619600;
    EXPECT_EQ("- Boot Time : 10-10-2026 @ 08:06:40", facts.BootTimeText(5000000000ULL, now));
    EXPECT_EQ("- Today: 12-07-2026 05:00:00", TimeFacts::TodayText(now));
}
