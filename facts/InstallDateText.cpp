#include "facts/InstallDateText.h"

#include <cstddef>
#include <cstdio>

namespace {

const std::size_t kCimDigits = 14;  // yyyymmddHHMMSS

int32_t PieceValue(const std::string& cim, std::size_t start, std::size_t length)
{
    int32_t value = 0;
    for (std::size_t i = start; i < start + length; ++i)
        value = value * 10 + (cim[i] - '0');
    return value;
}

bool IsLeapYear(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t DaysInMonth(int32_t year, int32_t month)
{
    static const int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    // Out-of-range months only come from malformed input; keep the index valid.
    const int32_t index = ((month - 1) % 12 + 12) % 12;
    return kLengths[index];
}

// Orders two date-times field by field, from the year down to the second.
bool IsLater(const InstallDateTime& install, const LocalDateTime& now)
{
    const int32_t a[6] = {install.year, install.month, install.day,
                          install.hour, install.minute, install.second};
    const int32_t b[6] = {now.year, now.month, now.day, now.hour, now.minute, now.second};
    for (int i = 0; i < 6; ++i) {
        if (a[i] != b[i])
            return a[i] > b[i];
    }
    return false;
}

}  // namespace

bool ParseCimDateTime(const std::string& cim, InstallDateTime* out, std::string* text)
{
    if (cim.size() < kCimDigits)
        return false;
    for (std::size_t i = 0; i < kCimDigits; ++i) {
        if (cim[i] < '0' || cim[i] > '9')
            return false;
    }

    InstallDateTime parsed;
    parsed.year = PieceValue(cim, 0, 4);
    parsed.month = PieceValue(cim, 4, 2);
    parsed.day = PieceValue(cim, 6, 2);
    parsed.hour = PieceValue(cim, 8, 2);
    parsed.minute = PieceValue(cim, 10, 2);
    parsed.second = PieceValue(cim, 12, 2);
    // Digits that name no moment (a 13th month, the 30th of February) are as
    // unusable as letters: the date would show wrong and count wrong.
    if (!IsCalendarMoment(parsed))
        return false;

    if (out)
        *out = parsed;
    if (text) {
        *text = cim.substr(4, 2) + "-" + cim.substr(6, 2) + "-" + cim.substr(0, 4)
              + "  @ " + cim.substr(8, 2) + ":" + cim.substr(10, 2) + ":" + cim.substr(12, 2);
    }
    return true;
}

bool IsCalendarMoment(const InstallDateTime& t)
{
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) &&
           t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

ElapsedParts ComputeElapsed(const LocalDateTime& now, const InstallDateTime& install)
{
    ElapsedParts zero;
    if (IsLater(install, now))
        return zero;

    ElapsedParts e;
    e.years = now.year - install.year;
    e.months = now.month - install.month;
    e.days = now.day - install.day;
    e.hours = now.hour - install.hour;
    e.minutes = now.minute - install.minute;
    e.seconds = now.second - install.second;

    while (e.seconds < 0) {
        e.seconds += 60;
        --e.minutes;
    }
    while (e.minutes < 0) {
        e.minutes += 60;
        --e.hours;
    }
    while (e.hours < 0) {
        e.hours += 24;
        --e.days;
    }

    // Borrow whole months, walking back from the month before now's month.
    // Installed on the 30th or 31st and now early in March, one borrow of
    // February is not enough, so the month before that is borrowed as well.
    int32_t borrowYear = now.year;
    int32_t borrowMonth = now.month;
    while (e.days < 0) {
        if (--borrowMonth < 1) {
            borrowMonth = 12;
            --borrowYear;
        }
        e.days += DaysInMonth(borrowYear, borrowMonth);
        --e.months;
    }
    while (e.months < 0) {
        e.months += 12;
        --e.years;
    }

    // Only malformed fields (a month of 13, say) can get here; show nothing
    // rather than a negative count.
    if (e.years < 0)
        return zero;
    return e;
}

std::string FormatInstallTimeText(const ElapsedParts& e)
{
    const char* form = (e.years >= 2)
        ? "- OS Installation Time: %i years %i months %i days %i hours %i min %i sec"
        : "- OS Installation Time: %i year %i months %i days %i hours %i min %i sec";
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, form,
                  e.years, e.months, e.days, e.hours, e.minutes, e.seconds);
    return buffer;
}
