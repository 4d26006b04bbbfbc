#include "facts/LineTips.h"

#include <cstdio>

#include "facts/UptimeText.h"

namespace {

// A full boot logged within this distance of the computed boot time is that
// boot: the two are measured from different clocks a few seconds apart.
const int64_t kSameBootSeconds = 5 * 60;

// "MM-DD-YYYY @ HH:MM:SS" in local time, as the boot-time line writes it.
std::optional<std::string> LocalDateText(int64_t utc) {
    const LocalDateTime t = ToLocalDateTime(utc);
    if (t.year < 0) return std::nullopt;
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d @ %02d:%02d:%02d", t.month, t.day, t.year, t.hour, t.minute,
                  t.second);
    return text;
}

const char* Plural(uint64_t count, const char* one, const char* many) { return count == 1 ? one : many; }

bool IsAnotherStart(int64_t bootTime, const LastStart& start) {
    if (start.kind != StartKind::FullBoot) return true;
    const int64_t distance = start.time > bootTime ? start.time - bootTime : bootTime - start.time;
    return distance > kSameBootSeconds;
}

}  // namespace

std::string FormatAwakeDuration(uint64_t seconds) {
    const uint64_t days = seconds / 86400;
    const uint64_t hours = seconds / 3600 % 24;
    const uint64_t minutes = seconds / 60 % 60;
    char text[96];
    if (days > 0)
        std::snprintf(text, sizeof text, "%llu %s %llu %s %llu min %llu sec", static_cast<unsigned long long>(days),
                      Plural(days, "day", "days"), static_cast<unsigned long long>(hours),
                      Plural(hours, "hour", "hours"), static_cast<unsigned long long>(minutes),
                      static_cast<unsigned long long>(seconds % 60));
    else if (hours > 0)
        std::snprintf(text, sizeof text, "%llu %s %llu min %llu sec", static_cast<unsigned long long>(hours),
                      Plural(hours, "hour", "hours"), static_cast<unsigned long long>(minutes),
                      static_cast<unsigned long long>(seconds % 60));
    else
        std::snprintf(text, sizeof text, "%llu min %llu sec", static_cast<unsigned long long>(minutes),
                      static_cast<unsigned long long>(seconds % 60));
    return text;
}

std::string BootLineTip(int64_t bootTime, const std::optional<LastStart>& lastStart,
                        std::optional<uint64_t> awakeSeconds) {
    std::string tip;
    if (lastStart && IsAnotherStart(bootTime, *lastStart)) {
        if (const std::optional<std::string> when = LocalDateText(lastStart->time))
            tip = "Last start: " + *when + " (" + StartKindName(lastStart->kind) + ")";
    }
    if (awakeSeconds) {
        if (!tip.empty()) tip += "\r\n";
        tip += "Awake: " + FormatAwakeDuration(*awakeSeconds) + " (time asleep not counted)";
    }
    return tip;
}

std::string InstallDateLineTip(std::optional<int64_t> originalInstall, std::optional<int64_t> currentInstall) {
    if (!originalInstall || !currentInstall || *originalInstall >= *currentInstall) return std::string();
    const std::optional<std::string> when = LocalDateText(*originalInstall);
    if (!when) return std::string();
    return "Originally installed: " + *when + "\r\nFeature updates of Windows reset the date shown.";
}
