#include "facts/InstallDateText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Fields(const InstallDateTime& t)
{
    return std::to_string(t.year) + "/" + std::to_string(t.month) + "/" + std::to_string(t.day) + " " +
           std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second);
}

}  // namespace

// The offset is ignored; either output may be left out.
TEST(ParseCimDateTime, ReadsTheNumbersAndBuildsTheDisplayText)
{
    const struct {
        const char* cim;
        const char* fields;
        const char* text;
    } cases[] = {
        {"20210615143207.000000+120", "2021/6/15 14:32:7", "06-15-2021  @ 14:32:07"},
        {"20210615143207.000000-300", "2021/6/15 14:32:7", "06-15-2021  @ 14:32:07"},
        {"19991231235958", "1999/12/31 23:59:58", "12-31-1999  @ 23:59:58"},  // fourteen digits are enough
        {"20210131000000", "2021/1/31 0:0:0", "01-31-2021  @ 00:00:00"},
        {"20240229120000", "2024/2/29 12:0:0", "02-29-2024  @ 12:00:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cim);
        InstallDateTime out;
        std::string text;
        ASSERT_TRUE(ParseCimDateTime(c.cim, &out, &text));
        EXPECT_EQ(c.fields, Fields(out));
        EXPECT_EQ(c.text, text);
        InstallDateTime alone;
        ASSERT_TRUE(ParseCimDateTime(c.cim, &alone, nullptr));
        EXPECT_EQ(c.fields, Fields(alone));
        EXPECT_TRUE(ParseCimDateTime(c.cim, nullptr, &text));
    }
}

class ParseCimDateTimeRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseCimDateTimeRejects, AndLeavesOutputsUntouched)
{
    InstallDateTime out{1, 2, 3, 4, 5, 6};
    std::string text = "unchanged";
    EXPECT_FALSE(ParseCimDateTime(GetParam(), &out, &text));
    EXPECT_EQ("1/2/3 4:5:6", Fields(out));
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
                                           "22000229000000",             // nor is 2200
                                           "20210431000000",             // April 31
                                           "20210615240000",             // hour 24
                                           "20210615146000",             // minute 60
                                           "20210615143260"));           // second 60

// From the installation to now, borrowing calendar month lengths; never
// negative.
TEST(ComputeElapsed, BorrowsCalendarMonthLengthsAndNeverGoesNegative)
{
    const std::string zero = "0 year 0 months 0 days 0 hours 0 min 0 sec";
    const struct {
        const char* name;
        InstallDateTime install;
        LocalDateTime now;
        std::string expected;  // after "- OS Installation Time: "
    } cases[] = {
        // Differences 5, 6, -9, -8, -8, 14 borrow up to the days, which take
        // November's 30 days.
        {"borrows through every field", {2021, 6, 15, 14, 32, 7}, {2026, 12, 6, 6, 24, 21},
         "5 years 5 months 20 days 15 hours 52 min 14 sec"},
        {"seconds borrow from the minute", {2026, 4, 10, 10, 59, 10}, {2026, 4, 10, 11, 0, 5},
         "0 year 0 months 0 days 0 hours 0 min 55 sec"},
        {"one year and a day", {2020, 5, 10, 8, 0, 0}, {2021, 5, 11, 8, 0, 0}, "1 year 0 months 1 days 0 hours 0 min 0 sec"},
        {"a day borrowed in April takes March's length", {2026, 3, 31, 12, 0, 0}, {2026, 4, 1, 0, 0, 0},
         "0 year 0 months 0 days 12 hours 0 min 0 sec"},
        {"a day borrowed in January takes December's", {2025, 12, 20, 10, 0, 0}, {2026, 1, 5, 10, 0, 0},
         "0 year 0 months 16 days 0 hours 0 min 0 sec"},
        {"February of a leap year has 29 days", {2024, 2, 15, 12, 0, 0}, {2024, 3, 14, 12, 0, 0},
         "0 year 0 months 28 days 0 hours 0 min 0 sec"},
        {"February of a common year has 28", {2023, 2, 15, 12, 0, 0}, {2023, 3, 14, 12, 0, 0},
         "0 year 0 months 27 days 0 hours 0 min 0 sec"},
        {"2100 is no leap year", {2100, 2, 15, 12, 0, 0}, {2100, 3, 14, 12, 0, 0},
         "0 year 0 months 27 days 0 hours 0 min 0 sec"},
        {"2000 is one", {2000, 2, 15, 12, 0, 0}, {2000, 3, 14, 12, 0, 0}, "0 year 0 months 28 days 0 hours 0 min 0 sec"},
        // Differences 0, 2, -29, -1: hours become 23 and days -30; February
        // 2024 (29) leaves -1, so January (31) is borrowed too.
        {"end of January to March of a leap year", {2024, 1, 30, 10, 0, 0}, {2024, 3, 1, 9, 0, 0},
         "0 year 0 months 30 days 23 hours 0 min 0 sec"},
        // February 2023 (28) leaves -1, January (31) gives 30 days: the real
        // count from 31 January to 2 March.
        {"installed on the 31st, now early in March", {2023, 1, 31, 0, 0, 0}, {2023, 3, 2, 0, 0, 0},
         "0 year 0 months 30 days 0 hours 0 min 0 sec"},
        {"installed on the 31st a year earlier", {2023, 1, 31, 0, 0, 0}, {2024, 3, 1, 0, 0, 0},
         "1 year 0 months 30 days 0 hours 0 min 0 sec"},
        {"the clock set a year before the installation", {2027, 1, 1, 0, 0, 0}, {2026, 12, 6, 6, 24, 21}, zero},
        {"the clock set a second before", {2026, 12, 6, 6, 24, 22}, {2026, 12, 6, 6, 24, 21}, zero},
        {"the clock set a day before", {2026, 12, 7, 0, 0, 0}, {2026, 12, 6, 23, 59, 59}, zero},
        {"the same moment", {2026, 12, 6, 6, 24, 21}, {2026, 12, 6, 6, 24, 21}, zero},
        {"an unconvertible clock", {2021, 6, 15, 14, 32, 7}, {-1, -1, -1, -1, -1, -1}, zero},
        // Two digits of a CIM text can hold a month or a second of 99.
        {"a month of 99", {2021, 99, 1, 0, 0, 0}, {2022, 1, 1, 0, 0, 0}, zero},
        {"99 seconds past midnight reads as 00:01:39", {2026, 5, 1, 0, 0, 99}, {2026, 5, 2, 0, 0, 0},
         "0 year 0 months 0 days 23 hours 58 min 21 sec"},
    };
    for (const auto& c : cases)
        EXPECT_EQ("- OS Installation Time: " + c.expected, FormatInstallTimeText(ComputeElapsed(c.now, c.install)))
            << c.name;
}

TEST(FormatInstallTimeText, YearIsSingularBelowTwoYears)
{
    const struct {
        ElapsedParts elapsed;
        const char* expected;
    } cases[] = {
        {{0, 1, 1, 1, 1, 1}, "- OS Installation Time: 0 year 1 months 1 days 1 hours 1 min 1 sec"},
        {{1, 11, 30, 23, 59, 59}, "- OS Installation Time: 1 year 11 months 30 days 23 hours 59 min 59 sec"},
        {{2, 0, 0, 0, 0, 0}, "- OS Installation Time: 2 years 0 months 0 days 0 hours 0 min 0 sec"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, FormatInstallTimeText(c.elapsed));
}
