#include "facts/UptimeText.h"

#include <climits>
#include <cstdio>
#include <ctime>

UptimeParts SplitUptime(uint64_t seconds)
{
    UptimeParts up;
    const uint64_t totalMinutes = seconds / 60;
    const uint64_t totalHours = totalMinutes / 60;
    up.seconds = static_cast<int32_t>(seconds % 60);
    up.minutes = static_cast<int32_t>(totalMinutes % 60);
    up.hours = static_cast<int32_t>(totalHours % 24);
    up.days = static_cast<int32_t>(totalHours / 24);
    return up;
}

std::string FormatUptimeText(const UptimeParts& up, const std::string& previous)
{
    char buffer[128];
    if (up.days >= 1) {
        // "hour" only for exactly one hour; zero hours reads "0 hours".
        const char* form = (up.hours == 1)
            ? "- Uptime : %i days %i hour %i min %i sec"
            : "- Uptime : %i days %i hours %i min %i sec";
        std::snprintf(buffer, sizeof buffer, form,
                      up.days, up.hours, up.minutes, up.seconds);
    } else if (up.hours >= 2) {
        std::snprintf(buffer, sizeof buffer, "- Uptime : %i hours %i min %i sec",
                      up.hours, up.minutes, up.seconds);
    } else if (up.hours == 1) {
        std::snprintf(buffer, sizeof buffer, "- Uptime : %i hour %i min %i sec",
                      up.hours, up.minutes, up.seconds);
    } else if (up.minutes >= 1 && up.seconds >= 1) {
        std::snprintf(buffer, sizeof buffer, "- Uptime : %i minutes %i seconds",
                      up.minutes, up.seconds);
    } else if (up.minutes >= 1) {
        std::snprintf(buffer, sizeof buffer, "- Uptime : %i minutes %i second",
                      up.minutes, 0);
    } else if (up.seconds >= 1) {
        std::snprintf(buffer, sizeof buffer, "- Uptime : %i seconds", up.seconds);
    } else {
        return previous;
    }
    return buffer;
}

std::string FormatBootTimeText(const LocalDateTime& boot)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "- Boot Time : %02d-%02d-%02d @ %02d:%02d:%02d",
                  boot.month, boot.day, boot.year, boot.hour, boot.minute, boot.second);
    return buffer;
}

std::string FormatTodayText(const LocalDateTime& now)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "- Today: %02d-%02d-%02d %02d:%02d:%02d",
                  now.month, now.day, now.year, now.hour, now.minute, now.second);
    return buffer;
}

LocalDateTime ToLocalDateTime(int64_t time)
{
    LocalDateTime result;
    result.year = result.month = result.day = -1;
    result.hour = result.minute = result.second = -1;

    std::tm parts = {};
#ifdef _WIN32
    const __time64_t value = time;
    if (_localtime64_s(&parts, &value) != 0)
        return result;
#else
    const std::time_t value = static_cast<std::time_t>(time);
    if (static_cast<int64_t>(value) != time || localtime_r(&value, &parts) == nullptr)
        return result;
#endif
    // A year that cannot be held after adding 1900 counts as unconvertible.
    if (parts.tm_year > INT_MAX - 1900)
        return result;

    result.year = parts.tm_year + 1900;
    result.month = parts.tm_mon + 1;
    result.day = parts.tm_mday;
    result.hour = parts.tm_hour;
    result.minute = parts.tm_min;
    result.second = parts.tm_sec;
    return result;
}

LocalDateTime BootMoment(int64_t now, const UptimeParts& up)
{
    const int64_t uptime = static_cast<int64_t>(up.days) * 86400
                         + static_cast<int64_t>(up.hours) * 3600
                         + static_cast<int64_t>(up.minutes) * 60
                         + static_cast<int64_t>(up.seconds);
    return ToLocalDateTime(now - uptime);
}
