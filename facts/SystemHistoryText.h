// The history as text: the table and summary of --history, the object of
// --history --json, and the lines the uptime line's tooltip gains. Moments
// are shown in local time through the C runtime's zone; lines end in CR LF.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "facts/PendingRestart.h"
#include "facts/SystemHistory.h"

// The events, one a line under a header, columns aligned:
//   Date        Time      Event  Detail     Up/off before
//   03-02-2026  08:00:00  start  full boot
//   03-02-2026  18:00:00  stop   shut down  up 10 hours 0 min 0 sec
// then an empty line and the summary:
//   Since: 03-02-2026 08:00:00
//   Starts: 1, planned stops: 1, unexpected stops: 0, crashes: 0
//   On: 10 hours 0 min 0 sec, asleep: 0 min 0 sec, off: 0 min 0 sec
//   Longest session: 10 hours 0 min 0 sec
//   Availability: 83.3 %
// One sentence instead when the log can't be read or tells nothing.
std::string HistoryText(const SystemHistory& history);

// Rows of fields, the header first.
using TextTable = std::vector<std::vector<std::string>>;

// The events as the table above has them, the header first; no rows but the
// header when the log can't be read or tells nothing.
TextTable HistoryTable(const SystemHistory& history);

// One row a line, the fields joined by tabs (a tab or line end within a
// field becomes a space), lines ending in CR LF: what the History window
// copies.
std::string TabSeparated(const TextTable& rows);

// RFC 4180: a field holding a comma, a double quote or a line end is put in
// double quotes, its quotes doubled; lines end in CR LF.
std::string CommaSeparated(const TextTable& rows);

// What the History window shows above its list: the summary of HistoryText
// (or the sentence saying why there is none), then whether a restart is
// pending.
std::string HistoryWindowSummary(const SystemHistory& history, const PendingRestart& pending);

// The keys in this order: readable, since, events (time, event, detail),
// summary (starts, planned_stops, unexpected_stops, crashes, seconds_on,
// seconds_asleep, seconds_off, availability_percent).
std::string HistoryJson(const SystemHistory& history);

// "Last 30 days: 2 restarts, 1 unexpected stop, availability 99.2 %" when the
// log was read, and "Restart pending (Windows Update)" when one is; joined by
// CR LF, empty when there is neither.
std::string HistoryTip(const SystemHistory& history, const PendingRestart& pending);
