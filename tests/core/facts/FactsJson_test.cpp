// The facts for scripts: the one JSON object of --json.
#include "facts/FactsJson.h"

#include <gtest/gtest.h>

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
