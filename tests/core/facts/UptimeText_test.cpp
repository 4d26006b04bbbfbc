#include "facts/UptimeText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

std::string UptimeTextFor(uint64_t seconds)
{
    return FormatUptimeText(SplitUptime(seconds), "previous");
}

UptimeParts Parts(int32_t days, int32_t hours, int32_t minutes, int32_t seconds)
{
    UptimeParts up;
    up.days = days;
    up.hours = hours;
    up.minutes = minutes;
    up.seconds = seconds;
    return up;
}

LocalDateTime DateTime(int32_t year, int32_t month, int32_t day,
                       int32_t hour, int32_t minute, int32_t second)
{
    LocalDateTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int64_t UtcSeconds(int64_t y, int64_t m, int64_t d, int64_t hh, int64_t mm, int64_t ss)
{
    return DaysFromCivil(y, m, d) * 86400 + hh * 3600 + mm * 60 + ss;
}

// Pins the local time zone to UTC so that local conversions are predictable,
// and puts the previous zone back afterwards.
class UtcZone : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("TZ");
        m_hadZone = old != nullptr;
        if (m_hadZone)
            m_oldZone = old;
        SetZone("UTC0");
    }

    void TearDown() override
    {
        if (m_hadZone) {
            SetZone(m_oldZone.c_str());
        } else {
#ifdef _WIN32
            _putenv_s("TZ", "");
            _tzset();
#else
            unsetenv("TZ");
            tzset();
#endif
        }
    }

private:
    static void SetZone(const char* zone)
    {
#ifdef _WIN32
        _putenv_s("TZ", zone);
        _tzset();
#else
        setenv("TZ", zone, 1);
        tzset();
#endif
    }

    bool m_hadZone = false;
    std::string m_oldZone;
};

void ExpectDateTime(const LocalDateTime& t, int32_t year, int32_t month, int32_t day,
                    int32_t hour, int32_t minute, int32_t second)
{
    EXPECT_EQ(year, t.year);
    EXPECT_EQ(month, t.month);
    EXPECT_EQ(day, t.day);
    EXPECT_EQ(hour, t.hour);
    EXPECT_EQ(minute, t.minute);
    EXPECT_EQ(second, t.second);
}

}  // namespace

TEST(SplitUptime, BreaksSecondsIntoCalendarUnits)
{
    const UptimeParts up = SplitUptime(90061);  // 1 day 1 hour 1 min 1 sec
    EXPECT_EQ(1, up.days);
    EXPECT_EQ(1, up.hours);
    EXPECT_EQ(1, up.minutes);
    EXPECT_EQ(1, up.seconds);
}

TEST(SplitUptime, LongestUptimeOfA32BitMillisecondCounter)
{
    const UptimeParts up = SplitUptime(4294967295ULL / 1000);
    EXPECT_EQ(49, up.days);
    EXPECT_EQ(17, up.hours);
    EXPECT_EQ(2, up.minutes);
    EXPECT_EQ(47, up.seconds);
}

TEST(SplitUptime, UptimeBeyond32BitMillisecondsDoesNotWrap)
{
    const UptimeParts up = SplitUptime(5000000000ULL / 1000);
    EXPECT_EQ(57, up.days);
    EXPECT_EQ(20, up.hours);
    EXPECT_EQ(53, up.minutes);
    EXPECT_EQ(20, up.seconds);
}

TEST(SplitUptime, SecondCountBeyond32BitsIsNotTruncated)
{
    const UptimeParts up = SplitUptime(4294967296ULL);  // 2^32 seconds
    EXPECT_EQ(49710, up.days);
    EXPECT_EQ(6, up.hours);
    EXPECT_EQ(28, up.minutes);
    EXPECT_EQ(16, up.seconds);
}

TEST(FormatUptimeText, SecondsOnly)
{
    EXPECT_EQ("- Uptime : 1 seconds", UptimeTextFor(1));
    EXPECT_EQ("- Uptime : 59 seconds", UptimeTextFor(59));
}

TEST(FormatUptimeText, MinuteForms)
{
    EXPECT_EQ("- Uptime : 1 minutes 0 second", UptimeTextFor(60));
    EXPECT_EQ("- Uptime : 1 minutes 1 seconds", UptimeTextFor(61));
    EXPECT_EQ("- Uptime : 5 minutes 0 second", UptimeTextFor(300));
    EXPECT_EQ("- Uptime : 59 minutes 59 seconds", UptimeTextFor(3599));
}

TEST(FormatUptimeText, HourForms)
{
    EXPECT_EQ("- Uptime : 1 hour 0 min 0 sec", UptimeTextFor(3600));
    EXPECT_EQ("- Uptime : 1 hour 59 min 59 sec", UptimeTextFor(7199));
    EXPECT_EQ("- Uptime : 2 hours 0 min 0 sec", UptimeTextFor(7200));
    EXPECT_EQ("- Uptime : 23 hours 59 min 59 sec", UptimeTextFor(86399));
}

TEST(FormatUptimeText, DayForms)
{
    EXPECT_EQ("- Uptime : 1 days 1 hour 0 min 0 sec", UptimeTextFor(90000));
    EXPECT_EQ("- Uptime : 1 days 2 hours 0 min 0 sec", UptimeTextFor(93600));
    EXPECT_EQ("- Uptime : 49 days 17 hours 2 min 47 sec", UptimeTextFor(4294967));
    EXPECT_EQ("- Uptime : 57 days 20 hours 53 min 20 sec", UptimeTextFor(5000000));
}

TEST(FormatUptimeText, DaysWithZeroHoursUseThePluralHourForm)
{
    EXPECT_EQ("- Uptime : 1 days 0 hours 0 min 5 sec", UptimeTextFor(86405));
    EXPECT_EQ("- Uptime : 1 days 0 hours 0 min 0 sec", UptimeTextFor(86400));
}

TEST(FormatUptimeText, ZeroUptimeKeepsThePreviousText)
{
    EXPECT_EQ("", FormatUptimeText(Parts(0, 0, 0, 0), ""));
    EXPECT_EQ("- Uptime : 3 seconds", FormatUptimeText(Parts(0, 0, 0, 0), "- Uptime : 3 seconds"));
}

TEST(FormatUptimeText, NonZeroUptimeReplacesThePreviousText)
{
    EXPECT_EQ("- Uptime : 4 seconds", FormatUptimeText(Parts(0, 0, 0, 4), "- Uptime : 3 seconds"));
}

TEST(FormatBootTimeText, MonthDayYearWithPaddedFields)
{
    EXPECT_EQ("- Boot Time : 03-28-2026 @ 09:14:03",
              FormatBootTimeText(DateTime(2026, 3, 28, 9, 14, 3)));
}

TEST(FormatBootTimeText, UnconvertibleTimePrintsMinusOne)
{
    EXPECT_EQ("- Boot Time : -1--1--1 @ -1:-1:-1",
              FormatBootTimeText(DateTime(-1, -1, -1, -1, -1, -1)));
}

TEST(FormatTodayText, MonthDayYearWithoutAtSign)
{
    EXPECT_EQ("- Today: 07-05-2026 09:03:07", FormatTodayText(DateTime(2026, 7, 5, 9, 3, 7)));
    EXPECT_EQ("- Today: 12-06-2026 06:24:21", FormatTodayText(DateTime(2026, 12, 6, 6, 24, 21)));
}

TEST(FormatTodayText, UnconvertibleTimePrintsMinusOne)
{
    EXPECT_EQ("- Today: -1--1--1 -1:-1:-1", FormatTodayText(DateTime(-1, -1, -1, -1, -1, -1)));
}

TEST_F(UtcZone, ToLocalDateTimeConvertsSecondsSince1970)
{
    ExpectDateTime(ToLocalDateTime(0), 1970, 1, 1, 0, 0, 0);
    ExpectDateTime(ToLocalDateTime(UtcSeconds(2026, 7, 5, 9, 3, 7)), 2026, 7, 5, 9, 3, 7);
}

TEST_F(UtcZone, ToLocalDateTimeMarksUnconvertibleTimeWithMinusOne)
{
    ExpectDateTime(ToLocalDateTime(INT64_MAX), -1, -1, -1, -1, -1, -1);
}

TEST_F(UtcZone, BootMomentWithinOneDay)
{
    const int64_t now = UtcSeconds(2026, 3, 28, 12, 0, 0);
    ExpectDateTime(BootMoment(now, Parts(0, 2, 45, 57)), 2026, 3, 28, 9, 14, 3);
}

TEST_F(UtcZone, BootMomentAcrossAMonthEnd)
{
    const int64_t now = UtcSeconds(2026, 5, 1, 8, 0, 0);
    ExpectDateTime(BootMoment(now, Parts(2, 10, 0, 0)), 2026, 4, 28, 22, 0, 0);
}

TEST_F(UtcZone, BootMomentCountsTheLeapDay)
{
    const int64_t now = UtcSeconds(2024, 3, 1, 0, 0, 30);
    const LocalDateTime boot = BootMoment(now, Parts(1, 0, 1, 0));
    EXPECT_EQ("- Boot Time : 02-28-2024 @ 23:59:30", FormatBootTimeText(boot));
}

TEST_F(UtcZone, BootMomentAcrossNewYear)
{
    const int64_t now = UtcSeconds(2026, 1, 1, 0, 10, 0);
    const LocalDateTime boot = BootMoment(now, Parts(0, 0, 20, 0));
    EXPECT_EQ("- Boot Time : 12-31-2025 @ 23:50:00", FormatBootTimeText(boot));
}

TEST_F(UtcZone, BootMomentOfAnUptimeBeyond49Days)
{
    const int64_t now = UtcSeconds(2026, 3, 1, 0, 0, 0);
    const LocalDateTime boot = BootMoment(now, SplitUptime(5000000000ULL / 1000));
    // 57 days 20:53:20 before 1 March 2026 (February 2026 has 28 days).
    EXPECT_EQ("- Boot Time : 01-02-2026 @ 03:06:40", FormatBootTimeText(boot));
}
