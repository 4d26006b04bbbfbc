// When the system last started and how, decided from the System event log.
//
// The uptime counts from the last full boot. With fast startup, "shut down"
// hibernates the kernel, so a PC switched on this morning may count days of
// uptime. The kernel logs every start with its kind: event 27 of
// Microsoft-Windows-Kernel-Boot ("The boot type was ...") carries BootType,
// 0 a full boot, 1 a fast startup (hybrid boot), 2 a resume from hibernation.
// A full boot also logs event 12 of Microsoft-Windows-Kernel-General, whose
// StartTime is the moment the system started. No platform calls here: the
// events arrive as plain numbers.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

enum class StartKind { FullBoot, FastStartup, ResumeFromHibernation };

// One boot-type event: when it was logged, and its BootType if it has one.
struct BootTypeEvent {
    int64_t loggedAt = 0;  // seconds since 1970 UTC
    std::optional<uint64_t> bootType;
};

// What was read from the System log.
struct SystemLogStarts {
    // False when the log could not be read at all: no event log API, no
    // right to read, or a failing query.
    bool readable = false;
    std::vector<BootTypeEvent> bootTypes;  // in any order
    std::vector<int64_t> startTimes;       // StartTime of the full-boot events, seconds since 1970 UTC
};

struct LastStart {
    int64_t time = 0;  // seconds since 1970 UTC
    StartKind kind = StartKind::FullBoot;
};

// The newest boot-type event decides. Nothing is guessed: an unreadable log,
// no boot-type event, or a newest event without a known BootType gives none.
// For a full boot, the StartTime logged at that boot (within ten minutes of
// the boot-type event) is the more exact moment and is taken instead.
std::optional<LastStart> DecideLastStart(const SystemLogStarts& log);

// A Kernel-Boot 27 BootType as a kind of start; none for another value.
std::optional<StartKind> StartKindOfBootType(std::optional<uint64_t> bootType);

// "full boot", "fast startup", "resume from hibernation".
const char* StartKindName(StartKind kind);

// A FILETIME (100 ns intervals since 1601 UTC) in whole seconds since 1970 UTC.
int64_t FileTimeToUnixSeconds(uint64_t fileTime);
