// The facts for scripts: ISO 8601 local times with their offset, and the one
// JSON object of --json.
#include "facts/FactsJson.h"

#include <gtest/gtest.h>

#include "core/facts/TimeZoneForTest.h"
#include "facts/IsoTime.h"

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
    EXPECT_EQ(std::optional<std::string>("2021-06-15T14:32:07+02:00"), CimToIso("20210615143207.000000+120"));
    EXPECT_EQ(std::optional<std::string>("2021-06-15T14:32:07-05:00"), CimToIso("20210615143207.000000-300"));
    EXPECT_EQ(std::optional<std::string>("2014-01-01T00:00:00+00:00"), CimToIso("20140101000000.000000+000"));
    EXPECT_EQ(std::optional<int64_t>(1388534400), CimToUnixSeconds("20140101000000.000000+000"));
    EXPECT_EQ(std::optional<int64_t>(1623760327), CimToUnixSeconds("20210615143207.000000+120"));
    EXPECT_EQ(std::optional<int64_t>(1623785527), CimToUnixSeconds("20210615143207.000000-300"));
    for (const char* bad : {"20210615143207", "20210615143207.000000", "20211315143207.000000+120",
                            "2021061514320x.000000+120", "20210615143207.000000*120", ""}) {
        EXPECT_EQ(std::nullopt, CimToIso(bad)) << bad;
        EXPECT_EQ(std::nullopt, CimToUnixSeconds(bad)) << bad;
    }
}

TEST(IsoTime, CalendarDaysAndLocalFieldsToSeconds) {
    EXPECT_EQ(0, DaysFromCivil(1970, 1, 1));
    EXPECT_EQ(-1, DaysFromCivil(1969, 12, 31));
    EXPECT_EQ(11017, DaysFromCivil(2000, 3, 1));
    EXPECT_EQ(19782, DaysFromCivil(2024, 2, 29));
    {
        TimeZoneForTest zone("UTC0");
        EXPECT_EQ(std::optional<int64_t>(1388534400), LocalToUnixSeconds(InstallDateTime{2014, 1, 1, 0, 0, 0}));
    }
    {
        TimeZoneForTest zone("CET-1");
        EXPECT_EQ(std::optional<int64_t>(1388530800), LocalToUnixSeconds(InstallDateTime{2014, 1, 1, 0, 0, 0}));
        EXPECT_EQ(std::nullopt, LocalToUnixSeconds(InstallDateTime{2014, 13, 1, 0, 0, 0}));
    }
}

TEST(FactsJson, StringsAreQuotedAndEscaped) {
    EXPECT_EQ("\"plain\"", JsonString("plain"));
    EXPECT_EQ("\"a\\\"b\\\\c\"", JsonString("a\"b\\c"));
    EXPECT_EQ("\"\\r\\n\\t\\u0001\\u001f\"", JsonString("\r\n\t\x01\x1f"));
    EXPECT_EQ("\"\"", JsonString(""));
}

TEST(FactsJson, AllKeysInOrderWithEveryFactKnown) {
    MachineFacts facts;
    facts.version = "1.0.9";
    facts.uptimeSeconds = 1036800;
    facts.awakeSeconds = 7200;
    facts.bootTime = "2026-11-25T05:00:00+01:00";
    facts.installDate = "2021-06-15T14:32:07+02:00";
    facts.originalInstallDate = "2019-03-14T10:22:05+01:00";
    facts.lastStart = "2026-12-07T08:01:15+01:00";
    facts.lastStartKind = "fast startup";
    facts.installElapsed = "5 years 5 months 20 days 15 hours 52 min 14 sec";
    facts.restartPendingReasons = {"Windows Update", "file rename"};
    EXPECT_EQ("{\r\n"
              "  \"version\": \"1.0.9\",\r\n"
              "  \"uptime_seconds\": 1036800,\r\n"
              "  \"awake_seconds\": 7200,\r\n"
              "  \"boot_time\": \"2026-11-25T05:00:00+01:00\",\r\n"
              "  \"install_date\": \"2021-06-15T14:32:07+02:00\",\r\n"
              "  \"original_install_date\": \"2019-03-14T10:22:05+01:00\",\r\n"
              "  \"last_start\": \"2026-12-07T08:01:15+01:00\",\r\n"
              "  \"last_start_kind\": \"fast startup\",\r\n"
              "  \"install_elapsed\": \"5 years 5 months 20 days 15 hours 52 min 14 sec\",\r\n"
              "  \"restart_pending\": true,\r\n"
              "  \"restart_pending_reasons\": [\"Windows Update\", \"file rename\"]\r\n"
              "}\r\n",
              BuildFactsJson(facts));
}

TEST(FactsJson, UnknownFactsAreNull) {
    MachineFacts facts;
    facts.version = "1.0.9";
    facts.uptimeSeconds = 42;
    EXPECT_EQ("{\r\n"
              "  \"version\": \"1.0.9\",\r\n"
              "  \"uptime_seconds\": 42,\r\n"
              "  \"awake_seconds\": null,\r\n"
              "  \"boot_time\": null,\r\n"
              "  \"install_date\": null,\r\n"
              "  \"original_install_date\": null,\r\n"
              "  \"last_start\": null,\r\n"
              "  \"last_start_kind\": null,\r\n"
              "  \"install_elapsed\": null,\r\n"
              "  \"restart_pending\": false,\r\n"
              "  \"restart_pending_reasons\": []\r\n"
              "}\r\n",
              BuildFactsJson(facts));
}

TEST(FactsJson, ElapsedTextIsTheFourthLineWithoutItsLabel) {
    EXPECT_EQ("5 years 5 months 20 days 15 hours 52 min 14 sec",
              InstallElapsedText(ElapsedParts{5, 5, 20, 15, 52, 14}));
    EXPECT_EQ("0 year 0 months 0 days 0 hours 0 min 55 sec", InstallElapsedText(ElapsedParts{0, 0, 0, 0, 0, 55}));
}
