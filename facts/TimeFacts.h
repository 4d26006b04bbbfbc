// The time facts as the main window keeps them: the last uptime split and
// text, fed with clock readings by the caller. No platform calls, so the
// window's behaviour past 49.7 days of uptime is testable anywhere.
#pragma once
#include <cstdint>
#include <string>

#include "facts/TimeTypes.h"

class TimeFacts {
public:
    // The uptime line for a millisecond tick count since start. A count under
    // one second gives no new text: the previous line is returned.
    const std::string& UptimeText(uint64_t tickMilliseconds);

    // The boot-time line: `now` (seconds since 1970 UTC) minus the uptime of
    // the same reading, in local time.
    std::string BootTimeText(uint64_t tickMilliseconds, int64_t now);

    static std::string TodayText(int64_t now);

    const UptimeParts& Parts() const { return m_parts; }

private:
    UptimeParts m_parts;
    std::string m_lastUptimeText;
};
