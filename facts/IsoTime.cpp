#include "facts/IsoTime.h"

#include <cstdio>
#include <ctime>

#include "facts/InstallDateText.h"
#include "facts/UptimeText.h"

namespace {

// The offset in minutes written at the end of a CIM datetime: a sign at
// position 21 and three digits.
std::optional<int32_t> CimOffsetMinutes(const std::string& cim) {
    if (cim.size() < 25 || (cim[21] != '+' && cim[21] != '-')) return std::nullopt;
    int32_t minutes = 0;
    for (std::size_t i = 22; i < 25; ++i) {
        if (cim[i] < '0' || cim[i] > '9') return std::nullopt;
        minutes = minutes * 10 + (cim[i] - '0');
    }
    return cim[21] == '-' ? -minutes : minutes;
}

int64_t FieldsAsUtcSeconds(int64_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second) {
    return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

}  // namespace

int64_t DaysFromCivil(int64_t year, int32_t month, int32_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::string FormatIsoLocal(const LocalDateTime& local, int32_t offsetSeconds) {
    const int32_t minutes = (offsetSeconds < 0 ? -offsetSeconds : offsetSeconds) / 60;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.year, local.month, local.day,
                  local.hour, local.minute, local.second, offsetSeconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

std::optional<std::string> IsoLocalTime(int64_t utc) {
    const LocalDateTime local = ToLocalDateTime(utc);
    if (local.year < 0) return std::nullopt;
    const int64_t offset =
        FieldsAsUtcSeconds(local.year, local.month, local.day, local.hour, local.minute, local.second) - utc;
    return FormatIsoLocal(local, static_cast<int32_t>(offset));
}

std::optional<std::string> CimToIso(const std::string& cim) {
    InstallDateTime t;
    const std::optional<int32_t> offset = CimOffsetMinutes(cim);
    if (!ParseCimDateTime(cim, &t, nullptr) || !offset) return std::nullopt;
    const LocalDateTime local{t.year, t.month, t.day, t.hour, t.minute, t.second};
    return FormatIsoLocal(local, *offset * 60);
}

std::optional<int64_t> CimToUnixSeconds(const std::string& cim) {
    InstallDateTime t;
    const std::optional<int32_t> offset = CimOffsetMinutes(cim);
    if (!ParseCimDateTime(cim, &t, nullptr) || !offset) return std::nullopt;
    return FieldsAsUtcSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second) - int64_t{*offset} * 60;
}

std::optional<int64_t> LocalToUnixSeconds(const InstallDateTime& local) {
    // mktime would carry 30 February into March: a moment that never was
    // gets no number.
    if (!IsCalendarMoment(local)) return std::nullopt;
    std::tm fields = {};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = -1;  // the zone's rule for that day decides
    const std::time_t seconds = std::mktime(&fields);
    if (seconds == static_cast<std::time_t>(-1)) return std::nullopt;
    return static_cast<int64_t>(seconds);
}
