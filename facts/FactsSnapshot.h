// The facts at one moment, gathered in one place: the window's lines, the
// tooltip, speech, the report, the clipboard, --report and --json all read
// a FactsSnapshot. What the system answered comes in as FactReadings; the
// texts are made from it here, with no platform calls.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "facts/FactsJson.h"
#include "facts/LastStart.h"
#include "facts/PendingRestart.h"
#include "facts/TimeFacts.h"

// What stands for a user or computer name that can't be read.
extern const char kNameNotFound[];

// What the system said, read as close together as possible.
struct FactReadings {
    uint64_t tickMilliseconds = 0;          // since the system started
    int64_t now = 0;                        // seconds since 1970 UTC
    std::string dateTime;                   // the local date-time as the runtime's "%c" prints it
    std::string userName = kNameNotFound;
    std::string computerName = kNameNotFound;
    std::optional<std::string> installCim;  // WMI's InstallDate, once known
    // Read only where they are shown (--json): the window's tips have their own.
    std::optional<uint64_t> awakeSeconds;
    std::optional<int64_t> originalInstall;  // seconds since 1970 UTC
    std::optional<LastStart> lastStart;
    PendingRestart pendingRestart;
};

struct FactsSnapshot {
    std::string uptime;        // "- Uptime : ..."
    std::string bootTime;      // "- Boot Time : ..."
    std::string installDate;   // the date alone, empty until known
    std::string installTime;   // "- OS Installation Time: ..." or empty
    std::string today;         // "- Today: ..."
    std::string userName;      // "Not find" when unknown
    std::string computerName;  // "Not find" when unknown
    std::string dateTime;      // the current local date-time as "%c" prints it
    MachineFacts machine;      // the same facts as numbers and ISO times
};

// `times` keeps the uptime text from one gathering to the next: a reading
// under one second repeats the previous text.
FactsSnapshot GatherFacts(const FactReadings& readings, TimeFacts& times);
