// The operating system's installation moment: parsing the CIM datetime text,
// the time elapsed since then, and its display line. No platform calls.
#pragma once
#include <string>

#include "facts/TimeTypes.h"

// Reads the leading yyyymmddHHMMSS of a CIM datetime text (the fraction of a
// second and the UTC offset are ignored) into `out`, and builds the display
// text "MM-DD-YYYY  @ HH:MM:SS" into `text`. A text shorter than 14
// characters, with a non-digit among them or naming no calendar moment
// (month 13, February 30, hour 24) is rejected: false is returned and neither
// output is touched. Either output may be null.
bool ParseCimDateTime(const std::string& cim, InstallDateTime* out, std::string* text);

// True when the fields name a moment of the Gregorian calendar: month 1-12,
// a day that month has (29 February in leap years only), hour 0-23, minute
// and second 0-59.
bool IsCalendarMoment(const InstallDateTime& t);

// Years, months, days, hours, minutes and seconds from `install` to `now`,
// borrowing calendar month lengths. Never negative: an installation moment
// later than `now` (a clock set back) gives all zero.
ElapsedParts ComputeElapsed(const LocalDateTime& now, const InstallDateTime& install);

// "- OS Installation Time: ..." with "years" from two years on, else "year".
std::string FormatInstallTimeText(const ElapsedParts& elapsed);
