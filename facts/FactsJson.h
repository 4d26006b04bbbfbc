// The facts as one JSON object, for scripts (Tallvox.exe --json). Dates are
// ISO 8601 local time with the offset from UTC; what is not known is null.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "facts/TimeTypes.h"

struct MachineFacts {
    std::string version;
    uint64_t uptimeSeconds = 0;
    std::optional<uint64_t> awakeSeconds;
    std::optional<std::string> bootTime;
    std::optional<std::string> installDate;
    std::optional<std::string> originalInstallDate;
    std::optional<std::string> lastStart;
    std::optional<std::string> lastStartKind;
    std::optional<std::string> installElapsed;
    // Why a restart is pending (PendingRestartReasons); none: no restart is.
    std::vector<std::string> restartPendingReasons;
};

// The keys in this order: version, uptime_seconds, awake_seconds, boot_time,
// install_date, original_install_date, last_start, last_start_kind,
// install_elapsed, restart_pending, restart_pending_reasons. One key a line,
// lines ending in CR LF.
std::string BuildFactsJson(const MachineFacts& facts);

// A JSON string literal: quoted, with quote, backslash and control
// characters escaped. Other bytes pass unchanged.
std::string JsonString(const std::string& text);

// The elapsed text of the window's fourth line without its label:
// "5 years 5 months 20 days 15 hours 52 min 14 sec".
std::string InstallElapsedText(const ElapsedParts& elapsed);
