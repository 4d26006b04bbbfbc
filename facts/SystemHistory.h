// The machine's recent history, decided from the starts, stops, sleeps and
// wakes of the System log: a timeline of sessions, each from a start to a
// stop, with the time up, asleep and off, and a summary over the span the log
// covers. No platform calls; moments are seconds since 1970 UTC.
//
// Events that contradict each other (two starts without a stop between, a
// stop older than its start, a clock set back) still give a sound timeline:
// times are kept in order, no duration is negative, and the entry says what
// did not add up.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "facts/LastStart.h"
#include "facts/SystemEvent.h"

enum class SessionEnd {
    Running,      // the session the machine is in now
    Shutdown,     // a clean stop (also the shutdown of fast startup)
    Restart,      // a clean stop asked as a restart
    Hibernation,  // entered sleep and came back by resuming from hibernation or a fresh start
    Unexpected,   // no clean stop: power lost, the power button held, a hang
    Crash,        // a stop error (blue screen)
    Unlogged,     // nothing tells of a stop before the next start; counted as unexpected
};

struct SleepSpan {
    int64_t from = 0;
    int64_t to = 0;
    bool woke = true;  // false: the session ended while asleep
};

struct Session {
    bool startLogged = true;  // false: the log begins inside this session
    int64_t start = 0;
    StartKind startKind = StartKind::FullBoot;
    SessionEnd end = SessionEnd::Running;
    int64_t stop = 0;                      // the end; the present moment while running
    bool stopTimeLogged = true;            // false: the last event before the stop stands for it
    std::optional<uint64_t> stopCode;      // of a crash, when logged
    std::optional<StopRequest> request;    // who asked for the stop, and why
    std::vector<SleepSpan> sleeps;         // in order, within start..stop
    int64_t upSeconds = 0;                 // stop - start, time asleep included
    int64_t asleepSeconds = 0;
    std::optional<int64_t> offSecondsAfter;  // from the stop to the next start
    std::string startNote;                 // what did not add up, said beside the start
    std::string endNote;                   // ... and beside the stop
};

struct SystemHistory {
    bool readable = false;
    int64_t now = 0;
    std::vector<Session> sessions;  // oldest first
    std::optional<int64_t> since;   // the first moment the log tells of
};

// The events may come in any order.
SystemHistory BuildSystemHistory(const SystemLogEvents& log, int64_t now);

struct HistorySummary {
    int starts = 0;
    int plannedStops = 0;  // shutdowns, restarts and hibernations
    int restarts = 0;      // of those, restarts
    int unexpectedStops = 0;
    int crashes = 0;
    int64_t secondsOn = 0;  // time asleep included
    int64_t secondsAsleep = 0;
    int64_t secondsOff = 0;
    int64_t longestSession = 0;
    int64_t spanSeconds = 0;
    std::optional<int64_t> availabilityTenths;  // on / span in tenths of a percent; none for an empty span
};

// Over the part of the history from `from` to its present moment; the whole
// history when `from` is not later than its first moment.
HistorySummary Summarize(const SystemHistory& history, int64_t from);
