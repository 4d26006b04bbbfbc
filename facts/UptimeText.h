// Text forms of the uptime, the boot time and today's date-time, built from
// plain numbers so they can be tested without a windowing system.
#pragma once
#include <cstdint>
#include <string>

#include "facts/TimeTypes.h"

// Splits an uptime in whole seconds into days, hours, minutes and seconds.
// The count comes from a 64-bit tick counter, so days are not limited to the
// 49.7 days of a 32-bit millisecond counter; any realistic uptime fits int32.
UptimeParts SplitUptime(uint64_t seconds);

// Builds the uptime line. An all-zero uptime produces no new text: the
// previous text is returned unchanged.
std::string FormatUptimeText(const UptimeParts& up, const std::string& previous);

// "- Boot Time : MM-DD-YYYY @ HH:MM:SS"
std::string FormatBootTimeText(const LocalDateTime& boot);

// "- Today: MM-DD-YYYY HH:MM:SS"
std::string FormatTodayText(const LocalDateTime& now);

// Converts seconds since 1970-01-01 UTC to local calendar time through the C
// runtime. Every field is -1 when the runtime cannot convert the value.
LocalDateTime ToLocalDateTime(int64_t time);

// The local date-time of the moment that lies `up` before `now` (seconds
// since 1970-01-01 UTC).
LocalDateTime BootMoment(int64_t now, const UptimeParts& up);
