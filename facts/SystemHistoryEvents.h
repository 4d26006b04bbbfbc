// The history as a flat list of events for display and for scripts: each
// start, stop, sleep and wake with its moment, a short detail, and the time
// that went before it (up before a stop, off before a start, asleep before a
// wake). No platform calls.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "facts/SystemHistory.h"

enum class HistoryEventKind { Start, Stop, Restart, UnexpectedStop, Crash, Sleep, Wake };

struct HistoryEvent {
    int64_t time = 0;  // seconds since 1970 UTC
    HistoryEventKind kind = HistoryEventKind::Start;
    std::string detail;
    std::optional<int64_t> secondsBefore;
};

// Oldest first.
std::vector<HistoryEvent> ListHistoryEvents(const SystemHistory& history);

// "start", "stop", "restart", "unexpected stop", "crash", "sleep", "wake".
const char* HistoryEventName(HistoryEventKind kind);

// What the time before an event was: "off", "up" or "asleep".
const char* TimeBeforeName(HistoryEventKind kind);
