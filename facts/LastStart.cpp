#include "facts/LastStart.h"

#include <cstdlib>

namespace {

// The start-time event and the boot-type event of one boot are logged
// seconds apart; ten minutes leaves room for a slow start and excludes the
// previous boot.
const int64_t kSameBootSeconds = 10 * 60;

}  // namespace

std::optional<StartKind> StartKindOfBootType(std::optional<uint64_t> bootType) {
    if (!bootType) return std::nullopt;
    switch (*bootType) {
        case 0: return StartKind::FullBoot;
        case 1: return StartKind::FastStartup;
        case 2: return StartKind::ResumeFromHibernation;
        default: return std::nullopt;
    }
}

std::optional<LastStart> DecideLastStart(const SystemLogStarts& log) {
    if (!log.readable || log.bootTypes.empty()) return std::nullopt;

    const BootTypeEvent* newest = &log.bootTypes.front();
    for (const BootTypeEvent& e : log.bootTypes)
        if (e.loggedAt > newest->loggedAt) newest = &e;

    const std::optional<StartKind> kind = StartKindOfBootType(newest->bootType);
    if (!kind) return std::nullopt;

    LastStart start;
    start.kind = *kind;
    start.time = newest->loggedAt;
    if (*kind == StartKind::FullBoot) {
        int64_t nearest = kSameBootSeconds + 1;
        for (int64_t startTime : log.startTimes) {
            const int64_t distance = std::llabs(startTime - newest->loggedAt);
            if (distance < nearest) {
                nearest = distance;
                start.time = startTime;
            }
        }
    }
    return start;
}

const char* StartKindName(StartKind kind) {
    switch (kind) {
        case StartKind::FastStartup: return "fast startup";
        case StartKind::ResumeFromHibernation: return "resume from hibernation";
        case StartKind::FullBoot: break;
    }
    return "full boot";
}

int64_t FileTimeToUnixSeconds(uint64_t fileTime) {
    const uint64_t kTicksPerSecond = 10000000;
    const int64_t kSecondsFrom1601To1970 = 11644473600LL;
    return static_cast<int64_t>(fileTime / kTicksPerSecond) - kSecondsFrom1601To1970;
}
