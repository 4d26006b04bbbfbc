// One event of the System log as the machine's history needs it: which event
// it is, when it was logged, and the few values of its data that tell a
// start, a stop, a sleep or a wake. No platform calls: the reader fills these
// from the event's XML.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class SystemEventKind {
    Started,        // Microsoft-Windows-Kernel-General 12: time = StartTime
    BootType,       // Microsoft-Windows-Kernel-Boot 27: code = BootType (0 full boot, 1 fast startup, 2 hibernation)
    Stopping,       // Microsoft-Windows-Kernel-General 13: time = StopTime (a clean stop of the kernel)
    StopRequested,  // User32 1074: request = who asked for a shutdown or restart, and why
    DirtyStart,     // Microsoft-Windows-Kernel-Power 41, logged at the next start: code = BugcheckCode (0: none)
    UnexpectedStop, // EventLog 6008, logged at the next start: time = the moment of the unexpected stop
    BugCheck,       // Microsoft-Windows-WER-SystemErrorReporting 1001, after the next start: code = the stop code
    EnteringSleep,  // Microsoft-Windows-Kernel-Power 42
    Woke,           // Microsoft-Windows-Power-Troubleshooter 1: time = SleepTime, wakeTime = WakeTime
};

// The data of User32 1074, which is logged as param1 to param7.
struct StopRequest {
    std::string process;     // param1, e.g. "C:\Windows\system32\shutdown.exe (PC)"
    std::string computer;    // param2
    std::string reason;      // param3, e.g. "Operating System: Upgrade (Planned)"
    std::string reasonCode;  // param4, e.g. "0x80020003"
    std::string action;      // param5: "restart", "power off" or "shutdown"
    std::string comment;     // param6
    std::string user;        // param7, e.g. "NT AUTHORITY\SYSTEM"
};

struct SystemEvent {
    SystemEventKind kind = SystemEventKind::Started;
    int64_t loggedAt = 0;               // TimeCreated, seconds since 1970 UTC
    std::optional<int64_t> time;        // see the kinds above; seconds since 1970 UTC
    std::optional<int64_t> wakeTime;    // seconds since 1970 UTC
    std::optional<uint64_t> code;       // see the kinds above
    StopRequest request;                // StopRequested only
};

// What was read from the System log.
struct SystemLogEvents {
    // False when the log could not be read at all: no event log API, no
    // right to read, or a failing query.
    bool readable = false;
    std::vector<SystemEvent> events;  // in any order
};
