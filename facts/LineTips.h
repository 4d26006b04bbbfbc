// The tooltips of the window's boot-time and installation-date lines: what
// the lines themselves can't say. No platform calls; moments are seconds
// since 1970 UTC, shown in local time.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "facts/LastStart.h"

// The boot-time line's tip, lines joined by CR LF:
//   "Last start: 12-07-2026 @ 08:01:15 (fast startup)" when the last start
//   is another start than the boot the uptime counts from;
//   "Awake: 2 days 3 hours 4 min 5 sec (time asleep not counted)".
// Empty when neither is known.
std::string BootLineTip(int64_t bootTime, const std::optional<LastStart>& lastStart,
                        std::optional<uint64_t> awakeSeconds);

// The installation-date line's tip, when the original installation is
// earlier than the current one:
//   "Originally installed: 03-14-2019 @ 10:22:05"
//   "Feature updates of Windows reset the date shown."
// Empty otherwise.
std::string InstallDateLineTip(std::optional<int64_t> originalInstall, std::optional<int64_t> currentInstall);

// "2 days 3 hours 4 min 5 sec"; days and hours are left out while zero.
std::string FormatAwakeDuration(uint64_t seconds);
