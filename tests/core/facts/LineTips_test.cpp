// The texts of the tooltips over the boot-time and installation-date lines.
#include "facts/LineTips.h"

#include <gtest/gtest.h>

#include "core/facts/TimeZoneForTest.h"

namespace {

const int64_t kBoot = 1796619600;  // 12-07-2026 @ 05:00:00 UTC
const int64_t kDay = 86400;
const char kAwakeNote[] = " (time asleep not counted)";

struct BootTipCase {
    const char* name;
    std::optional<LastStart> lastStart;
    std::optional<uint64_t> awake;
    std::string expected;
};

}  // namespace

TEST(LineTips, BootLineTellsAnotherStartAndTheTimeAwake) {
    TimeZoneForTest zone("UTC0");
    const BootTipCase cases[] = {
        {"full boot at the boot time: only the time awake",
         LastStart{kBoot + 3, StartKind::FullBoot},
         3725,
         std::string("Awake: 1 hour 2 min 5 sec") + kAwakeNote},
        {"fast startup twelve days after the full boot",
         LastStart{kBoot + 12 * kDay, StartKind::FastStartup},
         7200,
         std::string("Last start: 12-19-2026 @ 05:00:00 (fast startup)\r\nAwake: 2 hours 0 min 0 sec") + kAwakeNote},
        {"resume from hibernation",
         LastStart{kBoot + kDay + 61, StartKind::ResumeFromHibernation},
         90061,
         std::string("Last start: 12-08-2026 @ 05:01:01 (resume from hibernation)\r\nAwake: 1 day 1 hour 1 min 1 sec") +
             kAwakeNote},
        {"a full boot far from the boot time (the clock was set)",
         LastStart{kBoot + 3600, StartKind::FullBoot},
         59,
         std::string("Last start: 12-07-2026 @ 06:00:00 (full boot)\r\nAwake: 0 min 59 sec") + kAwakeNote},
        {"the log could not be read", std::nullopt, 2 * kDay + 3 * 3600 + 4 * 60 + 5,
         std::string("Awake: 2 days 3 hours 4 min 5 sec") + kAwakeNote},
        {"no awake time", LastStart{kBoot + 2 * kDay, StartKind::FastStartup}, std::nullopt,
         "Last start: 12-09-2026 @ 05:00:00 (fast startup)"},
        {"nothing known", std::nullopt, std::nullopt, ""},
    };
    for (const BootTipCase& c : cases) EXPECT_EQ(c.expected, BootLineTip(kBoot, c.lastStart, c.awake)) << c.name;
}

TEST(LineTips, InstallLineTellsAnEarlierOriginalInstallation) {
    TimeZoneForTest zone("UTC0");
    const int64_t current = 1388534400;  // 01-01-2014
    EXPECT_EQ("Originally installed: 01-01-2013 @ 00:00:00\r\nFeature updates of Windows reset the date shown.",
              InstallDateLineTip(current - 365 * kDay, current));
    EXPECT_EQ("", InstallDateLineTip(current, current));
    EXPECT_EQ("", InstallDateLineTip(current + kDay, current));
    EXPECT_EQ("", InstallDateLineTip(std::nullopt, current));
    EXPECT_EQ("", InstallDateLineTip(current - kDay, std::nullopt));
}

TEST(LineTips, AwakeDurationLeavesOutLeadingZeros) {
    const struct {
        uint64_t seconds;
        const char* expected;
    } cases[] = {
        {0, "0 min 0 sec"},
        {61, "1 min 1 sec"},
        {3600, "1 hour 0 min 0 sec"},
        {7199, "1 hour 59 min 59 sec"},
        {86400, "1 day 0 hours 0 min 0 sec"},
        {2 * 86400 + 3600, "2 days 1 hour 0 min 0 sec"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, FormatAwakeDuration(c.seconds)) << c.seconds;
}
