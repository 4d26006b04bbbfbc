// ISO 8601 local times with their offset, from the runtime's zone or from a
// CIM datetime, and calendar fields as seconds since 1970.
#include "facts/IsoTime.h"

#include <gtest/gtest.h>

#include "core/facts/TimeZoneForTest.h"

namespace {

const int64_t kMoment = 1796619600;  // 2026-12-07 05:00:00 UTC

}  // namespace

TEST(IsoTime, OffsetIsWrittenAsSignHoursMinutes) {
    const LocalDateTime t{2026, 12, 7, 12, 31, 24};
    const struct {
        int32_t offset;
        const char* expected;
    } cases[] = {
        {3600, "2026-12-07T12:31:24+01:00"},
        {0, "2026-12-07T12:31:24+00:00"},
        {-5 * 3600, "2026-12-07T12:31:24-05:00"},
        {5 * 3600 + 1800, "2026-12-07T12:31:24+05:30"},
        {-(9 * 3600 + 1800), "2026-12-07T12:31:24-09:30"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, FormatIsoLocal(t, c.offset));
    EXPECT_EQ("2024-02-29T00:00:05+02:00", FormatIsoLocal(LocalDateTime{2024, 2, 29, 0, 0, 5}, 7200));
}

TEST(IsoTime, LocalTimeCarriesTheZonesOffset) {
    const struct {
        const char* zone;
        const char* expected;
    } cases[] = {
        {"UTC0", "2026-12-07T05:00:00+00:00"},
        {"CET-1", "2026-12-07T06:00:00+01:00"},
        {"EST5", "2026-12-07T00:00:00-05:00"},
        {"IST-5:30", "2026-12-07T10:30:00+05:30"},
    };
    for (const auto& c : cases) {
        TimeZoneForTest zone(c.zone);
        EXPECT_EQ(std::optional<std::string>(c.expected), IsoLocalTime(kMoment)) << c.zone;
    }
}

TEST(IsoTime, CimDateTimeKeepsItsOwnOffset) {
    const struct {
        const char* cim;
        std::optional<std::string> iso;
        std::optional<int64_t> seconds;
    } cases[] = {
        {"20210615143207.000000+120", "2021-06-15T14:32:07+02:00", 1623760327},
        {"20210615143207.000000-300", "2021-06-15T14:32:07-05:00", 1623785527},
        {"20140101000000.000000+000", "2014-01-01T00:00:00+00:00", 1388534400},
        {"20210131235959.000000+060", "2021-01-31T23:59:59+01:00", 1612133999},
        {"20210230000000.000000+000", std::nullopt, std::nullopt},  // 30 February
        {"20210431000000.000000+000", std::nullopt, std::nullopt},  // 31 April
        {"20211315143207.000000+120", std::nullopt, std::nullopt},
        {"2021061514320x.000000+120", std::nullopt, std::nullopt},
        {"20210615143207.000000*120", std::nullopt, std::nullopt},
        {"20210615143207.000000", std::nullopt, std::nullopt},
        {"20210615143207", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.iso, CimToIso(c.cim)) << c.cim;
        EXPECT_EQ(c.seconds, CimToUnixSeconds(c.cim)) << c.cim;
    }
}

TEST(IsoTime, CalendarDaysAndLocalFieldsToSeconds) {
    EXPECT_EQ(0, DaysFromCivil(1970, 1, 1));
    EXPECT_EQ(-1, DaysFromCivil(1969, 12, 31));
    EXPECT_EQ(11017, DaysFromCivil(2000, 3, 1));
    EXPECT_EQ(19782, DaysFromCivil(2024, 2, 29));
    const struct {
        const char* zone;
        InstallDateTime local;
        std::optional<int64_t> expected;
    } cases[] = {
        {"UTC0", {2014, 1, 1, 0, 0, 0}, 1388534400},
        {"CET-1", {2014, 1, 1, 0, 0, 0}, 1388530800},
        {"UTC0", {2021, 1, 31, 12, 0, 0}, 1612094400},
        {"UTC0", {2024, 2, 29, 12, 0, 0}, 1709208000},
        {"UTC0", {2021, 2, 30, 12, 0, 0}, std::nullopt},
        {"UTC0", {2023, 2, 29, 12, 0, 0}, std::nullopt},
        {"UTC0", {2021, 4, 31, 12, 0, 0}, std::nullopt},
        {"CET-1", {2014, 13, 1, 0, 0, 0}, std::nullopt},
    };
    for (const auto& c : cases) {
        TimeZoneForTest zone(c.zone);
        EXPECT_EQ(c.expected, LocalToUnixSeconds(c.local))
            << c.zone << " " << c.local.year << "-" << c.local.month << "-" << c.local.day;
    }
}
