#include "facts/TimeFacts.h"

#include "facts/UptimeText.h"

const std::string& TimeFacts::UptimeText(uint64_t tickMilliseconds) {
    m_parts = SplitUptime(tickMilliseconds / 1000);
    m_lastUptimeText = FormatUptimeText(m_parts, m_lastUptimeText);
    return m_lastUptimeText;
}

std::string TimeFacts::BootTimeText(uint64_t tickMilliseconds, int64_t now) {
    UptimeText(tickMilliseconds);
    return FormatBootTimeText(BootMoment(now, m_parts));
}

std::string TimeFacts::TodayText(int64_t now) { return FormatTodayText(ToLocalDateTime(now)); }
