#include "facts/InstallDateText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LocalDateTime Now(int32_t year, int32_t month, int32_t day,
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

InstallDateTime Installed(int32_t year, int32_t month, int32_t day,
                          int32_t hour, int32_t minute, int32_t second)
{
    InstallDateTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

std::string ElapsedText(const InstallDateTime& install, const LocalDateTime& now)
{
    return FormatInstallTimeText(ComputeElapsed(now, install));
}

ElapsedParts Elapsed(int32_t years, int32_t months, int32_t days,
                     int32_t hours, int32_t minutes, int32_t seconds)
{
    ElapsedParts e;
    e.years = years;
    e.months = months;
    e.days = days;
    e.hours = hours;
    e.minutes = minutes;
    e.seconds = seconds;
    return e;
}

}  // namespace

// --- ParseCimDateTime ---------------------------------------------------

TEST(ParseCimDateTime, ReadsNumbersAndBuildsDisplayText)
{
    InstallDateTime out;
    std::string text;
    ASSERT_TRUE(ParseCimDateTime("20210615143207.000000+120", &out, &text));
    EXPECT_EQ(2021, out.year);
    EXPECT_EQ(6, out.month);
    EXPECT_EQ(15, out.day);
    EXPECT_EQ(14, out.hour);
    EXPECT_EQ(32, out.minute);
    EXPECT_EQ(7, out.second);
    EXPECT_EQ("06-15-2021  @ 14:32:07", text);
}

TEST(ParseCimDateTime, IgnoresTheUtcOffset)
{
    InstallDateTime plus;
    InstallDateTime minus;
    std::string plusText;
    std::string minusText;
    ASSERT_TRUE(ParseCimDateTime("20210615143207.000000+120", &plus, &plusText));
    ASSERT_TRUE(ParseCimDateTime("20210615143207.000000-300", &minus, &minusText));
    EXPECT_EQ(plusText, minusText);
    EXPECT_EQ(plus.year, minus.year);
    EXPECT_EQ(plus.month, minus.month);
    EXPECT_EQ(plus.day, minus.day);
    EXPECT_EQ(plus.hour, minus.hour);
    EXPECT_EQ(plus.minute, minus.minute);
    EXPECT_EQ(plus.second, minus.second);
}

TEST(ParseCimDateTime, FourteenDigitsAreEnough)
{
    InstallDateTime out;
    std::string text;
    ASSERT_TRUE(ParseCimDateTime("19991231235958", &out, &text));
    EXPECT_EQ(1999, out.year);
    EXPECT_EQ(58, out.second);
    EXPECT_EQ("12-31-1999  @ 23:59:58", text);
}

TEST(ParseCimDateTime, TextOutputIsOptional)
{
    InstallDateTime out;
    ASSERT_TRUE(ParseCimDateTime("20210615143207.000000+120", &out, nullptr));
    EXPECT_EQ(2021, out.year);
    EXPECT_EQ(7, out.second);
}

class ParseCimDateTimeRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseCimDateTimeRejects, AndLeavesOutputsUntouched)
{
    InstallDateTime out = Installed(1, 2, 3, 4, 5, 6);
    std::string text = "unchanged";
    EXPECT_FALSE(ParseCimDateTime(GetParam(), &out, &text));
    EXPECT_EQ(1, out.year);
    EXPECT_EQ(2, out.month);
    EXPECT_EQ(3, out.day);
    EXPECT_EQ(4, out.hour);
    EXPECT_EQ(5, out.minute);
    EXPECT_EQ(6, out.second);
    EXPECT_EQ("unchanged", text);
}

INSTANTIATE_TEST_SUITE_P(MalformedTexts, ParseCimDateTimeRejects,
                         ::testing::Values("",
                                           "2021061514320",              // 13 characters
                                           "2021x615143207.000000+000",  // letter in the month
                                           "2021061514320x.000000+000",  // last digit missing
                                           "x0210615143207.000000+000",  // first digit missing
                                           "2021-06-15 14:32:07",
                                           " 20210615143207",
                                           "00000000000000",             // month and day 0
                                           "20211315143207",             // month 13
                                           "20210230143207",             // February 30
                                           "20230229000000",             // not a leap year
                                           "20210615240000",             // hour 24
                                           "20210615146000",             // minute 60
                                           "20210615143260"));           // second 60

// --- ComputeElapsed ----------------------------------------------------

TEST(ComputeElapsed, BorrowsThroughEveryField)
{
    // Differences 5, 6, -9, -8, -8, 14 borrow up to the days, which take
    // November's 30 days.
    EXPECT_EQ("- OS Installation Time: 5 years 5 months 20 days 15 hours 52 min 14 sec",
              ElapsedText(Installed(2021, 6, 15, 14, 32, 7), Now(2026, 12, 6, 6, 24, 21)));
}

TEST(ComputeElapsed, SecondsBorrowFromTheMinute)
{
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 0 days 0 hours 0 min 55 sec",
              ElapsedText(Installed(2026, 4, 10, 10, 59, 10), Now(2026, 4, 10, 11, 0, 5)));
}

TEST(ComputeElapsed, OneYearAndADay)
{
    EXPECT_EQ("- OS Installation Time: 1 year 0 months 1 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2020, 5, 10, 8, 0, 0), Now(2021, 5, 11, 8, 0, 0)));
}

TEST(ComputeElapsed, DayBorrowInAprilTakesMarchsLength)
{
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 0 days 12 hours 0 min 0 sec",
              ElapsedText(Installed(2026, 3, 31, 12, 0, 0), Now(2026, 4, 1, 0, 0, 0)));
}

TEST(ComputeElapsed, DayBorrowInJanuaryTakesDecemberOfThePreviousYear)
{
    // 20 December to 5 January is 16 days.
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 16 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2025, 12, 20, 10, 0, 0), Now(2026, 1, 5, 10, 0, 0)));
}

TEST(ComputeElapsed, FebruaryOfALeapYearHas29Days)
{
    // 15 February to 14 March: 14 days left in February 2024, then 14 in March.
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 28 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2024, 2, 15, 12, 0, 0), Now(2024, 3, 14, 12, 0, 0)));
}

TEST(ComputeElapsed, FebruaryOfACommonYearHas28Days)
{
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 27 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2023, 2, 15, 12, 0, 0), Now(2023, 3, 14, 12, 0, 0)));
}

TEST(ComputeElapsed, CenturyYearsFollowTheGregorianLeapRule)
{
    // 2100 is not a leap year, 2000 is.
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 27 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2100, 2, 15, 12, 0, 0), Now(2100, 3, 14, 12, 0, 0)));
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 28 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2000, 2, 15, 12, 0, 0), Now(2000, 3, 14, 12, 0, 0)));
}

TEST(ComputeElapsed, EndOfJanuaryToMarchInALeapYear)
{
    // Differences 0, 2, -29, -1: hours become 23 and days -30; February 2024
    // (29) leaves -1, so January (31) is borrowed too: 30 days, 0 months.
    // Indeed 30 January 10:00 to 1 March 09:00 is 31 days less one hour.
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 30 days 23 hours 0 min 0 sec",
              ElapsedText(Installed(2024, 1, 30, 10, 0, 0), Now(2024, 3, 1, 9, 0, 0)));
}

TEST(ComputeElapsed, InstalledOnThe31stAndNowEarlyInMarchIsNeverNegative)
{
    // Differences 0, 2, -29: February 2023 (28) leaves -1, so January (31) is
    // borrowed as well, giving 30 days and 0 months, which is the real count
    // from 31 January to 2 March 2023 (28 days of February plus 2).
    const ElapsedParts e = ComputeElapsed(Now(2023, 3, 2, 0, 0, 0), Installed(2023, 1, 31, 0, 0, 0));
    EXPECT_EQ(0, e.years);
    EXPECT_EQ(0, e.months);
    EXPECT_EQ(30, e.days);
    EXPECT_EQ(0, e.hours);
    EXPECT_EQ(0, e.minutes);
    EXPECT_EQ(0, e.seconds);
}

TEST(ComputeElapsed, InstalledOnThe31stAYearEarlier)
{
    // Differences 1, 2, -30: February 2024 (29) leaves -1, January (31) then
    // gives 30 days; the months fall from 2 to 0.
    EXPECT_EQ("- OS Installation Time: 1 year 0 months 30 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2023, 1, 31, 0, 0, 0), Now(2024, 3, 1, 0, 0, 0)));
}

TEST(ComputeElapsed, ClockSetBeforeTheInstallationGivesZero)
{
    const std::string zero = "- OS Installation Time: 0 year 0 months 0 days 0 hours 0 min 0 sec";
    EXPECT_EQ(zero, ElapsedText(Installed(2027, 1, 1, 0, 0, 0), Now(2026, 12, 6, 6, 24, 21)));
    EXPECT_EQ(zero, ElapsedText(Installed(2026, 12, 6, 6, 24, 22), Now(2026, 12, 6, 6, 24, 21)));
    EXPECT_EQ(zero, ElapsedText(Installed(2026, 12, 7, 0, 0, 0), Now(2026, 12, 6, 23, 59, 59)));
}

TEST(ComputeElapsed, SameMomentGivesZero)
{
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 0 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2026, 12, 6, 6, 24, 21), Now(2026, 12, 6, 6, 24, 21)));
}

TEST(ComputeElapsed, UnconvertibleClockGivesZero)
{
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 0 days 0 hours 0 min 0 sec",
              ElapsedText(Installed(2021, 6, 15, 14, 32, 7), Now(-1, -1, -1, -1, -1, -1)));
}

TEST(ComputeElapsed, OutOfRangeInstallFieldsNeverGiveNegativeCounts)
{
    // Two digits of a CIM text can hold a month of 99 or a second of 99.
    const ElapsedParts month = ComputeElapsed(Now(2022, 1, 1, 0, 0, 0), Installed(2021, 99, 1, 0, 0, 0));
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 0 days 0 hours 0 min 0 sec",
              FormatInstallTimeText(month));

    // 99 seconds past midnight reads as 00:01:39.
    EXPECT_EQ("- OS Installation Time: 0 year 0 months 0 days 23 hours 58 min 21 sec",
              ElapsedText(Installed(2026, 5, 1, 0, 0, 99), Now(2026, 5, 2, 0, 0, 0)));
}

// --- FormatInstallTimeText ---------------------------------------------

TEST(FormatInstallTimeText, YearIsSingularBelowTwo)
{
    EXPECT_EQ("- OS Installation Time: 0 year 1 months 1 days 1 hours 1 min 1 sec",
              FormatInstallTimeText(Elapsed(0, 1, 1, 1, 1, 1)));
    EXPECT_EQ("- OS Installation Time: 1 year 11 months 30 days 23 hours 59 min 59 sec",
              FormatInstallTimeText(Elapsed(1, 11, 30, 23, 59, 59)));
}

TEST(FormatInstallTimeText, YearsArePluralFromTwo)
{
    EXPECT_EQ("- OS Installation Time: 2 years 0 months 0 days 0 hours 0 min 0 sec",
              FormatInstallTimeText(Elapsed(2, 0, 0, 0, 0, 0)));
}
