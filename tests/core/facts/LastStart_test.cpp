// How the system last started, decided from the boot-type and start-time
// events of the System log.
#include "facts/LastStart.h"

#include <gtest/gtest.h>

namespace {

const int64_t T = 1796619600;  // the newest boot-type event was logged then
const int64_t kDay = 86400;

SystemLogStarts Log(std::vector<BootTypeEvent> bootTypes, std::vector<int64_t> startTimes = {}) {
    SystemLogStarts log;
    log.readable = true;
    log.bootTypes = std::move(bootTypes);
    log.startTimes = std::move(startTimes);
    return log;
}

struct DecisionCase {
    const char* name;
    SystemLogStarts log;
    std::optional<int64_t> time;  // none: no last start is told
    StartKind kind;
};

}  // namespace

TEST(LastStart, BootTypeDecidesTheKindAndNothingIsGuessed) {
    SystemLogStarts unreadable = Log({{T, 1}});
    unreadable.readable = false;
    const DecisionCase cases[] = {
        {"full boot: the start time of that boot", Log({{T, 0}}, {T - 4}), T - 4, StartKind::FullBoot},
        {"full boot without a start-time event", Log({{T, 0}}), T, StartKind::FullBoot},
        {"full boot, start time of an older boot", Log({{T, 0}}, {T - 2 * kDay}), T, StartKind::FullBoot},
        {"full boot, the nearest start time", Log({{T, 0}}, {T - 2 * kDay, T - 30, T - 3}), T - 3, StartKind::FullBoot},
        {"full boot, a start time ten minutes before", Log({{T, 0}}, {T - 600}), T - 600, StartKind::FullBoot},
        {"full boot, one a second further is another boot's", Log({{T, 0}}, {T - 601}), T, StartKind::FullBoot},
        {"full boot, a start time ten minutes after", Log({{T, 0}}, {T + 600}), T + 600, StartKind::FullBoot},
        {"fast startup", Log({{T, 1}}, {T - 12 * kDay}), T, StartKind::FastStartup},
        {"resume from hibernation", Log({{T, 2}}, {T - 3 * kDay}), T, StartKind::ResumeFromHibernation},
        {"the newest event decides, in any order",
         Log({{T - 5 * kDay, 0}, {T, 1}, {T - 2 * kDay, 2}}),
         T,
         StartKind::FastStartup},
        {"no events", Log({}), std::nullopt, StartKind::FullBoot},
        {"an unreadable log", unreadable, std::nullopt, StartKind::FullBoot},
        {"an unknown boot type", Log({{T, 7}}), std::nullopt, StartKind::FullBoot},
        {"an event without its boot type", Log({{T, std::nullopt}}), std::nullopt, StartKind::FullBoot},
        {"an older known event does not stand in", Log({{T - kDay, 0}, {T, 9}}), std::nullopt, StartKind::FullBoot},
    };
    for (const DecisionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<LastStart> start = DecideLastStart(c.log);
        ASSERT_EQ(c.time.has_value(), start.has_value());
        if (!start) continue;
        EXPECT_EQ(*c.time, start->time);
        EXPECT_EQ(c.kind, start->kind);
    }
}

TEST(LastStart, KindNames) {
    EXPECT_STREQ("full boot", StartKindName(StartKind::FullBoot));
    EXPECT_STREQ("fast startup", StartKindName(StartKind::FastStartup));
    EXPECT_STREQ("resume from hibernation", StartKindName(StartKind::ResumeFromHibernation));
}

TEST(LastStart, FileTimeBecomesSecondsSince1970) {
    const uint64_t k1970 = 116444736000000000ULL;
    EXPECT_EQ(0, FileTimeToUnixSeconds(k1970));
    EXPECT_EQ(T, FileTimeToUnixSeconds(k1970 + static_cast<uint64_t>(T) * 10000000 + 9999999));
    EXPECT_EQ(-1, FileTimeToUnixSeconds(k1970 - 10000000));
}
