#include "facts/UptimeText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/facts/TimeZoneForTest.h"

TEST(SplitUptime, BreaksSecondsIntoCalendarUnitsWithoutWrapping)
{
    const struct {
        uint64_t seconds;
        UptimeParts expected;
    } cases[] = {
        {90061, {1, 1, 1, 1}},
        {4294967295ULL / 1000, {49, 17, 2, 47}},  // the longest of a 32-bit millisecond counter
        {5000000000ULL / 1000, {57, 20, 53, 20}},
        {4294967296ULL, {49710, 6, 28, 16}},  // 2^32 seconds
    };
    for (const auto& c : cases) {
        const UptimeParts up = SplitUptime(c.seconds);
        EXPECT_EQ(c.expected.days, up.days) << c.seconds;
        EXPECT_EQ(c.expected.hours, up.hours) << c.seconds;
        EXPECT_EQ(c.expected.minutes, up.minutes) << c.seconds;
        EXPECT_EQ(c.expected.seconds, up.seconds) << c.seconds;
    }
}

// Each form with its singular and plural words as the line has always had
// them; an uptime of zero keeps the previous text.
TEST(FormatUptimeText, EachSizeHasItsForm)
{
    const struct {
        uint64_t seconds;
        const char* expected;
    } cases[] = {
        {0, "previous"},
        {1, "- Uptime : 1 seconds"},
        {59, "- Uptime : 59 seconds"},
        {60, "- Uptime : 1 minutes 0 second"},
        {61, "- Uptime : 1 minutes 1 seconds"},
        {300, "- Uptime : 5 minutes 0 second"},
        {3599, "- Uptime : 59 minutes 59 seconds"},
        {3600, "- Uptime : 1 hour 0 min 0 sec"},
        {7199, "- Uptime : 1 hour 59 min 59 sec"},
        {7200, "- Uptime : 2 hours 0 min 0 sec"},
        {86399, "- Uptime : 23 hours 59 min 59 sec"},
        {86400, "- Uptime : 1 days 0 hours 0 min 0 sec"},
        {86405, "- Uptime : 1 days 0 hours 0 min 5 sec"},
        {90000, "- Uptime : 1 days 1 hour 0 min 0 sec"},
        {93600, "- Uptime : 1 days 2 hours 0 min 0 sec"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, FormatUptimeText(SplitUptime(c.seconds), "previous")) << c.seconds;
}

TEST(FormatBootTimeText, MonthDayYearWithPaddedFieldsAndTodayWithoutAtSign)
{
    const struct {
        LocalDateTime t;
        const char* boot;
        const char* today;
    } cases[] = {
        {{2026, 3, 28, 9, 14, 3}, "- Boot Time : 03-28-2026 @ 09:14:03", "- Today: 03-28-2026 09:14:03"},
        {{2026, 7, 5, 9, 3, 7}, "- Boot Time : 07-05-2026 @ 09:03:07", "- Today: 07-05-2026 09:03:07"},
        {{2026, 12, 6, 6, 24, 21}, "- Boot Time : 12-06-2026 @ 06:24:21", "- Today: 12-06-2026 06:24:21"},
        {{-1, -1, -1, -1, -1, -1}, "- Boot Time : -1--1--1 @ -1:-1:-1", "- Today: -1--1--1 -1:-1:-1"},  // unconvertible
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.boot, FormatBootTimeText(c.t));
        EXPECT_EQ(c.today, FormatTodayText(c.t));
    }
}

// Seconds since 1970 in local time (here UTC), all fields -1 for what the
// runtime cannot convert; the boot moment lies an uptime before now.
TEST(BootMoment, IsTheLocalTimeAnUptimeBeforeNow)
{
    TimeZoneForTest zone("UTC0");
    const struct {
        int64_t now;
        UptimeParts uptime;
        const char* expected;
    } cases[] = {
        {0, {}, "- Boot Time : 01-01-1970 @ 00:00:00"},
        {1783242187, {}, "- Boot Time : 07-05-2026 @ 09:03:07"},                       // 2026-07-05 09:03:07
        {INT64_MAX, {}, "- Boot Time : -1--1--1 @ -1:-1:-1"},
        {1774699200, {0, 2, 45, 57}, "- Boot Time : 03-28-2026 @ 09:14:03"},           // from 2026-03-28 12:00:00
        {1777622400, {2, 10, 0, 0}, "- Boot Time : 04-28-2026 @ 22:00:00"},            // from 2026-05-01 08:00:00
        {1709251230, {1, 0, 1, 0}, "- Boot Time : 02-28-2024 @ 23:59:30"},             // from 2024-03-01 00:00:30
        {1767226200, {0, 0, 20, 0}, "- Boot Time : 12-31-2025 @ 23:50:00"},            // from 2026-01-01 00:10:00
        // 57 days 20:53:20 before 1 March 2026 (February 2026 has 28 days).
        {1772323200, {57, 20, 53, 20}, "- Boot Time : 01-02-2026 @ 03:06:40"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, FormatBootTimeText(BootMoment(c.now, c.uptime))) << c.now;
}
